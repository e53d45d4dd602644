// The load limit and the reduction of a picture while it is read.
#include "winlib/PictureReducer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Bytes B, G, R of pixel x of a 32-bit row.
TColor At(TBitmap& b, int x, int y) {
    const uint8_t* p = b.ScanLine(y) + 4 * x;
    return RGB(p[2], p[1], p[0]);
}
} // namespace

TEST(PictureLimit, FitKeepsTheProportionsWithinBothBounds) {
    struct Case {
        int maxSide;
        int64_t maxPixels;
        int64_t w, h;
        int fitW, fitH;
    } cases[] = {
        {100, 0, 80, 60, 80, 60},                   // fits
        {100, 0, 400, 300, 100, 75},                // the side rules
        {0, 1200, 400, 300, 40, 30},                // the pixel count rules
        {100, 1200, 80, 60, 40, 30},                // both given, the count is the tighter
        {100, 0, 100000, 1, 100, 1},                // never below one pixel
        {100, 0, 3, 1000, 1, 100},                  // upright
        {0, 0, 123456, 7, 123456, 7},               // no bound
        {9922, 69612352, 16384, 16384, 8343, 8343}, // a large square against a sheet's worth
    };
    for (const Case& c : cases) {
        TPictureLimit limit{c.maxSide, c.maxPixels};
        const TPoint fit = limit.Fit(c.w, c.h);
        EXPECT_EQ(fit.x, c.fitW) << c.w << " x " << c.h;
        EXPECT_EQ(fit.y, c.fitH) << c.w << " x " << c.h;
        EXPECT_TRUE(limit.Fits(fit.x, fit.y)) << c.w << " x " << c.h;
    }
}

TEST(PictureReducer, AveragesTheSourceAreaOfEachOutputPixelInEitherRowOrder) {
    // 3 x 3 grey values into 2 x 2: each output pixel covers 1.5 x 1.5 source pixels, so the
    // corner pixel counts fully, the edge ones by half and the centre by a quarter.
    const int grey[3][3] = {{0, 90, 180}, {30, 120, 210}, {60, 150, 240}};
    const auto expected = [&](int ox, int oy) {
        double sum = 0;
        const double wx[2][3] = {{1, .5, 0}, {0, .5, 1}};
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                sum += grey[y][x] * wx[ox][x] * wx[oy][y];
        return static_cast<int>(sum / 2.25 + 0.5);
    };
    for (bool bottomUp : {false, true}) {
        TBitmap out;
        TPictureReducer reducer(3, 3, TPoint(2, 2), &out);
        for (int i = 0; i < 3; ++i) {
            const int y = bottomUp ? 2 - i : i;
            std::vector<uint8_t> row(12);
            for (int x = 0; x < 3; ++x)
                row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = uint8_t(grey[y][x]);
            reducer.AddRow(y, row.data(), 32, {});
        }
        ASSERT_EQ(out.Width(), 2);
        ASSERT_EQ(out.Height(), 2);
        EXPECT_EQ(out.BitsPerPixel(), 32);
        for (int oy = 0; oy < 2; ++oy)
            for (int ox = 0; ox < 2; ++ox) {
                const int v = expected(ox, oy);
                EXPECT_EQ(At(out, ox, oy), RGB(v, v, v)) << ox << "," << oy << (bottomUp ? " bottom-up" : "");
            }
    }
}

TEST(PictureReducer, ReadsIndexedRowsThroughTheirTable) {
    // Four-bit indexes 1, 2, 1, 2 over two rows into one pixel: the mean of red and blue.
    const std::vector<TRGBQuad> table = {{}, {0, 0, 200, 0}, {100, 0, 0, 0}};
    TBitmap out;
    TPictureReducer reducer(4, 2, TPoint(1, 1), &out);
    const uint8_t row[4] = {0x12, 0x12, 0, 0};
    reducer.AddRow(0, row, 4, table);
    reducer.AddRow(1, row, 4, table);
    EXPECT_EQ(At(out, 0, 0), RGB(100, 0, 50));
}

TEST(PictureReducer, SamplingTakesTheCentrePixelFromRowsGivenInPieces) {
    // A 4 x 4 picture whose pixel (x, y) has red 10x + y, into 2 x 2: the centres are at source
    // pixels 1 and 3. Rows come as two interleaved pieces, even then odd pixels.
    TBitmap out;
    TPictureReducer reducer(4, 4, TPoint(2, 2), &out, /*Sampling=*/true);
    for (int y = 0; y < 4; ++y)
        for (int start : {0, 1}) {
            std::vector<uint8_t> piece(8);
            for (int i = 0; i < 2; ++i)
                piece[4 * i + 2] = uint8_t(10 * (start + 2 * i) + y);
            reducer.AddPixels(y, piece.data(), 32, {}, start, 2, 2);
        }
    EXPECT_EQ(At(out, 0, 0), RGB(11, 0, 0));
    EXPECT_EQ(At(out, 1, 0), RGB(31, 0, 0));
    EXPECT_EQ(At(out, 0, 1), RGB(13, 0, 0));
    EXPECT_EQ(At(out, 1, 1), RGB(33, 0, 0));
}
