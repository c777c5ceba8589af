// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/results_report.h"

#include <QCollator>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <variant>
#include <vector>

#include "common/exit_status.h"
#include "common/phrase.h"
#include "results/recorded_question.h"
#include "results/results_file.h"
#include "results/results_row.h"
#include "text/captions.h"
#include "text/pupil_names_text.h"
#include "text/reading_trouble_text.h"
#include "text/school_writing.h"
#include "text/system_path.h"
#include "text/translation.h"

namespace calquin::cli {
namespace {

// The record's texts, found by translators under ResultsReport and put into words where shown.
constexpr Text kResultsFolderHelp =
    translatable("ResultsReport",
                 "For this run, record every answer in DIR instead of the folder set "
                 "in calquin.conf.");
// The placeholders --help names the options' values by, as the descriptions write them.
constexpr Text kDirPlaceholder = translatable("ResultsReport", "DIR");
constexpr Text kDatePlaceholder = translatable("ResultsReport", "DATE");
constexpr Text kReportHelp =
    translatable("ResultsReport",
                 "Print the class's results from the results folder FOLDER (default: "
                 "the one set in calquin.conf), without opening the window.");
constexpr Text kSinceHelp = translatable(
    "ResultsReport", "With --report: only answers given on DATE (YYYY-MM-DD) or later.");
constexpr Text kFolderHelp =
    translatable("ResultsReport", "With --report: the results folder to read.");
constexpr Text kExitStatuses =
    translatable("ResultsReport",
                 "  4  --report cannot read the results folder\nWith --report, 0 "
                 "means the report was printed and 2 a wrong date or option.\n");
constexpr Text kReportWithCheck =
    translatable("ResultsReport", "--report and --check cannot be given together.");
constexpr Text kTwoFolders = translatable("ResultsReport", "--report takes at most one folder.");
constexpr Text kSinceAlone =
    translatable("ResultsReport", "--since can only be given with --report.");
constexpr Text kCheckNoFolder =
    translatable("ResultsReport", "Results: not recorded, since no results folder is set.\n");
constexpr Text kCheckCannot =
    translatable("ResultsReport", "Results: cannot be recorded in %1: %2.\n");
constexpr Text kCheckRecorded =
    translatable("ResultsReport", "Results: every answer is recorded in %1.\n");
constexpr Text kNoFolder =
    translatable("ResultsReport",
                 "calquin: --report needs a folder, and no results folder is set in "
                 "calquin.conf.\n");
constexpr Text kBadDate = translatable("ResultsReport",
                                       "calquin: --since needs a date written YYYY-MM-DD, such as "
                                       "2026-12-08, not \"%1\".\n");
constexpr Text kFolderUnreadable =
    translatable("ResultsReport", "calquin: cannot read the results folder %1: %2.\n");
constexpr Text kResultsIn = translatable("ResultsReport", "Results in %1");
constexpr Text kResultsSince = translatable("ResultsReport", "Results in %1 from %2 on");
constexpr Text kNoAnswers = translatable("ResultsReport", "No answers are recorded.");
constexpr Text kPupilAndItem = translatable("ResultsReport", "Pupil and item");
constexpr Text kAnswers = translatable("ResultsReport", "Answers");
constexpr Text kCorrect = translatable("ResultsReport", "Correct");
constexpr Text kShare = translatable("ResultsReport", "Share");
constexpr Text kSeconds = translatable("ResultsReport", "Seconds");
constexpr Text kPercent = translatable("ResultsReport", "%1%");
constexpr Text kMostMissed = translatable("ResultsReport", "Most missed questions");
constexpr Text kWrong = translatable("ResultsReport", "Wrong");
constexpr Text kAsked = translatable("ResultsReport", "Asked");
// The folder's name in the bytes the file system takes, as QFile spells every name.
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
            text::translated(kPercent).arg(number(figures.percentCorrect())),
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

// A question as the reader's schools write it ("6 × 8", in their digits); the record counts it in
// the catalogue's form, whatever language it was answered in.
QString shownQuestion(const std::string& counted) {
    const auto question = results::readRecordedQuestion(counted);
    if (!question) {
        return text::printable(counted);
    }
    return text::questionText(
        engine::Question{question->first, question->second, std::string(question->op->sign)});
}

}  // namespace

ResultsOptions describeResultsOptions(QCommandLineParser& parser) {
    QCommandLineOption folder(QStringLiteral("results-folder"),
                              text::translated(kResultsFolderHelp),
                              text::translated(kDirPlaceholder));
    QCommandLineOption report(QStringLiteral("report"), text::translated(kReportHelp));
    QCommandLineOption since(QStringLiteral("since"), text::translated(kSinceHelp),
                             text::translated(kDatePlaceholder));
    parser.addOption(folder);
    parser.addOption(report);
    parser.addOption(since);
    return {folder, report, since};
}

std::optional<QString> resultsFolder(const QCommandLineParser& parser,
                                     const ResultsOptions& options) {
    return recordSettings(parser, options).folder;
}

RecordSettings recordSettings(const QCommandLineParser& parser, const ResultsOptions& options) {
    // Native format: calquin.conf under XDG_CONFIG_HOME, then under each of XDG_CONFIG_DIRS
    // (/etc/xdg, where an administrator puts it for every machine).
    std::optional<QSettings> settings;
    const auto file = [&settings]() -> const QSettings& {
        if (!settings) {
            settings.emplace(QSettings::NativeFormat, QSettings::UserScope,
                             QStringLiteral("calquin"), QStringLiteral("calquin"));
        }
        return *settings;
    };
    RecordSettings chosen;
    if (parser.isSet(QStringLiteral("prune-results"))) {
        chosen.keepDays = file().value(QStringLiteral("results/keep-days")).toString();
    }
    // An empty folder means none, on the command line as in the file: an empty path would put
    // the rows in whatever folder the program was started in.
    const QString folder = parser.isSet(options.resultsFolder)
                               ? parser.value(options.resultsFolder)
                               : file().value(QStringLiteral("results/folder")).toString();
    if (folder.isEmpty()) {
        return chosen;
    }
    chosen.folder = folder;
    chosen.askName = file().value(QStringLiteral("results/ask-name")).toString().trimmed() ==
                     QLatin1String("true");
    return chosen;
}

QString reportUsageError(ReportUsage usage) {
    switch (usage) {
        case ReportUsage::WithCheck:
            return text::translated(kReportWithCheck);
        case ReportUsage::TwoFolders:
            return text::translated(kTwoFolders);
        default:
            return text::translated(kSinceAlone);
    }
}

QString reportFolderText() {
    return text::translated(kFolderHelp);
}

QString reportExitStatusText() {
    return text::translated(kExitStatuses);
}

QString resultsCheckText(const RecordSettings& settings) {
    const std::optional<QString>& folder = settings.folder;
    if (!folder) {
        return text::translated(kCheckNoFolder);
    }
    // What the pupil's first answer would meet: this account's own file, not just the folder.
    if (const auto problem = results::recordingProblem(localPath(*folder), results::loginName(),
                                                       results::hostName())) {
        return text::translated(kCheckCannot)
            .arg(text::leftToRightName(*folder), QString::fromUtf8(problem->c_str()));
    }
    const QString recorded = text::translated(kCheckRecorded).arg(text::leftToRightName(*folder));
    return settings.askName ? recorded + text::pupilNamesCheckText(localPath(*folder)) : recorded;
}

ReportOutcome reportResults(const std::optional<QString>& folder, const QString& since) {
    if (!folder) {
        return {text::translated(kNoFolder), kUsageError};
    }
    if (!since.isEmpty() && !QDate::fromString(since, QStringLiteral("yyyy-MM-dd")).isValid()) {
        return {text::translated(kBadDate).arg(text::leftToRightName(since)), kUsageError};
    }
    const auto summary = results::summariseFolder(localPath(*folder), since.toStdString());
    if (const auto* reason = std::get_if<std::string>(&summary)) {
        return {text::translated(kFolderUnreadable)
                    .arg(text::leftToRightName(*folder), QString::fromUtf8(reason->c_str())),
                kResultsUnreadable};
    }
    return {formatReport(std::get<results::Summary>(summary), *folder, since), kSuccess};
}

QString formatReport(const results::Summary& summary, const QString& folder, const QString& since) {
    QStringList lines;
    const QString name = text::leftToRightName(folder);
    lines << (since.isEmpty()
                  ? text::translated(kResultsIn).arg(name)
                  : text::translated(kResultsSince).arg(name, text::leftToRightName(since)))
          << QString();
    if (summary.pupils.empty()) {
        lines << text::translated(kNoAnswers);
    } else {
        Table pupils({text::translated(kPupilAndItem), text::translated(kAnswers),
                      text::translated(kCorrect), text::translated(kShare),
                      text::translated(kSeconds)});
        for (const auto& pupil : inNameOrder(summary.pupils)) {
            pupils.add(figuresRow(text::printable(pupil->first), pupil->second.all));
            for (const auto& item : inNameOrder(pupil->second.items)) {
                pupils.add(
                    figuresRow(QStringLiteral("  ") + text::printable(item->first), item->second));
            }
        }
        lines << pupils.lines();
        const auto missed = results::mostMissed(summary);
        if (!missed.empty()) {
            Table questions({text::translated(kMostMissed), text::translated(kWrong),
                             text::translated(kAsked)});
            const QLocale locale;
            for (const auto& [question, figures] : missed) {
                questions.add({shownQuestion(question),
                               text::schoolDigits(locale.toString(figures.wrong)),
                               text::schoolDigits(locale.toString(figures.asked))});
            }
            lines << QString() << questions.lines();
        }
    }
    for (const QString& trouble : text::readingTroubles(summary)) {
        lines << QString() << trouble;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace calquin::cli
