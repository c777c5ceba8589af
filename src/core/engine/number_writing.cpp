// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/number_writing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace calquin::engine {
namespace {

constexpr int kSignificantDigits = 15;
constexpr std::size_t kShownDecimals = 2;

// Adds one unit in the last place of a string of decimal digits; returns true when a carry is left
// over at the front (999 -> 000 with carry).
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

}  // namespace

std::string plainDecimal(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string formatRatio(double ratio) {
    if (std::isnan(ratio)) {
        return "nan";
    }
    if (std::isinf(ratio)) {
        return ratio < 0 ? "-inf" : "inf";
    }

    // "d.dddddddddddddde+XX": the 15 significant digits and the power of ten of the first one.
    std::array<char, 32> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(ratio),
                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t ePos = text.find('e');
    std::string digits;
    digits += text[0];
    digits.append(text.substr(2, ePos - 2));
    int exponent = 0;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+'), text.data() + text.size(),
                    exponent);

    // Anything below 0.001 rounds to zero at two decimals, whatever its digits.
    if (exponent < -static_cast<int>(kShownDecimals) - 1) {
        return ".";
    }
    std::string whole;
    std::string fraction;
    if (exponent >= 0) {
        const auto wholeLength = static_cast<std::size_t>(exponent) + 1;
        if (wholeLength >= digits.size()) {
            whole = digits + std::string(wholeLength - digits.size(), '0');
        } else {
            whole = digits.substr(0, wholeLength);
            fraction = digits.substr(wholeLength);
        }
    } else {
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    fraction.resize(std::max(fraction.size(), kShownDecimals + 1), '0');

    const bool roundUp = fraction[kShownDecimals] >= '5';
    fraction.resize(kShownDecimals);
    if (roundUp && incrementDigits(fraction) && incrementDigits(whole)) {
        whole.insert(whole.begin(), '1');
    }

    const auto firstNonzero = whole.find_first_not_of('0');
    whole.erase(0, firstNonzero == std::string::npos ? whole.size() : firstNonzero);
    const auto lastNonzero = fraction.find_last_not_of('0');
    fraction.erase(lastNonzero == std::string::npos ? 0 : lastNonzero + 1);

    const bool showsMinus = ratio < 0 && !(whole.empty() && fraction.empty());
    return (showsMinus ? "-" : "") + whole + "." + fraction;
}

}  // namespace calquin::engine
