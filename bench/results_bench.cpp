// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The answers record on a local disk: one answer's row as the window records it (stamped, made,
// appended under the lock and passed to the thread that syncs it), with its p99; and `calquin
// --report`'s reading and summing of one million rows, against reading the same bytes alone in the
// same run.
//
// The folders are made beside this program (in the build tree, on the disk the build is on),
// not in /tmp, which can be memory.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "results/results_file.h"
#include "results/results_row.h"
#include "results/results_summary.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path benchFolder(const char* name) {
    const fs::path folder = fs::path(CALQUIN_BENCH_DIR) / name;
    return folder;
}

void recordOneAnswer(benchmark::State& state) {
    const fs::path folder = benchFolder("results-bench-append");
    fs::remove_all(folder);
    fs::create_directories(folder);
    calquin::results::ResultsFile file(folder / calquin::results::resultsFileName("anna", "pc-12"));
    std::vector<double> micros;
    std::int64_t n = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const calquin::results::AnswerRow row{calquin::results::formatLocalTime(std::time(nullptr)),
                                              "anna",
                                              "pc-12",
                                              "2-digit plus 1-digit",
                                              "37 + " + std::to_string(n % 10),
                                              "4" + std::to_string(n % 10),
                                              n % 3 != 0,
                                              327};
        if (file.append(calquin::results::formatRow(row)) ==
            calquin::results::ResultsFile::Handed::NotWritten) {
            state.SkipWithError("the row was not written");
            break;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        ++n;
    }
    if (!micros.empty()) {
        std::sort(micros.begin(), micros.end());
        const auto at = [&](double share) {
            return micros[std::min(micros.size() - 1,
                                   static_cast<std::size_t>(share * micros.size()))];
        };
        state.counters["p50_us"] = at(0.50);
        state.counters["p99_us"] = at(0.99);
        state.counters["max_us"] = micros.back();
    }
    fs::remove_all(folder);
}
BENCHMARK(recordOneAnswer)->Iterations(3000)->Unit(benchmark::kMicrosecond);

// A school year of a large class: 40 pupils on 40 computers, 25,000 answers each, made once.
constexpr int kPupils = 40;
constexpr int kRowsEach = 25'000;

const fs::path& millionRows() {
    static const fs::path folder = [] {
        const fs::path made = benchFolder("results-bench-million");
        if (fs::exists(made / "done")) {
            return made;
        }
        fs::remove_all(made);
        fs::create_directories(made);
        for (int p = 0; p < kPupils; ++p) {
            const std::string pupil = "pupil" + std::to_string(p);
            std::ofstream out(made / calquin::results::resultsFileName(pupil, "pc"),
                              std::ios::binary);
            out << calquin::results::kHeader << "\r\n";
            for (int r = 0; r < kRowsEach; ++r) {
                const int day = 1 + r / 1000 % 28;
                char time[32];
                std::snprintf(time, sizeof time, "2026-%02d-%02dT09:15:02+01:00", 1 + r / 2500,
                              day);
                out << calquin::results::formatRow(
                    {time, pupil, "pc", r % 7 == 0 ? "Tens, then units" : "2-digit plus 1-digit",
                     std::to_string(10 + r % 90) + " + " + std::to_string(r % 10),
                     std::to_string(r % 100), r % 4 != 0, 100 + r % 900});
            }
        }
        std::ofstream(made / "done") << "";
        return made;
    }();
    return folder;
}

void reportOverAMillionRows(benchmark::State& state) {
    const fs::path& folder = millionRows();
    for (auto _ : state) {
        const auto summary = calquin::results::summariseFolder(folder, "");
        const auto& figures = std::get<calquin::results::Summary>(summary);
        if (figures.pupils.size() != kPupils) {
            state.SkipWithError("not every pupil was read");
        }
        benchmark::DoNotOptimize(figures.questions.size());
    }
    state.counters["rows"] = double{kPupils} * kRowsEach;
}
BENCHMARK(reportOverAMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same files read into memory and nothing else: what no report can be faster than.
void readTheSameBytes(benchmark::State& state) {
    const fs::path& folder = millionRows();
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    for (auto _ : state) {
        std::size_t total = 0;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() != ".csv") {
                continue;
            }
            const int fd = ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC);
            bytes.clear();
            for (ssize_t got; (got = ::read(fd, chunk.data(), chunk.size())) > 0;) {
                bytes.append(chunk.data(), static_cast<std::size_t>(got));
            }
            ::close(fd);
            total += bytes.size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(readTheSameBytes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
