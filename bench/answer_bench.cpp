// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times one answer in the real window: the Enter key in the answer box until the next question is
// on screen, in summary mode, where no message interrupts. Painting is left out: it happens later,
// when the event loop gets round to it, and is done outside the timed part here.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <vector>

#include "fakes.h"
#include "ui/form1.h"

namespace {

using namespace calquin;
using Clock = std::chrono::steady_clock;

// The window on a copy of the bundled catalogue, shown, with a test of one item started and
// summary mode chosen, as a pupil would leave it before answering.
class SummaryDrill {
public:
    SummaryDrill(int testType, int row) {
        const QString path = QDir(folder_.path()).filePath("index.txt");
        if (!QFile::copy(QStringLiteral(CALQUIN_BUNDLED_CATALOGUE), path)) {
            problem_ = "cannot copy the bundled catalogue";
            return;
        }
        if (auto error = form_.Form_Load(path.toStdString())) {
            problem_ = *error;
            return;
        }
        form_.show();
        if (!QTest::qWaitForWindowExposed(&form_)) {
            problem_ = "the window was not shown";
            return;
        }
        const ui::Form1Controls& c = form_.controls();
        QTest::mouseClick(c.optTTYpe[static_cast<std::size_t>(testType)], Qt::LeftButton);
        const QPoint at = c.List1->visualItemRect(c.List1->item(row)).center();
        QTest::mouseClick(c.List1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(c.Option2, Qt::LeftButton);
        QCoreApplication::processEvents();
        if (!c.frmTest->isVisible() || !form_.state().summaryOnly) {
            problem_ = "the test did not start in summary mode";
        }
    }

    const std::string& problem() const { return problem_; }
    const ui::Form1Controls& controls() const { return form_.controls(); }
    const TestState& state() const { return form_.state(); }
    std::int64_t answered() const { return state().correctCount + state().wrongCount; }
    int messages() const { return static_cast<int>(messenger_.shown.size()); }
    void tick() { ticks_.tick(); }

private:
    QTemporaryDir folder_;
    ui::testing::RecordingMessenger messenger_;
    ui::testing::RecordingWebOpener browser_;
    ui::testing::ManualTicks ticks_;
    ui::testing::SeededRandom random_;
    ui::Form1 form_{ui::Form1Seams{&messenger_, &browser_, &ticks_, &random_}};
    std::string problem_;
};

double percentile(std::vector<double> sorted, double fraction) {
    std::sort(sorted.begin(), sorted.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

// The per-iteration times are kept, since the target is on the 99th percentile and Google
// Benchmark itself reports only means.
void BM_AnswerInSummaryMode(benchmark::State& bench, int testType, int row, bool right) {
    SummaryDrill drill(testType, row);
    if (!drill.problem().empty()) {
        bench.SkipWithError(drill.problem().c_str());
        return;
    }
    QLineEdit* answerBox = drill.controls().Text1;
    std::vector<double> seconds;
    seconds.reserve(static_cast<std::size_t>(bench.max_iterations));

    for (auto _ : bench) {
        const std::int64_t answer = drill.state().answer;
        QTest::keyClicks(answerBox, QString::number(right ? answer : answer + 1));
        const std::int64_t answeredBefore = drill.answered();

        const Clock::time_point start = Clock::now();
        QTest::keyClick(answerBox, Qt::Key_Return);
        const Clock::time_point stop = Clock::now();

        if (drill.answered() != answeredBefore + 1 || !answerBox->text().isEmpty()) {
            bench.SkipWithError("the answer did not lead to the next question");
            return;
        }
        const double taken = std::chrono::duration<double>(stop - start).count();
        bench.SetIterationTime(taken);
        seconds.push_back(taken);
        // A second passes before the next answer, and the window is painted meanwhile.
        drill.tick();
        QCoreApplication::processEvents();
    }

    if (drill.messages() != 0) {
        bench.SkipWithError("summary mode showed a message");
        return;
    }
    double total = 0;
    for (const double s : seconds) {
        total += s;
    }
    bench.counters["mean_us"] = total / static_cast<double>(seconds.size()) * 1e6;
    bench.counters["p50_us"] = percentile(seconds, 0.50) * 1e6;
    bench.counters["p99_us"] = percentile(seconds, 0.99) * 1e6;
    bench.counters["max_us"] = percentile(seconds, 1.0) * 1e6;
}

// Enough answers that the 99th percentile rests on 30 of them.
constexpr int kAnswers = 3000;

void answers(benchmark::internal::Benchmark* b) {
    b->UseManualTime()->Iterations(kAnswers)->Unit(benchmark::kMicrosecond);
}

// Test types: 0 addition, 1 subtraction, 2 multiplication, 3 division; row 0 is the smallest
// item of the bundled catalogue and row 9 the largest.
BENCHMARK_CAPTURE(BM_AnswerInSummaryMode, addition_1x1_right, 0, 0, true)->Apply(answers);
BENCHMARK_CAPTURE(BM_AnswerInSummaryMode, addition_6x6_right, 0, 9, true)->Apply(answers);
BENCHMARK_CAPTURE(BM_AnswerInSummaryMode, subtraction_6x6_right, 1, 9, true)->Apply(answers);
BENCHMARK_CAPTURE(BM_AnswerInSummaryMode, multiplication_4x4_right, 2, 9, true)->Apply(answers);
BENCHMARK_CAPTURE(BM_AnswerInSummaryMode, division_1x1_right, 3, 0, true)->Apply(answers);
BENCHMARK_CAPTURE(BM_AnswerInSummaryMode, division_5x2_right, 3, 9, true)->Apply(answers);
BENCHMARK_CAPTURE(BM_AnswerInSummaryMode, division_5x2_wrong, 3, 9, false)->Apply(answers);

}  // namespace

int main(int argc, char** argv) {
    // The window's own work, with no display to wait on; read when QApplication starts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
