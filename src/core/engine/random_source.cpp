// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/random_source.h"

#include <chrono>

namespace calquin::engine {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15;

// The SplitMix64 finaliser: a bijection that spreads every input bit over the whole output, so
// neighbouring clock readings and counts give unrelated seeds.
constexpr std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
}

}  // namespace

RandomSource::~RandomSource() = default;

double unitInterval(RandomSource& source) {
    constexpr double kStep = 1.0 / 9007199254740992.0;  // 2^-53
    return static_cast<double>(source.next64() >> 11) * kStep;
}

std::uint64_t uniformBelow(RandomSource& source, std::uint64_t bound) {
    if (bound == 0) {
        return 0;
    }
    // Values below 2^64 mod bound would make the low remainders slightly more likely; throwing them
    // away leaves a whole number of full cycles. At most half of all values are thrown away.
    const std::uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        const std::uint64_t bits = source.next64();
        if (bits >= threshold) {
            return bits % bound;
        }
    }
}

ClockSeededRandom::ClockSeededRandom() {
    reseed();
}

void ClockSeededRandom::reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    ++reseeds_;
    state_ = mix(static_cast<std::uint64_t>(ticks) + mix(reseeds_ * kGoldenGamma));
}

std::uint64_t ClockSeededRandom::next64() {
    state_ += kGoldenGamma;
    return mix(state_);
}

}  // namespace calquin::engine
