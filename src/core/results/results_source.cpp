// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_source.h"

#include <algorithm>
#include <limits>

#include "results/results_reader.h"

namespace calquin::results {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;

}  // namespace

std::variant<std::vector<std::filesystem::path>, std::string> resultsFilesIn(
    const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return error.message();
    }
    for (const auto& file : entries) {
        if (file.path().extension() == ".csv" && !file.is_directory(error)) {
            files.push_back(file.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

ResultsSource::ResultsSource(const std::filesystem::path& path) {
    auto opened = SystemFile::openToRead(path);
    if (auto* failure = std::get_if<OpenFailure>(&opened)) {
        problem_ = failure->why;
        return;
    }
    file_.emplace(std::move(std::get<SystemFile>(opened)));
    const auto facts = file_->facts();
    if (const auto* why = std::get_if<std::string>(&facts)) {
        problem_ = *why;
        return;
    }
    const FileFacts& known = std::get<FileFacts>(facts);
    plain_ = known.plainFile;
    size_ = known.size;
    // A teacher's own copies, and the system's files, prove nothing about whose rows they hold.
    if (!known.ownedByThisAccount) {
        if (std::string owner = file_->ownerName(); !owner.empty() && owner != "root") {
            otherOwner_ = std::move(owner);
        }
    }
}

std::optional<std::string> ResultsSource::readInto(ResultsReader& reader) {
    std::int64_t pos = 0;
    while (reader.wantsMore()) {
        auto data = file_->dataFrom(pos);
        if (!data) {
            if (size_ > pos) {
                reader.hole();  // a hole to the end
                return std::nullopt;
            }
            // At the end the system last told of; a share's client may tell a size that lags
            // behind rows just written, so reading goes on until a read finds the real end.
            data = SystemFile::Data{pos, std::numeric_limits<std::int64_t>::max()};
        }
        if (data->from > pos) {
            reader.hole();
            pos = data->from;
        }
        while (pos < data->to && reader.wantsMore()) {
            const auto want = static_cast<std::size_t>(
                std::min<std::int64_t>(data->to - pos, static_cast<std::int64_t>(kBlock)));
            const auto got = file_->readAt(pos, reader.space(want), want);
            if (const auto* why = std::get_if<std::string>(&got)) {
                return *why;
            }
            const std::size_t read = std::get<std::size_t>(got);
            if (read == 0) {
                return std::nullopt;
            }
            reader.commit(read);
            pos += static_cast<std::int64_t>(read);
        }
        if (data->to == std::numeric_limits<std::int64_t>::max()) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace calquin::results
