// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "catalogue/catalogue_file.h"
#include "cli/catalogue_report.h"
#include "cli/results_report.h"
#include "engine/random_source.h"
#include "common/exit_status.h"
#include "text/translation.h"

namespace calquin::cli {
namespace {

// The context translators find the command line's texts under.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

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

QString exitStatusText() {
    return CommandLine::tr(
        "Exit status:\n"
        "  0  the window was closed, or --check found every listed item can be started\n"
        "  1  the catalogue cannot be read\n"
        "  2  the command line is wrong\n"
        "  3  --check found a listed item that cannot be started\n");
}

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
    std::fflush(to);
}

struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption check;
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
                                  CommandLine::tr("Displays help on commandline options."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Displays version information."));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption check(
        QStringLiteral("check"),
        CommandLine::tr(
            "Check the test catalogue FILE (default: index.txt in the working directory) and "
            "report, row by row, which items can be started, without opening the window."));
    parser.addOption(check);
    const ResultsOptions results = describeResultsOptions(parser);
    acceptQtOptions(parser);
    return {help, version, check, results};
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

}  // namespace

std::optional<WindowStart> windowStart(int argc, char** argv) {
    QCommandLineParser parser;
    const Options options = describeOptions(parser);
    const bool window = parser.parse(argumentList(argc, argv)) && !parser.isSet(options.help) &&
                        !parser.isSet(options.version) && !parser.isSet(options.check) &&
                        !parser.isSet(options.results.report) &&
                        !parser.isSet(options.results.since) &&
                        parser.positionalArguments().isEmpty();
    if (!window) {
        return std::nullopt;
    }
    WindowStart start;
    if (const auto folder = resultsFolder(parser, options.results)) {
        start.resultsFolder = std::filesystem::path(folder->toLocal8Bit().toStdString());
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
    const bool wantsHelp = parser.isSet(options.help);
    const QCommandLineOption& check = options.check;
    const QCommandLineOption& version = options.version;
    parser.setApplicationDescription(
        CommandLine::tr("An arithmetic drill for pupils. Without options it opens "
                        "the drill window on index.txt in the working directory."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 CommandLine::tr("With --check: the catalogue to check."),
                                 QStringLiteral("[FILE]"));
    parser.addPositionalArgument(QStringLiteral("FOLDER"), reportFolderText(),
                                 QStringLiteral("[FOLDER]"));
    const QString usage =
        parser.helpText() + QLatin1Char('\n') + exitStatusText() + reportExitStatusText();
    const bool report = parser.isSet(options.results.report);

    if (!parsed || (!parser.isSet(check) && !report && !parser.positionalArguments().isEmpty()) ||
        parser.positionalArguments().size() > 1 || (report && parser.isSet(check)) ||
        (!report && parser.isSet(options.results.since))) {
        const QString error =
            !parsed                               ? parser.errorText()
            : report && parser.isSet(check)       ? reportUsageError(ReportUsage::WithCheck)
            : report                              ? reportUsageError(ReportUsage::TwoFolders)
            : parser.isSet(options.results.since) ? reportUsageError(ReportUsage::SinceAlone)
            : parser.isSet(check) ? CommandLine::tr("--check takes at most one file.")
                                  : CommandLine::tr("A file can only be given with --check.");
        print(stderr, QStringLiteral("calquin: %1\n\n").arg(error) + usage);
        return kUsageError;
    }
    if (wantsHelp) {
        print(stdout, usage);
        return kSuccess;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("calquin %1\n").arg(QCoreApplication::applicationVersion()));
        return kSuccess;
    }
    const QStringList files = parser.positionalArguments();
    if (report) {
        const ReportOutcome outcome =
            reportResults(files.isEmpty() ? resultsFolder(parser, options.results) : files.first(),
                          parser.value(options.results.since));
        print(outcome.status == kSuccess ? stdout : stderr, outcome.report);
        return outcome.status;
    }
    const std::string path = files.isEmpty() ? std::string(catalogue::kCatalogueFileName)
                                             : files.first().toLocal8Bit().toStdString();
    engine::ClockSeededRandom random;
    const CheckOutcome outcome = checkCatalogueFile(path, random);
    print(stdout, outcome.report + QLatin1Char('\n') +
                      resultsCheckText(resultsFolder(parser, options.results)));
    return outcome.status;
}

}  // namespace calquin::cli
