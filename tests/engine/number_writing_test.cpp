// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/number_writing.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace calquin::engine {
namespace {

// 1.005, 2.675 and the 16-digit ratio show the step of first writing 15 significant digits: in
// binary they lie just below a half, but at 15 digits they are the half and round up.
TEST(FormatRatio, ShowsAtMostTwoDecimals) {
    const struct {
        double ratio;
        const char* shown;
    } rows[] = {{3.5, "3.5"},       {2, "2."},          {0.25, ".25"},
                {10.0 / 3, "3.33"}, {0.125, ".13"},     {12.5, "12.5"},
                {0, "."},           {0.995, "1."},      {99.995, "100."},
                {0.0049, "."},      {0.005, ".01"},     {-0.25, "-.25"},
                {-0.001, "."},      {1.0 / 0.0, "inf"}, {0.0 / 0.0, "nan"},
                {1.005, "1.01"},    {2.675, "2.68"},    {123456789012345.67, "123456789012346."}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ratio);
        EXPECT_EQ(formatRatio(row.ratio), row.shown);
    }
    EXPECT_EQ(formatRatio(std::numeric_limits<double>::max()),
              "179769313486232" + std::string(294, '0') + ".");
}

}  // namespace
}  // namespace calquin::engine
