// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "catalogue/catalogue_file.h"

namespace calquin::ui {

// The teacher's message about a catalogue that cannot be used, in the pupil's language: the same
// text as catalogue::describeFault, which stays its English. What the operating system said is
// passed on in its own words.
QString faultText(const catalogue::CatalogueFault& fault);

}  // namespace calquin::ui
