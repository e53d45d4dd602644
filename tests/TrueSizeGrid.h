// The graph paper the true-size tests print: 10 mm cells from 10 mm margins, as many as the
// paper holds, in 0.1 mm lines; and the scale the printed PDF is rendered at, so that a line's
// place is known from millimetres alone.
#pragma once

#include "shell/Unit1.h"
#include "winlib/SysUtils.h"

namespace truesize {

constexpr int kDpi = 600;
constexpr double kPxPerMm = kDpi / 25.4;
constexpr double kMarginMm = 10, kCellMm = 10;

struct Grid {
    int across, down; // cells
};

// Types the grid into the graph-paper tab for a paper of the given size (orientation applied).
inline Grid TypeGrid(TForm1* f, double widthMm, double heightMm) {
    const Grid g{static_cast<int>((widthMm - 2 * kMarginMm) / kCellMm),
                 static_cast<int>((heightMm - 2 * kMarginMm) / kCellMm)};
    for (TEdit* e : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
        e->SetText("10");
    f->eMmX->SetText("10");
    f->eMmY->SetText("10");
    f->eDotX->SetText(IntToStr(g.across));
    f->eDotY->SetText(IntToStr(g.down));
    f->Edit32->SetText("0.1");
    return g;
}

} // namespace truesize
