// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <memory>

#include "engine/scoring.h"
#include "fakes.h"
#include "text/school_writing.h"
#include "ui/form1_design.h"
#include "ui/seams.h"

using namespace calquin;
using namespace calquin::ui;
using namespace calquin::ui::testing;

namespace {

struct Message {
    QString context;
    QString source;
    QStringList forms;  // a text with a count: its plural forms, in the language's order
};

// Every text the translators were given, read from the language's .ts file.
std::vector<Message> sourcesOf(const QString& language) {
    QFile file(QStringLiteral(CALQUIN_TRANSLATIONS_DIR "/calquin_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QDomDocument document;
    document.setContent(&file);
    std::vector<Message> messages;
    const QDomNodeList contexts = document.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement message = context.firstChildElement(QStringLiteral("message"));
             !message.isNull(); message = message.nextSiblingElement(QStringLiteral("message"))) {
            QStringList forms;
            const QDomElement translation =
                message.firstChildElement(QStringLiteral("translation"));
            for (QDomElement form = translation.firstChildElement(QStringLiteral("numerusform"));
                 !form.isNull(); form = form.nextSiblingElement(QStringLiteral("numerusform"))) {
                forms << form.text();
            }
            messages.push_back(
                {name, message.firstChildElement(QStringLiteral("source")).text(), forms});
        }
    }
    return messages;
}

// Space a widget's text may take: the style's indicator and margins come off a button's width.
int roomForText(QWidget* widget) {
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        const int indicator =
            option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &style, option) +
            option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &style, option);
        return option->width() - indicator;
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        return frame->width() - 16;  // the caption is set in from the frame's corners
    }
    return widget->width();
}

QString textOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        return frame->title();
    }
    return qobject_cast<QLabel*>(widget)->text();
}

// Where an auto-sized label may not reach: past its container's edge, or over a sibling control.
QString overlapOf(QLabel* label) {
    QWidget* container = label->parentWidget();
    if (label->geometry().right() >= container->width() || label->x() < 0) {
        return QStringLiteral("runs past the edge of ") + container->objectName();
    }
    for (QWidget* other : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == label) {
            continue;
        }
        // The counters stand on the grey bar by design, in white: past its end they cannot be read.
        if (other->objectName() == QLatin1String("Shape1")) {
            if (label->geometry().intersects(other->geometry()) &&
                label->geometry().right() > other->geometry().right()) {
                return QStringLiteral("runs off the end of Shape1 by %1 px")
                    .arg(label->geometry().right() - other->geometry().right());
            }
            continue;
        }
        if (label->geometry().intersects(other->geometry())) {
            return QStringLiteral("lies over ") + other->objectName();
        }
    }
    return {};
}

// Whether `withText` and `without` differ, which is where the text put ink, anywhere in rows
// `from` to `to`.
bool inkInRows(const QImage& withText, const QImage& without, int from, int to) {
    for (int y = std::max(from, 0); y < std::min(to, withText.height()); ++y) {
        for (int x = 0; x < withText.width(); ++x) {
            if (withText.pixel(x, y) != without.pixel(x, y)) {
                return true;
            }
        }
    }
    return false;
}

// Where the ink of a control's caption is cut off above or below. The control is drawn again with
// room above and below its text, once with its text and once without, and any ink that then falls
// outside its own rows is ink the screen loses. A frame's caption sits in its top edge, where no
// room can be added: there ink in the first row is ink that reached above it.
QString verticalCutOf(QWidget* widget) {
    const QString text = textOf(widget);
    const auto drawnWith = [widget](const QString& caption) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(caption);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frame->setTitle(caption);
        } else {
            qobject_cast<QLabel*>(widget)->setText(caption);
        }
        return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    if (qobject_cast<QGroupBox*>(widget)) {
        const QImage without = drawnWith(QString());
        return inkInRows(drawnWith(text), without, 0, 1) ? QStringLiteral("is cut at the top")
                                                         : QString();
    }
    constexpr int kRoom = 12;
    const QSize size = widget->size();
    const QMargins margins = widget->contentsMargins();
    auto* label = qobject_cast<QLabel*>(widget);
    // A label writes from its top, anything else centred: either way its text moves down by kRoom.
    if (label && (label->alignment() & Qt::AlignTop)) {
        widget->setContentsMargins(margins + QMargins(0, kRoom, 0, 0));
    }
    widget->resize(size.width(), size.height() + 2 * kRoom);
    const QImage without = drawnWith(QString());
    const QImage withText = drawnWith(text);
    widget->setContentsMargins(margins);
    widget->resize(size);
    if (inkInRows(withText, without, 0, kRoom)) {
        return QStringLiteral("is cut at the top");
    }
    if (inkInRows(withText, without, kRoom + size.height(), withText.height())) {
        return QStringLiteral("is cut at the bottom: %1 px high").arg(size.height());
    }
    return {};
}

// The faces `widget` draws `text` in, as its font and the system's fallbacks choose them.
QStringList facesOf(QWidget* widget, const QString& text) {
    QTextLayout layout(text, widget->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        faces << run.rawFont().familyName();
    }
    faces.removeDuplicates();
    return faces;
}

}  // namespace

class Translation : public QObject {
    Q_OBJECT

private slots:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void everyCaptionFits_data();
    void everyCaptionFits();
    void everyTextTheWindowShowsIsTranslated_data();
    void everyTextTheWindowShowsIsTranslated();
    void countsTakeTheirLanguagesPluralForm_data();
    void countsTakeTheirLanguagesPluralForm();
    void englishCountsTakeTheSingularForOne_data();
    void englishCountsTakeTheSingularForOne();
    void averageIsWrittenAsTheLanguageWritesNumbers_data();
    void averageIsWrittenAsTheLanguageWritesNumbers();
    void everyMessageTitleFits_data();
    void everyMessageTitleFits();
};

namespace {
void languages() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"ar", "de", "es", "fr", "it", "nl", "pl", "pt_BR"}) {
        QTest::newRow(language) << QString::fromLatin1(language);
    }
}

std::unique_ptr<QTranslator> installed(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/translations/calquin_%1.qm").arg(language))) {
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
// The values a text takes, %1 to %9 and %n, sorted: a translation may move them, and write a
// percent sign its own way ("%1٪"), but must keep every one.
QStringList valuesIn(const QString& text) {
    static const QRegularExpression value(QStringLiteral("%([1-9]|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : value.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

}  // namespace

void Translation::everyTextIsTranslated_data() {
    languages();
}

void Translation::everyTextIsTranslated() {
    QFETCH(QString, language);
    const auto translator = installed(language);
    QVERIFY2(translator, "the compiled translation is not in the program");
    const auto messages = sourcesOf(language);
    QVERIFY(messages.size() > 30);
    QStringList missing;
    for (const auto& message : messages) {
        const QString text = translator->translate(message.context.toUtf8().constData(),
                                                   message.source.toUtf8().constData());
        if (text.isEmpty()) {
            missing << message.context + ": " + message.source;
        } else if (valuesIn(text) != valuesIn(message.source)) {
            missing << message.context + ": " + message.source + " (its values are not all kept)";
        }
        for (const QString& form : message.forms) {
            if (valuesIn(form) != valuesIn(message.source)) {
                missing << message.context + ": " + form + " (its values are not all kept)";
            }
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
}

void Translation::everyCaptionFits_data() {
    languages();
}

void Translation::everyCaptionFits() {
    QFETCH(QString, language);
    QHash<QString, QString> english;
    {
        TestedForm untranslated;
        untranslated.form.ensureTestScreen();
        for (QWidget* widget : untranslated.form.findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget)) {
                english.insert(widget->objectName() + widget->property("index").toString(),
                               textOf(widget));
            }
        }
    }
    const auto translator = installed(language);
    QVERIFY(translator);
    TestedForm tested;
    tested.form.ensureTestScreen();
    QStringList faults;
    // The counters as a long test leaves them, not only as they start, worded by the engine
    // itself and written in the digits the window writes them in: 9999 of each, and the widest
    // average there is, 88.88 s.
    TestState state;
    state.answer = 1;
    state.correctCount = state.wrongCount = 9998;
    state.elapsedSec = 1777422;
    setCaption(
        tested.control<QLabel>("Label7"),
        text::translated(text::inSchoolDigits(engine::judgeAnswer(state, "1").counterCaption)));
    setCaption(
        tested.control<QLabel>("Label8"),
        text::translated(text::inSchoolDigits(engine::judgeAnswer(state, "2").counterCaption)));
    setCaption(tested.control<QLabel>("Label9"),
               text::translatedWithDecimals(engine::averageTimeCaption(state)));
    const QRegularExpression widest(QStringLiteral("(88|٨٨)\\D(88|٨٨)"));
    QVERIFY2(widest.match(tested.control<QLabel>("Label9")->text()).hasMatch(),
             qPrintable(tested.control<QLabel>("Label9")->text()));
    QStringList installedFaces = designFont(false).families();
    installedFaces.removeLast();
    for (QWidget* widget : tested.form.findChildren<QWidget*>()) {
        const bool captioned = qobject_cast<QAbstractButton*>(widget) ||
                               qobject_cast<QGroupBox*>(widget) || qobject_cast<QLabel*>(widget);
        if (!captioned || textOf(widget).isEmpty() || widget->objectName().isEmpty()) {
            continue;
        }
        const QString name = widget->objectName() + widget->property("index").toString();
        // Measured in a face the set-up installs, or the widths say nothing about a pupil's
        // screen: the window's last resort face, say, has Arabic too, but drawn far wider.
        for (const QString& face : facesOf(widget, textOf(widget))) {
            if (!installedFaces.contains(face)) {
                faults
                    << QStringLiteral("%1 \"%2\" is drawn in %3").arg(name, textOf(widget), face);
            }
        }
        if (const QString cut = verticalCutOf(widget); !cut.isEmpty()) {
            faults << name + " \"" + textOf(widget) + "\" " + cut;
        }
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && label->property("autoSize").toBool()) {
            if (const QString overlap = overlapOf(label); !overlap.isEmpty()) {
                faults << name + " \"" + label->text() + "\" " + overlap;
            }
            continue;
        }
        // The design's own English fills some controls to within a pixel; a translation may
        // take as much room as the English does, never more.
        const QFontMetrics metrics = widget->fontMetrics();
        const int needed = metrics.horizontalAdvance(textOf(widget));
        const int room = std::max(roomForText(widget), metrics.horizontalAdvance(english[name]));
        if (needed > room) {
            faults << QStringLiteral("%1 \"%2\" needs %3 px but has %4")
                          .arg(name, textOf(widget))
                          .arg(needed)
                          .arg(room);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void Translation::everyTextTheWindowShowsIsTranslated_data() {
    languages();
}

namespace {

// Every text of the window by where it stands: the title, each control's caption, and what each
// control gives a screen reader.
QHash<QString, QString> textsOf(Form1& form) {
    form.ensureTestScreen();
    QHash<QString, QString> texts{{QStringLiteral("window title"), form.windowTitle()}};
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        const QString name = widget->objectName() + widget->property("index").toString();
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget) ||
            qobject_cast<QLabel*>(widget)) {
            texts.insert(name + " caption", textOf(widget));
        }
        texts.insert(name + " accessible name", widget->accessibleName());
        texts.insert(name + " accessible description", widget->accessibleDescription());
    }
    return texts;
}

}  // namespace

// Catches a text that reaches the window without going through its translation: whatever the
// English window shows or gives a screen reader, the translated window shows translated.
void Translation::everyTextTheWindowShowsIsTranslated() {
    QFETCH(QString, language);
    QHash<QString, QString> english;
    {
        TestedForm untranslated;
        english = textsOf(untranslated.form);
    }
    const auto translator = installed(language);
    QVERIFY(translator);
    TestedForm tested;
    const QHash<QString, QString> shown = textsOf(tested.form);
    QStringList faults;
    for (auto text = english.cbegin(); text != english.cend(); ++text) {
        if (text.value().isEmpty()) {
            continue;
        }
        const QString expected = translator->translate("Form1", text.value().toUtf8().constData());
        if (expected.isEmpty()) {
            faults << text.key() + " \"" + text.value() + "\" was never given to the translators";
        } else if (shown.value(text.key()) != expected) {
            faults << text.key() + " shows \"" + shown.value(text.key()) + "\", not \"" + expected +
                          "\"";
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void Translation::countsTakeTheirLanguagesPluralForm_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("form");  // which of the language's plural forms, counted from 0
    const auto rows = [](const char* language, std::initializer_list<std::pair<int, int>> forms) {
        for (const auto& [count, form] : forms) {
            QTest::addRow("%s, %d", language, count)
                << QString::fromLatin1(language) << count << form;
        }
    };
    for (const char* language : {"de", "es", "fr", "it", "nl", "pt_BR"}) {
        rows(language, {{1, 0}, {2, 1}, {40, 1}});
    }
    rows("pl", {{1, 0}, {2, 1}, {4, 1}, {5, 2}, {12, 2}, {22, 1}, {25, 2}, {101, 2}});
    rows("ar",
         {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {10, 3}, {11, 4}, {99, 4}, {100, 5}, {101, 5}, {103, 3}});
}

// Each count reaches the form its language's grammar wants, and that form is translated.
void Translation::countsTakeTheirLanguagesPluralForm() {
    QFETCH(QString, language);
    QFETCH(int, count);
    QFETCH(int, form);
    const auto translator = installed(language);
    QVERIFY(translator);
    int counted = 0;
    for (const Message& message : sourcesOf(language)) {
        if (message.forms.isEmpty()) {
            continue;
        }
        ++counted;
        QVERIFY2(form < message.forms.size(), qPrintable(message.source));
        QVERIFY2(!message.forms[form].isEmpty(), qPrintable(message.source));
        const QString shown =
            QCoreApplication::translate(message.context.toUtf8().constData(),
                                        message.source.toUtf8().constData(), nullptr, count);
        QCOMPARE(shown,
                 QString(message.forms[form]).replace(QLatin1String("%n"), QString::number(count)));
    }
    QVERIFY(counted > 0);
}

void Translation::englishCountsTakeTheSingularForOne_data() {
    QTest::addColumn<QString>("language");  // of the window; empty: English, no translation
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");

    const auto row = [](const char* language, const char* context, const char* source, int count,
                        const char* shown) {
        QTest::addRow("%s%s%d: %s", language, *language ? ", " : "", count,
                      QByteArray(shown).trimmed().constData())
            << QString::fromLatin1(language) << QByteArray(context) << QByteArray(source) << count
            << QString::fromUtf8(shown);
    };
    row("", "ClassResults", "%n answers", 1, "1 answer");
    row("", "ClassResults", "%n answers", 2, "2 answers");
    row("", "ClassResults", "%n results files read.", 1, "1 results file read.");
    row("", "ClassResults", "%n results files read.", 2, "2 results files read.");
    row("", "CatalogueCheck", "%n items: %1 can be started, %2 cannot.", 1,
        "1 item: %1 can be started, %2 cannot.");
    row("", "CatalogueCheck", "%n items: %1 can be started, %2 cannot.", 2,
        "2 items: %1 can be started, %2 cannot.");
    row("", "Erasing", "Files removed, since no answer was left in them: %n.\n", 1,
        "File removed, since no answer was left in it: 1.\n");
    // A translation in effect keeps its own forms; the English ones never stand in for them.
    row("de", "ClassResults", "%n answers", 1, "1 Antwort");
    row("de", "ClassResults", "%n results files read.", 2, "2 Ergebnisdateien gelesen.");
}

void Translation::englishCountsTakeTheSingularForOne() {
    QFETCH(QString, language);
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    QFETCH(int, count);
    QFETCH(QString, shown);
    const auto translator = language.isEmpty() ? nullptr : installed(language);
    QVERIFY(language.isEmpty() || translator);
    QCOMPARE(text::translated(Text{context.constData(), source.constData()}, count), shown);
}

namespace {

// A translation that keeps every English text as it is, as a language may keep "T/Q": it is in
// effect all the same, and says so by the direction it gives.
class KeepsTheEnglishTexts final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0 ? QStringLiteral("LTR")
                                                           : QString::fromUtf8(source);
    }
};

}  // namespace

void Translation::averageIsWrittenAsTheLanguageWritesNumbers_data() {
    QTest::addColumn<QString>("language");  // of the window; empty: English, no translation
    QTest::addColumn<QString>("numbers");   // the locale's numbers
    QTest::addColumn<QString>("ratio");     // as the design's "##.##" writes it
    QTest::addColumn<QString>("shown");     // the number in the caption

    const auto row = [](const char* name, const char* language, const char* numbers,
                        const char* ratio, const char* shown) {
        QTest::addRow("%s", name) << QString::fromLatin1(language) << QString::fromLatin1(numbers)
                                  << QString::fromLatin1(ratio) << QString::fromUtf8(shown);
    };
    row("German window, German numbers", "de", "de_DE", "3.83", "3,83");
    row("French window, a ratio under 1 has its zero", "fr", "fr_FR", ".5", "0,5");
    row("Spanish window, a whole number has no separator", "es", "es_ES", "2.", "2");
    row("Polish window, Polish numbers", "pl", "pl_PL", "3.83", "3,83");
    row("Brazilian window, a ratio under 1", "pt_BR", "pt_BR", ".5", "0,5");
    row("Arabic window, Egyptian numbers in school digits", "ar", "ar_EG", "3.83", "٣٫٨٣");
    row("Arabic window, eight seconds", "ar", "ar_EG", "8.", "٨");
    row("Arabic window, Moroccan numbers in school digits", "ar", "ar_MA", "3.5", "٣,٥");
    row("German window, Swiss numbers keep the point", "de", "de_CH", "3.83", "3.83");
    row("a translation that keeps the English words", "keeps", "de_DE", "8.", "8");
    row("English window in a German locale keeps the design's text", "", "de_DE", "3.83", "3.83");
    row("English window keeps the design's point after a whole number", "", "de_DE", "8.", "8.");
}

void Translation::averageIsWrittenAsTheLanguageWritesNumbers() {
    QFETCH(QString, language);
    QFETCH(QString, numbers);
    QFETCH(QString, ratio);
    QFETCH(QString, shown);
    KeepsTheEnglishTexts keeps;
    std::unique_ptr<QTranslator> translator;
    if (language == QLatin1String("keeps")) {
        QCoreApplication::installTranslator(&keeps);
    } else if (!language.isEmpty()) {
        translator = installed(language);
        QVERIFY(translator);
    }
    const QLocale before;
    QLocale::setDefault(QLocale(numbers));
    // The engine's own caption, with the number the pattern wrote for the row.
    Phrase average = engine::averageTimeCaption(TestState{});
    average.values = {ratio.toStdString()};
    const QString caption = text::translatedWithDecimals(average);
    QLocale::setDefault(before);
    QCoreApplication::removeTranslator(&keeps);
    const QString number = QRegularExpression(QStringLiteral("[\\d.,٫]*\\d[\\d.,٫]*"),
                                              QRegularExpression::UseUnicodePropertiesOption)
                               .match(caption)
                               .captured();
    QCOMPARE(number, shown);
    if (language.isEmpty()) {
        QCOMPARE(caption, QStringLiteral("T/Q %1 S").arg(shown));
    }
}

// A message box is wide enough for its title bar to show the title whole: the title in a bold face
// beside the icon and the three buttons a window manager puts there. A short verdict alone would
// make the box too narrow in several languages.
void Translation::everyMessageTitleFits_data() {
    languages();
    QTest::newRow("English") << QString();
}

void Translation::everyMessageTitleFits() {
    QFETCH(QString, language);
    const auto translator = language.isEmpty() ? nullptr : installed(language);
    QVERIFY(language.isEmpty() || translator);
    // In the face the program sets for the whole application, which is sized in pixels.
    const QFont before = QApplication::font();
    QApplication::setFont(designFont(false));
    const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QFont")));
    QWidget owner;
    MessageBoxMessenger messenger(&owner);
    for (const QString& title : {text::translated(kMessageTitle), windowTitleText()}) {
        int width = 0;
        QTimer::singleShot(0, [&width] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                width = box->width();
                box->accept();
            }
        });
        messenger.showMessage(QStringLiteral("OK"), title);
        QFont bar = QApplication::font();
        bar.setBold(true);
        const int needed = QFontMetrics(bar).horizontalAdvance(title) + 4 * 20;
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("\"%1\" needs a box %2 px wide, not %3")
                                                 .arg(title)
                                                 .arg(needed)
                                                 .arg(width)));
    }
}

QTEST_MAIN(Translation)
#include "translation_test.moc"
