// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_summary.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "results/results_reader.h"
#include "results/system_file.h"

namespace calquin::results {
namespace {

void add(Figures& figures, bool correct, std::int64_t centiseconds) {
    ++figures.answers;
    figures.correct += correct ? 1 : 0;
    figures.centiseconds += centiseconds;
}

template <typename Map>
auto& entry(Map& map, std::string_view key) {
    auto found = map.find(key);
    if (found == map.end()) {
        found = map.emplace(std::string(key), typename Map::mapped_type{}).first;
    }
    return found->second;
}

}  // namespace

int Figures::percentCorrect() const {
    if (answers == 0) {
        return 0;
    }
    const auto rounded = static_cast<int>((correct * 200 + answers) / (answers * 2));
    return correct == answers ? 100 : correct == 0 ? 0 : std::clamp(rounded, 1, 99);
}

std::int64_t Figures::averageCentiseconds() const {
    return answers == 0 ? 0 : (centiseconds * 2 + answers) / (answers * 2);
}

void addFile(Summary& summary, std::string_view bytes, const std::string& fileName,
             std::string_view since) {
    // Rows of one file are mostly one pupil's on one item, so the last entries are kept at hand.
    PupilFigures* pupil = nullptr;
    std::string pupilName;
    Figures* item = nullptr;
    std::string itemName;
    const ReadOutcome outcome = readResults(bytes, [&](const RowView& row) {
        if (!since.empty() && row.time.substr(0, since.size()) < since) {
            return;
        }
        if (!pupil || row.pupil != pupilName) {
            pupil = &entry(summary.pupils, row.pupil);
            pupilName = row.pupil;
            item = nullptr;
        }
        if (!item || row.item != itemName) {
            item = &entry(pupil->items, row.item);
            itemName = row.item;
        }
        add(pupil->all, row.correct, row.centiseconds);
        add(*item, row.correct, row.centiseconds);
        QuestionFigures& question = entry(summary.questions, row.question);
        ++question.asked;
        question.wrong += row.correct ? 0 : 1;
    });
    if (!outcome.isResultsFile) {
        return;
    }
    ++summary.filesRead;
    if (outcome.skipped > 0 && summary.skipped == 0) {
        summary.firstSkippedFile = fileName;
        summary.firstSkippedLine = outcome.firstSkippedLine;
    }
    summary.skipped += outcome.skipped;
}

std::variant<Summary, std::string> summariseFolder(const std::filesystem::path& folder,
                                                   std::string_view since) {
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
    Summary summary;
    std::string bytes;
    for (const auto& path : files) {
        if (const Problem why = readWholeFile(path, bytes)) {
            if (summary.filesUnreadable++ == 0) {
                summary.firstUnreadableFile = path.filename().string();
                summary.firstUnreadableReason = *why;
            }
            continue;
        }
        addFile(summary, bytes, path.filename().string(), since);
    }
    return summary;
}

std::vector<std::pair<std::string, QuestionFigures>> mostMissed(const Summary& summary,
                                                                std::size_t limit) {
    std::vector<std::pair<std::string, QuestionFigures>> missed;
    for (const auto& [question, figures] : summary.questions) {
        if (figures.wrong > 0) {
            missed.emplace_back(question, figures);
        }
    }
    const auto before = [](const auto& a, const auto& b) {
        if (a.second.wrong != b.second.wrong) {
            return a.second.wrong > b.second.wrong;
        }
        if (a.second.asked != b.second.asked) {
            return a.second.asked > b.second.asked;
        }
        return a.first < b.first;
    };
    const std::size_t kept = std::min(limit, missed.size());
    std::partial_sort(missed.begin(), missed.begin() + static_cast<std::ptrdiff_t>(kept),
                      missed.end(), before);
    missed.resize(kept);
    return missed;
}

}  // namespace calquin::results
