#include "ui/animate.h"

#include "ui/compat.h"

#include <commctrl.h>

namespace ui {

Animate::Animate(Form& owner, const RECT& bounds, CommonAvi clip) : Control(owner) {
    InitCommonControlsCompat();
    CreateControl(ANIMATE_CLASSA, "", ACS_CENTER | ACS_TRANSPARENT, 0, bounds);
    HMODULE shell = GetModuleHandleA("shell32.dll");
    opened_ = shell && SendMessageA(Handle(), ACM_OPENA, reinterpret_cast<WPARAM>(shell),
                                    reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(static_cast<int>(clip))));
}

void Animate::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (!opened_) return;
    if (!active) {
        Animate_Stop(Handle());
        return;
    }
    // A clip shorter than the stop frame is played whole.
    if (!Animate_Play(Handle(), 0, stopFrame, -1)) Animate_Play(Handle(), 0, -1, -1);
}

}  // namespace ui
