// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <span>
#include <vector>

namespace calquin::pictures {

// Baseline JFIF 1.01, YCbCr with the chroma halved both ways (4:2:0), density in dots per inch.
// Written through libjpeg itself rather than Qt's writer, which decides sampling and density units
// on its own and does not promise any of them.
QByteArray encodeJpeg(const QImage& picture, int quality, int dotsPerInch);

// Uncompressed Windows bitmap, 24 bits per pixel, rows bottom-up and padded to four bytes. Qt's own
// writer picks the bit depth from the image format, so it cannot be trusted to stay at 24.
QByteArray encodeBmp24(const QImage& picture);

// One image of an icon group. The palette has 2 or 16 entries (1 or 4 bits per pixel); every
// opaque pixel of the picture must be one of its colours, every other pixel must be fully
// transparent and goes into the AND mask.
struct IconImage {
    QImage picture;
    std::span<const QRgb> palette;
};

// A Windows icon group of palette images. Qt's ico writer only writes 32-bit images, which the
// 2- and 16-colour slots of an icon cannot hold.
QByteArray encodeIco(const std::vector<IconImage>& images);

}  // namespace calquin::pictures
