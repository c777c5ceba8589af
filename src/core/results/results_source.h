// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "results/system_file.h"

namespace calquin::results {

class ResultsReader;

// The results files of `folder`, every .csv that is not a folder, in name order; the system's
// reason when the folder cannot be listed.
std::variant<std::vector<std::filesystem::path>, std::string> resultsFilesIn(
    const std::filesystem::path& folder);

// One file of the folder, opened for the report and the teacher's window, read in blocks through
// the system file.
class ResultsSource {
public:
    // Opens `path` without waiting on it (a pipe in the folder cannot hold the report); the
    // system's reason when it cannot.
    explicit ResultsSource(const std::filesystem::path& path);
    ResultsSource(const ResultsSource&) = delete;
    ResultsSource& operator=(const ResultsSource&) = delete;

    const std::optional<std::string>& problem() const { return problem_; }
    // A plain file, not a pipe or a device: only those are read.
    bool isPlainFile() const { return plain_; }
    // The login of the file's owner, where the system tells one and the owner is another account
    // than the one reading (a teacher's own copies and the system's files prove nothing).
    const std::optional<std::string>& otherOwner() const { return otherOwner_; }

    // Hands the file's bytes to `reader` in blocks of 1 MiB, and its holes, where the file system
    // tells them, as holes, without reading their zeros; stops when the reader wants no more.
    // The system's reason when a read fails.
    std::optional<std::string> readInto(ResultsReader& reader);

private:
    std::optional<SystemFile> file_;
    bool plain_ = false;
    std::int64_t size_ = 0;
    std::optional<std::string> problem_;
    std::optional<std::string> otherOwner_;
};

}  // namespace calquin::results
