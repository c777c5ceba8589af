// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/results_report.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <variant>
#include <vector>

#include "common/exit_status.h"
#include "results/results_file.h"
#include "results/results_row.h"
#include "text/school_writing.h"
#include "text/system_path.h"
#include "text/translation.h"

namespace calquin::cli {
namespace {

// The context translators find the record's texts under.
class ResultsReport {
    Q_DECLARE_TR_FUNCTIONS(ResultsReport)
};

std::filesystem::path localPath(const QString& folder) {
    return text::systemPath(folder);
}

// A table whose first column is as wide as its longest text and whose figures are aligned to the
// right under their headings.
class Table {
public:
    explicit Table(QStringList headings) { rows_.push_back(std::move(headings)); }
    void add(QStringList row) { rows_.push_back(std::move(row)); }
    QStringList lines() const {
        std::vector<qsizetype> widths(static_cast<std::size_t>(rows_.front().size()), 0);
        for (const QStringList& row : rows_) {
            for (qsizetype i = 0; i < row.size(); ++i) {
                auto& width = widths[static_cast<std::size_t>(i)];
                width = std::max(width, row[i].size());
            }
        }
        QStringList out;
        for (const QStringList& row : rows_) {
            QString line = row[0].leftJustified(widths[0]);
            for (qsizetype i = 1; i < row.size(); ++i) {
                line += QStringLiteral("  ") + row[i].rightJustified(widths[std::size_t(i)]);
            }
            out << line;
        }
        return out;
    }

private:
    std::vector<QStringList> rows_;
};

QStringList figuresRow(const QString& name, const results::Figures& figures) {
    const QLocale locale;
    // The locale's separators, the school's digits.
    const auto number = [&locale](auto value) {
        return text::schoolDigits(locale.toString(value));
    };
    return {name, number(figures.answers), number(figures.correct),
            ResultsReport::tr("%1%").arg(number(figures.percentCorrect())),
            text::schoolDigits(locale.toString(
                static_cast<double>(figures.averageCentiseconds()) / 100.0, 'f', 2))};
}

// Names in the order of the user's language, so that "Émile" comes after "Elsa", not after "Zoë".
template <typename Map>
std::vector<typename Map::const_iterator> inNameOrder(const Map& map) {
    std::vector<typename Map::const_iterator> entries;
    for (auto i = map.begin(); i != map.end(); ++i) {
        entries.push_back(i);
    }
    QCollator collator;
    collator.setNumericMode(true);
    std::stable_sort(entries.begin(), entries.end(), [&](auto a, auto b) {
        return collator.compare(QString::fromUtf8(a->first), QString::fromUtf8(b->first)) < 0;
    });
    return entries;
}

}  // namespace

ResultsOptions describeResultsOptions(QCommandLineParser& parser) {
    QCommandLineOption folder(
        QStringLiteral("results-folder"),
        ResultsReport::tr("For this run, record every answer in DIR instead of the folder set "
                          "in calquin.conf."),
        QStringLiteral("DIR"));
    QCommandLineOption report(
        QStringLiteral("report"),
        ResultsReport::tr("Print the class's results from the results folder FOLDER (default: "
                          "the one set in calquin.conf), without opening the window."));
    QCommandLineOption since(
        QStringLiteral("since"),
        ResultsReport::tr("With --report: only answers given on DATE (YYYY-MM-DD) or later."),
        QStringLiteral("DATE"));
    parser.addOption(folder);
    parser.addOption(report);
    parser.addOption(since);
    return {folder, report, since};
}

std::optional<QString> resultsFolder(const QCommandLineParser& parser,
                                     const ResultsOptions& options) {
    // An empty folder means none, on the command line as in the file: an empty path would put
    // the rows in whatever folder the program was started in.
    if (parser.isSet(options.resultsFolder)) {
        const QString folder = parser.value(options.resultsFolder);
        return folder.isEmpty() ? std::nullopt : std::optional(folder);
    }
    // Native format: calquin.conf under XDG_CONFIG_HOME, then under each of XDG_CONFIG_DIRS
    // (/etc/xdg, where an administrator puts it for every machine).
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("calquin"), QStringLiteral("calquin"));
    const QString folder = settings.value(QStringLiteral("results/folder")).toString();
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder;
}

QString reportUsageError(ReportUsage usage) {
    switch (usage) {
        case ReportUsage::WithCheck:
            return ResultsReport::tr("--report and --check cannot be given together.");
        case ReportUsage::TwoFolders:
            return ResultsReport::tr("--report takes at most one folder.");
        default:
            return ResultsReport::tr("--since can only be given with --report.");
    }
}

QString reportFolderText() {
    return ResultsReport::tr("With --report: the results folder to read.");
}

QString reportExitStatusText() {
    return ResultsReport::tr(
        "  4  --report cannot read the results folder\n"
        "With --report, 0 means the report was printed and 2 a wrong date or option.\n");
}

QString resultsCheckText(const std::optional<QString>& folder) {
    if (!folder) {
        return ResultsReport::tr("Results: not recorded, since no results folder is set.\n");
    }
    // What the pupil's first answer would meet: this account's own file, not just the folder.
    if (const auto problem = results::recordingProblem(localPath(*folder), results::loginName(),
                                                       results::hostName())) {
        return ResultsReport::tr("Results: cannot be recorded in %1: %2.\n")
            .arg(text::leftToRightName(*folder), QString::fromUtf8(problem->c_str()));
    }
    return ResultsReport::tr("Results: every answer is recorded in %1.\n")
        .arg(text::leftToRightName(*folder));
}

CheckOutcome reportResults(const std::optional<QString>& folder, const QString& since) {
    if (!folder) {
        return {ResultsReport::tr("calquin: --report needs a folder, and no results folder is "
                                  "set in calquin.conf.\n"),
                kUsageError};
    }
    if (!since.isEmpty() && !QDate::fromString(since, QStringLiteral("yyyy-MM-dd")).isValid()) {
        return {ResultsReport::tr("calquin: --since needs a date written YYYY-MM-DD, such as "
                                  "2026-12-08, not \"%1\".\n")
                    .arg(text::leftToRightName(since)),
                kUsageError};
    }
    const auto summary = results::summariseFolder(localPath(*folder), since.toStdString());
    if (const auto* reason = std::get_if<std::string>(&summary)) {
        return {ResultsReport::tr("calquin: cannot read the results folder %1: %2.\n")
                    .arg(text::leftToRightName(*folder), QString::fromUtf8(reason->c_str())),
                kResultsUnreadable};
    }
    return {formatReport(std::get<results::Summary>(summary), *folder, since), kSuccess};
}

QString formatReport(const results::Summary& summary, const QString& folder, const QString& since) {
    QStringList lines;
    const QString name = text::leftToRightName(folder);
    lines << (since.isEmpty() ? ResultsReport::tr("Results in %1").arg(name)
                              : ResultsReport::tr("Results in %1 from %2 on")
                                    .arg(name, text::leftToRightName(since)))
          << QString();
    if (summary.pupils.empty()) {
        lines << ResultsReport::tr("No answers are recorded.");
    } else {
        Table pupils({ResultsReport::tr("Pupil and item"), ResultsReport::tr("Answers"),
                      ResultsReport::tr("Correct"), ResultsReport::tr("Share"),
                      ResultsReport::tr("Seconds")});
        for (const auto& pupil : inNameOrder(summary.pupils)) {
            pupils.add(figuresRow(QString::fromUtf8(pupil->first), pupil->second.all));
            for (const auto& item : inNameOrder(pupil->second.items)) {
                pupils.add(figuresRow(QStringLiteral("  ") + QString::fromUtf8(item->first),
                                      item->second));
            }
        }
        lines << pupils.lines();
        const auto missed = results::mostMissed(summary);
        if (!missed.empty()) {
            Table questions({ResultsReport::tr("Most missed questions"), ResultsReport::tr("Wrong"),
                             ResultsReport::tr("Asked")});
            const QLocale locale;
            for (const auto& [question, figures] : missed) {
                questions.add({QString::fromUtf8(question),
                               text::schoolDigits(locale.toString(figures.wrong)),
                               text::schoolDigits(locale.toString(figures.asked))});
            }
            lines << QString() << questions.lines();
        }
    }
    if (summary.skipped > 0) {
        lines << QString()
              << ResultsReport::tr(
                     "Rows that cannot be read, skipped: %1. The first is line %2 "
                     "of %3.")
                     .arg(text::schoolDigits(QLocale().toString(summary.skipped)),
                          text::schoolDigits(QLocale().toString(summary.firstSkippedLine)),
                          text::leftToRightName(QString::fromUtf8(summary.firstSkippedFile)));
    }
    if (summary.filesUnreadable > 0) {
        lines << QString()
              << ResultsReport::tr("Files that cannot be read, left out: %1. The first is %2: %3.")
                     .arg(text::schoolDigits(QLocale().toString(summary.filesUnreadable)),
                          text::leftToRightName(QString::fromUtf8(summary.firstUnreadableFile)),
                          QString::fromUtf8(summary.firstUnreadableReason.c_str()));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace calquin::cli
