// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/item_list.h"

#include <algorithm>

namespace calquin::catalogue {

void storeRecords(TestState& state, const std::vector<Record>& records) {
    for (std::size_t i = 0; i < records.size() && ItemTable::contains(static_cast<int>(i)); ++i) {
        const int n = static_cast<int>(i);
        state.itemText.set(n, records[i].itemText);
        state.itemDigits1.set(n, records[i].digits1);
        state.itemDigits2.set(n, records[i].digits2);
        state.itemOp.set(n, records[i].opSign);
    }
}

std::vector<std::string_view> rowsAtLoad(const TestState& state, std::size_t recordCount) {
    std::vector<std::string_view> rows;
    const int shown = static_cast<int>(std::min<std::size_t>(recordCount, kRowsPerType));
    for (int n = 0; n < shown; ++n) {
        rows.push_back(state.itemText.at(n));
    }
    return rows;
}

std::array<std::string_view, kRowsPerType> chooseTestType(TestState& state, int k) {
    state.testType = k;
    std::array<std::string_view, kRowsPerType> rows;
    for (int j = 0; j < kRowsPerType; ++j) {
        rows[static_cast<std::size_t>(j)] = state.itemText.at(recordForRow(state, j));
    }
    return rows;
}

int recordForRow(const TestState& state, int row) {
    const long long record = static_cast<long long>(kRowsPerType) * state.testTypeOrZero() + row;
    // Anything outside the tables maps to -1, which every table reads as an empty entry.
    return ItemTable::contains(static_cast<int>(std::clamp(record, -1LL, 1LL * ItemTable::kSize)))
               ? static_cast<int>(record)
               : -1;
}

}  // namespace calquin::catalogue
