// An animation control (SysAnimate32) playing one of the system's own
// animations, the clips that the shell library carries.
#pragma once

#include "ui/controls.h"

namespace ui {

// Clips of the shell library, by resource number.
enum class CommonAvi { FindFolder = 150, FindFile = 151, FindComputer = 152, CopyFiles = 160 };

class Animate : public Control {
public:
    Animate(Form& owner, const RECT& bounds, CommonAvi clip);

    int stopFrame = -1;   // the last frame played; -1: the clip's last

    // Plays the clip over and over, or stops it.
    void SetActive(bool active);
    bool Active() const { return active_; }
    // False when the system has no such clip: the control then stays blank.
    bool Opened() const { return opened_; }

private:
    bool active_ = false;
    bool opened_ = false;
};

}  // namespace ui
