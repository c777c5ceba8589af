// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "catalogue/catalogue_reader.h"

namespace calquin::catalogue {

// Where a refusal must point and a part of the words it must say.
struct ExpectedFault {
    int line = 0;
    int column = 0;
    const char* what = "";
};

// A file the reader must refuse, and the place and words of its refusal. The test lives in
// catalogue_reader_test.cpp; each kind of broken file adds its own table of cases to it.
struct FaultCase {
    const char* name;
    std::string input;
    ExpectedFault expected;

    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

// Checks `error` against what was expected of it.
inline void expectFault(const ReadError& error, const ExpectedFault& expected) {
    EXPECT_EQ(error.line, expected.line);
    EXPECT_EQ(error.column, expected.column);
    EXPECT_NE(std::string(error.what.english).find(expected.what), std::string::npos)
        << error.what.english;
}

class RefusesBadFiles : public testing::TestWithParam<FaultCase> {};

}  // namespace calquin::catalogue
