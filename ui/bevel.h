// A bevel: a one-pixel sunken (or raised) frame that groups or frames other
// controls. It only draws its edges, so what lies inside shows through.
#pragma once

#include "ui/graphic.h"

namespace ui {

class Bevel : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    bool raised = false;

    void Paint(HDC dc) override;
};

}  // namespace ui
