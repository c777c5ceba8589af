// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/captions.h"

#include <QTest>
#include <QTranslator>

#include "text/school_writing.h"
#include "text/translation.h"

using namespace calquin;

Q_DECLARE_METATYPE(calquin::engine::Question)

// A question is shown and spoken from its numbers and sign as drawn, in the catalogue's signs in
// English and in the signs of the pupil's schools once a translation is in effect.
class Captions : public QObject {
    Q_OBJECT

private slots:
    void question_data();
    void question();
    void phraseValuesArePutInOnce();
    void optionsAreIsolatedInRightToLeftSentences_data();
    void optionsAreIsolatedInRightToLeftSentences();
};

void Captions::question_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<engine::Question>("question");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("spoken");
    const auto row = [](const char* name, const char* language, engine::Question question,
                        const char* shown, const char* spoken) {
        QTest::addRow("%s", name) << QString::fromLatin1(language) << question
                                  << QString::fromUtf8(shown) << QString::fromUtf8(spoken);
    };
    row("English sum", "", {37, 8, "+"}, "37 + 8", "37 plus 8");
    row("English difference", "", {90, 12, "-"}, "90 - 12", "90 minus 12");
    row("English product keeps the star", "", {7, 8, "*"}, "7 * 8", "7 times 8");
    row("English quotient keeps the slash", "", {96, 12, "/"}, "96 / 12", "96 divided by 12");
    row("a sign without words is shown and said as given", "", {0, 0, "x"}, "0 x 0", "0 x 0");
    row("German product with the raised dot", "de", {7, 8, "*"}, "7 · 8", "7 mal 8");
    row("German quotient with the colon", "de", {56, 7, "/"}, "56 : 7", "56 geteilt durch 7");
    row("French product with the cross", "fr", {7, 8, "*"}, "7 × 8", "7 fois 8");
    row("Spanish quotient with the colon", "es", {56, 7, "/"}, "56 : 7", "56 entre 7");
    row("a translated sum keeps its plus", "de", {37, 8, "+"}, "37 + 8", "37 plus 8");
    row("Italian product with the cross", "it", {7, 8, "*"}, "7 × 8", "7 per 8");
    row("Dutch quotient with the colon", "nl", {56, 7, "/"}, "56 : 7", "56 gedeeld door 7");
    row("Polish product with the raised dot", "pl", {7, 8, "*"}, "7 · 8", "7 razy 8");
    row("Brazilian quotient with the division sign", "pt_BR", {56, 7, "/"}, "56 ÷ 7",
        "56 dividido por 7");
    // The direction marks around a right-to-left caption are the drawing's business, checked
    // where it is drawn; here only what the pupil reads counts.
    row("Arabic sum in Egyptian school digits", "ar", {37, 8, "+"}, "\u0663\u0667 + \u0668",
        "\u0663\u0667 زائد \u0668");
    row("Arabic quotient with the division sign", "ar", {56, 7, "/"}, "\u0665\u0666 ÷ \u0667",
        "\u0665\u0666 على \u0667");
}

void Captions::question() {
    QFETCH(QString, language);
    QFETCH(engine::Question, question);
    QFETCH(QString, shown);
    QFETCH(QString, spoken);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral(":/translations/calquin_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
    }
    QString caption = text::questionCaption(question);
    const QString recorded = text::questionText(question);
    const QString words = text::spokenQuestion(question);
    QCoreApplication::removeTranslator(&translator);
    caption.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    QCOMPARE(caption, shown);
    // The text is what the pupil reads, without anything that only steers the drawing.
    QCOMPARE(recorded, shown);
    QCOMPARE(words, spoken);
}

// A value is the core's, never a placeholder: one that looks like one is shown as it is.
void Captions::phraseValuesArePutInOnce() {
    const Phrase phrase{{"Test", "%1 then %2"}, {"%2", "b"}};
    QCOMPARE(text::translated(phrase), QStringLiteral("%2 then b"));
}

void Captions::optionsAreIsolatedInRightToLeftSentences_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("shown");  // ⁦ and ⁩ stand for the isolate and its end
    const auto row = [](const char* name, const char* language, const char* sentence,
                        const char* shown) {
        QTest::addRow("%s", name) << QString::fromLatin1(language) << QString::fromUtf8(sentence)
                                  << QString::fromUtf8(shown);
    };
    row("an option that starts a line", "ar", "--check لا يقبل", "⁦--check⁩ لا يقبل");
    row("an option after a word and before a colon", "ar", "مع --report: مجلد",
        "مع ⁦--report⁩: مجلد");
    row("an option with a dash inside, before its value", "ar", "  --results-folder <DIR>",
        "  ⁦--results-folder⁩ <DIR>");
    row("an option inside a name already isolated stays", "ar", "في ⁦/tmp/a --check/b⁩",
        "في ⁦/tmp/a --check/b⁩");
    row("an option in quotes", "ar", "«--since»", "«⁦--since⁩»");
    row("a dash rule is no option", "ar", "١ -- ٢", "١ -- ٢");
    row("a name that holds two dashes is no option", "ar", "الملف a--b/--c", "الملف a--b/--c");
    row("a left-to-right language is left alone", "de", "Mit --check: die Datei",
        "Mit --check: die Datei");
}

// Written in a right-to-left sentence, "--check" would show as "check--" unless isolated.
void Captions::optionsAreIsolatedInRightToLeftSentences() {
    QFETCH(QString, language);
    QFETCH(QString, sentence);
    QFETCH(QString, shown);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/calquin_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    const QString written = text::withOptionsIsolated(sentence);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(written, shown);
}

QTEST_MAIN(Captions)
#include "captions_test.moc"
