// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "catalogue/catalogue_file.h"

namespace calquin::text {

// The teacher's message about a catalogue that cannot be used, in the user's language: the file's
// full path, the line and column, and what was wrong. What the operating system said is passed on
// in its own words.
QString faultText(const catalogue::CatalogueFault& fault);

}  // namespace calquin::text
