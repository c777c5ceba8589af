// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_file.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <utility>
#include <variant>
#include <vector>

#include "results/results_row.h"
#include "results/results_writer.h"

namespace calquin::results {

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
    // Its thread may still be inside a system call that uses it, so the writer is never destroyed;
    // it is kept where the program can reach it, so that the sanitizers tell it from a writer lost
    // by mistake.
    static std::mutex guard;
    static auto* const leftToEndWithTheProgram = new std::vector<std::unique_ptr<Writer>>;
    const std::lock_guard keep(guard);
    leftToEndWithTheProgram->push_back(std::move(writer_));
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
    std::string trialName = ".calquin-check-" + hexDigits(freshNumber(), 16);
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
