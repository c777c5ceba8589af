// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files that no teacher writes on purpose but that end up named index.txt all the same: a huge
// export, a binary file, a file cut off in the middle. Each must load or be refused with the line
// and column of the first fault. Random bytes are the catalogue fuzzer's to try.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_reader.h"
#include "fault_case.h"
#include "scratch_folder.h"

namespace calquin::catalogue {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

std::string repeated(std::string_view piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

struct HostileCase {
    const char* name;
    std::string input;
    // Either the number of records the file loads with, or the fault it is refused with (`what`
    // holds a part of the message).
    std::variant<std::size_t, ExpectedFault> expected;

    friend void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }
};

class HostileText : public ScratchFolder, public testing::WithParamInterface<HostileCase> {};

// Read from a file, as the window reads it: a refusal names that file, the line, the column and
// what was wrong there.
TEST_P(HostileText, LoadsOrIsRefusedAtTheFirstFault) {
    std::ofstream(path(), std::ios::binary) << GetParam().input;
    const auto result = loadCatalogueFile(path().string());
    if (const auto* count = std::get_if<std::size_t>(&GetParam().expected)) {
        ASSERT_TRUE(std::holds_alternative<std::vector<Record>>(result))
            << std::get<CatalogueFault>(result).error.what.english;
        EXPECT_EQ(std::get<std::vector<Record>>(result).size(), *count);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<CatalogueFault>(result));
    const auto& fault = std::get<CatalogueFault>(result);
    EXPECT_EQ(fault.path, path().string());
    expectFault(fault.error, std::get<ExpectedFault>(GetParam().expected));
}

// The column of a NUL byte counts characters as every other fault's column does, so neither a
// byte-order mark nor the two bytes of a UTF-8 letter before it may push it to the right.
INSTANTIATE_TEST_SUITE_P(
    NulBytes, HostileText,
    testing::Values(
        HostileCase{"whole_file", "\0"s, ExpectedFault{1, 1, "NUL byte"}},
        HostileCase{"start_of_a_record", "Sums,1,1,+\n\0More,1,1,+\n"s, ExpectedFault{2, 1, "NUL"}},
        HostileCase{"after_crlf_lines", "A,1,1,+\r\nB,1,1,+\r\nCC\0"s, ExpectedFault{3, 3, "NUL"}},
        HostileCase{"after_a_lone_cr", "A,1,1,+\rB,\0"s, ExpectedFault{2, 3, "NUL"}},
        HostileCase{"last_byte", "A,1,1,+\n\0"s, ExpectedFault{2, 1, "NUL"}},
        HostileCase{"second_line_of_a_quoted_text", "\"Two\nlines \0\",1,1,+"s,
                    ExpectedFault{2, 7, "NUL"}},
        HostileCase{"before_an_unclosed_quote_is_found", "\"Open\0"s, ExpectedFault{1, 6, "NUL"}},
        HostileCase{"after_byte_order_mark", "\xEF\xBB\xBFSums\0,1,1,+\n"s,
                    ExpectedFault{1, 5, "NUL"}},
        HostileCase{"after_utf8_letter", "Caf\xC3\xA9\0,1,1,+\n"s, ExpectedFault{1, 5, "NUL"}},
        HostileCase{"after_windows_1252_letter", "Caf\xE9\0,1,1,+\n"s, ExpectedFault{1, 5, "NUL"}},
        // With its byte-order mark UTF-16 is read as text; without one it is still refused.
        HostileCase{"utf16_file_without_mark", "S\0u\0m\0s\0"s, ExpectedFault{1, 2, "UTF-16"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    MebibyteLines, HostileText,
    testing::Values(
        HostileCase{"item_text", std::string(kMebibyte, 'x') + ",1,1,+", std::size_t{1}},
        HostileCase{"blanks_before_a_record", std::string(kMebibyte, ' ') + "Sums,1,1,+",
                    std::size_t{1}},
        // 101 records of four empty fields use 404 commas; the 102nd starts after them.
        HostileCase{"commas", std::string(kMebibyte, ','),
                    ExpectedFault{1, 405, "record number 102"}},
        HostileCase{"quote_never_closed", "Fine,1,1,+\n\"" + std::string(kMebibyte, 'x'),
                    ExpectedFault{2, 1, "never closed"}},
        // Half a million two-byte letters are as many columns, not twice as many.
        HostileCase{"utf8_letters_then_text_after_quote",
                    "\"" + repeated("\xC3\xA9", kMebibyte / 2) + "\"x,1,1,+",
                    ExpectedFault{1, 2 + static_cast<int>(kMebibyte / 2) + 1, "text follows"}},
        // Blank lines are skipped even inside a record, however many there are.
        HostileCase{"blank_lines_inside_a_record", "Sums" + std::string(kMebibyte, '\n') + "1,1,+",
                    std::size_t{1}},
        HostileCase{"blank_lines_after_a_record_cut_short", "Sums,1" + std::string(kMebibyte, '\n'),
                    ExpectedFault{1, 0, "ends in the middle"}}),
    [](const auto& info) { return std::string(info.param.name); });

using HostileFile = ScratchFolder;

// A file of exactly the largest allowed size is read, and refused for what it holds.
TEST_F(HostileFile, CatalogueAtTheSizeCapIsRefusedAtRecord102) {
    {
        std::string bytes;
        bytes.reserve(kMaxCatalogueBytes);
        for (int i = 0; bytes.size() + 32 < kMaxCatalogueBytes; ++i) {
            bytes += "\"Item " + std::to_string(i) + "\",2,1,+\n";
        }
        bytes.resize(kMaxCatalogueBytes, '\n');
        std::ofstream(path(), std::ios::binary) << bytes;
    }
    ASSERT_EQ(fs::file_size(path()), kMaxCatalogueBytes);

    const auto result = loadCatalogueFile(path().string());
    ASSERT_TRUE(std::holds_alternative<CatalogueFault>(result));
    const auto& fault = std::get<CatalogueFault>(result);
    EXPECT_EQ(fault.error.line, 102);
    EXPECT_EQ(fault.error.column, 1);
    EXPECT_NE(std::string(fault.error.what.english).find("this is record number 102"),
              std::string::npos)
        << fault.error.what.english;
}

// 4 GiB and a little more: a size check done in 32 bits would see only the little more and start
// reading gigabytes of zeros. The file is sparse, so it costs no disk space.
TEST_F(HostileFile, FileFarOverTheSizeCapIsRefusedBeforeReading) {
    std::ofstream(path(), std::ios::binary).close();
    fs::resize_file(path(), (std::uintmax_t{1} << 32) + 100);

    const auto result = loadCatalogueFile(path().string());
    ASSERT_TRUE(std::holds_alternative<CatalogueFault>(result));
    const auto& fault = std::get<CatalogueFault>(result);
    EXPECT_EQ(fault.error.line, 0);
    EXPECT_NE(std::string(fault.error.what.english).find("far larger than a catalogue"),
              std::string::npos)
        << fault.error.what.english;
}

}  // namespace
}  // namespace calquin::catalogue
