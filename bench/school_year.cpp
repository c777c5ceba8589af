// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "school_year.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "results/results_file.h"
#include "results/results_row.h"

namespace {

namespace fs = std::filesystem;

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

void writeFile(const fs::path& path, const std::string& pupil, const std::string& computer,
               SplitMix& random, SchoolYear& made) {
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

}  // namespace

const SchoolYear& schoolYear(const std::filesystem::path& benchDir) {
    static const SchoolYear made = [&benchDir] {
        SchoolYear folder;
        folder.folder = benchDir / "results-bench-school";
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
