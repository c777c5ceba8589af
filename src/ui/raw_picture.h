// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace calquin::ui {

// The window's pictures are decoded when the program is built, not when it starts: a decoder at
// start-up would bring Qt's image plugins, and the JPEG library behind one of them, into every
// launch for a few thousand pixels. This is the form they are kept in, in the resources: a
// header, then each frame (one, or an icon's several) as a small header and its rows exactly as
// QImage keeps them.
//
//   "CQRW" | frames: u32 | per frame: width, height, bytes per line, QImage::Format: u32 | rows
//
// Numbers are little-endian, as on every machine the program is built for.
QByteArray encodeRawFrames(const QList<QImage>& frames);

// The frames of `bytes` as images that share its memory, so a picture in the resources is never
// copied; an empty list when the bytes are not such frames.
QList<QImage> decodeRawFrames(const QByteArray& bytes);

}  // namespace calquin::ui
