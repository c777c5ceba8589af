// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_summary.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <system_error>

#include "results/results_file.h"

namespace calquin::results {
namespace {

void addAnswer(Figures& figures, bool correct, std::int64_t centiseconds) {
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

constexpr std::size_t kBlock = std::size_t{1} << 20;

// The pupil part of a results file's name: what comes before the '@', which resultsFileName
// writes escaped inside a name.
std::string_view pupilPart(std::string_view fileName) {
    return fileName.substr(0, fileName.find('@'));
}

// Closes the descriptor however the reading ends.
struct OpenFile {
    int fd;
    ~OpenFile() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

std::optional<std::string> loginOf(uid_t owner) {
    if (owner == ::geteuid() || owner == 0) {
        return std::nullopt;
    }
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(owner, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) {
        return std::nullopt;
    }
    return std::string(found->pw_name);
}

// Reads one file into the summary in blocks, jumping over the holes of a sparse file, which
// hold no data; errno says why not. Anything but a plain file (a pipe someone put in a shared
// folder, a device) reads as empty, so that no name in the folder can hold the report.
bool readFile(Summary& summary, const std::filesystem::path& path, std::string_view since,
              QuestionCounter& questions) {
    const OpenFile file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        return true;
    }
    FileSummer summer(summary, {path.filename().string(), loginOf(info.st_uid)}, since, questions);
    ResultsReader& reader = summer.reader();
    off_t pos = 0;
    bool seeksHoles = true;
    while (reader.wantsMore()) {
        off_t end = std::numeric_limits<off_t>::max();
        if (seeksHoles) {
            const off_t data = ::lseek(file.fd, pos, SEEK_DATA);
            if (data < 0 && errno == ENXIO) {
                if (::fstat(file.fd, &info) == 0 && info.st_size > pos) {
                    reader.hole();
                }
                break;
            }
            if (data < 0) {
                seeksHoles = false;  // a file system that cannot tell: read every byte
            } else {
                if (data > pos) {
                    reader.hole();
                    pos = data;
                }
                const off_t hole = ::lseek(file.fd, pos, SEEK_HOLE);
                end = hole < 0 ? end : hole;
            }
        }
        bool more = true;
        while (pos < end && reader.wantsMore()) {
            const auto want = static_cast<std::size_t>(std::min<off_t>(end - pos, kBlock));
            const ssize_t got = ::pread(file.fd, reader.space(want), want, pos);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                return false;
            }
            if (got == 0) {
                more = false;
                break;
            }
            reader.commit(static_cast<std::size_t>(got));
            pos += got;
        }
        if (!more || !seeksHoles) {
            break;
        }
    }
    summer.finish();
    return true;
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

void Place::add(std::int64_t more, const std::string& inFile, std::int64_t atLine) {
    if (more > 0 && count == 0) {
        file = inFile;
        line = atLine;
    }
    count += more;
}

QuestionCounter::QuestionCounter(QuestionTable& table, bool ownThread)
    : table_(table), filling_(freshBatch()) {
    if (ownThread) {
        try {
            thread_ = std::thread([this] { count(); });
        } catch (const std::system_error&) {
            // No thread to be had: the answers are counted as they come.
        }
    }
}

QuestionCounter::~QuestionCounter() {
    finish();
}

QuestionCounter::Batch QuestionCounter::freshBatch() {
    Batch batch;
    batch.text.reserve(kBatchBytes);
    batch.answers.reserve(kBatch);
    return batch;
}

void QuestionCounter::add(std::string_view question, bool wrong) {
    if (filling_.answers.size() == kBatch ||
        filling_.text.size() + question.size() > filling_.text.capacity()) {
        handOver();
    }
    // A question longer than a whole batch grows the text while it holds no view yet.
    const std::size_t at = filling_.text.size();
    filling_.text += question;
    filling_.answers.push_back({std::string_view(filling_.text).substr(at), wrong});
}

void QuestionCounter::handOver() {
    if (filling_.answers.empty()) {
        return;
    }
    if (!thread_.joinable()) {
        table_.count(filling_.answers);
        filling_.answers.clear();
        filling_.text.clear();
        return;
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < kWaiting; });
    waiting_.push_back(std::move(filling_));
    if (spare_.empty()) {
        filling_ = freshBatch();
    } else {
        filling_ = std::move(spare_.back());
        spare_.pop_back();
    }
    changed_.notify_all();
}

void QuestionCounter::count() {
    for (;;) {
        Batch batch;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !waiting_.empty() || finished_; });
            if (waiting_.empty()) {
                return;
            }
            batch = std::move(waiting_.front());
            waiting_.pop_front();
        }
        table_.count(batch.answers);
        batch.answers.clear();
        batch.text.clear();
        std::lock_guard lock(mutex_);
        spare_.push_back(std::move(batch));
        changed_.notify_all();
    }
}

void QuestionCounter::finish() {
    handOver();
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
}

FileSummer::FileSummer(Summary& summary, FileOrigin origin, std::string_view since,
                       QuestionCounter& questions)
    : summary_(summary),
      questions_(questions),
      origin_(std::move(origin)),
      since_(since),
      reader_([this](const RowView& row) { add(row); }) {}

bool FileSummer::isOwnRow(const RowView& row) {
    if (!trustedPupil_.empty() && row.pupil == trustedPupil_) {
        return true;
    }
    const bool own =
        pupilPart(resultsFileName(row.pupil, row.computer)) == pupilPart(origin_.name) &&
        (!origin_.owner || *origin_.owner == row.pupil);
    if (own) {
        trustedPupil_ = row.pupil;
    }
    return own;
}

void FileSummer::add(const RowView& row) {
    if (!isOwnRow(row)) {
        if (otherRows_++ == 0) {
            firstOtherLine_ = row.line;
        }
        return;
    }
    if (!since_.empty() && row.time.substr(0, since_.size()) < since_) {
        return;
    }
    if (!pupil_ || row.pupil != pupilName_) {
        pupil_ = &entry(summary_.pupils, row.pupil);
        pupilName_ = row.pupil;
        item_ = nullptr;
    }
    if (!item_ || row.item != itemName_) {
        item_ = &entry(pupil_->items, row.item);
        itemName_ = row.item;
    }
    addAnswer(pupil_->all, row.correct, row.centiseconds);
    addAnswer(*item_, row.correct, row.centiseconds);
    questions_.add(row.question, !row.correct);
}

void FileSummer::finish() {
    const ReadOutcome outcome = reader_.finish();
    if (!outcome.isResultsFile) {
        summary_.foreignFiles.add(1, origin_.name, 0);
        return;
    }
    ++summary_.filesRead;
    summary_.skipped.add(outcome.skipped, origin_.name, outcome.firstSkippedLine);
    summary_.otherPupils.add(otherRows_, origin_.name, firstOtherLine_);
}

void addFile(Summary& summary, std::string_view bytes, const FileOrigin& origin,
             std::string_view since) {
    QuestionCounter questions(summary.questions, false);
    FileSummer summer(summary, origin, since, questions);
    summer.reader().feed(bytes);
    summer.finish();
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
    {
        QuestionCounter questions(summary.questions, true);
        for (const auto& path : files) {
            if (!readFile(summary, path, since, questions) && summary.filesUnreadable++ == 0) {
                summary.firstUnreadableFile = path.filename().string();
                summary.firstUnreadableReason = std::strerror(errno);
            }
        }
    }
    return summary;
}

std::vector<std::pair<std::string, QuestionFigures>> mostMissed(const Summary& summary,
                                                                std::size_t limit) {
    const auto before = [](const auto& a, const auto& b) {
        if (a.second.wrong != b.second.wrong) {
            return a.second.wrong > b.second.wrong;
        }
        if (a.second.asked != b.second.asked) {
            return a.second.asked > b.second.asked;
        }
        return a.first < b.first;
    };
    // A heap of the best `limit` so far, the last of them on top: millions of questions are
    // looked at once each, and only a few are kept.
    std::vector<std::pair<std::string_view, QuestionFigures>> best;
    summary.questions.forEach([&](std::string_view question, const QuestionFigures& figures) {
        if (figures.wrong == 0 || limit == 0) {
            return;
        }
        const std::pair<std::string_view, QuestionFigures> candidate(question, figures);
        if (best.size() < limit) {
            best.push_back(candidate);
            std::push_heap(best.begin(), best.end(), before);
        } else if (before(candidate, best.front())) {
            std::pop_heap(best.begin(), best.end(), before);
            best.back() = candidate;
            std::push_heap(best.begin(), best.end(), before);
        }
    });
    std::sort_heap(best.begin(), best.end(), before);
    std::vector<std::pair<std::string, QuestionFigures>> missed;
    for (const auto& [question, figures] : best) {
        missed.emplace_back(std::string(question), figures);
    }
    return missed;
}

}  // namespace calquin::results
