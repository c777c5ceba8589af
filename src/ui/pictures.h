// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

class QWidget;

namespace calquin::ui {

// The window's pictures, read from the program's resources for the screen `widget` is on:
// screens of more than one device pixel per layout pixel get the ones drawn with twice the
// pixels, the others the design's own and nothing else is read.
QIcon bannerIcon(const QWidget* widget);  // the face of the publisher's button
QPixmap logoPicture(const QWidget* widget);
QIcon windowIcon(const QWidget* widget);

}  // namespace calquin::ui
