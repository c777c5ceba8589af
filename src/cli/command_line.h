// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace calquin::cli {

// Whether this start asks for the drill window: no option of the program's own (Qt's are
// allowed) and no file. Decided before any application object exists, since only the window
// may need a display.
bool opensWindow(int argc, char** argv);

// Everything but the window: --help, --version and --check [FILE] print to standard output, and
// anything the parser refuses prints the usage to standard error. They need no display and work
// over ssh. Returns the exit status.
int run(int argc, char** argv);

}  // namespace calquin::cli
