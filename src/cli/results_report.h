// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <optional>

#include "results/results_summary.h"

namespace calquin::cli {

// What the report prints, and the program's exit status (an ExitStatus).
struct ReportOutcome {
    QString report;
    int status;
};

// The options of the answers record: --results-folder for one run, --report and its --since.
struct ResultsOptions {
    QCommandLineOption resultsFolder;
    QCommandLineOption report;
    QCommandLineOption since;
};

ResultsOptions describeResultsOptions(QCommandLineParser& parser);

// The folder answers go to: --results-folder when given, otherwise results/folder from
// calquin.conf (the user's file before the system's), otherwise none. Read once at start.
std::optional<QString> resultsFolder(const QCommandLineParser& parser,
                                     const ResultsOptions& options);

// How answers are recorded: in which folder, and whether pupils who share one login choose
// their name from the folder's pupils.txt first (results/ask-name in calquin.conf, off unless
// set to true). Asking needs a folder.
struct RecordSettings {
    std::optional<QString> folder;
    bool askName = false;
    QString keepDays;  // results/keep-days as written; read only for --prune-results
};
RecordSettings recordSettings(const QCommandLineParser& parser, const ResultsOptions& options);

enum class ReportUsage { WithCheck, TwoFolders, SinceAlone };
QString reportUsageError(ReportUsage usage);

// What --help says of the folder --report takes.
QString reportFolderText();

// The lines of --help on the exit statuses that only --report gives.
QString reportExitStatusText();

// For --check: whether answers are recorded and where, or why they cannot be, and with ask-name
// under which names.
QString resultsCheckText(const RecordSettings& settings);

// `calquin --report`: the class's figures from every results file in `folder`, for rows dated
// `since` (YYYY-MM-DD) or later when it is given. The status is kSuccess, kUsageError for a bad
// date or no folder, or kResultsUnreadable.
ReportOutcome reportResults(const std::optional<QString>& folder, const QString& since);

// The report's text for figures already summed up.
QString formatReport(const results::Summary& summary, const QString& folder, const QString& since);

}  // namespace calquin::cli
