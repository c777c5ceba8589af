// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/item_choice.h"

#include <gtest/gtest.h>

#include <string>

namespace calquin::engine {
namespace {

TEST(ChooseItem, StartsValidItemsAndExplainsTheRest) {
    const struct {
        std::string digits1, digits2, op;
        int started1, started2;  // 0: refused with `refusal` in the reason
        std::string refusal;
    } rows[] = {{"2", "1", "+", 2, 1, ""},
                {"2.5", "1", "*", 2, 1, ""},
                {"3.5", "1", "+", 4, 1, ""},
                {"\t3 digits", "1", "-", 3, 1, ""},
                {"9", "9", "/", 9, 9, ""},
                {"5", "4", "*", 5, 4, ""},
                {"2", "1", "x", 0, 0, "operator"},
                {"2", "1", " +", 0, 0, "operator"},
                {"0", "1", "+", 0, 0, "1 to 9"},
                {"9.5", "1", "+", 0, 0, "1 to 9"},
                {"two", "1", "+", 0, 0, "1 to 9"},
                {"99999", "1", "+", 0, 0, "1 to 9"},
                {"1", "2", "-", 0, 0, "fewer digits"},
                {"3", "4", "/", 0, 0, "fewer digits"},
                {"9", "1", "*", 0, 0, "too large"},
                {"", "", "", 0, 0, "no item"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.digits1 + " " + row.op + " " + row.digits2);
        TestState state;
        state.opSign = "old";
        state.itemDigits1.set(23, row.digits1);
        state.itemDigits2.set(23, row.digits2);
        state.itemOp.set(23, row.op);
        const std::string refusal = chooseItem(state, 23).value_or(Text{}).english;
        EXPECT_EQ(refusal.empty(), row.refusal.empty()) << refusal;
        EXPECT_NE(refusal.find(row.refusal), std::string::npos) << refusal;
        EXPECT_EQ(state.digits1, row.started1);
        EXPECT_EQ(state.digits2, row.started2);
        EXPECT_EQ(state.opSign, row.started1 == 0 ? "old" : row.op);
    }
}

}  // namespace
}  // namespace calquin::engine
