// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "results/results_reader.h"
#include "results/results_row.h"

namespace calquin::results {
namespace {

namespace fs = std::filesystem;

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
                fs::create_symlink(dir_ / "elsewhere.csv", file());
                return true;
            case Planted::Pipe:
                return mkfifo(file().c_str(), 0666) == 0;
            case Planted::HardLink:
                std::ofstream(dir_ / "elsewhere.csv") << "x";
                fs::create_hard_link(dir_ / "elsewhere.csv", file());
                return true;
            case Planted::OthersFile:
                std::ofstream(file()) << "x";
                return chmod(file().c_str(), 0666) == 0 && geteuid() == 0 &&
                       chown(file().c_str(), 65534, 65534) == 0;
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

// A file size limit stands in for a full disk: the kernel writes what fits and stops.
TEST_F(ResultsFolder, AFullDiskLeavesNoHalfRow) {
    ASSERT_EQ(ResultsFile(file()).append(answerRow("anna", 1)), Handed::Written);
    const std::string before = bytes();
    const int status = inChild([&] {
        ResultsFile results(file());
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() + 40, before.size() + 40};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(results.append(answerRow("anna", 2, 200)) == Handed::NotWritten ? 0 : 1);
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed append was reported";
    EXPECT_EQ(bytes(), before);
    ASSERT_EQ(ResultsFile(file()).append(answerRow("anna", 3)), Handed::Written);
    EXPECT_EQ(readBack().second, 0);
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

// The kernel may stop a write killed with SIGKILL between two pages, leaving part of a long row.
// Kills land at random until a few rows were cut; then one more append leaves only whole rows.
TEST_F(ResultsFolder, RowsCutByKillsAreCutAwayByTheNextAppend) {
    // In memory where the system has it, so that each row is written in microseconds and most
    // kills land inside a write rather than inside a sync.
    const fs::path folder = fs::exists("/dev/shm") ? fs::path("/dev/shm") : dir_;
    const fs::path path = folder / ("calquin-kill-" + std::to_string(getpid()) + ".csv");
    const std::string row = answerRow("anna", 1, 64 * 1024);
    std::mt19937 random(24);
    int cut = 0;
    for (int kill = 0; kill < 300 && cut < 3; ++kill) {
        const pid_t pid = fork();
        if (pid == 0) {
            ResultsFile results(path);
            for (;;) {
                results.append(row);
            }
        }
        usleep(std::uniform_int_distribution<useconds_t>(100, 2000)(random));
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string text = bytes(path);
        cut += !text.empty() && !text.ends_with("\n") ? 1 : 0;
    }
    EXPECT_EQ(ResultsFile(path).append(answerRow("anna", 2)), Handed::Written);
    const std::string text = bytes(path);
    fs::remove(path);
    // The header, whole long rows, and the last row: nothing cut anywhere.
    const std::string header = std::string(kHeader) + "\r\n";
    const std::size_t whole =
        (text.size() - header.size() - answerRow("anna", 2).size()) / row.size();
    std::string expected = header;
    for (std::size_t n = 0; n < whole; ++n) {
        expected += row;
    }
    EXPECT_TRUE(text == expected + answerRow("anna", 2)) << "a cut row stayed";
    if (cut == 0) {
        GTEST_SKIP() << "no kill cut a row here, so the cutting away was not tried";
    }
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

// Another process (a spreadsheet, a backup) holding a shared lock on the file until told.
class LockHolder {
public:
    explicit LockHolder(const fs::path& path) {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        EXPECT_EQ(pipe(release_), 0);
        pid_ = fork();
        if (pid_ == 0) {
            close(release_[1]);
            const int fd = open(path.c_str(), O_RDONLY);
            struct flock shared {};
            shared.l_type = F_RDLCK;
            shared.l_whence = SEEK_SET;
            char byte = fcntl(fd, F_SETLKW, &shared) == 0 ? 'y' : 'n';
            // Let go when told, or after ten seconds, so that a writer that waits for the lock
            // fails the test instead of hanging it.
            pollfd told{release_[0], POLLIN, 0};
            _exit(write(ready[1], &byte, 1) == 1 && poll(&told, 1, 10000) >= 0 ? 0 : 1);
        }
        char byte = 0;
        EXPECT_EQ(read(ready[0], &byte, 1), 1);
        EXPECT_EQ(byte, 'y');
        close(ready[0]);
        close(ready[1]);
    }
    void release() {
        if (pid_ > 0) {
            close(release_[1]);
            waitpid(pid_, nullptr, 0);
            close(release_[0]);
            pid_ = 0;
        }
    }
    ~LockHolder() { release(); }

private:
    pid_t pid_ = 0;
    int release_[2] = {-1, -1};
};

// The window gets control back while the lock is held (a writer that waited for it would find
// its row already written when append returns), and the rows follow when it is let go.
TEST_F(ResultsFolder, ALockHeldByAnotherProgramHoldsNothingUp) {
    ASSERT_EQ(ResultsFile(file()).append(answerRow("anna", 1)), Handed::Written);
    LockHolder holder(file());
    {
        ResultsFile results(file(), keep(), {std::chrono::hours(1), std::chrono::hours(1), 64});
        EXPECT_EQ(results.append(answerRow("anna", 2)), Handed::Waiting);
        EXPECT_EQ(results.append(answerRow("anna", 3)), Handed::Waiting);
        EXPECT_EQ(readBack().first.at("anna"), 1);
        holder.release();
    }
    EXPECT_EQ(readBack().first.at("anna"), 3);
    EXPECT_TRUE(notices().empty());
}

TEST_F(ResultsFolder, RowsStillLockedOutWhenTheFileClosesAreNoticed) {
    ASSERT_EQ(ResultsFile(file()).append(answerRow("anna", 1)), Handed::Written);
    LockHolder holder(file());
    {
        ResultsFile results(file(), keep(),
                            {std::chrono::hours(1), std::chrono::milliseconds(50), 64});
        EXPECT_EQ(results.append(answerRow("anna", 2)), Handed::Waiting);
    }
    holder.release();
    EXPECT_EQ(readBack().first.at("anna"), 1);
    ASSERT_EQ(notices().size(), 1u);
    EXPECT_EQ(notices()[0].kind, Kind::LockedAtExit);
    EXPECT_EQ(notices()[0].rows, 1u);
}

// However fast answers come, the rows hold only a descriptor or two open at a time.
TEST_F(ResultsFolder, FastAnswersNeedFewDescriptors) {
    constexpr int kAnswers = 300;
    const int status = inChild([&] {
        const rlimit limit{12, 12};
        setrlimit(RLIMIT_NOFILE, &limit);
        ResultsFile results(file());
        for (int n = 0; n < kAnswers; ++n) {
            if (results.append(answerRow("anna", n)) == Handed::NotWritten) {
                _exit(1);
            }
        }
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto [rows, skipped] = readBack();
    EXPECT_EQ(rows.at("anna"), kAnswers);
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
            {
                ResultsFile results(file());
                for (int n = 0; n < kAnswers; ++n) {
                    if (results.append(answerRow("window " + std::to_string(w), n, 6000)) ==
                        Handed::NotWritten) {
                        _exit(1);
                    }
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
