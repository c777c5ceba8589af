// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace calquin::results {

// The first row of every results file; the report reads only files that start with it.
inline constexpr std::string_view kHeader =
    "time,pupil,computer,item,question,answer,correct,seconds";
inline constexpr int kFieldCount = 8;

// One judged answer as it is stored: every text as the pupil and the window had it.
struct AnswerRow {
    std::string time;  // local, with its UTC offset: 2026-12-08T09:15:02+01:00
    std::string pupil;
    std::string computer;
    std::string item;
    std::string question;
    std::string answer;
    bool correct = false;
    std::int64_t centiseconds = 0;  // from the question showing to Enter

    bool operator==(const AnswerRow&) const = default;
};

// One field as RFC 4180 wants it, and safe to open in a spreadsheet split at commas, semicolons
// or tabs, with spaces trimmed or not: a text that would start a formula cell (= + - @, a tab or a
// line break, first or after a semicolon, a tab or leading spaces) is written so that an apostrophe
// comes first, which spreadsheets take as "this is text" and which readField takes off again; a
// field holding a separator or leading or trailing spaces is quoted. A text that starts with an
// apostrophe gets a second one, so that no typed text is ever changed.
std::string writeField(std::string_view text);

// The stored text of a field, its quotes already undone, back to what was written: a view into
// `stored`, or into `scratch` where the apostrophes after separators had to be taken out.
std::string_view readField(std::string_view stored, std::string& scratch);

// The row with its line end (CR LF, as RFC 4180 has it), ready to be appended in one write.
std::string formatRow(const AnswerRow& row);

// "3.27": whole hundredths of a second.
std::string formatCentiseconds(std::int64_t centiseconds);

// Rounded to the nearest hundredth; a clock that went backwards counts as 0.
std::int64_t toCentiseconds(std::chrono::nanoseconds elapsed);

// The moment in the computer's own time zone, with its offset: 2026-12-08T09:15:02+01:00.
std::string formatLocalTime(std::time_t moment);

}  // namespace calquin::results
