#include "ui/timer.h"

#include "ui/application.h"

#include <map>

namespace ui {

namespace {

// The running timers, by the identifiers that the system gave them.
std::map<UINT_PTR, Timer*>& Running() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

}  // namespace

Timer::Timer(UINT interval) : interval_(interval) {}

Timer::~Timer() {
    enabled_ = false;
    Restart();
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
    if (id_) {
        KillTimer(nullptr, id_);
        Running().erase(id_);
        id_ = 0;
    }
    if (!enabled_ || interval_ == 0) return;
    id_ = SetTimer(nullptr, 0, interval_, Tick);
    if (id_) Running()[id_] = this;
}

void CALLBACK Timer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    // The message loop calls this outside any window procedure.
    Guarded([id] {
        auto running = Running().find(id);
        if (running != Running().end() && running->second->onTimer) running->second->onTimer();
    });
}

}  // namespace ui
