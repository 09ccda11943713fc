#include "ui/bevel.h"

namespace ui {

void Bevel::Paint(HDC dc) {
    RECT r = {0, 0, Width(), Height()};
    DrawEdge(dc, &r, raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

}  // namespace ui
