// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "results/system_file.h"

namespace calquin::results {

// The file a pupil's answers on one computer go to: "anna@pc-12.csv". Each name keeps letters,
// digits, '.', '_' and '-'; every other byte (a path separator, a character Windows refuses, '@',
// '%', anything beyond ASCII) is written as '%' and two hex digits, and so is a leading '.', so the
// name never leaves the folder and never hides. A name that would not fit a file system's 255
// bytes keeps its first part and ends in '+' and a hash of the whole pupil and computer names
// ("%D0%90...%D0%BA+3f2a9c01d4e5b677@pc-12.csv"): still readable, and still one file per pupil
// and computer.
std::string resultsFileName(std::string_view pupil, std::string_view computer);

// Whether `fileName` is one the rows of `pupil` on `computer` are written to: the name above, or
// the one made instead when that name was taken by a file this account may not write into
// ("anna@pc-12~0f3a91c2.csv").
bool isResultsFileOf(std::string_view fileName, std::string_view pupil, std::string_view computer);

// How long a results file waits, and for how many rows.
struct Patience {
    // How long append waits for a row to reach the file when nothing holds it locked.
    std::chrono::milliseconds forWrite{250};
    // How long the destructor waits for rows that are still waiting.
    std::chrono::milliseconds atClose{5000};
    // Rows that may wait at once; a row beyond them is not written and noticed.
    std::size_t rows = 4096;
};

// Appends whole rows to one pupil's results file, on a thread of its own, so that the pupil's
// window never waits for a lock another program holds or a share that does not answer.
//
// Rows are written in the order given, only into a plain file that this account owns and that
// has no other link; anything else found under the name is left alone, and the rows go to a new
// file of the pupil's own beside it. The file is opened only when a row comes, so that no file is
// touched before the first answer and a teacher may move the file away between answers.
class ResultsFile {
public:
    struct Notice {
        enum class Kind {
            // `rows` were not written, or may be lost, for `why`.
            NotWritten,
            // `file` is not this account's own plain file (`why`); rows go to `elsewhere`.
            Elsewhere,
            // `rows` were still waiting for a lock another program held when this file closed.
            LockedAtExit,
        };
        Kind kind;
        std::filesystem::path file;
        std::string why;
        std::size_t rows = 0;
        std::filesystem::path elsewhere;
    };
    // Called on the writing thread, never two at once.
    using Noticed = std::function<void(const Notice&)>;

    explicit ResultsFile(std::filesystem::path path, Noticed noticed = {}, Patience patience = {});
    // Writes and syncs every row still waiting, giving up after `atClose` on a lock another
    // program holds (or a share that hangs), and notices whatever it could not write.
    ~ResultsFile();
    ResultsFile(const ResultsFile&) = delete;
    ResultsFile& operator=(const ResultsFile&) = delete;

    enum class Handed {
        // In the file (and so safe from the program being killed); being synced to the disk.
        Written,
        // Waiting for a lock, a slow share, or the rows before it; written later or noticed.
        Waiting,
        // Not written; the notice says why.
        NotWritten,
    };
    // Hands over `row` (a whole line with its line end), written after the header when the
    // file is new. Waits at most `forWrite`, and not at all while an earlier row waits.
    Handed append(std::string row);

    const std::filesystem::path& path() const { return path_; }

private:
    struct Queue;
    class Writer;
    std::filesystem::path path_;
    Patience patience_;
    std::shared_ptr<Queue> queue_;
    std::unique_ptr<Writer> writer_;
};

// Why a row of `pupil` on `computer` cannot in fact be written into `folder`, or nothing when
// it can: the folder must take a new file under a name as long as the pupil's, and a file
// already under that name must be this account's own plain file with no other link.
Problem recordingProblem(const std::filesystem::path& folder, std::string_view pupil,
                         std::string_view computer);

}  // namespace calquin::results
