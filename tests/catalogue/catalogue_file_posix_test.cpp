// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "catalogue/catalogue_file.h"
#include "catalogue_file_fixture.h"

// Pipes, devices and unreadable files in place of the catalogue, made with POSIX calls, and
// paths as POSIX systems write them.
namespace calquin::catalogue {
namespace {

namespace fs = std::filesystem;

// On Windows the temporary folder may be on another drive than the working directory (under Wine
// C: and Z:), and no relative path leads from one drive to another.
TEST_F(CatalogueFile, MissingFileIsNamedWithItsFullPath) {
    const auto relative = fs::relative(dir_ / "index.txt", fs::current_path());
    const auto fault = faultOf(relative);
    EXPECT_EQ(fault.path, (dir_ / "index.txt").lexically_normal().string());
    EXPECT_NE(said(fault).find("there is no such file"), std::string::npos) << said(fault);
}

// Paths rooted at "/"; on Windows the root is the working directory's drive's.
TEST(AbsolutePath, ResolvesStepsAgainstTheWorkingDirectory) {
    EXPECT_EQ(absolutePath("/school/./maths/../drills/index.txt"), "/school/drills/index.txt");
    EXPECT_EQ(absolutePath("/../index.txt"), "/index.txt");
    EXPECT_EQ(absolutePath("index.txt"), (fs::current_path() / "index.txt").string());
    EXPECT_EQ(absolutePath("/school/drills/"), "/school/drills");
    EXPECT_EQ(absolutePath("/school/drills/.."), "/school");
    EXPECT_EQ(absolutePath("/school//drills"), "/school/drills");
    EXPECT_EQ(absolutePath("/.."), "/");
    EXPECT_EQ(absolutePath(""), fs::current_path().string());
}

TEST_F(CatalogueFile, NamedPipeInPlaceOfTheFileIsRefusedWithoutWaiting) {
    const auto path = dir_ / "index.txt";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_NE(said(faultOf(path)).find("not an ordinary file"), std::string::npos);
}

// A device never ends: opened and read, it would fill the size cap before being refused.
TEST_F(CatalogueFile, DeviceInPlaceOfTheFileIsRefusedWithoutReadingIt) {
    fs::create_symlink("/dev/zero", dir_ / "index.txt");
    EXPECT_NE(said(faultOf(dir_ / "index.txt")).find("not an ordinary file"), std::string::npos);
}

TEST_F(CatalogueFile, UnreadableFileIsRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    const auto path = write("Sums,1,1,+\n");
    fs::permissions(path, fs::perms::none);
    EXPECT_NE(said(faultOf(path)).find("cannot be opened"), std::string::npos);
}

}  // namespace
}  // namespace calquin::catalogue
