// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <variant>

#include "reader_rows.h"
#include "results/results_reader.h"
#include "results/results_row.h"
#include "results/results_summary.h"

// Folders read whole, with files made sparse by pwrite and truncate or given to another account
// by chown.
namespace calquin::results {
namespace {

const std::string kGood = row("anna", "1 + 1", true);

class Folder : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("results_reader_test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Writes `bytes` at `offset` of the file, which is sparse up to there.
    void write(const std::string& name, const std::string& bytes, off_t offset = 0) {
        const int fd = ::open((folder_ / name).c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), offset),
                  static_cast<ssize_t>(bytes.size()));
        ::close(fd);
    }

    Summary summarise() {
        auto summary = summariseFolder(folder_, "");
        EXPECT_TRUE(std::holds_alternative<Summary>(summary));
        return std::move(std::get<Summary>(summary));
    }

    std::filesystem::path folder_;
};

// `truncate -s 1T` in the folder threw bad_alloc; a row after a terabyte's hole is still read.
TEST_F(Folder, SparseFilesOfATerabyteAreReadInBoundedMemory) {
    constexpr off_t kTerabyte = off_t{1} << 40;
    write("zeros.csv", "", 0);
    ASSERT_EQ(::truncate((folder_ / "zeros.csv").c_str(), kTerabyte), 0);
    write("anna@pc.csv", kTop + kGood, 0);
    write("anna@pc.csv", "\r\n" + kGood, kTerabyte);
    const Summary summary = summarise();
    EXPECT_EQ(summary.pupils.at("anna").all.answers, 2);
    EXPECT_EQ(summary.skipped.count, 1);
    EXPECT_EQ(summary.foreignFiles.count, 1);
    EXPECT_EQ(summary.foreignFiles.file, "zeros.csv");
}

// Only root can give a file to someone else; elsewhere the rule is the Origins table's.
TEST_F(Folder, AFileOfAnotherAccountCountsOnlyForThatAccountsPupil) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give files away";
    }
    const struct passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    write("anna@pc.csv", kTop + kGood);
    write("nobody@pc.csv", kTop + row("nobody", "1 + 1", true));
    write("ben@pc.csv", kTop + row("ben", "1 + 1", true));
    ASSERT_EQ(::chown((folder_ / "anna@pc.csv").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(::chown((folder_ / "nobody@pc.csv").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    // An owner the system has no name for proves nothing either way.
    ASSERT_EQ(::chown((folder_ / "ben@pc.csv").c_str(), 54321, 54321), 0);
    const Summary summary = summarise();
    EXPECT_EQ(summary.pupils.count("anna"), 0u);
    EXPECT_EQ(summary.pupils.at("nobody").all.answers, 1);
    EXPECT_EQ(summary.pupils.at("ben").all.answers, 1);
    EXPECT_EQ(summary.otherPupils.count, 1);
    EXPECT_EQ(summary.otherPupils.file, "anna@pc.csv");
}

}  // namespace
}  // namespace calquin::results
