// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace calquin {

// The program's exit statuses, the window's and the command line's alike. Scripts that prepare
// classroom machines test them, and the manual page lists them: keep their numbers.
enum ExitStatus : int {
    kSuccess = 0,
    kCatalogueUnreadable = 1,
    kUsageError = 2,
    kItemCannotStart = 3,
    kResultsUnreadable = 4,  // --report cannot read the results folder
    kResultsNotChanged = 5,  // --prune-results or --forget-pupil left a results file unchanged
};

}  // namespace calquin
