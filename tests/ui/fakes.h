// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <vector>

#include "engine/random_source.h"
#include "ui/form1.h"

namespace calquin::ui::testing {

struct ShownMessage {
    QString text;
    QString title;
};

// Records each message instead of blocking on a dialog. `whileOpen` runs as if during the
// modal wait, so a test can deliver ticks or try to reach the window meanwhile.
class RecordingMessenger final : public Messenger {
public:
    void showMessage(const QString& text, const QString& title) override {
        shown.push_back({text, title});
        if (whileOpen) {
            whileOpen();
        }
    }
    std::vector<ShownMessage> shown;
    std::function<void()> whileOpen;
};

class RecordingWebOpener final : public WebOpener {
public:
    void open(const QUrl& url) override { opened.push_back(url); }
    std::vector<QUrl> opened;
};

// A timer that ticks only when the test says so.
class ManualTicks final : public TickSource {
public:
    void setActive(bool active) override { active_ = active; }
    bool isActive() const override { return active_; }
    int intervalMs() const override { return 1000; }
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            if (active_ && onTick) {
                onTick();
            }
        }
    }

private:
    bool active_ = false;
};

// A fixed-seed SplitMix64 stream; reseeding changes nothing, so every run replays.
class SeededRandom final : public engine::RandomSource {
public:
    void reseed() override {}
    std::uint64_t next64() override {
        std::uint64_t z = state_ += 0x9E3779B97F4A7C15;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_ = 20261207;
};

// Keeps each judged answer in memory, as the window hands it over.
class RecordingRecorder final : public AnswerRecorder {
public:
    void record(const JudgedAnswer& answer) override { recorded.push_back(answer); }
    std::vector<JudgedAnswer> recorded;
};

// A monotonic clock that moves only when the test moves it.
class ManualClock final : public MonotonicClock {
public:
    std::chrono::nanoseconds now() const override { return at; }
    std::chrono::nanoseconds at{std::chrono::hours(5)};
};

// What the program sets up as it starts, before its window is made: readers meet the same
// widgets in the tests.
struct StartedAsTheProgram {
    StartedAsTheProgram();
};

// A window wired to the doubles above.
struct TestedForm {
    StartedAsTheProgram started;
    RecordingMessenger messenger;
    RecordingWebOpener webOpener;
    ManualTicks ticks;
    SeededRandom random;
    Form1 form{Form1Seams{&messenger, &webOpener, &ticks, &random}};

    // The control called `name`; for a member of a control array, the one with that index. It
    // makes nothing: the test screen's controls are there once a test has started, as a pupil
    // meets them.
    template <typename T = QWidget>
    T* control(const char* name, int index = -1) {
        T* found = calquin::ui::control<T>(&form, name, index);
        if (found == nullptr) {
            qFatal("no control %s(%d) yet: the test screen is made when the first test starts",
                   name, index);
        }
        return found;
    }

    // Starts a test on the first item, as a pupil does by choosing it, after loading a catalogue
    // of ten if none is loaded; the first test makes the test screen.
    void startTest();
};

// Writes a catalogue into a fresh temporary folder and returns the file's path.
QString writeCatalogue(const QByteArray& bytes);

// A catalogue of `count` records "Item 0", "Item 1", ... of 2-digit plus 1-digit.
QByteArray catalogueOf(int count);

}  // namespace calquin::ui::testing
