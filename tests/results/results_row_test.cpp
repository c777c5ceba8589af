// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_row.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "results/results_file.h"
#include "results/results_reader.h"

namespace calquin::results {
namespace {

struct RowCase {
    const char* name;
    std::string item;
    std::string question;
    std::string answer;
    bool correct;
    std::int64_t centiseconds;
    std::string line;  // as stored, after the time, pupil and computer
};

void PrintTo(const RowCase& c, std::ostream* out) {
    *out << c.name;
}

class Rows : public testing::TestWithParam<RowCase> {};

// The row is stored as the case says, and reads back as exactly what was typed.
TEST_P(Rows, AreStoredSafelyAndReadBackAsTyped) {
    const RowCase& c = GetParam();
    const AnswerRow row{"2026-12-08T09:15:02+01:00",
                        "anna",
                        "pc-12",
                        c.item,
                        c.question,
                        c.answer,
                        c.correct,
                        c.centiseconds};
    const std::string line = formatRow(row);
    EXPECT_EQ(line, "2026-12-08T09:15:02+01:00,anna,pc-12," + c.line + "\r\n");

    std::vector<AnswerRow> read;
    const auto outcome = readResults(std::string(kHeader) + "\r\n" + line, [&](const RowView& r) {
        read.push_back({std::string(r.time), std::string(r.pupil), std::string(r.computer),
                        std::string(r.item), std::string(r.question), std::string(r.answer),
                        r.correct, r.centiseconds});
    });
    EXPECT_EQ(outcome.skipped, 0);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0], row);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Rows,
    testing::Values(
        RowCase{"right", "Addition", "37 + 8", "45", true, 327, "Addition,37 + 8,45,1,3.27"},
        RowCase{"wrong", "Addition", "37 + 8", "44", false, 1205, "Addition,37 + 8,44,0,12.05"},
        RowCase{"empty_box", "Addition", "45 - 45", "", true, 0, "Addition,45 - 45,,1,0.00"},
        RowCase{"blank_between_digits", "A", "7 + 5", "1 2", true, 99, "A,7 + 5,1 2,1,0.99"},
        RowCase{"decimal_comma_is_quoted", "A", "7 + 5", "12,0", true, 100,
                "A,7 + 5,\"12,0\",1,1.00"},
        RowCase{"word", "A", "7 + 5", "twelve", false, 100, "A,7 + 5,twelve,0,1.00"},
        RowCase{"negative_answer", "A", "7 + 5", "-12", false, 100, "A,7 + 5,'-12,0,1.00"},
        RowCase{"formula", "A", "1 + 1", "=1+1", false, 100, "A,1 + 1,'=1+1,0,1.00"},
        RowCase{"plus_formula", "A", "1 + 1", "+3-1", true, 100, "A,1 + 1,'+3-1,1,1.00"},
        RowCase{"at_sign", "A", "1 + 1", "@x", false, 100, "A,1 + 1,'@x,0,1.00"},
        RowCase{"leading_tab", "A", "1 + 1", "\t2", true, 100, "A,1 + 1,\"'\t2\",1,1.00"},
        // Split at semicolons or tabs, or trimmed, a spreadsheet starts a cell in the middle.
        RowCase{"formula_after_semicolon", "A", "1 + 1", "1;=1+1", false, 100,
                "A,1 + 1,\"' 1;'=1+1\",0,1.00"},
        RowCase{"formula_after_tab_and_spaces", "A", "1 + 1", "1\t  @x", false, 100,
                "A,1 + 1,\"' 1\t  '@x\",0,1.00"},
        RowCase{"formula_after_leading_spaces", "A", "1 + 1", " =1+1", false, 100,
                "A,1 + 1,\"'  =1+1\",0,1.00"},
        RowCase{"apostrophe_after_semicolon_kept", "A", "1 + 1", "=1;'x", false, 100,
                "A,1 + 1,\"' =1;''x\",0,1.00"},
        RowCase{"semicolon_before_plain_text_only_quoted", "Tens; units", "1 + 1", "2;3", true, 100,
                "\"Tens; units\",1 + 1,\"2;3\",1,1.00"},
        RowCase{"trailing_space_quoted", "A", "1 + 1", "2 ", true, 100, "A,1 + 1,\"2 \",1,1.00"},
        RowCase{"typed_apostrophe_kept", "A", "1 + 1", "'=2", false, 100, "A,1 + 1,''=2,0,1.00"},
        RowCase{"lone_apostrophe", "A", "1 + 1", "'", false, 100, "A,1 + 1,'',0,1.00"},
        RowCase{"apostrophe_before_text", "A", "1 + 1", "'two", false, 100, "A,1 + 1,''two,0,1.00"},
        RowCase{"formula_with_comma", "A", "1 + 1", "=SUM(1,1)", false, 100,
                "A,1 + 1,\"'=SUM(1,1)\",0,1.00"},
        RowCase{"comma_in_item", "Tens, then units", "7 + 5", "12", true, 100,
                "\"Tens, then units\",7 + 5,12,1,1.00"},
        RowCase{"quotes_in_item", "The \"hard\" ones", "7 + 5", "12", true, 100,
                "\"The \"\"hard\"\" ones\",7 + 5,12,1,1.00"},
        RowCase{"line_break_in_item", "Two\nlines", "7 + 5", "12", true, 100,
                "\"Two\nlines\",7 + 5,12,1,1.00"},
        RowCase{"utf8_text", "Multiplikation über 10", "6 * 8", "48", true, 100,
                "Multiplikation über 10,6 * 8,48,1,1.00"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StoredCase {
    const char* name;
    std::string stored;  // the answer's field as version 1.2.0 wrote it
    std::string answer;
};

void PrintTo(const StoredCase& c, std::ostream* out) {
    *out << c.name;
}

class OlderFiles : public testing::TestWithParam<StoredCase> {};

// Files already on a teacher's disk read as they always did.
TEST_P(OlderFiles, ReadAsBefore) {
    const StoredCase& c = GetParam();
    std::string answer = "(none)";
    readResults(std::string(kHeader) + "\r\n2026-12-08T09:15:02+01:00,anna,pc,A,1 + 1," + c.stored +
                    ",0,1.00\r\n",
                [&](const RowView& r) { answer = r.answer; });
    EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(Table, OlderFiles,
                         testing::Values(StoredCase{"formula", "'=1+1", "=1+1"},
                                         StoredCase{"typed_apostrophe", "''=2", "'=2"},
                                         StoredCase{"semicolon_then_formula", "1;=1+1", "1;=1+1"},
                                         StoredCase{"semicolon_then_apostrophe", "1;'=2", "1;'=2"},
                                         StoredCase{"quoted_with_comma", "\"1,2;'=3\"", "1,2;'=3"},
                                         StoredCase{"leading_space", " =1", " =1"},
                                         StoredCase{"leading_tab", "'\t2", "\t2"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct NameCase {
    const char* name;
    std::string pupil;
    std::string computer;
    std::string file;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.name;
}

class FileNames : public testing::TestWithParam<NameCase> {};

TEST_P(FileNames, StayInTheFolderAndNameThePupilAndComputer) {
    const NameCase& c = GetParam();
    EXPECT_EQ(resultsFileName(c.pupil, c.computer), c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileNames,
    testing::Values(
        NameCase{"plain", "anna", "pc-12", "anna@pc-12.csv"},
        NameCase{"dots_and_underscores", "anna.b_c", "pc.school", "anna.b_c@pc.school.csv"},
        NameCase{"slash_escaped", "../../etc/x", "pc", "%2E.%2F..%2Fetc%2Fx@pc.csv"},
        NameCase{"backslash_and_colon", "a\\b:c", "pc", "a%5Cb%3Ac@pc.csv"},
        NameCase{"at_sign_escaped_so_names_stay_apart", "a@b", "c", "a%40b@c.csv"},
        NameCase{"percent_escaped", "a%40b", "c", "a%2540b@c.csv"},
        NameCase{"leading_dot_never_hides", ".anna", "pc", "%2Eanna@pc.csv"},
        NameCase{"windows_reserved", "a<b>|?*\"", "pc", "a%3Cb%3E%7C%3F%2A%22@pc.csv"},
        NameCase{"beyond_ascii", "zoë", "pc", "zo%C3%AB@pc.csv"},
        // Windows devices: a device name, a dot and anything is the device.
        NameCase{"device_with_extension", "CON.x", "pc", "CON%2Ex@pc.csv"},
        NameCase{"device_any_case_first_dot_only", "nUl.tar.gz", "pc", "nUl%2Etar.gz@pc.csv"},
        NameCase{"numbered_device", "lpt1.b", "pc", "lpt1%2Eb@pc.csv"},
        NameCase{"device_alone_kept_by_at_sign", "aux", "pc", "aux@pc.csv"},
        NameCase{"longer_than_device", "COM10.x", "pc", "COM10.x@pc.csv"},
        NameCase{"device_as_computer_after_at_sign", "anna", "con.lan", "anna@con.lan.csv"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calquin::results
