// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/phrase.h"
#include "state/test_state.h"

namespace calquin::engine {

struct Verdict {
    bool correct = false;
    // The new caption of the counter that changed: "Correct Ans = 3" or "Wrong Ans = 2".
    Phrase counterCaption;
    // "Correct!" or "Wrong! Answer is 42"; nothing in summary mode.
    std::optional<Phrase> message;
};

// Judges a typed answer against the question on screen and counts it. The typed text is read as a
// leading number and must equal the answer exactly, so "42.0" and "4 2" are right and "42.5" is
// wrong.
Verdict judgeAnswer(TestState& state, std::string_view typed);

// "T/Q " and the average number of seconds per answered question, e.g. "T/Q 3.33 S". Before the
// first answer the average counts as 0.
Phrase averageTimeCaption(const TestState& state);

// One second of test time has passed.
void tick(TestState& state);

// Zeroes the test time and both counts, as leaving a test does.
void resetCounters(TestState& state);

}  // namespace calquin::engine
