// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "results/results_file.h"
#include "results/results_reader.h"
#include "results/results_row.h"

namespace calquin::results {

namespace fs = std::filesystem;

// A results folder of the test's own, removed afterwards, and what the test reads back of it.
class ResultsFolder : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = test->name();
        std::replace(name.begin(), name.end(), '/', '_');
        dir_ = fs::temp_directory_path() /
               ("calquin-results-" + name + "-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file() const { return dir_ / "anna@pc.csv"; }

    std::string bytes(const fs::path& path = {}) const {
        std::ifstream in(path.empty() ? file() : path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    // Rows per pupil in the file, and how many rows could not be read.
    std::pair<std::map<std::string, int>, std::int64_t> readBack(const fs::path& path = {}) const {
        std::map<std::string, int> rows;
        const auto outcome =
            readResults(bytes(path), [&](const RowView& row) { ++rows[std::string(row.pupil)]; });
        EXPECT_TRUE(outcome.isResultsFile);
        return {rows, outcome.skipped};
    }

    // The notices a results file gave, kept for the test to read.
    ResultsFile::Noticed keep() {
        return [this](const ResultsFile::Notice& notice) {
            const std::lock_guard hold(noticesMutex_);
            notices_.push_back(notice);
        };
    }
    std::vector<ResultsFile::Notice> notices() {
        const std::lock_guard hold(noticesMutex_);
        return notices_;
    }

    // The files in the folder other than `file()`.
    std::vector<fs::path> others() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            if (entry.path() != file()) {
                found.push_back(entry.path());
            }
        }
        return found;
    }

    fs::path dir_;
    std::mutex noticesMutex_;
    std::vector<ResultsFile::Notice> notices_;
};

inline std::string answerRow(const std::string& pupil, int n, std::size_t itemLength = 20) {
    return formatRow({"2026-12-08T09:15:02+01:00", pupil, "pc", std::string(itemLength, 'x'),
                      "7 + " + std::to_string(n), "12", n % 2 == 0, n});
}

}  // namespace calquin::results
