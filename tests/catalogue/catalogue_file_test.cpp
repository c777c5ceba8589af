// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "scratch_folder.h"

namespace calquin::catalogue {
namespace {

namespace fs = std::filesystem;

class CatalogueFile : public ScratchFolder {
protected:
    fs::path write(const std::string& bytes) {
        std::ofstream(path(), std::ios::binary) << bytes;
        return path();
    }

    CatalogueFault faultOf(const fs::path& path) {
        auto result = loadCatalogueFile(path);
        EXPECT_TRUE(std::holds_alternative<CatalogueFault>(result));
        return std::get<CatalogueFault>(result);
    }
};

// What the fault says was wrong, with the system's own words where it gave any.
std::string said(const CatalogueFault& fault) {
    return std::string(fault.error.what.english) + ": " + fault.error.detail;
}

TEST_F(CatalogueFile, LoadsAWellFormedFile) {
    const auto result = loadCatalogueFile(write("Sums,1,1,+\nMore sums,2,1,+\n"));
    ASSERT_TRUE(std::holds_alternative<std::vector<Record>>(result));
    EXPECT_EQ(std::get<std::vector<Record>>(result).size(), 2u);
}

TEST_F(CatalogueFile, FaultNamesTheFullPathTheLineAndTheColumn) {
    const auto fault = faultOf(write("Fine,1,1,+\n\"Open,1,1,+\n"));
    EXPECT_EQ(fault.path, (dir_ / "index.txt").string());
    EXPECT_EQ(fault.error.line, 2);
    EXPECT_EQ(fault.error.column, 1);
}

TEST_F(CatalogueFile, MissingFileIsNamedWithItsFullPath) {
    const auto relative = fs::relative(dir_ / "index.txt", fs::current_path());
    const auto fault = faultOf(relative);
    EXPECT_EQ(fault.path, (dir_ / "index.txt").lexically_normal().string());
    EXPECT_NE(said(fault).find("there is no such file"), std::string::npos) << said(fault);
}

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

TEST_F(CatalogueFile, PathThroughAFileIsNamedAsMissing) {
    write("Sums,1,1,+\n");
    EXPECT_NE(said(faultOf(dir_ / "index.txt" / "index.txt")).find("no such file"),
              std::string::npos);
}

TEST_F(CatalogueFile, FolderInPlaceOfTheFileIsRefused) {
    fs::create_directory(dir_ / "index.txt");
    EXPECT_NE(said(faultOf(dir_ / "index.txt")).find("a folder"), std::string::npos);
}

TEST_F(CatalogueFile, HugeFileIsRefusedWithoutReadingIt) {
    const auto path = write("");
    fs::resize_file(path, kMaxCatalogueBytes + 1);
    EXPECT_NE(said(faultOf(path)).find("MiB"), std::string::npos);
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
