// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_source.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

#include "results/results_reader.h"

namespace calquin::results {
namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;

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

}  // namespace

ResultsSource::ResultsSource(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
        problem_ = std::strerror(errno);
        return;
    }
    plain_ = S_ISREG(info.st_mode);
    otherOwner_ = loginOf(info.st_uid);
}

ResultsSource::~ResultsSource() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<std::string> ResultsSource::readInto(ResultsReader& reader) {
    off_t pos = 0;
    bool seeksHoles = true;
    while (reader.wantsMore()) {
        off_t end = std::numeric_limits<off_t>::max();
        if (seeksHoles) {
            const off_t data = ::lseek(fd_, pos, SEEK_DATA);
            struct stat info {};
            if (data < 0 && errno == ENXIO) {
                if (::fstat(fd_, &info) == 0 && info.st_size > pos) {
                    reader.hole();  // a hole to the end
                }
                return std::nullopt;
            }
            if (data < 0) {
                seeksHoles = false;  // a file system that cannot tell: read every byte
            } else {
                if (data > pos) {
                    reader.hole();
                    pos = data;
                }
                const off_t hole = ::lseek(fd_, pos, SEEK_HOLE);
                end = hole < 0 ? end : hole;
            }
        }
        while (pos < end && reader.wantsMore()) {
            const auto want = static_cast<std::size_t>(std::min<off_t>(end - pos, kBlock));
            const ssize_t got = ::pread(fd_, reader.space(want), want, pos);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                return std::strerror(errno);
            }
            if (got == 0) {
                return std::nullopt;
            }
            reader.commit(static_cast<std::size_t>(got));
            pos += got;
        }
        if (!seeksHoles) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace calquin::results
