// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Launches the program and a bare Qt Widgets window in turn on an X server and compares how soon
// each shows its window and how much memory it holds once shown.

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "window_watch.h"
#include "x_server.h"

namespace {

using calquin::bench::Launch;
using calquin::bench::PrivateXServer;
using calquin::bench::Shown;
using calquin::bench::WatchTimes;
using calquin::bench::WindowWatch;
namespace fs = std::filesystem;

// Targets: the first paint within 1.3 times the bare window's, and at most 6 MiB more resident.
constexpr double kMaxPaintRatio = 1.3;
constexpr double kMaxExtraRssMiB = 6.0;
// Fewer runs than this make a median that one noisy launch can move.
constexpr int kMinRuns = 7;

struct Options {
    int runs = 9;
    int warmups = 1;
    std::string display;  // empty: start a private Xvfb
    std::string program = CALQUIN_PROGRAM;
    std::string baseline = BARE_WINDOW_PROGRAM;
    std::string dataDir = CALQUIN_DATA_DIR;
    // More builds of the program, measured in the same rotation, to judge a change before and
    // after under the same noise.
    std::vector<std::pair<std::string, std::string>> compare;
    WatchTimes times;
};

void usage(std::FILE* to) {
    std::fprintf(
        to,
        "usage: startup_bench [--runs N] [--warmups N] [--display :N] [--settle-ms MS]\n"
        "                     [--program PATH] [--baseline PATH] [--data DIR]\n"
        "                     [--compare NAME=PATH]...\n"
        "  --runs N        measured launches of each program, at least %d (default 9)\n"
        "  --warmups N     unmeasured launches of each first (default 1)\n"
        "  --display :N    use this X server instead of starting a private Xvfb\n"
        "  --settle-ms MS  quiet time after the first paint before reading memory "
        "(default 300)\n"
        "  --program PATH  the program (default: calquin of this build tree)\n"
        "  --baseline PATH the bare window (default: bare_window of this build tree)\n"
        "  --data DIR      folder whose files are copied to the program's working folder\n"
        "                  (default: the bundled data/)\n"
        "  --compare NAME=PATH  also measure another build of the program in the same\n"
        "                  rotation (repeatable); the targets are judged on --program only\n",
        kMinRuns);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--help" || flag == "-h") {
            usage(stdout);
            std::exit(0);
        }
        if (i + 1 >= argc) {
            usage(stderr);
            std::exit(2);
        }
        const std::string value = argv[++i];
        if (flag == "--runs") {
            options.runs = std::stoi(value);
        } else if (flag == "--warmups") {
            options.warmups = std::stoi(value);
        } else if (flag == "--display") {
            options.display = value;
        } else if (flag == "--settle-ms") {
            options.times.settleMs = std::stoi(value);
        } else if (flag == "--program") {
            options.program = value;
        } else if (flag == "--baseline") {
            options.baseline = value;
        } else if (flag == "--data") {
            options.dataDir = value;
        } else if (flag == "--compare" && value.find('=') != std::string::npos) {
            options.compare.emplace_back(value.substr(0, value.find('=')),
                                         value.substr(value.find('=') + 1));
        } else {
            usage(stderr);
            std::exit(2);
        }
    }
    if (options.runs < kMinRuns || options.warmups < 0) {
        std::fprintf(stderr, "startup_bench: --runs must be at least %d\n", kMinRuns);
        std::exit(2);
    }
    return options;
}

// The program reads its catalogue from the folder it starts in; a scratch copy keeps the source
// tree's data/ out of reach of whatever it does there. Beside it: the programs' output and a
// runtime folder.
class ScratchFolder {
public:
    explicit ScratchFolder(const fs::path& data) {
        std::string pattern = (fs::temp_directory_path() / "calquin-startup-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        root_ = pattern;
        fs::copy(data, workingDirectory(), fs::copy_options::recursive);
        // Qt refuses a runtime folder that others may read.
        fs::create_directory(runtimeDirectory());
        fs::permissions(runtimeDirectory(), fs::perms::owner_all);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    fs::path workingDirectory() const { return root_ / "data"; }
    fs::path runtimeDirectory() const { return root_ / "runtime"; }
    fs::path logFile(const std::string& name) const { return root_ / (name + ".log"); }

    Launch launch(const std::string& program, const std::string& name) const {
        return {program, workingDirectory().string(), logFile(name).string(),
                runtimeDirectory().string()};
    }

private:
    fs::path root_;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double mib(std::int64_t kib) {
    return static_cast<double>(kib) / 1024.0;
}

struct Series {
    std::string name;
    Launch launch;
    std::vector<Shown> runs;

    std::vector<double> field(double Shown::*member) const {
        std::vector<double> values;
        for (const Shown& run : runs) {
            values.push_back(run.*member);
        }
        return values;
    }
    std::vector<double> mebibytes(std::int64_t Shown::*member) const {
        std::vector<double> values;
        for (const Shown& run : runs) {
            values.push_back(mib(run.*member));
        }
        return values;
    }
};

void printRun(const Series& series, int index, const Shown& run) {
    std::printf(
        "  %-12s #%-2d  map %6.1f ms  paint %6.1f ms  VmRSS %5.1f MiB"
        " (anon %4.1f, file %4.1f, shmem %4.1f)\n",
        series.name.c_str(), index, run.mapMs, run.paintMs, mib(run.rssKiB), mib(run.rssAnonKiB),
        mib(run.rssFileKiB), mib(run.rssShmemKiB));
}

void printSummary(const Series& series) {
    const auto paint = series.field(&Shown::paintMs);
    std::printf(
        "%-12s %7.1f ms %8.1f ms  %5.1f to %5.1f ms %7.1f MiB %5.1f MiB %5.1f MiB %5.1f MiB\n",
        series.name.c_str(), median(series.field(&Shown::mapMs)), median(paint),
        *std::min_element(paint.begin(), paint.end()),
        *std::max_element(paint.begin(), paint.end()), median(series.mebibytes(&Shown::rssKiB)),
        median(series.mebibytes(&Shown::rssAnonKiB)), median(series.mebibytes(&Shown::rssFileKiB)),
        median(series.mebibytes(&Shown::rssShmemKiB)));
}

double ratioOfMedians(const Series& series, const Series& baseline, double Shown::*member) {
    return median(series.field(member)) / median(baseline.field(member));
}

double extraMiB(const Series& series, const Series& baseline) {
    return median(series.mebibytes(&Shown::rssKiB)) - median(baseline.mebibytes(&Shown::rssKiB));
}

void printRatios(const Series& series, const Series& baseline) {
    std::printf("%-12s %7.2fx %10.2fx  of bare %18s %+6.1f MiB over bare\n", series.name.c_str(),
                ratioOfMedians(series, baseline, &Shown::mapMs),
                ratioOfMedians(series, baseline, &Shown::paintMs), "", extraMiB(series, baseline));
}

PrivateXServer* privateServer = nullptr;

// Ctrl-C must not leave the private server running; its destructor would not run otherwise.
void stopOnSignal(int signal) {
    if (privateServer) {
        kill(privateServer->pid(), SIGTERM);
    }
    _exit(128 + signal);
}

int run(const Options& options) {
    // Without it the program would show its refusal in a message box, and that box would be
    // timed as if it were the window.
    if (!fs::is_regular_file(fs::path(options.dataDir) / "index.txt")) {
        throw std::runtime_error(options.dataDir + " holds no index.txt for the program to read");
    }
    const ScratchFolder folder(options.dataDir);
    std::unique_ptr<PrivateXServer> server;
    std::string display = options.display;
    if (display.empty()) {
        server = std::make_unique<PrivateXServer>();
        privateServer = server.get();
        signal(SIGINT, stopOnSignal);
        signal(SIGTERM, stopOnSignal);
        display = server->display();
        std::printf("X server: private Xvfb on %s (1280x1024x24, no window manager)\n",
                    display.c_str());
    } else {
        std::printf("X server: %s\n", display.c_str());
    }
    WindowWatch watch(display);

    std::vector<Series> all;
    all.push_back({"calquin", folder.launch(options.program, "calquin"), {}});
    all.push_back({"bare_window", folder.launch(options.baseline, "bare_window"), {}});
    for (const auto& [name, path] : options.compare) {
        all.push_back({name, folder.launch(path, name), {}});
    }
    std::printf(
        "Launches: %d of each, in turn, after %d unmeasured of each; memory read %d ms "
        "after the window last changed\n",
        options.runs, options.warmups, options.times.settleMs);

    for (int i = 0; i < options.warmups; ++i) {
        for (const Series& series : all) {
            watch.measure(series.launch, options.times);
        }
    }
    const std::size_t count = all.size();
    for (int i = 0; i < options.runs; ++i) {
        // Each round starts one further along, so none always follows the same one's clean-up.
        for (std::size_t k = 0; k < count; ++k) {
            Series& series = all[(static_cast<std::size_t>(i) + k) % count];
            series.runs.push_back(watch.measure(series.launch, options.times));
            printRun(series, i + 1, series.runs.back());
        }
    }

    const Series& program = all[0];
    const Series& baseline = all[1];
    std::printf("\n");
    for (const Series& series : all) {
        std::printf("%s window: %dx%d \"%s\"\n", series.name.c_str(), series.runs.front().width,
                    series.runs.front().height, series.runs.front().title.c_str());
    }
    std::printf(
        "\nMedians of %-2d  first map  first paint    paint range       VmRSS   anon   file  "
        "shmem\n",
        options.runs);
    printSummary(baseline);
    for (std::size_t k = 0; k < count; ++k) {
        if (k != 1) {
            printSummary(all[k]);
        }
    }
    for (std::size_t k = 0; k < count; ++k) {
        if (k != 1) {
            printRatios(all[k], baseline);
        }
    }

    const double paintRatio = ratioOfMedians(program, baseline, &Shown::paintMs);
    const double extraRss = extraMiB(program, baseline);
    const bool fastEnough = paintRatio <= kMaxPaintRatio;
    const bool lightEnough = extraRss <= kMaxExtraRssMiB;
    std::printf("\n%s  first paint %.3fx the bare window's (target at most %.1fx)\n",
                fastEnough ? "PASS" : "FAIL", paintRatio, kMaxPaintRatio);
    std::printf("%s  VmRSS %+.2f MiB over the bare window's (target at most %+.0f MiB)\n",
                lightEnough ? "PASS" : "FAIL", extraRss, kMaxExtraRssMiB);
    return fastEnough && lightEnough ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    try {
        options = parse(argc, argv);
    } catch (const std::logic_error&) {  // a number that is not one
        usage(stderr);
        return 2;
    }
    try {
        return run(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 2;
    }
}
