// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "results/results_row.h"

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
    std::int64_t line = 0;  // the file's own line where the row starts; the header is line 1
    // Where the whole row stands among the bytes read (after any hole skipped), its line end
    // included.
    std::uint64_t offset = 0;
    std::size_t length = 0;
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

// No row we write comes near this; a longer one is a damaged row, so that reading a file never
// holds more than this and one block in memory, whatever the file holds.
inline constexpr std::size_t kLongestRow = std::size_t{4} << 20;

// Reads a results file's bytes the way a pupil's file can really look: rows from older runs cut
// off by a power loss, lines a person typed in a spreadsheet, the last row half written. A row
// that does not read as a whole row of eight well-formed fields is skipped and counted, and
// reading goes on at the line after the one it started on, so one bad row costs only itself.
// The bytes come in blocks of any size, so a file of any size is read in bounded memory.
class ResultsReader {
public:
    using OnRow = std::function<void(const RowView&)>;
    explicit ResultsReader(OnRow onRow) : onRow_(std::move(onRow)) {}

    // Room for the next `size` bytes of the file, to be read into and then passed to commit.
    char* space(std::size_t size);
    void commit(std::size_t size);
    void feed(std::string_view bytes);
    // A stretch of the file that holds no data (a hole in a sparse file): zero bytes, which no
    // row holds, so the row it falls in is damaged, up to the next line end after it.
    void hole();
    // False once the file is known to be no results file: the rest of it need not be read.
    bool wantsMore() const { return !decided_ || outcome_.isResultsFile; }
    // The end of the file: a row not ended by then was cut off.
    ReadOutcome finish();

private:
    enum class Step { Row, Bad, NeedMore };
    void parse(bool atEnd);
    bool decideHeader(bool atEnd);
    Step readRecord(std::string_view bytes, std::size_t& pos, std::int64_t& line, bool atEnd);
    bool readField(std::string_view bytes, std::size_t& pos, std::int64_t& line, std::size_t field,
                   std::string_view& value, bool& needMore, bool atEnd);
    Step rowOf(std::int64_t startLine, std::size_t end);
    void skipped(std::int64_t line);
    void drop(std::size_t used);

    OnRow onRow_;
    // Never cleared before use: the reads fill it, and clearing a block of each of a school's
    // thousand files showed in the report's time.
    std::unique_ptr<char[]> pending_;
    std::size_t capacity_ = 0;
    std::size_t filled_ = 0;
    std::uint64_t dropped_ = 0;  // bytes of the file before pending_'s first
    std::size_t rowStart_ = 0;   // in pending_, of the record being read
    bool decided_ = false;
    bool toLineEnd_ = false;  // dropping the rest of a damaged line that did not fit
    std::int64_t line_ = 2;   // of the first byte pending; the header is line 1
    ReadOutcome outcome_;
    std::array<std::string_view, kFieldCount> fields_;
    std::array<std::string, kFieldCount> unquoted_;
    std::array<std::string, kFieldCount> unescaped_;
};

// The whole of a file's bytes at once.
ReadOutcome readResults(std::string_view bytes, const ResultsReader::OnRow& onRow);

}  // namespace calquin::results
