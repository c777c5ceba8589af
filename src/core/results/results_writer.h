// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The parts of ResultsFile that only its own files see: the queue of rows between the window's
// thread and the writer, and the writer that empties it.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "results/results_file.h"
#include "results/system_file.h"

namespace calquin::results {

// "0f3a91c2": `digits` lower-case hex digits of `value`.
std::string hexDigits(std::uint64_t value, int digits);

// A new name of the pupil's own beside `path`, for when `path` is taken: "anna@pc-12~0f3a91c2.csv".
std::filesystem::path namedInstead(const std::filesystem::path& path);

// Why this account must not write into the file it opened, or nothing when it may. A file
// another account planted under the pupil's name (or linked to one of its own) would let that
// account read the pupil's answers.
Problem trustProblem(const FileFacts& facts);

// The rows handed over and not yet settled, shared by the window's thread and the writer.
struct ResultsFile::Queue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::string> waiting;
    std::uint64_t handed = 0;      // rows handed over so far
    std::uint64_t settled = 0;     // of them, rows written or given up
    std::uint64_t failedFrom = 0;  // the last rows given up: [failedFrom, failedTo)
    std::uint64_t failedTo = 0;
    bool lockedOut = false;  // the writer waits for a lock another program holds
    bool closing = false;
    bool finished = false;
    bool abandoned = false;  // the window closed and gave up the rows still waiting
    Noticed noticed;

    void notice(const Notice& what) {
        if (noticed) {
            noticed(what);
        }
    }
};

// Takes waiting rows in batches and writes each batch whole under the file's lock: open, check
// the file is the pupil's own, wait for the lock without holding up anyone, write, sync, close.
class ResultsFile::Writer {
public:
    Writer(std::filesystem::path path, std::shared_ptr<Queue> queue);

    std::jthread& thread() { return thread_; }

private:
    struct Outcome {
        Problem problem;
        std::optional<SystemFile> written;  // still locked, to be synced and closed
        std::int64_t end = 0;               // where the rows written start
        bool mayPass = false;               // nothing written, and worth trying again
    };

    void run();

    // A share that lost its server fails at once until the server is back (SSHFS reconnects
    // at the next call): the rows wait, and are tried again now and then for half a minute,
    // while the window goes on.
    bool retry(std::vector<std::string>& batch, std::unique_lock<std::mutex>& hold);

    // Opens `target` and checks it is this account's own plain file with no other link; says
    // why not, and whether the name is taken by something else rather than the folder refusing.
    static std::variant<SystemFile, OpenFailure> openOwn(const std::filesystem::path& target,
                                                         SystemFile::Creation creation);

    // Opens the pupil's file, or the one written instead of it once that was found taken.
    std::variant<SystemFile, OpenFailure> openTrusted();

    // Takes the lock, telling the window the moment another program is found holding it, so
    // that the window goes on while this thread waits.
    Problem lock(SystemFile& file);

    // A row cut off by a kill or a power loss was never reported written: it is cut away, so
    // that the file holds whole rows only. Where no line end is near (a file not written by
    // this program), the new rows start on a line of their own instead.
    static std::variant<std::int64_t, std::string> wholeRowsEnd(SystemFile& file,
                                                                std::int64_t size);

    Outcome write(const std::vector<std::string>& rows);

    static constexpr std::chrono::milliseconds kFirstPause{100};
    static constexpr std::chrono::seconds kRetryFor{30};

    std::filesystem::path path_;
    std::filesystem::path instead_;
    std::string refusedWhy_;
    std::optional<std::chrono::steady_clock::time_point> retryingSince_;
    std::chrono::milliseconds pause_ = kFirstPause;
    std::shared_ptr<Queue> queue_;
    std::jthread thread_;
};

}  // namespace calquin::results
