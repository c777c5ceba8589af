// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "engine/question_generator.h"

namespace calquin::text {

// A question as the pupil's schools write it, e.g. "37 + 8": the first number, the sign the
// schools write (in English the catalogue's own) and the second, in the school's digits and in
// that order, with nothing about how it is drawn. A sign the program does not know is written as
// the catalogue gives it. The record keeps the catalogue's own form instead, which reads back the
// same in every language.
QString questionText(const engine::Question& question);

// The same question as the window shows it: in a translation whose window or whose sums read
// right to left, one run in the direction the schools write sums in, so that the first number
// stands where a pupil starts reading.
QString questionCaption(const engine::Question& question);

// The same question in words, as a screen reader should say it: "37 plus 8". A reader says "+"
// well, but "*" as "star" and "/" as "slash". A sign without words is left as the caption shows
// it.
QString spokenQuestion(const engine::Question& question);

}  // namespace calquin::text
