// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_watch.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "x_server.h"

extern char** environ;

namespace calquin::bench {
namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start, Clock::time_point now) {
    return std::chrono::duration<double, std::milli>(now - start).count();
}

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> own(Reply* reply) {
    return Owned<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto reply = own(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The child's environment: ours, with the display and the platform plugin pinned so that a
// QT_QPA_PLATFORM=offscreen left in the shell cannot turn the measurement into a no-op.
std::vector<std::string> childEnvironment(const std::string& display, const Launch& launch) {
    std::vector<std::string> entries;
    bool runtimeDirectory = false;
    bool sessionBus = false;
    for (char** entry = environ; *entry; ++entry) {
        const std::string_view text = *entry;
        if (!text.starts_with("DISPLAY=") && !text.starts_with("QT_QPA_PLATFORM=")) {
            entries.emplace_back(text);
        }
        runtimeDirectory = runtimeDirectory || text.starts_with("XDG_RUNTIME_DIR=");
        sessionBus = sessionBus || text.starts_with("DBUS_SESSION_BUS_ADDRESS=");
    }
    // Without a session bus address, Qt's accessibility bridge has libdbus fork and exec
    // dbus-launch in a thread while the window is being built: tens of milliseconds of noise
    // that a desktop session, which has a bus, never sees. An address that leads nowhere fails
    // at once instead.
    if (!sessionBus && !launch.runtimeDirectory.empty()) {
        entries.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=" + launch.runtimeDirectory +
                          "/no-bus");
    }
    if (!runtimeDirectory && !launch.runtimeDirectory.empty()) {
        entries.push_back("XDG_RUNTIME_DIR=" + launch.runtimeDirectory);
    }
    entries.push_back("DISPLAY=" + display);
    entries.emplace_back("QT_QPA_PLATFORM=xcb");
    return entries;
}

struct Memory {
    std::int64_t rss = 0;
    std::int64_t anon = 0;
    std::int64_t file = 0;
    std::int64_t shmem = 0;
};

Memory memoryOf(pid_t pid) {
    Memory memory;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    std::int64_t kib = 0;
    while (status >> key) {
        if (key == "VmRSS:" && status >> kib) {
            memory.rss = kib;
        } else if (key == "RssAnon:" && status >> kib) {
            memory.anon = kib;
        } else if (key == "RssFile:" && status >> kib) {
            memory.file = kib;
        } else if (key == "RssShmem:" && status >> kib) {
            memory.shmem = kib;
        }
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return memory;
}

std::string describeExit(int status) {
    if (WIFEXITED(status)) {
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return std::string("was killed by signal ") + strsignal(WTERMSIG(status));
    }
    return "stopped";
}

std::string tailOf(const std::string& path) {
    std::ifstream log(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) {
        lines.push_back(line);
    }
    std::string tail;
    for (std::size_t i = lines.size() > 10 ? lines.size() - 10 : 0; i < lines.size(); ++i) {
        tail += "\n    " + lines[i];
    }
    return tail.empty() ? tail : "; its output ended:" + tail;
}

}  // namespace

WindowWatch::WindowWatch(const std::string& display) : display_(display) {
    int screenNumber = 0;
    connection_ = xcb_connect(display.c_str(), &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot connect to the X server " + display);
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    root_ = screens.data->root;

    const auto* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) {
        throw std::runtime_error("the X server " + display + " has no DAMAGE extension");
    }
    damageEventBase_ = damage->first_event;
    // A client must agree on a version before its first DAMAGE request.
    std::free(xcb_damage_query_version_reply(
        connection_,
        xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    // Creation and mapping of every top-level window arrive as the root's substructure events.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (auto* error = xcb_request_check(
            connection_,
            xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        throw std::runtime_error("cannot watch the root window of " + display);
    }
    pidAtom_ = atom(connection_, "_NET_WM_PID");
    nameAtom_ = atom(connection_, "_NET_WM_NAME");
    utf8Atom_ = atom(connection_, "UTF8_STRING");
}

WindowWatch::~WindowWatch() {
    xcb_disconnect(connection_);
}

std::int64_t WindowWatch::pidOf(xcb_window_t window) {
    auto reply = own(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
        return -1;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

std::string WindowWatch::titleOf(xcb_window_t window) {
    for (const auto& [name, type] :
         {std::pair{nameAtom_, utf8Atom_},
          std::pair{xcb_atom_t{XCB_ATOM_WM_NAME}, xcb_atom_t{XCB_ATOM_STRING}}}) {
        auto reply = own(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, name, type, 0, 256), nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0) {
            return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
        }
    }
    return {};
}

// The next launch must not meet the last one's window, nor share the server with its clean-up.
void WindowWatch::waitForGone(xcb_window_t window, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (auto event = own(xcb_poll_for_event(connection_))) {
            if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY &&
                reinterpret_cast<xcb_destroy_notify_event_t*>(event.get())->window == window) {
                return;
            }
        }
        poll(&readable, 1, 20);
    }
}

Shown WindowWatch::measure(const Launch& launch, const WatchTimes& times) {
    while (auto stale = own(xcb_poll_for_event(connection_))) {
    }
    const std::vector<std::string> environment = childEnvironment(display_, launch);
    std::vector<char*> envp;
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(launch.program.c_str()), nullptr};
    const int xFd = xcb_get_file_descriptor(connection_);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("cannot fork");
    }
    if (pid == 0) {
        close(xFd);
        if (!launch.logFile.empty()) {
            const int log = open(launch.logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (log >= 0) {
                dup2(log, STDOUT_FILENO);
                dup2(log, STDERR_FILENO);
                close(log);
            }
        }
        if (chdir(launch.workingDirectory.c_str()) != 0) {
            _exit(126);
        }
        execve(launch.program.c_str(), argv, envp.data());
        _exit(127);
    }

    Shown shown;
    xcb_window_t window = XCB_WINDOW_NONE;
    bool painted = false;
    Clock::time_point lastChange = start;
    const Clock::time_point deadline = start + std::chrono::milliseconds(times.timeoutMs);
    pollfd readable{xFd, POLLIN, 0};
    std::string failure;

    while (failure.empty()) {
        while (auto event = own(xcb_poll_for_event(connection_))) {
            const Clock::time_point now = Clock::now();
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
                if (created->parent == root_ && !created->override_redirect) {
                    // One report whenever the window goes from clean to drawn; re-armed below.
                    xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(connection_);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                // Another client of a shared server may map windows too; ours carries our pid.
                if (window == XCB_WINDOW_NONE && mapped->event == root_ &&
                    !mapped->override_redirect) {
                    const std::int64_t owner = pidOf(mapped->window);
                    if (owner < 0 || owner == pid) {
                        window = mapped->window;
                        shown.mapMs = msSince(start, now);
                        lastChange = now;
                    }
                }
            } else if (type == XCB_CONFIGURE_NOTIFY) {
                if (reinterpret_cast<xcb_configure_notify_event_t*>(event.get())->window ==
                    window) {
                    lastChange = now;
                }
            } else if (type == damageEventBase_ + XCB_DAMAGE_NOTIFY) {
                const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
                xcb_damage_subtract(connection_, damaged->damage, XCB_NONE, XCB_NONE);
                xcb_flush(connection_);
                if (damaged->drawable == window && window != XCB_WINDOW_NONE) {
                    if (!painted) {
                        painted = true;
                        shown.paintMs = msSince(start, now);
                    }
                    lastChange = now;
                }
            }
        }
        if (xcb_connection_has_error(connection_)) {
            throw std::runtime_error("lost the connection to the X server");
        }
        const Clock::time_point now = Clock::now();
        if (painted && msSince(lastChange, now) >= times.settleMs) {
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            throw std::runtime_error(launch.program + " " + describeExit(status) +
                                     " before its window showed" + tailOf(launch.logFile));
        }
        if (now >= deadline) {
            failure = window == XCB_WINDOW_NONE ? "no window was mapped"
                                                : "the window was mapped but never drawn";
            break;
        }
        const double waitMs =
            painted ? times.settleMs - msSince(lastChange, now) : msSince(now, deadline);
        poll(&readable, 1, std::max(1, std::min(static_cast<int>(waitMs) + 1, 50)));
    }

    if (failure.empty()) {
        const Memory memory = memoryOf(pid);
        shown.rssKiB = memory.rss;
        shown.rssAnonKiB = memory.anon;
        shown.rssFileKiB = memory.file;
        shown.rssShmemKiB = memory.shmem;
        if (auto geometry = own(xcb_get_geometry_reply(
                connection_, xcb_get_geometry(connection_, window), nullptr))) {
            shown.width = geometry->width;
            shown.height = geometry->height;
        }
        shown.title = titleOf(window);
    }
    endProcess(pid);
    if (window != XCB_WINDOW_NONE) {
        waitForGone(window, 2'000);
    }
    if (!failure.empty()) {
        throw std::runtime_error(launch.program + ": " + failure + " within " +
                                 std::to_string(times.timeoutMs) + " ms" + tailOf(launch.logFile));
    }
    return shown;
}

}  // namespace calquin::bench
