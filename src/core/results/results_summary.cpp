// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_summary.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "results/recorded_question.h"
#include "results/results_reader.h"

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

// The key a recorded question is counted under: one form for every language's recording of it
// ("7 × 8", "٧ × ٨" with its direction marks and "7 * 8" all count as "7 * 8"), or the text as it
// stands when it reads as no question. A question already in that form, as every row written
// since the record keeps one form is, costs one look-up; other forms are read once per file.
class QuestionKeys {
public:
    explicit QuestionKeys(std::map<std::string, QuestionFigures, std::less<>>& questions)
        : questions_(questions) {}

    QuestionFigures& operator[](std::string_view recorded) {
        if (const auto found = questions_.find(recorded); found != questions_.end()) {
            return found->second;
        }
        auto alias = aliases_.find(recorded);
        if (alias == aliases_.end()) {
            std::string key(recorded);
            if (const auto question = readRecordedQuestion(recorded)) {
                key = question->text();
            }
            alias = aliases_.emplace(std::string(recorded), std::move(key)).first;
        }
        return entry(questions_, alias->second);
    }

private:
    std::map<std::string, QuestionFigures, std::less<>>& questions_;
    std::map<std::string, std::string, std::less<>> aliases_;
};

// The whole file in one piece; errno says why not. Anything but a plain file (a pipe someone put
// in a shared folder, a device) reads as empty, so that no name in the folder can hold the report.
bool readWhole(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return true;
    }
    if (info.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return got == 0;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
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
    QuestionKeys questions(summary.questions);
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
        QuestionFigures& question = questions[row.question];
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
        if (!readWhole(path, bytes)) {
            if (summary.filesUnreadable++ == 0) {
                summary.firstUnreadableFile = path.filename().string();
                summary.firstUnreadableReason = std::strerror(errno);
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
