// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace calquin::results {

// The file a pupil's answers on one computer go to: "anna@pc-12.csv". Each name keeps letters,
// digits, '.', '_' and '-'; every other byte (a path separator, a character Windows refuses, '@',
// '%', anything beyond ASCII) is written as '%' and two hex digits, and so is a leading '.', so the
// name never leaves the folder, never hides, and reads back to the names it was made from: two
// different pupils or computers never share a file.
std::string resultsFileName(std::string_view pupil, std::string_view computer);

// The name of the user running the program, as the system has it for the login.
std::string loginName();

// This computer's host name.
std::string hostName();

// Appends whole rows to one results file. The file is opened only when a row comes, so that no
// file is touched before the first answer and a teacher may move the file away between answers.
class ResultsFile {
public:
    explicit ResultsFile(std::filesystem::path path);
    // Waits until every row appended is on the disk.
    ~ResultsFile();
    ResultsFile(const ResultsFile&) = delete;
    ResultsFile& operator=(const ResultsFile&) = delete;

    // Writes `row` (a whole line with its line end) at the end of the file, after the header
    // when the file is new. Returns why not, in the system's words, when it could not; then
    // the file is as it was before. Once this returns the row survives the program being killed;
    // a thread of its own then hands it to the disk, so that it also survives a power cut a few
    // milliseconds later, without the pupil waiting for the disk.
    std::optional<std::string> append(std::string_view row);

    const std::filesystem::path& path() const { return path_; }

private:
    class DiskSync;
    std::filesystem::path path_;
    std::unique_ptr<DiskSync> sync_;
};

// Why rows cannot be written into `folder` (it is missing, not a folder or not writable), in
// the system's words, or nothing when they can.
std::optional<std::string> folderProblem(const std::filesystem::path& folder);

}  // namespace calquin::results
