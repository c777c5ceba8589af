// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

namespace calquin::results {

struct QuestionFigures {
    std::int64_t asked = 0;
    std::int64_t wrong = 0;
};

// How often each question was asked and answered wrong. A school's year holds millions of
// different questions, so each text is kept once, in large blocks, and found through a flat
// table of small numbers rather than a tree of strings.
class QuestionTable {
public:
    QuestionFigures& at(std::string_view question);
    std::size_t size() const { return entries_.size(); }

    template <typename Visit>
    void forEach(Visit visit) const {
        for (const Entry& entry : entries_) {
            visit(std::string_view(entry.text, entry.length), entry.figures);
        }
    }

private:
    struct Entry {
        const char* text;
        std::size_t length;
        QuestionFigures figures;
    };
    const char* keep(std::string_view text);
    void grow();

    // Each slot: 0 for none, or the entry's number + 1 above the low 32 bits of its hash.
    std::vector<std::uint64_t> slots_;
    std::deque<Entry> entries_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t blockLeft_ = 0;
    char* blockNext_ = nullptr;
};

}  // namespace calquin::results
