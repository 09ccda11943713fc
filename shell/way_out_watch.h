// Keeps the system's ways out (way_outs.h) closed while the desktop is
// loaded: each top-level window of another program that shows is judged, and
// a way out is closed at once, with one message. The message never piles up:
// while it is shown, further ways out are closed without another.
//
// Where the system reports windows as they are created or shown (Windows 98,
// 2000 on, and Wine), the watch costs nothing while nothing happens; since
// some systems (Wine) report a window's creation but not its showing, the
// windows are looked at again for a few seconds after each report. Elsewhere
// (Windows 95, NT 4) a timer looks every second.
#pragma once

#include "shell/offered_programs.h"
#include "ui/compat.h"
#include "ui/timer.h"

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

namespace dovrane {

class WayOutWatch {
public:
    // Starts watching at once; owner is the window that owns the message.
    WayOutWatch(HWND owner, OfferedPrograms offered);
    WayOutWatch(const WayOutWatch&) = delete;
    WayOutWatch& operator=(const WayOutWatch&) = delete;

    // What a desktop loaded again offers.
    void Offer(OfferedPrograms offered) { offered_ = std::move(offered); }

    // The watch where the system reports no windows; public for tests.
    void WatchByTimer();

private:
    void OnWindowReported();
    void LookFor(DWORD milliseconds);   // every quarter of a second, until then
    void OnTimer();
    void Sweep();
    bool Close(HWND window);
    void Tell();

    HWND owner_;
    OfferedPrograms offered_;
    ui::Timer timer_;
    std::unique_ptr<ui::WindowEventHook> events_;
    std::vector<HWND> seen_;   // the other programs' windows shown at the last look
    DWORD lookUntil_ = 0;      // after a report, the windows are looked at until then
    bool telling_ = false;
};

}  // namespace dovrane
