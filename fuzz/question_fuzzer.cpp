// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A catalogue record's digit counts and operator are whatever the teacher typed. Choosing the item
// must either refuse it with a reason or start it, and every question drawn for a started item must
// be one the pupil can answer: operands of the stated lengths, an exact answer that fits the answer
// variable, no negative difference, no remainder. Nothing may loop without end or overflow.
//
// The random draws come from the fuzzer's bytes first, so it can push them to their extremes (a
// draw just below 1, endless rejections), then from a fixed-seed stream so every loop still ends.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/digit_counts.h"
#include "engine/item_choice.h"
#include "engine/question_generator.h"
#include "engine/random_source.h"
#include "fuzz_checks.h"
#include "state/test_state.h"

namespace {

using calquin::TestState;
using calquin::fuzz::require;
using namespace calquin::engine;

class BytesThenSeeded final : public RandomSource {
public:
    explicit BytesThenSeeded(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    void reseed() override {}
    std::uint64_t next64() override {
        if (used_ + sizeof(std::uint64_t) > bytes_.size()) {
            return engine_();
        }
        std::uint64_t draw = 0;
        std::memcpy(&draw, bytes_.data() + used_, sizeof draw);
        used_ += sizeof draw;
        return draw;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t used_ = 0;
    std::mt19937_64 engine_{20240607};
};

std::int64_t parseOperand(std::string_view text) {
    require(!text.empty() && text.size() <= 10 &&
                text.find_first_not_of("0123456789") == std::string_view::npos,
            "an operand is written as plain digits: " + std::string(text));
    return std::stoll(std::string(text));
}

bool hasDigits(std::int64_t operand, int digits) {
    return operand >= powerOfTen(digits - 1) && operand < powerOfTen(digits);
}

void checkQuestion(const TestState& state, const std::string& caption) {
    const std::string context = "\"" + caption + "\" for " + std::to_string(state.digits1) + ", " +
                                std::to_string(state.digits2) + ", " + state.opSign;
    const std::size_t firstBlank = caption.find(' ');
    const std::size_t lastBlank = caption.rfind(' ');
    require(firstBlank != std::string::npos && lastBlank > firstBlank + 1,
            context + ": the caption is operand, sign, operand");
    require(caption.substr(firstBlank + 1, lastBlank - firstBlank - 1) == state.opSign,
            context + ": the caption shows the item's sign");
    const std::int64_t a = parseOperand(std::string_view(caption).substr(0, firstBlank));
    const std::int64_t b = parseOperand(std::string_view(caption).substr(lastBlank + 1));
    require(hasDigits(a, state.digits1) && hasDigits(b, state.digits2),
            context + ": operands have the item's digit counts");

    std::int64_t answer = 0;
    if (state.opSign == "+") {
        answer = a + b;
    } else if (state.opSign == "-") {
        require(a >= b, context + ": no negative difference");
        answer = a - b;
    } else if (state.opSign == "*") {
        answer = a * b;
    } else {
        require(b >= 2 && a % b == 0 && a / b >= 2,
                context + ": an exact division with divisor and quotient at least 2");
        answer = a / b;
    }
    require(answer <= std::numeric_limits<std::int32_t>::max(), context + ": the answer fits");
    require(state.answer == answer, context + ": the stored answer is the right one");
}

// Draws a few questions for whatever the state holds. A state that startRefusal turns down must
// draw nothing: zero operands in the caption and the previous answer kept.
void drawQuestions(TestState& state, RandomSource& source) {
    QuestionGenerator generator(source);
    const bool refused = startRefusal(state.digits1, state.digits2, state.opSign).has_value();
    for (int i = 0; i < 3; ++i) {
        const std::int32_t answerBefore = state.answer;
        const std::string caption = generator.NewQuestion(state).caption();
        if (refused) {
            require(caption == "0 " + state.opSign + " 0" && state.answer == answerBefore,
                    "a refused item draws nothing: \"" + caption + "\"");
        } else {
            checkQuestion(state, caption);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int record = in.ConsumeIntegralInRange<int>(-1, calquin::ItemTable::kSize);
    const auto rawDigits1 = in.ConsumeIntegral<std::int16_t>();
    const auto rawDigits2 = in.ConsumeIntegral<std::int16_t>();
    const std::string digits1 = in.ConsumeRandomLengthString(40);
    const std::string digits2 = in.ConsumeRandomLengthString(40);
    const std::string opSign = in.ConsumeRandomLengthString(8);
    BytesThenSeeded source(in.ConsumeRemainingBytes<std::uint8_t>());

    // Through the catalogue, as the window does it.
    TestState state;
    state.itemText.set(record, "Item");
    state.itemDigits1.set(record, digits1);
    state.itemDigits2.set(record, digits2);
    state.itemOp.set(record, opSign);
    state.answer = 12345;
    if (const auto refusal = calquin::engine::chooseItem(state, record)) {
        require(!refusal->empty(), "a refusal gives a reason");
        require(state.digits1 == 0 && state.digits2 == 0 && state.opSign.empty(),
                "a refused item leaves the state as it was");
    } else {
        require(!startRefusal(state.digits1, state.digits2, state.opSign),
                "a chosen item is one that can be started");
        require(state.opSign == opSign, "the chosen item's sign is stored as written");
        drawQuestions(state, source);
    }

    // Straight into the state, as no window would, with any counts a 16-bit variable holds.
    TestState raw;
    raw.digits1 = rawDigits1;
    raw.digits2 = rawDigits2;
    raw.opSign = opSign;
    drawQuestions(raw, source);
    return 0;
}
