// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "catalogue/catalogue_reader.h"

namespace calquin::catalogue {

// Walks the decoded text of a catalogue field by field, keeping the line and column of every
// position so a teacher can be shown exactly where a file went wrong. Fields end at the separator
// (a comma, or a semicolon as spreadsheets write it) or at a line end. With semicolons a quote
// inside a quoted field is written twice, as spreadsheets write it.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view text, char separator = ',')
        : text_(text), separator_(separator) {}

    struct Field {
        std::string value;
        int line;
        int column;
        // The field was ended by a line end or the end of the file, not by the separator.
        bool lastOnLine;
    };

    // The next field, nothing at the end of the file, or the error that stopped the scan.
    std::variant<std::optional<Field>, ReadError> next();

private:
    std::variant<std::optional<Field>, ReadError> quoted(int line, int column);
    std::optional<Field> unquoted(int line, int column);
    // Consumes what ends a field: the separator or a line end. Returns whether it was a line end
    // (or the end of the file).
    bool finishField();
    void skipBlanks();
    void consumeLineEnd();
    char advance();
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }

    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int column_ = 1;
    bool afterLineEnd_ = true;
};

}  // namespace calquin::catalogue
