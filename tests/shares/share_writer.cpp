// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// share_writer FOLDER PUPIL COMPUTER ROWS ANSWER_BYTES PAUSE_MS
// Appends ROWS rows of PUPIL on COMPUTER to FOLDER as a window does, one every PAUSE_MS, and
// prints "rows R written W lost L slowest S": W rows were handed over and not reported lost, L
// rows were reported lost (each notice also goes to standard error), and the longest the window
// would have waited for one row was S milliseconds.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "results/results_file.h"
#include "results/results_row.h"

using namespace calquin::results;

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fputs("usage: share_writer FOLDER PUPIL COMPUTER ROWS ANSWER_BYTES PAUSE_MS\n",
                   stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string pupil = argv[2];
    const std::string computer = argv[3];
    const int rows = std::atoi(argv[4]);
    const auto answerBytes = static_cast<std::size_t>(std::atoi(argv[5]));
    const std::chrono::milliseconds pause(std::atoi(argv[6]));
    std::size_t lost = 0;
    std::chrono::steady_clock::duration slowest{};
    {
        ResultsFile file(
            folder / resultsFileName(pupil, computer),
            [&](const ResultsFile::Notice& notice) {
                if (notice.kind != ResultsFile::Notice::Kind::Elsewhere) {
                    lost += notice.rows;
                }
                std::fprintf(stderr, "share_writer %s: %zu rows: %s\n", notice.file.c_str(),
                             notice.rows, notice.why.c_str());
            },
            Patience{std::chrono::milliseconds(250), std::chrono::seconds(20), 4096});
        for (int n = 0; n < rows; ++n) {
            const AnswerRow row{formatLocalTime(std::time(nullptr)),
                                pupil,
                                computer,
                                "Tens, then units",
                                "37 + " + std::to_string(n),
                                std::string(answerBytes, static_cast<char>('a' + n % 26)),
                                n % 2 == 0,
                                n};
            const auto start = std::chrono::steady_clock::now();
            file.append(formatRow(row));
            slowest = std::max(slowest, std::chrono::steady_clock::now() - start);
            std::this_thread::sleep_for(pause);
        }
    }
    std::printf("rows %d written %zu lost %zu slowest %lld\n", rows,
                static_cast<std::size_t>(rows) - lost, lost,
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(slowest).count()));
    return 0;
}
