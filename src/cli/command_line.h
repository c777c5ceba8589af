// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace calquin::cli {

// The whole program. With no option of its own it opens the drill window exactly as it always
// has; --help, --version and --check [FILE] print to standard output and open no window, so
// they need no display and work over ssh. Returns the exit status.
int run(int argc, char** argv);

}  // namespace calquin::cli
