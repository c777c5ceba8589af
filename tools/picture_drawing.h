// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <array>

namespace calquin::pictures {

inline constexpr QSize kBannerSize{300, 91};
inline constexpr QSize kLogoSize{95, 110};

// The fictional publisher whose address the banner shows and whose logo sits beside it.
inline constexpr auto kPublisherName = "Abacove";
inline constexpr auto kPublisherTrade = "Learning";

// The sixteen colours of the standard 4-bit palette, in their usual order.
inline constexpr std::array<QRgb, 16> kSixteenColours{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
inline constexpr std::array<QRgb, 2> kTwoColours{0xFF00FFFF, 0xFFFFFFFF};

// Throws std::runtime_error when a font the drawings rely on is not installed: a silent
// substitute would change every committed picture.
void requirePictureFonts();

// An advertisement for the publisher's other products and its web address `host`, on white.
// `scale` 2 draws the same picture with twice the pixels each way, for screens of twice the
// density: the same drawing on a finer grid, not the small picture enlarged.
QImage drawBanner(const QString& host, int scale = 1);

// The publisher's emblem above its name, in greys only; `scale` as for the banner.
QImage drawLogo(int scale = 1);

enum class IconColours {
    // Cyan and white only. With no black there is no way to let the desktop show through (see
    // encodeIco), so the window fills the whole square.
    Two,
    // The standard sixteen: a black outline, a drop shadow and a transparent margin.
    Sixteen,
};

// A small generic window with a white body and a cyan title bar, `size` pixels square, drawn on
// whole pixels at every size so that no edge is blurred. Transparent where the desktop shows.
QImage drawWindowIcon(int size, IconColours colours);

// The same window as an SVG drawing on the 32-pixel grid.
QByteArray windowIconSvg();

}  // namespace calquin::pictures
