// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results code's calls to Windows. Names reach the system as UTF-16 (path::c_str() is wide
// here), never through the ANSI code page, so a pupil or folder named in any script works.
// An open file is kept as a C runtime descriptor wrapping its handle, so that the class has the
// same shape on every system.

#include <aclapi.h>
#include <fcntl.h>
#include <io.h>
#include <lmcons.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "results/system_file.h"

namespace calquin::results {
namespace {

std::string utf8(const wchar_t* text, int length = -1) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    if (length < 0 && !out.empty() && out.back() == '\0') {
        out.pop_back();
    }
    return out;
}

// The system's sentence for an error, without the full stop and line end Windows adds, so that
// it reads like the other systems' reasons inside the program's own messages.
std::string systemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason = length > 0 ? utf8(text, static_cast<int>(length)) : std::string();
    ::LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == ' ' || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason.empty() ? "Windows error " + std::to_string(error) : reason;
}

HANDLE handleOf(int descriptor) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor));
}

OpenFailure openFailure(DWORD error) {
    // Access denied is a name this account may not open for writing whatever the folder allows
    // (another account's file, a folder); a sharing violation is a program holding it shut.
    const bool taken = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                       error == ERROR_CANT_ACCESS_FILE;
    const bool mayPass = error == ERROR_NETNAME_DELETED || error == ERROR_UNEXP_NET_ERR ||
                         error == ERROR_SEM_TIMEOUT || error == ERROR_NETWORK_UNREACHABLE ||
                         error == ERROR_HOST_UNREACHABLE || error == ERROR_BAD_NETPATH ||
                         error == ERROR_NETWORK_BUSY || error == ERROR_REM_NOT_LIST ||
                         error == ERROR_DEV_NOT_EXIST || error == ERROR_CONNECTION_ABORTED;
    return {systemReason(error), taken,
            error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND,
            error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS, mayPass};
}

// Wraps an open handle, or says why there is none.
std::variant<int, OpenFailure> adopt(HANDLE handle, int flags) {
    if (handle == INVALID_HANDLE_VALUE) {
        return openFailure(::GetLastError());
    }
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
    if (descriptor < 0) {
        ::CloseHandle(handle);
        return OpenFailure{"too many open files", false, false, false, false};
    }
    return descriptor;
}

// A symbolic link or junction is opened as itself and then is not a plain file, as O_NOFOLLOW
// does on the other systems.
HANDLE openHandle(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    return ::CreateFileW(
        path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

struct LocalMemory {
    void operator()(void* memory) const { ::LocalFree(memory); }
};

// The account's security identifiers a file it made may carry as its owner: the user, and the
// default owner its token gives new files (the Administrators group for an elevated
// administrator).
bool isThisAccount(PSID owner) {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return false;
    }
    bool same = false;
    for (const auto kind : {TokenUser, TokenOwner}) {
        DWORD size = 0;
        ::GetTokenInformation(token, kind, nullptr, 0, &size);
        std::vector<unsigned char> buffer(size);
        if (size == 0 || !::GetTokenInformation(token, kind, buffer.data(), size, &size)) {
            continue;
        }
        const PSID sid = kind == TokenUser ? reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid
                                           : reinterpret_cast<TOKEN_OWNER*>(buffer.data())->Owner;
        same = same || ::EqualSid(owner, sid);
    }
    ::CloseHandle(token);
    return same;
}

// The owner of an open file, with the security descriptor that holds it; null where the file
// system keeps no owners.
std::unique_ptr<void, LocalMemory> ownerOf(HANDLE handle, PSID& owner) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    owner = nullptr;
    if (::GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                          nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        owner = nullptr;
        return nullptr;
    }
    return std::unique_ptr<void, LocalMemory>(descriptor);
}

// The lock is one byte far past any row ever written, so that it orders the writers without
// keeping a report from reading the file (a Windows lock on the rows would refuse their reads).
constexpr DWORD kLockOffsetHigh = 0x7fffffff;

bool lockFile(HANDLE handle, DWORD flags) {
    OVERLAPPED where{};
    where.OffsetHigh = kLockOffsetHigh;
    return ::LockFileEx(handle, flags | LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &where) != 0;
}

}  // namespace

std::variant<SystemFile, OpenFailure> SystemFile::openToAppend(const std::filesystem::path& path,
                                                               Creation creation) {
    // Written at the end the caller found under the lock, since cutting a half row off again
    // needs write access, which append-only access lacks. New files take the folder's
    // inherited permissions, as a teacher's share sets them.
    auto opened = adopt(openHandle(path, GENERIC_READ | GENERIC_WRITE,
                                   creation == Creation::OnlyNew ? CREATE_NEW : OPEN_ALWAYS),
                        _O_BINARY);
    if (auto* failure = std::get_if<OpenFailure>(&opened)) {
        return std::move(*failure);
    }
    return SystemFile(std::get<int>(opened), false);
}

std::variant<SystemFile, OpenFailure> SystemFile::openToRead(const std::filesystem::path& path) {
    auto opened = adopt(openHandle(path, GENERIC_READ, OPEN_EXISTING), _O_BINARY | _O_RDONLY);
    if (auto* failure = std::get_if<OpenFailure>(&opened)) {
        return std::move(*failure);
    }
    return SystemFile(std::get<int>(opened), false);
}

std::variant<FileFacts, std::string> SystemFile::facts() const {
    const HANDLE handle = handleOf(descriptor_);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) {
        return systemReason(::GetLastError());
    }
    const bool plain =
        ::GetFileType(handle) == FILE_TYPE_DISK &&
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    PSID owner = nullptr;
    const auto keep = ownerOf(handle, owner);
    // A file system without owners (FAT on a stick) cannot show another account's file.
    const bool owned = owner == nullptr || isThisAccount(owner);
    return FileFacts{
        plain, owned, info.nNumberOfLinks,
        static_cast<std::int64_t>((std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow)};
}

std::string SystemFile::ownerName() const {
    PSID owner = nullptr;
    const auto keep = ownerOf(handleOf(descriptor_), owner);
    if (owner == nullptr) {
        return {};
    }
    wchar_t name[256] = {};
    wchar_t domain[256] = {};
    DWORD nameSize = 256;
    DWORD domainSize = 256;
    SID_NAME_USE use{};
    if (!::LookupAccountSidW(nullptr, owner, name, &nameSize, domain, &domainSize, &use)) {
        return {};
    }
    return utf8(name);
}

std::variant<SystemFile::Lock, std::string> SystemFile::tryLock() {
    if (lockFile(handleOf(descriptor_), LOCKFILE_FAIL_IMMEDIATELY)) {
        return Lock::Taken;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) {
        return Lock::HeldByAnother;
    }
    return systemReason(error);
}

Problem SystemFile::waitForLock() {
    if (lockFile(handleOf(descriptor_), 0)) {
        return std::nullopt;
    }
    return systemReason(::GetLastError());
}

void SystemFile::unlock() {
    OVERLAPPED where{};
    where.OffsetHigh = kLockOffsetHigh;
    ::UnlockFileEx(handleOf(descriptor_), 0, 1, 0, &where);
}

std::optional<SystemFile::Data> SystemFile::dataFrom(std::int64_t offset) const {
    // NTFS tells a sparse file's ranges only through a control code of its own; every byte is
    // read instead, in blocks, so a sparse file costs time but never memory.
    return Data{offset, std::numeric_limits<std::int64_t>::max()};
}

std::variant<std::size_t, std::string> SystemFile::readAt(std::int64_t offset, char* into,
                                                          std::size_t size) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset);
    where.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!::ReadFile(handleOf(descriptor_), into, wanted, &got, &where)) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_HANDLE_EOF) {
            return std::size_t{0};
        }
        return systemReason(error);
    }
    return static_cast<std::size_t>(got);
}

Problem SystemFile::writeAtEnd(std::string_view bytes, std::int64_t end) {
    const HANDLE handle = handleOf(descriptor_);
    while (!bytes.empty()) {
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(end);
        where.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(end) >> 32);
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!::WriteFile(handle, bytes.data(), size, &written, &where)) {
            return systemReason(::GetLastError());
        }
        if (written == 0) {
            // A write of nothing where bytes were due is a full disk in all but name.
            return systemReason(ERROR_DISK_FULL);
        }
        bytes.remove_prefix(written);
        end += written;
    }
    return std::nullopt;
}

Problem SystemFile::truncate(std::int64_t size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    if (!::SetFileInformationByHandle(handleOf(descriptor_), FileEndOfFileInfo, &end, sizeof end)) {
        return systemReason(::GetLastError());
    }
    return std::nullopt;
}

Problem SystemFile::sync() {
    if (!::FlushFileBuffers(handleOf(descriptor_))) {
        const DWORD error = ::GetLastError();
        // A read-only handle has nothing to hand on.
        if (error != ERROR_ACCESS_DENIED && error != ERROR_INVALID_HANDLE) {
            return systemReason(error);
        }
    }
    return std::nullopt;
}

Problem SystemFile::close() {
    const int descriptor = std::exchange(descriptor_, -1);
    if (descriptor >= 0 && ::_close(descriptor) != 0) {
        return systemReason(::GetLastError());
    }
    return std::nullopt;
}

std::string loginName() {
    wchar_t name[UNLEN + 1] = {};
    DWORD size = UNLEN + 1;
    if (::GetUserNameW(name, &size)) {
        return utf8(name);
    }
    const char* user = std::getenv("USERNAME");
    return user ? user : "user";
}

std::string hostName() {
    wchar_t name[256] = {};
    DWORD size = 256;
    if (::GetComputerNameExW(ComputerNameDnsHostname, name, &size) && size > 0) {
        return utf8(name);
    }
    size = 256;
    if (::GetComputerNameW(name, &size) && size > 0) {
        return utf8(name);
    }
    return "localhost";
}

Problem folderProblem(const std::filesystem::path& folder) {
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return systemReason(::GetLastError());
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return systemReason(ERROR_DIRECTORY);
    }
    // Windows has no access(): the system itself says whether this account may add files,
    // its folder permissions and a share's permissions both included.
    const HANDLE handle = ::CreateFileW(
        folder.c_str(), FILE_ADD_FILE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return systemReason(::GetLastError());
    }
    ::CloseHandle(handle);
    return std::nullopt;
}

void removeFile(const std::filesystem::path& path) {
    ::DeleteFileW(path.c_str());
}

std::uint64_t freshNumber() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device() ^ ::GetCurrentProcessId();
}

LocalTime localTime(std::time_t moment) {
    LocalTime local;
    localtime_s(&local.fields, &moment);
    // The local fields read as if they were UTC are the offset ahead of the moment.
    std::tm copy = local.fields;
    local.offsetSeconds = static_cast<long>(::_mkgmtime(&copy) - moment);
    return local;
}

}  // namespace calquin::results
