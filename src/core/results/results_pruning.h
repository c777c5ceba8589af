// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <variant>

#include "results/results_reader.h"

// Removing rows from the results folder, as data-protection rules ask of a school: rows older
// than the school keeps them, and every row of a pupil who is to be forgotten.
namespace calquin::results {

struct Pruned {
    std::int64_t rows = 0;   // rows removed
    int filesChanged = 0;    // files that lost rows, the removed ones included
    int filesRemoved = 0;    // files left without a row, and so removed
    int filesUnchanged = 0;  // files that could not be changed
    std::string firstUnchangedFile;
    std::string firstUnchangedReason;  // the system's words
};

enum class WhenEmptied {
    // The file stays with its header, so that a row being written the same moment still lands
    // in the file its writer holds.
    KeepFile,
    // The file goes too: its name says whose it was.
    RemoveFile,
};

// Removes the rows `remove` picks from every results file in `folder`. Each file is rewritten in
// place under the lock its writers take, so a row appended at the same moment is written either
// before the file is read or after it was rewritten, whole, and never lost; the file keeps its
// owner and mode. Damaged rows and other lines are left as they are. The system's reason when the
// folder cannot be read.
std::variant<Pruned, std::string> removeRows(const std::filesystem::path& folder,
                                             const std::function<bool(const RowView&)>& remove,
                                             WhenEmptied whenEmptied);

// The first local date still kept when rows are kept for `days` days, as of `now` (YYYY-MM-DD):
// rows dated before it are older than that.
std::string firstDayKept(int days, std::time_t now);

}  // namespace calquin::results
