// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "fakes.h"

using namespace calquin::ui;
using namespace calquin::ui::testing;

namespace {

// Finds, through the accessibility tree alone, the control a screen reader would announce with
// this role and name.
QAccessibleInterface* announced(QAccessibleInterface* node, QAccessible::Role role,
                                const QString& name) {
    if (node->role() == role && node->text(QAccessible::Name) == name) {
        return node;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            if (QAccessibleInterface* found = announced(child, role, name)) {
                return found;
            }
        }
    }
    return nullptr;
}

QAccessibleInterface* announced(QWidget* root, QAccessible::Role role, const QString& name) {
    return announced(QAccessible::queryAccessibleInterface(root), role, name);
}

struct LoadedForm : TestedForm {
    LoadedForm() {
        if (auto error = form.Form_Load(writeCatalogue(catalogueOf(10)).toStdString())) {
            qFatal("%s", error->c_str());
        }
        form.show();
        if (!QTest::qWaitForWindowActive(&form)) {
            qWarning("the window did not become active");
        }
    }
};

}  // namespace

class Accessibility : public QObject {
    Q_OBJECT

private slots:
    void controlsAreAnnouncedByRoleAndName_data();
    void controlsAreAnnouncedByRoleAndName();
    void answerBoxIsLabelledByItsCaption();
    void noHintIsLooseTextOfItsFrame_data();
    void noHintIsLooseTextOfItsFrame();
    void countersAreAnnouncedWhenTheyChange();
    void aWholeDrillRunsFromTheKeyboard();
    void focusStartsOnTheChosenTestType();
    void focusGoesToTheItemListAfterBackToIndex();
    void everyQuestionIsSaidOnceAfterItIsShown_data();
    void everyQuestionIsSaidOnceAfterItIsShown();
};

void Accessibility::controlsAreAnnouncedByRoleAndName_data() {
    QTest::addColumn<bool>("testScreen");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const auto row = [](const char* what, bool test, QAccessible::Role role, const char* name,
                        const char* description = "") {
        QTest::addRow("%s", what) << test << int(role) << QString(name) << QString(description);
    };
    row("item list", false, QAccessible::List, "Drill items", "Choosing an item starts a test");
    row("test type", false, QAccessible::RadioButton, "Division");
    row("picture button", false, QAccessible::Button, "Publisher's web page",
        "Opens the publisher's web page in the web browser");
    row("logo", false, QAccessible::Graphic, "Publisher's logo");
    // During a test the answer box is described by the question it asks for.
    row("answer box", true, QAccessible::EditableText, "Answer", "35 plus 1");
    row("correct counter", true, QAccessible::StaticText, "Correct Ans = 0",
        "Number of correct answers");
    row("wrong counter", true, QAccessible::StaticText, "Wrong Ans = 0", "Number of wrong answers");
    row("average time", true, QAccessible::StaticText, "T/Q = ... S",
        "Average time per question in seconds");
    // The hint beside the button is the button's to say, when it takes the focus.
    row("back button", true, QAccessible::Button, "Back to Index",
        "Click this button to suspend current test and go back to index");
    row("summary option", true, QAccessible::RadioButton, "Show only summarized result");
}

void Accessibility::controlsAreAnnouncedByRoleAndName() {
    QFETCH(bool, testScreen);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);

    LoadedForm tested;
    if (testScreen) {
        tested.startTest();
    }
    QAccessibleInterface* control =
        announced(&tested.form, static_cast<QAccessible::Role>(role), name);
    QVERIFY(control);
    QVERIFY(!control->state().invisible);
    QCOMPARE(control->text(QAccessible::Description), description);
}

void Accessibility::answerBoxIsLabelledByItsCaption() {
    LoadedForm tested;
    tested.startTest();
    QAccessibleInterface* box = announced(&tested.form, QAccessible::EditableText, "Answer");
    QVERIFY(box);
    QVERIFY(box->state().focused);
    QStringList labels;
    for (const auto& [label, relation] : box->relations(QAccessible::Label)) {
        labels << label->text(QAccessible::Name);
    }
    QVERIFY2(labels.contains("Ans"), qPrintable(labels.join(", ")));

    // The question itself is read out by its text.
    const QString question = tested.control<QLabel>("lblQst")->text();
    QVERIFY(announced(&tested.form, QAccessible::StaticText, question));
}

// Readers read the visible text of a frame that no relation ties to a control as the frame's own,
// each time the focus enters the frame: a hint must be tied to something, or out of their view
// (the back button says its hint itself, see above).
void Accessibility::noHintIsLooseTextOfItsFrame_data() {
    QTest::addColumn<bool>("testScreen");
    QTest::addColumn<QString>("hint");
    QTest::addRow("beside the back button")
        << true << "Click this button to suspend current test and go back to index";
    QTest::addRow("beside the question")
        << true << "Type the 'Ans' box and press 'Enter' key to proceed.";
    QTest::addRow("above the test types") << false << "Click on one of the options below :";
    QTest::addRow("above the item list")
        << false << "Select details of numbers from list given below :";
}

void Accessibility::noHintIsLooseTextOfItsFrame() {
    QFETCH(bool, testScreen);
    QFETCH(QString, hint);
    LoadedForm tested;
    if (testScreen) {
        tested.startTest();
    }
    QAccessibleInterface* label = announced(&tested.form, QAccessible::StaticText, hint);
    const bool loose = label && label->relations().isEmpty() && !label->state().invisible;
    QVERIFY2(!loose, "a reader reads it as loose text of its frame");
}

void Accessibility::countersAreAnnouncedWhenTheyChange() {
    LoadedForm tested;
    tested.startTest();
    QTest::mouseClick(tested.control("Option2"), Qt::LeftButton);  // no message tells the result
    QTest::keyClicks(tested.control("Text1"), QString::number(tested.form.state().answer));
    QTest::keyClick(tested.control("Text1"), Qt::Key_Return);

    QAccessibleInterface* counter =
        announced(&tested.form, QAccessible::StaticText, "Correct Ans = 1");
    QVERIFY(counter);
    QCOMPARE(counter->text(QAccessible::Description), QString("Number of correct answers"));
    QVERIFY(announced(&tested.form, QAccessible::StaticText, "T/Q . S"));
}

void Accessibility::aWholeDrillRunsFromTheKeyboard() {
    LoadedForm tested;
    const auto focus = [] { return QApplication::focusWidget(); };
    const auto press = [&](Qt::Key key) { QTest::keyClick(focus(), key); };
    // The order of the stops is the design's, checked with the design; here only that Tab gets
    // there.
    const auto tabTo = [&](const char* name) {
        for (int i = 0; i < 4 && focus()->objectName() != name; ++i) {
            press(Qt::Key_Tab);
        }
        return focus()->objectName();
    };

    // Tab reaches the list; an arrow key chooses the first item and starts the test.
    QCOMPARE(tabTo("List1"), QString("List1"));
    press(Qt::Key_Down);
    QVERIFY(tested.control("frmTest")->isVisible());
    QCOMPARE(focus(), tested.control("Text1"));

    QTest::keyClicks(focus(), QString::number(tested.form.state().answer));
    press(Qt::Key_Return);
    QCOMPARE(tested.messenger.shown.size(), std::size_t{1});

    // Round the tab chain to the feedback options and switch to the summary with an arrow key.
    QCOMPARE(tabTo("Option1"), QString("Option1"));
    press(Qt::Key_Down);
    QVERIFY(tested.form.state().summaryOnly);
    QCOMPARE(focus(), tested.control("Text1"));
    press(Qt::Key_Return);
    QCOMPARE(tested.messenger.shown.size(), std::size_t{1});
    QCOMPARE(tested.form.state().correctCount + tested.form.state().wrongCount, 2);

    QCOMPARE(tabTo("cmdBack"), QString("cmdBack"));
    press(Qt::Key_Space);
    QVERIFY(tested.control("Frame4")->isVisible());
    QVERIFY(!tested.control("frmTest")->isVisible());
}

void Accessibility::focusStartsOnTheChosenTestType() {
    TestedForm tested;
    if (auto error = tested.form.Form_Load(writeCatalogue(catalogueOf(10)).toStdString())) {
        QFAIL(error->c_str());
    }
    // Before the window opens: what it will hand the focus to when it is activated.
    QCOMPARE(tested.form.focusWidget(), tested.control("optTTYpe", 0));
    tested.form.show();
    tested.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&tested.form));
    QCOMPARE(QApplication::focusWidget(), tested.control("optTTYpe", 0));
}

void Accessibility::focusGoesToTheItemListAfterBackToIndex() {
    LoadedForm tested;
    tested.startTest();
    QTest::mouseClick(tested.control("cmdBack"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), tested.control("List1"));
}

namespace {

// What a reader hears for the answer box when it asks for it.
QString describedAs(QWidget* box) {
    return QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
}

// The notifications readers were shown, by their text, in the order shown.
struct Notifications : QObject {
    Notifications() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(watched);
            if (node && node->role() == QAccessible::Notification) {
                shown << node->text(QAccessible::Name);
                seenByEye |= !node->rect().isEmpty() || node->state().focusable;
            }
        }
        return false;
    }
    QStringList shown;
    bool seenByEye = false;  // drawn or reached by a key
};

}  // namespace

void Accessibility::everyQuestionIsSaidOnceAfterItIsShown_data() {
    QTest::addColumn<bool>("summaryOnly");
    QTest::addRow("after each message closes") << false;
    QTest::addRow("at once in summary mode") << true;
}

void Accessibility::everyQuestionIsSaidOnceAfterItIsShown() {
    QFETCH(bool, summaryOnly);
    const QStringList questions{"35 plus 1", "51 plus 1", "45 plus 8", "37 plus 1"};
    LoadedForm tested;
    tested.startTest();
    QWidget* box = tested.control("Text1");
    // The next question is drawn only once the message is closed, so until then the answer box
    // must still describe the question that was answered.
    QStringList describedWhileOpen;
    tested.messenger.whileOpen = [&] { describedWhileOpen << describedAs(box); };
    if (summaryOnly) {
        QTest::mouseClick(tested.control("Option2"), Qt::LeftButton);
    }
    QStringList described{describedAs(box)};
    Notifications notifications;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClicks(box, QString::number(tested.form.state().answer + i % 2));
        QTest::keyClick(box, Qt::Key_Return);
        described << describedAs(box);
    }
    QCOMPARE(described, questions);
    QCOMPARE(describedWhileOpen, summaryOnly ? QStringList() : questions.mid(0, 3));
    QTest::mouseClick(tested.control("cmdBack"), Qt::LeftButton);
    QCOMPARE(describedAs(box), QString("Type the answer to the question and press Enter"));

    // With a message the focus comes back to the answer box, which says its description then. In
    // summary mode the focus stays, and Qt 6.4 reports no change of the description in a form a
    // reader can say: a notification, never drawn, says each new question. Later Qt reports
    // the change itself, which only a reader hears (tests/screen_reader).
    if (QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)) {
        QSKIP("this Qt reports the description's change, which no reader hears here");
    }
    const QStringList notified{"51 plus 1", "45 plus 8", "37 plus 1"};
    QCOMPARE(notifications.shown, summaryOnly ? notified : QStringList());
    QVERIFY(!notifications.seenByEye);
}

QTEST_MAIN(Accessibility)
#include "accessibility_test.moc"
