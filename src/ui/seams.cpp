// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/seams.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>

namespace calquin::ui {

void MessageBoxMessenger::showMessage(const QString& text, const QString& title) {
    QMessageBox box(icon_, title, text, QMessageBox::Ok, owner_);
    box.setObjectName("message");
    // Readers say an alert's title and then its text label; the text given as its description
    // as well would be said twice.
    box.setAccessibleName(title);
    // The pupil must see the verdict before anything else happens, even if another window was
    // brought up in between.
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
}

void DesktopWebOpener::open(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

QtTickSource::QtTickSource(QObject* owner, int intervalMs) : timer_(new QTimer(owner)) {
    timer_->setObjectName("Timer1");
    timer_->setInterval(intervalMs);
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (onTick) {
            onTick();
        }
    });
}

void QtTickSource::setActive(bool active) {
    if (active) {
        timer_->start();
    } else {
        timer_->stop();
    }
}

bool QtTickSource::isActive() const {
    return timer_->isActive();
}

int QtTickSource::intervalMs() const {
    return timer_->interval();
}

}  // namespace calquin::ui
