// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QTimer;
class QWidget;

namespace calquin::ui {

// The parts of the outside world that a test must never wait on: a modal message, the desktop's
// web browser and the wall-clock timer. The window reaches them only through these, and tests
// hand it doubles that record what was asked.

class Messenger {
public:
    virtual ~Messenger() = default;
    // Shows a modal message with one OK button and no icon; returns once it is closed.
    virtual void showMessage(const QString& text, const QString& title) = 0;
};

class WebOpener {
public:
    virtual ~WebOpener() = default;
    // Asks the desktop to show the page; whether it could is not the program's concern.
    virtual void open(const QUrl& url) = 0;
};

class TickSource {
public:
    virtual ~TickSource() = default;
    virtual void setActive(bool active) = 0;
    virtual bool isActive() const = 0;
    virtual int intervalMs() const = 0;
    // Called once per interval while active.
    std::function<void()> onTick;
};

// How wide a message box must be for a window manager to show `title` whole in its title bar.
int widthForTitle(const QString& title);

class MessageBoxMessenger final : public Messenger {
public:
    explicit MessageBoxMessenger(QWidget* owner, QMessageBox::Icon icon = QMessageBox::NoIcon)
        : owner_(owner), icon_(icon) {}
    void showMessage(const QString& text, const QString& title) override;

private:
    QWidget* owner_;
    QMessageBox::Icon icon_;
};

class DesktopWebOpener final : public WebOpener {
public:
    void open(const QUrl& url) override;
};

// A one-second QTimer, created as the child "Timer1" of the window it ticks for.
class QtTickSource final : public TickSource {
public:
    QtTickSource(QObject* owner, int intervalMs);
    void setActive(bool active) override;
    bool isActive() const override;
    int intervalMs() const override;

private:
    QTimer* timer_;
};

}  // namespace calquin::ui
