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

// A school year of a whole school: 30 pupils on each of 40 computers, 1,200 files, about five
// million rows, made once beside this program and kept for later runs.
constexpr int kPupils = 30;
constexpr int kComputers = 40;
constexpr int kRowsEach = 4'200;
// Raised whenever the rows made change, so that an older folder is made again.
constexpr std::string_view kMadeBy = "school year 3\n";
// A drill asks one item's questions in a row, a test of about twenty.
constexpr int kTestLength = 20;

// A catalogue's items as a school uses it: most draw numbers of several digits, so most
// questions are asked once or twice in a year, some many times.
struct BenchItem {
    const char* name;
    int weight;  // in hundredths of the answers
    char sign;
    int low[2];
    int high[2];
};
constexpr BenchItem kItems[] = {{"4-digit minus 3-digit", 40, '-', {1000, 100}, {9999, 999}},
                                {"3-digit plus 3-digit", 20, '+', {100, 100}, {999, 999}},
                                {"4-digit plus 4-digit", 5, '+', {1000, 1000}, {9999, 9999}},
                                {"3-digit minus 2-digit", 10, '-', {100, 10}, {999, 99}},
                                {"2-digit times 2-digit", 8, '*', {10, 10}, {99, 99}},
                                {"Tens, then units", 7, '+', {10, 1}, {99, 9}},
                                {"2-digit plus 2-digit", 5, '+', {10, 10}, {99, 99}},
                                {"Times tables", 5, '*', {1, 1}, {10, 10}}};

struct SplitMix {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
};

struct Made {
    fs::path folder;
    std::int64_t rows = 0;
    std::int64_t correct = 0;
};

void writeFile(const fs::path& path, const std::string& pupil, const std::string& computer,
               SplitMix& random, Made& made) {
    std::ofstream out(path, std::ios::binary);
    out << calquin::results::kHeader << "\r\n";
    std::string rows;
    const BenchItem* item = kItems;
    for (int r = 0; r < kRowsEach; ++r) {
        // Spread over the school days of a year, in order.
        const int day = r * 200 / kRowsEach;
        char time[32];
        std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:%02d+01:00",
                      day < 80 ? 2026 : 2027, (day / 20 + 8) % 12 + 1, day % 20 + 5, 8 + r % 7,
                      r % 60, (r * 7) % 60);
        if (r % kTestLength == 0) {
            int pick = random.between(0, 99);
            item = kItems;
            while (pick >= item->weight) {
                pick -= item->weight;
                ++item;
            }
        }
        const int a = random.between(item->low[0], item->high[0]);
        const int b = random.between(item->low[1], item->high[1]);
        const int right = item->sign == '+' ? a + b : item->sign == '-' ? a - b : a * b;
        const bool correct = random.between(0, 3) != 0;
        const int answer = correct ? right : right + random.between(1, 10) * (r % 2 ? 1 : -1);
        rows += calquin::results::formatRow(
            {time, pupil, computer, item->name,
             std::to_string(a) + ' ' + item->sign + ' ' + std::to_string(b), std::to_string(answer),
             correct, random.between(80, 3000)});
        ++made.rows;
        made.correct += correct ? 1 : 0;
    }
    out << rows;
}

const Made& schoolYear() {
    static const Made made = [] {
        Made folder;
        folder.folder = benchFolder("results-bench-school");
        const fs::path done = folder.folder / "done";
        std::ifstream old(done);
        std::string madeBy;
        std::getline(old, madeBy, '\0');
        if (!madeBy.starts_with(kMadeBy)) {
            fs::remove_all(folder.folder);
            fs::create_directories(folder.folder);
            SplitMix random{20261208};
            for (int p = 0; p < kPupils; ++p) {
                for (int c = 0; c < kComputers; ++c) {
                    char pupil[16];
                    char computer[16];
                    std::snprintf(pupil, sizeof pupil, "pupil%02d", p + 1);
                    std::snprintf(computer, sizeof computer, "pc-%02d", c + 1);
                    writeFile(folder.folder / calquin::results::resultsFileName(pupil, computer),
                              pupil, computer, random, folder);
                }
            }
            std::ofstream(done) << kMadeBy << folder.rows << ' ' << folder.correct << '\n';
        } else {
            std::istringstream(madeBy.substr(kMadeBy.size())) >> folder.rows >> folder.correct;
        }
        return folder;
    }();
    return made;
}

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
    const Made& made = schoolYear();
    catSeconds(made.folder);  // the files in the page cache, as for a teacher's second look
    double cat = 1e9;
    for (int i = 0; i < 3; ++i) {
        cat = std::min(cat, catSeconds(made.folder));
    }
    for (auto _ : state) {
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
    }
    state.counters["rows"] = static_cast<double>(made.rows);
    state.counters["cat_ms"] = cat * 1000.0;
    state.counters["peak_MB"] = peakMegabytes(made.folder);
}
BENCHMARK(reportOverASchoolYear)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
