// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "state/test_state.h"

namespace calquin::catalogue {

// Each test type lists ten items: type t shows records 10 t to 10 t + 9.
inline constexpr int kRowsPerType = 10;
inline constexpr int kTestTypes = 4;

// Copies record n into entry n of the four item tables. The reader never returns more records
// than the tables hold.
void storeRecords(TestState& state, const std::vector<Record>& records);

// The rows the item list starts with: the first ten records the file holds, and no empty rows
// for records it lacks.
std::vector<std::string_view> rowsAtLoad(const TestState& state, std::size_t recordCount);

// Chooses test type k and returns its ten rows; rows for records the file lacks are empty.
std::array<std::string_view, kRowsPerType> chooseTestType(TestState& state, int k);

// The catalogue record behind row `row` of the list for the chosen test type.
int recordForRow(const TestState& state, int row);

}  // namespace calquin::catalogue
