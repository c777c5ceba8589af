// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_formats.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

// jpeglib.h uses FILE and size_t without including their headers.
#include <jpeglib.h>

namespace calquin::pictures {

namespace {

constexpr int kBitmapInfoHeaderSize = 40;
constexpr int kBmpFileHeaderSize = 14;
constexpr int kIconDirectorySize = 6;
constexpr int kIconEntrySize = 16;
// 96 dots per inch, the density at which one pixel is 15 twips.
constexpr std::uint32_t kScreenDotsPerMeter = 3780;

void putU8(QByteArray& out, unsigned value) {
    out.append(static_cast<char>(value & 0xFFu));
}

void putU16(QByteArray& out, unsigned value) {
    putU8(out, value);
    putU8(out, value >> 8);
}

void putU32(QByteArray& out, std::uint32_t value) {
    putU16(out, value & 0xFFFFu);
    putU16(out, value >> 16);
}

int rowStride(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void putBitmapInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel,
                         std::uint32_t imageBytes, std::uint32_t dotsPerMeter) {
    putU32(out, kBitmapInfoHeaderSize);
    putU32(out, static_cast<std::uint32_t>(width));
    putU32(out, static_cast<std::uint32_t>(height));
    putU16(out, 1);  // planes
    putU16(out, static_cast<unsigned>(bitsPerPixel));
    putU32(out, 0);  // BI_RGB: no compression
    putU32(out, imageBytes);
    putU32(out, dotsPerMeter);
    putU32(out, dotsPerMeter);
    putU32(out, 0);  // colours used: all that the bit depth allows
    putU32(out, 0);  // colours important: all
}

}  // namespace

QByteArray encodeJpeg(const QImage& picture, int quality, int dotsPerInch) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    // The standard handler prints libjpeg's message and exits; for a one-shot generator that is
    // the right outcome, and it keeps setjmp away from C++ objects with destructors.
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, JCS_YCbCr);
    jpeg_set_quality(&info, quality, TRUE);  // TRUE keeps the tables within baseline limits
    // The integer transform gives the same bytes with or without SIMD, so the committed file only
    // changes when the drawing does.
    info.dct_method = JDCT_ISLOW;
    info.optimize_coding = TRUE;

    info.write_JFIF_header = TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = 1;
    info.density_unit = 1;  // dots per inch
    info.X_density = static_cast<UINT16>(dotsPerInch);
    info.Y_density = static_cast<UINT16>(dotsPerInch);
    info.write_Adobe_marker = FALSE;

    info.comp_info[0].h_samp_factor = 2;
    info.comp_info[0].v_samp_factor = 2;
    for (int chroma = 1; chroma <= 2; ++chroma) {
        info.comp_info[chroma].h_samp_factor = 1;
        info.comp_info[chroma].v_samp_factor = 1;
    }

    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(rgb.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const uchar* line = rgb.constScanLine(static_cast<int>(info.next_scanline));
        std::copy_n(line, row.size(), row.begin());
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);

    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}

QByteArray encodeBmp24(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const int stride = rowStride(rgb.width(), 24);
    const auto imageBytes = static_cast<std::uint32_t>(stride * rgb.height());
    const std::uint32_t offset = kBmpFileHeaderSize + kBitmapInfoHeaderSize;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(offset + imageBytes));
    out.append("BM");
    putU32(out, offset + imageBytes);
    putU32(out, 0);  // two reserved words
    putU32(out, offset);
    // A positive height says the rows run bottom-up, which every reader understands.
    putBitmapInfoHeader(out, rgb.width(), rgb.height(), 24, imageBytes, kScreenDotsPerMeter);

    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            putU8(out, line[3 * x + 2]);
            putU8(out, line[3 * x + 1]);
            putU8(out, line[3 * x]);
        }
        for (int pad = rgb.width() * 3; pad < stride; ++pad) {
            putU8(out, 0);
        }
    }
    return out;
}

namespace {

int paletteIndex(std::span<const QRgb> palette, QRgb colour) {
    const auto found = std::find(palette.begin(), palette.end(), colour | 0xFF000000u);
    return found == palette.end() ? -1 : static_cast<int>(found - palette.begin());
}

// BITMAPINFOHEADER, palette, colour (XOR) rows and AND mask rows of one icon image.
QByteArray iconImageData(const IconImage& icon) {
    const QImage picture = icon.picture.convertToFormat(QImage::Format_ARGB32);
    const int width = picture.width();
    const int height = picture.height();
    const int bits = icon.palette.size() == 2 ? 1 : icon.palette.size() == 16 ? 4 : 0;
    if (bits == 0) {
        throw std::invalid_argument("an icon palette must hold 2 or 16 colours");
    }
    // The desktop shows through where the mask is set only if the colour there is black: the
    // colour is XORed onto the screen, so any other value would invert it instead.
    const int transparentIndex = paletteIndex(icon.palette, qRgb(0, 0, 0));

    const int colourStride = rowStride(width, bits);
    const int maskStride = rowStride(width, 1);
    QByteArray colourRows(colourStride * height, '\0');
    QByteArray maskRows(maskStride * height, '\0');
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y;
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            int index = 0;
            if (qAlpha(line[x]) == 0) {
                if (transparentIndex < 0) {
                    throw std::invalid_argument(
                        "a transparent icon pixel needs black in the palette");
                }
                index = transparentIndex;
                maskRows[row * maskStride + x / 8] |= static_cast<char>(0x80 >> (x % 8));
            } else if (qAlpha(line[x]) == 255) {
                index = paletteIndex(icon.palette, line[x]);
                if (index < 0) {
                    throw std::invalid_argument("icon pixel at " + std::to_string(x) + "," +
                                                std::to_string(y) + " is not a palette colour");
                }
            } else {
                throw std::invalid_argument("an icon mask cannot hold partial transparency");
            }
            const int bitOffset = x * bits;
            const int shift = 8 - bits - bitOffset % 8;
            colourRows[row * colourStride + bitOffset / 8] |= static_cast<char>(index << shift);
        }
    }

    QByteArray out;
    // An icon image's header counts the colour and the mask rows together: twice the height.
    putBitmapInfoHeader(out, width, 2 * height, bits,
                        static_cast<std::uint32_t>(colourRows.size() + maskRows.size()), 0);
    for (const QRgb colour : icon.palette) {
        putU8(out, qBlue(colour));
        putU8(out, qGreen(colour));
        putU8(out, qRed(colour));
        putU8(out, 0);
    }
    out.append(colourRows);
    out.append(maskRows);
    return out;
}

}  // namespace

QByteArray encodeIco(const std::vector<IconImage>& images) {
    std::vector<QByteArray> bodies;
    bodies.reserve(images.size());
    for (const IconImage& image : images) {
        bodies.push_back(iconImageData(image));
    }

    QByteArray out;
    putU16(out, 0);  // reserved
    putU16(out, 1);  // resource type: icon
    putU16(out, static_cast<unsigned>(images.size()));
    auto offset = static_cast<std::uint32_t>(kIconDirectorySize + kIconEntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const QImage& picture = images[i].picture;
        // A size byte of 0 stands for 256 pixels.
        putU8(out, static_cast<unsigned>(picture.width() % 256));
        putU8(out, static_cast<unsigned>(picture.height() % 256));
        putU8(out, static_cast<unsigned>(images[i].palette.size()));
        putU8(out, 0);   // reserved
        putU16(out, 1);  // planes
        putU16(out, images[i].palette.size() == 2 ? 1 : 4);
        putU32(out, static_cast<std::uint32_t>(bodies[i].size()));
        putU32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const QByteArray& body : bodies) {
        out.append(body);
    }
    return out;
}

}  // namespace calquin::pictures
