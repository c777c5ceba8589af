// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace calquin::engine {

// Operands have 1 to 9 digits: every such operand, and every sum, difference and quotient of two,
// fits a 32-bit signed integer.
inline constexpr int kMinDigits = 1;
inline constexpr int kMaxDigits = 9;

// 10^exponent for exponents 0 to 18; 1 for negative exponents.
constexpr std::int64_t powerOfTen(int exponent) {
    std::int64_t result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 10;
    }
    return result;
}

}  // namespace calquin::engine
