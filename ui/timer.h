// A timer component. Its ticks come as the thread's timer messages, which the
// message loop hands to a callback of the component: neither the timer nor
// its owner needs a window for it.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class Timer {
public:
    explicit Timer(UINT interval = 1000);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetInterval(UINT interval);
    UINT Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    std::function<void()> onTimer;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    void Restart();

    UINT interval_;
    bool enabled_ = false;
    UINT_PTR id_ = 0;   // the system's timer while one runs
};

}  // namespace ui
