// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's window opened on a year of a whole school (the folder the report's benchmark
// reads), on the offscreen platform: how long until it shows the class, and the longest its own
// thread was kept from its events meanwhile, which is how long the window would not answer a
// click.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "school_year.h"
#include "teacher/class_results_window.h"

namespace {

void classWindowOverASchoolYear(benchmark::State& state) {
    const SchoolYear& year = schoolYear(CALQUIN_BENCH_DIR);
    double longestGapMs = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestGapMs = std::max(longestGapMs, static_cast<double>(sinceTick.restart()));
        });
        ticks.start(10);
        sinceTick.start();
        calquin::teacher::ClassResultsWindow window(year.folder, 3.0);
        window.show();
        while (window.isReading()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        ticks.stop();
    }
    state.counters["rows"] = static_cast<double>(year.rows);
    state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(classWindowOverASchoolYear)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
