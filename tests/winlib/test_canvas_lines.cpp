#include "test_canvas_util.h"
#include "winlib/CanvasLines.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(CanvasLines, LineToLeavesOutTheEndPixel) {
    struct Case {
        TPoint from, to;
        const char* picture; // 6 x 4 pixels from (0, 0)
    } cases[] = {
        {{0, 1}, {5, 1}, "......\n#####.\n......\n......\n"},
        {{5, 2}, {0, 2}, "......\n......\n.#####\n......\n"},
        {{2, 0}, {2, 3}, "..#...\n..#...\n..#...\n......\n"},
        {{0, 0}, {3, 3}, "#.....\n.#....\n..#...\n......\n"},
        {{0, 0}, {5, 2}, "##....\n..##..\n....#.\n......\n"},
        {{1, 1}, {1, 1}, "......\n......\n......\n......\n"},
    };
    for (const Case& c : cases) {
        TBitmap b;
        MakeWhite(b, 6, 4);
        b.Canvas()->Pen()->SetColor(clBlack);
        b.Canvas()->MoveTo(c.from.x, c.from.y);
        b.Canvas()->LineTo(c.to.x, c.to.y);
        EXPECT_EQ(Picture(b, Rect(0, 0, 6, 4)), c.picture)
            << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
        EXPECT_EQ(b.Canvas()->PenPos(), c.to);
    }
}

TEST(CanvasLines, ConsecutiveLinesShareTheirJoint) {
    TBitmap b;
    MakeWhite(b, 5, 5);
    TCanvas* c = b.Canvas();
    c->Pen()->SetColor(clBlack);
    c->MoveTo(0, 0);
    c->LineTo(4, 0);
    c->LineTo(4, 4);
    c->LineTo(0, 4);
    c->LineTo(0, 0);
    EXPECT_EQ(Picture(b, Rect(0, 0, 5, 5)), "#####\n#...#\n#...#\n#...#\n#####\n");
}

TEST(CanvasLines, LineWritesColourAndZeroFourthByte) {
    TBitmap b;
    MakeWhite(b, 4, 1);
    b.Canvas()->Pen()->SetColor(RGB(10, 20, 30));
    b.Canvas()->MoveTo(0, 0);
    b.Canvas()->LineTo(2, 0);
    const uint8_t* p = b.ScanLine(0);
    EXPECT_EQ(p[0], 30);
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 10);
    EXPECT_EQ(p[3], 0);
    EXPECT_EQ(b.Canvas()->Pixel(2, 0), clWhite);
}

TEST(CanvasLines, DashMasksInDevicePixels) {
    const std::string dash = std::string(18, '#') + std::string(6, '.');
    const std::string dot = "###...";
    const std::string dashDot = std::string(9, '#') + std::string(6, '.') + "###" + std::string(6, '.');
    const std::string dashDotDot = std::string(9, '#') + "...###...###...";
    struct Case {
        TPenStyle style;
        std::string period;
    } cases[] = {{psDash, dash}, {psDot, dot}, {psDashDot, dashDot}, {psDashDotDot, dashDotDot}};
    for (const Case& c : cases) {
        TBitmap b;
        MakeWhite(b, 48, 1);
        b.Canvas()->Pen()->SetStyle(c.style);
        b.Canvas()->MoveTo(0, 0);
        b.Canvas()->LineTo(48, 0);
        std::string expected;
        while (expected.size() < 48)
            expected += c.period;
        EXPECT_EQ(Picture(b, Rect(0, 0, 48, 1)), expected.substr(0, 48) + "\n") << c.style;
    }
}

TEST(CanvasLines, DashMaskContinuesAcrossLineToAndRestartsAtMoveTo) {
    TBitmap b;
    MakeWhite(b, 30, 2);
    TCanvas* c = b.Canvas();
    c->Pen()->SetStyle(psDot);
    c->MoveTo(0, 0);
    c->LineTo(4, 0); // "####" would be wrong: the mask goes on at the next line
    c->LineTo(10, 0);
    c->MoveTo(0, 1);
    c->LineTo(2, 1);
    c->MoveTo(2, 1); // restarts the mask
    c->LineTo(6, 1);
    EXPECT_EQ(Picture(b, Rect(0, 0, 10, 2)), "###...###.\n#####.....\n");
}

TEST(CanvasLines, ClearPenDrawsNothingAndWidePenIsSolidWithRoundEnds) {
    TBitmap b;
    MakeWhite(b, 20, 11);
    TCanvas* c = b.Canvas();
    c->Pen()->SetStyle(psClear);
    c->MoveTo(0, 0);
    c->LineTo(19, 0);
    EXPECT_EQ(CountNonWhite(b), 0);

    c->Pen()->SetStyle(psDash);
    c->Pen()->SetWidth(5);
    c->MoveTo(5, 5);
    c->LineTo(14, 5);
    // Solid across the whole length, not dashed, and centred on the line.
    for (int x = 5; x <= 14; ++x)
        EXPECT_NE(c->Pixel(x, 5), clWhite) << x;
    EXPECT_NE(c->Pixel(9, 3), clWhite);
    EXPECT_NE(c->Pixel(9, 7), clWhite);
    EXPECT_EQ(c->Pixel(9, 1), clWhite);
    EXPECT_EQ(c->Pixel(9, 9), clWhite);
    // Round caps go past both ends, but not at the corners of a square cap.
    EXPECT_NE(c->Pixel(3, 5), clWhite);
    EXPECT_NE(c->Pixel(16, 5), clWhite);
    EXPECT_EQ(c->Pixel(3, 3), clWhite);
    EXPECT_EQ(c->Pixel(16, 7), clWhite);
}

TEST(CanvasLines, LinesFarOutsideAreClippedWithoutHanging) {
    TBitmap b;
    MakeWhite(b, 10, 10);
    TCanvas* c = b.Canvas();
    c->MoveTo(-2000000000, 5);
    c->LineTo(2000000000, 5);
    c->MoveTo(-2000000000, -1999999990);
    c->LineTo(2000000000, 2000000010);
    c->MoveTo(5, 5);
    c->LineTo(5, 1000);
    EXPECT_EQ(c->Pixel(0, 5), clBlack);
    EXPECT_EQ(c->Pixel(9, 5), clBlack);
    EXPECT_EQ(c->Pixel(5, 9), clBlack);
}

namespace {
// Records the runs of a line: every pixel, or (EndsOnly) the ends the walk hands over.
class RunRecorder : public cnv::PixelTarget {
  public:
    explicit RunRecorder(bool endsOnly) : endsOnly_(endsOnly) {}
    void HSpan(int x0, int x1, int y) override { runs.push_back({TPoint(x0, y), TPoint(x1 - 1, y)}); }
    void VSpan(int x, int y0, int y1) override { runs.push_back({TPoint(x, y0), TPoint(x, y1 - 1)}); }
    void BeginRun() override { count_ = 0; }
    void Pixel(int x, int y) override {
        if (count_++ == 0) first_ = TPoint(x, y);
        last_ = TPoint(x, y);
    }
    void EndRun() override {
        if (count_ > 0) runs.push_back({first_, last_});
    }
    bool EndsOnly() const override { return endsOnly_; }
    std::vector<std::pair<TPoint, TPoint>> runs;

  private:
    bool endsOnly_;
    int count_ = 0;
    TPoint first_, last_;
};
} // namespace

TEST(CanvasLines, RunEndsFoundWithoutWalkingArePixelsTheWalkReaches) {
    // Slanted lines of every steepness and direction, solid and dashed, crossing the clip's
    // edges or passing it by: a target taking only the ends of each run gets the first and the
    // last pixel the walk gives, run for run.
    const TRect clip(10, 20, 90, 70);
    int lines = 0, runs = 0;
    for (TPenStyle style : {psSolid, psDash, psDot, psDashDot})
        for (int x0 = -40; x0 <= 140; x0 += 30)
            for (int y0 = -30; y0 <= 120; y0 += 25)
                for (int dx : {-97, -50, -13, -1, 1, 7, 60, 151})
                    for (int dy : {-83, -9, -2, 3, 40, 133}) {
                        RunRecorder every(false), ends(true);
                        int p1 = 0, p2 = 0;
                        cnv::WalkLine(x0, y0, x0 + dx, y0 + dy, clip, cnv::MaskFor(style), p1, every);
                        cnv::WalkLine(x0, y0, x0 + dx, y0 + dy, clip, cnv::MaskFor(style), p2, ends);
                        ASSERT_EQ(ends.runs, every.runs) << x0 << ", " << y0 << " by " << dx << ", " << dy;
                        EXPECT_EQ(p1, p2);
                        ++lines;
                        runs += static_cast<int>(every.runs.size());
                    }
    EXPECT_GT(runs, lines / 2); // most lines cross the clip
}
