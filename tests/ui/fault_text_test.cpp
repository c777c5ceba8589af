// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fault_text.h"

#include <QTest>
#include <QTranslator>

using namespace calquin;
using namespace calquin::catalogue;

Q_DECLARE_METATYPE(calquin::catalogue::CatalogueFault)

class FaultText : public QObject {
    Q_OBJECT

private slots:
    void englishIsTheCoresText_data();
    void englishIsTheCoresText();
    void translatedKeepsTheFactsAndDropsTheEnglish_data();
    void translatedKeepsTheFactsAndDropsTheEnglish();
};

namespace {

// One of each shape the message takes, with the faults a teacher really meets.
void faults() {
    QTest::addColumn<CatalogueFault>("fault");
    QTest::addRow("line and column")
        << CatalogueFault{"/school/index.txt",
                          {3, 14,
                           "text follows the closing quote of a field; put the whole text inside "
                           "the quotes or add a comma"}};
    QTest::addRow("whole line") << CatalogueFault{
        "/school/index.txt",
        {7, 0,
         "the file ends in the middle of the record that starts on this line: "
         "the operator sign is missing (a record is four fields: item text, "
         "first digit count, second digit count, operator sign)"}};
    QTest::addRow("whole file") << CatalogueFault{"/school/index.txt",
                                                  {0, 0, "this is a folder, not a text file"}};
    QTest::addRow("with the system's words") << CatalogueFault{
        "/school/index.txt", {0, 0, "the file cannot be opened", "Permission denied"}};
    // A path is the teacher's own text: a %1 in it must come out as written.
    QTest::addRow("path with a percent sign")
        << CatalogueFault{"/school/100%1 %2/index.txt",
                          {2, 0, "the file holds a NUL byte, so it is not a plain text file"}};
}

}  // namespace

void FaultText::englishIsTheCoresText_data() {
    faults();
}

void FaultText::englishIsTheCoresText() {
    QFETCH(CatalogueFault, fault);
    QCOMPARE(ui::faultText(fault), QString::fromStdString(describeFault(fault)));
}

void FaultText::translatedKeepsTheFactsAndDropsTheEnglish_data() {
    faults();
}

void FaultText::translatedKeepsTheFactsAndDropsTheEnglish() {
    QFETCH(CatalogueFault, fault);
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/translations/calquin_de.qm")));
    QCoreApplication::installTranslator(&german);
    const QString text = ui::faultText(fault);
    QCoreApplication::removeTranslator(&german);

    QVERIFY2(text.contains(QString::fromStdString(fault.path)), qPrintable(text));
    if (fault.error.line > 0) {
        QVERIFY2(text.contains(QString::number(fault.error.line)), qPrintable(text));
    }
    if (fault.error.column > 0) {
        QVERIFY2(text.contains(QString::number(fault.error.column)), qPrintable(text));
    }
    QVERIFY2(text.contains(QString::fromStdString(fault.error.detail)), qPrintable(text));
    QVERIFY2(!text.contains(QLatin1String("cannot be used")), qPrintable(text));
    QVERIFY2(!text.contains(QString::fromStdString(fault.error.what), Qt::CaseInsensitive),
             qPrintable(text));
    QVERIFY2(text.endsWith(QLatin1Char('.')), qPrintable(text));
}

QTEST_MAIN(FaultText)
#include "fault_text_test.moc"
