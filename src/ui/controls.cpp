// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include <QGlyphRun>
#include <QLabel>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextLayout>
#include <cmath>

#include "text/school_writing.h"

namespace calquin::ui {

Ink inkOf(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QRectF box;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF glyph = run.rawFont().boundingRect(glyphs[i]);
            if (!glyph.isEmpty()) {
                box |= glyph.translated(positions[i]);
            }
        }
    }
    return {box.top(), box.bottom(), line.isValid() ? line.height() : 0};
}

void growToInk(QLabel* label) {
    // The design's English fits its labels as drawn; only a translation brings letters that reach
    // further, and only there is the text measured, each time a counter changes.
    if (label->text().isEmpty() || !text::translationInEffect()) {
        return;
    }
    const Ink ink = inkOf(label->font(), label->text());
    // Half a pixel of antialiasing past an edge reads as whole.
    const int above = ink.top < -0.5 ? static_cast<int>(std::ceil(-ink.top)) : 0;
    if (above > label->contentsMargins().top()) {
        label->setContentsMargins(0, above, 0, 0);
    }
    const int needed =
        label->contentsMargins().top() + static_cast<int>(std::ceil(ink.bottom - 0.5));
    if (needed > label->height()) {
        label->resize(label->width(), needed);
    }
}

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

int Frame::captionDrop() const {
    // Centred in the face's line, the caption's own line is set in by half the difference. Letters
    // taller than the face (Arabic's, from its own face, or a capital with an accent) would then
    // start in the frame's first row or above it, where a pixel of rounding cuts them: the caption
    // moves down until its ink starts in the second row. The design's English captions do not.
    if (!text::translationInEffect()) {
        return 0;
    }
    const Ink ink = inkOf(font(), title());
    const qreal inkTop = (QFontMetrics(font()).height() - ink.lineHeight) / 2 + ink.top;
    return inkTop < 1 ? static_cast<int>(std::ceil(1 - inkTop)) : 0;
}

QRect Frame::captionRect() const {
    const QFontMetrics metrics(font());
    // Set in from the corner the text starts at: the right one in a right-to-left window.
    return QStyle::visualRect(
        layoutDirection(), rect(),
        QRect(7, 0, metrics.horizontalAdvance(title()) + 4, metrics.height() + captionDrop()));
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect caption =
        title().isEmpty() ? QRect(0, 0, 0, QFontMetrics(font()).height()) : captionRect();
    const int lineY = caption.height() / 2;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(0, lineY, width() - 1, height() - lineY - 1));
    if (title().isEmpty()) {
        return;
    }
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption.adjusted(0, captionDrop(), 0, 0), Qt::AlignCenter, title());
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
