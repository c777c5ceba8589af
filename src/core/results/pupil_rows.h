// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "results/results_reader.h"

// The one way a results folder is read, for `calquin --report` and the teacher's window alike:
// which rows of a file count, and what was left out and why, so that both show the same pupils
// with the same answers.
namespace calquin::results {

// Who a file's rows may be of: the pupil its name is made for, and the login of its owner where
// the system tells it and the owner is another account than the one reading (not the teacher's
// own copy, nor the system's).
struct FileOrigin {
    std::string name;
    std::optional<std::string> owner;
};

// Where rows were found: a count, and the file and line of the first.
struct Place {
    std::int64_t count = 0;
    std::string file;
    std::int64_t line = 0;

    void add(std::int64_t more, const std::string& inFile, std::int64_t atLine);
};

// What one file held besides the rows that count.
struct FileTally {
    bool isResultsFile = false;
    std::int64_t skipped = 0;
    std::int64_t firstSkippedLine = 0;
    std::int64_t otherRows = 0;
    std::int64_t firstOtherLine = 0;
    std::optional<std::string> unreadable;  // the system's reason
};

// What reading a folder left out, the first of each kind named in name order.
struct FolderTally {
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

    // Files must be added in name order for the first of each kind to be the first by name.
    void add(const FileTally& file, const std::string& name);
    // Adds the tally of files that all come after these in name order.
    void addLater(const FolderTally& later);
};

// Reads one results file and hands on only the rows of the pupil the file belongs to; the rest
// are counted. The bytes come in blocks through reader(), then finish().
class PupilRowsReader {
public:
    PupilRowsReader(FileOrigin origin, ResultsReader::OnRow onOwnRow);
    PupilRowsReader(const PupilRowsReader&) = delete;
    PupilRowsReader& operator=(const PupilRowsReader&) = delete;

    ResultsReader& reader() { return reader_; }
    FileTally finish();

private:
    bool isOwnRow(const RowView& row);

    FileOrigin origin_;
    std::string servedName_;
    ResultsReader::OnRow onOwnRow_;
    ResultsReader reader_;
    std::string trustedPupil_;
    std::int64_t otherRows_ = 0;
    std::int64_t firstOtherLine_ = 0;
};

// A file of the folder, opened and read in blocks of bounded size. Anything but a plain file (a
// pipe someone put in a shared folder, a device) is no results file and is not read, so that no
// name in the folder can hold the reading.
FileTally readPupilFile(const std::filesystem::path& path, const ResultsReader::OnRow& onOwnRow);

// A file's bytes at once, as the tests give them.
FileTally readPupilFile(std::string_view bytes, const FileOrigin& origin,
                        const ResultsReader::OnRow& onOwnRow);

}  // namespace calquin::results
