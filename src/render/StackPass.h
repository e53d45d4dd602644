// Thick lines of one direction, each a stack of one-pixel lines (see RenderConventions.h),
// gathered in drawing order and drawn together.
//
// A row of a stack (a column, for vertical lines) that a later stack of the same extent draws
// again, with the same pen or with a solid one, is left out: it would be drawn over anyway, so
// the picture is the same. Only rows on the canvas are drawn. So a page of lines thicker than
// their pitch, or thicker than the page, costs no more than the pixels it covers.
#pragma once

#include "winlib/Graphics.h"

#include <vector>

// The rows (columns, for a vertical stack) a stack W pixels thick centred at the floating
// position Across covers on a canvas Extent rows high: trunc(Across - W / 2 + j) for
// j = 0 ... ceil(W) - 1, a run without gaps. It is held to one row beyond each edge before any
// conversion, so that a stack thicker than any page converts safely. Empty when W is not above 0
// or the stack misses the canvas.
struct TStackRows {
    int First = 0, Last = -1;
    bool Empty() const { return Last < First; }
    bool operator==(const TStackRows&) const = default;
};
TStackRows StackRows(double Across, double W, int Extent);

class TStackPass {
  public:
    // Horizontal stacks run across a canvas Extent pixels high; vertical ones down a canvas
    // Extent pixels wide.
    TStackPass(TCanvas* Canvas, bool Horizontal, int Extent);

    // A line from From to To along its direction (To itself not drawn, as with LineTo), centred
    // across at the floating position Across (position + origin) and W pixels thick, in the
    // canvas's current pen. The rows are those of StackRows. A W or an Across that is not
    // finite raises EInvalidOp.
    void Add(int From, int To, double Across, double W);

    // Draws what was added, in order, and empties the pass. The canvas keeps the pen of the last
    // stack.
    void Flush();

  private:
    struct Pen {
        TColor color;
        TPenStyle style;
        TPenMode mode;
        int width;
        bool operator==(const Pen&) const = default;
        // A one-pixel line of it sets every pixel of its extent, whatever was there.
        bool Solid() const { return style == psSolid && mode == pmCopy && width <= 1; }
    };
    struct Stack {
        int from, to;
        int first, last; // rows on the canvas, inclusive
        Pen pen;
    };
    void Draw(const Stack& s, int first, int last);

    TCanvas* canvas_;
    bool horizontal_;
    int extent_;
    std::vector<Stack> stacks_;
};
