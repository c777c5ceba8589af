// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/start.h"

int main(int argc, char** argv) {
    return calquin::teacher::runClassResults(argc, argv);
}
