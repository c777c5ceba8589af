// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace calquin::test {

using Bytes = std::vector<std::uint8_t>;

// The committed file under assets/, or no bytes when it is missing (every size check then fails).
inline Bytes readAsset(const std::string& name) {
    std::ifstream in(std::filesystem::path(CALQUIN_ASSETS_DIR) / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Reads an unsigned number of `width` bytes at `offset`; 0 when it would run past the end, which
// the size checks report on their own.
inline std::uint32_t readUnsigned(const Bytes& bytes, std::size_t offset, int width,
                                  bool bigEndian) {
    if (offset + static_cast<std::size_t>(width) > bytes.size()) {
        return 0;
    }
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        const int byte = bigEndian ? i : width - 1 - i;
        value = (value << 8) | bytes[offset + static_cast<std::size_t>(byte)];
    }
    return value;
}

inline std::uint32_t le(const Bytes& bytes, std::size_t offset, int width) {
    return readUnsigned(bytes, offset, width, false);
}

inline std::uint32_t be(const Bytes& bytes, std::size_t offset, int width) {
    return readUnsigned(bytes, offset, width, true);
}

// One fixed-offset header field and the value it must hold; `name` doubles as the test name.
struct Field {
    const char* name;
    std::size_t offset;
    int width;
    std::uint32_t expected;
};

inline std::string fieldName(const testing::TestParamInfo<Field>& info) {
    return info.param.name;
}

// Keeps test listings readable: by default GoogleTest prints a parameter as raw bytes.
inline void PrintTo(const Field& field, std::ostream* out) {
    *out << field.name;
}

}  // namespace calquin::test
