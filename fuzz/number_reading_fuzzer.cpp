// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil can type or paste anything into the answer box, and a teacher anything into a digit
// count. The leading-number reader must read every text as the C library's strtod reads the same
// number: strtod rounds correctly, so any difference is a fault in the reader.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/number_reading.h"
#include "fuzz_checks.h"

namespace {

// What the reader should see of a text: without the blanks, tabs and line feeds that it ignores
// anywhere, and cut at the first character that can never belong to a number. strtod then stops
// exactly where the reader must stop: at a second sign, a second point, an exponent without digits.
std::string numberPart(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') {
            continue;
        }
        if (std::string_view("0123456789+-.eE").find(c) == std::string_view::npos) {
            break;
        }
        kept += c;
    }
    return kept;
}

std::string bitsOf(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double value = calquin::engine::readLeadingNumber(text);
    // No setlocale call anywhere, so strtod runs in the C locale with '.' as the decimal point.
    const double expected = std::strtod(numberPart(text).c_str(), nullptr);
    calquin::fuzz::require(
        std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(expected),
        "\"" + calquin::fuzz::shown(text) + "\" reads as " + bitsOf(value) + ", strtod gives " +
            bitsOf(expected));
    return 0;
}
