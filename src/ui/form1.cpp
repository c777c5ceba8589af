// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form1.h"

#include <QAccessible>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "catalogue/item_list.h"
#include "engine/item_choice.h"
#include "engine/scoring.h"
#include "text/captions.h"
#include "text/fault_text.h"
#include "text/school_writing.h"
#include "text/translation.h"
#include "ui/accessibility.h"
#include "ui/publisher.h"

namespace calquin::ui {
namespace {

constexpr int kEnter = 13;

bool isEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

Form1::Form1(Form1Seams seams, QWidget* parent)
    : QWidget(parent),
      ownRandom_(seams.random ? nullptr : std::make_unique<engine::ClockSeededRandom>()),
      generator_(seams.random ? *seams.random : *ownRandom_),
      c_(buildForm1(this)) {
    if (!seams.messenger) {
        ownMessenger_ = std::make_unique<MessageBoxMessenger>(this);
    }
    if (!seams.webOpener) {
        ownWebOpener_ = std::make_unique<DesktopWebOpener>();
    }
    if (!seams.ticks) {
        ownTicks_ = std::make_unique<QtTickSource>(this, kTimerIntervalMs);
    }
    messenger_ = seams.messenger ? seams.messenger : ownMessenger_.get();
    webOpener_ = seams.webOpener ? seams.webOpener : ownWebOpener_.get();
    ticks_ = seams.ticks ? seams.ticks : ownTicks_.get();
    static const SteadyClock steadyClock;
    recorder_ = seams.recorder;
    clock_ = seams.clock ? seams.clock : &steadyClock;

    // Sizable, but with nothing to gain from maximizing a fixed layout.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(kClientWidth, kClientHeight);
    move(0, 0);  // the outer frame, not the client area, starts at the screen's corner

    connectHandlers();
}

Form1::~Form1() {
    ticks_->onTick = nullptr;
}

void Form1::connectHandlers() {
    for (int i = 0; i < static_cast<int>(c_.optTTYpe.size()); ++i) {
        connect(c_.optTTYpe[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { optTTYpe_Click(i); });
    }
    // Choosing a row, by mouse or keyboard, starts a test at once. Only a change of selection
    // counts: the list also moves its cursor when it merely takes the focus. A press on the row
    // that is already chosen changes no selection, so it is caught separately.
    connect(c_.List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!refilling_ && selectedRow() >= 0) {
            List1_Click();
        }
    });
    connect(c_.List1, &QListWidget::pressed, this, [this](const QModelIndex& index) {
        if (index.row() == rowAtPress_) {
            List1_Click();
        }
    });
    c_.List1->viewport()->installEventFilter(this);
    c_.List1->installEventFilter(this);
    connect(c_.Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    ticks_->onTick = [this] { Timer1_Timer(); };
}

void Form1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // A screen reader learns of controls as they are made, and one made in the moment it takes
    // the focus is announced as a blank. Where a reader listens, the test screen is made as soon
    // as the first screen is on show, long before a pupil can choose an item.
    if (!painted_) {
        painted_ = true;
        if (QAccessible::isActive()) {
            QTimer::singleShot(0, this, &Form1::ensureTestScreen);
        }
    }
}

void Form1::ensureTestScreen() {
    if (c_.frmTest != nullptr) {
        return;
    }
    buildTestScreen(this, c_);
    c_.Text1->installEventFilter(this);
    c_.Option1->installEventFilter(this);
    c_.Option2->installEventFilter(this);
    connect(c_.Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(c_.Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(c_.cmdBack, &QPushButton::clicked, this, &Form1::cmdBack_Click);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.Text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A held Enter repeats; only a fresh press answers, so the press that closed a message
        // never counts as the next answer.
        if (isEnterKey(key) && !key->isAutoRepeat()) {
            Text1_KeyPress(kEnter);
        }
        return false;
    }
    const bool feedbackOption = watched == c_.Option1 || watched == c_.Option2;
    if (feedbackOption && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        // An arrow key chooses the other option, whose handler hands the focus to the answer
        // box; left to itself the option would take the focus back after its click.
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
            key == Qt::Key_Right) {
            (watched == c_.Option1 ? c_.Option2 : c_.Option1)->click();
            return true;
        }
    }
    if (watched == c_.List1->viewport() && event->type() == QEvent::MouseButtonPress) {
        rowAtPress_ = selectedRow();
        return false;
    }
    if (watched == c_.List1 && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        // With nothing chosen yet, the first arrow key chooses the row under the cursor instead
        // of skipping past it.
        const bool arrow = key == Qt::Key_Down || key == Qt::Key_Up;
        if (arrow && selectedRow() < 0 && c_.List1->count() > 0) {
            c_.List1->setCurrentRow(std::max(c_.List1->currentRow(), 0),
                                    QItemSelectionModel::ClearAndSelect);
            return true;
        }
        // Lets a keyboard user start the row that is already chosen, e.g. after coming back.
        const bool confirm = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
        if (confirm && selectedRow() >= 0) {
            List1_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<std::string> Form1::Form_Load(const std::string& catalogue) {
    auto loaded = catalogue::loadCatalogueFile(catalogue);
    if (const auto* fault = std::get_if<catalogue::CatalogueFault>(&loaded)) {
        return text::faultText(*fault).toStdString();
    }
    const auto& records = std::get<std::vector<catalogue::Record>>(loaded);
    catalogue::storeRecords(state_, records);
    fillList(catalogue::rowsAtLoad(state_, records.size()));
    return std::nullopt;
}

void Form1::fillList(auto rows) {
    refilling_ = true;
    c_.List1->clear();
    for (const std::string_view row : rows) {
        c_.List1->addItem(QString::fromUtf8(row));
    }
    refilling_ = false;
}

int Form1::selectedRow() const {
    const auto selected = c_.List1->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void Form1::optTTYpe_Click(int index) {
    fillList(catalogue::chooseTestType(state_, index));
}

void Form1::List1_Click() {
    const int record = catalogue::recordForRow(state_, selectedRow());
    if (auto refusal = engine::chooseItem(state_, record)) {
        messenger_->showMessage(text::translated(*refusal), windowTitleText());
        return;
    }
    ensureTestScreen();
    chosenRecord_ = record;
    c_.Frame1->setEnabled(true);
    c_.Frame2->setEnabled(true);
    c_.Frame3->setEnabled(true);
    c_.frmTest->setVisible(true);
    c_.Frame4->setVisible(false);
    ticks_->setActive(true);
    NewQuestion();
    c_.Text1->setFocus();
    c_.Frame4->setEnabled(false);
    c_.cmdBack->setEnabled(true);
}

void Form1::Text1_KeyPress(int keyAscii) {
    if (keyAscii != kEnter) {
        return;
    }
    // The pupil's text is recorded as typed; only the judging reads the school's digits as ASCII.
    const std::string typed = c_.Text1->text().toStdString();
    const auto verdict =
        engine::judgeAnswer(state_, text::answerInAsciiDigits(c_.Text1->text()).toStdString());
    setCaption(verdict.correct ? c_.Label7 : c_.Label8,
               text::translated(text::inSchoolDigits(verdict.counterCaption)));
    recordAnswer(typed, verdict.correct);
    if (verdict.message) {
        messenger_->showMessage(text::translated(text::inSchoolDigits(*verdict.message)),
                                text::translated(kMessageTitle));
    }
    // Read the time only now: seconds kept counting while the message was open.
    setCaption(c_.Label9, text::translatedWithDecimals(engine::averageTimeCaption(state_)));
    NewQuestion();
    c_.Text1->clear();
    c_.Text1->setFocus();
    // After a message the focus comes back to the answer box, which then says its description;
    // without one the focus stays, and the new question must be announced.
    if (!verdict.message) {
        announceQuestion(c_.Text1, c_.Text1->accessibleDescription());
    }
}

void Form1::Timer1_Timer() {
    engine::tick(state_);
}

void Form1::Option1_Click() {
    state_.summaryOnly = false;
    c_.Text1->setFocus();
}

void Form1::Option2_Click() {
    state_.summaryOnly = true;
    c_.Text1->setFocus();
}

void Form1::cmdBack_Click() {
    c_.frmTest->setVisible(false);
    c_.Frame4->setVisible(true);
    c_.Frame1->setEnabled(false);
    c_.Frame2->setEnabled(false);
    c_.Frame3->setEnabled(false);
    c_.Frame4->setEnabled(true);
    c_.Text1->clear();
    setCaption(c_.lblQst, QString());
    ticks_->setActive(false);
    engine::resetCounters(state_);
    setCaption(c_.Label7, QString());
    setCaption(c_.Label8, QString());
    setCaption(c_.Label9, QString());
    describeAnswerBox(c_.Text1, answerBoxHint());
    // The focus was on a control that is hidden now; the item list is where a keyboard user
    // carries on.
    c_.List1->setFocus();
}

void Form1::Command6_Click() {
    webOpener_->open(QUrl(QString::fromUtf8(kPublisherUrl)));
}

void Form1::NewQuestion() {
    const engine::Question question = generator_.NewQuestion(state_);
    setCaption(c_.lblQst, text::questionCaption(question));
    // The record keeps the question in the catalogue's signs and plain digits, first number
    // first, so that it reads back the same whatever language the window spoke.
    questionText_ = question.caption();
    describeAnswerBox(c_.Text1, text::spokenQuestion(question));
    questionShownAt_ = clock_->now();
}

void Form1::recordAnswer(const std::string& typed, bool correct) {
    // Before any message shows: a window closed or killed from there keeps this answer.
    if (recorder_) {
        recorder_->record({std::string(state_.itemText.at(chosenRecord_)), questionText_, typed,
                           correct, clock_->now() - questionShownAt_});
    }
}

}  // namespace calquin::ui
