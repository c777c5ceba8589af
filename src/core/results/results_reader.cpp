// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_reader.h"

#include <array>
#include <string>

#include "results/results_row.h"

namespace calquin::results {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// 2026-12-08T09:15:02+01:00, exactly as formatLocalTime writes it.
bool wellFormedTime(std::string_view time) {
    static constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd+dd:dd";
    if (time.size() != kShape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const char want = kShape[i];
        const bool fits = want == 'd'   ? isDigit(time[i])
                          : want == '+' ? time[i] == '+' || time[i] == '-'
                                        : time[i] == want;
        if (!fits) {
            return false;
        }
    }
    return true;
}

// Whole seconds and two decimals; more than fifteen digits is no time a pupil took.
bool readCentiseconds(std::string_view text, std::int64_t& centiseconds) {
    const std::size_t point = text.find('.');
    if (point == 0 || point == std::string_view::npos || point > 15 || text.size() != point + 3) {
        return false;
    }
    std::int64_t value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == point) {
            continue;
        }
        if (!isDigit(text[i])) {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    centiseconds = value;
    return true;
}

class Parser {
public:
    explicit Parser(std::string_view bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::int64_t line() const { return line_; }

    // Reads one record from the start of a line. False when it is not a whole, well-quoted
    // record of eight fields ending in a line end; the position is then undefined.
    bool readRecord(std::array<std::string_view, kFieldCount>& fields) {
        for (std::size_t field = 0;; ++field) {
            std::string_view value;
            if (!readFieldAt(field, value)) {
                return false;
            }
            if (field < kFieldCount) {
                fields[field] = value;
            }
            if (atEnd()) {
                return false;  // cut off: every row we write ends with a line end
            }
            const char next = bytes_[pos_];
            if (next == ',') {
                ++pos_;
                continue;
            }
            if (next == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') {
                ++pos_;
            } else if (next != '\n') {
                return false;
            }
            ++pos_;
            ++line_;
            return field + 1 == kFieldCount;
        }
    }

    // After a bad record: on to the line after the one it started on.
    void skipPast(std::size_t start, std::int64_t startLine) {
        const std::size_t end = bytes_.find('\n', start);
        pos_ = end == std::string_view::npos ? bytes_.size() : end + 1;
        line_ = startLine + 1;
    }

    // Blank lines are no rows.
    void skipBlankLines() {
        while (!atEnd()) {
            if (bytes_[pos_] == '\n') {
                ++pos_;
            } else if (bytes_.substr(pos_, 2) == "\r\n") {
                pos_ += 2;
            } else {
                return;
            }
            ++line_;
        }
    }

    std::size_t pos() const { return pos_; }

private:
    bool readFieldAt(std::size_t field, std::string_view& value) {
        if (atEnd() || bytes_[pos_] != '"') {
            const std::size_t end = bytes_.find_first_of(",\r\n\"", pos_);
            const std::size_t stop = end == std::string_view::npos ? bytes_.size() : end;
            if (stop < bytes_.size() && bytes_[stop] == '"') {
                return false;  // a quote inside an unquoted field
            }
            value = bytes_.substr(pos_, stop - pos_);
            pos_ = stop;
            return true;
        }
        std::string& unquoted = scratch_[field < kFieldCount ? field : kFieldCount - 1];
        unquoted.clear();
        ++pos_;
        for (;;) {
            const std::size_t quote = bytes_.find('"', pos_);
            if (quote == std::string_view::npos) {
                return false;  // a quote never closed
            }
            const std::string_view part = bytes_.substr(pos_, quote - pos_);
            for (const char c : part) {
                line_ += c == '\n' ? 1 : 0;
            }
            unquoted += part;
            pos_ = quote + 1;
            if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
                unquoted += '"';
                ++pos_;
                continue;
            }
            value = unquoted;
            return true;
        }
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::int64_t line_ = 1;
    std::array<std::string, kFieldCount> scratch_;
};

bool toRow(const std::array<std::string_view, kFieldCount>& fields, RowView& row) {
    if (!wellFormedTime(fields[0]) || (fields[6] != "0" && fields[6] != "1") ||
        !readCentiseconds(fields[7], row.centiseconds)) {
        return false;
    }
    row.time = fields[0];
    row.pupil = readField(fields[1]);
    row.computer = readField(fields[2]);
    row.item = readField(fields[3]);
    row.question = readField(fields[4]);
    row.answer = readField(fields[5]);
    row.correct = fields[6] == "1";
    return true;
}

}  // namespace

ReadOutcome readResults(std::string_view bytes, const std::function<void(const RowView&)>& onRow) {
    ReadOutcome outcome;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const bool header = bytes.starts_with(kHeader) && (bytes.substr(kHeader.size(), 2) == "\r\n" ||
                                                       bytes.substr(kHeader.size(), 1) == "\n");
    if (!header) {
        return outcome;
    }
    outcome.isResultsFile = true;
    const std::string_view body = bytes.substr(bytes.find('\n') + 1);
    Parser parser(body);
    std::array<std::string_view, kFieldCount> fields;
    RowView row;
    for (;;) {
        parser.skipBlankLines();
        if (parser.atEnd()) {
            return outcome;
        }
        const std::size_t start = parser.pos();
        const std::int64_t startLine = parser.line();
        if (parser.readRecord(fields) && toRow(fields, row)) {
            ++outcome.rows;
            row.bytes = body.substr(start, parser.pos() - start);
            onRow(row);
            continue;
        }
        ++outcome.skipped;
        if (outcome.firstSkippedLine == 0) {
            outcome.firstSkippedLine = startLine + 1;  // the header is line 1
        }
        parser.skipPast(start, startLine);
    }
}

}  // namespace calquin::results
