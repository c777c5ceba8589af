// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "catalogue/field_scanner.h"
#include "catalogue/text_decoding.h"
#include "common/phrase.h"

namespace calquin::catalogue {
namespace {

// The refusal of record 102 names the limit in its words.
static_assert(kMaxRecords == 101);

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

constexpr Text kRecord102 = translatable(
    "Catalogue", "this is record number 102, but a catalogue holds at most 101 records");

// What reading with commas gave: the records up to the end of the file, or up to the fault that
// stopped it.
struct CommaReading {
    std::vector<Record> records;
    std::optional<ReadError> error;
};

CommaReading readByCommas(std::string_view text) {
    FieldScanner scanner(text);
    CommaReading reading;
    std::vector<Record>& records = reading.records;
    while (true) {
        std::array<std::string, 4> fields;
        int recordLine = 0;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto next = scanner.next();
            if (auto* error = std::get_if<ReadError>(&next)) {
                reading.error = std::move(*error);
                return reading;
            }
            auto& field = std::get<std::optional<FieldScanner::Field>>(next);
            if (!field) {
                if (i > 0) {
                    reading.error = ReadError{recordLine, 0, missingFields(i)};
                }
                return reading;
            }
            if (i == 0) {
                recordLine = field->line;
                if (records.size() == static_cast<std::size_t>(kMaxRecords)) {
                    reading.error = ReadError{field->line, field->column, kRecord102};
                    return reading;
                }
            }
            fields[i] = std::move(field->value);
        }
        records.push_back(Record{std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                                 std::move(fields[3]), recordLine});
    }
}

// Whether some record is an item a pupil could be drilled on, as far as its operator tells. A
// spreadsheet's file read with commas has none, unless an item text holds a sign alone between
// commas: its fourth fields are whole lines, or pieces of lines cut at commas.
bool holdsItem(const std::vector<Record>& records) {
    constexpr std::array<std::string_view, 4> kSigns = {"+", "-", "*", "/"};
    return std::any_of(records.begin(), records.end(), [&](const Record& record) {
        return std::find(kSigns.begin(), kSigns.end(), record.opSign) != kSigns.end();
    });
}

// The records of a spreadsheet's file: each on its own line (a quoted field may hold line ends)
// as exactly four fields separated by semicolons. Nothing when the file holds no record, or one
// that is not so, or a fault: then it is not such a file.
std::optional<ReadResult> readBySemicolons(std::string_view text) {
    FieldScanner scanner(text, ';');
    std::vector<Record> records;
    std::optional<ReadError> tooMany;
    while (true) {
        std::array<std::string, 4> fields;
        int line = 0;
        for (std::size_t i = 0;; ++i) {
            auto next = scanner.next();
            if (std::holds_alternative<ReadError>(next)) {
                return std::nullopt;
            }
            auto& field = std::get<std::optional<FieldScanner::Field>>(next);
            if (!field) {
                // A record cut short by the end of the file, after a semicolon, is not four fields.
                if (i > 0 || records.empty()) {
                    return std::nullopt;
                }
                if (tooMany) {
                    return *tooMany;
                }
                return records;
            }
            if (i == fields.size()) {
                return std::nullopt;
            }
            if (i == 0) {
                line = field->line;
                if (records.size() == static_cast<std::size_t>(kMaxRecords) && !tooMany) {
                    tooMany = ReadError{field->line, field->column, kRecord102};
                }
            }
            fields[i] = std::move(field->value);
            if (field->lastOnLine) {
                if (i + 1 != fields.size()) {
                    return std::nullopt;
                }
                break;
            }
        }
        // Past the limit the rest is only read to be sure of the separator.
        if (!tooMany) {
            records.push_back(Record{std::move(fields[0]), std::move(fields[1]),
                                     std::move(fields[2]), std::move(fields[3]), line,
                                     Separator::Semicolon});
        }
    }
}

// How many fields one line holds when read with `separator`; nothing when it does not scan (an
// open quote, text after a closing one).
std::optional<int> fieldsOnLine(std::string_view line, char separator) {
    FieldScanner scanner(line, separator);
    int count = 0;
    while (true) {
        auto next = scanner.next();
        if (std::holds_alternative<ReadError>(next)) {
            return std::nullopt;
        }
        if (!std::get<std::optional<FieldScanner::Field>>(next)) {
            return count;
        }
        ++count;
    }
}

// A line that holds a whole record with commas counts as commas, since that is how every
// catalogue was read before, even when its item text holds semicolons.
std::optional<Separator> separatorOfLine(std::string_view line) {
    if (fieldsOnLine(line, ',').value_or(0) >= 4) {
        return Separator::Comma;
    }
    if (fieldsOnLine(line, ';') == 4) {
        return Separator::Semicolon;
    }
    return std::nullopt;
}

// The first line whose fields are separated differently from the lines above it, as a file gets
// when a spreadsheet's catalogue and a hand-written one are joined.
std::optional<ReadError> findMixedSeparators(std::string_view text) {
    std::optional<Separator> first;
    int line = 1;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (const auto separator = separatorOfLine(text.substr(start, end - start))) {
            if (!first) {
                first = separator;
            } else if (separator != first) {
                return ReadError{
                    line, 0,
                    *separator == Separator::Comma
                        ? translatable("Catalogue",
                                       "this line separates its fields with commas, but the "
                                       "lines above it use semicolons; separate the fields the "
                                       "same way on every line")
                        : translatable("Catalogue",
                                       "this line separates its fields with semicolons, but the "
                                       "lines above it use commas; separate the fields the same "
                                       "way on every line")};
            }
        }
        if (end == text.size()) {
            break;
        }
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        ++line;
    }
    return std::nullopt;
}

}  // namespace

ReadResult readCatalogue(std::string_view bytes) {
    const DecodedText decoded = decodeCatalogueText(bytes);
    if (auto fault = findEncodingFault(decoded, bytes)) {
        return *fault;
    }
    CommaReading byCommas = readByCommas(decoded.text);
    if (!holdsItem(byCommas.records)) {
        if (auto bySemicolons = readBySemicolons(decoded.text)) {
            return std::move(*bySemicolons);
        }
    }
    if (byCommas.error) {
        if (auto mixed = findMixedSeparators(decoded.text)) {
            return std::move(*mixed);
        }
        return std::move(*byCommas.error);
    }
    return std::move(byCommas.records);
}

}  // namespace calquin::catalogue
