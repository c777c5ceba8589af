// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the built program as a teacher or a setup script would, with no display at all, and reads
// what it prints and the status it ends with.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray bundledCatalogue() {
    QFile file(QStringLiteral(CALQUIN_BUNDLED_CATALOGUE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray plusRecords(int count) {
    QByteArray text;
    for (int i = 1; i <= count; ++i) {
        text += "Item " + QByteArray::number(i) + ",2,1,+\n";
    }
    return text;
}

// An expected line of output, where "<q>" stands for the question drawn at random, "<dir>" for
// the folder the program runs in and "<version>" for the program's version.
QRegularExpression linePattern(QString line, const QString& dir) {
    line.replace(QStringLiteral("<dir>"), dir)
        .replace(QStringLiteral("<version>"), QStringLiteral(CALQUIN_VERSION));
    QString pattern = QRegularExpression::escape(line);
    pattern.replace(QStringLiteral("\\<q\\>"), QStringLiteral("[1-9][0-9]* [-+*/] [1-9][0-9]*"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void reportsAndExitStatus_data();
    void reportsAndExitStatus();
    void translatedOutput_data();
    void translatedOutput();
};

void CommandLineTest::reportsAndExitStatus_data() {
    QTest::addColumn<QStringList>("arguments");    // "<file>": the catalogue below
    QTest::addColumn<QByteArray>("catalogue");     // written as index.txt in the working folder
    QTest::addColumn<QStringList>("stdoutLines");  // in this order, others may come between
    QTest::addColumn<QString>("stderrHas");
    QTest::addColumn<int>("status");

    const QStringList check = {QStringLiteral("--check"), QStringLiteral("<file>")};
    QTest::addRow("bundled catalogue: every item starts")
        << check << bundledCatalogue()
        << QStringList{"Catalogue: <dir>/index.txt",
                       "Addition",
                       "  Row 1, line 1: \"1-digit plus 1-digit\". It can be started, for example "
                       "<q>.",
                       "Subtraction",
                       "Multiplication",
                       "Division",
                       "  Row 10, line 40: \"5-digit divided by 2-digit\". It can be started, "
                       "for example <q>.",
                       "40 items: 40 can be started, 0 cannot."}
        << QString() << 0;
    QTest::addRow("default file is index.txt in the working folder")
        << QStringList{"--check"} << QByteArray("A,1,1,+\n")
        << QStringList{"Catalogue: <dir>/index.txt",
                       "  Row 1, line 1: \"A\". It can be started, for example <q>.",
                       "  Rows 2–10: empty.",
                       "Subtraction",
                       "  Rows 1–10: empty.",
                       "1 item: it can be started."}
        << QString() << 0;
    QTest::addRow("one empty row the file lacks")
        << check << plusRecords(9)
        << QStringList{"  Row 9, line 9: \"Item 9\". It can be started, for example <q>.",
                       "  Row 10: empty.", "Subtraction"}
        << QString() << 0;
    QTest::addRow("unusable item: its line and the window's reason")
        << check << QByteArray("Fine,1,1,+\n\n\"Too long\",12,1,+\nAlso fine,2,1,+\n")
        << QStringList{"  Row 2, line 3: \"Too long\". This item cannot be started: both digit "
                       "counts must be from 1 to 9.",
                       "3 items: 2 can be started, 1 cannot."}
        << QString() << 3;
    QTest::addRow("text with no counts or operator")
        << check << QByteArray("Title,,,\n")
        << QStringList{"  Row 1, line 1: \"Title\". This row of the list holds no item.",
                       "1 item: it cannot be started."}
        << QString() << 3;
    QTest::addRow("empty record padding a group is an empty row")
        << check << QByteArray("A,1,1,+\n\"\",,,\n")
        << QStringList{"  Row 2, line 2: empty.", "1 item: it can be started."} << QString() << 0;
    QTest::addRow("read error: the window's error text")
        << check << QByteArray("Fine,1,1,+\n\"Never closed,2,1,+\n")
        << QStringList{"The test catalogue cannot be used.", "", "File: <dir>/index.txt",
                       "Line 2, column 1: the quote that opens this field is never closed, so "
                       "the rest of the file would become one text."}
        << QString() << 1;
    QTest::addRow("missing file") << QStringList{"--check", "elsewhere.txt"} << QByteArray()
                                  << QStringList{"File: <dir>/elsewhere.txt"} << QString() << 1;
    QTest::addRow("a spreadsheet's file with semicolons")
        << check << QByteArray("Drei mal eins;1;1;*\n\"Plus; bis 20\";2;1;+\n")
        << QStringList{"Catalogue: <dir>/index.txt",
                       "The fields are separated by semicolons, as spreadsheets save them, and "
                       "were read that way.",
                       "  Row 1, line 1: \"Drei mal eins\". It can be started, for example <q>.",
                       "  Row 2, line 2: \"Plus; bis 20\". It can be started, for example <q>."}
        << QString() << 0;
    QTest::addRow("semicolon lines in a file read with commas")
        << check << QByteArray("Plus,2,1,+\nA;2;1;+\nB;2;1;+\nC;2;1;+\nD;2;1;+\n")
        << QStringList{"  Row 2, line 2: \"A;2;1;+\". This item cannot be started: its operator "
                       "must be exactly +, -, * or /.",
                       "      Hint: line 2 seems to separate its fields with semicolons, but "
                       "fields are separated by commas."}
        << QString() << 3;
    QTest::addRow("item under another type's group is mentioned, not refused")
        << check << QByteArray("Times,2,2,*\n")
        << QStringList{"  Row 1, line 1: \"Times\". It can be started, for example <q>.",
                       "      Note: its operator is *, so it asks multiplication questions, "
                       "though it is listed under \"Addition\".",
                       "1 item: it can be started."}
        << QString() << 0;
    QTest::addRow("records beyond 40 are stored but never shown")
        << check << plusRecords(42)
        << QStringList{"Not listed",
                       "  Record 41, line 41: \"Item 41\" is stored but never shown in the list.",
                       "  Record 42, line 42: \"Item 42\" is stored but never shown in the list.",
                       "40 items: 40 can be started, 0 cannot."}
        << QString() << 0;
    QTest::addRow("empty file") << check << QByteArray("")
                                << QStringList{"The file lists no items."} << QString() << 0;
    QTest::addRow("Qt's own options pass")
        << QStringList{"-platform", "offscreen", "--check", "<file>", "-reverse"}
        << QByteArray("A,1,1,+\n") << QStringList{"1 item: it can be started."} << QString() << 0;
    QTest::addRow("two files") << QStringList{"--check", "<file>", "other.txt"}
                               << QByteArray("A,1,1,+\n") << QStringList{}
                               << QStringLiteral("Usage: ") << 2;
    QTest::addRow("unknown option") << QStringList{"--frobnicate"} << QByteArray() << QStringList{}
                                    << QStringLiteral("Unknown option 'frobnicate'") << 2;
    QTest::addRow("a file without --check") << QStringList{"<file>"} << QByteArray("A,1,1,+\n")
                                            << QStringList{} << QStringLiteral("Usage: ") << 2;
    QTest::addRow("the teacher's window shows one folder")
        << QStringList{"--results-window", "a", "b"} << QByteArray() << QStringList{}
        << QStringLiteral("--results-window takes at most one folder") << 2;
    QTest::addRow("the teacher's window is no report")
        << QStringList{"--results-window", "--report"} << QByteArray() << QStringList{}
        << QStringLiteral("--results-window takes at most one folder") << 2;
    QTest::addRow("--help")
        << QStringList{"--help"} << QByteArray()
        << QStringList{"  --check                 Check the test catalogue FILE (default: index.txt in",
                       "Exit status:", "  3  --check found a listed item that cannot be started",
                       "  4  --report cannot read the results folder"}
        << QString() << 0;
    QTest::addRow("--version") << QStringList{"--version"} << QByteArray()
                               << QStringList{"calquin <version>"} << QString() << 0;
}

struct Run {
    QString out;
    QString err;
    int status = -1;
    QString dir;
};

// Runs the program with `arguments` in a fresh folder holding `catalogue` as index.txt, in the
// language `locale` names, as LANG would on a pupil's machine.
Run runProgram(QStringList arguments, const QByteArray& catalogue, const QString& locale) {
    Run run;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return run;
    }
    run.dir = dir.path();
    const QString file = dir.filePath(QStringLiteral("index.txt"));
    if (!catalogue.isNull()) {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly)) {
            return run;
        }
        out.write(catalogue);
    }
    arguments.replaceInStrings(QStringLiteral("<file>"), file);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), locale);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(CALQUIN_PROGRAM), arguments);
    if (!program.waitForFinished(10000) || program.exitStatus() != QProcess::NormalExit) {
        return run;
    }
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    run.status = program.exitCode();
    return run;
}

void CommandLineTest::reportsAndExitStatus() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, catalogue);
    QFETCH(QStringList, stdoutLines);
    QFETCH(QString, stderrHas);
    QFETCH(int, status);

    const Run run = runProgram(arguments, catalogue, QStringLiteral("C.UTF-8"));
    const QString& out = run.out;
    const QString& err = run.err;
    QVERIFY2(run.status == status, qPrintable(out + err));
    const QStringList lines = out.split(QLatin1Char('\n'));
    qsizetype at = 0;
    for (const QString& expected : stdoutLines) {
        const QRegularExpression pattern = linePattern(expected, run.dir);
        while (at < lines.size() && !pattern.match(lines[at]).hasMatch()) {
            ++at;
        }
        QVERIFY2(at < lines.size(),
                 qPrintable("missing or out of order: " + expected + "\n" + out));
        ++at;
    }
    if (stderrHas.isEmpty()) {
        QCOMPARE(err, QString());
    } else {
        QVERIFY2(err.contains(stderrHas), qPrintable(err));
        QCOMPARE(out, QString());
    }
}

void CommandLineTest::translatedOutput_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<QStringList>("kept");     // the teacher's words, names and numbers
    QTest::addColumn<QStringList>("english");  // none of it may be left
    QTest::addColumn<int>("status");

    const QStringList check = {QStringLiteral("--check"), QStringLiteral("<file>")};
    const QByteArray mixed("Plus,2,1,+\n\"Too long\",12,1,+\nA;2;1;+\nB;2;1;+\nC;2;1;+\nD;2;1;+\n");
    const QStringList reportEnglish = {"can be started", "cannot be started", "Row 1",
                                       "Hint:",          "Subtraction",       "items:"};
    const QByteArray broken("Fine,1,1,+\n\"Never closed,2,1,+\n");
    const QStringList faultEnglish = {"cannot be used", "File:", "Line 2", "never closed"};
    const QStringList helpEnglish = {"Check the test catalogue", "Exit status", "Displays help",
                                     "Options:"};
    for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8",
                               "nl_NL.UTF-8", "pl_PL.UTF-8", "pt_BR.UTF-8", "ar_EG.UTF-8"}) {
        const QString name = QString::fromLatin1(locale).section(QLatin1Char('.'), 0, 0);
        QTest::addRow("%s: report", qPrintable(name))
            << locale << check << mixed
            << QStringList{"<dir>/index.txt", "Plus", "Too long", "A;2;1;+"} << reportEnglish << 3;
        QTest::addRow("%s: unreadable catalogue", qPrintable(name))
            << locale << check << broken
            << (name == QLatin1String("ar_EG") ? QStringList{"<dir>/index.txt", "٢", "١"}
                                               : QStringList{"<dir>/index.txt", "2", "1"})
            << faultEnglish << 1;
        QTest::addRow("%s: help", qPrintable(name))
            << locale << QStringList{"--help"} << QByteArray()
            << QStringList{"--check", "--help", "--version", "index.txt"} << helpEnglish << 0;
    }
}

// In a translated locale every word the program writes is in that language, while everything the
// teacher wrote, the file's path and the option names stay exactly as they are.
void CommandLineTest::translatedOutput() {
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, catalogue);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, english);
    QFETCH(int, status);

    const Run run = runProgram(arguments, catalogue, locale);
    QVERIFY2(run.status == status, qPrintable(run.out + run.err));
    QCOMPARE(run.err, QString());
    for (QString text : kept) {
        text.replace(QStringLiteral("<dir>"), run.dir);
        QVERIFY2(run.out.contains(text), qPrintable(text + " is not kept in\n" + run.out));
    }
    for (const QString& text : english) {
        QVERIFY2(!run.out.contains(text), qPrintable(text + " is left in English in\n" + run.out));
    }
}

}  // namespace

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
