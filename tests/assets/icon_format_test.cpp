// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the committed window icon and desktop menu icons byte by byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "asset_bytes.h"

namespace {

using namespace calquin::test;

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kCyan = 0x00FFFF;
constexpr std::uint32_t kWhite = 0xFFFFFF;

const Bytes& icon() {
    static const Bytes bytes = readAsset("calquin.ico");
    return bytes;
}

std::size_t entryAt(std::size_t index) {
    return kDirectorySize + kEntrySize * index;
}

std::size_t rowStride(std::size_t width, std::size_t bits) {
    return (width * bits + 31) / 32 * 4;
}

struct IconRow {
    const char* name;
    std::size_t index;  // position in the icon's directory
    std::size_t size;
    std::size_t colours;
    std::size_t bits;
};

std::string rowName(const testing::TestParamInfo<IconRow>& info) {
    return info.param.name;
}

void PrintTo(const IconRow& row, std::ostream* out) {
    *out << row.name;
}

// One icon image, top row first, as a reader would show it. Bytes past the end of the file read
// as 0, so a cut-short file fails the checks instead of reading out of bounds.
struct Decoded {
    std::vector<std::uint32_t> colours;  // 0xRRGGBB per pixel
    std::vector<bool> masked;            // true where the desktop shows through
};

Decoded decode(const IconRow& row) {
    const std::size_t start = le(icon(), entryAt(row.index) + 12, 4);
    const std::size_t palette = start + kInfoHeaderSize;
    const std::size_t colourRows = palette + 4 * row.colours;
    const std::size_t colourStride = rowStride(row.size, row.bits);
    const std::size_t maskRows = colourRows + colourStride * row.size;
    const std::size_t maskStride = rowStride(row.size, 1);

    Decoded decoded;
    for (std::size_t y = 0; y < row.size; ++y) {
        const std::size_t stored = row.size - 1 - y;  // rows run bottom-up
        for (std::size_t x = 0; x < row.size; ++x) {
            const std::size_t bit = x * row.bits;
            const std::size_t byte = le(icon(), colourRows + stored * colourStride + bit / 8, 1);
            const std::size_t shift = 8 - row.bits - bit % 8;
            const std::size_t index = (byte >> shift) & ((1U << row.bits) - 1);
            decoded.colours.push_back(le(icon(), palette + 4 * index, 3));
            const std::size_t maskByte = le(icon(), maskRows + stored * maskStride + x / 8, 1);
            decoded.masked.push_back(((maskByte >> (7 - x % 8)) & 1) != 0);
        }
    }
    return decoded;
}

TEST(WindowIcon, DirectoryHoldsExactlyThreeIcons) {
    ASSERT_GE(icon().size(), entryAt(3));
    EXPECT_EQ(le(icon(), 0, 2), 0U) << "reserved";
    EXPECT_EQ(le(icon(), 2, 2), 1U) << "resource type 1 is an icon, 2 a cursor";
    EXPECT_EQ(le(icon(), 4, 2), 3U) << "image count";
}

TEST(WindowIcon, ImagesFillTheFileInTurnWithoutOverlapping) {
    ASSERT_GE(icon().size(), entryAt(3));
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (std::size_t i = 0; i < 3; ++i) {
        spans.emplace_back(le(icon(), entryAt(i) + 12, 4), le(icon(), entryAt(i) + 8, 4));
    }
    std::sort(spans.begin(), spans.end());
    std::size_t end = entryAt(3);
    for (const auto& [offset, length] : spans) {
        EXPECT_GE(offset, end) << "image at " << offset << " overlaps what comes before it";
        end = offset + length;
    }
    EXPECT_EQ(end, icon().size());
}

class WindowIconImage : public testing::TestWithParam<IconRow> {};

TEST_P(WindowIconImage, DirectoryEntryAndBitmapHeaderAgree) {
    const IconRow& row = GetParam();
    ASSERT_GE(icon().size(), entryAt(3));
    const std::size_t entry = entryAt(row.index);
    EXPECT_EQ(icon()[entry], row.size) << "width";
    EXPECT_EQ(icon()[entry + 1], row.size) << "height";
    EXPECT_EQ(icon()[entry + 2], row.colours) << "colour count";
    EXPECT_EQ(icon()[entry + 3], 0) << "reserved";
    EXPECT_EQ(le(icon(), entry + 4, 2), 1U) << "planes";
    EXPECT_EQ(le(icon(), entry + 6, 2), row.bits) << "bits per pixel";

    const std::size_t length = le(icon(), entry + 8, 4);
    const std::size_t expectedLength = kInfoHeaderSize + 4 * row.colours +
                                       rowStride(row.size, row.bits) * row.size +
                                       rowStride(row.size, 1) * row.size;
    EXPECT_EQ(length, expectedLength) << "header, palette, colour rows and AND mask";
    const std::size_t start = le(icon(), entry + 12, 4);
    ASSERT_LE(start + length, icon().size());

    EXPECT_EQ(le(icon(), start, 4), kInfoHeaderSize) << "header size";
    EXPECT_EQ(le(icon(), start + 4, 4), row.size) << "width";
    EXPECT_EQ(le(icon(), start + 8, 4), 2 * row.size) << "height counts colour and mask rows";
    EXPECT_EQ(le(icon(), start + 12, 2), 1U) << "planes";
    EXPECT_EQ(le(icon(), start + 14, 2), row.bits) << "bits per pixel";
    EXPECT_EQ(le(icon(), start + 16, 4), 0U) << "compression";
}

// Rows stored in the wrong order would put the title bar at the bottom, so the cyan must lie
// above the white on average, not merely be there.
TEST_P(WindowIconImage, ShowsAWhiteBodyBelowACyanTitleBar) {
    const IconRow& row = GetParam();
    ASSERT_GE(icon().size(), entryAt(3));
    const Decoded decoded = decode(row);
    double cyanRows = 0;
    double whiteRows = 0;
    std::size_t cyan = 0;
    std::size_t white = 0;
    for (std::size_t i = 0; i < decoded.colours.size(); ++i) {
        if (decoded.masked[i]) {
            continue;
        }
        const double y = static_cast<double>(i / row.size);
        if (decoded.colours[i] == kCyan) {
            ++cyan;
            cyanRows += y;
        } else if (decoded.colours[i] == kWhite) {
            ++white;
            whiteRows += y;
        }
    }
    ASSERT_GT(cyan, row.size) << "hardly any cyan";
    ASSERT_GT(white, row.size) << "hardly any white";
    EXPECT_LT(cyanRows / static_cast<double>(cyan), whiteRows / static_cast<double>(white));
}

// The screen shows (screen AND mask) XOR colour, so a masked pixel that is not black would invert
// the desktop behind it instead of letting it show through.
TEST_P(WindowIconImage, MaskedPixelsAreBlack) {
    const IconRow& row = GetParam();
    ASSERT_GE(icon().size(), entryAt(3));
    const Decoded decoded = decode(row);
    for (std::size_t i = 0; i < decoded.colours.size(); ++i) {
        if (decoded.masked[i]) {
            ASSERT_EQ(decoded.colours[i], kBlack)
                << "pixel " << i % row.size << "," << i / row.size;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(WindowIcon, WindowIconImage,
                         testing::Values(IconRow{"TwoColours32", 0, 32, 2, 1},
                                         IconRow{"SixteenColours32", 1, 32, 16, 4},
                                         IconRow{"SixteenColours16", 2, 16, 16, 4}),
                         rowName);

class MenuIcon : public testing::TestWithParam<int> {};

TEST_P(MenuIcon, IsAnRgbaPngOfItsFolderSize) {
    const auto size = static_cast<std::uint32_t>(GetParam());
    const std::string name = std::to_string(size);
    const Bytes png = readAsset("icons/hicolor/" + name + "x" + name + "/apps/calquin.png");
    ASSERT_GE(png.size(), 33U);
    EXPECT_EQ(be(png, 0, 4), 0x89504E47U) << "signature";
    EXPECT_EQ(be(png, 4, 4), 0x0D0A1A0AU) << "signature";
    EXPECT_EQ(be(png, 12, 4), 0x49484452U) << "the first chunk is IHDR";
    EXPECT_EQ(be(png, 16, 4), size) << "width";
    EXPECT_EQ(be(png, 20, 4), size) << "height";
    EXPECT_EQ(png[25], 6) << "colour type RGBA, so the corners can be transparent";
}

INSTANTIATE_TEST_SUITE_P(DesktopMenu, MenuIcon, testing::Values(16, 32, 48, 64, 128, 256),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Size" + std::to_string(info.param);
                         });

}  // namespace
