// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace calquin::results {

// Why a call failed, in the system's own words ("No space left on device").
using Problem = std::optional<std::string>;

// What the system says about an open file.
struct FileFacts {
    bool plainFile = false;
    bool ownedByThisAccount = false;
    std::uint64_t links = 0;
    std::int64_t size = 0;
};

// Why a file could not be opened, and what that says about its name.
struct OpenFailure {
    std::string why;
    // Something this account must not write into holds the name (a symbolic link, another
    // account's file it may not open, a pipe), which says nothing about the folder.
    bool nameTaken = false;
    bool missing = false;  // nothing has the name
    bool exists = false;   // a new file was asked for, and the name is taken
    // The file system cannot reach its server now (a share whose server went away), which may
    // pass.
    bool mayPass = false;
};

// One open file of the results folder, closed when it goes. This class and the few functions
// below are where the results code calls the system ; the rest of it is the same on every system,
// and another system needs only another file next to system_file_posix.cpp.
class SystemFile {
public:
    enum class Creation { MayCreate, OnlyNew };
    // Opens `path` for appending (and reading back its last bytes), made readable by the owner
    // and the file's group only when it is new. A symbolic link is never followed and a pipe or
    // device never waited on: such a name fails to open or opens as something not a plain file.
    static std::variant<SystemFile, OpenFailure> openToAppend(const std::filesystem::path& path,
                                                              Creation creation);
    // Opens `path` for reading only, never following a symbolic link or waiting on a pipe.
    static std::variant<SystemFile, OpenFailure> openToRead(const std::filesystem::path& path);

    SystemFile(SystemFile&& other) noexcept;
    SystemFile& operator=(SystemFile&& other) noexcept;
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile();

    std::variant<FileFacts, std::string> facts() const;
    // The owner's login name, where the system tells owners; empty otherwise. A directory
    // service may be asked, so it is not one of the facts every row needs.
    std::string ownerName() const;

    enum class Lock { Taken, HeldByAnother };
    // Takes the whole file against other writers (and readers that lock it), without waiting.
    // The lock belongs to this open file, not to the process, so that closing another
    // descriptor of the same file never lets go of it.
    std::variant<Lock, std::string> tryLock();
    // Waits until the whole file is this writer's.
    Problem waitForLock();
    void unlock();

    // Where the data at or after `offset` starts and where it ends, so that a sparse file's holes,
    // which hold nothing but zeros, need not be read; nothing when only holes are left. Where the
    // file system cannot tell, the rest of the file is data.
    struct Data {
        std::int64_t from = 0;
        std::int64_t to = 0;
    };
    std::optional<Data> dataFrom(std::int64_t offset) const;
    // Reads up to `size` bytes at `offset`; the count read, 0 at the end.
    std::variant<std::size_t, std::string> readAt(std::int64_t offset, char* into,
                                                  std::size_t size);
    // Writes all of `bytes` at the end, which the caller found at `end` while holding the lock:
    // appended where the file system can, written at `end` where it cannot append.
    Problem writeAtEnd(std::string_view bytes, std::int64_t end);
    Problem truncate(std::int64_t size);
    // Hands what was written to the disk or the server, which may only now report a failed write.
    Problem sync();
    // Closes now and says what the closing reported, which a network share may use for a write
    // that failed; the destructor closes too, but can only ignore that.
    Problem close();

private:
    SystemFile(int descriptor, bool appends) : descriptor_(descriptor), appends_(appends) {}
    int descriptor_ = -1;
    bool appends_ = true;
};

// The same on every system: a descriptor of the C library's, moved and closed.
inline SystemFile::SystemFile(SystemFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), appends_(other.appends_) {}

inline SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
    if (this != &other) {
        close();
        descriptor_ = std::exchange(other.descriptor_, -1);
        appends_ = other.appends_;
    }
    return *this;
}

inline SystemFile::~SystemFile() {
    close();
}

// The name of the account running the program, as the system has it for the login.
std::string loginName();

// This computer's host name.
std::string hostName();

// Why files cannot be made in `folder` (it is missing, not a folder or not writable).
Problem folderProblem(const std::filesystem::path& folder);

// Removes `path`, if it is there.
void removeFile(const std::filesystem::path& path);

// The calendar time of `moment` where the computer is, and how far ahead of UTC that is.
struct LocalTime {
    std::tm fields{};
    long offsetSeconds = 0;
};
LocalTime localTime(std::time_t moment);

// A number no other run of the program is likely to draw, for names that must be new.
std::uint64_t freshNumber();

}  // namespace calquin::results
