// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace calquin::engine {

// Where the question generator gets its randomness. The window uses ClockSeededRandom; tests use a
// deterministic source so that every draw can be predicted or replayed.
class RandomSource {
public:
    virtual ~RandomSource();

    // Called before every question, so that no two runs of the drill show the same sequence.
    virtual void reseed() = 0;

    // 64 uniformly random bits.
    virtual std::uint64_t next64() = 0;
};

// A uniform double r with 0 <= r < 1, taken from the top 53 bits of one draw so that every value is
// an exact multiple of 2^-53 and 1 itself can never come out.
double unitInterval(RandomSource& source);

// A uniform integer below `bound`, without the bias of a plain remainder. A bound of 0 gives 0.
std::uint64_t uniformBelow(RandomSource& source, std::uint64_t bound);

// Reseeds from a high-resolution clock reading mixed with a count of reseeds, so that two questions
// drawn within the same clock tick still start from different seeds.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();

    void reseed() override;
    std::uint64_t next64() override;

private:
    std::uint64_t state_ = 0;
    std::uint64_t reseeds_ = 0;
};

}  // namespace calquin::engine
