// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QResource>
#include <QWidget>

#include "ui/raw_picture.h"

namespace calquin::ui {
namespace {

// Every frame of a picture as the build decoded it into the resources (see raw_picture.h). They
// are stored uncompressed, so the frames are read where the program's own file holds them.
QList<QImage> frames(const QString& picture) {
    const QResource resource(QStringLiteral(":/pictures/%1.raw").arg(picture));
    if (resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    return decodeRawFrames(QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                                   static_cast<qsizetype>(resource.size())));
}

// Screens of more than one device pixel per pixel of the layout get the pictures drawn with
// twice the pixels; the others get the design's own and nothing else is read.
bool denseScreen(const QWidget* widget) {
    return widget->devicePixelRatioF() > 1.0;
}

// A picture drawn for `ratio` device pixels per layout pixel, so it is shown at its layout size.
QPixmap picture(const QString& name, int ratio) {
    const QList<QImage> read = frames(name);
    QPixmap pixmap = read.isEmpty() ? QPixmap() : QPixmap::fromImage(read.first());
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// Sizes of the desktop's menu icon that are carried for dense screens, beyond the icon's own 16
// and 32. The window system is handed every size an icon has, decoded, as the window opens, so
// they are added only where they can be needed.
constexpr int kDenseIconSizes[] = {48, 64, 128, 256};

}  // namespace

QIcon bannerIcon(const QWidget* widget) {
    QIcon banner(picture(QStringLiteral("banner.jpg"), 1));
    if (denseScreen(widget)) {
        banner.addPixmap(picture(QStringLiteral("banner@2x.jpg"), 2));
    }
    return banner;
}

QPixmap logoPicture(const QWidget* widget) {
    return denseScreen(widget) ? picture(QStringLiteral("logo@2x.bmp"), 2)
                               : picture(QStringLiteral("logo.bmp"), 1);
}

QIcon windowIcon(const QWidget* widget) {
    QIcon icon;
    for (const QImage& frame : frames(QStringLiteral("calquin.ico"))) {
        icon.addPixmap(QPixmap::fromImage(frame));
    }
    if (denseScreen(widget)) {
        for (const int size : kDenseIconSizes) {
            icon.addPixmap(picture(QStringLiteral("calquin-%1.png").arg(size), 1));
        }
    }
    return icon;
}

}  // namespace calquin::ui
