// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "results/pupil_rows.h"

namespace calquin::text {

// Names and texts from results files as a terminal or a window can show them: a control character
// (an escape sequence a pupil put in an item or a file name) or a mark that turns the writing
// direction round is written as its code, so that it can neither move the cursor nor disguise a
// line.
QString printable(std::string_view utf8);

// What reading a results folder left out, a sentence for each kind there is, in the user's
// language, naming the first file (and line) of each: the same for the report and the teacher's
// window.
QStringList readingTroubles(const results::FolderTally& tally);

}  // namespace calquin::text
