#include "ui/timer.h"

namespace ui {

Timer::Timer(UINT interval) : interval_(interval) {
    CreateOwnWindow("", 0, 0, HWND_MESSAGE, 0, 0, 0, 0, 0);
}

void Timer::SetInterval(UINT interval) {
    interval_ = interval;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Restart() {
    KillTimer(Handle(), 1);
    if (enabled_ && interval_ > 0) SetTimer(Handle(), 1, interval_, nullptr);
}

void Timer::OnTimer(UINT_PTR) {
    if (enabled_ && onTimer) onTimer();
}

}  // namespace ui
