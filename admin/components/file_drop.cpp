#include "admin/components/file_drop.h"

#include "ui/application.h"

namespace quorvel {

namespace {

// The component serving a hooked window, and the procedure that was there
// before. The second stays as long as the hook does, so that a hook that
// cannot be taken out (another one was put over it) still passes messages on.
const char kComponentProp[] = "VelmoraFileDrop";
const char kPreviousProp[] = "VelmoraFileDropPrevious";

constexpr size_t kNameBuffer = 128;

}  // namespace

TFileDrop::~TFileDrop() { Unhook(); }

void TFileDrop::SetEnableDrop(bool enable) {
    enableDrop_ = enable;
    if (Hooked()) DragAcceptFiles(dropWindow_, enable);
}

void TFileDrop::SetDropControl(ui::Window* control) {
    if (control == dropControl_) return;
    Unhook();
    if (!control || !control->Handle()) {
        enableDrop_ = false;
        return;
    }
    dropControl_ = control;
    dropWindow_ = control->Handle();
    auto previous = GetWindowLongPtrA(dropWindow_, GWLP_WNDPROC);
    SetPropA(dropWindow_, kPreviousProp, reinterpret_cast<HANDLE>(previous));
    SetPropA(dropWindow_, kComponentProp, this);
    SetWindowLongPtrA(dropWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookProc));
    SetEnableDrop(true);
}

bool TFileDrop::Hooked() const {
    // A window destroyed meanwhile has taken its properties with it.
    return dropWindow_ && GetPropA(dropWindow_, kComponentProp) == this;
}

// The window left behind refuses drops: nothing would release them there.
void TFileDrop::Unhook() {
    if (Hooked()) {
        DragAcceptFiles(dropWindow_, FALSE);
        RemovePropA(dropWindow_, kComponentProp);
        if (GetWindowLongPtrA(dropWindow_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(HookProc)) {
            auto previous = reinterpret_cast<LONG_PTR>(RemovePropA(dropWindow_, kPreviousProp));
            SetWindowLongPtrA(dropWindow_, GWLP_WNDPROC, previous);
        }
    }
    dropWindow_ = nullptr;
    dropControl_ = nullptr;
}

LRESULT CALLBACK TFileDrop::HookProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<TFileDrop*>(GetPropA(hwnd, kComponentProp));
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kPreviousProp));
    if (msg == WM_DROPFILES && self) {
        ui::Guarded([&] { self->HandleDrop(reinterpret_cast<HDROP>(wp)); });
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        if (self) {
            self->dropWindow_ = nullptr;
            self->dropControl_ = nullptr;
        }
        RemovePropA(hwnd, kComponentProp);
        RemovePropA(hwnd, kPreviousProp);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    return previous ? CallWindowProcA(previous, hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

void TFileDrop::HandleDrop(HDROP drop) {
    // A drop that arrives while drops are refused is released unread.
    if (!enableDrop_) {
        DragFinish(drop);
        return;
    }
    files_.clear();
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    dropPoint_ = {0, 0};
    DragQueryPoint(drop, &dropPoint_);
    std::vector<char> name(kNameBuffer);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        if (length + 1 > name.size()) name.assign(length + 1, '\0');
        UINT read = DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size()));
        // A drop that names nothing is counted as one empty name by the
        // system: it brings no file.
        if (read > 0) files_.emplace_back(name.data(), read);
    }
    fileCount_ = static_cast<int>(files_.size());
    DragFinish(drop);
    if (OnDrop) OnDrop(*this);
}

}  // namespace quorvel
