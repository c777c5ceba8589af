// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>

namespace calquin::cli {

// What the drill window needs from the command line and the settings: where answers are
// recorded, if anywhere, and whether the pupil first chooses a name from the folder's
// pupils.txt.
struct WindowStart {
    std::optional<std::filesystem::path> resultsFolder;
    bool askName = false;
};

// The window's start when this start asks for the window: no option of the program's own but
// --results-folder (Qt's are allowed) and no file; otherwise nothing. Decided before any
// application object exists, since only the window may need a display.
std::optional<WindowStart> windowStart(int argc, char** argv);

// Everything but the window: --help, --version and --check [FILE] print to standard output, and
// anything the parser refuses prints the usage to standard error. They need no display and work
// over ssh. Returns the exit status.
int run(int argc, char** argv);

}  // namespace calquin::cli
