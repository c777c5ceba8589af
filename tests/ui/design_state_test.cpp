// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "fakes.h"
#include "ui/controls.h"

using namespace calquin::ui;
using namespace calquin::ui::testing;

namespace {

// Positions in the window's design units, twips: 15 to a pixel at 96 dots per inch.
QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

}  // namespace

class DesignState : public QObject {
    Q_OBJECT

private slots:
    void controlIsWhereTheDesignPutsIt_data();
    void controlIsWhereTheDesignPutsIt();
    void labelsThatSizeThemselvesGrowToTheRight();
    void windowOpensAtTheScreenCornerWithItsTitleAndSize();
    void fontsColoursAndPictures();
    void counterLabelsLieInFrontOfTheBar();
    void optionGroupsAreIndependent();
    void tabVisitsEachScreenInDesignOrder_data();
    void tabVisitsEachScreenInDesignOrder();
    void timerIsOffWithAOneSecondInterval();
    void testScreenIsMadeWhenTheFirstTestStarts();
};

void DesignState::controlIsWhereTheDesignPutsIt_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("testScreen");  // seen once the first test has started

    const auto row = [](const char* name, int index, const char* container, QRect geometry,
                        const char* text, bool testScreen) {
        QTest::addRow("%s(%d)", name, index) << QString(name) << index << QString(container)
                                             << geometry << QString(text) << testScreen;
    };
    // clang-format off
    row("Command6", -1, "Form1", twips(1680, 5400, 10095, 1575), "", false);
    row("Frame4", -1, "Form1", twips(120, 240, 4935, 5055), "Test Selection Area", false);
    row("frmTest", -1, "Form1", twips(5160, 240, 6615, 5055), "", true);
    row("Image1", -1, "Form1", twips(120, 5400, 1425, 1650), "", false);
    row("optTTYpe", 3, "Frame4", twips(3840, 600, 975, 255), "Division", false);
    row("List1", -1, "Frame4", twips(120, 1320, 4575, 3570), "", false);
    row("optTTYpe", 0, "Frame4", twips(120, 600, 975, 255), "Addition", false);
    row("optTTYpe", 1, "Frame4", twips(1320, 600, 1215, 255), "Subtraction", false);
    row("optTTYpe", 2, "Frame4", twips(2520, 600, 1215, 255), "Multiplication", false);
    row("Label2", 1, "Frame4", twips(120, 1080, 3330, 195), "Select details of numbers from list given below :", false);
    row("Label2", 0, "Frame4", twips(120, 360, 2445, 195), "Click on one of the options below :", false);
    row("cmdBack", -1, "frmTest", twips(4560, 4560, 1935, 375), "Back to Index", true);
    row("Frame1", -1, "frmTest", twips(120, 1560, 6375, 1695), "Test Area", true);
    row("Text1", -1, "Frame1", twips(600, 960, 1935, 375), "", true);
    row("lblQst", -1, "Frame1", twips(600, 480, 1935, 375), "35 + 1", true);
    row("Label3", -1, "Frame1", twips(240, 1080, 270, 195), "Ans", true);
    row("Label4", -1, "Frame1", twips(240, 600, 240, 195), "Qst", true);
    row("Label5", 0, "Frame1", twips(2640, 600, 3675, 195), "Type the 'Ans' box and press 'Enter' key to proceed.", true);
    row("Frame2", -1, "frmTest", twips(120, 3480, 6375, 735), "Result Area", true);
    row("Label9", -1, "Frame2", twips(5280, 360, 765, 195), "T/Q = ... S", true);
    row("Label8", -1, "Frame2", twips(2640, 360, 1065, 195), "Wrong Ans = 0", true);
    row("Label7", -1, "Frame2", twips(240, 360, 1095, 195), "Correct Ans = 0", true);
    row("Shape1", -1, "Frame2", twips(120, 240, 6135, 375), "", true);
    row("Frame3", -1, "frmTest", twips(120, 240, 4215, 1095), "Options Area", true);
    row("Option1", -1, "Frame3", twips(240, 360, 3855, 255), "Give result of each question with correct answers", true);
    row("Option2", -1, "Frame3", twips(240, 720, 3855, 255), "Show only summarized result", true);
    row("Label5", 1, "frmTest", twips(120, 4680, 4335, 195), "Click this button to suspend current test and go back to index", true);
    // clang-format on
}

void DesignState::controlIsWhereTheDesignPutsIt() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, testScreen);

    TestedForm tested;
    tested.form.show();
    if (testScreen) {
        tested.startTest();
    }
    QWidget* control = tested.control(name.toLatin1().constData(), index);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());

    QString shownText;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        shownText = label->text();
        if (label->property("autoSize").toBool()) {
            // Sized to its text in the fallback font: the design's left, top and height hold.
            QCOMPARE(label->pos(), geometry.topLeft());
            QCOMPARE(label->height(), geometry.height());
            QCOMPARE(label->width(), label->sizeHint().width());
            geometry = label->geometry();
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        shownText = button->text();
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        shownText = frame->title();
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        shownText = box->text();
    }
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(shownText, text);
}

void DesignState::labelsThatSizeThemselvesGrowToTheRight() {
    TestedForm tested;
    tested.startTest();
    auto* label = tested.control<QLabel>("Label7");
    const QRect before = label->geometry();
    setCaption(label, "Correct Ans = 100");
    QCOMPARE(label->pos(), before.topLeft());
    QVERIFY(label->width() > before.width());

    auto* question = tested.control<QLabel>("lblQst");
    setCaption(question, "123456789 / 123456789 and more text than fits");
    QCOMPARE(question->size(), QSize(129, 25));
}

void DesignState::windowOpensAtTheScreenCornerWithItsTitleAndSize() {
    TestedForm tested;
    QCOMPARE(tested.form.windowTitle(), QString("'Calquin' Competency Test"));
    QCOMPARE(tested.form.size(), QSize(792, 474));
    QCOMPARE(tested.form.pos(), QPoint(0, 0));
    QVERIFY(!(tested.form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(tested.form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!tested.form.windowIcon().isNull());

    // Growing the window shows more background; no control follows the new size.
    tested.form.show();
    const QRect banner = tested.control("Command6")->geometry();
    tested.form.resize(1000, 700);
    QCOMPARE(tested.control("Command6")->geometry(), banner);
}

void DesignState::fontsColoursAndPictures() {
    TestedForm tested;
    tested.startTest();
    const QFont regular = tested.control("Label3")->font();
    // The look depends on the metric look-alike that the set-up installs.
    QCOMPARE(QFontInfo(regular).family(), QString("Liberation Sans"));
    QCOMPARE(regular.pixelSize(), 11);
    QVERIFY(!regular.bold());
    for (const char* name : {"Text1", "lblQst"}) {
        QCOMPARE(tested.control(name)->font().pixelSize(), 13);
        QVERIFY(tested.control(name)->font().bold());
    }
    QCOMPARE(tested.control("Label5", 1)->font(), regular);

    const QColor hint(255, 255, 192);
    for (auto [name, index] :
         {std::pair{"Label2", 0}, {"Label2", 1}, {"Label5", 0}, {"Label5", 1}}) {
        QWidget* label = tested.control(name, index);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), hint);
    }
    for (const char* name : {"Label7", "Label8", "Label9"}) {
        QWidget* label = tested.control(name);
        QVERIFY(!label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
    auto* bar = tested.control<Shape>("Shape1");
    QCOMPARE(bar->fillColor(), QColor(128, 128, 128));
    QCOMPARE(bar->borderColor(), QColor(224, 224, 224));

    auto* banner = tested.control<QPushButton>("Command6");
    QCOMPARE(banner->palette().color(QPalette::Button), QColor(Qt::white));
    QCOMPARE(banner->iconSize(), QSize(300, 91));
    QVERIFY(!banner->icon().pixmap(300, 91).isNull());
    QCOMPARE(tested.control<QLabel>("Image1")->pixmap().size(), QSize(95, 110));

    // At the usual density only the design's own pictures are read: no larger banner, logo or
    // icon size is decoded for a screen that cannot show it.
    QCOMPARE(banner->icon().availableSizes(), QList<QSize>{QSize(300, 91)});
    QCOMPARE(tested.control<QLabel>("Image1")->pixmap().devicePixelRatio(), 1.0);
    const QList<QSize> iconSizes = tested.form.windowIcon().availableSizes();
    QVERIFY2(std::all_of(iconSizes.begin(), iconSizes.end(),
                         [](QSize size) { return size.width() <= 32; }),
             "the window icon carries sizes beyond its own 16 and 32");
}

void DesignState::counterLabelsLieInFrontOfTheBar() {
    TestedForm tested;
    tested.startTest();
    auto* frame = tested.control("Frame2");
    const auto children = frame->children();  // back to front
    const auto at = [&](const char* name) { return children.indexOf(tested.control(name)); };
    for (const char* label : {"Label7", "Label8", "Label9"}) {
        QVERIFY2(at(label) > at("Shape1"), label);
    }
    // The one-pixel overlap of "Subtraction" and "Multiplication" goes to "Subtraction".
    const auto options = tested.control("Frame4")->children();
    QVERIFY(options.indexOf(tested.control("optTTYpe", 1)) >
            options.indexOf(tested.control("optTTYpe", 2)));
}

void DesignState::optionGroupsAreIndependent() {
    TestedForm tested;
    tested.form.show();
    tested.startTest();
    QVERIFY(tested.control<QRadioButton>("optTTYpe", 0)->isChecked());
    QVERIFY(tested.control<QRadioButton>("Option1")->isChecked());

    QTest::mouseClick(tested.control("Option2"), Qt::LeftButton);
    QVERIFY(!tested.control<QRadioButton>("Option1")->isChecked());
    QVERIFY(tested.control<QRadioButton>("optTTYpe", 0)->isChecked());

    QTest::mouseClick(tested.control("cmdBack"), Qt::LeftButton);
    QTest::mouseClick(tested.control("optTTYpe", 3), Qt::LeftButton);
    QVERIFY(!tested.control<QRadioButton>("optTTYpe", 0)->isChecked());
    QVERIFY(tested.control<QRadioButton>("Option2")->isChecked());
}

// The one place the tab order is checked: each screen, the test screen as the first test makes
// it, from the focus a pupil finds there.
void DesignState::tabVisitsEachScreenInDesignOrder_data() {
    QTest::addColumn<int>("chosenType");  // -1: a test started
    QTest::addColumn<bool>("summaryOnly");
    QTest::addColumn<QStringList>("visits");
    QTest::addRow("selection at start")
        << 0 << false << QStringList{"optTTYpe(0)", "List1", "Command6"};
    QTest::addRow("selection, division chosen")
        << 3 << false << QStringList{"List1", "optTTYpe(3)", "Command6"};
    QTest::addRow("test with messages")
        << -1 << false << QStringList{"cmdBack", "Command6", "Option1", "Text1"};
    QTest::addRow("test, summary only")
        << -1 << true << QStringList{"cmdBack", "Command6", "Option2", "Text1"};
}

void DesignState::tabVisitsEachScreenInDesignOrder() {
    QFETCH(int, chosenType);
    QFETCH(bool, summaryOnly);
    QFETCH(QStringList, visits);

    TestedForm tested;
    tested.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&tested.form));
    if (chosenType < 0) {
        tested.startTest();
        if (summaryOnly) {
            QTest::mouseClick(tested.control("Option2"), Qt::LeftButton);
        }
        QCOMPARE(QApplication::focusWidget(), tested.control("Text1"));
    } else {
        QTest::mouseClick(tested.control("optTTYpe", chosenType), Qt::LeftButton);
        tested.control("Command6")->setFocus();
    }

    QStringList seen;
    for (int i = 0; i < visits.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        const QVariant index = focus->property("index");
        seen << focus->objectName() + (index.isValid() ? QString("(%1)").arg(index.toInt()) : "");
    }
    QCOMPARE(seen, visits);
}

void DesignState::timerIsOffWithAOneSecondInterval() {
    Form1 form;  // the real timer
    QCOMPARE(form.ticks().intervalMs(), 1000);
    QVERIFY(!form.ticks().isActive());
    QVERIFY(form.findChild<QObject*>("Timer1"));
}

// A pupil who never starts a test never pays for the test screen; the first test makes it.
void DesignState::testScreenIsMadeWhenTheFirstTestStarts() {
    TestedForm tested;
    QVERIFY(!tested.form.Form_Load(writeCatalogue(catalogueOf(10)).toStdString()));
    tested.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&tested.form));
    QCOMPARE(tested.form.findChild<QWidget*>("frmTest"), nullptr);
    QCOMPARE(tested.form.findChild<QWidget*>("Text1"), nullptr);
    tested.startTest();
    QVERIFY(tested.control("frmTest")->isVisible());
}

QTEST_MAIN(DesignState)
#include "design_state_test.moc"
