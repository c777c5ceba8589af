#include "engine/scoring.h"

#include <cstdint>
#include <limits>

#include "engine/number_reading.h"
#include "engine/number_writing.h"

namespace calquin::engine {
namespace {

// No real test comes near the limit; a count that does can only come from a damaged state, and
// holding it there is better than wrapping around to a negative count.
void countOne(std::int64_t& counter) {
    if (counter < std::numeric_limits<std::int64_t>::max()) {
        ++counter;
    }
}

}  // namespace

Verdict judgeAnswer(TestState& state, std::string_view typed) {
    Verdict verdict;
    verdict.correct = readLeadingNumber(typed) == static_cast<double>(state.answer);
    if (verdict.correct) {
        countOne(state.correctCount);
        verdict.counterCaption = "Correct Ans = " + plainDecimal(state.correctCount);
    } else {
        countOne(state.wrongCount);
        verdict.counterCaption = "Wrong Ans = " + plainDecimal(state.wrongCount);
    }
    if (!state.summaryOnly) {
        verdict.message = verdict.correct ? std::string("Correct!")
                                          : "Wrong! Answer is " + plainDecimal(state.answer);
    }
    return verdict;
}

std::string averageTimeCaption(const TestState& state) {
    // Added as doubles so that not even absurd counts can overflow.
    const double answered =
        static_cast<double>(state.correctCount) + static_cast<double>(state.wrongCount);
    const double ratio = answered > 0 ? static_cast<double>(state.elapsedSec) / answered : 0.0;
    return "T/Q " + formatRatio(ratio) + " S";
}

void tick(TestState& state) {
    countOne(state.elapsedSec);
}

void resetCounters(TestState& state) {
    state.elapsedSec = 0;
    state.correctCount = 0;
    state.wrongCount = 0;
}

}  // namespace calquin::engine
