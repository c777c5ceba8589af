// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The answers record on a local disk: one answer's row as the window records it (stamped, made,
// appended under the lock and passed to the thread that syncs it), with its p99; and `calquin
// --report`'s reading and summing of a whole school's year, against `cat` of the same files in the
// same run, with the most memory it holds.
//
// The folders are made beside this program (in the build tree, on the disk the build is on),
// not in /tmp, which can be memory.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "results/results_file.h"
#include "results/results_row.h"
#include "results/results_summary.h"
#include "school_year.h"

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

double secondsOf(const std::function<void()>& run) {
    const auto start = Clock::now();
    run();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// `cat` of every results file of the folder into /dev/null: what reading the bytes alone costs.
double catSeconds(const fs::path& folder) {
    const std::string command = "cat '" + folder.string() + "'/*.csv > /dev/null";
    return secondsOf([&] {
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "cat failed\n");
        }
    });
}

// The report in a process of its own, for the most memory it holds at once.
double peakMegabytes(const fs::path& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        const auto summary = calquin::results::summariseFolder(folder, "");
        benchmark::DoNotOptimize(
            calquin::results::mostMissed(std::get<calquin::results::Summary>(summary)));
        ::_exit(0);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void reportOverASchoolYear(benchmark::State& state) {
    const SchoolYear& made = schoolYear(CALQUIN_BENCH_DIR);
    catSeconds(made.folder);  // the files in the page cache, as for a teacher's second look
    double cat = 1e9;
    for (int i = 0; i < 3; ++i) {
        cat = std::min(cat, catSeconds(made.folder));
    }
    double fastest = 1e9;
    for (auto _ : state) {
        const auto start = Clock::now();
        const auto summary = calquin::results::summariseFolder(made.folder, "");
        const auto& figures = std::get<calquin::results::Summary>(summary);
        const auto missed = calquin::results::mostMissed(figures);
        std::int64_t answers = 0;
        std::int64_t correct = 0;
        for (const auto& [name, pupil] : figures.pupils) {
            answers += pupil.all.answers;
            correct += pupil.all.correct;
        }
        if (answers != made.rows || correct != made.correct || missed.size() != 10 ||
            figures.skipped.count != 0 || figures.otherPupils.count != 0) {
            state.SkipWithError("the report's totals differ from the rows made");
        }
        state.counters["questions"] = static_cast<double>(figures.questions.size());
        fastest = std::min(fastest, std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.counters["rows"] = static_cast<double>(made.rows);
    state.counters["cat_ms"] = cat * 1000.0;
    // The target is a ratio to `cat` of the same files in the same run, so that a busy machine
    // slows both; the report's best run against cat's best.
    state.counters["times_cat"] = fastest / cat;
    state.counters["peak_MB"] = peakMegabytes(made.folder);
}
BENCHMARK(reportOverASchoolYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
