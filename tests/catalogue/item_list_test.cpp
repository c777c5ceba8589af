// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/item_list.h"

#include <gtest/gtest.h>

#include <string>

namespace calquin::catalogue {
namespace {

TestState stateWith(int recordCount) {
    std::vector<Record> records;
    for (int i = 0; i < recordCount; ++i) {
        records.push_back({"Item " + std::to_string(i), "1", "1", "+"});
    }
    TestState state;
    storeRecords(state, records);
    return state;
}

std::vector<std::string> strings(auto rows) {
    return {rows.begin(), rows.end()};
}

std::vector<std::string> items(int first, int count, int blanks = 0) {
    std::vector<std::string> out;
    for (int i = first; i < first + count; ++i) {
        out.push_back("Item " + std::to_string(i));
    }
    out.resize(out.size() + static_cast<std::size_t>(blanks));
    return out;
}

TEST(ItemList, LoadShowsOnlyTheRecordsTheFileHolds) {
    EXPECT_EQ(strings(rowsAtLoad(stateWith(5), 5)), items(0, 5));
    EXPECT_EQ(strings(rowsAtLoad(stateWith(40), 40)), items(0, 10));
    EXPECT_TRUE(rowsAtLoad(stateWith(0), 0).empty());
}

TEST(ItemList, ChoosingATypeAlwaysGivesTenRows) {
    struct Case {
        int records, type;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {40, 3, items(30, 10)},  {40, 0, items(0, 10)},   {5, 0, items(0, 5, 5)},
        {5, 1, items(0, 0, 10)}, {101, 3, items(30, 10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.records << " records, type " << c.type);
        auto state = stateWith(c.records);
        EXPECT_EQ(strings(chooseTestType(state, c.type)), c.rows);
        EXPECT_EQ(state.testType, c.type);
    }
}

TEST(ItemList, RowsMapToRecordsOfTheChosenType) {
    TestState state;
    EXPECT_EQ(recordForRow(state, 3), 3) << "no type chosen counts as type 0";
    chooseTestType(state, 2);
    EXPECT_EQ(recordForRow(state, 3), 23);
}

TEST(ItemTable, IndexesOutsideTheTableAreInert) {
    ItemTable table;
    EXPECT_TRUE(table.set(100, "last"));
    EXPECT_FALSE(table.set(101, "past the end"));
    EXPECT_FALSE(table.set(-1, "before the start"));
    EXPECT_EQ(table.at(100), "last");
    EXPECT_EQ(table.at(101), "");
    EXPECT_EQ(table.at(-1), "");
}

}  // namespace
}  // namespace calquin::catalogue
