// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `calquin --check` on a catalogue of 101 records, program start included, as a teacher runs it
// over ssh: no display. /bin/true, started the same way in the same run, shows what starting any
// program costs on this machine.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The environment without a display, so the program could not open a window if it tried.
std::vector<char*> environmentWithoutDisplay() {
    std::vector<char*> kept;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const bool display = std::strncmp(*entry, "DISPLAY=", 8) == 0 ||
                             std::strncmp(*entry, "WAYLAND_DISPLAY=", 16) == 0 ||
                             std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) == 0;
        if (!display) {
            kept.push_back(*entry);
        }
    }
    kept.push_back(nullptr);
    return kept;
}

// Runs the command with its output thrown away and returns its exit status, or -1.
int runQuietly(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const auto& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    static std::vector<char*> environment = environmentWithoutDisplay();
    pid_t pid = 0;
    const int failed =
        posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (failed != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

std::string catalogueOf101Records() {
    char path[] = "/tmp/calquin-check-bench-XXXXXX";
    const int fd = mkstemp(path);
    std::string text;
    const char* const signs[] = {"+", "-", "*", "/"};
    for (int i = 0; i < 101; ++i) {
        text += "\"Item " + std::to_string(i) + "\",3,2," + signs[(i / 10) % 4] + "\n";
    }
    if (fd < 0 || write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        std::perror("writing the catalogue");
        std::exit(1);
    }
    close(fd);
    return path;
}

void BM_Check101Records(benchmark::State& state) {
    static const std::string catalogue = catalogueOf101Records();
    for (auto _ : state) {
        if (runQuietly({CALQUIN_PROGRAM, "--check", catalogue}) != 0) {
            state.SkipWithError("calquin --check did not end with status 0");
            break;
        }
    }
}
BENCHMARK(BM_Check101Records)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartBinTrue(benchmark::State& state) {
    for (auto _ : state) {
        if (runQuietly({"/bin/true"}) != 0) {
            state.SkipWithError("/bin/true failed");
            break;
        }
    }
}
BENCHMARK(BM_StartBinTrue)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
