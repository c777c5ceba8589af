// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fault_case.h"

namespace calquin::catalogue {
namespace {

using namespace std::string_literals;

std::string records(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "\"Item " + std::to_string(i) + "\",2,1,+\n";
    }
    return text;
}

struct ReadCase {
    const char* name;
    std::string input;
    std::vector<Record> expected;
    Separator separator = Separator::Comma;

    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ReadsWellFormedFiles : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadsWellFormedFiles, IntoTheExpectedRecords) {
    const auto result = readCatalogue(GetParam().input);
    ASSERT_TRUE(std::holds_alternative<std::vector<Record>>(result))
        << std::get<ReadError>(result).what.english;
    const auto& records = std::get<std::vector<Record>>(result);
    EXPECT_EQ(records, GetParam().expected);
    for (const Record& record : records) {
        EXPECT_EQ(record.separator, GetParam().separator) << record.itemText;
    }
}

const Record kPlus{"2-digit plus 1-digit", "2", "1", "+"};
const Record kMinus{"Take away", "2", "2", "-"};

INSTANTIATE_TEST_SUITE_P(
    Catalogue, ReadsWellFormedFiles,
    testing::Values(
        ReadCase{"one_record_per_line",
                 "2-digit plus 1-digit,2,1,+\nTake away,2,2,-\n",
                 {kPlus, kMinus}},
        ReadCase{"quoted_text_keeps_its_commas",
                 "\"Add, then check, your sums\",2,1,+\n",
                 {{"Add, then check, your sums", "2", "1", "+"}}},
        ReadCase{"record_spanning_lines", "2-digit plus 1-digit\n2\n1\n+\n", {kPlus}},
        ReadCase{"two_records_on_one_line",
                 "2-digit plus 1-digit,2,1,+,Take away,2,2,-\n",
                 {kPlus, kMinus}},
        ReadCase{
            "crlf_line_ends", "2-digit plus 1-digit,2,1,+\r\nTake away,2,2,-\r\n", {kPlus, kMinus}},
        ReadCase{
            "lone_cr_line_ends", "2-digit plus 1-digit,2,1,+\rTake away,2,2,-\r", {kPlus, kMinus}},
        ReadCase{"last_line_without_line_end",
                 "2-digit plus 1-digit,2,1,+\nTake away,2,2,-",
                 {kPlus, kMinus}},
        ReadCase{"byte_order_mark_skipped",
                 "\xEF\xBB\xBF"
                 "2-digit plus 1-digit,2,1,+\n",
                 {kPlus}},
        ReadCase{"blank_lines_are_not_records",
                 "\n\n2-digit plus 1-digit,2,1,+\n   \n\t\nTake away,2,2,-\n\n\r\n\n",
                 {kPlus, kMinus}},
        ReadCase{"blanks_around_unquoted_fields_dropped",
                 "  2-digit plus 1-digit  ,\t2 , 1 ,+   \n",
                 {kPlus}},
        ReadCase{"blanks_inside_quotes_kept",
                 "\"  spaced  \" , 2,1,+\n",
                 {{"  spaced  ", "2", "1", "+"}}},
        ReadCase{"operator_with_blank_inside_quotes_kept",
                 "Odd,2,1,\" +\"\n",
                 {{"Odd", "2", "1", " +"}}},
        ReadCase{"empty_fields_after_commas", ",2,1,+\n", {{"", "2", "1", "+"}}},
        ReadCase{"quoted_text_over_two_lines",
                 "\"First\nSecond\",1,1,*\n",
                 {{"First\nSecond", "1", "1", "*"}}},
        ReadCase{"windows_1252_text_decoded",
                 "Caf\xE9 sums \x80,1,1,+\n",
                 {{"Caf\xC3\xA9 sums \xE2\x82\xAC", "1", "1", "+"}}},
        ReadCase{
            "utf8_text_kept", "Caf\xC3\xA9 sums,1,1,+\n", {{"Caf\xC3\xA9 sums", "1", "1", "+"}}},
        ReadCase{"empty_file", "", {}}, ReadCase{"only_blank_lines", "\n  \r\n\t\n", {}},
        // Spreadsheets save "CSV" with semicolons, quoting a field only where it needs it.
        ReadCase{"spreadsheet_semicolons",
                 "Drei mal eins;1;1;*\r\n\"Plus; bis 20\";2;1;+\r\n\"Erst\nDann\";1;1;-\r\n",
                 {{"Drei mal eins", "1", "1", "*"},
                  {"Plus; bis 20", "2", "1", "+"},
                  {"Erst\nDann", "1", "1", "-"}},
                 Separator::Semicolon},
        ReadCase{"spreadsheet_quote_written_twice",
                 "\"Sag \"\"gleich\"\"\";1;1;+\n",
                 {{"Sag \"gleich\"", "1", "1", "+"}},
                 Separator::Semicolon},
        ReadCase{"spreadsheet_text_with_a_comma",
                 "Plus, bis 20;2;1;+\nMal;1;1;*\n",
                 {{"Plus, bis 20", "2", "1", "+"}, {"Mal", "1", "1", "*"}},
                 Separator::Semicolon},
        ReadCase{"spreadsheet_file_that_commas_read_as_one_record",
                 "A;2;1;+\nB;2;1;+\nC;2;1;+\nD;2;1;+\n",
                 {{"A", "2", "1", "+"},
                  {"B", "2", "1", "+"},
                  {"C", "2", "1", "+"},
                  {"D", "2", "1", "+"}},
                 Separator::Semicolon},
        ReadCase{"spreadsheet_windows_1252",
                 "Caf\xE9;1;1;+\n",
                 {{"Caf\xC3\xA9", "1", "1", "+"}},
                 Separator::Semicolon},
        // A file in which commas give even one item is read as it always was.
        ReadCase{"comma_file_whose_texts_hold_three_semicolons",
                 "a;b;c;d,2,1,+\nw;x;y;z,1,1,-\n",
                 {{"a;b;c;d", "2", "1", "+"}, {"w;x;y;z", "1", "1", "-"}}},
        ReadCase{"comma_file_with_quoted_semicolons",
                 "\"Add; then; check; it\",2,1,+\n",
                 {{"Add; then; check; it", "2", "1", "+"}}},
        ReadCase{"semicolon_lines_after_a_comma_item",
                 "Plus,2,1,+\nA;2;1;+\nB;2;1;+\nC;2;1;+\nD;2;1;+\n",
                 {{"Plus", "2", "1", "+"}, {"A;2;1;+", "B;2;1;+", "C;2;1;+", "D;2;1;+"}}},
        ReadCase{"a_fifth_semicolon_field_is_no_spreadsheet_record",
                 "A;1;1;+;\nB;1;1;+\nC;1;1;+\nD;1;1;+\n",
                 {{"A;1;1;+;", "B;1;1;+", "C;1;1;+", "D;1;1;+"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadsWellFormedFiles, HoldsUpToOneHundredAndOneRecords) {
    for (const int count : {5, 40, 101}) {
        SCOPED_TRACE(count);
        const auto result = readCatalogue(records(count));
        ASSERT_TRUE(std::holds_alternative<std::vector<Record>>(result));
        const auto& read = std::get<std::vector<Record>>(result);
        ASSERT_EQ(read.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(read.back().itemText, "Item " + std::to_string(count - 1));
    }
}

TEST_P(RefusesBadFiles, NamingTheLineAndTheFault) {
    const auto result = readCatalogue(GetParam().input);
    ASSERT_TRUE(std::holds_alternative<ReadError>(result));
    expectFault(std::get<ReadError>(result), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RefusesBadFiles,
    testing::Values(
        FaultCase{"record_102", records(101) + "Extra,1,1,+\n", {102, 1, "record number 102"}},
        FaultCase{"record_cut_short_after_two_fields",
                  records(2) + "\nShort,2\n",
                  {4, 0, "the second digit count and the operator sign are missing"}},
        FaultCase{"record_cut_short_before_operator",
                  "Short,2,1",
                  {1, 0, "the operator sign is missing"}},
        FaultCase{
            "unquoted_comma_splits_the_text", "Add, then check,2,1,+\n", {1, 0, "are missing"}},
        FaultCase{
            "quote_left_open", "Fine,1,1,+\n  \"Never closed,2,1,+\n", {2, 3, "never closed"}},
        FaultCase{"quote_written_twice_with_commas",
                  "\"Say \"\"now\"\"\",1,1,+\n",
                  {1, 7, "text follows the closing quote"}},
        FaultCase{"text_after_closing_quote",
                  "\"Quoted\" tail,2,1,+\n",
                  {1, 10, "text follows the closing quote"}},
        FaultCase{"nul_byte", "Fine,1,1,+\r\nBad\0,1,1,+\n"s, {2, 4, "NUL byte"}},
        FaultCase{"commas_after_semicolons",
                  "Drei mal eins;1;1;*\n\nTitle\nPlus,2,1,+\n",
                  {4, 0, "with commas, but the lines above it use semicolons"}},
        FaultCase{"semicolons_after_commas",
                  "Plus,2,1,+\nMal;1;1;*\n",
                  {2, 0, "with semicolons, but the lines above it use commas"}},
        FaultCase{"record_102_with_semicolons",
                  [] {
                      std::string text;
                      for (int i = 0; i < 102; ++i) {
                          text += "Item;2;1;+\n";
                      }
                      return text;
                  }(),
                  {102, 1, "record number 102"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A check of the file points the teacher at the line where each record begins, whatever the
// layout; the lines are not part of what makes two records equal.
struct LinesCase {
    const char* name;
    std::string input;
    std::vector<int> lines;

    friend void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }
};

class KnowsWhereRecordsStart : public testing::TestWithParam<LinesCase> {};

TEST_P(KnowsWhereRecordsStart, ByTheLineOfTheirFirstField) {
    const auto result = readCatalogue(GetParam().input);
    ASSERT_TRUE(std::holds_alternative<std::vector<Record>>(result))
        << std::get<ReadError>(result).what.english;
    std::vector<int> lines;
    for (const Record& record : std::get<std::vector<Record>>(result)) {
        lines.push_back(record.line);
    }
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, KnowsWhereRecordsStart,
    testing::Values(LinesCase{"one_record_per_line", "A,1,1,+\nB,1,1,+\nC,1,1,+\n", {1, 2, 3}},
                    LinesCase{"after_blank_lines", "\n\nA,1,1,+\n\r\n\nB,1,1,+", {3, 6}},
                    LinesCase{"record_spanning_lines", "A\n1\n1\n+\nB,1,1,+\n", {1, 5}},
                    LinesCase{"two_records_on_one_line", "A,1,1,+,B,1,1,+\nC,1,1,+\n", {1, 1, 2}},
                    LinesCase{"quoted_text_over_lines", "\"A\nstill A\",1,1,+\nB,1,1,+\n", {1, 3}},
                    LinesCase{"lone_cr_line_ends", "A,1,1,+\rB,1,1,+\r", {1, 2}},
                    LinesCase{"first_field_after_blanks", "   A,1,1,+\n\tB,1,1,+\n", {1, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calquin::catalogue
