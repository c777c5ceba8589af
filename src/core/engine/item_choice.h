// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/phrase.h"
#include "state/test_state.h"

namespace calquin::engine {

// Why questions cannot be drawn for these digit counts and this operator, or nothing when they can.
// An item can be started when its operator is exactly "+", "-", "*" or "/", both digit counts are 1
// to 9, for "-" and "/" the first count is not below the second (otherwise no pair qualifies and
// drawing would never end), and the largest possible answer fits a 32-bit signed integer.
std::optional<Text> startRefusal(int digits1, int digits2, std::string_view opSign);

// Starts a test with catalogue record `record`: reads its digit counts as numbers rounded half to
// even, and when the item can be started stores digits1, digits2 and opSign and returns nothing.
// Otherwise the state is left as it was and the reason, worded for the pupil or teacher, is
// returned.
std::optional<Text> chooseItem(TestState& state, int record);

}  // namespace calquin::engine
