// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace calquin::ui {

// Lets screen readers meet the two widgets that are not what their kind says: the hint beside the
// back button (said by the button, so silent itself) and the announcement of each next question
// (a notification). Installed once the application is made, before any widget is.
void installAccessibleKinds();

// Gives the controls of `form` the names and descriptions a screen reader says for them, where
// their captions alone would not tell a pupil what they are, and hands the hint beside the back
// button to the button.
void describeForAssistiveTechnology(QWidget* form);

// The answer box's description for screen readers outside a test.
QString answerBoxHint();

// Describes the answer box `box` by `description`: the question in words during a test, the hint
// outside one. Readers say it when the box takes the focus, and where the toolkit reports the
// change, at once.
void describeAnswerBox(QLineEdit* box, const QString& description);

// Makes screen readers say `spoken`, the question the answer box `box` now asks, while the box
// keeps the focus (the next question in summary mode). Where the focus comes back to the box
// instead, readers say its description then, and nothing is to be added.
void announceQuestion(QLineEdit* box, const QString& spoken);

}  // namespace calquin::ui
