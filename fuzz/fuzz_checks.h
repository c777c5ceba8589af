// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace calquin::fuzz {

// A broken invariant has to end the run the way a crash does, so that libFuzzer keeps the input
// that broke it as an artifact; asserts would vanish in a build with NDEBUG.
[[noreturn]] inline void fail(std::string_view what) {
    std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

inline void require(bool holds, std::string_view what) {
    if (!holds) {
        fail(what);
    }
}

// Bytes as C escapes, short enough to read in a failure message.
inline std::string shown(std::string_view bytes, std::size_t limit = 200) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        }
    }
    if (bytes.size() > limit) {
        out += "...";
    }
    return out;
}

}  // namespace calquin::fuzz
