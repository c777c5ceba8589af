// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <iterator>
#include <string_view>

namespace calquin::ui {
namespace {

// What a screen reader says for the controls whose text alone would not tell a pupil what they
// are: the answer box, the item list, the picture button and the counters.
struct AccessibleText {
    const char* control;
    const char* name;         // empty: the control's own text
    const char* description;  // empty: none
};

constexpr AccessibleText kAccessibleTexts[] = {
    {"Text1", QT_TRANSLATE_NOOP("Form1", "Answer"),
     QT_TRANSLATE_NOOP("Form1", "Type the answer to the question and press Enter")},
    {"lblQst", "", QT_TRANSLATE_NOOP("Form1", "Question")},
    {"List1", QT_TRANSLATE_NOOP("Form1", "Drill items"),
     QT_TRANSLATE_NOOP("Form1", "Choosing an item starts a test")},
    {"Command6", QT_TRANSLATE_NOOP("Form1", "Publisher's web page"),
     QT_TRANSLATE_NOOP("Form1", "Opens the publisher's web page in the web browser")},
    {"Image1", QT_TRANSLATE_NOOP("Form1", "Publisher's logo"), ""},
    {"frmTest", QT_TRANSLATE_NOOP("Form1", "Test"), ""},
    {"Label7", "", QT_TRANSLATE_NOOP("Form1", "Number of correct answers")},
    {"Label8", "", QT_TRANSLATE_NOOP("Form1", "Number of wrong answers")},
    {"Label9", "", QT_TRANSLATE_NOOP("Form1", "Average time per question in seconds")},
};

const AccessibleText& accessibleText(std::string_view control) {
    return *std::find_if(std::begin(kAccessibleTexts), std::end(kAccessibleTexts),
                         [control](const AccessibleText& text) { return text.control == control; });
}

// The control called `name` among `form`'s children.
template <typename T>
T* control(QWidget* form, const char* name) {
    return form->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

void describeForAssistiveTechnology(QWidget* form) {
    for (const auto& text : kAccessibleTexts) {
        QWidget* widget = control<QWidget>(form, text.control);
        if (*text.name) {
            widget->setAccessibleName(QCoreApplication::translate("Form1", text.name));
        }
        if (*text.description) {
            widget->setAccessibleDescription(
                QCoreApplication::translate("Form1", text.description));
        }
    }
    // "Ans" labels the answer box, so readers can say it when the box takes the focus.
    control<QLabel>(form, "Label3")->setBuddy(control<QWidget>(form, "Text1"));
}

QString answerBoxHint() {
    return QCoreApplication::translate("Form1", accessibleText("Text1").description);
}

void describeAnswerBox(QLineEdit* box, const QString& description) {
    // Screen readers say a change of the focused control's description, and that is how a pupil
    // hears each new question, also in summary mode where the focus never moves. The same
    // question twice in a row is a new question all the same, so it is announced again.
    // Qt before 6.5 reports no change of a widget's description at all; later ones report only a
    // real change.
    const bool announcedBySetting =
        QT_VERSION >= QT_VERSION_CHECK(6, 5, 0) && box->accessibleDescription() != description;
    box->setAccessibleDescription(description);
    if (!announcedBySetting) {
        QAccessibleEvent changed(box, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

}  // namespace calquin::ui
