// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "engine/question_generator.h"

namespace calquin::text {

// A question as the window shows it, e.g. "37 + 8": the numbers in plain decimal and the sign
// the pupil's schools write (in English the catalogue's own). A sign the program does not know
// is shown as the catalogue gives it.
QString questionCaption(const engine::Question& question);

// The same question in words, as a screen reader should say it: "37 plus 8". A reader says "+"
// well, but "*" as "star" and "/" as "slash". A sign without words is left as the caption shows
// it.
QString spokenQuestion(const engine::Question& question);

}  // namespace calquin::text
