// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "state/item_table.h"

namespace calquin {

// The variables that the window's handlers share while a pupil works through a drill. It starts
// zeroed with the window and lives as long as it; nothing of it is saved.
struct TestState {
    // Index of the chosen test type, 0 to 3. Unset until the pupil picks one; it then counts as 0.
    std::optional<int> testType;
    bool summaryOnly = false;
    std::int32_t answer = 0;

    // A classroom test can run for hours and thousands of answers; 64 bits keep every count and
    // the running time exact for far longer than any pupil sits at the screen.
    std::int64_t elapsedSec = 0;
    std::int64_t correctCount = 0;
    std::int64_t wrongCount = 0;

    std::int16_t digits1 = 0;
    std::int16_t digits2 = 0;
    std::string opSign;

    // The catalogue: entry n of each table holds one field of record n.
    ItemTable itemText;
    ItemTable itemDigits1;
    ItemTable itemDigits2;
    ItemTable itemOp;

    int testTypeOrZero() const { return testType.value_or(0); }
};

}  // namespace calquin
