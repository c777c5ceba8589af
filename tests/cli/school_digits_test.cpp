// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// In a language whose schools write their own digits, every number the program writes in running
// text is in those digits; only what is not the program's own words (file names, folders, the
// catalogue's and the record's texts) may hold others, and those are isolated so that a path
// keeps its reading order. Run as a teacher would, in Arabic.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A catalogue with a row of every kind --check reports: one that starts, an empty one, one
// refused, one listed under the wrong operator, one with semicolons, runs of missing rows, and
// records past the listed ones.
QByteArray everyKindOfRow() {
    QByteArray bytes = "جمع,2,1,+\n,,,\nطويل,12,1,+\nفرق,2,1,-\n\"أ;2;1;+\",1,1,+\n";
    for (int i = 0; i < 40; ++i) {
        bytes += "ب,1,1,+\n";
    }
    return bytes;
}

// A results folder as an Arabic window leaves it, with a row that cannot be read.
void writeResults(const QString& folder) {
    QDir().mkpath(folder);
    writeFile(folder + "/سلمى@حاسوب.csv",
              "time,pupil,computer,item,question,answer,correct,seconds\r\n"
              "2026-12-07T09:15:02+01:00,سلمى,حاسوب,جمع,٣٧ + ٨,٤٥,1,9.25\r\n"
              "2026-12-07T09:15:12+01:00,سلمى,حاسوب,جمع,٣٧ + ٨,٤٤,0,4.00\r\n"
              "not a row\r\n");
}

}  // namespace

class SchoolDigits : public QObject {
    Q_OBJECT

private slots:
    void noNumberInAsciiDigits_data();
    void noNumberInAsciiDigits();
};

void SchoolDigits::noNumberInAsciiDigits_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");  // <dir>: the test's folder
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<QString>("name");  // the file or folder the output names, isolated
    // Egyptian numbers are written in the school's digits already; Moroccan ones are not, so
    // there only the translation's own digits can put them right.
    for (const char* locale : {"ar_EG.UTF-8", "ar_MA.UTF-8"}) {
        QTest::addRow("%s: --check, every kind of row", locale)
            << locale << QStringList{"--check", "<dir>/index.txt"} << everyKindOfRow()
            << "<dir>/index.txt";
        QTest::addRow("%s: --check, a catalogue error on line 2", locale)
            << locale << QStringList{"--check", "<dir>/index.txt"}
            << QByteArray("جمع,1,1,+\n\"لا تنتهي,2,1,+\n") << "<dir>/index.txt";
        QTest::addRow("%s: --report", locale) << locale << QStringList{"--report", "<dir>/results"}
                                              << QByteArray() << "<dir>/results";
    }
}

void SchoolDigits::noNumberInAsciiDigits() {
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, catalogue);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("index.txt"), catalogue);
    writeResults(dir.filePath("results"));
    arguments.replaceInStrings(QStringLiteral("<dir>"), dir.path());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath("config"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(CALQUIN_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    const QString said =
        QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());

    // The names the program puts in its sentences are isolated, left to right or in their own
    // direction; what is left is the program's own words and numbers.
    QString words = said;
    words.remove(QRegularExpression(QStringLiteral("[\u2066\u2068][^\u2069]*\u2069")));
    const QRegularExpression ascii(QStringLiteral("[^\\n]*[0-9][^\\n]*"));
    QVERIFY2(!ascii.match(words).hasMatch(),
             qPrintable(ascii.match(words).captured() + QStringLiteral("\nin\n") + said));
    QVERIFY2(words.contains(QRegularExpression(QStringLiteral("[٠-٩]"))), qPrintable(said));
    // A path in a right-to-left sentence reads from the left: "/tmp/x/index.txt", not its mirror.
    name.replace(QStringLiteral("<dir>"), dir.path());
    QVERIFY2(said.contains(QChar(u'\u2066') + name + QChar(u'\u2069')), qPrintable(said));
}

QTEST_GUILESS_MAIN(SchoolDigits)
#include "school_digits_test.moc"
