// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "reader_rows.h"
#include "results/question_table.h"
#include "results/results_file.h"
#include "results/results_row.h"
#include "results/results_summary.h"

namespace calquin::results {
namespace {

struct DamageCase {
    const char* name;
    std::string bytes;
    bool isResultsFile;
    std::int64_t rows;
    std::int64_t skipped;
    std::int64_t firstSkippedLine;
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.name;
}

class DamagedFiles : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFiles, SkipAndCountWhatCannotBeReadAndGoOn) {
    const DamageCase& c = GetParam();
    const ReadOutcome outcome = readResults(c.bytes, [](const RowView&) {});
    EXPECT_EQ(outcome.isResultsFile, c.isResultsFile);
    EXPECT_EQ(outcome.rows, c.rows);
    EXPECT_EQ(outcome.skipped, c.skipped);
    EXPECT_EQ(outcome.firstSkippedLine, c.firstSkippedLine);
}

const std::string kGood = row("anna", "1 + 1", true);

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedFiles,
    testing::Values(
        DamageCase{"whole_file", kTop + kGood + kGood, true, 2, 0, 0},
        DamageCase{"header_only", kTop, true, 0, 0, 0},
        DamageCase{
            "lf_line_ends",
            std::string(kHeader) + "\n" + "2026-12-08T09:15:02+01:00,a,pc,I,1 + 1,2,1,0.50\n", true,
            1, 0, 0},
        DamageCase{"foreign_file", "name,score\r\nanna,3\r\n", false, 0, 0, 0},
        DamageCase{"empty_file", "", false, 0, 0, 0},
        DamageCase{"cut_last_line", kTop + kGood + kGood.substr(0, 30), true, 1, 1, 3},
        DamageCase{"cut_just_before_line_end", kTop + kGood.substr(0, kGood.size() - 2), true, 0, 1,
                   2},
        DamageCase{"cut_row_then_a_whole_one", kTop + kGood.substr(0, 40) + "\r\n" + kGood, true, 1,
                   1, 2},
        DamageCase{"open_quote_does_not_swallow_later_rows",
                   kTop + "2026-12-08T09:15:02+01:00,a,pc,\"Item\r\n" + kGood + kGood, true, 2, 1,
                   2},
        DamageCase{"too_few_fields", kTop + "2026-12-08T09:15:02+01:00,a,pc\r\n" + kGood, true, 1,
                   1, 2},
        DamageCase{"too_many_fields", kTop + kGood.substr(0, kGood.size() - 2) + ",x\r\n" + kGood,
                   true, 1, 1, 2},
        DamageCase{"correct_is_neither_0_nor_1",
                   kTop + "2026-12-08T09:15:02+01:00,a,pc,I,1 + 1,2,yes,0.50\r\n", true, 0, 1, 2},
        DamageCase{"seconds_not_a_number",
                   kTop + "2026-12-08T09:15:02+01:00,a,pc,I,1 + 1,2,1,soon\r\n", true, 0, 1, 2},
        DamageCase{"time_not_a_time", kTop + "yesterday,a,pc,I,1 + 1,2,1,0.50\r\n", true, 0, 1, 2},
        DamageCase{"quote_inside_unquoted_field",
                   kTop + "2026-12-08T09:15:02+01:00,a,pc,I\"x,1 + 1,2,1,0.50\r\n", true, 0, 1, 2},
        DamageCase{"text_after_closing_quote",
                   kTop + "2026-12-08T09:15:02+01:00,a,pc,\"I\"x,1 + 1,2,1,0.50\r\n", true, 0, 1,
                   2},
        DamageCase{"line_after_item_with_line_break_counts",
                   kTop + row("a", "1 + 1", true, "2026-12-08", "Two\nlines") + "junk\r\n", true, 1,
                   1, 4},
        DamageCase{"blank_lines_are_no_rows", kTop + "\r\n" + kGood + "\n", true, 1, 0, 0},
        DamageCase{"nul_bytes", kTop + std::string("\0\0\0\r\n", 5) + kGood, true, 1, 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Every way of cutting the bytes into blocks reads as the whole file does.
TEST(Blocks, ReadAsTheWholeFileWhereverTheyAreCut) {
    const std::string bytes = kTop + kGood + row("a", "1 + 1", true, "2026-12-08", "Two\r\nlines") +
                              "\r\n" + kGood.substr(0, 30) + "\r\n" + kGood + kGood.substr(0, 50);
    const ReadOutcome whole = readResults(bytes, [](const RowView&) {});
    ASSERT_EQ(whole.rows, 3);
    ASSERT_EQ(whole.skipped, 2);
    for (std::size_t block = 1; block <= 64; ++block) {
        std::vector<std::string> items;
        ResultsReader reader([&](const RowView& r) { items.emplace_back(r.item); });
        for (std::size_t at = 0; at < bytes.size(); at += block) {
            reader.feed(std::string_view(bytes).substr(at, block));
        }
        const ReadOutcome outcome = reader.finish();
        EXPECT_EQ(outcome.rows, whole.rows) << block;
        EXPECT_EQ(outcome.skipped, whole.skipped) << block;
        EXPECT_EQ(outcome.firstSkippedLine, whole.firstSkippedLine) << block;
        EXPECT_EQ(items, (std::vector<std::string>{"Item", "Two\r\nlines", "Item"})) << block;
    }
}

// A sparse file's holes and a line longer than any row are each one damaged row, and what comes
// after them is read.
TEST(Blocks, HolesAndEndlessLinesCostOneRowEach) {
    ResultsReader reader([](const RowView&) {});
    reader.feed(kTop + kGood + kGood.substr(0, 20));
    reader.hole();
    reader.feed(std::string("\0\0\r\n", 4) + kGood);
    reader.feed(std::string(kLongestRow + 10, 'x'));
    reader.feed("\r\n" + kGood);
    const ReadOutcome outcome = reader.finish();
    EXPECT_EQ(outcome.rows, 3);
    EXPECT_EQ(outcome.skipped, 2);
    EXPECT_EQ(outcome.firstSkippedLine, 3);
}

TEST(Summary, CountsEachPupilItemAndQuestion) {
    Summary summary;
    addFile(summary,
            kTop + row("anna", "7 + 5", true) + row("anna", "7 + 5", false) +
                row("anna", "6 * 8", false, "2026-12-08", "Times"),
            {"anna@pc.csv", {}}, "");
    addFile(summary, kTop + row("ben", "7 + 5", false), {"ben@pc.csv", {}}, "");
    ASSERT_EQ(summary.pupils.size(), 2u);
    const PupilFigures& anna = summary.pupils.at("anna");
    EXPECT_EQ(anna.all.answers, 3);
    EXPECT_EQ(anna.all.correct, 1);
    EXPECT_EQ(anna.all.averageCentiseconds(), 250);
    EXPECT_EQ(anna.items.at("Item").answers, 2);
    EXPECT_EQ(anna.items.at("Times").correct, 0);
    const auto missed = mostMissed(summary);
    ASSERT_EQ(missed.size(), 2u);
    EXPECT_EQ(missed[0].first, "7 + 5");
    EXPECT_EQ(missed[0].second.wrong, 2);
    EXPECT_EQ(missed[0].second.asked, 3);
}

TEST(Summary, MostMissedKeepsTheFirstByWrongThenAskedThenText) {
    Summary summary;
    std::string bytes = kTop;
    for (int question = 0; question < 40; ++question) {
        for (int answer = 0; answer <= question % 7; ++answer) {
            bytes += row("anna", std::to_string(question) + " + 1", answer % 3 == 0);
        }
    }
    addFile(summary, bytes, {"anna@pc.csv", {}}, "");
    const auto missed = mostMissed(summary, 4);
    std::vector<std::string> questions;
    for (const auto& [question, figures] : missed) {
        questions.push_back(question);
    }
    // Wrong 4 times of 7: 6, 13, 20, 27 and 34, of which "6 + 1" comes last by its text.
    EXPECT_EQ(questions, (std::vector<std::string>{"13 + 1", "20 + 1", "27 + 1", "34 + 1"}));
}

struct MissedCase {
    const char* name;
    std::vector<std::string> recorded;  // each answered wrong once, by pupils in two files
    std::string counted;                // the one question they all count as
};

void PrintTo(const MissedCase& c, std::ostream* out) {
    *out << c.name;
}

class MissedQuestions : public testing::TestWithParam<MissedCase> {};

// Rows written in a translated window hold its signs, digits and direction marks; the
// most-missed list counts one question once, under the form rows are recorded in now.
TEST_P(MissedQuestions, CountOneQuestionOnceWhateverLanguageRecordedIt) {
    Summary summary;
    std::string first = kTop;
    std::string second = kTop;
    for (std::size_t i = 0; i < GetParam().recorded.size(); ++i) {
        (i % 2 == 0 ? first : second) += row("anna", GetParam().recorded[i], false);
    }
    addFile(summary, first, {"anna@pc-1.csv", {}}, "");
    addFile(summary, second, {"anna@pc-2.csv", {}}, "");
    const auto missed = mostMissed(summary);
    ASSERT_EQ(missed.size(), 1u);
    EXPECT_EQ(missed[0].first, GetParam().counted);
    EXPECT_EQ(missed[0].second.wrong, static_cast<std::int64_t>(GetParam().recorded.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MissedQuestions,
    testing::Values(
        MissedCase{"english_and_french_times", {"7 * 8", "7 × 8", "7 * 8", "7 × 8"}, "7 * 8"},
        MissedCase{"german_first_then_english", {"7 · 8", "7 * 8", "7 · 8"}, "7 * 8"},
        MissedCase{"arabic_digits_and_marks",
                   {"\u2066\u0665\u0666 \u200E\u00F7\u200E \u200E\u0667\u2069", "56 : 7", "56 / 7",
                    "56 ÷ 7"},
                   "56 / 7"},
        MissedCase{"blanks_around", {" 9 - 3", "9 - 3", "9-3"}, "9 - 3"},
        MissedCase{"no_question_kept_as_written", {"banana", "banana"}, "banana"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Summary, SinceKeepsThatDayAndLater) {
    Summary summary;
    addFile(summary,
            kTop + row("anna", "1 + 1", true, "2026-12-07") + row("anna", "1 + 1", true) +
                row("anna", "1 + 1", false, "2027-01-05"),
            {"anna@pc.csv", {}}, "2026-12-08");
    EXPECT_EQ(summary.pupils.at("anna").all.answers, 2);
    EXPECT_EQ(summary.pupils.at("anna").all.correct, 1);
}

TEST(Summary, ManyPupilsInManyFilesStayApart) {
    Summary summary;
    for (int file = 0; file < 50; ++file) {
        const std::string pupil = "pupil " + std::to_string(file);
        std::string bytes = kTop;
        for (int answer = 0; answer <= file; ++answer) {
            bytes += row(pupil, "1 + 1", answer % 2 == 0);
        }
        addFile(summary, bytes, {resultsFileName(pupil, "pc"), {}}, "");
    }
    addFile(summary, kTop + kGood.substr(0, 10), {"cut.csv", {}}, "");
    addFile(summary, "\xFF\xFEt\0i\0m\0e\0", {"copy.csv", {}}, "");
    addFile(summary, std::string(100, '\0') + kTop + kGood, {"zeroed.csv", {}}, "");
    ASSERT_EQ(summary.pupils.size(), 50u);
    EXPECT_EQ(summary.pupils.at("pupil 9").all.answers, 10);
    EXPECT_EQ(summary.pupils.at("pupil 9").all.correct, 5);
    EXPECT_EQ(summary.filesRead, 51);
    EXPECT_EQ(summary.skipped.file, "cut.csv");
    EXPECT_EQ(summary.skipped.line, 2);
    EXPECT_EQ(summary.foreignFiles.count, 2);
    EXPECT_EQ(summary.foreignFiles.file, "copy.csv");
}

struct OriginCase {
    const char* name;
    FileOrigin origin;
    std::string bytes;
    std::int64_t annasAnswers;
    std::int64_t otherRows;
    std::int64_t firstOtherLine;
};

void PrintTo(const OriginCase& c, std::ostream* out) {
    *out << c.name;
}

class Origins : public testing::TestWithParam<OriginCase> {};

TEST_P(Origins, RowsCountOnlyForThePupilTheirFileIsOf) {
    const OriginCase& c = GetParam();
    Summary summary;
    addFile(summary, c.bytes, c.origin, "");
    const auto anna = summary.pupils.find("anna");
    EXPECT_EQ(anna == summary.pupils.end() ? 0 : anna->second.all.answers, c.annasAnswers);
    EXPECT_EQ(summary.pupils.count("ben"), 0u);
    EXPECT_EQ(summary.otherPupils.count, c.otherRows);
    EXPECT_EQ(summary.otherPupils.line, c.firstOtherLine);
}

// A row torn inside an answer into which a whole row of someone else's was pasted: read on from
// its next line, the inner row looks whole.
std::string tornPaste() {
    const std::string torn = formatRow({"2026-12-08T09:15:02+01:00", "anna", "pc", "I", "1 + 1",
                                        "x\n" + row("ben", "9 + 9", true) + "y", false, 100});
    return kTop + torn.substr(0, torn.find("\r\ny") + 2) + kGood;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Origins,
    testing::Values(
        OriginCase{"own_file", {"anna@pc.csv", {}}, kTop + kGood + kGood, 2, 0, 0},
        OriginCase{"owned_by_the_pupil", {"anna@pc.csv", "anna"}, kTop + kGood, 1, 0, 0},
        OriginCase{"another_pupils_name",
                   {"anna@pc.csv", {}},
                   kTop + kGood + row("ben", "1 + 1", true),
                   1,
                   1,
                   3},
        OriginCase{"named_for_anna_owned_by_ben", {"anna@pc.csv", "ben"}, kTop + kGood, 0, 1, 2},
        OriginCase{"a_longer_name_is_not_hers", {"annabel@pc.csv", {}}, kTop + kGood, 0, 1, 2},
        // smbnetfs shows the '@' of a name on an SMB share as "%40".
        OriginCase{"as_an_smb_share_shows_it", {"anna%40pc.csv", {}}, kTop + kGood, 1, 0, 0},
        OriginCase{
            "escaped_at_inside_a_pupils_name", {"anna%40x%40pc.csv", {}}, kTop + kGood, 0, 1, 2},
        OriginCase{"inner_line_of_a_torn_answer", {"anna@pc.csv", {}}, tornPaste(), 1, 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// The flat table against a map of texts: many questions, so that it grows, an empty one, and one
// longer than a block of the table's own.
TEST(QuestionTable, CountsAsAMapOfTextsWould) {
    std::vector<std::string> questions{"", std::string(9 << 20, '7'), "1 + 1"};
    for (int i = 0; i < 20000; ++i) {
        questions.push_back(std::to_string(i * 7919 % 100003) + " - " + std::to_string(i % 97));
    }
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> expected;
    std::vector<Asked> answers;
    for (std::size_t i = 0; i < questions.size() * 3; ++i) {
        const std::string& question = questions[(i * 31) % questions.size()];
        const bool wrong = i % 3 == 0;
        answers.push_back({question, wrong, QuestionTable::hashOf(question)});
        ++expected[question].first;
        expected[question].second += wrong ? 1 : 0;
    }
    QuestionTable table;
    table.count(answers);
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> counted;
    table.forEach([&](std::string_view question, const QuestionFigures& figures) {
        counted[std::string(question)] = {figures.asked, figures.wrong};
    });
    EXPECT_EQ(table.size(), expected.size());
    EXPECT_TRUE(counted == expected);
}

struct ShareCase {
    const char* name;
    std::int64_t answers;
    std::int64_t correct;
    int percent;
};

void PrintTo(const ShareCase& c, std::ostream* out) {
    *out << c.name;
}

class Shares : public testing::TestWithParam<ShareCase> {};

TEST_P(Shares, AreWholePercentsThatNeverOverstate) {
    const ShareCase& c = GetParam();
    EXPECT_EQ((Figures{c.answers, c.correct, 0}.percentCorrect()), c.percent);
}

INSTANTIATE_TEST_SUITE_P(Table, Shares,
                         testing::Values(ShareCase{"none_answered", 0, 0, 0},
                                         ShareCase{"all", 7, 7, 100}, ShareCase{"none", 7, 0, 0},
                                         ShareCase{"rounded_half_up", 8, 5, 63},
                                         ShareCase{"almost_all_is_not_all", 200, 199, 99},
                                         ShareCase{"one_of_many_is_not_none", 300, 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calquin::results
