// A timer component: ticks on its own hidden window, so that its
// owner needs no message handling of its own for it.
#pragma once

#include "ui/window.h"

#include <functional>

namespace ui {

class Timer : public Window {
public:
    explicit Timer(UINT interval = 1000);
    void SetInterval(UINT interval);
    UINT Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    std::function<void()> onTimer;

protected:
    void OnTimer(UINT_PTR) override;

private:
    void Restart();
    UINT interval_;
    bool enabled_ = false;
};

}  // namespace ui
