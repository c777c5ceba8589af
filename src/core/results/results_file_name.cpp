// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdint>
#include <string>

#include "results/results_file.h"
#include "results/results_writer.h"

namespace calquin::results {
namespace {

// Room a file system gives a name (NAME_MAX on Linux, 255 UTF-16 units on SMB) is 255 bytes;
// a name kept whole stays well below it, so that the '+' hash and the '~' of a name made
// instead always fit.
constexpr std::size_t kWholeName = 200;
constexpr std::size_t kPupilPart = 120;
constexpr std::size_t kComputerPart = 60;
constexpr std::string_view kExtension = ".csv";

// Windows opens a device, not a file, for these names followed by an extension ("CON.x",
// "nul.tar.gz"), whatever the case; a name must never start with one and a dot.
bool isDeviceName(std::string_view name) {
    if (name.size() < 3 || name.size() > 4) {
        return false;
    }
    std::string upper;
    for (const char c : name) {
        upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") {
        return true;
    }
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
           upper[3] >= '0' && upper[3] <= '9';
}

// `startsName`: the part begins the file name, where a device name counts.
void appendSafe(std::string& out, std::string_view name, std::size_t room, bool startsName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::size_t firstDot = name.find('.');
    const bool deviceFirst = startsName && isDeviceName(name.substr(0, firstDot));
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-' ||
                           (c == '.' && i > 0 && !(i == firstDot && deviceFirst));
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
    appendSafe(whole, pupil, SIZE_MAX, true);
    whole += '@';
    appendSafe(whole, computer, SIZE_MAX, false);
    if (whole.size() <= kWholeName) {
        return whole;
    }
    std::string cut;
    appendSafe(cut, pupil, kPupilPart, true);
    cut += '+';
    cut += hexDigits(nameHash(pupil, computer), 16);
    cut += '@';
    std::string host;
    appendSafe(host, computer, kComputerPart, false);
    return cut + host;
}

}  // namespace

std::string hexDigits(std::uint64_t value, int digits) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) {
        text[static_cast<std::size_t>(i)] = kHex[value & 0xF];
    }
    return text;
}

std::filesystem::path namedInstead(const std::filesystem::path& path) {
    std::string name = path.filename().string();
    name.resize(name.size() - kExtension.size());
    return path.parent_path() /
           (name + '~' + hexDigits(freshNumber(), 8) + std::string(kExtension));
}

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

}  // namespace calquin::results
