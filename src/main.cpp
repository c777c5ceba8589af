// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_line.h"

int main(int argc, char** argv) {
    return calquin::cli::run(argc, argv);
}
