// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/operators.h"
#include "results/pupil_rows.h"
#include "results/results_reader.h"
#include "results/results_summary.h"

// What the teacher's window shows of a results folder: per pupil and for the whole class, the
// answers of a chosen period against the period before it, and per one-digit fact how well it is
// known. Summed from the rows readResults hands over.
namespace calquin::results {

// A question as recorded, read back: "56 : 7" becomes 56, division, 7.
struct QuestionParts {
    std::int64_t first = 0;
    engine::Operation operation = engine::Operation::Addition;
    std::int64_t second = 0;

    bool operator==(const QuestionParts&) const = default;
};

// The question column holds the caption the pupil saw, in the pupil's language: the sign their
// schools write (+ - * / × · : ÷), their digits (Arabic-Indic ٠ to ٩ as well as ASCII) and, in a
// right-to-left window, the invisible marks that keep "37 + 8" in its order. All of that is read
// back to the same question; anything else (a damaged row, an item the program does not know)
// is nothing.
std::optional<QuestionParts> parseQuestion(std::string_view recorded);

// The one-digit facts of an operation as a grid of kGridSize by kGridSize cells, laid out by the
// two numbers that make a fact: 7 × 8 and 7 + 8 in row 7, column 8, and, since 56 : 7 and 15 - 7
// undo 7 × 8 and 7 + 8, those too: the row is the second number, the column the result.
inline constexpr int kGridSize = 10;

struct GridCell {
    int row = 0;
    int column = 0;

    bool operator==(const GridCell&) const = default;
};

// The cell `question` belongs in, or nothing for a question that is no one-digit fact.
std::optional<GridCell> gridCell(const QuestionParts& question);

// The same answers, correct answers and time in all as the report sums, and:
struct Counts : Figures {
    // The middle time in hundredths of a second: for an even number of answers the mean of the two
    // middle ones, rounded up. Half the answers took this long or less, whatever the slowest did.
    std::int64_t medianCentiseconds = 0;
};

enum class FactState { NotAsked, NotYet, AccurateButSlow, Fluent };

// Fluent: at least nine answers in ten correct, and the median no slower than the limit.
FactState factState(const Counts& counts, std::int64_t limitCentiseconds);

using FactGrid = std::array<Counts, kGridSize * kGridSize>;  // row * kGridSize + column

constexpr std::size_t cellIndex(GridCell cell) {
    return static_cast<std::size_t>(cell.row * kGridSize + cell.column);
}

// A question of an item answered wrong, with every language's recording of it counted as one.
struct MissedQuestion {
    // In the form the record keeps now ("7 * 8") when it reads back, else as recorded.
    std::string recorded;
    std::optional<QuestionParts> parts;  // read back, when it reads as a question
    std::int64_t wrong = 0;
};

inline constexpr std::size_t kMostMissedPerItem = 3;

struct ItemFigures {
    Counts counts;
    // At most kMostMissedPerItem, the most often wrong first; among equals the questions that
    // read back, by their numbers, before those that do not, by their text.
    std::vector<MissedQuestion> mostMissed;
};

// A week as ISO 8601 counts it: from Monday, and in the year its Thursday falls in, so that
// 2026-12-31 is in week 53 of 2026 and 2027-01-01 too.
struct IsoWeek {
    int year = 0;
    int week = 0;

    auto operator<=>(const IsoWeek&) const = default;
};

// The week of a local date YYYY-MM-DD; nothing for anything that is no date of the calendar.
std::optional<IsoWeek> isoWeek(std::string_view day);

struct WeekFigures {
    IsoWeek week;
    Counts counts;
};

struct PupilOverview {
    Counts current;       // the period chosen
    Counts previous;      // the period of the same length just before it
    std::string lastDay;  // YYYY-MM-DD of the latest answer ever recorded, in or out of the period
    std::array<FactGrid, 4> facts;  // of the period chosen, in the order of the test types
    // Every item of the period chosen by its name, one-digit facts or not, so that items with
    // more digits than a grid holds are summed up too.
    std::map<std::string, ItemFigures, std::less<>> items;
    // The weeks of the period chosen that have answers, the earliest first.
    std::vector<WeekFigures> weeks;
};

// Local dates YYYY-MM-DD as recorded, both ends included; an empty end is open.
struct DateRange {
    std::string first;
    std::string last;

    bool contains(std::string_view day) const;
};

struct Periods {
    DateRange current;
    std::optional<DateRange> previous;  // nothing when the current one has no start
};

// Read the way the report reads: only a pupil's own rows count, and what was left out is in the
// FolderTally it extends.
struct ClassFigures : FolderTally {
    std::map<std::string, PupilOverview, std::less<>> pupils;
    PupilOverview wholeClass;
};

// Sums up file after file; the medians are taken once, at the end.
class ClassFiguresBuilder {
public:
    explicit ClassFiguresBuilder(Periods periods);
    ~ClassFiguresBuilder();
    ClassFiguresBuilder(const ClassFiguresBuilder&) = delete;
    ClassFiguresBuilder& operator=(const ClassFiguresBuilder&) = delete;

    // A file's bytes, as the tests give them.
    void addFile(std::string_view bytes, const FileOrigin& origin);
    // A file of the folder, read in blocks, so that a file of any size is read in bounded memory.
    void addFile(const std::filesystem::path& path);
    // Adds what `later` summed from files that come after this builder's in name order, and
    // leaves it empty.
    void absorb(ClassFiguresBuilder& later);
    ClassFigures finish();

private:
    struct Tallies;
    ResultsReader::OnRow rowCounter();
    Periods periods_;
    std::unique_ptr<Tallies> tallies_;
};

struct Cancelled {};

// Every .csv file in `folder`, in name order, on two threads where there are two. Before each file
// the calling thread reads, and while it waits for the other, it asks `goOn(filesDone,
// filesInAll)` whether to go on; when it says no, reading stops. The system's reason when the
// folder cannot be listed.
std::variant<ClassFigures, std::string, Cancelled> readClassFolder(
    const std::filesystem::path& folder, const Periods& periods,
    const std::function<bool(std::size_t, std::size_t)>& goOn);

}  // namespace calquin::results
