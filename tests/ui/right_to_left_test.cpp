// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <memory>

#include "fakes.h"

using namespace calquin::ui;
using namespace calquin::ui::testing;

namespace {

// The window in `language` ("" for English) on a catalogue of two-digit sums, its test started.
struct Drill {
    std::unique_ptr<QTranslator> translator = std::make_unique<QTranslator>();
    std::unique_ptr<TestedForm> tested;
    QLocale before;

    explicit Drill(const QString& language) {
        // Numbers as an Egyptian machine writes them: the decimal separator is the locale's.
        if (language == QLatin1String("ar")) {
            QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
        }
        if (!language.isEmpty() &&
            translator->load(QStringLiteral(":/translations/calquin_%1.qm").arg(language))) {
            QCoreApplication::installTranslator(translator.get());
        }
        tested = std::make_unique<TestedForm>();
        if (tested->form.Form_Load(
                writeCatalogue("\"2-digit plus 2-digit\",2,2,+\n").toStdString())) {
            qFatal("the catalogue was not read");
        }
    }
    ~Drill() {
        QCoreApplication::removeTranslator(translator.get());
        QLocale::setDefault(before);
    }

    void start() {
        auto* list = tested->control<QListWidget>("List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
    }
    void answer(const QString& typed) {
        auto* box = tested->control<QLineEdit>("Text1");
        // As an Arabic keyboard types them: keys Qt has no code for, each with its character.
        for (const QChar c : typed) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(box, Qt::Key_Return);
    }
};

QString arabicDigits(QString text) {
    for (QChar& c : text) {
        if (c.isDigit()) {
            c = QChar(static_cast<char16_t>(u'\u0660' + c.digitValue()));
        }
    }
    return text;
}

// Where the glyphs of `text`'s characters `from` to `from + length` stand when `label` draws it.
qreal leftOf(const QLabel* label, const QString& text, int from, int length) {
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setTextDirection(label->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    qreal left = 1e9;
    for (const QGlyphRun& run : layout.glyphRuns(from, length)) {
        left = std::min(left, run.boundingRect().left());
    }
    return left;
}

}  // namespace

class RightToLeft : public QObject {
    Q_OBJECT

private slots:
    void everyControlStandsMirrored();
    void questionReadsFromTheRight();
    void answersInArabicDigits_data();
    void answersInArabicDigits();
};

// Every control keeps its size and top, and stands as far from its container's right edge as the
// English one stands from the left; a label that sizes itself keeps that right edge.
void RightToLeft::everyControlStandsMirrored() {
    Drill english(QString{});
    english.start();  // the test screen is made when a test starts
    QHash<QString, QRect> designed;
    for (QWidget* w : english.tested->form.findChildren<QWidget*>()) {
        designed.insert(w->objectName() + w->property("index").toString(), w->geometry());
    }
    Drill arabic(QStringLiteral("ar"));
    arabic.start();
    QCOMPARE(arabic.tested->form.layoutDirection(), Qt::RightToLeft);
    int checked = 0;
    for (QWidget* w : arabic.tested->form.findChildren<QWidget*>()) {
        const QString name = w->objectName() + w->property("index").toString();
        if (!designed.contains(name) || name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QRect english = designed.value(name);
        const int width = w->parentWidget()->width();
        const bool sized = w->property("autoSize").toBool();
        // A label that sizes itself may also grow downward, where Arabic letters reach lower.
        const bool height =
            sized ? w->height() >= english.height() : w->height() == english.height();
        QVERIFY2(w->geometry().right() == width - 1 - english.left() && w->y() == english.y() &&
                     height && (sized || w->width() == english.width()),
                 qPrintable(QStringLiteral("%1 stands at %2,%3 %4x%5")
                                .arg(name)
                                .arg(w->x())
                                .arg(w->y())
                                .arg(w->width())
                                .arg(w->height())));
        if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull()) {
            QVERIFY2(label->alignment() & Qt::AlignRight, qPrintable(name));
        }
        ++checked;
    }
    QVERIFY(checked >= 25);
}

// Arabic schools write a sum from the right in their own digits: "٦٥ − ٤١" has its first number
// rightmost, then the sign, then the second, and no run of digits may turn that round.
void RightToLeft::questionReadsFromTheRight() {
    Drill arabic(QStringLiteral("ar"));
    arabic.start();
    auto* question = arabic.tested->control<QLabel>("lblQst");
    const QString shown = question->text();
    const qsizetype sign = shown.indexOf(u'+');
    QVERIFY2(sign > 0, qPrintable(shown));
    const auto digitFrom = [&shown](qsizetype from) {
        while (from < shown.size() && !shown[from].isDigit()) {
            ++from;
        }
        return static_cast<int>(from);
    };
    const qreal first = leftOf(question, shown, digitFrom(0), 1);
    const qreal plus = leftOf(question, shown, static_cast<int>(sign), 1);
    const qreal second = leftOf(question, shown, digitFrom(sign), 1);
    QVERIFY2(first > plus && plus > second, qPrintable(shown));
}

void RightToLeft::answersInArabicDigits_data() {
    QTest::addColumn<QString>("language");
    // %1: the answer in ASCII digits, %2: in Arabic digits, %3: one more in Arabic digits
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("correct");
    QTest::addRow("Arabic window, Arabic digits") << "ar"
                                                  << "%2" << true;
    QTest::addRow("Arabic window, ASCII digits") << "ar"
                                                 << "%1" << true;
    QTest::addRow("Arabic window, Arabic digits and .0") << "ar"
                                                         << "%2.0" << true;
    QTest::addRow("Arabic window, a word after the digits") << "ar"
                                                            << "%2 abc" << true;
    QTest::addRow("Arabic window, one more in Arabic digits") << "ar"
                                                              << "%3" << false;
    QTest::addRow("English window, Arabic digits read as no number") << ""
                                                                     << "%2" << false;
    QTest::addRow("German window, Arabic digits read as no number") << "de"
                                                                    << "%2" << false;
}

// Whatever the window shows, a pupil with an Arabic keyboard is judged as one with ASCII digits;
// in other languages answer reading stays as it was. The counters and the message answer in the
// digits the window shows.
void RightToLeft::answersInArabicDigits() {
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(bool, correct);
    Drill drill(language);
    drill.start();
    const int answer = drill.tested->form.state().answer;
    const QString ascii = QString::number(answer);
    drill.answer(typed.replace("%1", ascii)
                     .replace("%2", arabicDigits(ascii))
                     .replace("%3", arabicDigits(QString::number(answer + 1))));
    QCOMPARE(drill.tested->form.state().correctCount, correct ? 1 : 0);
    QCOMPARE(drill.tested->form.state().wrongCount, correct ? 0 : 1);
    if (language == QLatin1String("ar")) {
        const QString counter =
            drill.tested->control<QLabel>(correct ? "Label7" : "Label8")->text();
        QVERIFY2(counter.endsWith(QChar(u'\u0661')), qPrintable(counter));
        const QString message = drill.tested->messenger.shown.at(0).text;
        QVERIFY2(correct || message.endsWith(arabicDigits(ascii)), qPrintable(message));
        for (const char* shown : {"lblQst", "Label9"}) {
            const QString text = drill.tested->control<QLabel>(shown)->text();
            QVERIFY2(!text.contains(QRegularExpression("[0-9.]")), qPrintable(text));
        }
    }
}

QTEST_MAIN(RightToLeft)
#include "right_to_left_test.moc"
