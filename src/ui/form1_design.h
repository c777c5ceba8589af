// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <array>
#include <string_view>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;

namespace calquin::ui {

class Shape;

inline constexpr const char* kWindowTitle = QT_TRANSLATE_NOOP("Form1", "'Calquin' Competency Test");
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

// Creates every control inside `form` in its design state: the selection screen, with the test
// screen hidden and its frames disabled. The layout is fixed; nothing here follows the window's
// size.
Form1Controls buildForm1(QWidget* form);

// The window's font: 11 px regular, or the 13 px bold of the question and the answer box.
QFont designFont(bool bold);

// The caption of test type option `index` (0 to 3) as the window shows it, e.g. "Addition";
// an empty text for any other index.
QString testTypeCaption(int index);

// The question with caption `caption` (e.g. "37 + 8") and operator `sign` in words, as a screen
// reader should say it: "37 plus 8". A sign that has no words is left as the caption shows it.
QString spokenQuestion(const QString& caption, std::string_view sign);

// Sets a label's caption. Labels that size themselves to their text keep their left edge and
// grow or shrink to the right.
void setCaption(QLabel* label, const QString& text);

}  // namespace calquin::ui
