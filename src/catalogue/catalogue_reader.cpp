// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue_reader.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "catalogue/text_decoding.h"
#include "text/phrase.h"

namespace calquin::catalogue {
namespace {

// The refusal of record 102 names the limit in its words.
static_assert(kMaxRecords == 101);

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// Walks the decoded text field by field, keeping the line and column of every position so a
// teacher can be shown exactly where a file went wrong.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view text) : text_(text) {}

    struct Field {
        std::string value;
        int line;
        int column;
    };

    // The next field, nothing at the end of the file, or the error that stopped the scan.
    std::variant<std::optional<Field>, ReadError> next() {
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

private:
    std::variant<std::optional<Field>, ReadError> quoted(int line, int column) {
        advance();  // opening quote
        std::string value;
        while (!atEnd() && peek() != '"') {
            if (isLineEnd(peek())) {
                consumeLineEnd();
                value.push_back('\n');
            } else {
                value.push_back(advance());
            }
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
        if (!atEnd() && peek() != ',' && !isLineEnd(peek())) {
            return ReadError{
                line_, column_,
                translatable("Catalogue",
                             "text follows the closing quote of a field; put the whole text "
                             "inside the quotes or add a comma")};
        }
        finishField();
        return std::optional<Field>{Field{std::move(value), line, column}};
    }

    std::optional<Field> unquoted(int line, int column) {
        std::string value;
        while (!atEnd() && peek() != ',' && !isLineEnd(peek())) {
            value.push_back(advance());
        }
        // Blanks before a comma or the line end are the editor's, not the teacher's text.
        while (!value.empty() && isBlank(value.back())) {
            value.pop_back();
        }
        finishField();
        return Field{std::move(value), line, column};
    }

    // Consumes the separator after a field: a comma, or a line end.
    void finishField() {
        if (atEnd()) {
            return;
        }
        if (peek() == ',') {
            advance();
            afterLineEnd_ = false;
        } else {
            consumeLineEnd();
        }
    }

    void skipBlanks() {
        while (!atEnd() && isBlank(peek())) {
            advance();
        }
    }

    void consumeLineEnd() {
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

    char advance() {
        const char c = text_[pos_++];
        // Continuation bytes of UTF-8 belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++column_;
        }
        return c;
    }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int column_ = 1;
    bool afterLineEnd_ = true;
};

// Whole sentences for each way a record can be cut short, so that a translation never has to
// join field names with "and".
Text missingFields(std::size_t firstMissing) {
    switch (firstMissing) {
        case 3:
            return translatable(
                "Catalogue",
                "the file ends in the middle of the record that starts on this line: the operator "
                "sign is missing (a record is four fields: item text, first digit count, second "
                "digit count, operator sign)");
        case 2:
            return translatable(
                "Catalogue",
                "the file ends in the middle of the record that starts on this line: the second "
                "digit count and the operator sign are missing (a record is four fields: item "
                "text, first digit count, second digit count, operator sign)");
        default:
            return translatable(
                "Catalogue",
                "the file ends in the middle of the record that starts on this line: the first "
                "digit count, the second digit count and the operator sign are missing (a record "
                "is four fields: item text, first digit count, second digit count, operator "
                "sign)");
    }
}

// The line and column of the character at `offset` of the decoded text, counted as the field
// scanner counts them: CR LF, LF and a lone CR end a line, and a column is a character, not a byte,
// so neither a byte-order mark nor accented letters before the place push it to the right.
std::pair<int, int> placeOf(std::string_view text, std::size_t offset) {
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        const bool lineEnd =
            text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
        if (lineEnd) {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// Editors never write NUL bytes into text, so one means the file is something else (a word
// processor document, a picture) saved under the catalogue's name, or UTF-16 that lost its
// byte-order mark. It is looked for in the decoded text, so a NUL character in well-formed UTF-16
// is refused the same way. A NUL before the place where decoding broke is the first fault.
std::optional<ReadError> findEncodingFault(const DecodedText& decoded, std::string_view bytes) {
    if (const auto at = decoded.text.find('\0'); at != std::string::npos) {
        const auto [line, column] = placeOf(decoded.text, at);
        if (looksLikeUtf16WithoutMark(bytes)) {
            return ReadError{
                line, column,
                translatable("Catalogue",
                             "the file holds NUL bytes between its letters, so it looks like it "
                             "was saved as UTF-16 (\"Unicode\") without a byte-order mark; save "
                             "it as UTF-8 instead, for example in Notepad with \"Save as\" and the "
                             "encoding \"UTF-8\"")};
        }
        return ReadError{
            line, column,
            translatable("Catalogue", "the file holds a NUL byte, so it is not a plain text file")};
    }
    if (!decoded.fault.empty()) {
        const auto [line, column] = placeOf(decoded.text, decoded.text.size());
        return ReadError{line, column, decoded.fault};
    }
    return std::nullopt;
}

}  // namespace

ReadResult readCatalogue(std::string_view bytes) {
    const DecodedText decoded = decodeCatalogueText(bytes);
    if (auto fault = findEncodingFault(decoded, bytes)) {
        return *fault;
    }
    FieldScanner scanner(decoded.text);
    std::vector<Record> records;
    while (true) {
        std::array<std::string, 4> fields;
        int recordLine = 0;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto next = scanner.next();
            if (auto* error = std::get_if<ReadError>(&next)) {
                return std::move(*error);
            }
            auto& field = std::get<std::optional<FieldScanner::Field>>(next);
            if (!field) {
                if (i == 0) {
                    return records;
                }
                return ReadError{recordLine, 0, missingFields(i)};
            }
            if (i == 0) {
                recordLine = field->line;
                if (records.size() == static_cast<std::size_t>(kMaxRecords)) {
                    return ReadError{field->line, field->column,
                                     translatable("Catalogue",
                                                  "this is record number 102, but a catalogue "
                                                  "holds at most 101 records")};
                }
            }
            fields[i] = std::move(field->value);
        }
        records.push_back(Record{std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                                 std::move(fields[3]), recordLine});
    }
}

}  // namespace calquin::catalogue
