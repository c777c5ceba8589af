// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes can stand in the working directory under the catalogue's name. Whatever they are, the
// reader must give records or an error that points at a real place in the file, the same way every
// time, and the texts it hands to the window must be UTF-8. A text saved as UTF-16 must read
// exactly as the same text saved as UTF-8, with the same separator, whether commas or a
// spreadsheet's semicolons.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/text_decoding.h"
#include "fuzz_checks.h"
#include "utf16_bytes.h"

namespace {

using calquin::fuzz::require;
using calquin::fuzz::shown;
using namespace calquin::catalogue;

// Well-formed UTF-8 by the byte ranges of the Unicode standard's table, written apart from the
// reader's own check so that the two can be compared.
bool wellFormedUtf8(std::string_view s) {
    const auto byteAt = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    std::size_t i = 0;
    while (i < s.size()) {
        const auto in = [&](std::size_t k, unsigned low, unsigned high) {
            return i + k < s.size() && byteAt(i + k) >= low && byteAt(i + k) <= high;
        };
        const auto tail = [&](std::size_t k) { return in(k, 0x80, 0xBF); };
        const unsigned b = byteAt(i);
        if (b <= 0x7F) {
            i += 1;
        } else if (b >= 0xC2 && b <= 0xDF && tail(1)) {
            i += 2;
        } else if (b == 0xE0 && in(1, 0xA0, 0xBF) && tail(2)) {
            i += 3;
        } else if (((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) && tail(1) && tail(2)) {
            i += 3;
        } else if (b == 0xED && in(1, 0x80, 0x9F) && tail(2)) {
            i += 3;
        } else if (b == 0xF0 && in(1, 0x90, 0xBF) && tail(2) && tail(3)) {
            i += 4;
        } else if (b >= 0xF1 && b <= 0xF3 && tail(1) && tail(2) && tail(3)) {
            i += 4;
        } else if (b == 0xF4 && in(1, 0x80, 0x8F) && tail(2) && tail(3)) {
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

// The code points of well-formed UTF-8.
std::u32string codePoints(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<std::uint8_t>(s[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? b : b & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            cp = (cp << 6) | (static_cast<std::uint8_t>(s[i + k]) & 0x3F);
        }
        out.push_back(cp);
        i += length;
    }
    return out;
}

bool hasUtf16Mark(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// UTF-16 is checked by writing the decoded text back: it must give the file's bytes again, and
// where decoding stopped, what follows must really be broken (half a character or half a pair).
void checkUtf16(std::string_view bytes, const DecodedText& decoded) {
    const bool bigEndian = bytes.starts_with("\xFE\xFF");
    const std::string_view body = bytes.substr(2);
    const std::string again = utf16Bytes(codePoints(decoded.text), bigEndian);
    require(body.starts_with(again), "UTF-16 decodes to the text that encodes back to its bytes");
    const std::string_view rest = body.substr(again.size());
    if (decoded.fault.empty()) {
        require(rest.empty(), "UTF-16 decoded without a fault is decoded to its end");
        return;
    }
    const auto unitAt = [&](std::size_t i) {
        const auto a = static_cast<std::uint8_t>(rest[i]);
        const auto b = static_cast<std::uint8_t>(rest[i + 1]);
        return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    const bool cutOff =
        rest.size() == 1 || (rest.size() == 3 && unitAt(0) >= 0xD800 && unitAt(0) <= 0xDBFF);
    const bool loneLow = rest.size() >= 2 && unitAt(0) >= 0xDC00 && unitAt(0) <= 0xDFFF;
    const bool loneHigh =
        rest.size() >= 2 && unitAt(0) >= 0xD800 && unitAt(0) <= 0xDBFF &&
        (rest.size() == 2 || (rest.size() >= 4 && (unitAt(2) < 0xDC00 || unitAt(2) > 0xDFFF)));
    require(cutOff || loneLow || loneHigh,
            "UTF-16 decoding stops only where the file is really broken: " + shown(rest, 8));
}

// The byte offset in the decoded text of the character an error names: lines end at CR LF, LF or a
// lone CR, and a column counts characters, not bytes. The position just after the last character
// of a line is valid (a fault found at the line end). Nothing when the position is not in the text.
std::optional<std::size_t> offsetOf(std::string_view text, int line, int column) {
    std::size_t pos = 0;
    for (int l = 1; l < line; ++l) {
        pos = text.find_first_of("\r\n", pos);
        if (pos == std::string_view::npos) {
            return std::nullopt;
        }
        pos += text.substr(pos, 2) == "\r\n" ? 2 : 1;
    }
    for (int c = 1; c < column; ++c) {
        if (pos >= text.size() || text[pos] == '\r' || text[pos] == '\n') {
            return std::nullopt;
        }
        ++pos;
        while (pos < text.size() && (static_cast<std::uint8_t>(text[pos]) & 0xC0) == 0x80) {
            ++pos;
        }
    }
    return pos;
}

bool mentions(const ReadError& error, std::string_view part) {
    return std::string_view(error.what.english).find(part) != std::string_view::npos;
}

void checkError(const ReadError& error, const DecodedText& decodedText, std::string_view bytes) {
    const std::string_view decoded = decodedText.text;
    require(error.line >= 1, "an error from the reader names a line");
    require(error.column >= 0, "a column is never negative");
    require(!error.what.empty(), "an error says what is wrong");

    const auto offset = offsetOf(decoded, error.line, error.column);
    require(offset.has_value(), "the error's line " + std::to_string(error.line) + ", column " +
                                    std::to_string(error.column) + " lies in the file");
    const char at = *offset < decoded.size() ? decoded[*offset] : '\n';
    if (mentions(error, "NUL byte")) {
        require(at == '\0', "a NUL byte error points at the NUL byte");
        require(!mentions(error, "UTF-16") || !hasUtf16Mark(bytes),
                "a file with a UTF-16 mark is not told it has none");
    } else if (!decodedText.fault.empty()) {
        require(error.what == decodedText.fault, "a broken file is refused for what broke it");
        require(*offset == decoded.size(), "the fault is placed where decoding stopped");
    } else if (mentions(error, "never closed")) {
        require(at == '"', "an open quote error points at the quote");
    } else if (mentions(error, "text follows the closing quote")) {
        require(at != ' ' && at != '\t' && at != ',' && at != '\r' && at != '\n',
                "a text-after-quote error points at that text");
    } else if (mentions(error, "record number 102")) {
        require(error.column > 0 && at != ' ' && at != '\t',
                "a record-102 error points at the start of that record");
    } else if (mentions(error, "ends in the middle of the record")) {
        require(error.column == 0, "a cut-short record is named by its line only");
    } else if (mentions(error, "separates its fields with")) {
        require(error.column == 0 && error.line > 1,
                "a line mixing separators is named by its line only, and has lines above it");
    } else {
        calquin::fuzz::fail(std::string("an error the reader is not known to report: ") +
                            error.what.english);
    }
}

void checkRecords(const std::vector<Record>& records, std::string_view bytes,
                  const DecodedText& decoded) {
    require(records.size() <= static_cast<std::size_t>(kMaxRecords), "at most 101 records");
    require(decoded.fault.empty(), "a broken UTF-16 file is refused");
    require(decoded.text.find('\0') == std::string::npos, "a NUL character is refused");
    require(hasUtf16Mark(bytes) || bytes.find('\0') == std::string_view::npos,
            "a file with a NUL byte is refused unless it is UTF-16");
    bool anyQuote = false;
    for (const Record& r : records) {
        require(r.separator == records.front().separator,
                "every record of a file is read with the same separator");
        for (const std::string* field : {&r.itemText, &r.digits1, &r.digits2, &r.opSign}) {
            require(wellFormedUtf8(*field), "every field is UTF-8: " + shown(*field));
            anyQuote = anyQuote || field->find('"') != std::string::npos;
        }
    }
    // Every field written back in quotes must read as itself: with semicolons between the fields
    // and each quote doubled, as spreadsheets write them, read with semicolons; with commas, read
    // with commas, where a field holding a quote has no quoted form and skips the check.
    for (const char separator : {';', ','}) {
        if (separator == ',' && anyQuote) {
            continue;
        }
        const auto quoted = [&](const std::string& field) {
            std::string out = "\"";
            for (const char c : field) {
                out += c == '"' ? std::string("\"\"") : std::string(1, c);
            }
            return out + '"';
        };
        std::string rewritten;
        for (const Record& r : records) {
            rewritten += quoted(r.itemText) + separator + quoted(r.digits1) + separator +
                         quoted(r.digits2) + separator + quoted(r.opSign) + '\n';
        }
        const auto again = readCatalogue(rewritten);
        require(std::holds_alternative<std::vector<Record>>(again) &&
                    std::get<std::vector<Record>>(again) == records,
                "the records written back in quotes read as the same records");
        const Separator expected = separator == ',' ? Separator::Comma : Separator::Semicolon;
        for (const Record& r : std::get<std::vector<Record>>(again)) {
            require(r.separator == expected, "records written back read with their separator");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const DecodedText decoded = decodeCatalogueText(bytes);
    require(isValidUtf8(bytes) == wellFormedUtf8(bytes),
            "the reader's UTF-8 check agrees with the standard's table");
    require(wellFormedUtf8(decoded.text), "the decoded text is UTF-8");
    const std::string_view withoutMark =
        bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    const bool utf8 = !hasUtf16Mark(bytes) && wellFormedUtf8(withoutMark);
    if (hasUtf16Mark(bytes)) {
        checkUtf16(bytes, decoded);
    } else {
        require(decoded.fault.empty(), "only UTF-16 can be broken");
        if (utf8) {
            require(decoded.text == withoutMark, "UTF-8 text is kept as it is");
        }
    }

    const ReadResult result = readCatalogue(bytes);
    require(readCatalogue(bytes) == result, "the same bytes give the same result");
    if (const auto* error = std::get_if<ReadError>(&result)) {
        checkError(*error, decoded, bytes);
    } else {
        checkRecords(std::get<std::vector<Record>>(result), bytes, decoded);
    }

    // The same text saved as UTF-16 in either byte order reads the same, error places and words
    // included; only the hint for UTF-16 that lost its mark cannot apply to a file that has one.
    if (utf8) {
        for (const std::string_view mark : {"\xFF\xFE", "\xFE\xFF"}) {
            const std::string saved =
                std::string(mark) + utf16Bytes(codePoints(decoded.text), mark == "\xFE\xFF");
            const ReadResult same = readCatalogue(saved);
            if (same == result) {
                if (const auto* records = std::get_if<std::vector<Record>>(&same)) {
                    require(records->empty() ||
                                records->front().separator ==
                                    std::get<std::vector<Record>>(result).front().separator,
                            "UTF-16 is read with the same separator as the same text in UTF-8");
                }
                continue;
            }
            const auto* a = std::get_if<ReadError>(&result);
            const auto* b = std::get_if<ReadError>(&same);
            require(a != nullptr && b != nullptr && a->line == b->line && a->column == b->column &&
                        mentions(*a, "UTF-16") && mentions(*b, "NUL byte"),
                    "UTF-16 reads exactly as the same text in UTF-8");
        }
    }
    return 0;
}
