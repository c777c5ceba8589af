// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The average time per question is a ratio of counts that nobody bounds: a clock that jumps, a test
// left running for days. Every double must come out in the "##.##" pattern, as close to its value
// as two decimals allow, and larger values must never show smaller.
//
// Eight bytes are taken as the bits of a double, which reaches infinities, NaNs and denormals;
// any other input is read by strtod, so seeds can be written as "1.005" or "0x1p-1074".
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "engine/number_writing.h"
#include "fuzz_checks.h"

namespace {

using calquin::engine::formatRatio;
using calquin::engine::plainDecimal;
using calquin::fuzz::require;

std::string described(double ratio) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", ratio);
    return text;
}

long double valueShown(const std::string& shown) {
    return std::strtold(shown.c_str(), nullptr);  // "." reads as 0
}

void checkPattern(double ratio, const std::string& shown) {
    const std::string context = "formatRatio(" + described(ratio) + ") = \"" + shown + "\"";
    const std::size_t point = shown.find('.');
    require(point != std::string::npos && shown.find('.', point + 1) == std::string::npos,
            context + ": exactly one decimal point");
    const bool minus = shown.starts_with('-');
    require(!minus || ratio < 0, context + ": a minus sign only for a negative ratio");
    const std::string_view whole = std::string_view(shown).substr(minus ? 1 : 0, point - minus);
    const std::string_view fraction = std::string_view(shown).substr(point + 1);
    require(whole.find_first_not_of("0123456789") == std::string_view::npos &&
                fraction.find_first_not_of("0123456789") == std::string_view::npos,
            context + ": only digits around the point");
    require(!whole.starts_with('0'), context + ": no leading zero");
    require(fraction.size() <= 2 && !fraction.ends_with('0'),
            context + ": at most two decimals, no trailing zero");
    require(!minus || whole.size() + fraction.size() > 0, context + ": no minus zero");
}

void checkRatio(double ratio) {
    const std::string shown = formatRatio(ratio);
    require(!shown.empty(), "never an empty text");
    if (std::isnan(ratio)) {
        require(shown == "nan", "NaN shows as nan");
        return;
    }
    if (std::isinf(ratio)) {
        require(shown == (ratio < 0 ? "-inf" : "inf"), "infinities show as inf and -inf");
        return;
    }
    checkPattern(ratio, shown);

    const std::string positive = formatRatio(std::fabs(ratio));
    require(formatRatio(-std::fabs(ratio)) == (positive == "." ? "." : "-" + positive),
            "a negative ratio shows a minus and the digits of its positive");
    if (ratio < 0) {
        return;
    }

    // Two decimals lose at most half a hundredth; the first step to 15 significant digits adds at
    // most half a unit in the 15th digit. The last term covers long double arithmetic.
    if (ratio < 1e15) {
        const long double r = ratio;
        const long double error = std::fabs(valueShown(shown) - r);
        const long double allowed = 0.005L + 5e-15L * r + 0x1p-50L * (1 + r);
        require(error <= allowed, "formatRatio(" + described(ratio) + ") = \"" + shown +
                                      "\" is more than two decimals' rounding away");
    }
    const double next = std::nextafter(ratio, std::numeric_limits<double>::infinity());
    if (std::isfinite(next)) {
        require(valueShown(formatRatio(next)) >= valueShown(shown),
                "the next larger double never shows a smaller value than \"" + shown + "\"");
    }
}

void checkWholeNumber(std::int64_t value) {
    const std::string shown = plainDecimal(value);
    require(shown == std::to_string(value), "plainDecimal writes the plain decimal digits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    double ratio = 0;
    if (size == sizeof bits) {
        std::memcpy(&bits, data, sizeof bits);
        ratio = std::bit_cast<double>(bits);
    } else {
        const std::string text(reinterpret_cast<const char*>(data), size);
        ratio = std::strtod(text.c_str(), nullptr);
        bits = std::bit_cast<std::uint64_t>(ratio);
    }
    checkRatio(ratio);
    checkWholeNumber(std::bit_cast<std::int64_t>(bits));
    return 0;
}
