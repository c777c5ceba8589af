// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form1_design.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "engine/operators.h"
#include "text/school_writing.h"
#include "text/translation.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/pictures.h"

namespace calquin::ui {
namespace {

enum class Kind { Frame, Label, TextBox, ListBox, Option, Button, PictureButton, Image, Shape };

enum Style : unsigned {
    kPlain = 0,
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kSelected = 1u << 2,
    kAutoSize = 1u << 3,
    kHint = 1u << 4,     // light yellow background
    kCounter = 1u << 5,  // white text on the grey bar
    kBold = 1u << 6,
    kBorder = 1u << 7,
};

// One control as the window is designed: its container, position and size in twips (15 to a
// pixel), tab position (-1 where the kind takes no focus), text and look. Within a container the
// rows keep the stored order, and a control listed earlier lies in front of one listed later.
struct ControlRow {
    const char* name;
    int index;  // member of a control array, or -1
    Kind kind;
    const char* container;
    int left, top, width, height;
    int tabIndex;
    Text text;
    unsigned style;
};

using engine::kOperators;

constexpr int kTwipsPerPixel = 15;

// clang-format off
constexpr ControlRow kDesign[] = {
    {"Command6",  -1, Kind::PictureButton, "Form1",  1680, 5400, 10095, 1575, 24, {}, kPlain},
    {"Frame4",    -1, Kind::Frame,  "Form1",    120,  240, 4935, 5055,  0, translatable("Form1", "Test Selection Area"), kPlain},
    {"frmTest",   -1, Kind::Frame,  "Form1",   5160,  240, 6615, 5055,  6, {}, kHidden},
    {"Image1",    -1, Kind::Image,  "Form1",    120, 5400, 1425, 1650, -1, {}, kPlain},
    {"optTTYpe",   3, Kind::Option, "Frame4",  3840,  600,  975,  255,  5, kOperators[3].typeCaption, kPlain},
    {"List1",     -1, Kind::ListBox, "Frame4",  120, 1320, 4575, 3570,  4, {}, kPlain},
    {"optTTYpe",   0, Kind::Option, "Frame4",   120,  600,  975,  255,  3, kOperators[0].typeCaption, kSelected},
    {"optTTYpe",   1, Kind::Option, "Frame4",  1320,  600, 1215,  255,  2, kOperators[1].typeCaption, kPlain},
    {"optTTYpe",   2, Kind::Option, "Frame4",  2520,  600, 1215,  255,  1, kOperators[2].typeCaption, kPlain},
    {"Label2",     1, Kind::Label,  "Frame4",   120, 1080, 3330,  195, 21,
     translatable("Form1", "Select details of numbers from list given below :"), kHint | kAutoSize},
    {"Label2",     0, Kind::Label,  "Frame4",   120,  360, 2445,  195, 20,
     translatable("Form1", "Click on one of the options below :"), kHint | kAutoSize},
    {"cmdBack",   -1, Kind::Button, "frmTest", 4560, 4560, 1935,  375, 22, translatable("Form1", "Back to Index"), kPlain},
    {"Frame1",    -1, Kind::Frame,  "frmTest",  120, 1560, 6375, 1695, 14, translatable("Form1", "Test Area"), kDisabled},
    {"Text1",     -1, Kind::TextBox, "Frame1",  600,  960, 1935,  375, 15, {}, kBold},
    {"lblQst",    -1, Kind::Label,  "Frame1",   600,  480, 1935,  375, 19, {}, kBold | kBorder},
    {"Label3",    -1, Kind::Label,  "Frame1",   240, 1080,  270,  195, 18, translatable("Form1", "Ans"), kAutoSize},
    {"Label4",    -1, Kind::Label,  "Frame1",   240,  600,  240,  195, 17, translatable("Form1", "Qst"), kAutoSize},
    {"Label5",     0, Kind::Label,  "Frame1",  2640,  600, 3675,  195, 16,
     translatable("Form1", "Type the 'Ans' box and press 'Enter' key to proceed."), kHint | kAutoSize},
    {"Frame2",    -1, Kind::Frame,  "frmTest",  120, 3480, 6375,  735, 10, translatable("Form1", "Result Area"), kDisabled},
    {"Label9",    -1, Kind::Label,  "Frame2",  5280,  360,  765,  195, 13, translatable("Form1", "T/Q = ... S"), kCounter | kAutoSize},
    {"Label8",    -1, Kind::Label,  "Frame2",  2640,  360, 1065,  195, 12, translatable("Form1", "Wrong Ans = 0"), kCounter | kAutoSize},
    {"Label7",    -1, Kind::Label,  "Frame2",   240,  360, 1095,  195, 11, translatable("Form1", "Correct Ans = 0"), kCounter | kAutoSize},
    {"Shape1",    -1, Kind::Shape,  "Frame2",   120,  240, 6135,  375, -1, {}, kPlain},
    {"Frame3",    -1, Kind::Frame,  "frmTest",  120,  240, 4215, 1095,  7, translatable("Form1", "Options Area"), kDisabled},
    {"Option1",   -1, Kind::Option, "Frame3",   240,  360, 3855,  255,  9,
     translatable("Form1", "Give result of each question with correct answers"), kSelected},
    {"Option2",   -1, Kind::Option, "Frame3",   240,  720, 3855,  255,  8, translatable("Form1", "Show only summarized result"), kPlain},
    {"Label5",     1, Kind::Label,  "frmTest",  120, 4680, 4335,  195, 23,
     translatable("Form1", "Click this button to suspend current test and go back to index"), kHint | kAutoSize},
};
// clang-format on

const QColor kHintBackground(255, 255, 192);
const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kLightGrey(224, 224, 224);

// The window is drawn for an 8.25-point (11 px) Windows sans-serif face that other desktops
// rarely have. Liberation Sans (fonts-liberation2) looks alike, and set 3% tighter it takes the
// same width to within a pixel, so captions fit the fixed controls as designed.
//
// The Windows face has no letters of right-to-left scripts, so a right-to-left window asks for
// the faces the set-up installs from the start: Liberation Sans for Latin text and Noto Sans
// Arabic UI (fonts-noto-ui-core), drawn for small sizes, for Arabic. Naming no face that is
// missing spares Qt a search through every installed font for each script the window writes.
}  // namespace

QFont designFont(bool bold) {
    QFont font;
    if (text::layoutDirection() == Qt::RightToLeft) {
        font.setFamilies({"Liberation Sans", "Noto Sans Arabic UI", "DejaVu Sans"});
    } else {
        font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo",
                          "Arial", "DejaVu Sans"});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(bold ? 13 : 11);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    if (!QFontInfo(font).family().contains("Sans Serif")) {
        font.setLetterSpacing(QFont::PercentageSpacing, 97);
    }
    return font;
}

namespace {

// Where a control stands in its container `containerWidth` twips wide. A right-to-left window is
// the design's mirror image: every control keeps its size and its distance from the container's
// other edge, so what stood on the left stands on the right.
QRect pixels(const ControlRow& row, int containerWidth, Qt::LayoutDirection direction) {
    const int left =
        direction == Qt::RightToLeft ? containerWidth - row.left - row.width : row.left;
    return {left / kTwipsPerPixel, row.top / kTwipsPerPixel, row.width / kTwipsPerPixel,
            row.height / kTwipsPerPixel};
}

void setBackground(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

// Captions start at the edge the window reads from, whatever their own text: a question of digits
// and signs aligns right in a right-to-left window as its Arabic captions do.
Qt::Alignment startEdge(const QWidget* parent) {
    return parent->isRightToLeft() ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft;
}

QWidget* makeLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(text::translated(row.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(startEdge(parent) | Qt::AlignTop);
    label->setProperty("autoSize", (row.style & kAutoSize) != 0);
    if (row.style & kHint) {
        label->setAutoFillBackground(true);
        setBackground(label, QPalette::Window, kHintBackground);
    }
    if (row.style & kCounter) {
        setBackground(label, QPalette::WindowText, kWhite);
    }
    if (row.style & kBorder) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(startEdge(parent) | Qt::AlignVCenter);
    }
    return label;
}

QWidget* makeControl(const ControlRow& row, QWidget* parent) {
    const QString text = text::translated(row.text);
    switch (row.kind) {
        case Kind::Frame:
            return new Frame(text, parent);
        case Kind::Label:
            return makeLabel(row, parent);
        case Kind::TextBox: {
            auto* box = new QLineEdit(parent);
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setAlignment(startEdge(parent) | Qt::AlignVCenter);
            return box;
        }
        case Kind::ListBox: {
            auto* list = new QListWidget(parent);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setSortingEnabled(false);
            if (parent->isRightToLeft()) {
                list->setItemDelegate(new OwnDirectionItems(list));
            }
            return list;
        }
        case Kind::Option: {
            auto* option = new QRadioButton(text, parent);
            // Tab visits only the chosen option of a group; the arrow keys move between them.
            const auto followChoice = [option](bool chosen) {
                option->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
            };
            QObject::connect(option, &QRadioButton::toggled, option, followChoice);
            followChoice(false);
            return option;
        }
        case Kind::Button:
            return new QPushButton(text, parent);
        case Kind::PictureButton: {
            auto* button = new PictureButton(parent);
            button->setIcon(bannerIcon(parent));
            button->setIconSize(QSize(300, 91));
            setBackground(button, QPalette::Button, kWhite);
            return button;
        }
        case Kind::Image: {
            auto* image = new QLabel(parent);
            image->setPixmap(logoPicture(parent));
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return image;
        }
        case Kind::Shape:
            return new Shape(kGrey, kLightGrey, parent);
    }
    return nullptr;
}

template <typename T>
T* as(QWidget* widget) {
    return static_cast<T*>(widget);
}

Form1Controls collectControls(QWidget* form) {
    Form1Controls c;
    c.Command6 = control<QPushButton>(form, "Command6");
    c.Frame4 = control<QGroupBox>(form, "Frame4");
    c.frmTest = control<QGroupBox>(form, "frmTest");
    c.Image1 = control<QLabel>(form, "Image1");
    for (int i = 0; i < static_cast<int>(c.optTTYpe.size()); ++i) {
        c.optTTYpe[static_cast<std::size_t>(i)] = control<QRadioButton>(form, "optTTYpe", i);
    }
    c.List1 = control<QListWidget>(form, "List1");
    c.cmdBack = control<QPushButton>(form, "cmdBack");
    c.Frame1 = control<QGroupBox>(form, "Frame1");
    c.Text1 = control<QLineEdit>(form, "Text1");
    c.lblQst = control<QLabel>(form, "lblQst");
    c.Label3 = control<QLabel>(form, "Label3");
    c.Label4 = control<QLabel>(form, "Label4");
    for (std::size_t i = 0; i < 2; ++i) {
        c.Label2[i] = control<QLabel>(form, "Label2", static_cast<int>(i));
        c.Label5[i] = control<QLabel>(form, "Label5", static_cast<int>(i));
    }
    c.Frame2 = control<QGroupBox>(form, "Frame2");
    c.Label9 = control<QLabel>(form, "Label9");
    c.Label8 = control<QLabel>(form, "Label8");
    c.Label7 = control<QLabel>(form, "Label7");
    c.Shape1 = control<Shape>(form, "Shape1");
    c.Frame3 = control<QGroupBox>(form, "Frame3");
    c.Option1 = control<QRadioButton>(form, "Option1");
    c.Option2 = control<QRadioButton>(form, "Option2");
    return c;
}

}  // namespace

void setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    if (!label->property("autoSize").toBool()) {
        return;
    }
    // The edge a label keeps is the one its text starts from: the right one in a right-to-left
    // window.
    QRect placed = label->geometry();
    if (label->isRightToLeft()) {
        placed.setLeft(placed.right() + 1 - label->sizeHint().width());
    } else {
        placed.setWidth(label->sizeHint().width());
    }
    label->setGeometry(placed);
    growToInk(label);
}

QString windowTitleText() {
    return text::translated(kWindowTitle);
}

namespace {

// The frames of the test screen. The screen is hidden until a pupil starts a test, so it is made
// then, and a window that only ever shows its list never pays for it.
bool onTestScreen(const ControlRow& row) {
    for (const char* name : {"frmTest", "Frame1", "Frame2", "Frame3"}) {
        if (std::string_view(row.container) == name || std::string_view(row.name) == name) {
            return true;
        }
    }
    return false;
}

// The width in twips of the container called `name`: the window's client area or a frame.
int containerWidth(std::string_view name) {
    for (const ControlRow& row : kDesign) {
        if (name == row.name) {
            return row.width;
        }
    }
    return kClientWidth * kTwipsPerPixel;
}

// Makes the controls of one screen in their design state, placed for the window's direction.
void makeControls(QWidget* form, bool testScreen) {
    const QFont regular = designFont(false);
    // Only the test screen writes in bold; resolving that face loads its font file.
    std::optional<QFont> bold;
    const Qt::LayoutDirection direction = form->layoutDirection();
    std::vector<QRadioButton*> selected;
    for (const ControlRow& row : kDesign) {
        if (onTestScreen(row) != testScreen) {
            continue;
        }
        QWidget* parent = std::string_view(row.container) == "Form1"
                              ? form
                              : control<QWidget>(form, row.container);
        QWidget* w = makeControl(row, parent);
        w->setObjectName(row.name);
        if (row.index >= 0) {
            w->setProperty("index", row.index);
        }
        w->setGeometry(pixels(row, containerWidth(row.container), direction));
        if (row.style & kBold) {
            if (!bold) {
                bold = designFont(true);
            }
            w->setFont(*bold);
        } else {
            w->setFont(regular);
        }
        if (row.style & kAutoSize) {
            setCaption(as<QLabel>(w), as<QLabel>(w)->text());
        }
        w->setVisible(!(row.style & kHidden));
        w->setEnabled(!(row.style & kDisabled));
        const bool stop = row.tabIndex >= 0 && row.kind != Kind::Label && row.kind != Kind::Frame;
        if (!stop) {
            w->setFocusPolicy(Qt::NoFocus);
        }
        if (row.style & kSelected) {
            selected.push_back(as<QRadioButton>(w));
        }
    }
    for (QRadioButton* option : selected) {
        option->setChecked(true);
    }
}

// Puts the controls made so far in the table's stacking and tab order.
std::vector<QWidget*> orderControls(QWidget* form) {
    std::vector<std::pair<int, QWidget*>> tabOrder;
    // Raising in reverse table order leaves the first-listed control of each container on top.
    // A control whose screen is not made yet is not found, and waits for its turn.
    for (auto row = std::rbegin(kDesign); row != std::rend(kDesign); ++row) {
        if (QWidget* w = control(form, row->name, row->index)) {
            w->raise();
            if (row->tabIndex >= 0 && w->focusPolicy() != Qt::NoFocus) {
                tabOrder.emplace_back(row->tabIndex, w);
            }
        }
    }
    std::sort(tabOrder.begin(), tabOrder.end());
    std::vector<QWidget*> stops;
    for (const auto& stop : tabOrder) {
        stops.push_back(stop.second);
    }
    for (std::size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(stops[i - 1], stops[i]);
    }
    return stops;
}

}  // namespace

Form1Controls buildForm1(QWidget* form) {
    form->setObjectName("Form1");
    form->setWindowTitle(windowTitleText());
    form->setFont(designFont(false));
    form->setWindowIcon(windowIcon(form));
    // The translation says which way the window reads; each control is placed for it once, as it
    // is made.
    form->setLayoutDirection(text::layoutDirection());
    makeControls(form, false);
    const std::vector<QWidget*> stops = orderControls(form);
    // The focus starts on the first stop of the tab cycle. Left to itself, Qt gives an opening
    // window's focus to whichever control its focus chain reaches first, and the chain follows
    // the order the controls were made in, not the tab order.
    const auto firstStop = std::find_if(stops.begin(), stops.end(), [form](QWidget* stop) {
        return (stop->focusPolicy() & Qt::TabFocus) && stop->isVisibleTo(form) && stop->isEnabled();
    });
    if (firstStop != stops.end()) {
        (*firstStop)->setFocus();
    }
    describeForAssistiveTechnology(form);
    return collectControls(form);
}

void buildTestScreen(QWidget* form, Form1Controls& controls) {
    if (controls.frmTest != nullptr) {
        return;
    }
    makeControls(form, true);
    orderControls(form);
    describeForAssistiveTechnology(form);
    controls = collectControls(form);
}

}  // namespace calquin::ui
