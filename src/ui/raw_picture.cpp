// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/raw_picture.h"

#include <QtEndian>
#include <cstdint>

namespace calquin::ui {
namespace {

constexpr char kMagic[] = {'C', 'Q', 'R', 'W'};
constexpr qsizetype kFrameHeader = 4 * 4;

void append(QByteArray& bytes, std::uint32_t value) {
    const std::uint32_t little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

std::uint32_t read(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

}  // namespace

QByteArray encodeRawFrames(const QList<QImage>& frames) {
    QByteArray bytes(kMagic, sizeof kMagic);
    append(bytes, static_cast<std::uint32_t>(frames.size()));
    for (const QImage& frame : frames) {
        append(bytes, static_cast<std::uint32_t>(frame.width()));
        append(bytes, static_cast<std::uint32_t>(frame.height()));
        append(bytes, static_cast<std::uint32_t>(frame.bytesPerLine()));
        append(bytes, static_cast<std::uint32_t>(frame.format()));
        // Only the pixels are copied: the bytes that pad each row to a whole word are whatever
        // the allocator left there, and would make two builds of the same pictures differ.
        const qsizetype used = (qsizetype(frame.width()) * frame.depth() + 7) / 8;
        const QByteArray padding(frame.bytesPerLine() - used, '\0');
        for (int y = 0; y < frame.height(); ++y) {
            bytes.append(reinterpret_cast<const char*>(frame.constScanLine(y)), used);
            bytes.append(padding);
        }
    }
    return bytes;
}

QList<QImage> decodeRawFrames(const QByteArray& bytes) {
    if (bytes.size() < 8 || !bytes.startsWith(QByteArray::fromRawData(kMagic, sizeof kMagic))) {
        return {};
    }
    QList<QImage> frames;
    const std::uint32_t count = read(bytes, 4);
    qsizetype at = 8;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (bytes.size() - at < kFrameHeader) {
            return {};
        }
        const auto width = static_cast<int>(read(bytes, at));
        const auto height = static_cast<int>(read(bytes, at + 4));
        const auto bytesPerLine = static_cast<qsizetype>(read(bytes, at + 8));
        const auto format = static_cast<QImage::Format>(read(bytes, at + 12));
        at += kFrameHeader;
        const qsizetype size = bytesPerLine * height;
        if (width <= 0 || height <= 0 || format <= QImage::Format_Invalid ||
            format >= QImage::NImageFormats || bytes.size() - at < size) {
            return {};
        }
        frames.append(QImage(reinterpret_cast<const uchar*>(bytes.constData() + at), width, height,
                             bytesPerLine, format));
        at += size;
    }
    return frames;
}

}  // namespace calquin::ui
