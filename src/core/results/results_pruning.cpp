// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_pruning.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "results/system_file.h"

namespace calquin::results {
namespace {

struct FileOutcome {
    std::int64_t rows = 0;
    bool removed = false;
};

std::variant<std::string, std::string> readAll(SystemFile& file, std::int64_t size) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        auto got = file.readAt(static_cast<std::int64_t>(filled), bytes.data() + filled,
                               bytes.size() - filled);
        if (auto* why = std::get_if<std::string>(&got)) {
            return std::variant<std::string, std::string>(std::in_place_index<1>, *why);
        }
        const auto count = std::get<std::size_t>(got);
        if (count == 0) {
            break;
        }
        filled += count;
    }
    bytes.resize(filled);
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(bytes));
}

constexpr std::int64_t kLargestRewritten = std::int64_t{256} << 20;

// One file, from its opening to its closing under the writers' lock. The reason it could not be
// changed, if it could not.
std::variant<FileOutcome, std::string> removeFromFile(
    const std::filesystem::path& path, const std::function<bool(const RowView&)>& remove,
    WhenEmptied whenEmptied) {
    auto opened = SystemFile::openToAppend(path, SystemFile::Creation::MayCreate);
    if (auto* failure = std::get_if<OpenFailure>(&opened)) {
        return failure->why;
    }
    auto& file = std::get<SystemFile>(opened);
    // Held until the rewritten file is synced: a writer waiting for it then finds the new end.
    if (auto why = file.waitForLock()) {
        return *why;
    }
    auto facts = file.facts();
    if (auto* why = std::get_if<std::string>(&facts)) {
        return *why;
    }
    if (!std::get<FileFacts>(facts).plainFile) {
        return FileOutcome{};
    }
    // A file is rewritten from memory. One pupil's rows on one computer are well under a megabyte
    // a year, and a class sharing one login ten; anything larger (a sparse file someone made in
    // the folder, a copy of something else) is left as it is and named, not read.
    if (std::get<FileFacts>(facts).size > kLargestRewritten) {
        return std::make_error_code(std::errc::file_too_large).message();
    }
    auto read = readAll(file, std::get<FileFacts>(facts).size);
    if (read.index() == 1) {
        return std::get<1>(read);
    }
    const std::string& bytes = std::get<0>(read);
    std::vector<std::pair<std::size_t, std::size_t>> cut;  // offset and length of rows removed
    std::int64_t left = 0;
    const ReadOutcome outcome = readResults(bytes, [&](const RowView& row) {
        if (remove(row)) {
            cut.emplace_back(static_cast<std::size_t>(row.offset), row.length);
        } else {
            ++left;
        }
    });
    if (!outcome.isResultsFile || cut.empty()) {
        return FileOutcome{};
    }
    FileOutcome done{static_cast<std::int64_t>(cut.size()), false};
    if (left == 0 && outcome.skipped == 0 && whenEmptied == WhenEmptied::RemoveFile) {
        // Emptied before it goes, so that nothing of it outlives the name on another link.
        if (auto why = file.truncate(0)) {
            return *why;
        }
        removeFile(path);
        done.removed = true;
        return done;
    }
    std::string kept;
    kept.reserve(bytes.size());
    std::size_t from = 0;
    for (const auto& [at, length] : cut) {
        kept.append(bytes, from, at - from);
        from = at + length;
    }
    kept.append(bytes, from);
    if (auto why = file.truncate(0)) {
        return *why;
    }
    if (auto why = file.writeAtEnd(kept, 0)) {
        return *why;
    }
    if (auto why = file.sync()) {
        return *why;
    }
    return done;
}

}  // namespace

std::variant<Pruned, std::string> removeRows(const std::filesystem::path& folder,
                                             const std::function<bool(const RowView&)>& remove,
                                             WhenEmptied whenEmptied) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return error.message();
    }
    for (const auto& entry : entries) {
        if (entry.path().extension() == ".csv" && entry.is_regular_file(error)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    Pruned pruned;
    for (const auto& path : files) {
        auto outcome = removeFromFile(path, remove, whenEmptied);
        if (auto* why = std::get_if<std::string>(&outcome)) {
            if (pruned.filesUnchanged++ == 0) {
                pruned.firstUnchangedFile = path.filename().string();
                pruned.firstUnchangedReason = *why;
            }
            continue;
        }
        const auto& done = std::get<FileOutcome>(outcome);
        pruned.rows += done.rows;
        pruned.filesChanged += done.rows > 0 ? 1 : 0;
        pruned.filesRemoved += done.removed ? 1 : 0;
    }
    return pruned;
}

std::string firstDayKept(int days, std::time_t now) {
    std::tm local = localTime(now).fields;
    // Noon, so that a day the clocks change on is still one day.
    local.tm_hour = 12;
    local.tm_min = 0;
    local.tm_sec = 0;
    local.tm_mday -= days;
    local.tm_isdst = -1;
    std::mktime(&local);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    return date;
}

}  // namespace calquin::results
