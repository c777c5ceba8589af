// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the window offscreen into a PNG for the README: the selection screen, or with --test a
// drill in progress. Nothing is shown on a display and no message box waits for a click.
//
//   screenshot --catalogue data/index.txt --out docs/window.png [--test]

#include <QApplication>
#include <QCommandLineParser>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <cstdio>

#include "ui/form1.h"

namespace {

class SilentMessenger final : public calquin::ui::Messenger {
public:
    void showMessage(const QString&, const QString&) override {}
};

class StillTicks final : public calquin::ui::TickSource {
public:
    void setActive(bool active) override { active_ = active; }
    bool isActive() const override { return active_; }
    int intervalMs() const override { return 1000; }
    void tick() {
        if (onTick) {
            onTick();
        }
    }

private:
    bool active_ = false;
};

void press(QWidget* target, Qt::Key key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
}

void answer(calquin::ui::Form1& form, QLineEdit* box, bool rightly) {
    const auto expected = form.state().answer;
    box->setText(QString::number(rightly ? expected : expected + 1));
    press(box, Qt::Key_Return, "\r");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"catalogue", "Catalogue to list.", "file", "index.txt"});
    parser.addOption({"out", "PNG file to write.", "file", "window.png"});
    parser.addOption({"test", "Show a drill in progress instead of the selection screen."});
    parser.process(app);

    SilentMessenger messenger;
    StillTicks ticks;
    calquin::ui::Form1 form({&messenger, nullptr, &ticks, nullptr});
    if (const auto error = form.Form_Load(parser.value("catalogue").toStdString())) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 1;
    }
    form.show();
    if (parser.isSet("test")) {
        const auto& c = form.controls();
        c.optTTYpe[1]->click();
        c.List1->setCurrentRow(3);
        auto* box = c.Text1;
        for (int i = 0; i < 23; ++i) {
            ticks.tick();
        }
        for (const bool rightly : {true, true, false, true, true, true}) {
            answer(form, box, rightly);
        }
        box->setText("4");
    }
    QApplication::processEvents();
    if (!form.grab().save(parser.value("out"))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(parser.value("out")));
        return 1;
    }
    return 0;
}
