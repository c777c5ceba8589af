// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_writer.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "results/results_row.h"

namespace calquin::results {

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

ResultsFile::Writer::Writer(std::filesystem::path path, std::shared_ptr<Queue> queue)
    : path_(std::move(path)),
      queue_(std::move(queue)),
      thread_([this](std::stop_token) { run(); }) {}

void ResultsFile::Writer::run() {
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
            queue_->notice({Notice::Kind::NotWritten, path_, *outcome.problem, batch.size(), {}});
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
bool ResultsFile::Writer::retry(std::vector<std::string>& batch,
                                std::unique_lock<std::mutex>& hold) {
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
std::variant<SystemFile, OpenFailure> ResultsFile::Writer::openOwn(
    const std::filesystem::path& target, SystemFile::Creation creation) {
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
std::variant<SystemFile, OpenFailure> ResultsFile::Writer::openTrusted() {
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
        const auto fresh = namedInstead(path_);
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
Problem ResultsFile::Writer::lock(SystemFile& file) {
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
std::variant<std::int64_t, std::string> ResultsFile::Writer::wholeRowsEnd(SystemFile& file,
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

ResultsFile::Writer::Outcome ResultsFile::Writer::write(const std::vector<std::string>& rows) {
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
}  // namespace calquin::results
