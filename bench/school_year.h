// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>

// A school year of a whole school as the benchmarks read it: 30 pupils on each of 40 computers,
// 1,200 files, about five million rows, with items drawn the way a school's catalogue draws them.
struct SchoolYear {
    std::filesystem::path folder;
    std::int64_t rows = 0;
    std::int64_t correct = 0;
};

// Made once in `benchDir`/results-bench-school and kept for later runs; made again when the
// rows made change.
const SchoolYear& schoolYear(const std::filesystem::path& benchDir);
