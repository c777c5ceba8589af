// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_file.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <stop_token>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "results/results_row.h"

namespace calquin::results {
namespace {

// Room a file system gives a name (NAME_MAX on Linux, 255 UTF-16 units on SMB) is 255 bytes;
// a name kept whole stays well below it, so that the '+' hash and the '~' of a name made
// instead always fit.
constexpr std::size_t kWholeName = 200;
constexpr std::size_t kPupilPart = 120;
constexpr std::size_t kComputerPart = 60;
constexpr std::string_view kExtension = ".csv";

void appendSafe(std::string& out, std::string_view name, std::size_t room) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-' || (c == '.' && i > 0);
        if (out.size() + (plain ? 1 : 3) > room) {
            return;
        }
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
}

std::string hex(std::uint64_t value, int digits) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = kHex[value & 0xF];
    }
    return text;
}

// FNV-1a: the same on every system and in every version, since file names are kept for years.
std::uint64_t nameHash(std::string_view pupil, std::string_view computer) {
    std::uint64_t hash = 14695981039346656037ULL;
    const auto add = [&](std::string_view text) {
        for (const char c : text) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        }
    };
    add(pupil);
    add(std::string_view("\0", 1));
    add(computer);
    return hash;
}

std::string stem(std::string_view pupil, std::string_view computer) {
    std::string whole;
    appendSafe(whole, pupil, SIZE_MAX);
    whole += '@';
    appendSafe(whole, computer, SIZE_MAX);
    if (whole.size() <= kWholeName) {
        return whole;
    }
    std::string cut;
    appendSafe(cut, pupil, kPupilPart);
    cut += '+';
    cut += hex(nameHash(pupil, computer), 16);
    cut += '@';
    std::string host;
    appendSafe(host, computer, kComputerPart);
    return cut + host;
}

std::filesystem::path insteadOf(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    name.resize(name.size() - kExtension.size());
    return path.parent_path() / (name + '~' + hex(freshNumber(), 8) + std::string(kExtension));
}

// Why this account must not write into the file it opened, or nothing when it may. A file
// another account planted under the pupil's name (or linked to one of its own) would let that
// account read the pupil's answers.
Problem trustProblem(const FileFacts& facts) {
    if (!facts.plainFile) {
        return "not a plain file";
    }
    if (!facts.ownedByThisAccount) {
        return "owned by another account";
    }
    if (facts.links != 1) {
        return "has another link";
    }
    return std::nullopt;
}

}  // namespace

std::string resultsFileName(std::string_view pupil, std::string_view computer) {
    return stem(pupil, computer) + std::string(kExtension);
}

bool isResultsFileOf(std::string_view fileName, std::string_view pupil, std::string_view computer) {
    if (!fileName.ends_with(kExtension)) {
        return false;
    }
    fileName.remove_suffix(kExtension.size());
    const std::string own = stem(pupil, computer);
    if (!fileName.starts_with(own)) {
        return false;
    }
    fileName.remove_prefix(own.size());
    return fileName.empty() ||
           (fileName.size() == 9 && fileName[0] == '~' &&
            fileName.find_first_not_of("0123456789abcdef", 1) == std::string_view::npos);
}

// The rows handed over and not yet settled, shared by the window's thread and the writer.
struct ResultsFile::Queue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::string> waiting;
    std::uint64_t handed = 0;      // rows handed over so far
    std::uint64_t settled = 0;     // of them, rows written or given up
    std::uint64_t failedFrom = 0;  // the last rows given up: [failedFrom, failedTo)
    std::uint64_t failedTo = 0;
    bool lockedOut = false;  // the writer waits for a lock another program holds
    bool closing = false;
    bool finished = false;
    bool abandoned = false;  // the window closed and gave up the rows still waiting
    Noticed noticed;

    void notice(const Notice& what) {
        if (noticed) {
            noticed(what);
        }
    }
};

// Takes waiting rows in batches and writes each batch whole under the file's lock: open, check
// the file is the pupil's own, wait for the lock without holding up anyone, write, sync, close.
class ResultsFile::Writer {
public:
    Writer(std::filesystem::path path, std::shared_ptr<Queue> queue)
        : path_(std::move(path)),
          queue_(std::move(queue)),
          thread_([this](std::stop_token) { run(); }) {}

    std::jthread& thread() { return thread_; }

private:
    struct Outcome {
        Problem problem;
        std::optional<SystemFile> written;  // still locked, to be synced and closed
        std::int64_t end = 0;               // where the rows written start
        bool mayPass = false;               // nothing written, and worth trying again
    };

    void run() {
        std::unique_lock hold(queue_->mutex);
        for (;;) {
            queue_->changed.wait(hold, [&] { return queue_->closing || !queue_->waiting.empty(); });
            if (queue_->waiting.empty()) {
                queue_->finished = true;
                queue_->changed.notify_all();
                return;
            }
            std::vector<std::string> batch(std::make_move_iterator(queue_->waiting.begin()),
                                           std::make_move_iterator(queue_->waiting.end()));
            queue_->waiting.clear();
            const std::uint64_t from = queue_->settled;
            const std::uint64_t to = from + batch.size();
            hold.unlock();
            Outcome outcome = write(batch);
            hold.lock();
            if (outcome.mayPass && !queue_->abandoned && retry(batch, hold)) {
                continue;
            }
            retryingSince_.reset();
            pause_ = kFirstPause;
            queue_->settled = to;
            queue_->lockedOut = false;
            if (outcome.problem) {
                queue_->failedFrom = from;
                queue_->failedTo = to;
                queue_->notice(
                    {Notice::Kind::NotWritten, path_, *outcome.problem, batch.size(), {}});
            }
            queue_->changed.notify_all();
            if (outcome.written) {
                // A network share may report a failed write only now (SSHFS writes in the
                // background): the rows are taken back while the lock is still held, so that no
                // part of them stays, and noticed. An error at closing can only be noticed.
                hold.unlock();
                SystemFile& file = *outcome.written;
                Problem problem = file.sync();
                if (problem) {
                    file.truncate(outcome.end);
                    file.sync();
                }
                file.unlock();
                Problem closing = file.close();
                hold.lock();
                if (problem || closing) {
                    queue_->notice({Notice::Kind::NotWritten,
                                    path_,
                                    problem ? *problem : *closing,
                                    batch.size(),
                                    {}});
                }
            }
        }
    }

    // A share that lost its server fails at once until the server is back (SSHFS reconnects
    // at the next call): the rows wait, and are tried again now and then for half a minute,
    // while the window goes on.
    bool retry(std::vector<std::string>& batch, std::unique_lock<std::mutex>& hold) {
        const auto now = std::chrono::steady_clock::now();
        if (!retryingSince_) {
            retryingSince_ = now;
        }
        if (now - *retryingSince_ >= kRetryFor) {
            return false;
        }
        queue_->waiting.insert(queue_->waiting.begin(), std::make_move_iterator(batch.begin()),
                               std::make_move_iterator(batch.end()));
        queue_->lockedOut = true;
        queue_->changed.notify_all();
        queue_->changed.wait_for(hold, pause_, [&] { return queue_->abandoned; });
        pause_ = std::min(pause_ * 2, std::chrono::milliseconds(2000));
        return true;
    }

    // Opens `target` and checks it is this account's own plain file with no other link; says
    // why not, and whether the name is taken by something else rather than the folder refusing.
    static std::variant<SystemFile, OpenFailure> openOwn(const std::filesystem::path& target,
                                                         SystemFile::Creation creation) {
        auto opened = SystemFile::openToAppend(target, creation);
        if (auto* file = std::get_if<SystemFile>(&opened)) {
            auto facts = file->facts();
            if (auto* why = std::get_if<std::string>(&facts)) {
                return OpenFailure{*why};
            }
            if (auto refused = trustProblem(std::get<FileFacts>(facts))) {
                return OpenFailure{*refused, true};
            }
        }
        return opened;
    }

    // Opens the pupil's file, or the one written instead of it once that was found taken.
    std::variant<SystemFile, OpenFailure> openTrusted() {
        if (instead_.empty()) {
            auto opened = openOwn(path_, SystemFile::Creation::MayCreate);
            auto* failed = std::get_if<OpenFailure>(&opened);
            if (!failed) {
                return std::move(std::get<SystemFile>(opened));
            }
            if (!failed->nameTaken) {
                return *failed;
            }
            refusedWhy_ = failed->why;
        } else {
            auto opened = openOwn(instead_, SystemFile::Creation::MayCreate);
            if (auto* file = std::get_if<SystemFile>(&opened)) {
                return std::move(*file);
            }
            if (!std::get<OpenFailure>(opened).nameTaken) {
                return std::get<OpenFailure>(opened);
            }
        }
        // Someone else's file under the name: leave it, and write a new one of our own, told
        // once. A name just drawn that is taken is drawn again; any other failure is the folder's.
        for (int attempt = 0; attempt < 8; ++attempt) {
            const auto fresh = insteadOf(path_);
            auto opened = openOwn(fresh, SystemFile::Creation::OnlyNew);
            if (auto* file = std::get_if<SystemFile>(&opened)) {
                instead_ = fresh;
                const std::lock_guard hold(queue_->mutex);
                queue_->notice({Notice::Kind::Elsewhere, path_, refusedWhy_, 0, instead_});
                return std::move(*file);
            }
            if (!std::get<OpenFailure>(opened).exists) {
                return std::get<OpenFailure>(opened);
            }
        }
        return OpenFailure{refusedWhy_};
    }

    // Takes the lock, telling the window the moment another program is found holding it, so
    // that the window goes on while this thread waits.
    Problem lock(SystemFile& file) {
        auto taken = file.tryLock();
        if (const auto* why = std::get_if<std::string>(&taken)) {
            return *why;
        }
        if (std::get<SystemFile::Lock>(taken) == SystemFile::Lock::Taken) {
            return std::nullopt;
        }
        {
            const std::lock_guard hold(queue_->mutex);
            queue_->lockedOut = true;
            queue_->changed.notify_all();
        }
        return file.waitForLock();
    }

    // A row cut off by a kill or a power loss was never reported written: it is cut away, so
    // that the file holds whole rows only. Where no line end is near (a file not written by
    // this program), the new rows start on a line of their own instead.
    static std::variant<std::int64_t, std::string> wholeRowsEnd(SystemFile& file,
                                                                std::int64_t size) {
        constexpr std::int64_t kLook = 1 << 20;
        char block[8192];
        std::int64_t end = size;
        while (end > 0 && size - end < kLook) {
            const std::int64_t start = std::max<std::int64_t>(0, end - std::int64_t{sizeof block});
            auto got = file.readAt(start, block, static_cast<std::size_t>(end - start));
            if (auto* why = std::get_if<std::string>(&got)) {
                return *why;
            }
            const auto count = static_cast<std::int64_t>(std::get<std::size_t>(got));
            for (std::int64_t i = count; i > 0; --i) {
                if (block[i - 1] == '\n') {
                    return start + i;
                }
            }
            if (count < end - start) {
                break;
            }
            end = start;
        }
        return end == 0 ? std::int64_t{0} : -1;
    }

    Outcome write(const std::vector<std::string>& rows) {
        auto opened = openTrusted();
        if (auto* failed = std::get_if<OpenFailure>(&opened)) {
            return {failed->why, std::nullopt, 0, failed->mayPass};
        }
        auto& file = std::get<SystemFile>(opened);
        if (auto why = lock(file)) {
            return {why, std::nullopt};
        }
        {
            // The window closed and gave these rows up while the lock was held: they were
            // reported not recorded, and so they must not appear now.
            const std::lock_guard hold(queue_->mutex);
            if (queue_->abandoned) {
                return {std::nullopt, std::nullopt};
            }
        }
        auto facts = file.facts();
        if (auto* why = std::get_if<std::string>(&facts)) {
            return {*why, std::nullopt};
        }
        std::int64_t size = std::get<FileFacts>(facts).size;
        std::string bytes;
        if (size > 0) {
            auto whole = wholeRowsEnd(file, size);
            if (auto* why = std::get_if<std::string>(&whole)) {
                return {*why, std::nullopt};
            }
            const std::int64_t end = std::get<std::int64_t>(whole);
            if (end < 0) {
                bytes = "\r\n";
            } else if (end < size) {
                if (auto why = file.truncate(end)) {
                    return {why, std::nullopt};
                }
                size = end;
            }
        }
        if (size == 0) {
            bytes = std::string(kHeader) + "\r\n";
        }
        // A header or line end stays when the rows are taken back after a failed sync.
        const std::int64_t rowsStart = size + static_cast<std::int64_t>(bytes.size());
        for (const auto& row : rows) {
            bytes += row;
        }
        // A write cut short (a full disk, a quota) is taken back, so no half row is left.
        if (auto why = file.writeAtEnd(bytes, size)) {
            file.truncate(size);
            return {why, std::nullopt};
        }
        return {std::nullopt, std::move(file), rowsStart};
    }

    std::filesystem::path path_;
    static constexpr std::chrono::milliseconds kFirstPause{100};
    static constexpr std::chrono::seconds kRetryFor{30};

    std::filesystem::path instead_;
    std::string refusedWhy_;
    std::optional<std::chrono::steady_clock::time_point> retryingSince_;
    std::chrono::milliseconds pause_ = kFirstPause;
    std::shared_ptr<Queue> queue_;
    std::jthread thread_;
};

ResultsFile::ResultsFile(std::filesystem::path path, Noticed noticed, Patience patience)
    : path_(std::move(path)), patience_(patience), queue_(std::make_shared<Queue>()) {
    queue_->noticed = std::move(noticed);
}

ResultsFile::~ResultsFile() {
    if (!writer_) {
        return;
    }
    std::unique_lock hold(queue_->mutex);
    queue_->closing = true;
    queue_->changed.notify_all();
    if (queue_->changed.wait_for(hold, patience_.atClose, [&] { return queue_->finished; })) {
        hold.unlock();
        writer_->thread().join();
        return;
    }
    // A lock held for the rest of the lesson, or a share that hangs in a system call, cannot be
    // waited out: the rows still waiting are noticed, and the writer, which writes nothing
    // from now on, is left to end with the program.
    const std::size_t left = queue_->handed - queue_->settled;
    queue_->abandoned = true;
    queue_->waiting.clear();
    auto noticed = std::exchange(queue_->noticed, {});
    hold.unlock();
    if (noticed) {
        noticed({Notice::Kind::LockedAtExit, path_, {}, left, {}});
    }
    writer_->thread().detach();
    static_cast<void>(writer_.release());
}

ResultsFile::Handed ResultsFile::append(std::string row) {
    std::unique_lock hold(queue_->mutex);
    if (queue_->waiting.size() >= patience_.rows) {
        queue_->notice({Notice::Kind::NotWritten, path_, "too many answers waiting", 1, {}});
        return Handed::NotWritten;
    }
    if (!writer_) {
        writer_ = std::make_unique<Writer>(path_, queue_);
    }
    const bool earlierWaiting = queue_->settled != queue_->handed || queue_->lockedOut;
    queue_->waiting.push_back(std::move(row));
    const std::uint64_t mine = ++queue_->handed;
    queue_->changed.notify_all();
    if (earlierWaiting) {
        return Handed::Waiting;
    }
    queue_->changed.wait_for(hold, patience_.forWrite,
                             [&] { return queue_->settled >= mine || queue_->lockedOut; });
    if (queue_->settled < mine) {
        return Handed::Waiting;
    }
    return mine > queue_->failedFrom && mine <= queue_->failedTo ? Handed::NotWritten
                                                                 : Handed::Written;
}

Problem recordingProblem(const std::filesystem::path& folder, std::string_view pupil,
                         std::string_view computer) {
    if (auto problem = folderProblem(folder)) {
        return problem;
    }
    const std::string name = resultsFileName(pupil, computer);
    // A trial file under a name as long as the pupil's: the folder takes it, and its file
    // system takes a name that long, or writing the first row would fail the same way.
    std::string trialName = ".calquin-check-" + hex(freshNumber(), 16);
    trialName.resize(std::max(trialName.size(), name.size()), 'x');
    const auto trial = folder / trialName;
    {
        auto opened = SystemFile::openToAppend(trial, SystemFile::Creation::OnlyNew);
        if (auto* failed = std::get_if<OpenFailure>(&opened)) {
            return failed->why;
        }
        auto& file = std::get<SystemFile>(opened);
        Problem problem = file.writeAtEnd(std::string(kHeader) + "\r\n", 0);
        if (!problem) {
            problem = file.sync();
        }
        Problem closing = file.close();
        removeFile(trial);
        if (problem || closing) {
            return problem ? problem : closing;
        }
    }
    auto existing = SystemFile::openToRead(folder / name);
    if (auto* failed = std::get_if<OpenFailure>(&existing)) {
        return failed->missing ? Problem{} : Problem(failed->why);
    }
    auto facts = std::get<SystemFile>(existing).facts();
    if (auto* why = std::get_if<std::string>(&facts)) {
        return *why;
    }
    return trustProblem(std::get<FileFacts>(facts));
}

}  // namespace calquin::results
