// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

#include "cli/catalogue_report.h"

namespace calquin::cli {

// `calquin --prune-results [FOLDER]`: removes the rows older than results/keep-days from every
// results file in the folder. `keepDays` is the setting as written in calquin.conf, empty when it
// is not set. The status is kSuccess, kUsageError (no folder, no or a wrong keep-days),
// kResultsUnreadable or kResultsNotChanged.
CheckOutcome pruneResults(const std::optional<QString>& folder, const QString& keepDays);

// `calquin --forget-pupil NAME [FOLDER]`: removes every row of `pupil` and says how many.
CheckOutcome forgetPupil(const std::optional<QString>& folder, const QString& pupil);

// What --help says of the two options, and the exit status only they give.
QString pruneDescription();
QString forgetDescription();
QString erasingExitStatusText();

}  // namespace calquin::cli
