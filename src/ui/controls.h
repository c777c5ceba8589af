// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QWidget>

class QLabel;

// The window's controls that draw themselves. Each is plain to draw, and drawing it here keeps
// the style's heavier machinery (style sheets, cached bevels) out of the program's start-up.
namespace calquin::ui {

// How far the ink of `text` reaches when `font` draws it as one line whose top is at 0: the tight
// box of its glyphs, from the fonts actually used. Arabic letters drawn from a fallback face reach
// past the ascent and descent of the window's Latin face, so its metrics alone say too little.
struct Ink {
    qreal top = 0;
    qreal bottom = 0;
    qreal lineHeight = 0;  // of the line, as the fonts used set it
};
Ink inkOf(const QFont& font, const QString& text);

// Lets a label that sizes itself show all the ink of its one line of text: where letters reach
// below its height (Arabic's descenders under an 11-pixel line) it grows downward, and where they
// reach above its top its text moves down and the label grows by as much. A label whose text fits
// keeps its size, so the English window keeps the design's.
void growToInk(QLabel* label);

// A filled rectangle with a one-pixel border, drawn behind the counters. It takes no focus and
// no clicks: the labels in front of it stay readable and the bar stays decoration.
class Shape final : public QWidget {
public:
    Shape(QColor fill, QColor border, QWidget* parent);

    QColor fillColor() const { return fill_; }
    QColor borderColor() const { return border_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor border_;
};

// A frame: a single line with its caption set into the top edge.
class Frame final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // The band the caption is drawn in, centred: as high as the face's line, and deeper by as
    // much as the caption moves down to keep its letters inside the frame.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int captionDrop() const;
};

// A button whose face is a picture, centred on the button's own face colour.
class PictureButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Draws each item of a right-to-left list at the list's right edge, in the direction of the item's
// own text: a teacher's "1-digit plus 1-digit" keeps its order instead of being read as Arabic.
class OwnDirectionItems final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace calquin::ui
