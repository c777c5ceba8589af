// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/question_counter.h"

#include <system_error>
#include <utility>

namespace calquin::results {

AnswerBatch::AnswerBatch() {
    text.reserve(kBytes);
    answers.reserve(kAnswers);
}

bool AnswerBatch::add(std::string_view question, bool wrong, std::uint64_t hash) {
    if (!answers.empty() &&
        (answers.size() == kAnswers || text.size() + question.size() > text.capacity())) {
        return false;
    }
    // Only a question longer than a whole batch grows the text, and then it holds no view yet.
    const std::size_t at = text.size();
    text += question;
    answers.push_back({std::string_view(text).substr(at), wrong, hash});
    return true;
}

void AnswerBatch::clear() {
    text.clear();
    answers.clear();
}

QuestionCounter::QuestionCounter(QuestionTable& table, bool ownThread) : table_(table) {
    if (ownThread) {
        try {
            thread_ = std::thread([this] { count(); });
        } catch (const std::system_error&) {
            // No thread to be had: the answers are counted as they come.
        }
    }
}

QuestionCounter::~QuestionCounter() {
    finish();
}

void QuestionCounter::take(AnswerBatch& batch) {
    if (batch.answers.empty()) {
        return;
    }
    std::unique_lock lock(mutex_);
    if (!thread_.joinable()) {
        table_.count(batch.answers);
        batch.clear();
        return;
    }
    changed_.wait(lock, [this] { return waiting_.size() < kWaiting; });
    waiting_.push_back(std::move(batch));
    if (spare_.empty()) {
        batch = AnswerBatch();
    } else {
        batch = std::move(spare_.back());
        spare_.pop_back();
    }
    changed_.notify_all();
}

void QuestionCounter::count() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !waiting_.empty() || finished_; });
        if (waiting_.empty()) {
            return;
        }
        AnswerBatch batch = std::move(waiting_.front());
        waiting_.pop_front();
        lock.unlock();
        table_.count(batch.answers);
        batch.clear();
        lock.lock();
        spare_.push_back(std::move(batch));
        changed_.notify_all();
    }
}

void QuestionCounter::finish() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
}

}  // namespace calquin::results
