// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/phrase.h"

namespace calquin::catalogue {
namespace fs = std::filesystem;
namespace {

// The refusal of a file that is too large names the limit in its words.
static_assert(kMaxCatalogueBytes == 16 * 1024 * 1024);

// C stdio rather than a stream for the bytes: the program reads this one file once, and a stream
// would set up the locale machinery on every start for nothing.
class OpenFile {
public:
    explicit OpenFile(const fs::path& path) : file_(std::fopen(path.string().c_str(), "rb")) {
        if (file_ != nullptr) {
            // The bytes go straight into the caller's buffer, without a second copy in stdio's.
            std::setvbuf(file_, nullptr, _IONBF, 0);
        }
    }
    ~OpenFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    std::FILE* get() const { return file_; }

private:
    std::FILE* file_;
};

CatalogueFault fileFault(const std::string& path, Text what, std::string detail = {}) {
    return CatalogueFault{path, ReadError{0, 0, what, std::move(detail)}};
}

}  // namespace

std::string absolutePath(const std::string& path) {
    fs::path joined(path);
    if (!joined.is_absolute()) {
        std::error_code error;
        const fs::path cwd = fs::current_path(error);
        if (!error) {
            joined = cwd / joined;
        }
    }
    fs::path normal = joined.lexically_normal();
    // "a/.." and a trailing separator leave an empty last step; the folder is meant, not its
    // contents.
    if (!normal.has_filename() && normal.has_relative_path()) {
        normal = normal.parent_path();
    }
    return normal.string();
}

LoadResult loadCatalogueFile(const std::string& path) {
    const std::string absolute = absolutePath(path);
    const fs::path file(absolute);

    // The type is looked at before the file is opened: opening a named pipe or a device would wait
    // for a writer or read without end.
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        return fileFault(absolute,
                         translatable("Catalogue",
                                      "there is no such file; the program reads its drill items "
                                      "from a file named \"index.txt\" in the folder it is "
                                      "started in"));
    }
    if (error) {
        return fileFault(absolute, translatable("Catalogue", "the file cannot be opened"),
                         error.message());
    }
    if (status.type() == fs::file_type::directory) {
        return fileFault(absolute, translatable("Catalogue", "this is a folder, not a text file"));
    }
    if (status.type() != fs::file_type::regular) {
        return fileFault(absolute, translatable("Catalogue", "this is not an ordinary file"));
    }
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) {
        return fileFault(absolute, translatable("Catalogue", "the file cannot be examined"),
                         error.message());
    }
    if (size > kMaxCatalogueBytes) {
        return fileFault(absolute,
                         translatable("Catalogue",
                                      "the file is far larger than a catalogue of at most 101 "
                                      "items can be (over 16 MiB); it is not a catalogue"));
    }

    OpenFile opened(file);
    if (opened.get() == nullptr) {
        return fileFault(absolute, translatable("Catalogue", "the file cannot be opened"),
                         std::strerror(errno));
    }
    // Read to the end even if the file grew since it was measured, but never past the limit.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() > kMaxCatalogueBytes) {
                return fileFault(absolute,
                                 translatable("Catalogue",
                                              "the file grew past the size of any catalogue "
                                              "while it was being read"));
            }
            bytes.resize(bytes.size() * 2);
        }
        filled += std::fread(bytes.data() + filled, 1, bytes.size() - filled, opened.get());
        if (std::ferror(opened.get()) != 0) {
            return fileFault(absolute,
                             translatable("Catalogue", "the file cannot be read to its end"),
                             std::strerror(errno));
        }
        if (std::feof(opened.get()) != 0) {
            break;
        }
    }
    bytes.resize(filled);

    auto result = readCatalogue(bytes);
    if (auto* readError = std::get_if<ReadError>(&result)) {
        return CatalogueFault{absolute, std::move(*readError)};
    }
    return std::get<std::vector<Record>>(std::move(result));
}

}  // namespace calquin::catalogue
