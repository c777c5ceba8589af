// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace calquin::engine {

// A whole number in decimal as captions and messages show it: no plus sign, no leading blank, no
// decimal point ("37", "0"). Negative numbers keep their minus sign.
std::string plainDecimal(std::int64_t value);

// The average time per question with the pattern "##.##": the integer part without leading zeros
// (nothing when it is 0), always a decimal point, then at most two decimals rounded half away from
// zero with trailing zeros left out: 3.5 -> "3.5", 2 -> "2.", 0.125 -> ".13", 0 -> ".".
//
// The ratio is first written to 15 significant digits and only that decimal text is rounded, so a
// value that prints as a half rounds up even when its binary value lies just below the half
// (1.005 -> "1.01"). Infinities and NaN come out as "inf", "-inf" and "nan".
std::string formatRatio(double ratio);

}  // namespace calquin::engine
