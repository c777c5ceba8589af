#include "catalogue/catalogue_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace calquin::catalogue {
namespace {

// The file is read with the system's own calls: the program reads this one file once, and the
// stream and filesystem libraries would add their weight to every start for nothing. It is opened
// without blocking so that a named pipe in its place is refused instead of waited on.
class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~OpenFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int fd() const { return fd_; }

private:
    int fd_;
};

CatalogueFault fileFault(const std::string& path, std::string what) {
    return CatalogueFault{path, ReadError{0, 0, std::move(what)}};
}

std::string systemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

std::string absolutePath(const std::string& path) {
    std::string joined = path;
    if (path.empty() || path.front() != '/') {
        std::vector<char> cwd(4096);
        while (::getcwd(cwd.data(), cwd.size()) == nullptr && errno == ERANGE) {
            cwd.resize(cwd.size() * 2);
        }
        joined = std::string(cwd.data()) + "/" + path;
    }
    std::vector<std::string> steps;
    std::size_t start = 0;
    while (start <= joined.size()) {
        const std::size_t end = std::min(joined.find('/', start), joined.size());
        const std::string step = joined.substr(start, end - start);
        if (step == "..") {
            if (!steps.empty()) {
                steps.pop_back();
            }
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = end + 1;
    }
    std::string absolute;
    for (const auto& step : steps) {
        absolute += "/" + step;
    }
    return absolute.empty() ? "/" : absolute;
}

LoadResult loadCatalogueFile(const std::string& path) {
    const std::string absolute = absolutePath(path);
    OpenFile file(absolute);
    if (file.fd() < 0) {
        if (errno == ENOENT) {
            return fileFault(absolute,
                             "there is no such file; the program reads its drill items from a "
                             "file named \"index.txt\" in the folder it is started in");
        }
        return fileFault(absolute, systemError("the file cannot be opened"));
    }
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0) {
        return fileFault(absolute, systemError("the file cannot be examined"));
    }
    if (S_ISDIR(status.st_mode)) {
        return fileFault(absolute, "this is a folder, not a text file");
    }
    if (!S_ISREG(status.st_mode)) {
        return fileFault(absolute, "this is not an ordinary file");
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size > kMaxCatalogueBytes) {
        return fileFault(absolute, "the file is " + std::to_string(size / (1024 * 1024)) +
                                       " MiB long, far more than a catalogue of at most 101 "
                                       "items can be; it is not a catalogue");
    }

    // Read to the end even if the file grew since it was measured, but never past the limit.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() > kMaxCatalogueBytes) {
                return fileFault(absolute,
                                 "the file grew past the size of any catalogue while "
                                 "it was being read");
            }
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t got = ::read(file.fd(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return fileFault(absolute, systemError("the file cannot be read to its end"));
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);

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
    std::string text = "The test catalogue cannot be used.\n\nFile: " + fault.path + "\n";
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
