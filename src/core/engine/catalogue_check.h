// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "catalogue/item_list.h"
#include "common/phrase.h"
#include "engine/question_generator.h"
#include "engine/random_source.h"

namespace calquin::engine {

// What a check of the catalogue found about one row of the item list, as a pupil would meet it.
struct RowCheck {
    int record = 0;  // the catalogue record behind the row, 10 t + row
    int line = 0;    // where that record starts in the file; 0 when the file lacks it
    // The file lacks the record, or all four of its fields are empty: the list shows an empty row.
    bool empty = true;
    std::string itemText;
    // Why choosing the row would not start a test, in the words the window shows; when it would,
    // nothing, and `example` holds one question drawn for it, e.g. 37 + 8.
    std::optional<Text> refusal;
    Question example;
    // Hints where the file was plainly meant differently. Neither stops the item from starting.
    bool semicolons = false;          // its fields look separated by semicolons
    std::optional<int> operatorType;  // the test type whose operator it asks, when not its own

    friend bool operator==(const RowCheck&, const RowCheck&) = default;
};

// A record the file holds beyond the ones any list shows.
struct UnlistedRecord {
    int record = 0;
    int line = 0;
    std::string itemText;

    friend bool operator==(const UnlistedRecord&, const UnlistedRecord&) = default;
};

struct CatalogueCheck {
    // Row j of test type t, in the order the options and the list show them.
    std::array<std::array<RowCheck, catalogue::kRowsPerType>, catalogue::kTestTypes> rows;
    std::vector<UnlistedRecord> unlisted;
    int items = 0;  // listed rows that are not empty
    int startable = 0;

    bool allStartable() const { return startable == items; }
};

// Rows `first` to `last` (counted from 0) of one test type, which a report says in one line: a
// single row, or a run of empty rows the file lacks, so that a short catalogue gives a short
// report. An empty row the file holds stands alone, since it names its line.
struct ReportedRows {
    std::size_t first = 0;
    std::size_t last = 0;

    friend bool operator==(const ReportedRows&, const ReportedRows&) = default;
};

std::vector<ReportedRows> reportedRows(const std::array<RowCheck, catalogue::kRowsPerType>& rows);

// Goes through the catalogue as the window would: every row of every test type is chosen in turn,
// and where the window would start a test one question is drawn from `random`.
CatalogueCheck checkCatalogue(const std::vector<catalogue::Record>& records, RandomSource& random);

}  // namespace calquin::engine
