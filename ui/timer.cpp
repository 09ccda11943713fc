#include "ui/timer.h"

namespace ui {

Timer::Timer(UINT interval) : interval_(interval) {
    // A hidden top-level window: message-only windows need Windows 2000.
    CreateOwnWindow("", WS_POPUP, WS_EX_TOOLWINDOW, nullptr, 0, 0, 0, 0, 0);
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
