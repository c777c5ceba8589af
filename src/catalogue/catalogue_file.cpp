#include "catalogue/catalogue_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace calquin::catalogue {
namespace {

CatalogueFault fileFault(const std::filesystem::path& path, std::string what) {
    return CatalogueFault{path, ReadError{0, 0, std::move(what)}};
}

}  // namespace

LoadResult loadCatalogueFile(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) {
        absolute = path;
    }
    absolute = absolute.lexically_normal();

    const auto status = std::filesystem::status(absolute, ec);
    if (!std::filesystem::exists(status)) {
        return fileFault(absolute,
                         "there is no such file; the program reads its drill items from a "
                         "file named \"index.txt\" in the folder it is started in");
    }
    if (std::filesystem::is_directory(status)) {
        return fileFault(absolute, "this is a folder, not a text file");
    }
    if (!std::filesystem::is_regular_file(status)) {
        return fileFault(absolute, "this is not an ordinary file");
    }
    const auto size = std::filesystem::file_size(absolute, ec);
    if (!ec && size > kMaxCatalogueBytes) {
        return fileFault(absolute, "the file is " + std::to_string(size / (1024 * 1024)) +
                                       " MiB long, far more than a catalogue of at most 101 "
                                       "items can be; it is not a catalogue");
    }

    std::ifstream in(absolute, std::ios::binary);
    if (!in) {
        return fileFault(absolute,
                         std::string("the file cannot be opened: ") + std::strerror(errno));
    }
    // One read of the known size; a file that grows meanwhile is read to its end all the same.
    std::string bytes(ec ? 0 : static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in) {
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (in.bad()) {
        return fileFault(absolute, "the file cannot be read to its end");
    }

    auto result = readCatalogue(bytes);
    if (auto* error = std::get_if<ReadError>(&result)) {
        return CatalogueFault{absolute, std::move(*error)};
    }
    return std::get<std::vector<Record>>(std::move(result));
}

std::string describeFault(const CatalogueFault& fault) {
    std::string what = fault.error.what;
    if (!what.empty() && what.front() >= 'a' && what.front() <= 'z') {
        what.front() = static_cast<char>(what.front() - 'a' + 'A');
    }
    std::string text = "The test catalogue cannot be used.\n\nFile: " + fault.path.string() + "\n";
    if (fault.error.line > 0) {
        text += "Line " + std::to_string(fault.error.line);
        if (fault.error.column > 0) {
            text += ", column " + std::to_string(fault.error.column);
        }
        text += ": " + fault.error.what;
    } else {
        text += what;
    }
    return text + ".";
}

}  // namespace calquin::catalogue
