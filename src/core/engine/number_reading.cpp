// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace calquin::engine {
namespace {

constexpr bool isIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks over the characters of a number one at a time, skipping the ignored ones, and copies the
// part that forms a number. The copy has no sign and no blanks, which is the form that
// std::from_chars accepts.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    bool negative = false;
    std::string mantissaAndExponent;
    // Decimal position of the leading nonzero digit (1 for 1 to 9.99, 0 for 0.1 to 0.99, ...) plus
    // the exponent, saturated. Only used to tell overflow from underflow when conversion fails.
    std::int64_t magnitude = 0;
    bool hasNonzeroDigit = false;

    void scan() {
        if (peek() == '+' || peek() == '-') {
            negative = peek() == '-';
            take();
        }
        const bool intDigits = copyDigits(true);
        bool fracDigits = false;
        if (peek() == '.') {
            take();
            mantissaAndExponent += '.';
            fracDigits = copyDigits(false);
        }
        if (!intDigits && !fracDigits) {
            mantissaAndExponent.clear();
            return;
        }
        if (peek() == 'e' || peek() == 'E') {
            scanExponent();
        }
    }

private:
    char peek() {
        while (pos_ < text_.size() && isIgnored(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void take() { ++pos_; }

    bool copyDigits(bool integerPart) {
        bool any = false;
        while (isDigit(peek())) {
            const char c = text_[pos_];
            take();
            any = true;
            mantissaAndExponent += c;
            if (c != '0') {
                hasNonzeroDigit = true;
            }
            if (integerPart && hasNonzeroDigit) {
                ++magnitude;
            } else if (!integerPart && !hasNonzeroDigit) {
                --magnitude;
            }
        }
        return any;
    }

    // An 'e' without exponent digits after it is not part of the number; the number ends before it.
    void scanExponent() {
        take();
        std::string exponent = "e";
        bool exponentNegative = false;
        if (peek() == '+' || peek() == '-') {
            exponentNegative = peek() == '-';
            exponent += text_[pos_];
            take();
        }
        std::int64_t value = 0;
        bool any = false;
        while (isDigit(peek())) {
            exponent += text_[pos_];
            value = std::min<std::int64_t>(value * 10 + (text_[pos_] - '0'), kExponentCap);
            take();
            any = true;
        }
        if (any) {
            mantissaAndExponent += exponent;
            magnitude += exponentNegative ? -value : value;
        }
    }

    static constexpr std::int64_t kExponentCap = std::int64_t{1} << 40;

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

double readLeadingNumber(std::string_view text) {
    NumberScanner scanner(text);
    scanner.scan();
    const std::string& number = scanner.mantissaAndExponent;
    if (number.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool tooLarge = scanner.hasNonzeroDigit && scanner.magnitude > 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    return scanner.negative ? -value : value;
}

}  // namespace calquin::engine
