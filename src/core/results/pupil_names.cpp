// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/pupil_names.h"

#include <algorithm>
#include <variant>

#include "catalogue/text_decoding.h"
#include "results/system_file.h"

namespace calquin::results {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && isBlank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && isBlank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

PupilList parsePupilNames(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    PupilList list;
    std::int64_t lineNumber = 0;
    while (!bytes.empty()) {
        ++lineNumber;
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        const std::string_view name = trimmed(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (name.empty()) {
            continue;
        }
        // A NUL would end the name in every file name and message it goes into.
        if (!catalogue::isValidUtf8(name) || name.find('\0') != std::string_view::npos) {
            list.firstBadLine = list.firstBadLine == 0 ? lineNumber : list.firstBadLine;
            continue;
        }
        // Two pupils under one name would share one file: the second line adds nobody.
        if (std::find(list.names.begin(), list.names.end(), name) == list.names.end()) {
            list.names.emplace_back(name);
        }
    }
    return list;
}

PupilList readPupilNames(const std::filesystem::path& folder) {
    PupilList failed;
    // Opened as the results are, so that a pipe or a link under the name never holds the window.
    auto opened = SystemFile::openToRead(folder / kPupilsFileName);
    if (auto* failure = std::get_if<OpenFailure>(&opened)) {
        failed.unreadable = failure->why;
        return failed;
    }
    auto& file = std::get<SystemFile>(opened);
    std::string bytes;
    char chunk[1 << 14];
    // A class list is short; anything the size of a book is not one.
    constexpr std::size_t kMostBytes = 1 << 20;
    while (bytes.size() < kMostBytes) {
        const auto got = file.readAt(static_cast<std::int64_t>(bytes.size()), chunk, sizeof chunk);
        if (const auto* why = std::get_if<std::string>(&got)) {
            failed.unreadable = *why;
            return failed;
        }
        const auto count = std::get<std::size_t>(got);
        if (count == 0) {
            break;
        }
        bytes.append(chunk, count);
    }
    return parsePupilNames(bytes);
}

}  // namespace calquin::results
