// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "catalogue/catalogue_file.h"
#include "cli/catalogue_report.h"
#include "cli/results_erasing.h"
#include "cli/results_report.h"
#include "cli/system_start.h"
#include "common/exit_status.h"
#include "engine/random_source.h"
#include "text/school_writing.h"
#include "text/system_path.h"
#include "text/translation.h"

namespace calquin::cli {
namespace {

// What --help and the usage errors say, under the context translators find them.
constexpr Text kHelpDescription =
    translatable("CommandLine", "Displays help on commandline options.");
constexpr Text kVersionDescription = translatable("CommandLine", "Displays version information.");
constexpr Text kCheckDescription = translatable(
    "CommandLine",
    "Check the test catalogue FILE (default: index.txt in the working directory) and report, row "
    "by row, which items can be started, without opening the window.");
constexpr Text kProgramDescription =
    translatable("CommandLine",
                 "An arithmetic drill for pupils. Without options it opens the drill window on "
                 "index.txt in the working directory.");
constexpr Text kFileArgument = translatable("CommandLine", "With --check: the catalogue to check.");
// The placeholders --help names its arguments by, as the descriptions above write them.
constexpr Text kFilePlaceholder = translatable("CommandLine", "FILE");
constexpr Text kFolderPlaceholder = translatable("CommandLine", "FOLDER");
constexpr Text kExitStatuses =
    translatable("CommandLine",
                 "Exit status:\n"
                 "  0  the window was closed, or --check found every listed item can be started\n"
                 "  1  the catalogue cannot be read\n"
                 "  2  the command line is wrong\n"
                 "  3  --check found a listed item that cannot be started\n");
constexpr Text kCheckTakesOneFile = translatable("CommandLine", "--check takes at most one file.");
constexpr Text kResultsWindowDescription =
    translatable("CommandLine",
                 "Open the teacher's window on the results folder FOLDER (default: the one set in "
                 "calquin.conf).");
constexpr Text kResultsWindowAlone =
    translatable("CommandLine", "--results-window takes at most one folder and no other mode.");
constexpr Text kResultsWindowMissing =
    translatable("CommandLine", "calquin: cannot start the teacher's window %1: %2\n");
constexpr Text kFileOnlyWithCheck =
    translatable("CommandLine", "A file can only be given with --check.");
constexpr Text kErasingAlone = translatable(
    "CommandLine", "--prune-results and --forget-pupil take at most one folder and no other mode.");

using text::translated;

// The options QGuiApplication, QApplication and the X11 platform take for themselves. The parser
// knows them so that they are not refused, and keeps them out of --help; the window's
// QApplication reads them from the untouched argv.
void acceptQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {"platform",      "platformpluginpath",
                                     "platformtheme", "plugin",
                                     "qmljsdebugger", "qwindowgeometry",
                                     "qwindowicon",   "qwindowtitle",
                                     "session",       "display",
                                     "geometry",      "name",
                                     "visual",        "style",
                                     "stylesheet"};
    const char* const withoutValue[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : withoutValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text::withOptionsIsolated(text).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption check;
    QCommandLineOption resultsWindow;
    QCommandLineOption prune;
    QCommandLineOption forget;
    ResultsOptions results;
};

// Texts for --help are made here, so a parser made once the translation is in effect describes
// its options in the user's language.
Options describeOptions(QCommandLineParser& parser) {
    // Qt's own options are written with one dash (-platform offscreen, -style fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The parser's own help and version options, with their English words as Qt writes them,
    // made here because Qt's translations lack their descriptions in several languages.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  translated(kHelpDescription));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     translated(kVersionDescription));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption check(QStringLiteral("check"), translated(kCheckDescription));
    parser.addOption(check);
    const QCommandLineOption resultsWindow(QStringLiteral("results-window"),
                                           translated(kResultsWindowDescription));
    parser.addOption(resultsWindow);
    const QCommandLineOption prune(QStringLiteral("prune-results"), pruneDescription());
    parser.addOption(prune);
    const QCommandLineOption forget(QStringLiteral("forget-pupil"), forgetDescription(),
                                    QStringLiteral("NAME"));
    parser.addOption(forget);
    const ResultsOptions results = describeResultsOptions(parser);
    acceptQtOptions(parser);
    return {help, version, check, resultsWindow, prune, forget, results};
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// Why the command line cannot be carried out, one rule at a time, or nothing when it can.
std::optional<QString> usageError(const QCommandLineParser& parser, const Options& options) {
    const bool report = parser.isSet(options.results.report);
    const bool check = parser.isSet(options.check);
    const qsizetype given = parser.positionalArguments().size();
    if (parser.isSet(options.resultsWindow) && (report || check || given > 1)) {
        return translated(kResultsWindowAlone);
    }
    const bool erasing = parser.isSet(options.prune) || parser.isSet(options.forget);
    if (erasing && (report || check || parser.isSet(options.resultsWindow) || given > 1 ||
                    (parser.isSet(options.prune) && parser.isSet(options.forget)))) {
        return translated(kErasingAlone);
    }
    if (report && check) {
        return reportUsageError(ReportUsage::WithCheck);
    }
    if (report && given > 1) {
        return reportUsageError(ReportUsage::TwoFolders);
    }
    if (!report && parser.isSet(options.results.since)) {
        return reportUsageError(ReportUsage::SinceAlone);
    }
    if (check && given > 1) {
        return translated(kCheckTakesOneFile);
    }
    if (!check && !report && !erasing && !parser.isSet(options.resultsWindow) && given > 0) {
        return translated(kFileOnlyWithCheck);
    }
    return std::nullopt;
}

std::filesystem::path localPath(const QString& path) {
    return text::systemPath(path);
}

// The teacher's window is a program of its own beside this one, so that the pupil's start never
// loads it. It gets the same arguments but the option that asked for it.
int openResultsWindow(int argc, char** argv) {
    const QString program =
        QCoreApplication::applicationDirPath() + QStringLiteral("/calquin-class-results");
    const auto why = runInstead(program, argc, argv, [](std::string_view argument) {
        return argument == "--results-window" || argument == "-results-window";
    });
    if (!why) {
        return kSuccess;
    }
    print(stderr, translated(kResultsWindowMissing).arg(QDir::toNativeSeparators(program), *why));
    // As env and the shell say that a program they were to run could not be started.
    constexpr int kProgramNotStarted = 127;
    return kProgramNotStarted;
}

}  // namespace

std::optional<WindowStart> windowStart(int argc, char** argv) {
    QCommandLineParser parser;
    const Options options = describeOptions(parser);
    const bool window = parser.parse(argumentList(argc, argv)) && !parser.isSet(options.help) &&
                        !parser.isSet(options.version) && !parser.isSet(options.check) &&
                        !parser.isSet(options.results.report) &&
                        !parser.isSet(options.results.since) && !parser.isSet(options.prune) &&
                        !parser.isSet(options.forget) && parser.positionalArguments().isEmpty();
    if (!window || parser.isSet(options.resultsWindow)) {
        return std::nullopt;
    }
    WindowStart start;
    const RecordSettings settings = recordSettings(parser, options.results);
    if (settings.folder) {
        start.resultsFolder = localPath(*settings.folder);
        start.askName = settings.askName;
    }
    return start;
}

int run(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("calquin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CALQUIN_VERSION));
    text::installTranslations(app);
    QCommandLineParser parser;
    const Options options = describeOptions(parser);
    const bool parsed = parser.parse(argumentList(argc, argv));
    parser.setApplicationDescription(translated(kProgramDescription));
    const QString file = translated(kFilePlaceholder);
    const QString folder = translated(kFolderPlaceholder);
    parser.addPositionalArgument(file, translated(kFileArgument), QStringLiteral("[%1]").arg(file));
    parser.addPositionalArgument(folder, reportFolderText(), QStringLiteral("[%1]").arg(folder));
    const QString usage = parser.helpText() + QLatin1Char('\n') + translated(kExitStatuses) +
                          reportExitStatusText() + erasingExitStatusText();

    const std::optional<QString> error =
        parsed ? usageError(parser, options) : std::optional(parser.errorText());
    if (error) {
        print(stderr, QStringLiteral("calquin: %1\n\n").arg(*error) + usage);
        return kUsageError;
    }
    if (parser.isSet(options.help)) {
        print(stdout, usage);
        return kSuccess;
    }
    if (parser.isSet(options.version)) {
        print(stdout, QStringLiteral("calquin %1\n").arg(QCoreApplication::applicationVersion()));
        return kSuccess;
    }
    if (parser.isSet(options.resultsWindow)) {
        return openResultsWindow(argc, argv);
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(options.prune) || parser.isSet(options.forget)) {
        const RecordSettings settings = recordSettings(parser, options.results);
        const std::optional<QString> folder =
            files.isEmpty() ? settings.folder : std::optional(files.first());
        const CheckOutcome outcome = parser.isSet(options.prune)
                                         ? pruneResults(folder, settings.keepDays)
                                         : forgetPupil(folder, parser.value(options.forget));
        print(outcome.status == kSuccess ? stdout : stderr, outcome.report);
        return outcome.status;
    }
    if (parser.isSet(options.results.report)) {
        const ReportOutcome outcome =
            reportResults(files.isEmpty() ? resultsFolder(parser, options.results) : files.first(),
                          parser.value(options.results.since));
        print(outcome.status == kSuccess ? stdout : stderr, outcome.report);
        return outcome.status;
    }
    const std::string path = files.isEmpty() ? std::string(catalogue::kCatalogueFileName)
                                             : localPath(files.first()).string();
    engine::ClockSeededRandom random;
    const CheckOutcome outcome = checkCatalogueFile(path, random);
    print(stdout, outcome.report + QLatin1Char('\n') +
                      resultsCheckText(recordSettings(parser, options.results)));
    return outcome.status;
}

}  // namespace calquin::cli
