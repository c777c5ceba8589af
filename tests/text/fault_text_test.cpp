// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/fault_text.h"

#include <QTest>
#include <QTranslator>

using namespace calquin;
using namespace calquin::catalogue;

Q_DECLARE_METATYPE(calquin::catalogue::CatalogueFault)

class FaultText : public QObject {
    Q_OBJECT

private slots:
    void englishNamesFileLineAndFault_data();
    void englishNamesFileLineAndFault();
    void translatedKeepsTheFactsAndDropsTheEnglish_data();
    void translatedKeepsTheFactsAndDropsTheEnglish();
};

namespace {

constexpr const char* kFile = "/school/index.txt";

// One of each shape the message takes, with the faults a teacher really meets, and the English
// message for each.
void faults() {
    QTest::addColumn<CatalogueFault>("fault");
    QTest::addColumn<QString>("english");
    QTest::addRow("line and column")
        << CatalogueFault{kFile,
                          {3, 14,
                           translatable("Catalogue",
                                        "text follows the closing quote of a field; put the whole "
                                        "text inside the quotes or add a comma")}}
        << QStringLiteral(
               "The test catalogue cannot be used.\n\nFile: /school/index.txt\n"
               "Line 3, column 14: text follows the closing quote of a field; put the "
               "whole text inside the quotes or add a comma.");
    QTest::addRow("whole line")
        << CatalogueFault{kFile,
                          {7, 0,
                           translatable("Catalogue",
                                        "the file ends in the middle of the record that starts "
                                        "on this line: the operator sign is missing (a record is "
                                        "four fields: item text, first digit count, second digit "
                                        "count, operator sign)")}}
        << QStringLiteral(
               "The test catalogue cannot be used.\n\nFile: /school/index.txt\n"
               "Line 7: the file ends in the middle of the record that starts on this "
               "line: the operator sign is missing (a record is four fields: item "
               "text, first digit count, second digit count, operator sign).");
    QTest::addRow("whole file, its sentence starting with a capital")
        << CatalogueFault{kFile,
                          {0, 0, translatable("Catalogue", "this is a folder, not a text file")}}
        << QStringLiteral(
               "The test catalogue cannot be used.\n\nFile: /school/index.txt\n"
               "This is a folder, not a text file.");
    QTest::addRow("with the system's words")
        << CatalogueFault{kFile,
                          {0, 0, translatable("Catalogue", "the file cannot be opened"),
                           "Permission denied"}}
        << QStringLiteral(
               "The test catalogue cannot be used.\n\nFile: /school/index.txt\n"
               "The file cannot be opened: Permission denied.");
    // A path is the teacher's own text: a %1 in it must come out as written.
    QTest::addRow("path with a percent sign")
        << CatalogueFault{"/school/100%1 %2/index.txt",
                          {2, 0,
                           translatable("Catalogue",
                                        "the file holds a NUL byte, so it is not a plain text "
                                        "file")}}
        << QStringLiteral(
               "The test catalogue cannot be used.\n\nFile: /school/100%1 "
               "%2/index.txt\nLine 2: the file holds a NUL byte, so it is not a plain "
               "text file.");
}

}  // namespace

void FaultText::englishNamesFileLineAndFault_data() {
    faults();
}

void FaultText::englishNamesFileLineAndFault() {
    QFETCH(CatalogueFault, fault);
    QFETCH(QString, english);
    QCOMPARE(text::faultText(fault), english);
}

void FaultText::translatedKeepsTheFactsAndDropsTheEnglish_data() {
    faults();
}

void FaultText::translatedKeepsTheFactsAndDropsTheEnglish() {
    QFETCH(CatalogueFault, fault);
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/translations/calquin_de.qm")));
    QCoreApplication::installTranslator(&german);
    const QString message = text::faultText(fault);
    QCoreApplication::removeTranslator(&german);

    QVERIFY2(message.contains(QString::fromStdString(fault.path)), qPrintable(message));
    if (fault.error.line > 0) {
        QVERIFY2(message.contains(QString::number(fault.error.line)), qPrintable(message));
    }
    if (fault.error.column > 0) {
        QVERIFY2(message.contains(QString::number(fault.error.column)), qPrintable(message));
    }
    QVERIFY2(message.contains(QString::fromStdString(fault.error.detail)), qPrintable(message));
    QVERIFY2(!message.contains(QLatin1String("cannot be used")), qPrintable(message));
    QVERIFY2(!message.contains(QString::fromUtf8(fault.error.what.english), Qt::CaseInsensitive),
             qPrintable(message));
    QVERIFY2(message.endsWith(QLatin1Char('.')), qPrintable(message));
}

QTEST_MAIN(FaultText)
#include "fault_text_test.moc"
