// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <variant>

#include "results/results_reader.h"
#include "results/results_row.h"
#include "results/results_summary.h"

namespace calquin::results {
namespace {

namespace fs = std::filesystem;

class ResultsFolder : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("calquin-results-" + std::string(test->name()) + "-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file() const { return dir_ / resultsFileName("anna", "pc"); }

    std::string bytes() const {
        std::ifstream in(file(), std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    // Rows per pupil in the file, and how many rows could not be read.
    std::pair<std::map<std::string, int>, std::int64_t> readBack() const {
        std::map<std::string, int> rows;
        const auto outcome =
            readResults(bytes(), [&](const RowView& row) { ++rows[std::string(row.pupil)]; });
        EXPECT_TRUE(outcome.isResultsFile);
        return {rows, outcome.skipped};
    }

    fs::path dir_;
};

std::string answerRow(const std::string& pupil, int n, std::size_t itemLength = 20) {
    return formatRow({"2026-12-08T09:15:02+01:00", pupil, "pc", std::string(itemLength, 'x'),
                      "7 + " + std::to_string(n), "12", n % 2 == 0, n});
}

// Runs `child` in a process of its own and returns how that process ended.
template <typename Child>
int inChild(Child child) {
    const pid_t pid = fork();
    if (pid == 0) {
        child();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

TEST_F(ResultsFolder, ANewFileStartsWithTheHeaderAndRowsFollowIt) {
    ResultsFile results(file());
    ASSERT_FALSE(results.append(answerRow("anna", 1)));
    ASSERT_FALSE(results.append(answerRow("anna", 2)));
    EXPECT_EQ(bytes(), std::string(kHeader) + "\r\n" + answerRow("anna", 1) + answerRow("anna", 2));
}

struct UnwritableCase {
    const char* name;
    const char* folder;  // inside the test's folder; "file" is made a plain file
};

void PrintTo(const UnwritableCase& c, std::ostream* out) {
    *out << c.name;
}

class UnwritableFolders : public ResultsFolder,
                          public testing::WithParamInterface<UnwritableCase> {};

TEST_P(UnwritableFolders, SayWhyAndWriteNothing) {
    fs::path folder = dir_ / GetParam().folder;
    std::ofstream(dir_ / "file") << "not a folder";
    EXPECT_TRUE(folderProblem(folder).has_value());
    const auto problem = ResultsFile(folder / "anna@pc.csv").append(answerRow("anna", 1));
    ASSERT_TRUE(problem.has_value());
    EXPECT_FALSE(problem->empty());
    EXPECT_FALSE(fs::exists(folder / "anna@pc.csv"));
}

INSTANTIATE_TEST_SUITE_P(Table, UnwritableFolders,
                         testing::Values(UnwritableCase{"missing", "missing"},
                                         UnwritableCase{"not_a_folder", "file"},
                                         UnwritableCase{"inside_a_missing_one", "missing/deeper"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsFolder, AWritableFolderHasNoProblem) {
    EXPECT_EQ(folderProblem(dir_), std::nullopt);
}

// A shared folder is writable by every pupil; what one leaves under another's file name must
// neither take that pupil's rows nor hold the window or the report.
TEST_F(ResultsFolder, NothingButAPlainFileTakesRowsOrHoldsTheReport) {
    fs::create_symlink(dir_ / "elsewhere.csv", file());
    EXPECT_TRUE(ResultsFile(file()).append(answerRow("anna", 1)).has_value());
    EXPECT_FALSE(fs::exists(dir_ / "elsewhere.csv"));
    fs::remove(file());
    ASSERT_EQ(mkfifo(file().c_str(), 0666), 0);
    EXPECT_TRUE(ResultsFile(file()).append(answerRow("anna", 1)).has_value());
    const auto summary = summariseFolder(dir_, "");
    ASSERT_TRUE(std::holds_alternative<Summary>(summary));
    EXPECT_EQ(std::get<Summary>(summary).filesRead, 0);
}

// A file size limit stands in for a full disk: the kernel writes what fits and stops.
TEST_F(ResultsFolder, AFullDiskLeavesNoHalfRow) {
    ASSERT_FALSE(ResultsFile(file()).append(answerRow("anna", 1)));
    const std::string before = bytes();
    const int status = inChild([&] {
        ResultsFile results(file());
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() + 40, before.size() + 40};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(results.append(answerRow("anna", 2, 200)) ? 0 : 1);
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed append was reported";
    EXPECT_EQ(bytes(), before);
    ASSERT_FALSE(ResultsFile(file()).append(answerRow("anna", 3)));
    EXPECT_EQ(readBack().second, 0);
}

TEST_F(ResultsFolder, ARowCutByAPowerLossIsNotGluedToTheNext) {
    std::ofstream(file(), std::ios::binary) << kHeader << "\r\n"
                                            << answerRow("anna", 1).substr(0, 30);
    ASSERT_FALSE(ResultsFile(file()).append(answerRow("anna", 2)));
    const auto [rows, skipped] = readBack();
    EXPECT_EQ(rows.at("anna"), 1);
    EXPECT_EQ(skipped, 1);
}

TEST_F(ResultsFolder, AKilledProgramLosesNoAnswerAlreadyAppended) {
    const int status = inChild([&] {
        ResultsFile results(file());
        for (int n = 0; n < 25; ++n) {
            results.append(answerRow("anna", n));
        }
        raise(SIGKILL);
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    const auto [rows, skipped] = readBack();
    EXPECT_EQ(rows.at("anna"), 25);
    EXPECT_EQ(skipped, 0);
}

// Rows longer than a pipe's atomic write, so that only whole-row appends keep them apart.
TEST_F(ResultsFolder, WindowsAppendingAtOnceNeitherLoseNorTearARow) {
    constexpr int kWindows = 4;
    constexpr int kAnswers = 150;
    std::vector<pid_t> children;
    for (int w = 0; w < kWindows; ++w) {
        const pid_t pid = fork();
        if (pid == 0) {
            ResultsFile results(file());
            for (int n = 0; n < kAnswers; ++n) {
                if (results.append(answerRow("window " + std::to_string(w), n, 6000))) {
                    _exit(1);
                }
            }
            _exit(0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto [rows, skipped] = readBack();
    EXPECT_EQ(skipped, 0);
    ASSERT_EQ(rows.size(), std::size_t{kWindows});
    for (const auto& [window, count] : rows) {
        EXPECT_EQ(count, kAnswers) << window;
    }
}

}  // namespace
}  // namespace calquin::results
