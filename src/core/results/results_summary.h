// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "results/question_table.h"
#include "results/results_reader.h"

namespace calquin::results {

struct Figures {
    std::int64_t answers = 0;
    std::int64_t correct = 0;
    std::int64_t centiseconds = 0;

    // The share correct as a whole percent, rounded, but 100 only when every answer was right
    // and 0 only when none was: a teacher reads "100" as "all of them".
    int percentCorrect() const;
    // Average hundredths of a second per answer, rounded.
    std::int64_t averageCentiseconds() const;
};

struct PupilFigures {
    Figures all;
    std::map<std::string, Figures, std::less<>> items;
};

// Where rows were found: a count, and the file and line of the first.
struct Place {
    std::int64_t count = 0;
    std::string file;
    std::int64_t line = 0;

    void add(std::int64_t more, const std::string& inFile, std::int64_t atLine);
};

struct Summary {
    std::map<std::string, PupilFigures, std::less<>> pupils;
    QuestionTable questions;
    int filesRead = 0;
    Place skipped;  // rows that cannot be read
    // Rows that name another pupil than the file they are in: by its name, or by its owner
    // where the system tells one. A pupil can write only into files of their own, so such a row
    // was put there by someone else, or is the inner line of a cut answer.
    Place otherPupils;
    // .csv files that are no results files (no header: a copy a spreadsheet saved in another
    // encoding, a file whose start was overwritten), left out.
    Place foreignFiles;
    int filesUnreadable = 0;
    std::string firstUnreadableFile;
    std::string firstUnreadableReason;
};

// Who a file's rows may be of: the pupil its name is made for, and the login of its owner where
// the system tells it and the owner is another account than the one reading (not the teacher's
// own copy, nor the system's).
struct FileOrigin {
    std::string name;
    std::optional<std::string> owner;
};

// Answers for a summary's question table, handed over in batches: counted at once, or by a thread
// of its own while the next rows are read, which nearly halves a large report on two cores.
class QuestionCounter {
public:
    QuestionCounter(QuestionTable& table, bool ownThread);
    ~QuestionCounter();
    QuestionCounter(const QuestionCounter&) = delete;
    QuestionCounter& operator=(const QuestionCounter&) = delete;

    void add(std::string_view question, bool wrong);
    // Every answer added is counted once this returns.
    void finish();

private:
    struct Batch {
        std::string text;  // reserved once, so that the views below stay valid
        std::vector<Asked> answers;
    };
    static constexpr std::size_t kBatch = 4096;
    static constexpr std::size_t kBatchBytes = 256 * 1024;
    static constexpr std::size_t kWaiting = 4;  // batches at most, so that memory stays bounded
    Batch freshBatch();
    void handOver();
    void count();

    QuestionTable& table_;
    Batch filling_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Batch> waiting_;
    std::vector<Batch> spare_;
    bool finished_ = false;
    std::thread thread_;
};

// Adds the rows of one file dated `since` (YYYY-MM-DD, the local date where the row was recorded)
// or later; an empty `since` takes every row. The file's bytes come in blocks, through
// reader(), and then finish().
class FileSummer {
public:
    FileSummer(Summary& summary, FileOrigin origin, std::string_view since,
               QuestionCounter& questions);
    ResultsReader& reader() { return reader_; }
    void finish();

private:
    void add(const RowView& row);
    bool isOwnRow(const RowView& row);

    Summary& summary_;
    QuestionCounter& questions_;
    FileOrigin origin_;
    std::string since_;
    ResultsReader reader_;
    // Rows of one file are mostly one pupil's on one item, so the last entries are kept at hand.
    PupilFigures* pupil_ = nullptr;
    std::string pupilName_;
    Figures* item_ = nullptr;
    std::string itemName_;
    std::string trustedPupil_;
    std::int64_t otherRows_ = 0;
    std::int64_t firstOtherLine_ = 0;
};

// One file's bytes at once.
void addFile(Summary& summary, std::string_view bytes, const FileOrigin& origin,
             std::string_view since);

// Every .csv file in `folder`, in name order, each read in blocks of bounded size whatever it
// holds. The system's reason when the folder cannot be read.
std::variant<Summary, std::string> summariseFolder(const std::filesystem::path& folder,
                                                   std::string_view since);

// The questions answered wrong most often, at most `limit`: the most often wrong first, then
// the most often asked, then by their text.
std::vector<std::pair<std::string, QuestionFigures>> mostMissed(const Summary& summary,
                                                                std::size_t limit = 10);

}  // namespace calquin::results
