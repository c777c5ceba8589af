// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace calquin::results {

// One row read back, its texts as they were written (the apostrophes of writeField taken off).
// The views last only until the callback returns.
struct RowView {
    std::string_view time;
    std::string_view pupil;
    std::string_view computer;
    std::string_view item;
    std::string_view question;
    std::string_view answer;
    bool correct = false;
    std::int64_t centiseconds = 0;
    // The whole row as it stands in the bytes read, its line end included.
    std::string_view bytes;
};

struct ReadOutcome {
    // False when the first row is not the header: some other file, of which nothing is read.
    bool isResultsFile = false;
    std::int64_t rows = 0;
    // Rows that cannot be read (a damaged or foreign line, a cut last line), skipped.
    std::int64_t skipped = 0;
    // The file's own line, header included, where the first skipped row starts; 0 for none.
    std::int64_t firstSkippedLine = 0;
};

// Reads a results file's bytes the way a pupil's file can really look: rows from older runs cut
// off by a power loss, lines a person typed in a spreadsheet, the last row half written. A row
// that does not read as a whole row of eight well-formed fields is skipped and counted, and
// reading goes on at the line after the one it started on, so one bad row costs only itself.
ReadOutcome readResults(std::string_view bytes, const std::function<void(const RowView&)>& onRow);

}  // namespace calquin::results
