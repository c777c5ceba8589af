// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "results/pupil_rows.h"
#include "results/question_table.h"

namespace calquin::results {

struct Figures {
    std::int64_t answers = 0;
    std::int64_t correct = 0;
    std::int64_t centiseconds = 0;

    void add(bool right, std::int64_t time);
    // Another set of the same answers' figures, summed apart.
    void add(const Figures& more);
    // The share correct as a whole percent, rounded, but 100 only when every answer was right
    // and 0 only when none was: a teacher reads "100" as "all of them".
    int percentCorrect() const;
    // Average hundredths of a second per answer, rounded.
    std::int64_t averageCentiseconds() const;
};

struct PupilFigures {
    Figures all;
    std::map<std::string, Figures, std::less<>> items;
};

// Every pupil's figures, and the questions of all of them; what the reading left out is in the
// FolderTally it extends.
struct Summary : FolderTally {
    std::map<std::string, PupilFigures, std::less<>> pupils;
    QuestionShards questions;
};

// Adds the rows of one file's bytes dated `since` (YYYY-MM-DD, the local date where the row was
// recorded) or later; an empty `since` takes every row.
void addFile(Summary& summary, std::string_view bytes, const FileOrigin& origin,
             std::string_view since);

// Every .csv file in `folder`, each read in blocks of bounded size whatever it holds, on two
// threads where there are two; the first of each kind of trouble is named in name order. The
// system's reason when the folder cannot be read.
std::variant<Summary, std::string> summariseFolder(const std::filesystem::path& folder,
                                                   std::string_view since);

// The questions answered wrong most often, at most `limit`: the most often wrong first, then
// the most often asked, then by their text.
std::vector<std::pair<std::string, QuestionFigures>> mostMissed(const Summary& summary,
                                                                std::size_t limit = 10);

}  // namespace calquin::results
