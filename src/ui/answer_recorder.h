// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "results/results_file.h"

namespace calquin::ui {

// One judged answer as the window knows it.
struct JudgedAnswer {
    std::string item;      // the item's text as listed
    std::string question;  // in the catalogue's sign and plain digits, e.g. "7 * 8"
    std::string typed;     // the answer box's text, as typed
    bool correct = false;
    std::chrono::nanoseconds took{};  // from the question showing to Enter
};

// Where judged answers go when a teacher has turned the record on. The window has none
// otherwise and then records nothing.
class AnswerRecorder {
public:
    virtual ~AnswerRecorder() = default;
    // Keeps the answer before returning; never fails the drill, whatever the disk does.
    virtual void record(const JudgedAnswer& answer) = 0;
};

// The time since some fixed moment, which only ever goes forward: a clock put right during a
// test must not make an answer take minus an hour.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::nanoseconds now() const = 0;
};

class SteadyClock final : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override {
        return std::chrono::steady_clock::now().time_since_epoch();
    }
};

// Appends each answer as a row of the pupil's own file in the teacher's folder. The window
// waits for a row only while it is written into a file nobody else holds, at most a quarter of
// a second; a row behind a lock or a slow share is written later, and one the program must
// leave unwritten at its end is named on `errors`. When a row cannot be written the drill goes
// on as if nothing were recorded: a pupil cannot mend a share or a full disk, so the window
// shows nothing, and one line on `errors` tells whoever started the program. Later answers are
// tried again, in case the folder comes back. The login and host names are looked up at the
// first answer, not at start-up, where a school's directory service could keep the window
// waiting.
class FolderRecorder final : public AnswerRecorder {
public:
    // Whose answers, on which computer; empty for the account and computer running the program.
    struct Account {
        std::string pupil;
        std::string computer;
    };
    explicit FolderRecorder(std::filesystem::path folder, std::FILE* errors = stderr,
                            Account account = {})
        : folder_(std::move(folder)),
          pupil_(std::move(account.pupil)),
          computer_(std::move(account.computer)),
          errors_(errors) {}
    // Waits for the rows still waiting, a few seconds at most.
    ~FolderRecorder() override;
    FolderRecorder(const FolderRecorder&) = delete;
    FolderRecorder& operator=(const FolderRecorder&) = delete;
    void record(const JudgedAnswer& answer) override;

private:
    void notice(const results::ResultsFile::Notice& notice);

    std::filesystem::path folder_;
    std::string pupil_;
    std::string computer_;
    std::FILE* errors_;
    bool complained_ = false;
    std::optional<results::ResultsFile> file_;
};

}  // namespace calquin::ui
