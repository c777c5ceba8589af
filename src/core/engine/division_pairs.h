// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "engine/random_source.h"

namespace calquin::engine {

struct DivisionPair {
    std::int64_t dividend = 0;
    std::int64_t divisor = 0;

    friend bool operator==(const DivisionPair&, const DivisionPair&) = default;
};

// Every pair that a division question may show for the given digit counts: the dividend has
// digits1 digits, the divisor digits2, the division is exact, and divisor and quotient are both at
// least 2. Drawing a pair and throwing it away until it qualifies picks each of these pairs equally
// often, but needs about 10^(d-1) tries for two d-digit operands. Numbering the pairs instead and
// picking a number gives the same distribution in a single draw.
//
// A pair is a divisor with a quotient of 2 or more. The pairs are counted per divisor or per
// quotient, whichever has fewer values (at most about 10^5 for digit counts up to 9), and a pair
// number is found again by binary search over the running totals.
class DivisionPairs {
public:
    // Digit counts outside 1 to 9 have no pairs.
    DivisionPairs(int digits1, int digits2);

    int digits1() const { return digits1_; }
    int digits2() const { return digits2_; }
    std::uint64_t count() const { return runningTotals_.empty() ? 0 : runningTotals_.back(); }

    // The pair with number `index`, which must be below count(). Every number gives a different
    // pair, and together they give all of them.
    DivisionPair at(std::uint64_t index) const;

    // A uniformly chosen pair; count() must not be 0.
    DivisionPair draw(RandomSource& source) const { return at(uniformBelow(source, count())); }

private:
    struct Range {
        std::int64_t low;
        std::int64_t high;
    };
    // The values of the other factor that go with `first` (a divisor or a quotient).
    Range partnersOf(std::int64_t first) const;

    int digits1_;
    int digits2_;
    Range dividends_{0, -1};
    Range divisors_{0, -1};
    Range quotients_{0, -1};
    bool perDivisor_ = true;
    // runningTotals_[i]: number of pairs whose enumerated factor is at most firstValue + i.
    std::vector<std::uint64_t> runningTotals_;
};

}  // namespace calquin::engine
