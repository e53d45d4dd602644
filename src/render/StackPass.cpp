#include "render/StackPass.h"

#include "render/RenderConventions.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <cmath>

namespace {
// How many later stacks are looked at for rows drawn again: the pens of a page repeat within a
// few lines (plain and emphasis lines take turns), so a short look ahead finds them.
constexpr size_t kLookAhead = 64;

struct Rows {
    int first, last;
};
} // namespace

TStackPass::TStackPass(TCanvas* Canvas, bool Horizontal, int Extent)
    : canvas_(Canvas), horizontal_(Horizontal), extent_(Extent) {}

TStackRows StackRows(double Across, double W, int Extent) {
    if (!(W > 0)) return {};
    const double top = Across - W * 0.5;
    const double bottom = top + std::ceil(W) - 1;
    if (bottom < -1.0 || top >= Extent) return {};
    return {ToPixel(std::max(top, -1.0)), ToPixel(std::min(bottom, double(Extent)))};
}

void TStackPass::Add(int From, int To, double Across, double W) {
    if (!std::isfinite(W) || !std::isfinite(Across)) throw EInvalidOp("Invalid floating point operation");
    const TStackRows rows = StackRows(Across, W, extent_);
    if (rows.Empty()) return;
    const TPen* p = canvas_->Pen();
    const Pen pen{p->Color(), p->Style(), p->Mode(), p->Width()};
    stacks_.push_back({From, To, std::max(rows.First, 0), std::min(rows.Last, extent_ - 1), pen});
}

void TStackPass::Draw(const Stack& s, int first, int last) {
    for (int r = first; r <= last; ++r) {
        if (horizontal_) {
            canvas_->MoveTo(s.from, r);
            canvas_->LineTo(s.to, r);
        } else {
            canvas_->MoveTo(r, s.from);
            canvas_->LineTo(r, s.to);
        }
    }
}

void TStackPass::Flush() {
    std::vector<Rows> pieces;
    for (size_t i = 0; i < stacks_.size(); ++i) {
        const Stack& s = stacks_[i];
        pieces.assign(1, {s.first, s.last});
        // Leave out the rows that a later stack draws again.
        const size_t end = std::min(stacks_.size(), i + 1 + kLookAhead);
        for (size_t j = i + 1; j < end && !pieces.empty(); ++j) {
            const Stack& t = stacks_[j];
            if (t.from != s.from || t.to != s.to || !(t.pen == s.pen || t.pen.Solid())) continue;
            std::vector<Rows> left;
            for (const Rows& p : pieces) {
                if (t.last < p.first || t.first > p.last) {
                    left.push_back(p);
                    continue;
                }
                if (p.first < t.first) left.push_back({p.first, t.first - 1});
                if (t.last < p.last) left.push_back({t.last + 1, p.last});
            }
            pieces.swap(left);
        }
        TPen* pen = canvas_->Pen();
        pen->SetColor(s.pen.color);
        pen->SetStyle(s.pen.style);
        pen->SetMode(s.pen.mode);
        pen->SetWidth(s.pen.width);
        for (const Rows& p : pieces)
            Draw(s, p.first, p.last);
    }
    stacks_.clear();
}
