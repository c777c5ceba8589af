// Any bytes can stand in the working directory under the catalogue's name. Whatever they are, the
// reader must give records or an error that points at a real place in the file, the same way every
// time, and the texts it hands to the window must be UTF-8.
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
    return error.what.find(part) != std::string::npos;
}

void checkError(const ReadError& error, std::string_view decoded) {
    require(error.line >= 1, "an error from the reader names a line");
    require(error.column >= 0, "a column is never negative");
    require(!error.what.empty(), "an error says what is wrong");

    const auto offset = offsetOf(decoded, error.line, error.column);
    require(offset.has_value(), "the error's line " + std::to_string(error.line) + ", column " +
                                    std::to_string(error.column) + " lies in the file");
    const char at = *offset < decoded.size() ? decoded[*offset] : '\n';
    if (mentions(error, "NUL byte")) {
        require(at == '\0', "a NUL byte error points at the NUL byte");
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
    } else {
        calquin::fuzz::fail("an error the reader is not known to report: " + error.what);
    }
}

void checkRecords(const std::vector<Record>& records, std::string_view bytes) {
    require(records.size() <= static_cast<std::size_t>(kMaxRecords), "at most 101 records");
    require(bytes.find('\0') == std::string_view::npos, "a file with a NUL byte is refused");
    bool anyQuote = false;
    for (const Record& r : records) {
        for (const std::string* field : {&r.itemText, &r.digits1, &r.digits2, &r.opSign}) {
            require(wellFormedUtf8(*field), "every field is UTF-8: " + shown(*field));
            anyQuote = anyQuote || field->find('"') != std::string::npos;
        }
    }
    // Every field written back in quotes must read as itself; a field holding a quote has no
    // quoted form, so such catalogues skip this check.
    if (anyQuote) {
        return;
    }
    std::string rewritten;
    for (const Record& r : records) {
        rewritten += '"' + r.itemText + "\",\"" + r.digits1 + "\",\"" + r.digits2 + "\",\"" +
                     r.opSign + "\"\n";
    }
    const auto again = readCatalogue(rewritten);
    require(std::holds_alternative<std::vector<Record>>(again) &&
                std::get<std::vector<Record>>(again) == records,
            "the records written back in quotes read as the same records");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string decoded = decodeCatalogueText(bytes);
    require(isValidUtf8(bytes) == wellFormedUtf8(bytes),
            "the reader's UTF-8 check agrees with the standard's table");
    require(wellFormedUtf8(decoded), "the decoded text is UTF-8");
    const std::string_view withoutMark =
        bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    if (wellFormedUtf8(withoutMark)) {
        require(decoded == withoutMark, "UTF-8 text is kept as it is");
    }

    const ReadResult result = readCatalogue(bytes);
    require(readCatalogue(bytes) == result, "the same bytes give the same result");
    if (const auto* error = std::get_if<ReadError>(&result)) {
        checkError(*error, decoded);
    } else {
        checkRecords(std::get<std::vector<Record>>(result), bytes);
    }
    return 0;
}
