// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace calquin::ui {

// Gives the controls of `form` the names and descriptions a screen reader says for them, where
// their captions alone would not tell a pupil what they are.
void describeForAssistiveTechnology(QWidget* form);

// The answer box's description for screen readers outside a test.
QString answerBoxHint();

// Describes the answer box `box` by `description` and makes screen readers say it: the question
// in words during a test, the hint outside one.
void describeAnswerBox(QLineEdit* box, const QString& description);

}  // namespace calquin::ui
