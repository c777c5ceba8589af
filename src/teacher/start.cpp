// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher/start.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <cstdio>

#include "common/exit_status.h"
#include "teacher/class_results_window.h"
#include "text/school_writing.h"
#include "text/system_path.h"
#include "text/translation.h"

namespace calquin::teacher {
namespace {

constexpr Text kDescription =
    translatable("ClassResults",
                 "Shows how the class did in the results folder FOLDER (default: the one set in "
                 "calquin.conf), pupil by pupil and fact by fact. It only reads the folder.");
constexpr Text kFolderArgument = translatable("ClassResults", "The results folder to show.");
constexpr Text kOneFolder = translatable("ClassResults", "Only one folder can be shown.");
constexpr Text kChooseFolder = translatable("ClassResults", "Choose the results folder");
constexpr Text kBadFluentSeconds = translatable(
    "ClassResults",
    "calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not "
    "\"%2\"; 3 is used.");

constexpr double kDefaultFluentSeconds = 3.0;

using text::translated;

void print(std::FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

QSettings calquinConf() {
    // calquin.conf under XDG_CONFIG_HOME, then under each of XDG_CONFIG_DIRS, as the drill reads
    // it.
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("calquin"),
                     QStringLiteral("calquin"));
}

double fluentSeconds() {
    const QSettings settings = calquinConf();
    const QVariant value = settings.value(QStringLiteral("report/fluent-seconds"));
    if (!value.isValid()) {
        return kDefaultFluentSeconds;
    }
    bool ok = false;
    const double seconds = value.toString().trimmed().toDouble(&ok);
    if (!ok || !(seconds >= 0.5 && seconds <= 60.0)) {
        print(stderr, translated(kBadFluentSeconds).arg(settings.fileName(), value.toString()) +
                          QLatin1Char('\n'));
        return kDefaultFluentSeconds;
    }
    return seconds;
}

}  // namespace

int runClassResults(int argc, char** argv) {
    QApplication app(argc, argv);
    text::installTranslations(app);
    if (text::layoutDirection() == Qt::RightToLeft) {
        QApplication::setLayoutDirection(Qt::RightToLeft);
    }
    QApplication::setApplicationName(QStringLiteral("calquin"));
    QApplication::setDesktopFileName(QStringLiteral("calquin-class-results"));

    // QApplication has taken its own options (-platform, -style, ...) out of the arguments.
    QCommandLineParser parser;
    parser.setApplicationDescription(translated(kDescription));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), translated(kFolderArgument),
                                 QStringLiteral("[FOLDER]"));
    // The drill's own option for a folder means the same here, so a start that names it works.
    const QCommandLineOption resultsFolder(QStringLiteral("results-folder"),
                                           translated(kFolderArgument), QStringLiteral("DIR"));
    parser.addOption(resultsFolder);
    if (!parser.parse(QApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString error =
            parser.positionalArguments().size() > 1 ? translated(kOneFolder) : parser.errorText();
        print(stderr,
              QStringLiteral("calquin-class-results: %1\n\n%2").arg(error, parser.helpText()));
        return kUsageError;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        print(stdout, parser.helpText());
        return kSuccess;
    }

    QString folder = parser.positionalArguments().value(0);
    if (folder.isEmpty()) {
        folder = parser.value(resultsFolder);
    }
    if (folder.isEmpty()) {
        folder = calquinConf().value(QStringLiteral("results/folder")).toString();
    }
    if (folder.isEmpty()) {
        folder = QFileDialog::getExistingDirectory(nullptr, translated(kChooseFolder));
        if (folder.isEmpty()) {
            return kSuccess;
        }
    }
    ClassResultsWindow window(text::systemPath(folder), fluentSeconds(),
                              {.today = [] { return QDate::currentDate(); },
                               .keepFluentSeconds =
                                   [](double seconds) {
                                       calquinConf().setValue(
                                           QStringLiteral("report/fluent-seconds"), seconds);
                                   }});
    window.resize(900, 720);
    window.show();
    return QApplication::exec();
}

}  // namespace calquin::teacher
