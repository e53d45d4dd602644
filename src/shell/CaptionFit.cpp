#include "CaptionFit.h"

#include "winlib/StdCtrls.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {
// Space kept between a caption's last letter and the control beside it, and from the parent's
// right edge.
constexpr int kCaptionGap = 4;
constexpr int kEdgeGap = 2;

bool SameRow(const TControl* a, const TControl* b) {
    return a->Top() < b->Top() + b->Height() && b->Top() < a->Top() + a->Height();
}

// The controls to the right of the label whose height it shares.
std::vector<TControl*> RowBeside(TWinControl* Parent, const TLabel* Label) {
    std::vector<TControl*> row;
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl* c = Parent->Controls(i);
        if (c != Label && c->Left() > Label->Left() && SameRow(c, Label)) row.push_back(c);
    }
    return row;
}

void FitLabel(TWinControl* Parent, TLabel* Label) {
    const std::vector<TControl*> row = RowBeside(Parent, Label);
    if (row.empty()) return;
    int rowLeft = INT_MAX, rowRight = 0, rowTop = Label->Top();
    for (const TControl* c : row) {
        rowLeft = std::min(rowLeft, c->Left());
        rowRight = std::max(rowRight, c->Left() + c->Width());
        rowTop = std::min(rowTop, c->Top());
    }
    const int need = Label->Left() + Label->Width() + kCaptionGap - rowLeft;
    if (need <= 0) return;
    if (rowRight + need <= Parent->ClientWidth() - kEdgeGap) {
        for (TControl* c : row)
            c->SetLeft(c->Left() + need);
        return;
    }
    // A line of its own for the caption: the row and all below it move down by its height.
    const int down = Label->Top() + Label->Height() + 2 - rowTop;
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl* c = Parent->Controls(i);
        if (c != Label && c->Top() >= rowTop) c->SetTop(c->Top() + down);
    }
}
} // namespace

void FitCaptions(TWinControl* Parent) {
    for (int i = 0; i < Parent->ControlCount(); ++i)
        if (auto* label = dynamic_cast<TLabel*>(Parent->Controls(i)); label && !label->Caption().empty())
            FitLabel(Parent, label);
    for (int i = 0; i < Parent->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(Parent->Controls(i))) FitCaptions(child);
}
