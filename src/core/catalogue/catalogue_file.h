// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "catalogue/catalogue_reader.h"

namespace calquin::catalogue {

// The file the program reads its drill items from, in the working directory.
inline constexpr std::string_view kCatalogueFileName = "index.txt";

// A catalogue is at most 101 short records; a file far larger than that is something else, and
// refusing it early keeps start-up quick whatever lies in the working directory.
inline constexpr std::uint64_t kMaxCatalogueBytes = 16 * 1024 * 1024;

struct CatalogueFault {
    std::string path;  // absolute
    ReadError error;
};

using LoadResult = std::variant<std::vector<Record>, CatalogueFault>;

// Reads the catalogue at `path`, relative to the working directory unless absolute.
LoadResult loadCatalogueFile(const std::string& path);

// `path` made absolute against the working directory, with "." and ".." steps resolved.
std::string absolutePath(const std::string& path);

}  // namespace calquin::catalogue
