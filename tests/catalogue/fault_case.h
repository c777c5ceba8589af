// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "catalogue/catalogue_reader.h"

namespace calquin::catalogue {

// A file the reader must refuse, and the place and words of its refusal. The test lives in
// catalogue_reader_test.cpp; each kind of broken file adds its own table of cases to it.
struct FaultCase {
    const char* name;
    std::string input;
    ReadError expected;  // `what` holds a part of the message that must appear

    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

class RefusesBadFiles : public testing::TestWithParam<FaultCase> {};

}  // namespace calquin::catalogue
