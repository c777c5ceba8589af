// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace calquin::catalogue {

// A fixture with a fresh folder of its own per test, removed afterwards, where a test can put a
// catalogue file (or something else) under the name the program reads.
class ScratchFolder : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance();
        // A parameterized test's names hold slashes; the folder must be one level all the same.
        std::string name = "calquin-" + std::string(test->current_test_info()->test_suite_name()) +
                           "-" + std::to_string(test->random_seed()) + "-" +
                           test->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        dir_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path path() const { return dir_ / "index.txt"; }

    std::filesystem::path dir_;
};

}  // namespace calquin::catalogue
