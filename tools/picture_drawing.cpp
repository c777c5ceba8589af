// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_drawing.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace calquin::pictures {

namespace {

const QString kFontFamily = QStringLiteral("Liberation Sans");

// Text is filled as an outline path from an unhinted font, so the pixels depend on the font file
// alone and not on the hinting and antialiasing settings of the machine that runs the generator.
QFont pictureFont(int pixelSize, QFont::Weight weight, qreal letterSpacing = 0) {
    QFont font(kFontFamily);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (letterSpacing != 0) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    }
    return font;
}

QPainterPath textPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// Draws `text` with its baseline at `baselineY`, its left edge at `left`.
void fillText(QPainter& painter, const QString& text, const QFont& font, qreal left,
              qreal baselineY, const QColor& colour) {
    painter.fillPath(textPath(text, font).translated(left, baselineY), colour);
}

// Centres the ink of `text`, not its advance, so that letter spacing leaves no lopsided margin.
void fillCentredText(QPainter& painter, const QString& text, const QFont& font, qreal centreX,
                     qreal baselineY, const QColor& colour) {
    const QPainterPath path = textPath(text, font);
    const qreal left = std::round(centreX - path.boundingRect().center().x());
    painter.fillPath(path.translated(left, baselineY), colour);
}

struct EmblemColours {
    QColor ring;
    QColor disc;
    QColor frame;
    QColor rod;
    std::array<QColor, 3> beads;
};

// An abacus in a disc: the publisher makes counting games. Drawn on a 100-unit square.
void paintEmblem(QPainter& painter, const QRectF& box, const EmblemColours& colours) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 100.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.ring);
    painter.drawEllipse(QRectF(0, 0, 100, 100));
    painter.setBrush(colours.disc);
    painter.drawEllipse(QRectF(7, 7, 86, 86));

    constexpr qreal kInnerLeft = 25;
    constexpr qreal kInnerRight = 75;
    constexpr qreal kBeadWidth = 8.3;
    constexpr qreal kBeadHeight = 10;
    painter.setPen(QPen(colours.rod, 2.2));
    for (int rod = 0; rod < 3; ++rod) {
        const qreal y = 38 + 12 * rod;
        painter.drawLine(QPointF(kInnerLeft, y), QPointF(kInnerRight, y));
    }

    // Beads pushed to the left are the ones counted: three, one and two.
    constexpr std::array<int, 3> kCounted{3, 1, 2};
    constexpr int kBeadsPerRod = 5;
    painter.setPen(Qt::NoPen);
    for (int rod = 0; rod < 3; ++rod) {
        painter.setBrush(colours.beads[static_cast<std::size_t>(rod)]);
        const qreal y = 38 + 12 * rod;
        for (int bead = 0; bead < kBeadsPerRod; ++bead) {
            const int counted = kCounted[static_cast<std::size_t>(rod)];
            const qreal x = bead < counted ? kInnerLeft + kBeadWidth * bead
                                           : kInnerRight - kBeadWidth * (kBeadsPerRod - bead);
            painter.drawEllipse(
                QRectF(x + 0.3, y - kBeadHeight / 2, kBeadWidth - 0.6, kBeadHeight));
        }
    }

    QPen framePen(colours.frame, 5);
    framePen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(framePen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(kInnerLeft - 2.5, 26.5, 55, 47), 3, 3);
    painter.restore();
}

// The publisher's name as lettered: the name itself, then what it does, in capitals.
QStringList publisherLines() {
    return {QString::fromLatin1(kPublisherName).toUpper(),
            QString::fromLatin1(kPublisherTrade).toUpper()};
}

// A small right-pointing chevron, the usual sign for "go there".
void paintChevron(QPainter& painter, QPointF tip, qreal height, const QColor& colour) {
    QPainterPath path;
    path.moveTo(tip.x() - height / 2, tip.y() - height / 2);
    path.lineTo(tip);
    path.lineTo(tip.x() - height / 2, tip.y() + height / 2);
    QPen pen(colour, 2.0);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(path, pen);
}

}  // namespace

void requirePictureFonts() {
    for (const QFont::Weight weight : {QFont::Normal, QFont::Bold}) {
        const QFontInfo resolved(pictureFont(12, weight));
        if (resolved.family() != kFontFamily || resolved.bold() != (weight == QFont::Bold)) {
            throw std::runtime_error("the pictures need the font " + kFontFamily.toStdString() +
                                     " (Debian package fonts-liberation2); found " +
                                     resolved.family().toStdString());
        }
    }
}

QImage drawBanner(const QString& host, int scale) {
    QImage banner(kBannerSize * scale, QImage::Format_RGB32);
    banner.fill(Qt::white);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    // Every length below is in the pixels of the small picture; text is filled as outlines and
    // measured unscaled, so the larger picture lays out exactly as the small one.
    painter.scale(scale, scale);

    const QColor ink(0x17, 0x37, 0x5E);
    const QColor teal(0x0B, 0x76, 0x6E);
    const QColor orange(0xD9, 0x4F, 0x0A);

    // A pale card with a thin border, so the advertisement reads as one piece on the white face.
    painter.setPen(QPen(QColor(0xB6, 0xCF, 0xE6), 1));
    painter.setBrush(QColor(0xF0, 0xF6, 0xFC));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kBannerSize.width() - 1, kBannerSize.height() - 1), 9,
                            9);

    paintEmblem(painter, QRectF(11, 12, 67, 67),
                {ink,
                 Qt::white,
                 QColor(0x8A, 0x5A, 0x2E),
                 QColor(0x7D, 0x8B, 0x99),
                 {orange, QColor(0x12, 0x9E, 0x8F), QColor(0xF0, 0xB4, 0x00)}});

    constexpr qreal kTextLeft = 90;
    constexpr qreal kTextRight = 290;
    fillText(painter, publisherLines().join(u' '), pictureFont(9, QFont::Bold, 1.6), kTextLeft, 18,
             QColor(0x5A, 0x78, 0x96));
    const QFont headline = pictureFont(20, QFont::Bold);
    fillText(painter, QStringLiteral("More maths drills"), headline, kTextLeft, 39, ink);
    fillText(painter, QStringLiteral("and learning games"), headline, kTextLeft, 60, teal);

    // The address sits on a button-like pill: the whole banner is a button that opens it. Long
    // host names get a smaller font, and only past the smallest legible size are they shortened.
    constexpr qreal kPillPadding = 9;
    constexpr qreal kChevronSpace = 12;
    constexpr qreal kPillMaxWidth = kTextRight - kTextLeft;
    const qreal textRoom = kPillMaxWidth - 2 * kPillPadding - kChevronSpace;
    int pixelSize = 13;
    while (pixelSize > 9 &&
           QFontMetricsF(pictureFont(pixelSize, QFont::Bold)).horizontalAdvance(host) > textRoom) {
        --pixelSize;
    }
    const QFont addressFont = pictureFont(pixelSize, QFont::Bold);
    const QString address = QFontMetricsF(addressFont).elidedText(host, Qt::ElideMiddle, textRoom);
    const qreal addressWidth = std::ceil(QFontMetricsF(addressFont).horizontalAdvance(address));

    const QRectF pill(kTextLeft, 66, addressWidth + 2 * kPillPadding + kChevronSpace, 20);
    painter.setPen(Qt::NoPen);
    painter.setBrush(orange);
    painter.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    const QPainterPath addressPath = textPath(address, addressFont);
    const qreal baseline = std::round(pill.center().y() - addressPath.boundingRect().center().y());
    painter.fillPath(addressPath.translated(pill.left() + kPillPadding, baseline), Qt::white);
    paintChevron(painter, QPointF(pill.right() - kPillPadding + 1, pill.center().y()), 7,
                 Qt::white);
    painter.end();
    return banner;
}

QImage drawLogo(int scale) {
    QImage logo(kLogoSize * scale, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    paintEmblem(painter, QRectF(14, 5, 67, 67),
                {QColor(0x3A, 0x3A, 0x3A),
                 QColor(0xEE, 0xEE, 0xEE),
                 QColor(0x4A, 0x4A, 0x4A),
                 QColor(0x9A, 0x9A, 0x9A),
                 {QColor(0x22, 0x22, 0x22), QColor(0x6A, 0x6A, 0x6A), QColor(0xA6, 0xA6, 0xA6)}});

    const qreal centre = kLogoSize.width() / 2.0;
    const QStringList lines = publisherLines();
    fillCentredText(painter, lines[0], pictureFont(16, QFont::Bold, 0.8), centre, 91,
                    QColor(0x2A, 0x2A, 0x2A));
    fillCentredText(painter, lines[1], pictureFont(9, QFont::Bold, 2.4), centre, 104,
                    QColor(0x6A, 0x6A, 0x6A));
    painter.end();
    // Antialiased edges between greys are grey already; the conversion makes it a promise.
    return logo.convertToFormat(QImage::Format_Grayscale8);
}

namespace {

struct Block {
    QRect rect;
    QRgb colour;
};

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kCyan = 0xFF00FFFF;
constexpr QRgb kWhite = 0xFFFFFFFF;

// The window as filled rectangles, later ones on top. Positions come from a 32-unit grid rounded
// to whole pixels; line widths grow in whole pixels with the size.
std::vector<Block> windowIconBlocks(int size, IconColours colours) {
    const bool two = colours == IconColours::Two;
    const QRgb edge = two ? kCyan : kBlack;
    const QRgb detail = two ? kCyan : kGrey;
    const int line = std::max(1, (size + 16) / 32);
    const auto grid = [size](double units) {
        return static_cast<int>(std::lround(units * size / 32.0));
    };

    std::vector<Block> blocks;
    QRect frame(0, 0, size, size);
    if (!two) {
        frame = QRect(QPoint(grid(1), grid(3)), QPoint(grid(31) - line - 1, grid(31) - line - 1));
        blocks.push_back({frame.translated(line, line), kGrey});
    }
    blocks.push_back({frame, edge});
    const QRect inside = frame.adjusted(line, line, -line, -line);
    blocks.push_back({inside, kWhite});

    const int titleHeight = std::max(3, grid(6));
    const QRect title(inside.left(), inside.top(), inside.width(), titleHeight);
    blocks.push_back({title, kCyan});
    blocks.push_back({QRect(inside.left(), title.bottom() + 1, inside.width(), line), edge});

    // Caption and close box only where they have room to be more than a smudge.
    if (size >= 24) {
        const int inset = std::max(1, titleHeight / 4);
        const int box = titleHeight - 2 * inset;
        const QRect close(title.right() + 1 - inset - box, title.top() + inset, box, box);
        const int closeEdge = std::max(1, box / 6);
        blocks.push_back({close, edge});
        blocks.push_back(
            {close.adjusted(closeEdge, closeEdge, -closeEdge, -closeEdge), two ? kWhite : kSilver});
        const int captionHeight = std::max(2, box / 3);
        blocks.push_back(
            {QRect(title.left() + inset + line, title.top() + (titleHeight - captionHeight) / 2,
                   title.width() / 2, captionHeight),
             two ? kWhite : kBlack});
    }

    // Lines of text in the body, each a little shorter than the one above.
    const QRect body = inside.adjusted(0, titleHeight + line, 0, 0);
    const int margin = std::max(2, grid(3));
    const int pitch = std::max(2, grid(4));
    const int textHeight = std::max(1, grid(1.5));
    const std::array<double, 3> lengths{0.85, 0.7, 0.5};
    int y = body.top() + margin;
    for (const double length : lengths) {
        if (y + textHeight > body.bottom() + 1 - margin / 2) {
            break;
        }
        const int width = static_cast<int>(std::lround((body.width() - 2 * margin) * length));
        blocks.push_back({QRect(body.left() + margin, y, width, textHeight), detail});
        y += pitch;
    }
    return blocks;
}

}  // namespace

QImage drawWindowIcon(int size, IconColours colours) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    for (const Block& block : windowIconBlocks(size, colours)) {
        painter.fillRect(block.rect, QColor::fromRgb(block.colour));
    }
    painter.end();
    return icon;
}

QByteArray windowIconSvg() {
    constexpr int kGrid = 32;
    QByteArray svg;
    svg +=
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
        "viewBox=\"0 0 32 32\" shape-rendering=\"crispEdges\">\n";
    for (const Block& block : windowIconBlocks(kGrid, IconColours::Sixteen)) {
        svg +=
            QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                .arg(block.rect.x())
                .arg(block.rect.y())
                .arg(block.rect.width())
                .arg(block.rect.height())
                .arg(QColor::fromRgb(block.colour).name())
                .toUtf8();
    }
    svg += "</svg>\n";
    return svg;
}

}  // namespace calquin::pictures
