// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/text_decoding.h"

#include <array>
#include <cstdint>

#include "common/phrase.h"

namespace calquin::catalogue {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

constexpr Text kHalfCharacterAtEnd = translatable(
    "Catalogue",
    "the file is saved as UTF-16 (\"Unicode\") but ends in the middle of a character, so it was "
    "probably cut off while it was copied or saved; save it again");
constexpr Text kLoneHighSurrogate = translatable(
    "Catalogue",
    "the character here is broken: the file is saved as UTF-16 (\"Unicode\"), which stores some "
    "characters (such as emoji) as two halves, and here a first half has no second half; delete "
    "the character and type it again");
constexpr Text kLoneLowSurrogate = translatable(
    "Catalogue",
    "the character here is broken: the file is saved as UTF-16 (\"Unicode\"), which stores some "
    "characters (such as emoji) as two halves, and here a second half has no first half; delete "
    "the character and type it again");

// Code points of the bytes 0x80 to 0x9F in Windows-1252. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as browsers do.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else if (byte < 0xA0) {
            appendUtf8(out, kCp1252High[byte - 0x80]);
        } else {
            appendUtf8(out, byte);
        }
    }
    return out;
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

DecodedText fromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    DecodedText decoded;
    // Most catalogue text is ASCII: one UTF-8 byte for every two UTF-16 bytes.
    decoded.text.reserve(bytes.size() / 2);
    std::size_t i = 0;
    while (i + 1 < bytes.size()) {
        const char32_t unit = unitAt(i);
        if (isLowSurrogate(unit)) {
            decoded.fault = kLoneLowSurrogate;
            return decoded;
        }
        if (!isHighSurrogate(unit)) {
            appendUtf8(decoded.text, unit);
            i += 2;
            continue;
        }
        if (i + 3 >= bytes.size() || !isLowSurrogate(unitAt(i + 2))) {
            // A lone byte after the first half is the cut-off end, reported as such below.
            if (i + 3 == bytes.size()) {
                break;
            }
            decoded.fault = kLoneHighSurrogate;
            return decoded;
        }
        appendUtf8(decoded.text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
        i += 4;
    }
    if (i < bytes.size()) {
        decoded.fault = kHalfCharacterAtEnd;
    }
    return decoded;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b0 = static_cast<std::uint8_t>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t cp = 0;
        char32_t lowest = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2, cp = b0 & 0x1F, lowest = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3, cp = b0 & 0x0F, lowest = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4, cp = b0 & 0x07, lowest = 0x10000;
        } else {
            return false;
        }
        if (n - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<std::uint8_t>(bytes[i + k]);
            if ((b & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
        if (cp < lowest || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

DecodedText decodeCatalogueText(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeMark)) {
        return fromUtf16(bytes.substr(kUtf16LeMark.size()), false);
    }
    if (bytes.starts_with(kUtf16BeMark)) {
        return fromUtf16(bytes.substr(kUtf16BeMark.size()), true);
    }
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    if (isValidUtf8(bytes)) {
        return DecodedText{std::string(bytes), {}};
    }
    return DecodedText{fromWindows1252(bytes), {}};
}

bool looksLikeUtf16WithoutMark(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        return false;
    }
    // NUL bytes counted apart by the parity of their place: in UTF-16 every letter, digit, comma
    // and line end of plain English text has a NUL half, on the same side in the whole file.
    std::array<std::size_t, 2> nuls = {0, 0};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0') {
            ++nuls[i % 2];
        }
    }
    const std::size_t pairs = bytes.size() / 2;
    for (std::size_t side = 0; side < 2; ++side) {
        // Digit counts, operators, commas and line ends are plain text whatever the item texts'
        // script, so at least a fifth of the characters have a NUL half. The other half is a NUL
        // only for the few letters numbered in multiples of 256; a binary file has NULs on both.
        if (pairs > 0 && nuls[side] * 5 >= pairs && nuls[1 - side] * 10 <= nuls[side]) {
            return true;
        }
    }
    return false;
}

}  // namespace calquin::catalogue
