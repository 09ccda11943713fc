// TTBICON: one icon in the notification area, kept up to date, whose mouse
// messages become events. The component's hidden window receives the
// system's callbacks; each instance has its own window, so identifier 0 is
// enough to tell the icons apart.
#pragma once

#include "ui/handles.h"
#include "ui/menu.h"
#include "ui/window.h"

#include <shellapi.h>

#include <functional>
#include <string>

namespace dovrane {

inline constexpr UINT kTrayCallbackMessage = WM_USER;   // 1024
inline constexpr size_t kTrayTipLength = 62;

class TTBICON : public ui::Window {
public:
    TTBICON();
    ~TTBICON() override;

    void SetActive(bool active);
    bool Active() const { return active_; }
    void SetIcon(HICON icon);   // copies the picture
    HICON Icon() const { return icon_.get(); }
    void SetToolTip(const std::string& tip);
    const std::string& ToolTip() const { return toolTip_; }

    std::function<void(TTBICON&)> OnClick;
    std::function<void(TTBICON&)> OnDblClick;
    std::function<void(TTBICON&, ui::MouseButton, ui::ShiftState, int, int)> OnRightClick;
    ui::PopupMenu* PopupMenu = nullptr;

    // The record as last filled for the system.
    const NOTIFYICONDATAA& NotifyData() const { return data_; }

protected:
    bool OnOtherMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Fill();
    bool Add();
    bool Update();
    bool Remove();
    void RightClick();

    bool active_ = false;
    ui::IconHandle icon_;
    std::string toolTip_;
    NOTIFYICONDATAA data_ = {};
};

}  // namespace dovrane
