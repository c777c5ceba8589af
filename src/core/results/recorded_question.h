// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/operators.h"

namespace calquin::results {

// A recorded question read back: "56 : 7" is 56, the operator "/", 7.
struct RecordedQuestion {
    std::int64_t first = 0;
    const engine::Operator* op = nullptr;
    std::int64_t second = 0;

    // In the form the record keeps now, the catalogue's sign between plain decimal numbers:
    // "56 / 7".
    std::string text() const;
};

// Rows written by 1.2.0 hold the caption the pupil saw, in the pupil's language: the sign their
// schools write (+ - * / × · : ÷), their digits (Arabic-Indic ٠ to ٩ as well as ASCII) and, in a
// right-to-left window, the invisible marks that keep "37 + 8" in its order. Rows written since
// hold the catalogue's form. Both are read back to the same question; anything else (a damaged
// row, an item the program does not know) is nothing. Kept apart from the teacher's window's
// sums so that the drill's --report reads questions without loading them.
std::optional<RecordedQuestion> readRecordedQuestion(std::string_view recorded);

}  // namespace calquin::results
