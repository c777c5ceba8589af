// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "results/results_file.h"
#include "results/results_row.h"
#include "results_folder.h"

// Appends in processes that are killed, run out of disk or of descriptors, or hold a lock, made
// with fork, signals, rlimits and fcntl.
namespace calquin::results {
namespace {

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
