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
    void namesFileLineAndFault_data();
    void namesFileLineAndFault();
};

namespace {

constexpr const char* kFile = "/school/index.txt";

}  // namespace

// One of each shape the message takes, with the faults a teacher really meets, and the whole
// message in English and in German: a translation puts the file, the line and the column where
// its own words want them, and none of the English is left.
void FaultText::namesFileLineAndFault_data() {
    QTest::addColumn<CatalogueFault>("fault");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::addRow("line and column")
        << CatalogueFault{kFile,
                          {3, 14,
                           translatable("Catalogue",
                                        "text follows the closing quote of a field; put the whole "
                                        "text inside the quotes or add a comma")}}
        << QStringLiteral(
               "The test catalogue cannot be used.\n\nFile: /school/index.txt\n"
               "Line 3, column 14: text follows the closing quote of a field; put the "
               "whole text inside the quotes or add a comma.")
        << QStringLiteral(
               "Der Übungskatalog kann nicht verwendet werden.\n\nDatei: /school/index.txt\n"
               "Zeile 3, Spalte 14: nach dem schließenden Anführungszeichen eines Feldes steht "
               "noch Text; setzen Sie den ganzen Text in die Anführungszeichen oder fügen Sie ein "
               "Komma ein.");
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
               "text, first digit count, second digit count, operator sign).")
        << QStringLiteral(
               "Der Übungskatalog kann nicht verwendet werden.\n\nDatei: /school/index.txt\n"
               "Zeile 7: die Datei endet mitten im Datensatz, der in dieser Zeile beginnt: das "
               "Rechenzeichen fehlt (ein Datensatz hat vier Felder: Text der Übung, Stellenzahl "
               "der ersten Zahl, Stellenzahl der zweiten Zahl, Rechenzeichen).");
    QTest::addRow("whole file, its sentence starting with a capital")
        << CatalogueFault{kFile,
                          {0, 0, translatable("Catalogue", "this is a folder, not a text file")}}
        << QStringLiteral(
               "The test catalogue cannot be used.\n\nFile: /school/index.txt\n"
               "This is a folder, not a text file.")
        << QStringLiteral(
               "Der Übungskatalog kann nicht verwendet werden.\n\nDatei: /school/index.txt\n"
               "Dies ist ein Ordner, keine Textdatei.");
    QTest::addRow("with the system's words")
        << CatalogueFault{kFile,
                          {0, 0, translatable("Catalogue", "the file cannot be opened"),
                           "Permission denied"}}
        << QStringLiteral(
               "The test catalogue cannot be used.\n\nFile: /school/index.txt\n"
               "The file cannot be opened: Permission denied.")
        << QStringLiteral(
               "Der Übungskatalog kann nicht verwendet werden.\n\nDatei: /school/index.txt\n"
               "Die Datei lässt sich nicht öffnen: Permission denied.");
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
               "text file.")
        << QStringLiteral(
               "Der Übungskatalog kann nicht verwendet werden.\n\nDatei: /school/100%1 "
               "%2/index.txt\nZeile 2: die Datei enthält ein NUL-Byte und ist daher keine reine "
               "Textdatei.");
}

void FaultText::namesFileLineAndFault() {
    QFETCH(CatalogueFault, fault);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(text::faultText(fault), english);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/calquin_de.qm")));
    QCoreApplication::installTranslator(&translator);
    const QString translated = text::faultText(fault);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, german);
}

QTEST_MAIN(FaultText)
#include "fault_text_test.moc"
