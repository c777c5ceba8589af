// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string>

#include "engine/random_source.h"

namespace calquin::cli {

struct CheckOutcome {
    QString report;  // for a teacher at a terminal, one sentence to a line
    int status;      // an ExitStatus
};

// Reads the catalogue at `path` with the window's own reader and says, row by row, what a pupil
// would meet: which items can be started (with a question drawn from `random`), why the others
// cannot, which rows are empty, and where the file looks meant differently.
CheckOutcome checkCatalogueFile(const std::string& path, engine::RandomSource& random);

}  // namespace calquin::cli
