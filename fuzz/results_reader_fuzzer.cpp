// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A results file can hold anything: rows cut off by a power loss, a teacher's edits in a
// spreadsheet, some other file under a .csv name. Whatever the bytes, the reader must read the
// same way every time, name a real line for the first row it skips, and give only rows that the
// writer would write back to the same row. And whatever a pupil typed, the row written for it
// must read back as exactly that.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "results/results_reader.h"
#include "results/results_row.h"

namespace {

using calquin::fuzz::require;
using calquin::fuzz::shown;
using namespace calquin::results;

AnswerRow owned(const RowView& row) {
    return {std::string(row.time), std::string(row.pupil),    std::string(row.computer),
            std::string(row.item), std::string(row.question), std::string(row.answer),
            row.correct,           row.centiseconds};
}

std::vector<AnswerRow> readAll(std::string_view bytes, ReadOutcome& outcome) {
    std::vector<AnswerRow> rows;
    outcome = readResults(bytes, [&](const RowView& row) { rows.push_back(owned(row)); });
    return rows;
}

const std::string kTop = std::string(kHeader) + "\r\n";

void checkReading(std::string_view bytes) {
    ReadOutcome outcome;
    const std::vector<AnswerRow> rows = readAll(bytes, outcome);
    ReadOutcome again;
    require(readAll(bytes, again) == rows && again.skipped == outcome.skipped &&
                again.firstSkippedLine == outcome.firstSkippedLine,
            "the same bytes read the same");
    require(outcome.rows == static_cast<std::int64_t>(rows.size()), "every row read is counted");
    // A file comes in blocks; wherever they are cut, it reads as it does at once.
    std::vector<AnswerRow> inBlocks;
    ResultsReader reader([&](const RowView& row) { inBlocks.push_back(owned(row)); });
    const std::size_t block = 1 + bytes.size() % 7;
    for (std::size_t at = 0; at < bytes.size(); at += block) {
        reader.feed(bytes.substr(at, block));
    }
    const ReadOutcome blocks = reader.finish();
    require(inBlocks == rows && blocks.skipped == outcome.skipped &&
                blocks.firstSkippedLine == outcome.firstSkippedLine &&
                blocks.isResultsFile == outcome.isResultsFile,
            "bytes read in blocks read as they do at once");
    if (!outcome.isResultsFile) {
        require(rows.empty() && outcome.skipped == 0, "a foreign file gives nothing");
        return;
    }
    std::int64_t lines = 1;
    for (const char c : bytes) {
        lines += c == '\n' ? 1 : 0;
    }
    if (outcome.skipped == 0) {
        require(outcome.firstSkippedLine == 0, "no skipped row, no line named");
    } else {
        require(outcome.firstSkippedLine >= 2 && outcome.firstSkippedLine <= lines,
                "the first skipped row is on a line of the file after the header: " +
                    std::to_string(outcome.firstSkippedLine) + " of " + std::to_string(lines));
    }
    for (const AnswerRow& row : rows) {
        ReadOutcome single;
        const auto back = readAll(kTop + formatRow(row), single);
        require(single.skipped == 0 && back.size() == 1 && back[0] == row,
                "a row read writes back to itself: " + shown(formatRow(row)));
    }
}

// The input cut at 0x1F bytes into what a pupil and the window could hand the writer.
void checkWriting(std::string_view bytes) {
    std::vector<std::string> texts(5);
    std::size_t field = 0;
    for (const char c : bytes) {
        if (c == '\x1F') {
            field = (field + 1) % texts.size();
        } else {
            texts[field] += c;
        }
    }
    const AnswerRow row{"2026-12-08T09:15:02+01:00",
                        texts[0],
                        texts[1],
                        texts[2],
                        texts[3],
                        texts[4],
                        bytes.size() % 2 == 0,
                        static_cast<std::int64_t>(bytes.size())};
    const std::string line = formatRow(row);
    for (const std::string& text : texts) {
        // Every cell a spreadsheet could start in the field: split at semicolons, tabs or line
        // breaks, spaces trimmed.
        const std::string stored = writeField(text);
        std::size_t start = 0;
        for (std::size_t i = 0; i <= stored.size(); ++i) {
            if (i < stored.size() &&
                std::string_view(";\t\r\n").find(stored[i]) == std::string::npos) {
                continue;
            }
            std::string_view cell = std::string_view(stored).substr(start, i - start);
            if (start == 0 && cell.starts_with('"')) {
                cell.remove_prefix(1);
            }
            while (cell.starts_with(' ')) {
                cell.remove_prefix(1);
            }
            require(cell.empty() || std::string_view("=+-@").find(cell[0]) == std::string::npos,
                    "no cell starts the way a spreadsheet formula does: " + shown(stored));
            start = i + 1;
        }
    }
    ReadOutcome outcome;
    const auto back = readAll(kTop + line + line, outcome);
    require(outcome.skipped == 0 && back.size() == 2 && back[0] == row && back[1] == row,
            "whatever was typed reads back exactly: " + shown(line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkReading(bytes);
    checkReading(kTop + std::string(bytes));
    checkWriting(bytes);
    return 0;
}
