#include "admin/components/file_drop.h"

namespace quorvel {

namespace {

constexpr size_t kNameBuffer = 128;

}  // namespace

TFileDrop::~TFileDrop() { Unhook(); }

void TFileDrop::SetEnableDrop(bool enable) {
    enableDrop_ = enable;
    if (Hooked()) DragAcceptFiles(dropWindow_, enable);
}

void TFileDrop::SetDropControl(ui::Window* control) {
    if (control && control == DropControl()) return;
    Unhook();
    if (!control || !control->Handle()) {
        enableDrop_ = false;
        return;
    }
    dropControl_ = control;
    dropWindow_ = control->Handle();
    control->onDropFiles = [this](HDROP drop) { HandleDrop(drop); };
    SetEnableDrop(true);
}

bool TFileDrop::Hooked() const {
    // A control destroyed meanwhile no longer answers for its window.
    return dropWindow_ && ui::Window::FromHandle(dropWindow_) == dropControl_;
}

// The window left behind refuses drops: nothing would release them there.
void TFileDrop::Unhook() {
    if (Hooked()) {
        DragAcceptFiles(dropWindow_, FALSE);
        dropControl_->onDropFiles = nullptr;
    }
    dropWindow_ = nullptr;
    dropControl_ = nullptr;
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
