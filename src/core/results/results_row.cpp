// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_row.h"

#include <cstdio>
#include <cstdlib>

#include "results/system_file.h"

namespace calquin::results {
namespace {

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

}  // namespace

std::string writeField(std::string_view text) {
    std::string field;
    if (startsFormula(text)) {
        field += '\'';
    }
    field += text;
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
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

std::string_view readField(std::string_view stored) {
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
