// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "fakes.h"
#include "ui/publisher.h"

using namespace calquin::ui;
using namespace calquin::ui::testing;

namespace {

// Record k is "Item k" with a first digit count of k % 5 + 1 and one-digit second operands; its
// operator follows its group, so the record behind a row can be told from the state.
QByteArray drillCatalogue() {
    QByteArray bytes;
    const char* signs[] = {"+", "-", "*", "/"};
    for (int k = 0; k < 40; ++k) {
        bytes += "\"Item " + QByteArray::number(k) + "\"," + QByteArray::number(k % 5 + 1) + ",1," +
                 signs[k / 10] + "\n";
    }
    return bytes;
}

struct Drill : TestedForm {
    explicit Drill(const QByteArray& catalogue = drillCatalogue()) {
        if (auto error = form.Form_Load(writeCatalogue(catalogue).toStdString())) {
            qFatal("%s", error->c_str());
        }
        form.show();
        if (!QTest::qWaitForWindowActive(&form)) {
            qWarning("the window did not become active");
        }
    }

    QListWidget* list() { return control<QListWidget>("List1"); }
    QLineEdit* answerBox() { return control<QLineEdit>("Text1"); }
    QString caption(const char* label) { return control<QLabel>(label)->text(); }
    bool onTestScreen() {
        auto* test = calquin::ui::control<QWidget>(&form, "frmTest");
        return test != nullptr && test->isVisible();
    }

    void chooseType(int type) { QTest::mouseClick(control("optTTYpe", type), Qt::LeftButton); }
    void clickRow(int row) {
        const QPoint at = list()->visualItemRect(list()->item(row)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
    }
    void answer(const QString& typed, Qt::Key key = Qt::Key_Return) {
        QTest::keyClicks(answerBox(), typed);
        QTest::keyClick(answerBox(), key);
    }
    void answerRightly() { answer(QString::number(form.state().answer)); }
    void back() { QTest::mouseClick(control("cmdBack"), Qt::LeftButton); }
};

}  // namespace

class DrillRuns : public QObject {
    Q_OBJECT

private slots:
    void choosingARowStartsItsRecord_data();
    void choosingARowStartsItsRecord();
    void startingSwitchesToTheTestScreen();
    void keyboardAloneStartsATest();
    void answersAreJudgedCountedAndAnswered_data();
    void answersAreJudgedCountedAndAnswered();
    void otherKeysOnlyType();
    void averageTimeFollowsTheTicks_data();
    void averageTimeFollowsTheTicks();
    void ticksGoOnWhileAMessageIsOpen();
    void backEndsTheTestAndTheNextStartsFromZero();
    void itemsThatCannotStartAreRefused_data();
    void itemsThatCannotStartAreRefused();
    void bannerOpensThePublishersPage();
};

void DrillRuns::choosingARowStartsItsRecord_data() {
    QTest::addColumn<int>("type");  // -1: none chosen
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("digits1");
    QTest::addColumn<QString>("sign");

    QTest::addRow("row 3 before any type is record 3") << -1 << 3 << 4 << "+";
    QTest::addRow("row 3 of type 2 is record 23") << 2 << 3 << 4 << "*";
    QTest::addRow("row 9 of type 3 is record 39") << 3 << 9 << 5 << "/";
    QTest::addRow("row 0 of type 1 is record 10") << 1 << 0 << 1 << "-";
}

void DrillRuns::choosingARowStartsItsRecord() {
    QFETCH(int, type);
    QFETCH(int, row);
    QFETCH(int, digits1);
    QFETCH(QString, sign);

    Drill drill;
    if (type >= 0) {
        drill.chooseType(type);
    }
    drill.clickRow(row);
    QVERIFY(drill.onTestScreen());
    QCOMPARE(drill.form.state().digits1, digits1);
    QCOMPARE(drill.form.state().digits2, 1);
    QCOMPARE(QString::fromStdString(drill.form.state().opSign), sign);
    const QRegularExpression question("^[1-9][0-9]{" + QString::number(digits1 - 1) + "} \\" +
                                      sign + " [1-9]$");
    QVERIFY2(question.match(drill.caption("lblQst")).hasMatch(),
             qPrintable(drill.caption("lblQst")));
}

void DrillRuns::startingSwitchesToTheTestScreen() {
    Drill drill;
    drill.clickRow(0);
    QVERIFY(drill.control("frmTest")->isVisible());
    QVERIFY(!drill.control("Frame4")->isVisible());
    QVERIFY(!drill.control("Frame4")->isEnabled());
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
        QVERIFY2(drill.control(frame)->isEnabled(), frame);
    }
    QVERIFY(drill.control("cmdBack")->isEnabled());
    QVERIFY(drill.ticks.isActive());
    QCOMPARE(QApplication::focusWidget(), drill.answerBox());
    // Counters start at zero and their labels keep their start-up texts until the first answer.
    QCOMPARE(drill.caption("Label7"), QString("Correct Ans = 0"));
    QCOMPARE(drill.caption("Label9"), QString("T/Q = ... S"));
}

void DrillRuns::keyboardAloneStartsATest() {
    Drill drill;
    drill.list()->setFocus();
    QTest::keyClick(drill.list(), Qt::Key_Down);
    QVERIFY(drill.onTestScreen());
    QCOMPARE(drill.list()->currentRow(), 0);

    drill.back();
    drill.list()->setFocus();
    QTest::keyClick(drill.list(), Qt::Key_Return);  // the row already chosen
    QVERIFY(drill.onTestScreen());
}

void DrillRuns::answersAreJudgedCountedAndAnswered_data() {
    QTest::addColumn<bool>("summaryOnly");
    QTest::addColumn<QString>("typed");  // %1 stands for the expected answer
    QTest::addColumn<bool>("correct");

    for (const bool summary : {false, true}) {
        const char* mode = summary ? "summary" : "messages";
        QTest::addRow("%s: the answer", mode) << summary << "%1" << true;
        QTest::addRow("%s: with .0", mode) << summary << "%1.0" << true;
        QTest::addRow("%s: decimal comma", mode) << summary << "%1,0" << true;
        QTest::addRow("%s: letters after it", mode) << summary << "%1abc" << true;
        QTest::addRow("%s: blank between digits", mode) << summary << "blank" << true;
        QTest::addRow("%s: one more", mode) << summary << "more" << false;
        QTest::addRow("%s: a word", mode) << summary << "twelve" << false;
        QTest::addRow("%s: empty box", mode) << summary << "" << false;
    }
}

void DrillRuns::answersAreJudgedCountedAndAnswered() {
    QFETCH(bool, summaryOnly);
    QFETCH(QString, typed);
    QFETCH(bool, correct);

    Drill drill;
    drill.clickRow(1);  // 2-digit plus 1-digit: every answer has at least two digits
    if (summaryOnly) {
        QTest::mouseClick(drill.control("Option2"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), drill.answerBox());
    }
    const QString expected = QString::number(drill.form.state().answer);
    const QString text = typed == "blank"       ? expected.left(1) + " " + expected.mid(1)
                         : typed == "more"      ? QString::number(drill.form.state().answer + 1)
                         : typed.contains("%1") ? typed.arg(expected)
                                                : typed;
    drill.answer(text);

    QCOMPARE(drill.form.state().correctCount, correct ? 1 : 0);
    QCOMPARE(drill.form.state().wrongCount, correct ? 0 : 1);
    QCOMPARE(drill.caption("Label7"), correct ? QString("Correct Ans = 1") : "Correct Ans = 0");
    QCOMPARE(drill.caption("Label8"), correct ? QString("Wrong Ans = 0") : "Wrong Ans = 1");
    QCOMPARE(drill.caption("Label9"), QString("T/Q . S"));
    if (summaryOnly) {
        QVERIFY(drill.messenger.shown.empty());
    } else {
        QCOMPARE(drill.messenger.shown.size(), std::size_t{1});
        QCOMPARE(drill.messenger.shown[0].text,
                 correct ? "Correct!" : "Wrong! Answer is " + expected);
        QCOMPARE(drill.messenger.shown[0].title, QString("Counting Amounts"));
    }
    QVERIFY(QRegularExpression("^[1-9][0-9] \\+ [1-9]$").match(drill.caption("lblQst")).hasMatch());
    QCOMPARE(drill.answerBox()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), drill.answerBox());
}

void DrillRuns::otherKeysOnlyType() {
    Drill drill;
    drill.clickRow(0);
    const QString question = drill.caption("lblQst");
    QTest::keyClicks(drill.answerBox(), "12 ab,.-\t");
    QTest::keyClick(drill.answerBox(), Qt::Key_Escape);
    QCOMPARE(drill.form.state().correctCount + drill.form.state().wrongCount, 0);
    QCOMPARE(drill.caption("lblQst"), question);

    drill.answerBox()->setFocus();
    drill.answerBox()->clear();
    drill.answer(QString::number(drill.form.state().answer), Qt::Key_Enter);  // keypad Enter
    QCOMPARE(drill.form.state().correctCount, 1);

    // A held Enter repeats; the repeats must not answer the next question unseen.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(drill.answerBox(), &repeat);
    QCOMPARE(drill.form.state().correctCount + drill.form.state().wrongCount, 1);
}

void DrillRuns::averageTimeFollowsTheTicks_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("answers");
    QTest::addColumn<QString>("caption");
    QTest::addRow("7 seconds, 1 answer") << 7 << 1 << "T/Q 7. S";
    QTest::addRow("10 seconds, 3 answers") << 10 << 3 << "T/Q 3.33 S";
    QTest::addRow("before the first tick") << 0 << 1 << "T/Q . S";
    QTest::addRow("7 seconds, 2 answers") << 7 << 2 << "T/Q 3.5 S";
}

void DrillRuns::averageTimeFollowsTheTicks() {
    QFETCH(int, ticks);
    QFETCH(int, answers);
    QFETCH(QString, caption);

    Drill drill;
    drill.clickRow(0);
    drill.ticks.tick(ticks);
    for (int i = 0; i < answers; ++i) {
        drill.answer(i % 2 ? "wrong" : QString::number(drill.form.state().answer));
    }
    QCOMPARE(drill.caption("Label9"), caption);
}

void DrillRuns::ticksGoOnWhileAMessageIsOpen() {
    Drill drill;
    drill.clickRow(0);
    drill.messenger.whileOpen = [&] { drill.ticks.tick(4); };
    drill.answerRightly();
    QCOMPARE(drill.caption("Label9"), QString("T/Q 4. S"));
}

void DrillRuns::backEndsTheTestAndTheNextStartsFromZero() {
    Drill drill;
    drill.chooseType(1);
    drill.clickRow(2);
    drill.ticks.tick(30);
    drill.answerRightly();
    drill.answer("x");
    QTest::keyClicks(drill.answerBox(), "half typed");
    const auto answerBefore = drill.form.state().answer;

    drill.back();
    QVERIFY(!drill.control("frmTest")->isVisible());
    QVERIFY(drill.control("Frame4")->isVisible());
    QVERIFY(drill.control("Frame4")->isEnabled());
    for (const char* frame : {"Frame1", "Frame2", "Frame3"}) {
        QVERIFY2(!drill.control(frame)->isEnabled(), frame);
    }
    QVERIFY(!drill.ticks.isActive());
    for (const char* label : {"lblQst", "Label7", "Label8", "Label9"}) {
        QVERIFY2(drill.caption(label).isEmpty(), label);
    }
    QCOMPARE(drill.answerBox()->text(), QString());
    QCOMPARE(drill.form.state().elapsedSec, 0);
    QCOMPARE(drill.form.state().correctCount, 0);
    QCOMPARE(drill.form.state().wrongCount, 0);
    QCOMPARE(drill.form.state().answer, answerBefore);
    QCOMPARE(drill.list()->currentRow(), 2);
    QVERIFY(drill.control<QRadioButton>("optTTYpe", 1)->isChecked());

    // The row still chosen starts again when clicked, and the new test counts from zero.
    drill.messenger.shown.clear();
    drill.clickRow(2);
    QVERIFY(drill.onTestScreen());
    QCOMPARE(QString::fromStdString(drill.form.state().opSign), QString("-"));
    drill.answerRightly();
    QCOMPARE(drill.caption("Label7"), QString("Correct Ans = 1"));
    QCOMPARE(drill.caption("Label8"), QString());
    QCOMPARE(drill.caption("Label9"), QString("T/Q . S"));
}

void DrillRuns::itemsThatCannotStartAreRefused_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addRow("unknown operator") << QByteArray("Odd,2,1,x");
    QTest::addRow("operator with a blank") << QByteArray("Odd,2,1,\" +\"");
    QTest::addRow("no digits") << QByteArray("Odd,0,1,+");
    QTest::addRow("ten digits") << QByteArray("Odd,10,1,+");
    QTest::addRow("count beyond 16 bits") << QByteArray("Odd,99999,1,+");
    QTest::addRow("smaller first count, minus") << QByteArray("Odd,1,2,-");
    QTest::addRow("smaller first count, divide") << QByteArray("Odd,2,3,/");
    QTest::addRow("product beyond 32 bits") << QByteArray("Odd,5,5,*");
    QTest::addRow("empty row") << QByteArray();
}

void DrillRuns::itemsThatCannotStartAreRefused() {
    QFETCH(QByteArray, record);

    Drill drill(record.isEmpty() ? catalogueOf(3) : record + "\n");
    drill.chooseType(0);  // ten rows, the missing records empty
    drill.clickRow(record.isEmpty() ? 7 : 0);
    QVERIFY(!drill.onTestScreen());
    QVERIFY(drill.control("Frame4")->isEnabled());
    QVERIFY(!drill.ticks.isActive());
    QCOMPARE(drill.messenger.shown.size(), std::size_t{1});
    QVERIFY(!drill.messenger.shown[0].text.isEmpty());
    QCOMPARE(drill.form.state().digits1, 0);
    QCOMPARE(drill.form.state().opSign, std::string());
}

void DrillRuns::bannerOpensThePublishersPage() {
    Drill drill;
    QTest::mouseClick(drill.control("Command6"), Qt::LeftButton);
    QCOMPARE(drill.webOpener.opened.size(), std::size_t{1});
    QCOMPARE(drill.webOpener.opened[0],
             QUrl(QString::fromUtf8(kPublisherUrl.data(), kPublisherUrl.size())));
    QVERIFY(!drill.onTestScreen());
}

QTEST_MAIN(DrillRuns)
#include "drill_test.moc"
