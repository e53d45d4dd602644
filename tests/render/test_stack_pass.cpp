// Stacked lines drawn through a pass give exactly the picture of drawing each stack at once,
// however thick and however they overlap.
#include "StackReference.h"

#include "render/RenderConventions.h"
#include "render/StackPass.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {
struct Line {
    TColor color;
    int type; // line-type index
    double across, w;
    int from = 0, to = 70;
};

std::string Picture(TBitmap& b) {
    std::string s;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            s += static_cast<char>('a' + (b.Canvas()->Pixel(x, y) & 0xF));
    return s;
}

void White(TBitmap& b) {
    b.SetPixelFormat(pf32bit);
    b.SetSize(70, 50);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(TRect(0, 0, 70, 50));
}

// The same lines drawn stack by stack and through a pass, across or down.
void ExpectSamePicture(const std::vector<Line>& lines, bool horizontal, const char* what) {
    TBitmap direct, passed;
    White(direct);
    White(passed);
    TCanvas* c = direct.Canvas();
    for (const Line& l : lines) {
        c->Pen()->SetColor(l.color);
        SetLinePen(c, l.type);
        if (horizontal)
            rendertest::EveryStackLineAcross(c, l.from, l.to, l.across, l.w);
        else
            rendertest::EveryStackLineDown(c, l.across, l.from, l.to, l.w);
    }
    TCanvas* p = passed.Canvas();
    TStackPass pass(p, horizontal, horizontal ? 50 : 70);
    for (const Line& l : lines) {
        p->Pen()->SetColor(l.color);
        SetLinePen(p, l.type);
        pass.Add(l.from, l.to, l.across, l.w);
    }
    pass.Flush();
    EXPECT_EQ(Picture(passed), Picture(direct)) << what << (horizontal ? " across" : " down");
    EXPECT_EQ(p->Pen()->Color(), lines.back().color) << what;
    EXPECT_EQ(p->Pen()->Style(), PenStyleOf(lines.back().type)) << what;
}
} // namespace

TEST(StackPass, GivesThePictureOfDrawingEveryStack) {
    const TColor red = 0x0000FF, blue = 0xFF0000, black = clBlack;
    struct Case {
        const char* what;
        std::vector<Line> lines;
    };
    const std::vector<Case> cases = {
        {"thin lines apart", {{black, 0, 5, 1}, {black, 0, 10.5, 0.5}, {red, 1, 20, 2.2}}},
        {"thick solid lines of one pen, each over the next",
         {{black, 0, 5, 12}, {black, 0, 8, 12}, {black, 0, 11, 12}, {black, 0, 14.5, 12}}},
        {"plain and emphasis lines taking turns, thicker than their pitch",
         {{black, 0, 4, 9}, {red, 0, 6, 14}, {black, 0, 8, 9}, {red, 0, 10, 14}, {black, 0, 12, 9}}},
        {"dashed lines of two pens taking turns",
         {{black, 1, 10, 20}, {red, 2, 12, 7}, {black, 1, 14, 20}, {red, 2, 16, 7}, {black, 1, 18, 20}}},
        {"a dashed line under a later solid one of another colour", {{blue, 3, 20, 30}, {red, 0, 22, 6}}},
        {"a solid line under a later dashed one", {{blue, 0, 20, 30}, {red, 4, 22, 6}}},
        {"stacks of different extents",
         {{black, 0, 20, 10, 0, 70}, {red, 0, 21, 10, 10, 40}, {black, 0, 23, 10, 5, 60}}},
        {"stacks beyond the canvas and thicker than it",
         {{black, 0, -30, 10}, {red, 1, 25, 1e6}, {black, 0, 200, 3}, {blue, 0, 48, 5}, {black, 2, -0.3, 2}}},
        {"nothing to draw", {{black, 0, 10, 0}, {red, 0, 12, -4}}},
    };
    for (const Case& c : cases)
        for (bool horizontal : {true, false})
            ExpectSamePicture(c.lines, horizontal, c.what);
}

TEST(StackPass, AThicknessThatIsNotFiniteRaisesAsAStackDoes) {
    TBitmap b;
    White(b);
    TStackPass pass(b.Canvas(), true, 50);
    EXPECT_THROW(pass.Add(0, 70, 10, std::numeric_limits<double>::infinity()), EInvalidOp);
    EXPECT_THROW(pass.Add(0, 70, std::numeric_limits<double>::quiet_NaN(), 2), EInvalidOp);
}
