// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "results/results_row.h"

// The header line and rows as the record writes them, for the reader's tests on every system and
// on POSIX alone.
namespace calquin::results {

inline const std::string kTop = std::string(kHeader) + "\r\n";

inline std::string row(const std::string& pupil, const std::string& question, bool correct,
                       const std::string& day = "2026-12-08", const std::string& item = "Item") {
    return formatRow({day + "T09:15:02+01:00", pupil, "pc", item, question, "1", correct, 250});
}

}  // namespace calquin::results
