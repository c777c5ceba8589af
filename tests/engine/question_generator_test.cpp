// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/question_generator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "engine/digit_counts.h"
#include "fake_random.h"

namespace calquin::engine {
namespace {

TestState itemState(std::string op, int digits1, int digits2) {
    TestState state;
    state.opSign = std::move(op);
    state.digits1 = static_cast<std::int16_t>(digits1);
    state.digits2 = static_cast<std::int16_t>(digits2);
    return state;
}

bool hasDigits(std::int64_t value, int digits) {
    return value >= powerOfTen(digits - 1) && value < powerOfTen(digits);
}

TEST(NewQuestion, KeepsTheRulesOfEachOperator) {
    const char* const items[] = {"1+1", "9+9", "2-2", "9-9", "5-1", "2*1", "5*4",
                                 "1*8", "1/1", "4/2", "9/5", "9/9", "9/1"};
    for (const std::string item : items) {
        SCOPED_TRACE(item);
        const std::string op = item.substr(1, 1);
        const int digits1 = item[0] - '0', digits2 = item[2] - '0';
        testing::SeededRandom random(20240501);
        QuestionGenerator generator(random);
        TestState state = itemState(op, digits1, digits2);
        for (int i = 0; i < 1000; ++i) {
            const Question question = generator.NewQuestion(state);
            const std::int64_t a = question.first, b = question.second;
            const std::string caption = question.caption();
            ASSERT_TRUE(hasDigits(a, digits1) && hasDigits(b, digits2)) << caption;
            const std::int64_t answer = op == "+"   ? a + b
                                        : op == "-" ? a - b
                                        : op == "*" ? a * b
                                                    : a / b;
            ASSERT_EQ(state.answer, answer) << caption;
            // No negative differences; divisions exact, with divisor and quotient at least 2.
            ASSERT_GE(answer, op == "/" ? 2 : 0) << caption;
            ASSERT_TRUE(op != "/" || (b >= 2 && a % b == 0)) << caption;
        }
        EXPECT_EQ(random.reseeds, 1000);
    }
}

// The lowest and then the highest draw: the first operand is drawn first, over its whole range,
// and the caption writes both in plain digits, first operand first.
TEST(NewQuestion, DrawsTheFirstOperandFirstOverItsWholeRange) {
    using testing::ScriptedRandom;
    const char* const captions[][2] = {{"1 + 9", "9 + 1"},
                                       {"10 + 9", "99 + 1"},
                                       {"100 + 9", "999 + 1"},
                                       {"1000 + 9", "9999 + 1"},
                                       {"10000 + 9", "99999 + 1"},
                                       {"100000 + 9", "999999 + 1"},
                                       {"1000000 + 9", "9999999 + 1"},
                                       {"10000000 + 9", "99999999 + 1"},
                                       {"100000000 + 9", "999999999 + 1"}};
    for (int digits = kMinDigits; digits <= kMaxDigits; ++digits) {
        SCOPED_TRACE(digits);
        ScriptedRandom random({0, ScriptedRandom::kJustBelowOne, ScriptedRandom::kJustBelowOne, 0});
        QuestionGenerator generator(random);
        TestState state = itemState("+", digits, 1);
        EXPECT_EQ(generator.NewQuestion(state).caption(), captions[digits - 1][0]);
        EXPECT_EQ(generator.NewQuestion(state).caption(), captions[digits - 1][1]);
    }
}

// The window never asks for these, but no state may make the generator hang, crash or overflow.
TEST(NewQuestion, DrawsNothingForItemsThatCannotStart) {
    const struct {
        const char* op;
        int digits1, digits2;
        const char* caption;
    } items[] = {{"x", 2, 1, "0 x 0"}, {" +", 2, 1, "0  + 0"},       {"/", 0, 0, "0 / 0"},
                 {"/", 1, 2, "0 / 0"}, {"-", 3, 9, "0 - 0"},         {"/", 10, 10, "0 / 0"},
                 {"*", 9, 9, "0 * 0"}, {"+", 32767, -32768, "0 + 0"}};
    for (const auto& item : items) {
        SCOPED_TRACE(item.caption);
        testing::ScriptedRandom random({});
        QuestionGenerator generator(random);
        TestState state = itemState(item.op, item.digits1, item.digits2);
        state.answer = 12345;
        EXPECT_EQ(generator.NewQuestion(state).caption(), item.caption);
        EXPECT_EQ(state.answer, 12345);
    }
}

TEST(ClockSeededRandom, ReseedsDifferentlyWithinOneClockTick) {
    ClockSeededRandom random;
    std::set<std::uint64_t> firstDraws;
    for (int i = 0; i < 100; ++i) {
        random.reseed();
        firstDraws.insert(random.next64());
    }
    EXPECT_EQ(firstDraws.size(), 100u);
}

}  // namespace
}  // namespace calquin::engine
