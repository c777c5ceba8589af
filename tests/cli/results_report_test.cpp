// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `calquin --report` and the record's line in `calquin --check`, run as a teacher would, with the
// configuration in a folder of the test's own.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kHeader = "time,pupil,computer,item,question,answer,correct,seconds\r\n";

struct Run {
    QString out;
    QString err;
    int status = -1;
};

// Runs the program in `home`, with calquin.conf there naming `configured` unless it is empty.
Run runProgram(const QStringList& arguments, const QString& home, const QString& configured) {
    QDir(home).mkpath(QStringLiteral("config/calquin"));
    QFile conf(home + QStringLiteral("/config/calquin/calquin.conf"));
    if (conf.open(QIODevice::WriteOnly)) {
        conf.write(configured.isEmpty() ? QByteArray()
                                        : "[results]\nfolder=" + configured.toUtf8() + "\n");
    }
    conf.close();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), home + QStringLiteral("/none"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home);
    program.start(QStringLiteral(CALQUIN_PROGRAM), arguments);
    program.waitForFinished(30000);
    return {QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError()),
            program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray row(const char* day, const char* pupil, const char* item, const char* question,
               const char* answer, bool correct, const char* seconds) {
    return QByteArray(day) + "T09:15:02+01:00," + pupil + ",pc-1," + item + "," + question + "," +
           answer + "," + (correct ? "1," : "0,") + seconds + "\r\n";
}

}  // namespace

class ResultsReportTest : public QObject {
    Q_OBJECT

private slots:
    void reportsTwoPupils();
    void statuses_data();
    void statuses();
};

// Rows dated from --since on are the summary's rule; here, what the teacher reads of a folder
// with a damaged row, a row that names another pupil, a file that is no results file and an item
// holding an escape sequence.
void ResultsReportTest::reportsTwoPupils() {
    QTemporaryDir home;
    const QString folder = home.path() + "/results";
    QDir().mkpath(folder);
    writeFile(
        folder + "/anna@pc-1.csv",
        kHeader + row("2026-12-08", "anna", "Tens", "37 + 8", "44", false, "4.00") +
            row("2026-12-08", "anna", "Tens", "26 + 7", "33", true, "3.00") +
            row("2026-12-08", "anna", "\"Times\x1b[2J, to 10\"", "6 * 8", "'=48", false, "6.50"));
    writeFile(folder + "/ben@pc-2.csv",
              kHeader + row("2026-12-08", "ben", "Tens", "37 + 8", "45", true, "2.00") +
                  row("2026-12-08", "ben", "Tens", "6 * 8", "", false, "1.25") +
                  row("2026-12-08", "anna", "Tens", "6 * 8", "48", true, "1.00") + "2026-12-08T10");
    writeFile(folder + "/notes.csv", "name,mark\r\nanna,2\r\n");

    const Run run = runProgram({"--report"}, home.path(), folder);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString("Results in " + folder +
                              "\n"
                              "\n"
                              "Pupil and item           Answers  Correct  Share  Seconds\n"
                              "anna                           3        1    33%     4.50\n"
                              "  Tens                         2        1    50%     3.50\n"
                              "  Times\\u001b[2J, to 10        1        0     0%     6.50\n"
                              "ben                            2        1    50%     1.63\n"
                              "  Tens                         2        1    50%     1.63\n"
                              "\n"
                              "Most missed questions  Wrong  Asked\n"
                              "6 * 8                      2      2\n"
                              "37 + 8                     1      2\n"
                              "\n"
                              "Rows that cannot be read, skipped: 1. The first is line 5 of "
                              "ben@pc-2.csv.\n"
                              "\n"
                              "Rows that name another pupil than their file, skipped: 1. The "
                              "first is line 4 of ben@pc-2.csv.\n"
                              "\n"
                              "Files that are no results files, left out: 1. The first is "
                              "notes.csv.\n"));
}

void ResultsReportTest::statuses_data() {
    QTest::addColumn<QStringList>("arguments");  // "<results>": a results folder, empty
    QTest::addColumn<QString>("configured");     // results/folder in calquin.conf
    QTest::addColumn<QString>("says");
    QTest::addColumn<int>("status");

    QTest::addRow("a report of an empty folder") << QStringList{"--report", "<results>"} << ""
                                                 << "No answers are recorded." << 0;
    QTest::addRow("the configured folder by default") << QStringList{"--report"} << "<results>"
                                                      << "Results in <results>" << 0;
    QTest::addRow("from a day on")
        << QStringList{"--report", "--since", "2026-12-08"} << "<results>"
        << "Results in <results> from 2026-12-08 on" << 0;
    QTest::addRow("a folder that cannot be read")
        << QStringList{"--report", "<results>/missing"} << ""
        << "cannot read the results folder <results>/missing: No such file or directory." << 4;
    QTest::addRow("no folder at all") << QStringList{"--report"} << ""
                                      << "needs a folder" << 2;
    QTest::addRow("a date that is not one")
        << QStringList{"--report", "<results>", "--since", "2026-02-30"} << ""
        << "YYYY-MM-DD" << 2;
    QTest::addRow("--since without --report") << QStringList{"--since", "2026-12-08"} << ""
                                              << "only be given with --report" << 2;
    QTest::addRow("two folders") << QStringList{"--report", "<results>", "<results>"} << ""
                                 << "at most one folder" << 2;
    QTest::addRow("--check says where answers go")
        << QStringList{"--check"} << "<results>"
        << "Results: every answer is recorded in <results>." << 0;
    QTest::addRow("--check says why they cannot be recorded")
        << QStringList{"--check"} << "<results>/missing"
        << "Results: cannot be recorded in <results>/missing: No such file or directory." << 0;
    QTest::addRow("--check with no folder set")
        << QStringList{"--check"} << ""
        << "Results: not recorded, since no results folder is set." << 0;
    QTest::addRow("an empty --results-folder records nothing")
        << QStringList{"--check", "--results-folder", ""} << "<results>"
        << "Results: not recorded, since no results folder is set." << 0;
    QTest::addRow("--results-folder wins over calquin.conf")
        << QStringList{"--check", "--results-folder", "<results>"} << "<results>/missing"
        << "Results: every answer is recorded in <results>." << 0;
}

void ResultsReportTest::statuses() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, configured);
    QFETCH(QString, says);
    QFETCH(int, status);
    QTemporaryDir home;
    const QString results = home.path() + "/results";
    QDir().mkpath(results);
    writeFile(home.path() + "/index.txt", "A,1,1,+\n");
    for (QString& argument : arguments) {
        argument.replace("<results>", results);
    }
    const Run run = runProgram(arguments, home.path(), configured.replace("<results>", results));
    QCOMPARE(run.status, status);
    QVERIFY2((run.out + run.err).contains(says.replace("<results>", results)),
             qPrintable(run.out + run.err));
}

QTEST_GUILESS_MAIN(ResultsReportTest)
#include "results_report_test.moc"
