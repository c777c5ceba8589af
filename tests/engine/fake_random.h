// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "engine/random_source.h"

namespace calquin::engine::testing {

// A fixed-seed stream. Reseeding only counts, so every run replays the same draws.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    void reseed() override { ++reseeds; }
    std::uint64_t next64() override { return engine_(); }

    int reseeds = 0;

private:
    std::mt19937_64 engine_;
};

// Hands out the given draws in order, so a test decides every operand.
class ScriptedRandom final : public RandomSource {
public:
    static constexpr std::uint64_t kJustBelowOne = ~std::uint64_t{0};

    explicit ScriptedRandom(std::vector<std::uint64_t> draws) : draws_(std::move(draws)) {}
    void reseed() override {}
    std::uint64_t next64() override {
        EXPECT_LT(used, draws_.size()) << "more draws than scripted";
        return used < draws_.size() ? draws_[used++] : 0;
    }

    std::size_t used = 0;

private:
    std::vector<std::uint64_t> draws_;
};

}  // namespace calquin::engine::testing
