// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows Notepad saves "Unicode" as UTF-16 with a byte-order mark, in either byte order. Such a
// file must read exactly as the same text saved as UTF-8, and a broken one must be refused with a
// place a teacher can find.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/text_decoding.h"
#include "fault_case.h"
#include "utf16_bytes.h"

namespace calquin::catalogue {
namespace {

using namespace std::string_literals;

enum class Order { Little, Big };

// UTF-8 text as UTF-16 with its byte-order mark; `tail` is appended as raw bytes.
std::string utf16(std::u32string_view text, Order order, std::string_view tail = {}) {
    const std::string mark = order == Order::Little ? "\xFF\xFE" : "\xFE\xFF";
    return mark + utf16Bytes(text, order == Order::Big) + std::string(tail);
}

struct SameAsUtf8Case {
    const char* name;
    std::u32string text;  // written as UTF-16 in both byte orders
    std::string utf8;     // the same text as UTF-8

    friend void PrintTo(const SameAsUtf8Case& c, std::ostream* os) { *os << c.name; }
};

class Utf16ReadsLikeUtf8 : public testing::TestWithParam<std::tuple<SameAsUtf8Case, Order>> {};

// Records, or the line, column and words of an error: whatever UTF-8 gives, UTF-16 gives too.
TEST_P(Utf16ReadsLikeUtf8, InEveryRecordAndMessage) {
    const auto& [c, order] = GetParam();
    const ReadResult expected = readCatalogue(c.utf8);
    EXPECT_EQ(readCatalogue(utf16(c.text, order)), expected);
    if (const auto* error = std::get_if<ReadError>(&expected)) {
        EXPECT_GT(error->line, 1) << "the case should show a place past the first line";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, Utf16ReadsLikeUtf8,
    testing::Combine(
        testing::Values(
            SameAsUtf8Case{"two_records_crlf", U"Sums,1,1,+\r\nTake away,2,2,-\r\n",
                           "Sums,1,1,+\r\nTake away,2,2,-\r\n"},
            SameAsUtf8Case{
                "accents_greek_and_chinese",
                U"\"Caf\u00E9, na\u00EFve\",1,1,+\n\u03A0\u03C1\u03CC\u03C3\u03B8\u03B5"
                U"\u03C3\u03B7,2,1,+\n\u52A0\u6CD5,3,3,+\n",
                "\"Caf\xC3\xA9, na\xC3\xAFve\",1,1,+\n\xCE\xA0\xCF\x81\xCF\x8C\xCF\x83"
                "\xCE\xB8\xCE\xB5\xCF\x83\xCE\xB7,2,1,+\n\xE5\x8A\xA0\xE6\xB3\x95,3,3,+\n"},
            SameAsUtf8Case{"surrogate_pair", U"Star \U0001F31F sums,1,1,+\n",
                           "Star \xF0\x9F\x8C\x9F sums,1,1,+\n"},
            // A character outside the BMP is one column, not two: the error after it says 8.
            SameAsUtf8Case{"column_after_surrogate_pair",
                           U"A,1,1,+\n\"\U0001F31F\u00E9\u52A0\"x,1,1,+\n",
                           "A,1,1,+\n\"\xF0\x9F\x8C\x9F\xC3\xA9\xE5\x8A\xA0\"x,1,1,+\n"},
            SameAsUtf8Case{"open_quote_after_accented_text",
                           U"\u00C9t\u00E9,1,1,+\r\n\u00E9 \"Open\n",
                           "\xC3\x89t\xC3\xA9,1,1,+\r\n\xC3\xA9 \"Open\n"},
            SameAsUtf8Case{"nul_character_after_accents",
                           U"A,1,1,+\r\n\u00E9\u00E9"s + U'\0' + U",1,1,+",
                           "A,1,1,+\r\n\xC3\xA9\xC3\xA9"s + '\0' + ",1,1,+"},
            SameAsUtf8Case{"record_cut_short", U"A,1,1,+\nB,1\n", "A,1,1,+\nB,1\n"},
            SameAsUtf8Case{"spreadsheet_semicolons", U"\u00DCben;1;1;*\r\n\"Plus; mehr\";2;1;+\r\n",
                           "\xC3\x9C"
                           "ben;1;1;*\r\n\"Plus; mehr\";2;1;+\r\n"}),
        testing::Values(Order::Little, Order::Big)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Order::Little ? "_le" : "_be");
    });

TEST(Utf16ReadsLikeUtf8, DecodesToTheSameUtf8Text) {
    const auto decoded = decodeCatalogueText(utf16(U"\u00E9\U0001F31F\r\n", Order::Big));
    EXPECT_EQ(decoded.text, "\xC3\xA9\xF0\x9F\x8C\x9F\r\n");
    EXPECT_TRUE(decoded.fault.empty());
}

const std::string kLoneHighLe = "\x3D\xD8";  // U+D83D, first half of many emoji
const std::string kLoneLowBe = "\xDF\x1F";   // U+DF1F, a second half
const std::string kNul = "\0"s;

INSTANTIATE_TEST_SUITE_P(
    Utf16, RefusesBadFiles,
    testing::Values(
        FaultCase{"odd_byte_count_le",
                  utf16(U"A,1,1,+\r\nB\u00E9", Order::Little, "x"),
                  {2, 3, "ends in the middle of a character"}},
        FaultCase{"odd_byte_count_be",
                  utf16(U"A,1,1,+\n", Order::Big, "\0"s),
                  {2, 1, "ends in the middle of a character"}},
        FaultCase{"only_half_a_mark_and_a_byte", "\xFF\xFE\x41"s, {1, 1, "ends in the middle"}},
        FaultCase{"first_half_then_a_byte",
                  utf16(U"A", Order::Little, kLoneHighLe + "x"),
                  {1, 2, "ends in the middle of a character"}},
        FaultCase{"lone_first_half_at_the_end",
                  utf16(U"A,1,1,+\n\u00E9", Order::Little, kLoneHighLe),
                  {2, 2, "a first half has no second half"}},
        FaultCase{"first_half_before_a_letter",
                  utf16(U"A,1,1,+\n\u52A0", Order::Little, kLoneHighLe + "x\0"s),
                  {2, 2, "a first half has no second half"}},
        FaultCase{"two_first_halves",
                  utf16(U"\u00E9", Order::Little, kLoneHighLe + kLoneHighLe),
                  {1, 2, "a first half has no second half"}},
        FaultCase{"lone_second_half",
                  utf16(U"\u00E9,1,1,+\r\n\u00E9\u00E9", Order::Big, kLoneLowBe),
                  {2, 3, "a second half has no first half"}},
        // The first fault in the file is the one named.
        FaultCase{"nul_before_broken_half",
                  utf16(U"A"s + U'\0' + U"\n", Order::Little, kLoneHighLe),
                  {1, 2, "NUL byte, so it is not a plain text file"}},
        FaultCase{"broken_half_before_nul",
                  utf16(U"A", Order::Little, kLoneHighLe + kNul + kNul),
                  {1, 2, "a first half has no second half"}},
        FaultCase{"nul_character",
                  utf16(U"Sums,1,1,+\r\nB"s + U'\0', Order::Big),
                  {2, 2, "NUL byte, so it is not a plain text file"}},
        // Without the mark: still refused at the first NUL, but told how to save it instead.
        FaultCase{
            "le_without_mark",
            utf16(U"Sums,1,1,+\r\n", Order::Little).substr(2),
            {1, 2, "saved as UTF-16 (\"Unicode\") without a byte-order mark; save it as UTF-8"}},
        // Only the commas, digits and line end have NUL halves here; without a mark the bytes are
        // taken one character each, so the first NUL is the eleventh.
        FaultCase{"be_without_mark_greek",
                  utf16(U"\u03A0\u03C1\u03CC\u03C3\u03B8,1,1,+\n", Order::Big).substr(2),
                  {1, 11, "without a byte-order mark"}},
        FaultCase{"binary_nuls_are_not_utf16",
                  "PK\x03\x04\0\0\0\0\x08\0\0\0"s,
                  {1, 5, "NUL byte, so it is not a plain text file"}},
        FaultCase{"one_nul_in_ascii_is_not_utf16",
                  "Sums,1,1,+\nMore\0,1,1,+\n"s,
                  {2, 5, "NUL byte, so it is not a plain text file"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calquin::catalogue
