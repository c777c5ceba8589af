// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "results/results_row.h"

namespace calquin::results {
namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

void appendSafe(std::string& out, std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-' || (c == '.' && i > 0);
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
}

// A file descriptor that is closed however the append ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Holds the whole file against other writers that ask for it too, so that two windows of one
// pupil on one computer (and, where the share passes locks on, two computers) take turns. A
// record lock, since network file systems pass those on and not flock's; one that belongs to
// the open file, where the system has it, so that the disk thread closing an earlier row's
// descriptor does not let go of the lock a later row holds.
bool lockWhole(int fd, short type) {
#ifdef F_OFD_SETLKW
    constexpr int kWait = F_OFD_SETLKW;
#else
    constexpr int kWait = F_SETLKW;
#endif
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    while (::fcntl(fd, kWait, &lock) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

}  // namespace

// Hands written rows to the disk one after the other, on a thread of its own: a sync can take
// milliseconds, and the pupil's next question must not wait for it.
class ResultsFile::DiskSync {
public:
    DiskSync() : thread_([this] { run(); }) {}
    ~DiskSync() {
        {
            const std::lock_guard<std::mutex> hold(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    // Takes over the descriptor and closes it once its rows are on the disk.
    void add(int fd) {
        {
            const std::lock_guard<std::mutex> hold(mutex_);
            pending_.push_back(fd);
        }
        wake_.notify_one();
    }

private:
    void run() {
        std::unique_lock<std::mutex> hold(mutex_);
        for (;;) {
            wake_.wait(hold, [this] { return stopping_ || !pending_.empty(); });
            if (pending_.empty()) {
                return;
            }
            const int fd = pending_.front();
            pending_.pop_front();
            hold.unlock();
            ::fdatasync(fd);
            ::close(fd);
            hold.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<int> pending_;
    bool stopping_ = false;
    std::thread thread_;
};

ResultsFile::ResultsFile(std::filesystem::path path) : path_(std::move(path)) {}

ResultsFile::~ResultsFile() = default;

std::string resultsFileName(std::string_view pupil, std::string_view computer) {
    std::string name;
    appendSafe(name, pupil);
    name += '@';
    appendSafe(name, computer);
    name += ".csv";
    return name;
}

std::string loginName() {
    // The account, not the name of whoever logged in to the terminal first.
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        return found->pw_name;
    }
    const char* user = std::getenv("USER");
    return user ? user : std::to_string(::getuid());
}

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) {
        return "localhost";
    }
    return name;
}

std::optional<std::string> ResultsFile::append(std::string_view row) {
    // O_APPEND puts every write at the end as one step, whoever else appends; read access lets
    // the last byte be checked.
    // Readable by the pupil and the file's group, not by everyone: the rows are personal. A
    // teacher reads them through the folder's group or a default ACL, which this leaves working.
    // The folder may be writable by every pupil: a link put in place of a pupil's file must not
    // carry the rows elsewhere, and a pipe there must not swallow or hold them.
    Descriptor file(
        ::open(path_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0640));
    if (file.get() < 0) {
        return systemReason(errno);
    }
    if (!lockWhole(file.get(), F_WRLCK)) {
        return systemReason(errno);
    }
    struct stat before {};
    if (::fstat(file.get(), &before) != 0) {
        return systemReason(errno);
    }
    if (!S_ISREG(before.st_mode)) {
        return "not a plain file";
    }
    std::string bytes;
    if (before.st_size == 0) {
        bytes = std::string(kHeader) + "\r\n";
    } else {
        // A row cut off by a power loss ends without its line end; the new row must not be glued
        // to it, or both would be lost.
        char last = '\n';
        if (::pread(file.get(), &last, 1, before.st_size - 1) == 1 && last != '\n') {
            bytes = "\r\n";
        }
    }
    bytes += row;

    // One write of the whole row. A short or failed one (a full disk, a quota) is taken back,
    // so that no half row spoils the next one.
    const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
    const int writeError = errno;
    if (written != static_cast<ssize_t>(bytes.size())) {
        while (::ftruncate(file.get(), before.st_size) != 0 && errno == EINTR) {
        }
        return systemReason(written < 0 ? writeError : ENOSPC);
    }
    lockWhole(file.get(), F_UNLCK);
    if (!sync_) {
        sync_ = std::make_unique<DiskSync>();
    }
    sync_->add(file.release());
    return std::nullopt;
}

std::optional<std::string> folderProblem(const std::filesystem::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return systemReason(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return systemReason(ENOTDIR);
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return systemReason(errno);
    }
    return std::nullopt;
}

}  // namespace calquin::results
