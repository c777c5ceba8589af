// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "results/system_file.h"

namespace calquin::results {
namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

// A record lock, since network file systems pass those on and flock's not; one that belongs to
// the open file where the system has it.
int lockCommand(bool wait) {
#ifdef F_OFD_SETLK
    return wait ? F_OFD_SETLKW : F_OFD_SETLK;
#else
    return wait ? F_SETLKW : F_SETLK;
#endif
}

bool setLock(int descriptor, short type, bool wait = false) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    while (::fcntl(descriptor, lockCommand(wait), &lock) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

OpenFailure openFailure(int error) {
    // ELOOP is O_NOFOLLOW finding a link, ENXIO a socket, the rest a name this account may not
    // open for writing whatever the folder allows.
    const bool taken = error == ELOOP || error == EACCES || error == EPERM || error == ENXIO ||
                       error == EISDIR || error == ETXTBSY;
    const bool mayPass = error == EIO || error == ENOTCONN || error == ETIMEDOUT ||
                         error == ECONNABORTED || error == ECONNRESET || error == EHOSTDOWN ||
                         error == EHOSTUNREACH || error == ENETDOWN || error == ENETUNREACH ||
                         error == ESTALE;
    return {error == ELOOP ? std::string("a symbolic link") : systemReason(error), taken,
            error == ENOENT, error == EEXIST, mayPass};
}

std::string nameOf(uid_t owner) {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(owner, &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        return found->pw_name;
    }
    return {};
}

}  // namespace

std::variant<SystemFile, OpenFailure> SystemFile::openToAppend(const std::filesystem::path& path,
                                                               Creation creation) {
    // Read access lets the last bytes be checked. Mode 0640: the rows are personal; a teacher
    // reads them through the folder's group or a default ACL, which this leaves working.
    const int flags = O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK |
                      (creation == Creation::OnlyNew ? O_EXCL : 0);
    int descriptor = ::open(path.c_str(), flags | O_APPEND, 0640);
    if (descriptor >= 0) {
        return SystemFile(descriptor, true);
    }
    // Some FUSE clients of a school's share (smbnetfs) refuse to append with EIO and write
    // where they are told; the caller holds the lock and says where the end is.
    if (errno == EIO || errno == EOPNOTSUPP || errno == EINVAL) {
        descriptor = ::open(path.c_str(), flags, 0640);
        if (descriptor >= 0) {
            return SystemFile(descriptor, false);
        }
    }
    return openFailure(errno);
}

std::variant<SystemFile, OpenFailure> SystemFile::openToRead(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (descriptor < 0) {
        return openFailure(errno);
    }
    return SystemFile(descriptor, false);
}

std::variant<FileFacts, std::string> SystemFile::facts() const {
    struct stat info {};
    if (::fstat(descriptor_, &info) != 0) {
        return systemReason(errno);
    }
    return FileFacts{S_ISREG(info.st_mode), info.st_uid == ::geteuid(),
                     static_cast<std::uint64_t>(info.st_nlink),
                     static_cast<std::int64_t>(info.st_size)};
}

std::string SystemFile::ownerName() const {
    struct stat info {};
    return ::fstat(descriptor_, &info) == 0 ? nameOf(info.st_uid) : std::string();
}

std::variant<SystemFile::Lock, std::string> SystemFile::tryLock() {
    if (setLock(descriptor_, F_WRLCK)) {
        return Lock::Taken;
    }
    if (errno == EAGAIN || errno == EACCES) {
        return Lock::HeldByAnother;
    }
    return systemReason(errno);
}

Problem SystemFile::waitForLock() {
    if (setLock(descriptor_, F_WRLCK, true)) {
        return std::nullopt;
    }
    return systemReason(errno);
}

void SystemFile::unlock() {
    setLock(descriptor_, F_UNLCK);
}

std::optional<SystemFile::Data> SystemFile::dataFrom(std::int64_t offset) const {
    const off_t data = ::lseek(descriptor_, offset, SEEK_DATA);
    if (data < 0) {
        if (errno == ENXIO) {
            return std::nullopt;
        }
        return Data{offset, std::numeric_limits<std::int64_t>::max()};
    }
    const off_t hole = ::lseek(descriptor_, data, SEEK_HOLE);
    return Data{data, hole < 0 ? std::numeric_limits<std::int64_t>::max() : hole};
}

std::variant<std::size_t, std::string> SystemFile::readAt(std::int64_t offset, char* into,
                                                          std::size_t size) {
    for (;;) {
        const ssize_t got = ::pread(descriptor_, into, size, offset);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            return systemReason(errno);
        }
    }
}

Problem SystemFile::writeAtEnd(std::string_view bytes, std::int64_t end) {
    while (!bytes.empty()) {
        const ssize_t written = appends_ ? ::write(descriptor_, bytes.data(), bytes.size())
                                         : ::pwrite(descriptor_, bytes.data(), bytes.size(), end);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // A write of nothing where bytes were due is a full disk in all but name.
            return systemReason(written < 0 ? errno : ENOSPC);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        end += written;
    }
    return std::nullopt;
}

Problem SystemFile::truncate(std::int64_t size) {
    while (::ftruncate(descriptor_, size) != 0) {
        if (errno != EINTR) {
            return systemReason(errno);
        }
    }
    return std::nullopt;
}

Problem SystemFile::sync() {
    if (::fdatasync(descriptor_) != 0 && errno != EINVAL && errno != EROFS) {
        return systemReason(errno);
    }
    return std::nullopt;
}

Problem SystemFile::close() {
    const int descriptor = std::exchange(descriptor_, -1);
    // Not tried again on EINTR: Linux has closed the descriptor whatever close says.
    if (descriptor >= 0 && ::close(descriptor) != 0 && errno != EINTR) {
        return systemReason(errno);
    }
    return std::nullopt;
}

std::string loginName() {
    // The account, not the name of whoever logged in to the terminal first.
    std::string name = nameOf(::getuid());
    if (!name.empty()) {
        return name;
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

Problem folderProblem(const std::filesystem::path& folder) {
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

void removeFile(const std::filesystem::path& path) {
    ::unlink(path.c_str());
}

std::uint64_t freshNumber() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device() ^ static_cast<std::uint64_t>(::getpid());
}

LocalTime localTime(std::time_t moment) {
    LocalTime local;
    localtime_r(&moment, &local.fields);
    local.offsetSeconds = local.fields.tm_gmtoff;
    return local;
}

}  // namespace calquin::results
