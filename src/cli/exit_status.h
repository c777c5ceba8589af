// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace calquin::cli {

// The program's exit statuses. Scripts that prepare classroom machines test them, and the manual
// page lists them: keep their numbers.
enum ExitStatus : int {
    kSuccess = 0,
    kCatalogueUnreadable = 1,  // also what the window ends with when it cannot read its catalogue
    kUsageError = 2,
    kItemCannotStart = 3,
    kResultsUnreadable = 4,  // --report cannot read the results folder
};

}  // namespace calquin::cli
