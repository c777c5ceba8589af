// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/class_figures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

#include "results/results_row.h"
#include "results/system_file.h"

namespace calquin::results {
namespace {

using engine::Operation;

struct QuestionCase {
    const char* name;
    std::string recorded;
    std::optional<QuestionParts> parts;
};

void PrintTo(const QuestionCase& c, std::ostream* out) {
    *out << c.name;
}

class RecordedQuestions : public testing::TestWithParam<QuestionCase> {};

TEST_P(RecordedQuestions, ReadBackWhateverLanguageWroteThem) {
    EXPECT_EQ(parseQuestion(GetParam().recorded), GetParam().parts);
}

// The Arabic caption exactly as the window makes it: an isolate around the run and a
// left-to-right mark after every sign and blank.
const std::string kArabicDivision = "\u2066\u0665\u0666 \u200E\u00F7\u200E \u200E\u0667\u2069";

INSTANTIATE_TEST_SUITE_P(
    Table, RecordedQuestions,
    testing::Values(
        QuestionCase{"english_times", "7 * 8", QuestionParts{7, Operation::Multiplication, 8}},
        QuestionCase{"french_times", "7 × 8", QuestionParts{7, Operation::Multiplication, 8}},
        QuestionCase{"german_times", "7 · 8", QuestionParts{7, Operation::Multiplication, 8}},
        QuestionCase{"german_division", "56 : 7", QuestionParts{56, Operation::Division, 7}},
        QuestionCase{"brazilian_division", "56 ÷ 7", QuestionParts{56, Operation::Division, 7}},
        QuestionCase{"arabic_division", kArabicDivision, QuestionParts{56, Operation::Division, 7}},
        QuestionCase{"arabic_minus_with_marks",
                     "\u2066\u0661\u0665 \u200E-\u200E \u200E\u0667\u2069",
                     QuestionParts{15, Operation::Subtraction, 7}},
        QuestionCase{"more_digits_and_blanks", "  372 +\t48 ",
                     QuestionParts{372, Operation::Addition, 48}},
        QuestionCase{"no_blanks", "9-3", QuestionParts{9, Operation::Subtraction, 3}},
        QuestionCase{"nothing", "", std::nullopt},
        QuestionCase{"sign_missing", "7 8", std::nullopt},
        QuestionCase{"second_missing", "7 +", std::nullopt},
        QuestionCase{"two_signs", "7 + 8 + 1", std::nullopt},
        QuestionCase{"unknown_sign", "7 ^ 8", std::nullopt},
        QuestionCase{"words", "seven times eight", std::nullopt},
        QuestionCase{"negative_first", "-7 + 8", std::nullopt},
        QuestionCase{"nineteen_digits", "1234567890123456789 + 1", std::nullopt},
        QuestionCase{"overlong_digit", "7 * \xC0\xB8", std::nullopt},
        QuestionCase{"cut_utf8", std::string("7 \xC3", 3) + " 8", std::nullopt},
        QuestionCase{"mark_between_digits_kept_apart", "1\u200E2 + 3",
                     QuestionParts{12, Operation::Addition, 3}}));

struct CellCase {
    const char* name;
    QuestionParts question;
    std::optional<GridCell> cell;
};

void PrintTo(const CellCase& c, std::ostream* out) {
    *out << c.name;
}

class FactCells : public testing::TestWithParam<CellCase> {};

TEST_P(FactCells, SitByTheTwoNumbersThatMakeTheFact) {
    EXPECT_EQ(gridCell(GetParam().question), GetParam().cell);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FactCells,
    testing::Values(
        CellCase{"times", {7, Operation::Multiplication, 8}, GridCell{7, 8}},
        CellCase{"plus_zero", {0, Operation::Addition, 9}, GridCell{0, 9}},
        CellCase{"division_by_divisor_and_quotient", {56, Operation::Division, 7}, GridCell{7, 8}},
        CellCase{"division_with_remainder", {57, Operation::Division, 7}, std::nullopt},
        CellCase{"division_by_zero", {0, Operation::Division, 0}, std::nullopt},
        CellCase{"zero_divided", {0, Operation::Division, 5}, GridCell{5, 0}},
        CellCase{"quotient_ten", {90, Operation::Division, 9}, std::nullopt},
        CellCase{
            "minus_by_subtrahend_and_difference", {15, Operation::Subtraction, 7}, GridCell{7, 8}},
        CellCase{"minus_to_zero", {3, Operation::Subtraction, 3}, GridCell{3, 0}},
        CellCase{"minus_below_zero", {7, Operation::Subtraction, 8}, std::nullopt},
        CellCase{"difference_ten", {19, Operation::Subtraction, 9}, std::nullopt},
        CellCase{"two_digit_sum", {10, Operation::Addition, 1}, std::nullopt}));

struct StateCase {
    const char* name;
    Counts counts;
    FactState state;
};

void PrintTo(const StateCase& c, std::ostream* out) {
    *out << c.name;
}

class FactStates : public testing::TestWithParam<StateCase> {};

TEST_P(FactStates, AtTheirEdges) {
    EXPECT_EQ(factState(GetParam().counts, 300), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FactStates,
    testing::Values(
        StateCase{"never_asked", {{0, 0, 0}, 0}, FactState::NotAsked},
        StateCase{"exactly_ninety_percent_at_the_limit", {{10, 9, 0}, 300}, FactState::Fluent},
        StateCase{"a_hundredth_over_the_limit", {{10, 9, 0}, 301}, FactState::AccurateButSlow},
        StateCase{"just_under_ninety_percent", {{1000, 899, 0}, 100}, FactState::NotYet},
        StateCase{"all_wrong_but_quick", {{3, 0, 0}, 50}, FactState::NotYet}));

std::string row(const std::string& pupil, const std::string& question, bool correct,
                std::int64_t centiseconds, const std::string& day = "2026-12-08",
                const std::string& item = "Item") {
    return formatRow(
        {day + "T09:15:02+01:00", pupil, "pc", item, question, "1", correct, centiseconds});
}

const std::string kTop = std::string(kHeader) + "\r\n";
const Periods kDecember{{"2026-12-01", "2026-12-08"}, DateRange{"2026-11-23", "2026-11-30"}};

TEST(ClassFiguresBuilder, SumsThePeriodAndThePeriodBeforeApart) {
    ClassFiguresBuilder builder(kDecember);
    builder.addFile(kTop + row("anna", "7 * 8", true, 100) + row("anna", "7 × 8", true, 400) +
                        row("anna", kArabicDivision, false, 200) +
                        row("anna", "7 · 8", true, 900, "2026-11-30") +
                        row("anna", "2 + 2", true, 50, "2026-10-01") +
                        row("carl", "1 + 1", true, 50),
                    {"anna@pc.csv", {}});
    builder.addFile(kTop + row("ben", "3 + 4", true, 300) +
                        row("ben", "3 + 4", true, 500, "2026-12-08", "Tens") + "damaged line\r\n",
                    {"ben@pc.csv", {}});
    builder.addFile("name,score\r\n", {"notes.csv", {}});
    const ClassFigures figures = builder.finish();

    const PupilOverview& anna = figures.pupils.at("anna");
    EXPECT_EQ(anna.current.answers, 3);
    EXPECT_EQ(anna.current.correct, 2);
    EXPECT_EQ(anna.current.medianCentiseconds, 200);
    EXPECT_EQ(anna.previous.answers, 1);
    EXPECT_EQ(anna.previous.medianCentiseconds, 900);
    EXPECT_EQ(anna.lastDay, "2026-12-08");
    // The same fact in three languages in one cell; the old row is out of the period.
    const auto& times = anna.facts[static_cast<std::size_t>(Operation::Multiplication)];
    EXPECT_EQ(times[cellIndex({7, 8})].answers, 2);
    EXPECT_EQ(times[cellIndex({7, 8})].medianCentiseconds, 250);  // (100 + 400) / 2
    EXPECT_EQ(anna.facts[static_cast<std::size_t>(Operation::Division)][cellIndex({7, 8})].correct,
              0);
    EXPECT_EQ(anna.facts[static_cast<std::size_t>(Operation::Addition)][cellIndex({2, 2})].answers,
              0);

    EXPECT_EQ(figures.wholeClass.current.answers, 5);
    // Items are summed whatever their questions, and only in the period.
    ASSERT_EQ(figures.wholeClass.items.size(), 2u);
    EXPECT_EQ(figures.wholeClass.items.at("Item").counts.answers, 4);
    EXPECT_EQ(figures.wholeClass.items.at("Item").counts.medianCentiseconds, 250);
    EXPECT_EQ(figures.pupils.at("ben").items.at("Tens").counts.medianCentiseconds, 500);
    EXPECT_EQ(figures.wholeClass.current.medianCentiseconds, 300);
    EXPECT_EQ(figures.wholeClass.facts[0][cellIndex({3, 4})].answers, 2);
    EXPECT_EQ(figures.filesRead, 2);
    EXPECT_EQ(figures.skipped.count, 1);
    EXPECT_EQ(figures.skipped.file, "ben@pc.csv");
    EXPECT_EQ(figures.skipped.line, 4);
    // A row of another pupil's in anna's file is left out and counted, as the report does.
    EXPECT_EQ(figures.pupils.count("carl"), 0u);
    EXPECT_EQ(figures.otherPupils.count, 1);
    EXPECT_EQ(figures.otherPupils.line, 7);
    EXPECT_EQ(figures.foreignFiles.file, "notes.csv");
}

TEST(ClassFiguresBuilder, CountsAMissedQuestionOnceWhateverLanguageRecordedIt) {
    ClassFiguresBuilder builder({{}, std::nullopt});
    builder.addFile(kTop + row("anna", "7 * 8", false, 100) + row("anna", "banana", false, 100) +
                        row("anna", "6 * 7", false, 100) + row("anna", "9 + 9", false, 100) +
                        row("anna", "3 * 3", true, 100) + row("anna", "7 × 8", false, 100) +
                        row("anna", "6 × 7", false, 100) + row("anna", "7 · 8", false, 100),
                    {"anna@pc.csv", {}});
    const ClassFigures figures = builder.finish();
    const std::vector<MissedQuestion>& missed = figures.wholeClass.items.at("Item").mostMissed;
    ASSERT_EQ(missed.size(), kMostMissedPerItem);
    EXPECT_EQ(missed[0].recorded, "7 * 8");
    EXPECT_EQ(missed[0].wrong, 3);
    EXPECT_EQ(missed[1].parts, (QuestionParts{6, Operation::Multiplication, 7}));
    EXPECT_EQ(missed[1].wrong, 2);
    EXPECT_EQ(missed[2].parts, (QuestionParts{9, Operation::Addition, 9}));
}

struct WeekCase {
    const char* day;
    std::optional<IsoWeek> week;
};

class Weeks : public testing::TestWithParam<WeekCase> {};

TEST_P(Weeks, AreCountedAsIso8601CountsThem) {
    EXPECT_EQ(isoWeek(GetParam().day), GetParam().week);
}

// The turns of the year, where a week belongs to the year its Thursday is in, and what no
// calendar holds.
INSTANTIATE_TEST_SUITE_P(
    Table, Weeks,
    testing::Values(
        WeekCase{"2026-12-07", IsoWeek{2026, 50}}, WeekCase{"2026-12-13", IsoWeek{2026, 50}},
        WeekCase{"2026-12-31", IsoWeek{2026, 53}}, WeekCase{"2027-01-03", IsoWeek{2026, 53}},
        WeekCase{"2027-01-04", IsoWeek{2027, 1}}, WeekCase{"2024-12-30", IsoWeek{2025, 1}},
        WeekCase{"2021-01-03", IsoWeek{2020, 53}}, WeekCase{"2028-02-29", IsoWeek{2028, 9}},
        WeekCase{"2026-02-29", std::nullopt}, WeekCase{"2026-13-01", std::nullopt},
        WeekCase{"2026-1-05", std::nullopt}, WeekCase{"2026-01-0x", std::nullopt}));

TEST(ClassFiguresBuilder, SumsTheWeeksOfThePeriodApart) {
    ClassFiguresBuilder builder(kDecember);
    // Sunday 6 and Monday 7 December fall in two weeks; 30 November is the period before.
    builder.addFile(kTop + row("anna", "7 * 8", true, 100, "2026-11-30") +
                        row("anna", "7 * 8", false, 300, "2026-12-06") +
                        row("anna", "7 * 8", true, 500, "2026-12-06") +
                        row("anna", "7 * 8", true, 200, "2026-12-07"),
                    {"anna@pc.csv", {}});
    builder.addFile(kTop + row("ben", "7 * 8", true, 900, "2026-12-08"), {"ben@pc.csv", {}});
    const ClassFigures figures = builder.finish();
    const std::vector<WeekFigures>& anna = figures.pupils.at("anna").weeks;
    ASSERT_EQ(anna.size(), 2u);
    EXPECT_EQ(anna[0].week, (IsoWeek{2026, 49}));
    EXPECT_EQ(anna[0].counts.answers, 2);
    EXPECT_EQ(anna[0].counts.correct, 1);
    EXPECT_EQ(anna[0].counts.medianCentiseconds, 400);
    EXPECT_EQ(anna[1].week, (IsoWeek{2026, 50}));
    EXPECT_EQ(anna[1].counts.answers, 1);
    const std::vector<WeekFigures>& all = figures.wholeClass.weeks;
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].counts.answers, 2);
    EXPECT_EQ(all[1].counts.medianCentiseconds, 550);
}

TEST(ClassFolder, StopsWhenAskedAndSaysWhyAFolderCannotBeRead) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("class_figures_test_" + std::to_string(freshNumber()));
    std::filesystem::create_directories(folder);
    for (const char* pupil : {"a", "b"}) {
        std::ofstream(folder / (std::string(pupil) + "@pc.csv"), std::ios::binary)
            << kTop << row(pupil, "1 + 1", true, 100);
    }
    std::size_t asked = 0;
    const auto cancelled =
        readClassFolder(folder, kDecember, [&](std::size_t done, std::size_t all) {
            EXPECT_EQ(all, 2u);
            EXPECT_LE(done, all);
            return ++asked < 2;
        });
    EXPECT_TRUE(std::holds_alternative<Cancelled>(cancelled));
    EXPECT_EQ(asked, 2u);
    const auto read =
        readClassFolder(folder, kDecember, [](std::size_t, std::size_t) { return true; });
    ASSERT_TRUE(std::holds_alternative<ClassFigures>(read));
    EXPECT_EQ(std::get<ClassFigures>(read).pupils.size(), 2u);
    std::filesystem::remove_all(folder);

    const auto missing =
        readClassFolder(folder, kDecember, [](std::size_t, std::size_t) { return true; });
    EXPECT_TRUE(std::holds_alternative<std::string>(missing));
}

}  // namespace
// The later half of the files is read on a thread of its own and added after the earlier half:
// the same question missed in both halves is one, and the first trouble of each kind is the first
// by name.
TEST(ClassFolder, AddsTheLaterHalfAsIfReadInNameOrder) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("class_figures_test_" + std::to_string(freshNumber()));
    std::filesystem::create_directories(folder);
    const auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    };
    write("a@pc.csv", kTop + row("a", "7 × 8", false, 100, "2026-12-01") + "damaged\r\n");
    write("b@pc.csv", kTop + row("b", "9 + 9", true, 100, "2026-12-02"));
    write("c@pc.csv", kTop + "damaged\r\n" + row("c", "7 * 8", false, 300, "2026-12-08") +
                          row("c", "7 * 8", false, 500, "2026-12-08") + row("a", "1 + 1", true, 1));
    write("d.csv", "name,score\r\n");
    const auto read =
        readClassFolder(folder, {{}, std::nullopt}, [](std::size_t, std::size_t) { return true; });
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(std::holds_alternative<ClassFigures>(read));
    const ClassFigures& figures = std::get<ClassFigures>(read);
    const PupilOverview& all = figures.wholeClass;
    EXPECT_EQ(all.current.answers, 4);
    EXPECT_EQ(all.current.medianCentiseconds, 200);
    EXPECT_EQ(all.lastDay, "2026-12-08");
    EXPECT_EQ(all.weeks.size(), 2u);
    EXPECT_EQ(
        all.facts[static_cast<std::size_t>(Operation::Multiplication)][cellIndex({7, 8})].answers,
        3);
    const std::vector<MissedQuestion>& missed = all.items.at("Item").mostMissed;
    ASSERT_EQ(missed.size(), 1u);
    EXPECT_EQ(missed[0].recorded, "7 * 8");
    EXPECT_EQ(missed[0].wrong, 3);
    EXPECT_EQ(figures.filesRead, 3);
    EXPECT_EQ(figures.skipped.count, 2);
    EXPECT_EQ(figures.skipped.file, "a@pc.csv");
    EXPECT_EQ(figures.otherPupils.file, "c@pc.csv");
    EXPECT_EQ(figures.foreignFiles.file, "d.csv");
}

}  // namespace calquin::results
