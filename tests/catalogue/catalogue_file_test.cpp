// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "catalogue_file_fixture.h"

namespace calquin::catalogue {
namespace {

namespace fs = std::filesystem;

TEST_F(CatalogueFile, LoadsAWellFormedFile) {
    const auto result = loadCatalogueFile(write("Sums,1,1,+\nMore sums,2,1,+\n").string());
    ASSERT_TRUE(std::holds_alternative<std::vector<Record>>(result));
    EXPECT_EQ(std::get<std::vector<Record>>(result).size(), 2u);
}

TEST_F(CatalogueFile, FaultNamesTheFullPathTheLineAndTheColumn) {
    const auto fault = faultOf(write("Fine,1,1,+\n\"Open,1,1,+\n"));
    EXPECT_EQ(fault.path, (dir_ / "index.txt").string());
    EXPECT_EQ(fault.error.line, 2);
    EXPECT_EQ(fault.error.column, 1);
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

}  // namespace
}  // namespace calquin::catalogue
