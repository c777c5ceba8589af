// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_pruning.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <set>
#include <sstream>
#include <thread>

#include "results/results_file.h"
#include "results/results_row.h"

namespace calquin::results {
namespace {

namespace fs = std::filesystem;

struct Folder {
    fs::path path =
        fs::temp_directory_path() / ("calquin-pruning-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    Folder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
};

std::string row(const std::string& day, const std::string& pupil, const std::string& answer) {
    return formatRow({day + "T09:15:02+01:00", pupil, "pc", "Item", "7 * 8", answer, true, 250});
}

std::string text(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::string kTop = std::string(kHeader) + "\r\n";

bool olderThan2026(const RowView& row) {
    return row.time < "2026";
}

// The school's nightly job may run while a pupil answers: every row the pupil's window writes
// meanwhile must end up in the file once and whole, and every old row must go. Old rows keep
// coming too (a computer whose clock is years behind), so that every round rewrites the file, and
// a long file keeps each rewrite open long enough for the writer to come in.
TEST(Pruning, LosesAndTearsNoRowWrittenAtTheSameMoment) {
    Folder folder;
    const fs::path file = folder.path / resultsFileName("anna", "pc");
    std::string start = kTop;
    for (int i = 0; i < 5000; ++i) {
        start += row(i % 2 == 0 ? "2020-03-01" : "2026-12-01", "anna", "kept" + std::to_string(i));
    }
    write(file, start);
    constexpr int kNew = 300;
    std::atomic<bool> writing = true;
    std::thread pupil([&] {
        ResultsFile results(file);
        for (int i = 0; i < kNew; ++i) {
            results.append(row("2020-03-02", "anna", "old" + std::to_string(i)));
            results.append(row("2026-12-08", "anna", "new" + std::to_string(i)));
            // A whole millisecond: mingw's runtime rounds a shorter sleep down to none on Windows.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        writing = false;
    });
    int rounds = 0;
    while (writing || rounds < 3) {
        const auto pruned = removeRows(folder.path, olderThan2026, WhenEmptied::KeepFile);
        ASSERT_TRUE(std::holds_alternative<Pruned>(pruned));
        EXPECT_EQ(std::get<Pruned>(pruned).filesUnchanged, 0);
        ++rounds;
    }
    pupil.join();
    ASSERT_TRUE(std::holds_alternative<Pruned>(
        removeRows(folder.path, olderThan2026, WhenEmptied::KeepFile)));

    std::multiset<std::string> answers;
    const ReadOutcome outcome =
        readResults(text(file), [&](const RowView& r) { answers.insert(std::string(r.answer)); });
    EXPECT_EQ(outcome.skipped, 0);
    EXPECT_GT(rounds, 3);
    ASSERT_EQ(answers.size(), std::size_t{kNew + 2500});
    for (int i = 0; i < kNew; ++i) {
        EXPECT_EQ(answers.count("new" + std::to_string(i)), 1u) << i;
    }
}

TEST(Forgetting, RemovesThePupilsRowsAndTheFilesLeftEmptyOnly) {
    Folder folder;
    write(folder.path / "anna@pc.csv",
          kTop + row("2026-12-01", "anna", "1") + row("2026-12-02", "anna", "2"));
    // A damaged line may still be someone's: the file stays, without anna's rows.
    write(folder.path / "anna@pc-2.csv", kTop + row("2026-12-01", "anna", "3") + "half a row\r\n" +
                                             row("2026-12-03", "anna", "4"));
    write(folder.path / "ben@pc.csv", kTop + row("2026-12-01", "ben", "5"));
    write(folder.path / "notes.txt", "anna\n");
    write(folder.path / "other.csv", "name,score\r\nanna,3\r\n");

    const auto pruned = removeRows(
        folder.path, [](const RowView& r) { return r.pupil == "anna"; }, WhenEmptied::RemoveFile);

    ASSERT_TRUE(std::holds_alternative<Pruned>(pruned));
    const Pruned& figures = std::get<Pruned>(pruned);
    EXPECT_EQ(figures.rows, 4);
    EXPECT_EQ(figures.filesChanged, 2);
    EXPECT_EQ(figures.filesRemoved, 1);
    EXPECT_FALSE(fs::exists(folder.path / "anna@pc.csv"));
    EXPECT_EQ(text(folder.path / "anna@pc-2.csv"), kTop + "half a row\r\n");
    EXPECT_EQ(text(folder.path / "ben@pc.csv"), kTop + row("2026-12-01", "ben", "5"));
    EXPECT_EQ(text(folder.path / "other.csv"), "name,score\r\nanna,3\r\n");
}

// A terabyte of holes someone made in the folder is named, not read into memory.
TEST(Forgetting, LeavesAFileTooLargeToRewriteAndNamesIt) {
    Folder folder;
    write(folder.path / "anna@pc.csv", kTop + row("2026-12-01", "anna", "1"));
    write(folder.path / "big@pc.csv", kTop + row("2026-12-01", "anna", "2"));
    std::error_code error;
    fs::resize_file(folder.path / "big@pc.csv", std::uintmax_t{1} << 40, error);
    if (error) {
        GTEST_SKIP() << "this file system holds no sparse terabyte: " << error.message();
    }
    const auto pruned = removeRows(
        folder.path, [](const RowView& r) { return r.pupil == "anna"; }, WhenEmptied::RemoveFile);
    ASSERT_TRUE(std::holds_alternative<Pruned>(pruned));
    const Pruned& figures = std::get<Pruned>(pruned);
    EXPECT_EQ(figures.rows, 1);
    EXPECT_EQ(figures.filesUnchanged, 1);
    EXPECT_EQ(figures.firstUnchangedFile, "big@pc.csv");
    EXPECT_EQ(figures.firstUnchangedReason, "File too large");
}

TEST(Forgetting, SaysWhyAFolderCannotBeRead) {
    const auto pruned =
        removeRows("/nonexistent-calquin-folder", olderThan2026, WhenEmptied::KeepFile);
    EXPECT_TRUE(std::holds_alternative<std::string>(pruned));
}

struct DayCase {
    const char* name;
    const char* today;  // local noon
    int days;
    const char* firstKept;
};

class FirstDayKept : public testing::TestWithParam<DayCase> {};

TEST_P(FirstDayKept, CountsCalendarDaysBack) {
    std::tm local{};
    std::istringstream(GetParam().today) >> std::get_time(&local, "%Y-%m-%d");
    local.tm_hour = 12;
    local.tm_isdst = -1;
    EXPECT_EQ(firstDayKept(GetParam().days, std::mktime(&local)), GetParam().firstKept);
}

INSTANTIATE_TEST_SUITE_P(Table, FirstDayKept,
                         testing::Values(DayCase{"one_day", "2026-12-08", 1, "2026-12-07"},
                                         DayCase{"across_a_month", "2026-03-01", 1, "2026-02-28"},
                                         DayCase{"leap_day", "2024-03-01", 1, "2024-02-29"},
                                         DayCase{"a_year", "2026-12-08", 365, "2025-12-08"},
                                         DayCase{"across_new_year", "2027-01-02", 5, "2026-12-28"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calquin::results
