// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_line.h"
#include "cli/system_start.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    calquin::cli::useStartingConsole();
    if (const auto window = calquin::cli::windowStart(argc, argv)) {
        return calquin::ui::runApplication(argc, argv, window->resultsFolder, window->askName);
    }
    return calquin::cli::run(argc, argv);
}
