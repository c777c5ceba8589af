// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace calquin::bench {
namespace {

// Xvfb writes the display number once it accepts connections; a server that has not done so by
// then is not going to.
constexpr int kReadyTimeoutMs = 10'000;

}  // namespace

void endProcess(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        usleep(20'000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

PrivateXServer::PrivateXServer() {
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make a pipe for Xvfb");
    }
    pid_ = fork();
    if (pid_ < 0) {
        throw std::runtime_error("cannot fork Xvfb");
    }
    if (pid_ == 0) {
        // The write end must survive exec; the read end is the parent's.
        const int fd = dup(ready[1]);
        const std::string fdText = std::to_string(fd);
        // 24-bit depth as on a desktop; the screen is larger than any window measured. No TCP and
        // no reset, so the server stays as it is between the launches.
        execlp("Xvfb", "Xvfb", "-displayfd", fdText.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);

    std::string number;
    pollfd waiting{ready[0], POLLIN, 0};
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kReadyTimeoutMs);
    while (number.empty() || number.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        char buffer[16];
        const ssize_t got = read(ready[0], buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        number.append(buffer, static_cast<std::size_t>(got));
    }
    close(ready[0]);
    if (number.empty() || number.back() != '\n') {
        endProcess(pid_);
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    number.pop_back();
    display_ = ":" + number;
}

PrivateXServer::~PrivateXServer() {
    if (pid_ > 0) {
        endProcess(pid_);
    }
}

}  // namespace calquin::bench
