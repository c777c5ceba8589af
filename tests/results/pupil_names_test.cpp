// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/pupil_names.h"

#include <gtest/gtest.h>

#include <ostream>

namespace calquin::results {
namespace {

struct NamesCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> names;
    std::int64_t firstBadLine = 0;
};

void PrintTo(const NamesCase& c, std::ostream* out) {
    *out << c.name;
}

class PupilNames : public testing::TestWithParam<NamesCase> {};

TEST_P(PupilNames, OneNameALineAsTheTeacherWroteIt) {
    const PupilList list = parsePupilNames(GetParam().bytes);
    EXPECT_EQ(list.names, GetParam().names);
    EXPECT_EQ(list.firstBadLine, GetParam().firstBadLine);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PupilNames,
    testing::Values(
        NamesCase{"empty", "", {}}, NamesCase{"blank_lines_only", "\n  \r\n\t\n", {}},
        NamesCase{"plain", "Anna\nBen\n", {"Anna", "Ben"}},
        NamesCase{"no_line_end_at_the_end", "Anna\nBen", {"Anna", "Ben"}},
        NamesCase{"windows_line_ends_and_mark",
                  "\xEF\xBB\xBF"
                  "Anna\r\nBen\r\n",
                  {"Anna", "Ben"}},
        NamesCase{"blanks_around_kept_within", "  Anna Maria \t\n\nBen  \n", {"Anna Maria", "Ben"}},
        NamesCase{"accents_and_arabic", "Zoë\nÉmile\nمريم\n", {"Zoë", "Émile", "مريم"}},
        NamesCase{"same_name_twice_once", "Anna\nBen\n Anna\n", {"Anna", "Ben"}},
        NamesCase{"not_utf8_left_out_first_bad_named",
                  "Anna\n\nZo\xEB"
                  "\nBen\n\xFF\n",
                  {"Anna", "Ben"},
                  3},
        NamesCase{"nul_left_out", std::string("An\0na\nBen\n", 10), {"Ben"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PupilNamesFile, AMissingFileSaysWhy) {
    const PupilList list = readPupilNames("/nonexistent-calquin-folder");
    EXPECT_TRUE(list.names.empty());
    EXPECT_FALSE(list.unreadable.empty());
}

}  // namespace
}  // namespace calquin::results
