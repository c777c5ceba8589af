// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "common/phrase.h"

namespace calquin::catalogue {

// What separates the fields of a record in the file: commas, as the catalogue is written by hand,
// or semicolons, as spreadsheets in many countries save "CSV".
enum class Separator { Comma, Semicolon };

// One drill item as the teacher wrote it. Every field stays text: the digit counts become numbers
// only when a pupil chooses the item, so a strange count cannot stop the catalogue from loading.
struct Record {
    std::string itemText;
    std::string digits1;
    std::string digits2;
    std::string opSign;
    // The line its first field stands on, counted from 1, so a check of the file can point the
    // teacher at it; 0 for a record not read from a file.
    int line = 0;
    // How the file separated its fields; the same for every record of one file, so a check of the
    // file can tell the teacher how it was read.
    Separator separator = Separator::Comma;

    // Two records are the same item when the teacher wrote the same four fields, wherever they
    // stand: the same catalogue laid out differently holds the same items.
    friend bool operator==(const Record& a, const Record& b) {
        return a.itemText == b.itemText && a.digits1 == b.digits1 && a.digits2 == b.digits2 &&
               a.opSign == b.opSign;
    }
};

// Where and why a catalogue could not be read. Line and column count from 1; a column of 0 means
// the fault belongs to the whole line, a line of 0 to the whole file.
struct ReadError {
    ReadError() = default;
    ReadError(int line, int column, Text what, std::string detail = {})
        : line(line), column(column), what(what), detail(std::move(detail)) {}

    int line = 0;
    int column = 0;
    // A whole sentence, never built from pieces, so that it can be translated.
    Text what;
    // What the operating system said, in its own words, where it said anything.
    std::string detail;

    friend bool operator==(const ReadError&, const ReadError&) = default;
};

using ReadResult = std::variant<std::vector<Record>, ReadError>;

// The catalogue holds records 0 to 100.
inline constexpr int kMaxRecords = 101;

// Reads a whole catalogue. Fields are separated by commas or line ends, so a record may run over
// lines and several records may share one; blanks before a field are skipped, and a field in
// double quotes keeps its commas. Blank lines are not records. The bytes are decoded first (see
// decodeCatalogueText), so texts in the records are UTF-8.
//
// A spreadsheet's file is read with semicolons instead: one whose every record stands on its own
// line as four fields separated by semicolons (quoted where a field holds a semicolon or a line
// end), and in which reading with commas finds no record whose operator is one of the four signs.
// So every file in which commas give even one item is read by commas, as it always was. A
// file that neither way reads, with lines of both kinds, is refused at the first line that
// separates its fields differently from the lines above it.
ReadResult readCatalogue(std::string_view bytes);

}  // namespace calquin::catalogue
