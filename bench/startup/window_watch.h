// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string>

namespace calquin::bench {

// One program started in one working directory.
struct Launch {
    std::string program;
    std::string workingDirectory;
    // Takes the program's standard output and error, so that its warnings do not bury the
    // figures; the tail is shown when a launch fails.
    std::string logFile;
    // Set as XDG_RUNTIME_DIR when the environment has none, as a desktop session would.
    std::string runtimeDirectory;
};

// What one launch showed. Times run from just before the fork to the moment the event was read.
struct Shown {
    double mapMs = 0;    // the top-level window mapped (MapNotify on the root)
    double paintMs = 0;  // the first pixels drawn into it (the first DAMAGE report)
    std::int64_t rssKiB = 0;
    std::int64_t rssAnonKiB = 0;
    std::int64_t rssFileKiB = 0;
    std::int64_t rssShmemKiB = 0;
    int width = 0;
    int height = 0;
    std::string title;
};

struct WatchTimes {
    // Memory is read once nothing has been drawn or moved for this long after the first paint.
    int settleMs = 300;
    // Give up on a launch whose window does not show or settle within this.
    int timeoutMs = 10'000;
};

// Watches an X server for top-level windows and launches programs on it, one at a time. Every
// window created on the root gets a DAMAGE object before it can be mapped, so the first drawing
// into it is seen even though this client is not the one drawing.
class WindowWatch {
public:
    explicit WindowWatch(const std::string& display);
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // Starts the program, waits for its window to be mapped, painted and settled, reads its
    // memory and ends it. Throws with the reason when the window does not come.
    Shown measure(const Launch& launch, const WatchTimes& times);

private:
    std::int64_t pidOf(xcb_window_t window);
    std::string titleOf(xcb_window_t window);
    void waitForGone(xcb_window_t window, int timeoutMs);

    std::string display_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::uint8_t damageEventBase_ = 0;
    xcb_atom_t pidAtom_ = 0;
    xcb_atom_t nameAtom_ = 0;
    xcb_atom_t utf8Atom_ = 0;
};

}  // namespace calquin::bench
