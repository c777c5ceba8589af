// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace calquin::engine {

// Reads the number at the start of a typed answer or a catalogue digit count. Blanks, tabs and line
// feeds are ignored wherever they stand; then come an optional sign, digits, an optional decimal
// point with more digits and an optional exponent, as far as they form a number. Reading stops at
// the first other character, and a text without a leading number reads as 0.
//
// Any text gives a value in time linear in its length: a number too large for a double reads as
// plus or minus infinity, one too small as zero. The result never depends on the locale.
double readLeadingNumber(std::string_view text);

}  // namespace calquin::engine
