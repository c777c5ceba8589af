// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/field_scanner.h"

#include <utility>

#include "common/phrase.h"

namespace calquin::catalogue {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

std::variant<std::optional<FieldScanner::Field>, ReadError> FieldScanner::next() {
    while (true) {
        skipBlanks();
        if (atEnd()) {
            return std::optional<Field>{};
        }
        // A line end right at the start of a line closes no field: the line was blank.
        if (isLineEnd(peek()) && afterLineEnd_) {
            consumeLineEnd();
            continue;
        }
        break;
    }
    const int line = line_;
    const int column = column_;
    if (peek() == '"') {
        return quoted(line, column);
    }
    return unquoted(line, column);
}

std::variant<std::optional<FieldScanner::Field>, ReadError> FieldScanner::quoted(int line,
                                                                                 int column) {
    advance();  // opening quote
    std::string value;
    while (true) {
        while (!atEnd() && peek() != '"') {
            if (isLineEnd(peek())) {
                consumeLineEnd();
                value.push_back('\n');
            } else {
                value.push_back(advance());
            }
        }
        // Spreadsheets write a quote inside a quoted field twice. Only their semicolon files are
        // read so: in a comma file it stays what it always was, text after a closing quote.
        if (separator_ == ';' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
            advance();
            value.push_back(advance());
            continue;
        }
        break;
    }
    if (atEnd()) {
        return ReadError{
            line, column,
            translatable("Catalogue",
                         "the quote that opens this field is never closed, so the rest of the "
                         "file would become one text")};
    }
    advance();  // closing quote
    skipBlanks();
    if (!atEnd() && peek() != separator_ && !isLineEnd(peek())) {
        return ReadError{
            line_, column_,
            translatable("Catalogue",
                         "text follows the closing quote of a field; put the whole text "
                         "inside the quotes or add a comma")};
    }
    const bool lastOnLine = finishField();
    return std::optional<Field>{Field{std::move(value), line, column, lastOnLine}};
}

std::optional<FieldScanner::Field> FieldScanner::unquoted(int line, int column) {
    std::string value;
    while (!atEnd() && peek() != separator_ && !isLineEnd(peek())) {
        value.push_back(advance());
    }
    // Blanks before a separator or the line end are the editor's, not the teacher's text.
    while (!value.empty() && isBlank(value.back())) {
        value.pop_back();
    }
    const bool lastOnLine = finishField();
    return Field{std::move(value), line, column, lastOnLine};
}

bool FieldScanner::finishField() {
    if (atEnd()) {
        return true;
    }
    if (peek() == separator_) {
        advance();
        afterLineEnd_ = false;
        return false;
    }
    consumeLineEnd();
    return true;
}

void FieldScanner::skipBlanks() {
    while (!atEnd() && isBlank(peek())) {
        advance();
    }
}

void FieldScanner::consumeLineEnd() {
    // CR LF, LF and a lone CR each end one line.
    if (peek() == '\r') {
        ++pos_;
        if (!atEnd() && peek() == '\n') {
            ++pos_;
        }
    } else {
        ++pos_;
    }
    ++line_;
    column_ = 1;
    afterLineEnd_ = true;
}

char FieldScanner::advance() {
    const char c = text_[pos_++];
    // Continuation bytes of UTF-8 belong to the character before them.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
        ++column_;
    }
    return c;
}

}  // namespace calquin::catalogue
