// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace calquin::engine {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ReadLeadingNumber, ReadsTheNumberAtTheStart) {
    const struct {
        const char* text;
        double value;
    } rows[] = {{"42", 42},    {"4 2", 42},      {"42abc", 42},  {"42.0", 42},   {"42,5", 42},
                {"4.2e1", 42}, {"twelve", 0},    {"", 0},        {"\t4\n2", 42}, {"4\r2", 4},
                {"- 7", -7},   {"+7", 7},        {"-0", -0.0},   {"--7", 0},     {".", 0},
                {".5", 0.5},   {"5.", 5},        {"1.5.5", 1.5}, {"3e+x", 3},    {"4 E 1", 40},
                {"1e-999", 0}, {"-1e999", -kInf}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const double value = readLeadingNumber(row.text);
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(std::signbit(value), std::signbit(row.value));
    }
    EXPECT_EQ(readLeadingNumber("4.9406564584124654e-324"),
              std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(readLeadingNumber("1" + std::string(400, '0') + "e-400"), 1);
    EXPECT_EQ(readLeadingNumber("1e99999999999999999999"), kInf);
}

// Anything can be pasted into the answer box; a megabyte must read as some value.
TEST(ReadLeadingNumber, ReadsPastedMegabytes) {
    const std::string nines(std::size_t{1} << 20, '9');
    EXPECT_EQ(readLeadingNumber(nines), kInf);
    EXPECT_EQ(readLeadingNumber("0." + nines), 1);
}

}  // namespace
}  // namespace calquin::engine
