// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QImageReader>
#include <QWidget>

namespace calquin::ui {
namespace {

// Pictures are read with their format named: left to guess, Qt would load every image plugin
// it has before reading a single one.
QImage readPicture(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Screens of more than one device pixel per pixel of the layout get the pictures drawn with
// twice the pixels; the others get the design's own and nothing else is read.
bool denseScreen(const QWidget* widget) {
    return widget->devicePixelRatioF() > 1.0;
}

// A picture drawn for `ratio` device pixels per layout pixel, so it is shown at its layout size.
QPixmap picture(const QString& path, const char* format, int ratio) {
    QPixmap pixmap = QPixmap::fromImage(readPicture(path, format));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// Sizes of the desktop's menu icon that are carried for dense screens, beyond the icon's own 16
// and 32. The window system is handed every size an icon has, decoded, as the window opens, so
// they are added only where they can be needed.
constexpr int kDenseIconSizes[] = {48, 64, 128, 256};

QIcon readIcon(const QString& path, bool dense) {
    QImageReader reader(path, "ico");
    reader.setAutoDetectImageFormat(false);
    QIcon icon;
    do {
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    } while (reader.jumpToNextImage());
    if (dense) {
        for (const int size : kDenseIconSizes) {
            icon.addPixmap(QPixmap::fromImage(readPicture(
                QStringLiteral(":/icons/hicolor/%1x%1/apps/calquin.png").arg(size), "png")));
        }
    }
    return icon;
}

}  // namespace

QIcon bannerIcon(const QWidget* widget) {
    QIcon banner(picture(QStringLiteral(":/banner.jpg"), "jpeg", 1));
    if (denseScreen(widget)) {
        banner.addPixmap(picture(QStringLiteral(":/banner@2x.jpg"), "jpeg", 2));
    }
    return banner;
}

QPixmap logoPicture(const QWidget* widget) {
    return denseScreen(widget) ? picture(QStringLiteral(":/logo@2x.bmp"), "bmp", 2)
                               : picture(QStringLiteral(":/logo.bmp"), "bmp", 1);
}

QIcon windowIcon(const QWidget* widget) {
    return readIcon(QStringLiteral(":/calquin.ico"), denseScreen(widget));
}

}  // namespace calquin::ui
