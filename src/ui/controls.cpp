// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace calquin::ui {

Shape::Shape(QColor fill, QColor border, QWidget* parent)
    : QWidget(parent), fill_(fill), border_(border) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    painter.setPen(border_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(0, lineY, width() - 1, height() - lineY - 1));
    if (title().isEmpty()) {
        return;
    }
    // Set in from the corner the text starts at: the right one in a right-to-left window.
    const QRect caption =
        QStyle::visualRect(layoutDirection(), rect(),
                           QRect(7, 0, metrics.horizontalAdvance(title()) + 4, metrics.height()));
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    // Pressed, the border darkens and the picture sinks by a pixel, as a button face does.
    const bool down = isDown();
    painter.setPen(palette().color(down ? QPalette::Shadow : QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QRect picture(QPoint(), iconSize());
    picture.moveCenter(rect().center());
    icon().paint(&painter, picture.translated(down ? 1 : 0, down ? 1 : 0));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void OwnDirectionItems::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->direction = option->text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    option->displayAlignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;
}

}  // namespace calquin::ui
