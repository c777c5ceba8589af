// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/recorded_question.h"

namespace calquin::results {
namespace {

// The next code point of UTF-8 `text` from `at`, which moves past it; nothing for bytes that are
// no UTF-8, so that a damaged question is never read as some other one.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 0x6 ? 2 : lead >> 4 == 0xE ? 3 : 0;
    if (length == 0 || at + length > text.size()) {
        return std::nullopt;
    }
    char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1Fu : lead & 0x0Fu;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if (next >> 6 != 0x2) {
            return std::nullopt;
        }
        point = point << 6 | (next & 0x3Fu);
    }
    // An overlong form (a digit written in two bytes) or a surrogate is no UTF-8 either.
    if ((length == 2 && point < 0x80) ||
        (length == 3 && (point < 0x800 || (point >= 0xD800 && point <= 0xDFFF)))) {
        return std::nullopt;
    }
    at += length;
    return point;
}

bool isDirectionMark(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The question's characters brought down to ASCII: digits, one blank for any space, and the
// catalogue's own signs. 0 for a character no caption holds.
char plainCharacter(char32_t c) {
    if (c >= U'0' && c <= U'9') {
        return static_cast<char>(c);
    }
    if (c >= 0x0660 && c <= 0x0669) {  // Arabic-Indic digits
        return static_cast<char>('0' + (c - 0x0660));
    }
    if (c >= 0x06F0 && c <= 0x06F9) {  // their Persian and Urdu forms
        return static_cast<char>('0' + (c - 0x06F0));
    }
    switch (c) {
        case U' ':
        case U'\t':
        case 0x00A0:  // no-break space
        case 0x202F:  // narrow no-break space
            return ' ';
        case U'+':
            return '+';
        case U'-':
        case 0x2212:  // minus sign
            return '-';
        case U'*':
        case 0x00D7:  // ×
        case 0x00B7:  // ·
        case 0x22C5:  // dot operator
            return '*';
        case U'/':
        case U':':
        case 0x00F7:  // ÷
        case 0x2236:  // ratio
            return '/';
        default:
            return 0;
    }
}

// A number of at most 18 digits, so that it fits whatever the item asked.
std::optional<std::int64_t> number(std::string_view plain, std::size_t& at) {
    std::int64_t value = 0;
    const std::size_t start = at;
    while (at < plain.size() && plain[at] >= '0' && plain[at] <= '9') {
        if (at - start == 18) {
            return std::nullopt;
        }
        value = value * 10 + (plain[at++] - '0');
    }
    return at == start ? std::nullopt : std::optional(value);
}

void skipBlanks(std::string_view plain, std::size_t& at) {
    while (at < plain.size() && plain[at] == ' ') {
        ++at;
    }
}

}  // namespace

std::string RecordedQuestion::text() const {
    return std::to_string(first) + ' ' + std::string(op->sign) + ' ' + std::to_string(second);
}

std::optional<RecordedQuestion> readRecordedQuestion(std::string_view recorded) {
    std::string plain;
    for (std::size_t at = 0; at < recorded.size();) {
        const auto c = nextCodePoint(recorded, at);
        if (!c) {
            return std::nullopt;
        }
        if (isDirectionMark(*c)) {
            continue;
        }
        const char p = plainCharacter(*c);
        if (p == 0) {
            return std::nullopt;
        }
        plain += p;
    }
    std::size_t at = 0;
    skipBlanks(plain, at);
    const auto first = number(plain, at);
    skipBlanks(plain, at);
    if (!first || at == plain.size()) {
        return std::nullopt;
    }
    const char sign = plain[at++];
    skipBlanks(plain, at);
    const auto second = number(plain, at);
    skipBlanks(plain, at);
    const engine::Operator* op = engine::findOperator(std::string_view(&sign, 1));
    if (!second || !op || at != plain.size()) {
        return std::nullopt;
    }
    return RecordedQuestion{*first, op, *second};
}

}  // namespace calquin::results
