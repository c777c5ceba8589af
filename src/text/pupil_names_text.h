// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <filesystem>

#include "results/pupil_names.h"

namespace calquin::text {

// What stands in the way of choosing a name from `folder`'s pupils.txt, one sentence a line: it
// cannot be read or lists no one (answers then go under the login name), or a line of it was left
// out. Empty when every line was read. The window writes this on standard error at start.
QString pupilNamesProblems(const results::PupilList& list, const std::filesystem::path& folder);

// For --check: how many names the pupils choose from and where, and what stands in the way.
QString pupilNamesCheckText(const std::filesystem::path& folder);

}  // namespace calquin::text
