// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_row.h"

#include <cstdio>
#include <cstdlib>

#include "results/system_file.h"

namespace calquin::results {
namespace {

// What a spreadsheet runs as a formula when a cell starts with it (Excel all of them, LibreOffice
// '='), and the apostrophe that says "text" to both and so must itself be written twice.
bool startsFormula(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    switch (text.front()) {
        case '=':
        case '+':
        case '-':
        case '@':
        case '\t':
        case '\r':
        case '\n':
        case '\'':
            return true;
        default:
            return false;
    }
}

// A spreadsheet told to split at semicolons or tabs starts a cell after every one of them, and a
// row after every line break, inside our quotes too (they count only at the start of its cell),
// and one told to trim spaces drops those in front. Where such a cell would start a formula the
// text is written in a second form, which version 1.2.0 never wrote and so never reads
// differently: "' " in front, and an apostrophe after each such separator (and the spaces after
// it) that comes before a formula's first character.
constexpr std::string_view kInnerMark = "' ";

bool isInnerSeparator(char c) {
    return c == ';' || c == '\t' || c == '\r' || c == '\n';
}

// Spaces, and tabs, which a spreadsheet splitting at semicolons may trim as well.
std::size_t afterSpaces(std::string_view text, std::size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    return at;
}

// After a separator: the next separator starts a cell of its own, so only these count.
bool startsInnerFormula(std::string_view rest) {
    return !rest.empty() && std::string_view("=+-@'").find(rest.front()) != std::string_view::npos;
}

bool needsInnerForm(std::string_view text) {
    if (!text.empty() && text.front() == ' ' && startsFormula(text.substr(afterSpaces(text, 0)))) {
        return true;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isInnerSeparator(text[i]) &&
            startsInnerFormula(text.substr(afterSpaces(text, i + 1)))) {
            return true;
        }
    }
    return false;
}

// Inserts (or, reading, takes out) the apostrophe after each separator and its spaces.
std::string innerForm(std::string_view text, bool writing) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i++];
        out += c;
        if (!isInnerSeparator(c)) {
            continue;
        }
        const std::size_t word = afterSpaces(text, i);
        out.append(text.substr(i, word - i));
        i = word;
        if (writing && startsInnerFormula(text.substr(i))) {
            out += '\'';
        } else if (!writing && i < text.size() && text[i] == '\'') {
            ++i;
        }
    }
    return out;
}

bool needsQuotes(std::string_view text, std::string_view field) {
    return field.find_first_of(",;\"\t\r\n") != std::string_view::npos ||
           (!text.empty() && (text.front() == ' ' || text.back() == ' '));
}

}  // namespace

std::string writeField(std::string_view text) {
    std::string field;
    if (needsInnerForm(text)) {
        field = kInnerMark;
        field += innerForm(text, true);
    } else {
        if (startsFormula(text)) {
            field += '\'';
        }
        field += text;
    }
    if (!needsQuotes(text, field)) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::string_view readField(std::string_view stored, std::string& scratch) {
    if (stored.starts_with(kInnerMark)) {
        scratch = innerForm(stored.substr(kInnerMark.size()), false);
        return scratch;
    }
    if (stored.size() >= 2 && stored.front() == '\'' && startsFormula(stored.substr(1))) {
        stored.remove_prefix(1);
    }
    return stored;
}

std::string formatCentiseconds(std::int64_t centiseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", static_cast<long long>(centiseconds / 100),
                  static_cast<long long>(centiseconds % 100));
    return text;
}

std::int64_t toCentiseconds(std::chrono::nanoseconds elapsed) {
    const auto nanoseconds = elapsed.count();
    return nanoseconds <= 0 ? 0 : (nanoseconds + 5'000'000) / 10'000'000;
}

std::string formatRow(const AnswerRow& row) {
    std::string line = row.time;
    for (const std::string* text :
         {&row.pupil, &row.computer, &row.item, &row.question, &row.answer}) {
        line += ',';
        line += writeField(*text);
    }
    line += row.correct ? ",1," : ",0,";
    line += formatCentiseconds(row.centiseconds);
    line += "\r\n";
    return line;
}

std::string formatLocalTime(std::time_t moment) {
    const auto [local, offset] = localTime(moment);
    const long minutes = std::labs(offset) / 60;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

}  // namespace calquin::results
