// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <array>

#include "common/phrase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace calquin::ui {

class Shape;

inline constexpr Text kWindowTitle = translatable("Form1", "'Calquin' Competency Test");
// The title of the message shown after each answer.
inline constexpr Text kMessageTitle = translatable("Scoring", "Counting Amounts");
inline constexpr int kClientWidth = 792;
inline constexpr int kClientHeight = 474;
inline constexpr int kTimerIntervalMs = 1000;

// Every control of the window, by the name the handlers know it by. Members of a control array
// share one name and are told apart by their index, as the arrays here do.
struct Form1Controls {
    QPushButton* Command6 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* frmTest = nullptr;
    QLabel* Image1 = nullptr;
    std::array<QRadioButton*, 4> optTTYpe{};
    QListWidget* List1 = nullptr;
    std::array<QLabel*, 2> Label2{};
    QPushButton* cmdBack = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* lblQst = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 2> Label5{};
    QGroupBox* Frame2 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    Shape* Shape1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
};

// The window's title in the pupil's language.
QString windowTitleText();

// Creates the controls of the selection screen inside `form` in their design state. The layout is
// fixed; nothing here follows the window's size. The test screen's members of the result are
// null until buildTestScreen makes them.
Form1Controls buildForm1(QWidget* form);

// Makes the test screen's controls, if they are not made yet, in their design state (hidden, its
// frames disabled) and in their places in the window's stacking and tab order, and fills them
// into `controls`.
void buildTestScreen(QWidget* form, Form1Controls& controls);

// The window's font: 11 px regular, or the 13 px bold of the question and the answer box.
QFont designFont(bool bold);

// The control called `name` among `form`'s children, by the name the design gives it; for a
// member of a control array, the one with `index`. Null for a control not made (yet).
template <typename T = QWidget>
T* control(QWidget* form, const char* name, int index = -1) {
    for (T* widget : form->findChildren<T*>(QString::fromLatin1(name))) {
        if (index < 0 || widget->property("index").toInt() == index) {
            return widget;
        }
    }
    return nullptr;
}

// Sets a label's caption. Labels that size themselves to their text keep their left edge and
// grow or shrink to the right.
void setCaption(QLabel* label, const QString& text);

}  // namespace calquin::ui
