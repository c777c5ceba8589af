// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/seams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QTimer>

namespace calquin::ui {

int widthForTitle(const QString& title) {
    // The window manager draws the title in a face of its own, commonly the desktop's in bold, with
    // the box's icon before it and its buttons after; a box narrower than all of that shows its
    // title cut short, or not at all. A bold face a fifth larger than the application's errs on
    // the wide side.
    QFont face = QApplication::font();
    face.setBold(true);
    // The window's face is set in pixels, and a face set in pixels has no point size (-1): scaling
    // that left the face as it was and the estimate a fifth short.
    if (face.pixelSize() > 0) {
        face.setPixelSize(qRound(face.pixelSize() * 1.2));
    } else {
        face.setPointSizeF(face.pointSizeF() * 1.2);
    }
    constexpr int kIconAndButtons = 120;
    return QFontMetrics(face).horizontalAdvance(title) + kIconAndButtons;
}

void MessageBoxMessenger::showMessage(const QString& text, const QString& title) {
    QMessageBox box(icon_, title, text, QMessageBox::Ok, owner_);
    box.setObjectName("message");
    // A short verdict makes a narrow box. QMessageBox sizes itself to its contents alone, so the
    // room the title needs goes in as an empty row of that width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(
            new QSpacerItem(widthForTitle(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
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
