// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace calquin::results {

struct QuestionFigures {
    std::int64_t asked = 0;
    std::int64_t wrong = 0;
};

// One answer to count for its question, with the question's hash (hashOf), taken by whoever
// hands the answer over.
struct Asked {
    std::string_view question;
    bool wrong = false;
    std::uint64_t hash = 0;
};

// How often each question was asked and answered wrong. A school's year holds millions of
// different questions, far more than any cache, so each is kept once, its figures and its text
// side by side in large blocks, and found through a flat table of small numbers; answers are
// counted many at a time, so that the memory fetches for them overlap instead of queueing.
class QuestionTable {
public:
    QuestionTable() = default;
    QuestionTable(QuestionTable&&) noexcept = default;
    QuestionTable& operator=(QuestionTable&&) noexcept = default;

    static std::uint64_t hashOf(std::string_view question);

    void count(std::span<const Asked> answers);
    std::size_t size() const { return size_; }

    // In the order the questions first came, walking the blocks from start to end rather than
    // jumping through the table, so that the memory is read as it lies.
    template <typename Visit>
    void forEach(Visit visit) const {
        for (std::size_t block = 0; block < blocks_.size(); ++block) {
            for (std::size_t at = 0; at < blockUsed_[block];) {
                const auto& entry = *reinterpret_cast<const Entry*>(blocks_[block].get() + at);
                visit(std::string_view(entry.text(), entry.length), entry.figures);
                at += eightsFor(entry.length);
            }
        }
    }

private:
    // In a block, followed by the question's `length` bytes.
    struct Entry {
        QuestionFigures figures;
        std::uint64_t length;
        const char* text() const { return reinterpret_cast<const char*>(this + 1); }
    };
    static constexpr unsigned kBlockBits = 20;
    static std::size_t eightsFor(std::size_t length) { return (sizeof(Entry) + length + 7) / 8; }

    const Entry& entryAt(std::uint64_t slot) const;
    Entry& entryAt(std::uint64_t slot);
    Entry& find(std::string_view question, std::uint64_t hash);
    std::uint64_t keep(std::string_view question);
    void grow();

    // Each slot: 0 for none, or where the entry is (its block and its place in the block, in
    // eights of bytes, plus one) above the high 28 bits of its hash.
    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
    std::vector<std::unique_ptr<std::uint64_t[]>> blocks_;
    std::vector<std::size_t> blockUsed_;  // of each block, in eights of bytes
};

// The questions in two tables, by one bit of their hash, so that two threads can count them.
class QuestionShards {
public:
    static constexpr std::size_t kShards = 2;
    static std::size_t shardOf(std::uint64_t hash) { return hash % kShards; }

    QuestionTable& shard(std::size_t shard) { return shards_[shard]; }
    std::size_t size() const { return shards_[0].size() + shards_[1].size(); }

    template <typename Visit>
    void forEach(Visit visit) const {
        for (const QuestionTable& shard : shards_) {
            shard.forEach(visit);
        }
    }

private:
    std::array<QuestionTable, kShards> shards_;
};

}  // namespace calquin::results
