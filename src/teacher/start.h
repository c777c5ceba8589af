// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace calquin::teacher {

// `calquin-class-results [FOLDER]`, which `calquin --results-window [FOLDER]` becomes: the
// teacher's window on FOLDER, else on the results folder set in calquin.conf, else on one the
// teacher picks. Runs until the window is closed and returns the exit status.
int runClassResults(int argc, char** argv);

}  // namespace calquin::teacher
