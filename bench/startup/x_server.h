// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

#include <string>

namespace calquin::bench {

// Asks a child process to end, waits up to two seconds, then kills it; either way it is reaped.
void endProcess(pid_t pid);

// An Xvfb of our own, so the figures come from a server that runs nothing else and has no window
// manager to delay the mapping. Xvfb picks a free display number itself (-displayfd), so two
// benchmarks or test runs started at the same time never collide.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":N", ready for connections.
    const std::string& display() const { return display_; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

}  // namespace calquin::bench
