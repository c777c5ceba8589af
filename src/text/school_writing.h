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

// Whether a translation of the program is in effect, as opposed to the design's English: every
// translation answers Qt's question of the direction, and without one nobody does.
bool translationInEffect();

// The direction the translation writes a question in, from its own QUESTION_DIRECTION text: right
// to left where it says "RTL" (the first number stands rightmost), left to right otherwise. It is
// the school's choice, not the window's: a right-to-left window may write its sums either way.
Qt::LayoutDirection questionDirection();

// `plain` with its ASCII digits written in the digits the pupil's schools use.
QString schoolDigits(QString plain);

// A number the program writes in running text (a row, a line, a total) in the school's digits.
QString schoolNumber(qint64 value);

// A phrase whose values are all numbers the pupil reads (the counters, the expected answer, the
// average time) with those numbers in the school's digits, ready to be translated.
Phrase inSchoolDigits(Phrase phrase);

// What the pupil typed as the answer reader takes it: the school's own digits read as the ASCII
// digits they stand for, so a pupil may type either. Nothing else is touched, and where the
// school writes ASCII digits the text comes back as typed.
QString answerInAsciiDigits(QString typed);

// `text` as one run in `direction`, kept whole whatever surrounds it: in a left-to-right run
// "37 + 8" reads from the left even in digits that themselves run right to left, and in a
// right-to-left one its first number stands rightmost.
QString directionalRun(const QString& text, Qt::LayoutDirection direction);

// A file name, folder or command put into a sentence of a right-to-left translation, isolated as
// one left-to-right run: "/home/teacher/index.txt" must not show as "home/teacher/index.txt/",
// nor "--check" as "check--". Unchanged where the translation reads left to right.
QString leftToRightName(const QString& name);

// A text of the catalogue's (an item's name) put into a sentence of a right-to-left translation,
// isolated in the direction of its own first letter, as the item list shows it.
QString ownDirectionName(const QString& name);

// `sentences` with every command-line option they name ("--check") isolated as a name, for a
// translated text that spells an option in its own words. Names already isolated are left alone.
QString withOptionsIsolated(const QString& sentences);

}  // namespace calquin::text
