// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/question_table.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <utility>

namespace calquin::results {
namespace {

constexpr unsigned kTagBits = 28;
constexpr std::uint64_t kTagMask = (std::uint64_t{1} << kTagBits) - 1;
// Answers looked up together: enough for the fetches to overlap, few enough to stay in cache.
constexpr std::size_t kTogether = 16;

// The high bits of the hash, kept in the slot: they place the question in the table (in order,
// so that the table can grow without reading a single question again) and tell most questions
// in the same place apart.
std::uint64_t tagOf(std::uint64_t hash) {
    return hash >> (64 - kTagBits);
}

std::size_t placeOf(std::uint64_t tag, std::size_t slots) {
    return static_cast<std::size_t>((tag * slots) >> kTagBits);
}

}  // namespace

const QuestionTable::Entry& QuestionTable::entryAt(std::uint64_t slot) const {
    const std::uint64_t where = (slot >> kTagBits) - 1;
    return *reinterpret_cast<const Entry*>(blocks_[where >> kBlockBits].get() +
                                           (where & ((std::uint64_t{1} << kBlockBits) - 1)));
}

QuestionTable::Entry& QuestionTable::entryAt(std::uint64_t slot) {
    return const_cast<Entry&>(std::as_const(*this).entryAt(slot));
}

std::uint64_t QuestionTable::hashOf(std::string_view question) {
    return std::hash<std::string_view>{}(question);
}

std::uint64_t QuestionTable::keep(std::string_view question) {
    const std::size_t eights = eightsFor(question.size());
    constexpr std::size_t kBlockEights = std::size_t{1} << kBlockBits;
    if (blocks_.empty() || blockUsed_.back() + eights > kBlockEights) {
        // A question longer than a block gets a block of its own, which takes nothing more.
        blocks_.push_back(
            std::make_unique_for_overwrite<std::uint64_t[]>(std::max(eights, kBlockEights)));
        blockUsed_.push_back(0);
    }
    const std::size_t used = blockUsed_.back();
    const std::uint64_t where = ((blocks_.size() - 1) << kBlockBits) + used;
    auto* entry = reinterpret_cast<Entry*>(blocks_.back().get() + used);
    entry->figures = {};
    entry->length = question.size();
    std::memcpy(entry + 1, question.data(), question.size());
    blockUsed_.back() += eights;
    return where + 1;
}

void QuestionTable::grow() {
    std::vector<std::uint64_t> slots(std::max<std::size_t>(1024, slots_.size() * 2), 0);
    const std::size_t mask = slots.size() - 1;
    for (const std::uint64_t slot : slots_) {
        if (slot == 0) {
            continue;
        }
        std::size_t at = placeOf(slot & kTagMask, slots.size());
        while (slots[at] != 0) {
            at = (at + 1) & mask;
        }
        slots[at] = slot;
    }
    slots_ = std::move(slots);
}

QuestionTable::Entry& QuestionTable::find(std::string_view question, std::uint64_t hash) {
    const std::uint64_t tag = tagOf(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = placeOf(tag, slots_.size());; at = (at + 1) & mask) {
        const std::uint64_t slot = slots_[at];
        if (slot == 0) {
            slots_[at] = (keep(question) << kTagBits) | tag;
            ++size_;
            return entryAt(slots_[at]);
        }
        if ((slot & kTagMask) == tag) {
            Entry& entry = entryAt(slot);
            if (std::string_view(entry.text(), entry.length) == question) {
                return entry;
            }
        }
    }
}

void QuestionTable::count(std::span<const Asked> answers) {
    std::array<std::uint64_t, kTogether> hashes{};
    while (!answers.empty()) {
        const std::size_t n = std::min(answers.size(), kTogether);
        // Kept at most seven tenths full, so that a search ends after a step or two.
        while ((size_ + n) * 10 > slots_.size() * 7) {
            grow();
        }
        for (std::size_t i = 0; i < n; ++i) {
            hashes[i] = answers[i].hash;
            __builtin_prefetch(&slots_[placeOf(tagOf(hashes[i]), slots_.size())]);
        }
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t slot = slots_[placeOf(tagOf(hashes[i]), slots_.size())];
            if (slot != 0 && (slot & kTagMask) == tagOf(hashes[i])) {
                __builtin_prefetch(&entryAt(slot));
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            QuestionFigures& figures = find(answers[i].question, hashes[i]).figures;
            ++figures.asked;
            figures.wrong += answers[i].wrong ? 1 : 0;
        }
        answers = answers.subspan(n);
    }
}

}  // namespace calquin::results
