#include "winlib/Graphics.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

// A BMP file with a BITMAPINFOHEADER; pixels and table are given as raw bytes.
std::vector<uint8_t> Bmp(int32_t w, int32_t h, int bits, uint32_t compression,
                         const std::vector<uint8_t>& extra, const std::vector<uint8_t>& pixels,
                         uint32_t colorsUsed = 0) {
    std::vector<uint8_t> v = {'B', 'M'};
    const uint32_t off = 14 + 40 + static_cast<uint32_t>(extra.size());
    Put32(v, off + static_cast<uint32_t>(pixels.size()));
    Put32(v, 0);
    Put32(v, off);
    Put32(v, 40);
    Put32(v, static_cast<uint32_t>(w));
    Put32(v, static_cast<uint32_t>(h));
    Put16(v, 1);
    Put16(v, static_cast<uint32_t>(bits));
    Put32(v, compression);
    Put32(v, static_cast<uint32_t>(pixels.size()));
    Put32(v, 0);
    Put32(v, 0);
    Put32(v, colorsUsed);
    Put32(v, 0);
    v.insert(v.end(), extra.begin(), extra.end());
    v.insert(v.end(), pixels.begin(), pixels.end());
    return v;
}

void Load(TBitmap& b, const std::vector<uint8_t>& file) {
    TMemoryStream s;
    s.Write(file.data(), static_cast<int64_t>(file.size()));
    s.SetPosition(0);
    b.LoadFromStream(&s);
}

} // namespace

TEST(BitmapFile, RoundTripKeepsFormatPixelsAndTable) {
    for (TPixelFormat f : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit}) {
        TBitmap a;
        a.SetPixelFormat(f);
        a.SetSize(7, 3);
        const TColor colours[] = {clBlack, clWhite, clRed, clLime, clBlue, clYellow, clAqua};
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x)
                a.Canvas()->SetPixel(x, y, colours[(x + y) % 7]);
        TMemoryStream s;
        a.SaveToStream(&s);
        s.SetPosition(0);
        TBitmap b;
        b.LoadFromStream(&s);
        EXPECT_EQ(s.Position(), s.Size()) << f;
        EXPECT_EQ(b.PixelFormat(), f);
        ASSERT_EQ(b.Width(), 7);
        ASSERT_EQ(b.Height(), 3);
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(std::memcmp(a.ScanLine(y), b.ScanLine(y), size_t(a.BytesPerScanline())), 0)
                << f << " row " << y;
        EXPECT_EQ(b.ColorTable().size(), a.ColorTable().size());
    }
}

TEST(BitmapFile, BottomUpAndTopDownRowsLandOnTheRightScanLine) {
    // 1 x 2 pixels at 24 bits: first stored row is red, second blue.
    const std::vector<uint8_t> rows = {0, 0, 255, 0, 255, 0, 0, 0};
    TBitmap up, down;
    Load(up, Bmp(1, 2, 24, 0, {}, rows));
    Load(down, Bmp(1, -2, 24, 0, {}, rows));
    EXPECT_EQ(up.PixelFormat(), pf24bit);
    EXPECT_EQ(up.Canvas()->Pixel(0, 0), clBlue);
    EXPECT_EQ(up.Canvas()->Pixel(0, 1), clRed);
    EXPECT_EQ(down.Canvas()->Pixel(0, 0), clRed);
    EXPECT_EQ(down.Canvas()->Pixel(0, 1), clBlue);
}

TEST(BitmapFile, BitfieldsAndPaletteFiles) {
    std::vector<uint8_t> masks565, masks;
    for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu})
        Put32(masks565, m);
    TBitmap b16;
    Load(b16, Bmp(1, 1, 16, 3, masks565, {0x00, 0xF8, 0, 0}));
    EXPECT_EQ(b16.PixelFormat(), pf16bit);
    EXPECT_EQ(b16.Canvas()->Pixel(0, 0), clRed);

    for (uint32_t m : {0x000000FFu, 0x0000FF00u, 0x00FF0000u})
        Put32(masks, m); // R and B swapped
    TBitmap b32;
    Load(b32, Bmp(1, 1, 32, 3, masks, {0x11, 0x22, 0x33, 0x44}));
    EXPECT_EQ(b32.PixelFormat(), pf32bit);
    EXPECT_EQ(b32.Canvas()->Pixel(0, 0), RGB(0x11, 0x22, 0x33));

    const std::vector<uint8_t> table = {0, 0, 0, 0, 10, 20, 30, 0}; // 2 entries, B G R X
    TBitmap b8;
    Load(b8, Bmp(2, 1, 8, 0, table, {1, 0, 0, 0}, 2));
    EXPECT_EQ(b8.PixelFormat(), pf8bit);
    ASSERT_EQ(b8.ColorTable().size(), 2u);
    EXPECT_EQ(b8.Canvas()->Pixel(0, 0), RGB(30, 20, 10));
    EXPECT_EQ(b8.Canvas()->Pixel(1, 0), clBlack);
}

TEST(BitmapFile, DamagedOrHostileFilesRaiseAndLeaveTheBitmapAlone) {
    const std::vector<uint8_t> px = {0, 0, 255, 0};
    std::vector<uint8_t> truncated = Bmp(1, 1, 24, 0, {}, px);
    truncated.resize(truncated.size() - 3);
    std::vector<uint8_t> badMagic = Bmp(1, 1, 24, 0, {}, px);
    badMagic[0] = 'X';
    std::vector<uint8_t> badHeader = Bmp(1, 1, 24, 0, {}, px);
    badHeader[14] = 99;
    std::vector<uint8_t> badOffset = Bmp(1, 1, 24, 0, {}, px);
    badOffset[10] = 0xFF, badOffset[11] = 0xFF, badOffset[12] = 0xFF, badOffset[13] = 0x7F;
    std::vector<uint8_t> badMask;
    for (uint32_t m : {0xF0F0u, 0x0F00u, 0x000Fu})
        Put32(badMask, m);
    const std::vector<std::vector<uint8_t>> files = {
        {},
        {'B', 'M', 0},
        badMagic,
        badHeader,
        truncated,
        badOffset,
        Bmp(100000, 100000, 32, 0, {}, px),                          // claims 40 GB, holds 4 bytes
        Bmp(0x7FFFFFFF, 1, 1, 0, {}, px),                            // absurd width
        Bmp(1, -2147483647 - 1, 24, 0, {}, px),                      // most negative height
        Bmp(1, 1, 7, 0, {}, px),                                     // no such depth
        Bmp(4, 1, 8, 1, std::vector<uint8_t>(1024), {4, 1}),         // run-length rows cut short
        Bmp(4, 1, 8, 1, std::vector<uint8_t>(1024), {0, 5, 1, 2}),   // pixels one by one, cut short
        Bmp(4, 2, 8, 1, std::vector<uint8_t>(1024), {0, 0, 0, 2}),   // a jump cut short
        Bmp(4, -1, 8, 1, std::vector<uint8_t>(1024), {4, 1, 0, 1}),  // run-length rows top-down
        Bmp(4, 1, 4, 1, std::vector<uint8_t>(64), {4, 1, 0, 1}),     // 8-bit runs for 4-bit pixels
        Bmp(4, 1, 24, 2, {}, {4, 1, 0, 1}),                          // runs of 24-bit pixels
        Bmp(20000, 20000, 8, 1, std::vector<uint8_t>(1024), {0, 1}), // a tiny file claiming 400 Mpx
        Bmp(1, 1, 16, 3, badMask, px),
        Bmp(1, 1, 24, 3, {}, px), // bit fields need 16 or 32 bits
    };
    for (size_t i = 0; i < files.size(); ++i) {
        TBitmap b;
        b.SetPixelFormat(pf32bit);
        b.SetSize(2, 2);
        b.Canvas()->SetPixel(1, 1, clRed);
        EXPECT_THROW(Load(b, files[i]), EInvalidGraphic) << "file " << i;
        EXPECT_EQ(b.Width(), 2) << i;
        EXPECT_EQ(b.PixelFormat(), pf32bit) << i;
        EXPECT_EQ(b.Canvas()->Pixel(1, 1), clRed) << i;
    }
}

TEST(BitmapFile, FilesThroughTheGraphicDefaults) {
    const AnsiString path = testing::TempDir() + "ruliform_bitmap_test.bmp";
    TBitmap a;
    a.SetPixelFormat(pf24bit);
    a.SetSize(3, 2);
    a.Canvas()->SetPixel(2, 1, clFuchsia);
    a.SaveToFile(path);
    TPicture p;
    p.LoadFromFile(path);
    ASSERT_NE(dynamic_cast<TBitmap*>(p.Graphic()), nullptr);
    EXPECT_EQ(p.Bitmap()->Canvas()->Pixel(2, 1), clFuchsia);
    EXPECT_THROW(p.LoadFromFile(testing::TempDir() + "missing.bmp"), EFOpenError);
    EXPECT_THROW(p.LoadFromFile(path + ".gif"), EInvalidGraphic);
    std::remove(path.c_str());
}

namespace {
// Table entries whose red is 40 times the index.
std::vector<uint8_t> RedTable(int entries) {
    std::vector<uint8_t> t;
    for (int i = 0; i < entries; ++i)
        t.insert(t.end(), {0, 0, uint8_t(40 * i), 0});
    return t;
}
} // namespace

TEST(BitmapFile, RunLengthPicturesLoadRowByRowFromTheBottom) {
    struct Case {
        const char* what;
        int w, h, bits;
        std::vector<uint8_t> data;
        std::vector<std::vector<int>> rows; // indexes, top row first
    } cases[] = {
        {"8-bit runs, pixels one by one, a jump along the row, a run past the edge",
         4,
         3,
         8,
         {2, 1, 2, 2, 1, 1, 0, 0,       // bottom row: 1 1 2 2, the last run cut at the edge
          0, 3, 3, 2, 1, 0, 1, 3, 0, 0, // 3 2 1, padded to a whole word, then 3
          0, 2, 2, 0, 1, 3, 0, 1},      // jump two right, 3, end of the picture
         {{0, 0, 3, 0}, {3, 2, 1, 3}, {1, 1, 2, 2}}},
        {"8-bit jump up past a row, early end",
         2,
         3,
         8,
         {1, 1, 0, 2, 0, 2, 1, 2, 0, 1},
         {{0, 2}, {0, 0}, {1, 0}}},
        {"an early end leaves the rows above blank", 2, 3, 8, {2, 3, 0, 1}, {{0, 0}, {0, 0}, {3, 3}}},
        {"4-bit runs alternate the two indexes of their byte",
         5,
         2,
         4,
         {5, 0x12, 0, 0,             // 1 2 1 2 1
          0, 3, 0x31, 0x20, 2, 0x33, // 3 1 2 one by one, then 3 3
          0, 1},
         {{3, 1, 2, 3, 3}, {1, 2, 1, 2, 1}}},
        {"the last row ended without an end marker", 2, 1, 8, {2, 2, 0, 0}, {{2, 2}}},
    };
    for (const Case& c : cases) {
        TBitmap b;
        Load(b, Bmp(c.w, c.h, c.bits, c.bits == 8 ? 1 : 2, RedTable(1 << c.bits), c.data));
        ASSERT_EQ(b.Width(), c.w) << c.what;
        ASSERT_EQ(b.Height(), c.h) << c.what;
        EXPECT_EQ(b.BitsPerPixel(), c.bits) << c.what;
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x)
                EXPECT_EQ(b.Canvas()->Pixel(x, y), RGB(40 * c.rows[size_t(y)][size_t(x)], 0, 0))
                    << c.what << " at " << x << "," << y;
    }
}

TEST(BitmapFile, APictureBeyondTheLimitIsReducedAsItIsRead) {
    // Blocks of 2 x 2 pixels, four across and two down; reduced to one pixel a block.
    const TColor colours[2][4] = {{clRed, clLime, clBlue, clWhite}, {clBlack, clYellow, clAqua, clFuchsia}};
    std::vector<uint8_t> rows; // bottom-up, 8 pixels of 3 bytes: no padding
    for (int y = 3; y >= 0; --y)
        for (int x = 0; x < 8; ++x) {
            const TColor c = colours[y / 2][x / 2];
            rows.insert(rows.end(), {uint8_t(GetBValue(c)), uint8_t(GetGValue(c)), uint8_t(GetRValue(c))});
        }
    // Runs of the same blocks for the run-length form: index = block number.
    std::vector<uint8_t> table, runs;
    for (int by = 0; by < 2; ++by)
        for (int bx = 0; bx < 4; ++bx) {
            const TColor c = colours[by][bx];
            table.insert(table.end(),
                         {uint8_t(GetBValue(c)), uint8_t(GetGValue(c)), uint8_t(GetRValue(c)), 0});
        }
    table.resize(1024);
    for (int y = 3; y >= 0; --y) {
        for (int bx = 0; bx < 4; ++bx)
            runs.insert(runs.end(), {2, uint8_t((y / 2) * 4 + bx)});
        runs.insert(runs.end(), {0, 0});
    }
    for (const auto& file : {Bmp(8, 4, 24, 0, {}, rows), Bmp(8, 4, 8, 1, table, runs)}) {
        TBitmap b;
        b.LoadLimit.MaxSide = 4;
        Load(b, file);
        ASSERT_EQ(b.Width(), 4);
        ASSERT_EQ(b.Height(), 2);
        EXPECT_EQ(b.BitsPerPixel(), 32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(b.Canvas()->Pixel(x, y), colours[y][x]) << x << "," << y;
    }
}
