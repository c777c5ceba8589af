// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "results/question_table.h"

namespace calquin::results {

// Answers gathered for the question table, handed over many at a time.
struct AnswerBatch {
    static constexpr std::size_t kAnswers = 4096;
    static constexpr std::size_t kBytes = 256 * 1024;

    AnswerBatch();
    // False when the batch is full and must be handed over first.
    bool add(std::string_view question, bool wrong, std::uint64_t hash);
    void clear();

    std::string text;  // reserved once, so that the views below stay valid
    std::vector<Asked> answers;
};

// Counts batches into a question table: at once, or on a thread of its own while the rows of
// the next files are read, which is where a large report spends half its time.
class QuestionCounter {
public:
    QuestionCounter(QuestionTable& table, bool ownThread);
    ~QuestionCounter();
    QuestionCounter(const QuestionCounter&) = delete;
    QuestionCounter& operator=(const QuestionCounter&) = delete;

    // Takes the batch's answers and leaves it empty; from any thread.
    void take(AnswerBatch& batch);
    // Every answer taken is counted once this returns.
    void finish();

private:
    // Batches at most, so that memory stays bounded however fast the rows come.
    static constexpr std::size_t kWaiting = 4;
    void count();

    QuestionTable& table_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<AnswerBatch> waiting_;
    std::vector<AnswerBatch> spare_;
    bool finished_ = false;
    std::thread thread_;
};

}  // namespace calquin::results
