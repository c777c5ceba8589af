// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/scoring.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace calquin::engine {
namespace {

// A phrase as the core hands it up, English words and values apart: "Wrong! Answer is %1 | 42".
std::string said(const Phrase& phrase) {
    std::string text = phrase.text.english;
    for (const std::string& value : phrase.values) {
        text += " | " + value;
    }
    return text;
}

TEST(JudgeAnswer, CountsCaptionsAndWordsEachAnswer) {
    const struct {
        const char* typed;
        std::int32_t answer;
        bool summaryOnly;
        const char* counterCaption;
        std::optional<std::string> message;
    } rows[] = {{"42", 42, false, "Correct Ans = %1 | 3", "Correct!"},
                {"41", 42, false, "Wrong Ans = %1 | 6", "Wrong! Answer is %1 | 42"},
                {"42", 42, true, "Correct Ans = %1 | 3", std::nullopt},
                {"7", 42, true, "Wrong Ans = %1 | 6", std::nullopt},
                {" 4 2.0", 42, false, "Correct Ans = %1 | 3", "Correct!"},
                {"42.5", 42, false, "Wrong Ans = %1 | 6", "Wrong! Answer is %1 | 42"},
                {"", 0, false, "Correct Ans = %1 | 3", "Correct!"},  // an empty box reads as 0
                {"2147483646.999", 2147483647, true, "Wrong Ans = %1 | 6", std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("typed '") + row.typed + "', answer " +
                     std::to_string(row.answer));
        TestState state;
        state.answer = row.answer;
        state.summaryOnly = row.summaryOnly;
        state.correctCount = 2;
        state.wrongCount = 5;
        const Verdict verdict = judgeAnswer(state, row.typed);
        EXPECT_EQ(verdict.correct, std::string(row.counterCaption).starts_with("Correct"));
        EXPECT_EQ(said(verdict.counterCaption), row.counterCaption);
        EXPECT_EQ(verdict.message ? std::optional(said(*verdict.message)) : std::nullopt,
                  row.message);
        EXPECT_EQ(state.correctCount + state.wrongCount, 8);
    }
}

TEST(AverageTimeCaption, DividesTheTimeByTheAnswers) {
    const struct {
        std::int64_t seconds, correct, wrong;
        const char* caption;
    } rows[] = {{7, 1, 1, "T/Q %1 S | 3.5"},
                {10, 2, 1, "T/Q %1 S | 3.33"},
                {1, 5, 3, "T/Q %1 S | .13"},
                {0, 1, 0, "T/Q %1 S | ."},
                {35, 0, 0, "T/Q %1 S | ."}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        TestState state;
        state.elapsedSec = row.seconds;
        state.correctCount = row.correct;
        state.wrongCount = row.wrong;
        EXPECT_EQ(said(averageTimeCaption(state)), row.caption);
    }
}

TEST(Scoring, CountsPastSixteenBitsAndResets) {
    TestState state;
    state.answer = 5;
    for (int i = 0; i < 40000; ++i) {
        judgeAnswer(state, i % 2 == 0 ? "5" : "6");
    }
    EXPECT_EQ(said(judgeAnswer(state, "6").counterCaption), "Wrong Ans = %1 | 20001");
    for (int second = 0; second < 10 * 3600; ++second) {
        tick(state);
    }
    EXPECT_EQ(said(averageTimeCaption(state)), "T/Q %1 S | .9");

    state.correctCount = state.elapsedSec = INT64_MAX;  // only a damaged state gets here
    tick(state);
    EXPECT_EQ(said(judgeAnswer(state, "5").counterCaption),
              "Correct Ans = %1 | 9223372036854775807");

    resetCounters(state);
    EXPECT_EQ(state.elapsedSec + state.correctCount + state.wrongCount, 0);
    EXPECT_EQ(state.answer, 5);
}

}  // namespace
}  // namespace calquin::engine
