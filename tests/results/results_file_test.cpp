// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "results/results_row.h"
#include "results_folder.h"

namespace calquin::results {
namespace {

using Handed = ResultsFile::Handed;
using Kind = ResultsFile::Notice::Kind;

TEST_F(ResultsFolder, ANewFileStartsWithTheHeaderAndRowsFollowIt) {
    ResultsFile results(file());
    ASSERT_EQ(results.append(answerRow("anna", 1)), Handed::Written);
    ASSERT_EQ(results.append(answerRow("anna", 2)), Handed::Written);
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
    EXPECT_TRUE(recordingProblem(folder, "anna", "pc").has_value());
    EXPECT_EQ(ResultsFile(folder / "anna@pc.csv", keep()).append(answerRow("anna", 1)),
              Handed::NotWritten);
    ASSERT_EQ(notices().size(), 1u);
    EXPECT_EQ(notices()[0].kind, Kind::NotWritten);
    EXPECT_FALSE(notices()[0].why.empty());
    EXPECT_FALSE(fs::exists(folder / "anna@pc.csv"));
}

INSTANTIATE_TEST_SUITE_P(Table, UnwritableFolders,
                         testing::Values(UnwritableCase{"missing", "missing"},
                                         UnwritableCase{"not_a_folder", "file"},
                                         UnwritableCase{"inside_a_missing_one", "missing/deeper"}),
                         [](const auto& info) { return std::string(info.param.name); });

// What another account (or the pupil's own mistake) may leave under the pupil's file name in a
// folder every pupil can write to.
enum class Planted { Nothing, OwnFile, SymbolicLink, Pipe, HardLink, OthersFile, Folder };

struct PlantedCase {
    const char* name;
    Planted planted;
};

void PrintTo(const PlantedCase& c, std::ostream* out) {
    *out << c.name;
}

class PlantedNames : public ResultsFolder, public testing::WithParamInterface<PlantedCase> {
protected:
    // Puts the case's thing under the pupil's file name; false when this account cannot.
    bool plant() {
        switch (GetParam().planted) {
            case Planted::Nothing:
                return true;
            case Planted::OwnFile:
                std::ofstream(file(), std::ios::binary) << kHeader << "\r\n";
                return true;
            case Planted::SymbolicLink:
#ifdef _WIN32
                return false;  // mingw's std::filesystem makes no symbolic links
#else
                fs::create_symlink(dir_ / "elsewhere.csv", file());
                return true;
#endif
            case Planted::Pipe:
#ifdef _WIN32
                return false;  // Windows has no named pipe in a folder
#else
                return mkfifo(file().c_str(), 0666) == 0;
#endif
            case Planted::HardLink:
                std::ofstream(dir_ / "elsewhere.csv") << "x";
                fs::create_hard_link(dir_ / "elsewhere.csv", file());
                return true;
            case Planted::OthersFile:
                std::ofstream(file()) << "x";
#ifdef _WIN32
                return false;  // giving a file away takes a privilege no test account has
#else
                return chmod(file().c_str(), 0666) == 0 && geteuid() == 0 &&
                       chown(file().c_str(), 65534, 65534) == 0;
#endif
            case Planted::Folder:
                return fs::create_directory(file());
        }
        return false;
    }
    bool trusted() const {
        return GetParam().planted == Planted::Nothing || GetParam().planted == Planted::OwnFile;
    }
};

// --check says the pupil's file cannot be written exactly when the rows would go elsewhere.
TEST_P(PlantedNames, CheckingSaysWhatWritingMeets) {
    if (!plant()) {
        GTEST_SKIP() << "this account cannot plant it";
    }
    EXPECT_EQ(recordingProblem(dir_, "anna", "pc").has_value(), !trusted());
}

// A planted name neither receives the pupil's rows (its owner could read them) nor silences
// them: the rows go to a new file of the pupil's own, which the report counts as theirs.
TEST_P(PlantedNames, NeverTakeRowsNorSilenceThem) {
    if (!plant()) {
        GTEST_SKIP() << "this account cannot plant it";
    }
    const auto before = others();
    EXPECT_EQ(ResultsFile(file(), keep()).append(answerRow("anna", 1)), Handed::Written);
    if (trusted()) {
        EXPECT_EQ(readBack().first.at("anna"), 1);
        EXPECT_TRUE(notices().empty());
        return;
    }
    if (fs::exists(dir_ / "elsewhere.csv")) {
        EXPECT_EQ(bytes(dir_ / "elsewhere.csv"), "x");
    }
    std::vector<fs::path> made;
    for (const auto& path : others()) {
        if (std::find(before.begin(), before.end(), path) == before.end()) {
            made.push_back(path);
        }
    }
    ASSERT_EQ(made.size(), 1u);
    EXPECT_TRUE(isResultsFileOf(made[0].filename().string(), "anna", "pc"));
    EXPECT_EQ(readBack(made[0]).first.at("anna"), 1);
    ASSERT_EQ(notices().size(), 1u);
    EXPECT_EQ(notices()[0].kind, Kind::Elsewhere);
    EXPECT_EQ(notices()[0].file, file());
    EXPECT_EQ(notices()[0].elsewhere, made[0]);
}

INSTANTIATE_TEST_SUITE_P(Table, PlantedNames,
                         testing::Values(PlantedCase{"nothing", Planted::Nothing},
                                         PlantedCase{"own_file", Planted::OwnFile},
                                         PlantedCase{"symbolic_link", Planted::SymbolicLink},
                                         PlantedCase{"pipe", Planted::Pipe},
                                         PlantedCase{"hard_link", Planted::HardLink},
                                         PlantedCase{"others_file", Planted::OthersFile},
                                         PlantedCase{"folder", Planted::Folder}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LongNameCase {
    const char* name;
    std::string pupil;
    std::string computer;
    std::string file;
};

void PrintTo(const LongNameCase& c, std::ostream* out) {
    *out << c.name;
}

class LongNames : public ResultsFolder, public testing::WithParamInterface<LongNameCase> {};

// Every login the system allows (up to 255 bytes of any kind) and every host name (64) gets a
// file that fits, still starts with the pupil's name, and is the pupil's alone.
TEST_P(LongNames, FitAFileSystemAndStayThePupilsOwn) {
    const LongNameCase& c = GetParam();
    const std::string name = resultsFileName(c.pupil, c.computer);
    if (!c.file.empty()) {
        EXPECT_EQ(name, c.file);
    }
    EXPECT_LE(name.size() + std::string("~0123abcd").size(), 255u);
    std::string other = c.pupil;
    other.back() ^= 1;
    EXPECT_NE(resultsFileName(other, c.computer), name);
    EXPECT_TRUE(isResultsFileOf(name, c.pupil, c.computer));
    EXPECT_FALSE(isResultsFileOf(name, other, c.computer));
    EXPECT_EQ(ResultsFile(dir_ / name).append(answerRow("anna", 1)), Handed::Written);
}

std::string repeated(std::string_view text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LongNames,
    testing::Values(LongNameCase{"cyrillic_45_letters", repeated("Д", 45), "pc-12",
                                 repeated("%D0%94", 20) + "+8f4a06f0238900de@pc-12.csv"},
                    LongNameCase{"ascii_255", std::string(255, 'a'), "pc-12", ""},
                    LongNameCase{"escaped_255_and_host_64", std::string(255, '%'),
                                 std::string(64, '~'), ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The report counts a file's rows for a pupil only where the name is one this pupil's rows go to.
TEST(ResultsFileNames, BelongToOnePupilAndComputer) {
    struct Case {
        const char* fileName;
        bool belongs;
    };
    for (const Case& c : {Case{"anna@pc.csv", true}, Case{"anna@pc~0f3a91c2.csv", true},
                          Case{"anna@pc~0F3A91C2.csv", false}, Case{"anna@pc~0f3a.csv", false},
                          Case{"anna@pc~0f3a91c2x.csv", false}, Case{"anna@pc-2.csv", false},
                          Case{"anna@pc.csv.csv", false}, Case{"anna2@pc.csv", false},
                          Case{"bob@pc.csv", false}, Case{"anna@pc", false}}) {
        EXPECT_EQ(isResultsFileOf(c.fileName, "anna", "pc"), c.belongs) << c.fileName;
    }
}

// A cut last row was never reported written (a write is reported only once it is whole): the
// next append cuts it away, so that it spoils neither the next row nor a report.
TEST_F(ResultsFolder, ARowCutByAPowerLossIsCutAwayBeforeTheNext) {
    std::ofstream(file(), std::ios::binary)
        << kHeader << "\r\n"
        << answerRow("anna", 1) << answerRow("anna", 2).substr(0, 30);
    ASSERT_EQ(ResultsFile(file()).append(answerRow("anna", 3)), Handed::Written);
    EXPECT_EQ(bytes(), std::string(kHeader) + "\r\n" + answerRow("anna", 1) + answerRow("anna", 3));
}

}  // namespace
}  // namespace calquin::results
