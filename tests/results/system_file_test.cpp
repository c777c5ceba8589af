// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The system seam itself, on whichever system the tests are built for: what the results code
// relies on from each system's file, so that another system's file is held to the same promises.

#include "results/system_file.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace calquin::results {
namespace {

namespace fs = std::filesystem;

// The file's bytes as a reader of the folder gets them, through the same seam.
std::string readBack(const fs::path& path) {
    auto opened = SystemFile::openToRead(path);
    if (!std::holds_alternative<SystemFile>(opened)) {
        return "(cannot be opened)";
    }
    SystemFile& file = std::get<SystemFile>(opened);
    std::string bytes;
    char block[256];
    for (;;) {
        const auto got = file.readAt(static_cast<std::int64_t>(bytes.size()), block, sizeof block);
        if (!std::holds_alternative<std::size_t>(got)) {
            return "(cannot be read)";
        }
        if (std::get<std::size_t>(got) == 0) {
            return bytes;
        }
        bytes.append(block, std::get<std::size_t>(got));
    }
}

class SystemFolder : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("calquin-system-" + std::to_string(freshNumber()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    SystemFile append(const fs::path& path,
                      SystemFile::Creation creation = SystemFile::Creation::MayCreate) {
        auto opened = SystemFile::openToAppend(path, creation);
        EXPECT_TRUE(std::holds_alternative<SystemFile>(opened)) << path;
        return std::move(std::get<SystemFile>(opened));
    }

    fs::path dir_;
};

TEST_F(SystemFolder, WritesAtTheEndAndTellsWhatItIs) {
    const fs::path path = dir_ / "anna@pc.csv";
    SystemFile file = append(path);
    ASSERT_FALSE(file.writeAtEnd("one\r\n", 0));
    ASSERT_FALSE(file.writeAtEnd("two\r\n", 5));
    auto facts = std::get<FileFacts>(file.facts());
    EXPECT_TRUE(facts.plainFile);
    EXPECT_TRUE(facts.ownedByThisAccount);
    EXPECT_EQ(facts.links, 1u);
    EXPECT_EQ(facts.size, 10);
    char last[5] = {};
    EXPECT_EQ(std::get<std::size_t>(file.readAt(5, last, sizeof last)), 5u);
    EXPECT_EQ(std::string(last, 5), "two\r\n");
    EXPECT_EQ(std::get<std::size_t>(file.readAt(10, last, sizeof last)), 0u);
    // A second name for the same file is what a planted link looks like.
    fs::create_hard_link(path, dir_ / "other@pc.csv");
    EXPECT_EQ(std::get<FileFacts>(file.facts()).links, 2u);
    ASSERT_FALSE(file.truncate(5));
    EXPECT_FALSE(file.close());
    EXPECT_EQ(readBack(path), "one\r\n");
}

// One writer at a time, and a report still reads every row while a writer holds the lock.
TEST_F(SystemFolder, TheLockKeepsOutWritersButNotReaders) {
    const fs::path path = dir_ / "anna@pc.csv";
    SystemFile first = append(path);
    SystemFile second = append(path);
    ASSERT_FALSE(first.writeAtEnd("row\r\n", 0));
    EXPECT_EQ(std::get<SystemFile::Lock>(first.tryLock()), SystemFile::Lock::Taken);
    EXPECT_EQ(std::get<SystemFile::Lock>(second.tryLock()), SystemFile::Lock::HeldByAnother);
    EXPECT_EQ(readBack(path), "row\r\n");
    first.unlock();
    EXPECT_EQ(std::get<SystemFile::Lock>(second.tryLock()), SystemFile::Lock::Taken);
}

TEST_F(SystemFolder, SaysWhyANameCannotBeOpened) {
    std::ofstream(dir_ / "taken.csv") << "x";
    fs::create_directory(dir_ / "folder.csv");
    const auto failure = [](auto opened) { return std::get<OpenFailure>(std::move(opened)); };
    const OpenFailure exists =
        failure(SystemFile::openToAppend(dir_ / "taken.csv", SystemFile::Creation::OnlyNew));
    EXPECT_TRUE(exists.exists);
    const OpenFailure missing = failure(SystemFile::openToRead(dir_ / "missing.csv"));
    EXPECT_TRUE(missing.missing);
    EXPECT_FALSE(missing.why.empty());
    const OpenFailure folder =
        failure(SystemFile::openToAppend(dir_ / "folder.csv", SystemFile::Creation::MayCreate));
    EXPECT_TRUE(folder.nameTaken);
    EXPECT_FALSE(folder.missing || folder.exists || folder.mayPass);
}

TEST_F(SystemFolder, SaysWhyAFolderTakesNoFiles) {
    std::ofstream(dir_ / "file") << "x";
    EXPECT_FALSE(folderProblem(dir_));
    EXPECT_TRUE(folderProblem(dir_ / "missing"));
    EXPECT_TRUE(folderProblem(dir_ / "file"));
}

// Pupils and folders are named in every script: the name the system stores is the one given.
TEST_F(SystemFolder, NamesInAnyScriptReachTheSystemWhole) {
    const fs::path folder = dir_ / fs::path(u8"Klasse 3ä 名前");
    fs::create_directory(folder);
    const fs::path name(u8"Ελένη Zoë عمر@pc.csv");
    ASSERT_FALSE(append(folder / name).writeAtEnd("row\r\n", 0));
    const auto entry = *fs::directory_iterator(folder);
    EXPECT_TRUE(entry.path().filename() == name);
    EXPECT_EQ(readBack(folder / name), "row\r\n");
    removeFile(folder / name);
    EXPECT_FALSE(fs::exists(folder / name));
}

TEST(SystemNames, TheLocalTimeIsUtcMovedByItsOffset) {
    const std::time_t moment = 1796731200;  // 2026-12-08 12:00 UTC
    const LocalTime local = localTime(moment);
    const std::time_t shifted = moment + local.offsetSeconds;
    const std::tm utc = *std::gmtime(&shifted);
    EXPECT_EQ(local.fields.tm_hour, utc.tm_hour);
    EXPECT_EQ(local.fields.tm_min, utc.tm_min);
    EXPECT_EQ(local.fields.tm_mday, utc.tm_mday);
    EXPECT_FALSE(loginName().empty());
    EXPECT_FALSE(hostName().empty());
}

}  // namespace
}  // namespace calquin::results
