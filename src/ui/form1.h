// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "catalogue/catalogue_file.h"
#include "engine/question_generator.h"
#include "engine/random_source.h"
#include "state/test_state.h"
#include "ui/answer_recorder.h"
#include "ui/form1_design.h"
#include "ui/seams.h"

namespace calquin::ui {

// What the window needs from outside. Anything left empty gets the real thing: message boxes,
// the desktop's browser, a one-second timer and a clock-seeded random source.
struct Form1Seams {
    Messenger* messenger = nullptr;
    WebOpener* webOpener = nullptr;
    TickSource* ticks = nullptr;
    engine::RandomSource* random = nullptr;
    // Only when the teacher turned the record on; otherwise answers are kept nowhere.
    AnswerRecorder* recorder = nullptr;
    const MonotonicClock* clock = nullptr;
};

// The drill's one window. Its handlers turn the pupil's clicks and keys into calls on the core
// and write the results back into captions; all the reasoning lives in the core.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Form1Seams seams = {}, QWidget* parent = nullptr);
    ~Form1() override;

    // Reads the catalogue and fills the item list. On failure the window stays untouched and
    // the text for the teacher is returned.
    std::optional<std::string> Form_Load(
        const std::string& catalogue = std::string(catalogue::kCatalogueFileName));

    // The test screen is made when the first test starts; this makes it now, for anything that
    // needs all of the window's controls before that.
    void ensureTestScreen();

    const TestState& state() const { return state_; }
    const Form1Controls& controls() const { return c_; }
    TickSource& ticks() { return *ticks_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void optTTYpe_Click(int index);
    void List1_Click();
    void Text1_KeyPress(int keyAscii);
    void Timer1_Timer();
    void Option1_Click();
    void Option2_Click();
    void cmdBack_Click();
    void Command6_Click();
    void NewQuestion();
    void recordAnswer(const std::string& typed, bool correct);

    void connectHandlers();
    // The chosen row of the item list, or -1.
    int selectedRow() const;
    void fillList(auto rows);

    std::unique_ptr<Messenger> ownMessenger_;
    std::unique_ptr<WebOpener> ownWebOpener_;
    std::unique_ptr<TickSource> ownTicks_;
    std::unique_ptr<engine::RandomSource> ownRandom_;
    Messenger* messenger_;
    WebOpener* webOpener_;
    TickSource* ticks_;
    AnswerRecorder* recorder_;
    const MonotonicClock* clock_;
    std::chrono::nanoseconds questionShownAt_{};
    std::string questionText_;
    int chosenRecord_ = -1;

    TestState state_;
    engine::QuestionGenerator generator_;
    Form1Controls c_;
    int rowAtPress_ = -1;
    bool refilling_ = false;
    bool painted_ = false;
};

}  // namespace calquin::ui
