// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/item_choice.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/digit_counts.h"
#include "engine/number_reading.h"
#include "engine/operators.h"
#include "state/item_table.h"

namespace calquin::engine {
namespace {

// The largest answer any question of a valid item can have: each operand at its own extreme.
std::int64_t largestAnswer(int digits1, int digits2, Operation operation) {
    const std::int64_t largest1 = powerOfTen(digits1) - 1;
    const std::int64_t largest2 = powerOfTen(digits2) - 1;
    const std::int64_t smallest2 = powerOfTen(digits2 - 1);
    switch (operation) {
        case Operation::Addition:
            return largest1 + largest2;
        case Operation::Subtraction:
            return largest1 - smallest2;
        case Operation::Multiplication:
            return largest1 * largest2;
        case Operation::Division:
            break;
    }
    return largest1 / std::max<std::int64_t>(2, smallest2);
}

// A digit count as the catalogue gives it: the leading number, rounded to the nearest whole
// number with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4). Counts that cannot be
// valid come out as 0, so that huge or infinite values never reach an integer conversion.
int readDigitCount(std::string_view text) {
    const double value = readLeadingNumber(text);
    double rounded = std::round(value);
    if (std::abs(value - std::trunc(value)) == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
        rounded -= std::copysign(1.0, value);
    }
    if (!(rounded >= kMinDigits && rounded <= kMaxDigits)) {
        return 0;
    }
    return static_cast<int>(rounded);
}

}  // namespace

std::optional<Text> startRefusal(int digits1, int digits2, std::string_view opSign) {
    const Operator* op = findOperator(opSign);
    if (op == nullptr) {
        return translatable(
            "ItemChoice",
            "This item cannot be started: its operator must be exactly +, -, * or /.");
    }
    if (digits1 < kMinDigits || digits1 > kMaxDigits || digits2 < kMinDigits ||
        digits2 > kMaxDigits) {
        return translatable("ItemChoice",
                            "This item cannot be started: both digit counts must be from 1 to 9.");
    }
    const bool shrinks =
        op->operation == Operation::Subtraction || op->operation == Operation::Division;
    if (shrinks && digits1 < digits2) {
        return translatable(
            "ItemChoice",
            "This item cannot be started: for - and / the first number must not have fewer "
            "digits than the second.");
    }
    if (largestAnswer(digits1, digits2, op->operation) > std::numeric_limits<std::int32_t>::max()) {
        return translatable(
            "ItemChoice", "This item cannot be started: its answers could be too large to check.");
    }
    return std::nullopt;
}

std::optional<Text> chooseItem(TestState& state, int record) {
    if (!ItemTable::contains(record) ||
        (state.itemDigits1.at(record).empty() && state.itemDigits2.at(record).empty() &&
         state.itemOp.at(record).empty())) {
        return translatable("ItemChoice", "This row of the list holds no item.");
    }
    const int digits1 = readDigitCount(state.itemDigits1.at(record));
    const int digits2 = readDigitCount(state.itemDigits2.at(record));
    const std::string_view opSign = state.itemOp.at(record);
    if (auto refusal = startRefusal(digits1, digits2, opSign)) {
        return refusal;
    }
    state.digits1 = static_cast<std::int16_t>(digits1);
    state.digits2 = static_cast<std::int16_t>(digits2);
    state.opSign = std::string(opSign);
    return std::nullopt;
}

}  // namespace calquin::engine
