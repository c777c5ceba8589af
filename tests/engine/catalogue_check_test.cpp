// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/catalogue_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "fake_random.h"

namespace calquin::engine {
namespace {

using catalogue::Record;

std::vector<Record> plusRecords(int count) {
    std::vector<Record> records;
    for (int i = 0; i < count; ++i) {
        records.push_back({"Item " + std::to_string(i), "2", "1", "+", i + 1});
    }
    return records;
}

std::vector<Record> withRecord(std::vector<Record> records, int at, Record record) {
    records.at(static_cast<std::size_t>(at)) = std::move(record);
    return records;
}

struct CheckCase {
    const char* name;
    std::vector<Record> records;
    int type;  // the row looked at
    int row;
    bool empty;
    int line;
    const char* refusal;  // nullptr: the row can be started
    bool semicolons;
    std::optional<int> operatorType;
    int items;
    int startable;

    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
};

class ChecksEveryRow : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ChecksEveryRow, AsTheWindowWouldStartIt) {
    const CheckCase& c = GetParam();
    testing::SeededRandom random(7);
    const CatalogueCheck check = checkCatalogue(c.records, random);
    const RowCheck& row =
        check.rows[static_cast<std::size_t>(c.type)][static_cast<std::size_t>(c.row)];
    EXPECT_EQ(row.record, 10 * c.type + c.row);
    EXPECT_EQ(row.empty, c.empty);
    EXPECT_EQ(row.line, c.line);
    if (c.refusal) {
        ASSERT_TRUE(row.refusal.has_value());
        EXPECT_NE(std::string(row.refusal->english).find(c.refusal), std::string::npos)
            << row.refusal->english;
        EXPECT_EQ(row.example, Question{});
    } else {
        EXPECT_FALSE(row.refusal.has_value()) << row.refusal->english;
    }
    EXPECT_EQ(row.semicolons, c.semicolons);
    EXPECT_EQ(row.operatorType, c.operatorType);
    EXPECT_EQ(check.items, c.items);
    EXPECT_EQ(check.startable, c.startable);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, ChecksEveryRow,
    ::testing::Values(
        CheckCase{"good_item", plusRecords(40), 0, 3, false, 4, nullptr, false, {}, 40, 40},
        CheckCase{"row_the_file_lacks", plusRecords(5), 0, 7, true, 0, nullptr, false, {}, 5, 5},
        CheckCase{"type_the_file_lacks", plusRecords(5), 3, 0, true, 0, nullptr, false, {}, 5, 5},
        CheckCase{"record_of_four_empty_fields_is_an_empty_row",
                  withRecord(plusRecords(12), 11, {"", "", "", "", 30}),
                  1,
                  1,
                  true,
                  30,
                  nullptr,
                  false,
                  {},
                  11,
                  11},
        CheckCase{"text_without_counts_or_sign",
                  withRecord(plusRecords(3), 2, {"Just a title", "", "", "", 3}),
                  0,
                  2,
                  false,
                  3,
                  "holds no item",
                  false,
                  {},
                  3,
                  2},
        CheckCase{"unknown_operator",
                  withRecord(plusRecords(10), 4, {"Times", "2", "2", "x", 9}),
                  0,
                  4,
                  false,
                  9,
                  "operator must be exactly",
                  false,
                  {},
                  10,
                  9},
        CheckCase{"digit_count_out_of_range",
                  withRecord(plusRecords(10), 0, {"Huge", "12", "1", "+", 1}),
                  0,
                  0,
                  false,
                  1,
                  "from 1 to 9",
                  false,
                  {},
                  10,
                  9},
        CheckCase{"subtraction_with_a_longer_second_number",
                  withRecord(plusRecords(20), 15, {"Minus", "1", "3", "-", 16}),
                  1,
                  5,
                  false,
                  16,
                  "must not have fewer digits",
                  false,
                  {},
                  20,
                  19},
        CheckCase{"product_too_large",
                  withRecord(plusRecords(30), 29, {"Big", "6", "6", "*", 30}),
                  2,
                  9,
                  false,
                  30,
                  "too large",
                  false,
                  {},
                  30,
                  29},
        CheckCase{"operator_of_another_type_is_mentioned_not_refused",
                  withRecord(plusRecords(10), 6, {"Times in addition", "2", "1", "*", 7}), 0, 6,
                  false, 7, nullptr, false, 2, 10, 10},
        CheckCase{"semicolon_separated_line",
                  withRecord(plusRecords(10), 1,
                             {"2-digit plus 1-digit;2;1;+", "x;1;1;+", "y", "z;1;1;+", 2}),
                  0,
                  1,
                  false,
                  2,
                  "operator must be exactly",
                  true,
                  {},
                  10,
                  9},
        CheckCase{"semicolon_inside_an_ordinary_text_is_no_hint",
                  withRecord(plusRecords(10), 1, {"Add; then check", "2", "1", "+", 2}),
                  0,
                  1,
                  false,
                  2,
                  nullptr,
                  false,
                  {},
                  10,
                  10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChecksEveryRow, DrawsOneQuestionForEachItemThatCanStart) {
    testing::SeededRandom random(3);
    const std::vector<Record> records = {{"Plus", "2", "1", "+", 1}, {"Over", "2", "1", "/", 2}};
    const CatalogueCheck check = checkCatalogue(records, random);
    const std::string plus = check.rows[0][0].example.caption();
    const std::string over = check.rows[0][1].example.caption();
    EXPECT_TRUE(std::regex_match(plus, std::regex("[1-9][0-9] \\+ [1-9]"))) << plus;
    EXPECT_TRUE(std::regex_match(over, std::regex("[1-9][0-9] / [2-9]"))) << over;
    EXPECT_EQ(random.reseeds, 2);
}

TEST(ChecksEveryRow, NamesRecordsBeyondTheListsAsUnlisted) {
    testing::SeededRandom random(3);
    const CatalogueCheck check = checkCatalogue(plusRecords(43), random);
    const std::vector<UnlistedRecord> expected = {
        {40, 41, "Item 40"}, {41, 42, "Item 41"}, {42, 43, "Item 42"}};
    EXPECT_EQ(check.unlisted, expected);
    EXPECT_EQ(check.items, 40);
}

struct RunsCase {
    const char* name;
    std::vector<Record> records;
    std::vector<ReportedRows> expected;  // of the first test type

    friend void PrintTo(const RunsCase& c, std::ostream* os) { *os << c.name; }
};

class JoinsEmptyRows : public ::testing::TestWithParam<RunsCase> {};

TEST_P(JoinsEmptyRows, OnlyWhereTheFileLacksThem) {
    testing::SeededRandom random(5);
    const CatalogueCheck check = checkCatalogue(GetParam().records, random);
    EXPECT_EQ(reportedRows(check.rows[0]), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, JoinsEmptyRows,
                         ::testing::Values(RunsCase{"no_records_is_one_run", {}, {{0, 9}}},
                                           RunsCase{"items_stand_alone_and_the_rest_is_a_run",
                                                    plusRecords(3),
                                                    {{0, 0}, {1, 1}, {2, 2}, {3, 9}}},
                                           RunsCase{"empty_records_in_the_file_keep_their_lines",
                                                    withRecord(withRecord(plusRecords(3), 1,
                                                                          {"", "", "", "", 2}),
                                                               2, {"", "", "", "", 3}),
                                                    {{0, 0}, {1, 1}, {2, 2}, {3, 9}}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calquin::engine
