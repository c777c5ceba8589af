// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_reader.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
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
    const std::size_t point = text.size() - std::min<std::size_t>(text.size(), 3);
    if (point == 0 || point > 15 || text[point] != '.') {
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

// The bytes that end an unquoted field, or make it no field at all.
constexpr std::array<bool, 256> kFieldEnds = [] {
    std::array<bool, 256> ends{};
    for (const char c : {',', '\r', '\n', '"'}) {
        ends[static_cast<unsigned char>(c)] = true;
    }
    return ends;
}();

// Where the first comma, quote or line end at or after `from` is; the end when there is none.
// Sixteen bytes at a time where the processor compares them at once, since this is where a
// large report spends the most time.
std::size_t findFieldEnd(std::string_view bytes, std::size_t from) {
#if defined(__SSE2__)
    const char* const data = bytes.data();
    for (; from + 16 <= bytes.size(); from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        const __m128i ends = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(',')),
                                                       _mm_cmpeq_epi8(block, _mm_set1_epi8('\n'))),
                                          _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\r')),
                                                       _mm_cmpeq_epi8(block, _mm_set1_epi8('"'))));
        if (const int found = _mm_movemask_epi8(ends)) {
            return from + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(found)));
        }
    }
#endif
    while (from < bytes.size() && !kFieldEnds[static_cast<unsigned char>(bytes[from])]) {
        ++from;
    }
    return from;
}

}  // namespace

char* ResultsReader::space(std::size_t size) {
    if (capacity_ - filled_ < size) {
        const std::size_t capacity = std::max(filled_ + size, capacity_ * 2);
        auto larger = std::make_unique_for_overwrite<char[]>(capacity);
        std::copy_n(pending_.get(), filled_, larger.get());
        pending_ = std::move(larger);
        capacity_ = capacity;
    }
    return pending_.get() + filled_;
}

void ResultsReader::commit(std::size_t size) {
    filled_ += size;
    parse(false);
}

void ResultsReader::feed(std::string_view bytes) {
    std::copy(bytes.begin(), bytes.end(), space(bytes.size()));
    commit(bytes.size());
}

void ResultsReader::drop(std::size_t used) {
    std::copy(pending_.get() + used, pending_.get() + filled_, pending_.get());
    filled_ -= used;
    dropped_ += used;
}

void ResultsReader::skipped(std::int64_t line) {
    if (outcome_.skipped++ == 0) {
        outcome_.firstSkippedLine = line;
    }
}

bool ResultsReader::decideHeader(bool atEnd) {
    std::string_view bytes(pending_.get(), filled_);
    const std::size_t bom = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    if (!atEnd && bytes.size() < bom + kHeader.size() + 2) {
        return false;
    }
    decided_ = true;
    bytes.remove_prefix(bom);
    const std::string_view end = bytes.substr(std::min(bytes.size(), kHeader.size()), 2);
    outcome_.isResultsFile = bytes.starts_with(kHeader) && (end == "\r\n" || end.starts_with('\n'));
    if (!outcome_.isResultsFile) {
        filled_ = 0;
        return false;
    }
    const std::size_t used = bom + kHeader.size() + (end == "\r\n" ? 2 : 1);
    drop(used);
    return true;
}

bool ResultsReader::readField(std::string_view bytes, std::size_t& pos, std::int64_t& line,
                              std::size_t field, std::string_view& value, bool& needMore,
                              bool atEnd) {
    if (pos >= bytes.size() || bytes[pos] != '"') {
        std::size_t stop = pos;
        while (stop < bytes.size() && !kFieldEnds[static_cast<unsigned char>(bytes[stop])]) {
            ++stop;
        }
        if (stop == bytes.size() && !atEnd) {
            needMore = true;
            return false;
        }
        if (stop < bytes.size() && bytes[stop] == '"') {
            return false;  // a quote inside an unquoted field
        }
        value = bytes.substr(pos, stop - pos);
        pos = stop;
        return true;
    }
    std::string& unquoted = unquoted_[field];
    bool copied = false;
    const std::size_t first = ++pos;
    for (;;) {
        const std::size_t quote = bytes.find('"', pos);
        if (quote == std::string_view::npos || (quote + 1 == bytes.size() && !atEnd)) {
            needMore = !atEnd;
            return false;  // a quote never closed, or not yet
        }
        const std::string_view part = bytes.substr(pos, quote - pos);
        line += std::count(part.begin(), part.end(), '\n');
        pos = quote + 1;
        const bool doubled = pos < bytes.size() && bytes[pos] == '"';
        if (!doubled && !copied) {
            value = bytes.substr(first, quote - first);
            return true;
        }
        if (!copied) {
            unquoted.assign(bytes.substr(first, quote - first));
            copied = true;
        } else {
            unquoted += part;
        }
        if (doubled) {
            unquoted += '"';
            ++pos;
            continue;
        }
        value = unquoted;
        return true;
    }
}

ResultsReader::Step ResultsReader::readRecord(std::string_view bytes, std::size_t& pos,
                                              std::int64_t& line, bool atEnd) {
    const std::int64_t startLine = line;
    // Most rows hold no quote: one pass splits their line at its commas.
    std::size_t split = 0;
    std::size_t from = pos;
    std::size_t at = findFieldEnd(bytes, pos);
    for (; at < bytes.size() && bytes[at] == ','; at = findFieldEnd(bytes, at + 1)) {
        if (split + 1 == kFieldCount) {
            return Step::Bad;
        }
        fields_[split++] = bytes.substr(from, at - from);
        from = at + 1;
    }
    if (at < bytes.size() && (bytes[at] == '\n' || (bytes.substr(at, 2) == "\r\n"))) {
        fields_[split] = bytes.substr(from, at - from);
        pos = at + (bytes[at] == '\n' ? 1 : 2);
        ++line;
        return split + 1 == kFieldCount ? rowOf(startLine, pos) : Step::Bad;
    }
    // A quote, a lone carriage return or the end of the bytes: read field by field.
    for (std::size_t field = 0;; ++field) {
        if (field == kFieldCount) {
            return Step::Bad;
        }
        bool needMore = false;
        if (!readField(bytes, pos, line, field, fields_[field], needMore, atEnd)) {
            return needMore ? Step::NeedMore : Step::Bad;
        }
        if (pos >= bytes.size()) {
            return atEnd ? Step::Bad : Step::NeedMore;  // every row we write ends with a line end
        }
        const char next = bytes[pos];
        if (next == ',') {
            ++pos;
            continue;
        }
        if (next == '\r') {
            if (pos + 1 >= bytes.size()) {
                return atEnd ? Step::Bad : Step::NeedMore;
            }
            if (bytes[pos + 1] != '\n') {
                return Step::Bad;
            }
            ++pos;
        } else if (next != '\n') {
            return Step::Bad;
        }
        ++pos;
        ++line;
        if (field + 1 != kFieldCount) {
            return Step::Bad;
        }
        return rowOf(startLine, pos);
    }
}

ResultsReader::Step ResultsReader::rowOf(std::int64_t startLine, std::size_t end) {
    std::int64_t centiseconds = 0;
    if (!wellFormedTime(fields_[0]) || (fields_[6] != "0" && fields_[6] != "1") ||
        !readCentiseconds(fields_[7], centiseconds)) {
        return Step::Bad;
    }
    // Built whole, field by field: a row made empty first and then filled costs a block clear
    // for each of a year's millions of rows.
    const RowView row{.time = fields_[0],
                      .pupil = results::readField(fields_[1], unescaped_[1]),
                      .computer = results::readField(fields_[2], unescaped_[2]),
                      .item = results::readField(fields_[3], unescaped_[3]),
                      .question = results::readField(fields_[4], unescaped_[4]),
                      .answer = results::readField(fields_[5], unescaped_[5]),
                      .correct = fields_[6] == "1",
                      .centiseconds = centiseconds,
                      .line = startLine,
                      .offset = dropped_ + rowStart_,
                      .length = end - rowStart_};
    ++outcome_.rows;
    onRow_(row);
    return Step::Row;
}

void ResultsReader::parse(bool atEnd) {
    if (!decided_ && !decideHeader(atEnd)) {
        return;
    }
    if (!outcome_.isResultsFile) {
        filled_ = 0;
        return;
    }
    const std::string_view bytes(pending_.get(), filled_);
    std::size_t pos = 0;
    for (bool more = true; more;) {
        if (toLineEnd_) {
            const std::size_t end = bytes.find('\n', pos);
            if (end == std::string_view::npos) {
                pos = bytes.size();
                break;
            }
            pos = end + 1;
            ++line_;
            toLineEnd_ = false;
        }
        // Blank lines are no rows.
        while (pos < bytes.size() && more) {
            if (bytes[pos] == '\n') {
                ++pos;
            } else if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') {
                pos += 2;
            } else {
                more = bytes[pos] != '\r' || pos + 1 < bytes.size() || atEnd;
                break;
            }
            ++line_;
        }
        if (!more || pos >= bytes.size()) {
            break;
        }
        const std::size_t start = pos;
        const std::int64_t startLine = line_;
        rowStart_ = start;
        Step step = readRecord(bytes, pos, line_, atEnd);
        if (step == Step::NeedMore && bytes.size() - start > kLongestRow) {
            step = Step::Bad;
        }
        if (step == Step::NeedMore) {
            pos = start;
            line_ = startLine;
            break;
        }
        if (step == Step::Bad) {
            skipped(startLine);
            line_ = startLine;
            const std::size_t end = bytes.find('\n', start);
            if (end == std::string_view::npos) {
                pos = bytes.size();
                toLineEnd_ = !atEnd;
            } else {
                pos = end + 1;
                ++line_;
            }
        }
    }
    drop(pos);
}

void ResultsReader::hole() {
    if (!decided_ && !decideHeader(true)) {
        return;
    }
    if (!outcome_.isResultsFile) {
        return;
    }
    for (;;) {
        parse(false);
        if (toLineEnd_) {
            filled_ = 0;
            return;
        }
        // What is left is a row the zeros fall into, or the zeros start one of their own.
        skipped(line_);
        const std::size_t end = std::string_view(pending_.get(), filled_).find('\n');
        if (end == std::string_view::npos) {
            filled_ = 0;
            toLineEnd_ = true;
            return;
        }
        drop(end + 1);
        ++line_;
    }
}

ReadOutcome ResultsReader::finish() {
    parse(true);
    return outcome_;
}

ReadOutcome readResults(std::string_view bytes, const ResultsReader::OnRow& onRow) {
    ResultsReader reader(onRow);
    reader.feed(bytes);
    return reader.finish();
}

}  // namespace calquin::results
