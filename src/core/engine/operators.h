// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

#include "common/phrase.h"

namespace calquin::engine {

// What an operator does; its number is also the test type whose questions it asks.
enum class Operation { Addition, Subtraction, Multiplication, Division };

// Everything the program knows about one of its four operators, in one row: the sign a catalogue
// names it by, the test type whose questions it asks, that type's option caption, the sign the
// question shows (a translation may choose its schools' sign), the question in words, the heading
// of its group in a teacher's catalogue check, and the check's note on an item filed under
// another type.
struct Operator {
    std::string_view sign;
    Operation operation;
    Text typeCaption;
    Text shownSign;
    Text spoken;  // %1 and %2 are the two numbers, so a language can order them its own way
    // A name of the operation, where the option's caption may be a verb short enough for its
    // button.
    Text checkHeading;
    Text filedElsewhere;  // %1 is the heading of the group the item is listed under

    constexpr int testType() const { return static_cast<int>(operation); }
};

// In the order of the test types, which is the order the options list them in.
// clang-format off
inline constexpr std::array<Operator, 4> kOperators = {{
    {"+", Operation::Addition, translatable("Form1", "Addition"), translatable("Question", "+"),
     translatable("Form1", "%1 plus %2"), translatable("CatalogueCheck", "Addition"),
     translatable("CatalogueCheck",
                  "Note: its operator is +, so it asks addition questions, though it is listed "
                  "under \"%1\".")},
    {"-", Operation::Subtraction, translatable("Form1", "Subtraction"),
     translatable("Question", "-"), translatable("Form1", "%1 minus %2"),
     translatable("CatalogueCheck", "Subtraction"),
     translatable("CatalogueCheck",
                  "Note: its operator is -, so it asks subtraction questions, though it is "
                  "listed under \"%1\".")},
    {"*", Operation::Multiplication, translatable("Form1", "Multiplication"),
     translatable("Question", "*"), translatable("Form1", "%1 times %2"),
     translatable("CatalogueCheck", "Multiplication"),
     translatable("CatalogueCheck",
                  "Note: its operator is *, so it asks multiplication questions, though it "
                  "is listed under \"%1\".")},
    {"/", Operation::Division, translatable("Form1", "Division"), translatable("Question", "/"),
     translatable("Form1", "%1 divided by %2"), translatable("CatalogueCheck", "Division"),
     translatable("CatalogueCheck",
                  "Note: its operator is /, so it asks division questions, though it is listed "
                  "under \"%1\".")},
}};
// clang-format on

// The operator a catalogue's sign names, compared as exact text; nothing for any other sign.
constexpr const Operator* findOperator(std::string_view sign) {
    for (const Operator& op : kOperators) {
        if (op.sign == sign) {
            return &op;
        }
    }
    return nullptr;
}

// The operator test type `testType` (0 to 3) is named after.
constexpr const Operator& operatorOfType(int testType) {
    return kOperators.at(static_cast<std::size_t>(testType));
}

}  // namespace calquin::engine
