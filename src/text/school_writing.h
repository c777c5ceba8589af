// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <Qt>

#include "common/phrase.h"

// How the pupil's language writes what the drill shows: its digits and its direction. Each is
// the translation's choice, so a language needs no code of its own; without a translation
// everything stays as the English window has it.
namespace calquin::text {

// The direction the translation reads in, from Qt's own QT_LAYOUT_DIRECTION text: right to left
// where it says "RTL", left to right otherwise.
Qt::LayoutDirection layoutDirection();

// `plain` with its ASCII digits written in the digits the pupil's schools use.
QString schoolDigits(QString plain);

// A phrase whose values are all numbers the pupil reads (the counters, the expected answer, the
// average time) with those numbers in the school's digits, ready to be translated.
Phrase inSchoolDigits(Phrase phrase);

// What the pupil typed as the answer reader takes it: the school's own digits read as the ASCII
// digits they stand for, so a pupil may type either. Nothing else is touched, and where the
// school writes ASCII digits the text comes back as typed.
QString answerInAsciiDigits(QString typed);

// `text` as one left-to-right run, kept in its own order inside a right-to-left window: "37 + 8"
// must not become "8 + 37", even in digits that themselves run right to left.
QString leftToRightRun(const QString& text);

}  // namespace calquin::text
