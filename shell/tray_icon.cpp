#include "shell/tray_icon.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/platform.h"

#include <cstring>

namespace dovrane {

TTBICON::TTBICON() { CreateOwnWindow("", WS_POPUP, 0, nullptr, 0, 0, 0, 0, 0); }

TTBICON::~TTBICON() {
    if (active_) Remove();
}

void TTBICON::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (active) Add();
    else Remove();
}

void TTBICON::SetIcon(HICON icon) {
    if (icon && icon == icon_.get()) return;
    icon_.reset(icon ? CopyIcon(icon) : nullptr);
    Update();
}

void TTBICON::SetToolTip(const std::string& tip) {
    toolTip_ = tip.substr(0, kTrayTipLength);
    Update();
}

void TTBICON::Fill() {
    data_ = {};
    // The first-version record: what Windows 95 knows, with a 64-byte tip.
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data_.hWnd = Handle();
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | (toolTip_.empty() ? 0 : NIF_TIP);
    data_.uCallbackMessage = kTrayCallbackMessage;
    data_.hIcon = icon_.get();
    static_assert(kTrayTipLength < 64);
    std::memcpy(data_.szTip, toolTip_.c_str(), toolTip_.size() + 1);
}

bool TTBICON::Add() {
    Fill();
    return ui::platform().notifyIcon(NIM_ADD, data_);
}

bool TTBICON::Update() {
    Fill();
    return active_ ? ui::platform().notifyIcon(NIM_MODIFY, data_) : true;
}

bool TTBICON::Remove() { return ui::platform().notifyIcon(NIM_DELETE, data_); }

bool TTBICON::OnOtherMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg != kTrayCallbackMessage) return false;
    switch (static_cast<UINT>(lp)) {
        case WM_LBUTTONUP: if (OnClick) OnClick(*this); break;
        case WM_LBUTTONDBLCLK: if (OnDblClick) OnDblClick(*this); break;
        case WM_RBUTTONUP: RightClick(); break;
        default: break;
    }
    result = 0;
    return true;
}

void TTBICON::RightClick() {
    POINT pt;
    GetCursorPos(&pt);
    if (PopupMenu) {
        ui::Form* main = ui::Application::Instance().MainForm();
        HWND owner = main ? main->Handle() : Handle();
        SetForegroundWindow(owner);
        ui::Application::Instance().ProcessMessages();
        PopupMenu->Popup(owner, pt);
    }
    if (OnRightClick) OnRightClick(*this, ui::MouseButton::Right, ui::ShiftState{}, pt.x, pt.y);
}

}  // namespace dovrane
