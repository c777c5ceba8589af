// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/division_pairs.h"

#include <algorithm>

#include "engine/digit_counts.h"

namespace calquin::engine {
namespace {

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
    return (a + b - 1) / b;
}

}  // namespace

DivisionPairs::DivisionPairs(int digits1, int digits2) : digits1_(digits1), digits2_(digits2) {
    if (digits1 < kMinDigits || digits1 > kMaxDigits || digits2 < kMinDigits ||
        digits2 > kMaxDigits) {
        return;
    }
    dividends_ = {powerOfTen(digits1 - 1), powerOfTen(digits1) - 1};
    divisors_ = {std::max<std::int64_t>(2, powerOfTen(digits2 - 1)), powerOfTen(digits2) - 1};
    quotients_ = {2, dividends_.high / divisors_.low};

    perDivisor_ = divisors_.high - divisors_.low <= quotients_.high - quotients_.low;
    const Range first = perDivisor_ ? divisors_ : quotients_;
    if (first.high < first.low) {
        return;
    }
    runningTotals_.reserve(static_cast<std::size_t>(first.high - first.low + 1));
    std::uint64_t total = 0;
    for (std::int64_t value = first.low; value <= first.high; ++value) {
        const Range partners = partnersOf(value);
        if (partners.high >= partners.low) {
            total += static_cast<std::uint64_t>(partners.high - partners.low + 1);
        }
        runningTotals_.push_back(total);
    }
}

DivisionPairs::Range DivisionPairs::partnersOf(std::int64_t first) const {
    // The dividend first * partner must lie in dividends_; the partner in its own range.
    const Range own = perDivisor_ ? quotients_ : divisors_;
    return {std::max(own.low, ceilDiv(dividends_.low, first)),
            std::min(own.high, dividends_.high / first)};
}

DivisionPair DivisionPairs::at(std::uint64_t index) const {
    const auto found = std::upper_bound(runningTotals_.begin(), runningTotals_.end(), index);
    if (found == runningTotals_.end()) {
        return {};
    }
    const auto position = found - runningTotals_.begin();
    const std::uint64_t before = position == 0 ? 0 : *(found - 1);
    const std::int64_t first = (perDivisor_ ? divisors_.low : quotients_.low) + position;
    const std::int64_t partner = partnersOf(first).low + static_cast<std::int64_t>(index - before);
    const std::int64_t divisor = perDivisor_ ? first : partner;
    const std::int64_t quotient = perDivisor_ ? partner : first;
    return {divisor * quotient, divisor};
}

}  // namespace calquin::engine
