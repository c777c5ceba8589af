// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's window's reading of a folder: every row parsed, its question read back and placed
// in a fact grid, and the medians taken per pupil, per fact and for the class, over one million
// rows of one-digit facts written in three languages' signs and digits.
//
// The folder is made once beside this program (on the build's disk, not in /tmp, which can be
// memory).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "results/class_figures.h"
#include "results/results_file.h"
#include "results/results_row.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPupils = 40;
constexpr int kRowsEach = 25'000;

// 7 × 8 as an English, a German and an Arabic window record it.
std::string question(int first, int second, int language) {
    const std::string a = std::to_string(first);
    const std::string b = std::to_string(second);
    switch (language) {
        case 0:
            return a + " * " + b;
        case 1:
            return a + " \u00B7 " + b;
        default: {
            // Arabic-Indic digits are two bytes each in UTF-8: U+0660 is D9 A0.
            std::string arabic = "\u2066";
            for (const char c : a + " \u200E\u00D7\u200E " + b) {
                if (c >= '0' && c <= '9') {
                    arabic += "\xD9";
                    arabic += static_cast<char>('\xA0' + (c - '0'));
                } else {
                    arabic += c;
                }
            }
            return arabic + "\u2069";
        }
    }
}

// `files` pupils' files of `rowsEach` rows, made once under `name` beside this program.
fs::path factsFolder(const char* name, int files, int rowsEach) {
    const fs::path made = fs::path(CALQUIN_BENCH_DIR) / name;
    if (fs::exists(made / "done")) {
        return made;
    }
    fs::remove_all(made);
    fs::create_directories(made);
    for (int p = 0; p < files; ++p) {
        const std::string pupil = "pupil" + std::to_string(p);
        std::ofstream out(made / calquin::results::resultsFileName(pupil, "pc"), std::ios::binary);
        out << calquin::results::kHeader << "\r\n";
        for (int r = 0; r < rowsEach; ++r) {
            char time[32];
            std::snprintf(time, sizeof time, "2026-%02d-%02dT09:15:02+01:00", 1 + r / 2500,
                          1 + r / 1000 % 28);
            out << calquin::results::formatRow({time, pupil, "pc", "Times tables",
                                                question(1 + r % 9, 1 + r / 9 % 9, p % 3), "1",
                                                r % 4 != 0, 100 + r % 900});
        }
    }
    std::ofstream(made / "done") << "";
    return made;
}

const fs::path& millionFacts() {
    static const fs::path folder = factsFolder("class-figures-million", kPupils, kRowsEach);
    return folder;
}

void classFiguresOverAMillionRows(benchmark::State& state) {
    const fs::path& folder = millionFacts();
    const calquin::results::Periods periods{
        {"2026-09-01", "2026-12-31"}, calquin::results::DateRange{"2026-01-01", "2026-08-31"}};
    for (auto _ : state) {
        const auto read = calquin::results::readClassFolder(
            folder, periods, [](std::size_t, std::size_t) { return true; });
        const auto& figures = std::get<calquin::results::ClassFigures>(read);
        if (figures.pupils.size() != kPupils || figures.wholeClass.previous.answers == 0) {
            state.SkipWithError("not every pupil was read");
        }
        benchmark::DoNotOptimize(figures.wholeClass.facts[2][78].answers);
    }
    state.counters["rows"] = double{kPupils} * kRowsEach;
}
BENCHMARK(classFiguresOverAMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// A year of a whole school: 1,200 files, 5 million rows (340 MB). Made and read only when
// CALQUIN_BENCH_SCHOOL_YEAR is set, since making it takes a minute and the disk space.
void classFiguresOverASchoolYear(benchmark::State& state) {
    if (std::getenv("CALQUIN_BENCH_SCHOOL_YEAR") == nullptr) {
        state.SkipWithError("set CALQUIN_BENCH_SCHOOL_YEAR=1 to make and read the school's year");
        for (auto _ : state) {
        }
        return;
    }
    constexpr int kFiles = 1200;
    constexpr int kRows = 4167;
    static const fs::path folder = factsFolder("class-figures-school-year", kFiles, kRows);
    const calquin::results::Periods everything{{}, std::nullopt};
    for (auto _ : state) {
        const auto read = calquin::results::readClassFolder(
            folder, everything, [](std::size_t, std::size_t) { return true; });
        benchmark::DoNotOptimize(std::get<calquin::results::ClassFigures>(read).pupils.size());
    }
    state.counters["rows"] = double{kFiles} * kRows;
}
BENCHMARK(classFiguresOverASchoolYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
