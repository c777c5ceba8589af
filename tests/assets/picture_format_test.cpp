// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the committed pictures byte by byte: the window shows them as they are, so a redrawn file
// with another sampling, depth or row order would slip into the program unnoticed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "asset_bytes.h"

namespace {

using namespace calquin::test;

// ---- banner.jpg ----

const Bytes& banner() {
    static const Bytes bytes = readAsset("banner.jpg");
    return bytes;
}

struct Segment {
    std::uint8_t marker;
    std::size_t payload;  // offset of the bytes after the length field
    std::size_t length;   // payload length
};

// The marker segments from the start of the file up to and including the start of scan.
std::vector<Segment> headerSegments(const Bytes& jpeg) {
    std::vector<Segment> segments;
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const std::uint8_t marker = jpeg[at + 1];
        const std::size_t length = be(jpeg, at + 2, 2);
        if (length < 2 || at + 2 + length > jpeg.size()) {
            break;
        }
        segments.push_back({marker, at + 4, length - 2});
        if (marker == 0xDA) {
            break;
        }
        at += 2 + length;
    }
    return segments;
}

class BannerJfifField : public testing::TestWithParam<Field> {};

TEST_P(BannerJfifField, HoldsItsValue) {
    const Field& field = GetParam();
    EXPECT_EQ(be(banner(), field.offset, field.width), field.expected) << field.name;
}

// JFIF puts its APP0 segment right after the start-of-image marker, at fixed offsets.
INSTANTIATE_TEST_SUITE_P(
    BannerJpeg, BannerJfifField,
    testing::Values(Field{"StartOfImage", 0, 2, 0xFFD8}, Field{"App0Marker", 2, 2, 0xFFE0},
                    Field{"App0Length", 4, 2, 16}, Field{"JfifIdentifier", 6, 4, 0x4A464946},
                    Field{"JfifIdentifierEnd", 10, 1, 0}, Field{"MajorVersion1", 11, 1, 1},
                    Field{"MinorVersion01", 12, 1, 1}, Field{"DensityInDotsPerInch", 13, 1, 1},
                    Field{"HorizontalDensity300", 14, 2, 300},
                    Field{"VerticalDensity300", 16, 2, 300}),
    fieldName);

TEST(BannerJpeg, HeaderSegmentsRunCleanlyToOneScanAndTheFileEndsWithEndOfImage) {
    const std::vector<Segment> segments = headerSegments(banner());
    ASSERT_FALSE(segments.empty());
    EXPECT_EQ(segments.back().marker, 0xDA) << "no start of scan after the header segments";
    ASSERT_GE(banner().size(), 2U);
    EXPECT_EQ(be(banner(), banner().size() - 2, 2), 0xFFD9U);
}

TEST(BannerJpeg, IsBaselineNotExtendedOrProgressive) {
    std::vector<std::uint8_t> frameMarkers;
    for (const Segment& segment : headerSegments(banner())) {
        const bool startOfFrame = segment.marker >= 0xC0 && segment.marker <= 0xCF &&
                                  segment.marker != 0xC4 && segment.marker != 0xC8 &&
                                  segment.marker != 0xCC;
        if (startOfFrame) {
            frameMarkers.push_back(segment.marker);
        }
    }
    EXPECT_EQ(frameMarkers, std::vector<std::uint8_t>{0xC0});
}

TEST(BannerJpeg, Is300By91InYCbCrWithChromaHalvedBothWays) {
    const std::vector<Segment> segments = headerSegments(banner());
    const auto frame = std::find_if(segments.begin(), segments.end(),
                                    [](const Segment& s) { return s.marker == 0xC0; });
    ASSERT_NE(frame, segments.end());
    ASSERT_EQ(frame->length, 6U + 3 * 3);
    const std::size_t at = frame->payload;
    EXPECT_EQ(banner()[at], 8) << "sample precision";
    EXPECT_EQ(be(banner(), at + 1, 2), 91U) << "height";
    EXPECT_EQ(be(banner(), at + 3, 2), 300U) << "width";
    ASSERT_EQ(banner()[at + 5], 3) << "components";
    // Component ids 1, 2, 3 are Y, Cb, Cr; the sampling byte is horizontal then vertical.
    const std::uint8_t expectedSampling[] = {0x22, 0x11, 0x11};
    for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_EQ(banner()[at + 6 + 3 * c], c + 1) << "component " << c;
        EXPECT_EQ(banner()[at + 7 + 3 * c], expectedSampling[c]) << "component " << c;
    }
    // An Adobe APP14 segment could declare the three components RGB instead of YCbCr.
    for (const Segment& segment : segments) {
        EXPECT_NE(segment.marker, 0xEE) << "Adobe colour transform segment present";
    }
}

// ---- logo.bmp ----

constexpr std::size_t kLogoWidth = 95;
constexpr std::size_t kLogoHeight = 110;
constexpr std::size_t kLogoStride = 288;  // 95 * 3 = 285, padded to a multiple of 4
constexpr std::size_t kLogoPixelOffset = 54;

const Bytes& logo() {
    static const Bytes bytes = readAsset("logo.bmp");
    return bytes;
}

TEST(LogoBmp, Is31734BytesLongAndStartsWithBM) {
    ASSERT_EQ(logo().size(), 31734U);
    EXPECT_EQ(logo()[0], 'B');
    EXPECT_EQ(logo()[1], 'M');
}

class LogoHeaderField : public testing::TestWithParam<Field> {};

TEST_P(LogoHeaderField, HoldsItsValue) {
    const Field& field = GetParam();
    EXPECT_EQ(le(logo(), field.offset, field.width), field.expected) << field.name;
}

INSTANTIATE_TEST_SUITE_P(
    LogoBmp, LogoHeaderField,
    testing::Values(Field{"FileSize", 2, 4, 31734}, Field{"Reserved", 6, 4, 0},
                    Field{"PixelDataOffset", 10, 4, kLogoPixelOffset},
                    Field{"InfoHeaderSize", 14, 4, 40}, Field{"Width", 18, 4, kLogoWidth},
                    // Positive: rows are stored bottom-up.
                    Field{"HeightPositive", 22, 4, kLogoHeight}, Field{"Planes", 26, 2, 1},
                    Field{"BitsPerPixel24", 28, 2, 24}, Field{"Uncompressed", 30, 4, 0},
                    Field{"ImageSize", 34, 4, kLogoStride* kLogoHeight},
                    Field{"NoPalette", 46, 4, 0}),
    fieldName);

TEST(LogoBmp, EveryPixelIsAGreyAndEveryRowPaddingIsZero) {
    ASSERT_EQ(logo().size(), kLogoPixelOffset + kLogoStride * kLogoHeight);
    for (std::size_t row = 0; row < kLogoHeight; ++row) {
        const std::size_t start = kLogoPixelOffset + row * kLogoStride;
        for (std::size_t x = 0; x < kLogoWidth; ++x) {
            const std::uint8_t* bgr = &logo()[start + 3 * x];
            ASSERT_TRUE(bgr[0] == bgr[1] && bgr[1] == bgr[2])
                << "stored row " << row << ", column " << x;
        }
        for (std::size_t pad = 3 * kLogoWidth; pad < kLogoStride; ++pad) {
            ASSERT_EQ(logo()[start + pad], 0) << "stored row " << row;
        }
    }
}

TEST(LogoBmp, ShowsDarkMarksOnAWhiteGround) {
    ASSERT_EQ(logo().size(), kLogoPixelOffset + kLogoStride * kLogoHeight);
    std::size_t dark = 0;
    std::size_t white = 0;
    for (std::size_t row = 0; row < kLogoHeight; ++row) {
        for (std::size_t x = 0; x < kLogoWidth; ++x) {
            const std::uint8_t grey = logo()[kLogoPixelOffset + row * kLogoStride + 3 * x];
            dark += grey < 0x60 ? 1 : 0;
            white += grey == 0xFF ? 1 : 0;
        }
    }
    EXPECT_GT(dark, kLogoWidth * kLogoHeight / 20);
    EXPECT_GT(white, kLogoWidth * kLogoHeight / 3);
}

}  // namespace

// ---- the pictures for screens of twice the density ----

namespace {

using namespace calquin::test;

TEST(DensePictures, BannerIsABaselineJpegOfTwiceThePixelsAndTwiceTheDensity) {
    const Bytes jpeg = readAsset("banner@2x.jpg");
    const std::vector<Segment> segments = headerSegments(jpeg);
    const auto frame = std::find_if(segments.begin(), segments.end(),
                                    [](const Segment& s) { return s.marker == 0xC0; });
    ASSERT_NE(frame, segments.end()) << "no baseline frame";
    EXPECT_EQ(be(jpeg, frame->payload + 1, 2), 182U) << "height";
    EXPECT_EQ(be(jpeg, frame->payload + 3, 2), 600U) << "width";
    EXPECT_EQ(jpeg[frame->payload + 7], 0x22) << "luminance sampling";
    EXPECT_EQ(be(jpeg, 14, 2), 600U) << "horizontal density";
}

TEST(DensePictures, LogoIs190By220At24BitsBottomUp) {
    const Bytes bmp = readAsset("logo@2x.bmp");
    constexpr std::size_t kStride = 572;  // 190 * 3 = 570, padded to a multiple of 4
    ASSERT_EQ(bmp.size(), kLogoPixelOffset + kStride * 220);
    EXPECT_EQ(le(bmp, 18, 4), 190U);
    EXPECT_EQ(le(bmp, 22, 4), 220U);
    EXPECT_EQ(le(bmp, 28, 2), 24U);
}

}  // namespace
