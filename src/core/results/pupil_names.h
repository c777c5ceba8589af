// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace calquin::results {

// Where a class that shares one login lists its pupils, in the results folder.
inline constexpr std::string_view kPupilsFileName = "pupils.txt";

// The names of pupils.txt, as the teacher wrote them: one a line, in UTF-8.
struct PupilList {
    // In the file's order, each once; blank lines and blanks around a name are left out.
    std::vector<std::string> names;
    // The system's reason the file could not be read (it is missing, say); empty when it was.
    std::string unreadable;
    // The first line that is not UTF-8, which is left out; 0 when every line is.
    std::int64_t firstBadLine = 0;
};

// The names in the bytes of a pupils.txt (a byte-order mark and Windows line ends allowed).
PupilList parsePupilNames(std::string_view bytes);

// The names of `folder`'s pupils.txt.
PupilList readPupilNames(const std::filesystem::path& folder);

}  // namespace calquin::results
