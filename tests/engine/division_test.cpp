// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "engine/digit_counts.h"
#include "engine/division_pairs.h"
#include "engine/question_generator.h"
#include "fake_random.h"
#include "reference_division.h"

namespace calquin::engine {
namespace {

using Pair = std::pair<std::int64_t, std::int64_t>;

// Every valid pair, found by trying all of them.
std::set<Pair> validPairs(int digits1, int digits2) {
    std::set<Pair> pairs;
    for (auto a = powerOfTen(digits1 - 1); a < powerOfTen(digits1); ++a) {
        for (auto b = powerOfTen(digits2 - 1); b < powerOfTen(digits2); ++b) {
            if (a % b == 0 && b != 1 && a != b) {
                pairs.emplace(a, b);
            }
        }
    }
    return pairs;
}

TEST(DivisionPairs, NumbersEveryValidPairExactlyOnce) {
    for (const auto& [digits1, digits2] :
         {Pair{1, 1}, Pair{2, 1}, Pair{3, 2}, Pair{3, 3}, Pair{1, 2}}) {
        SCOPED_TRACE(std::to_string(digits1) + "/" + std::to_string(digits2));
        const DivisionPairs table(static_cast<int>(digits1), static_cast<int>(digits2));
        std::set<Pair> numbered;
        for (std::uint64_t i = 0; i < table.count(); ++i) {
            numbered.emplace(table.at(i).dividend, table.at(i).divisor);
        }
        EXPECT_EQ(numbered.size(), table.count());
        EXPECT_EQ(numbered, validPairs(static_cast<int>(digits1), static_cast<int>(digits2)));
    }
}

// 200 draws per valid pair, and a chi-square test at the 0.1% level that every pair comes up
// equally often. The seeds are fixed, so the outcome is the same on every run.
template <typename Draw>
void expectUniform(const std::set<Pair>& pairs, Draw draw) {
    const int perPair = 200;
    std::map<Pair, int> counts;
    for (std::size_t i = 0; i < pairs.size() * perPair; ++i) {
        const Pair pair = draw();
        ASSERT_TRUE(pairs.count(pair)) << pair.first << " / " << pair.second;
        ++counts[pair];
    }
    double chiSquare = 0;
    for (const Pair& pair : pairs) {
        chiSquare += std::pow(counts[pair] - perPair, 2) / perPair;
    }
    const double freedom = static_cast<double>(pairs.size() - 1);
    const double k = 2.0 / (9.0 * freedom);  // Wilson-Hilferty approximation of the limit
    EXPECT_LT(chiSquare, freedom * std::pow(1.0 - k + 3.0902 * std::sqrt(k), 3));
}

TEST(DivisionPairs, FastDrawAndDrawAndRejectPickEveryPairEquallyOften) {
    EXPECT_EQ(validPairs(1, 1), (std::set<Pair>{{4, 2}, {6, 2}, {8, 2}, {6, 3}, {9, 3}, {8, 4}}));
    for (const auto& [digits1, digits2] : {Pair{1, 1}, Pair{2, 1}, Pair{2, 2}}) {
        SCOPED_TRACE(std::to_string(digits1) + "/" + std::to_string(digits2));
        const std::set<Pair> pairs =
            validPairs(static_cast<int>(digits1), static_cast<int>(digits2));
        testing::SeededRandom fastRandom(1);
        QuestionGenerator generator(fastRandom);
        TestState state;
        state.digits1 = static_cast<std::int16_t>(digits1);
        state.digits2 = static_cast<std::int16_t>(digits2);
        state.opSign = "/";
        expectUniform(pairs, [&] {
            Pair pair;
            char sign = 0;
            std::istringstream(generator.NewQuestion(state).caption()) >> pair.first >> sign >>
                pair.second;
            return pair;
        });
        testing::SeededRandom referenceRandom(2);
        expectUniform(pairs, [&] {
            const auto pair = testing::referenceDivision(referenceRandom, static_cast<int>(digits1),
                                                         static_cast<int>(digits2));
            return Pair{pair.dividend, pair.divisor};
        });
    }
}

}  // namespace
}  // namespace calquin::engine
