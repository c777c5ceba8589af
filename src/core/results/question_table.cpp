// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/question_table.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace calquin::results {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;

std::uint64_t hashOf(std::string_view text) {
    return std::hash<std::string_view>{}(text);
}

}  // namespace

const char* QuestionTable::keep(std::string_view text) {
    if (text.size() > kBlock / 16) {
        blocks_.push_back(std::make_unique<char[]>(text.size()));
        std::memcpy(blocks_.back().get(), text.data(), text.size());
        return blocks_.back().get();
    }
    if (blockLeft_ < text.size()) {
        blocks_.push_back(std::make_unique<char[]>(kBlock));
        blockNext_ = blocks_.back().get();
        blockLeft_ = kBlock;
    }
    char* kept = blockNext_;
    std::memcpy(kept, text.data(), text.size());
    blockNext_ += text.size();
    blockLeft_ -= text.size();
    return kept;
}

void QuestionTable::grow() {
    std::vector<std::uint64_t> slots(std::max<std::size_t>(1024, slots_.size() * 2), 0);
    const std::size_t mask = slots.size() - 1;
    for (const std::uint64_t slot : slots_) {
        if (slot == 0) {
            continue;
        }
        const Entry& entry = entries_[(slot >> 32) - 1];
        std::size_t at = hashOf({entry.text, entry.length}) & mask;
        while (slots[at] != 0) {
            at = (at + 1) & mask;
        }
        slots[at] = slot;
    }
    slots_ = std::move(slots);
}

QuestionFigures& QuestionTable::at(std::string_view question) {
    // Kept at most seven tenths full, so that a search ends after a step or two.
    if ((entries_.size() + 1) * 10 > slots_.size() * 7) {
        grow();
    }
    const std::uint64_t hash = hashOf(question);
    const std::uint32_t tag = static_cast<std::uint32_t>(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const std::uint64_t slot = slots_[at];
        if (slot == 0) {
            entries_.push_back({keep(question), question.size(), {}});
            slots_[at] = (static_cast<std::uint64_t>(entries_.size()) << 32) | tag;
            return entries_.back().figures;
        }
        if (static_cast<std::uint32_t>(slot) == tag) {
            Entry& entry = entries_[(slot >> 32) - 1];
            if (std::string_view(entry.text, entry.length) == question) {
                return entry.figures;
            }
        }
    }
}

}  // namespace calquin::results
