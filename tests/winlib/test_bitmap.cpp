#include "winlib/Graphics.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <functional>

TEST(Bitmap, RowsArePaddedToFourBytesInEveryFormat) {
    struct Case {
        TPixelFormat f;
        int bits, width, stride;
    } cases[] = {{pf1bit, 1, 33, 8},  {pf4bit, 4, 9, 8},    {pf8bit, 8, 5, 8},    {pf15bit, 15, 3, 8},
                 {pf16bit, 16, 3, 8}, {pf24bit, 24, 5, 16}, {pf32bit, 32, 3, 12}, {pfDevice, 32, 3, 12}};
    for (const Case& c : cases) {
        TBitmap b;
        b.SetPixelFormat(c.f);
        b.SetSize(c.width, 2);
        EXPECT_EQ(b.BitsPerPixel(), c.bits) << c.f;
        EXPECT_EQ(b.BytesPerScanline(), c.stride) << c.f;
        EXPECT_EQ(b.ScanLine(1) - b.ScanLine(0), c.stride) << c.f; // top row first
    }
    TBitmap fresh;
    EXPECT_EQ(fresh.PixelFormat(), pfDevice);
    EXPECT_TRUE(fresh.Empty());
    EXPECT_THROW(fresh.ScanLine(0), EInvalidGraphicOperation);
}

TEST(Bitmap, SetSizeKeepsTopLeftAndFillsNewPixelsBlack) {
    for (TPixelFormat f : {pf1bit, pf4bit, pf24bit, pf32bit}) {
        TBitmap b;
        b.SetPixelFormat(f);
        b.SetSize(3, 2);
        b.Canvas()->Brush()->SetColor(clWhite);
        b.Canvas()->FillRect(Rect(0, 0, 3, 2));
        b.SetSize(5, 3);
        TCanvas* c = b.Canvas();
        EXPECT_EQ(c->Pixel(2, 1), clWhite) << f;
        EXPECT_EQ(c->Pixel(3, 1), clBlack) << f;
        EXPECT_EQ(c->Pixel(0, 2), clBlack) << f;
        b.SetSize(2, 1);
        b.SetSize(3, 1);
        EXPECT_EQ(c->Pixel(1, 0), clWhite) << f;
        EXPECT_EQ(c->Pixel(2, 0), clBlack) << f; // cut off, then new again
    }
}

TEST(Bitmap, HugeSizeIsRefusedWithoutAllocating) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(4, 4);
    EXPECT_THROW(b.SetSize(100000, 100000), EOutOfResources);
    EXPECT_EQ(b.Width(), 4); // unchanged
    EXPECT_THROW(b.SetPixelFormat(pfCustom), EInvalidGraphic);
}

TEST(Bitmap, PaletteFormatsExpandThroughTheColourTable) {
    TBitmap b;
    b.SetPixelFormat(pf8bit);
    b.SetSize(2, 1);
    std::vector<TRGBQuad> table(2);
    table[1].rgbRed = 0x12, table[1].rgbGreen = 0x34, table[1].rgbBlue = 0x56;
    b.SetColorTable(table);
    b.ScanLine(0)[0] = 1;
    b.ScanLine(0)[1] = 0;
    b.SetPixelFormat(pf32bit);
    EXPECT_TRUE(b.ColorTable().empty());
    const uint8_t* p = b.ScanLine(0);
    EXPECT_EQ(p[0], 0x56);
    EXPECT_EQ(p[1], 0x34);
    EXPECT_EQ(p[2], 0x12);
    EXPECT_EQ(p[3], 0); // the fourth byte of converted pixels is 0
    EXPECT_EQ(p[4] | p[5] | p[6], 0);
}

TEST(Bitmap, FormatConversionsKeepColours) {
    // Colours every format can hold exactly (0 and 255 in each channel).
    const TColor colours[] = {clBlack, clWhite, clRed, clLime, clBlue, clYellow, clFuchsia, clAqua};
    const TPixelFormat formats[] = {pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit};
    for (TPixelFormat from : formats)
        for (TPixelFormat to : formats) {
            TBitmap b;
            b.SetPixelFormat(from);
            b.SetSize(8, 1);
            for (int x = 0; x < 8; ++x)
                b.Canvas()->SetPixel(x, 0, colours[x]);
            b.SetPixelFormat(to);
            EXPECT_EQ(b.PixelFormat(), to);
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(b.Canvas()->Pixel(x, 0), colours[x]) << from << " -> " << to << " at " << x;
        }
}

TEST(Bitmap, WideningAnIndexedFormatKeepsIndexesAndTable) {
    TBitmap b;
    b.SetPixelFormat(pf1bit);
    b.SetSize(9, 1);
    std::vector<TRGBQuad> table(2);
    table[0].rgbRed = 200;
    table[1].rgbBlue = 100;
    b.SetColorTable(table);
    b.ScanLine(0)[0] = 0xA0; // pixels 0 and 2 use entry 1
    b.ScanLine(0)[1] = 0x80; // pixel 8 too
    b.SetPixelFormat(pf8bit);
    ASSERT_EQ(b.ColorTable().size(), 2u);
    const uint8_t* p = b.ScanLine(0);
    EXPECT_EQ(p[0], 1);
    EXPECT_EQ(p[1], 0);
    EXPECT_EQ(p[2], 1);
    EXPECT_EQ(p[8], 1);
}

TEST(Bitmap, ConversionTo24BitsDropsTheFourthByte) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(1, 1);
    uint8_t* p = b.ScanLine(0);
    p[0] = 1, p[1] = 2, p[2] = 3, p[3] = 200;
    b.SetPixelFormat(pf24bit);
    const uint8_t* q = b.ScanLine(0);
    EXPECT_EQ(q[0], 1);
    EXPECT_EQ(q[1], 2);
    EXPECT_EQ(q[2], 3);
    b.SetPixelFormat(pf32bit);
    EXPECT_EQ(b.ScanLine(0)[3], 0);
}

TEST(Bitmap, AssignIsAValueCopy) {
    TBitmap a;
    a.SetPixelFormat(pf24bit);
    a.SetSize(2, 2);
    a.Canvas()->SetPixel(1, 1, clRed);
    TBitmap b;
    b.Assign(&a);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(b.Canvas()->Pixel(1, 1), clRed);
    b.Canvas()->SetPixel(1, 1, clBlue);
    a.Canvas()->SetPixel(0, 0, clLime);
    EXPECT_EQ(a.Canvas()->Pixel(1, 1), clRed);
    EXPECT_EQ(b.Canvas()->Pixel(0, 0), clBlack);
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    TPen pen;
    EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(Bitmap, ChangesNotifyOnChange) {
    TBitmap b;
    int changes = 0;
    b.OnChange = [&](TObject* s) {
        EXPECT_EQ(s, &b);
        ++changes;
    };
    b.SetSize(3, 3);
    b.SetPixelFormat(pf24bit);
    b.Canvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(changes, 3);
}

TEST(Bitmap, PaletteHandlesFollowTheColourTable) {
    TBitmap b;
    b.SetPixelFormat(pf8bit);
    b.SetSize(1, 1);
    std::vector<TRGBQuad> t(3);
    t[2].rgbRed = 9;
    b.SetColorTable(t);
    const HPALETTE h = b.Palette();
    ASSERT_NE(h, 0u);
    EXPECT_EQ(GetPaletteEntries(h, 0, 0, nullptr), 3);
    TPaletteEntry e[3];
    EXPECT_EQ(GetPaletteEntries(h, 1, 5, e), 2);
    EXPECT_EQ(e[1].peRed, 9);
    EXPECT_EQ(GetPaletteEntries(h, 3, 1, e), 0);

    std::vector<TPaletteEntry> entries(2);
    entries[0].peGreen = 77;
    const HPALETTE mine = CreatePalette(entries);
    b.SetPaletteHandle(mine);
    ASSERT_EQ(b.ColorTable().size(), 2u);
    EXPECT_EQ(b.ColorTable()[0].rgbGreen, 77);
    EXPECT_EQ(GetPaletteEntries(mine, 0, 0, nullptr), 2); // still the caller's
    DeletePalette(mine);
    EXPECT_EQ(GetPaletteEntries(mine, 0, 0, nullptr), 0);
    EXPECT_EQ(GetPaletteEntries(0, 0, 1, e), 0);

    TBitmap rgb;
    rgb.SetPixelFormat(pf24bit);
    EXPECT_EQ(rgb.Palette(), 0u);
}

TEST(Bitmap, TheRevisionChangesWithEveryChangeAndOnlyThen) {
    TBitmap b, other;
    b.SetPixelFormat(pf32bit);
    b.SetSize(4, 4);
    other.SetPixelFormat(pf32bit);
    other.SetSize(4, 4);
    EXPECT_NE(b.Revision(), other.Revision()); // two bitmaps never share one
    const std::vector<TRGBQuad> table(2);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"writable row", [&] { b.ScanLine(1)[0] = 7; }},
        {"drawing on the canvas", [&] { b.Canvas()->FillRect(Rect(0, 0, 2, 2)); }},
        {"pixel on the canvas", [&] { b.Canvas()->SetPixel(1, 1, clRed); }},
        {"another size", [&] { b.SetSize(5, 4); }},
        {"another format", [&] { b.SetPixelFormat(pf24bit); }},
        {"same bits, other format", [&] { b.SetPixelFormat(pfDevice); }},
        {"a copy of another", [&] { b.Assign(&other); }},
        {"a colour table", [&] { b.SetColorTable(table); }},
    };
    for (const auto& [what, change] : changes) {
        const uint64_t before = b.Revision();
        change();
        EXPECT_NE(b.Revision(), before) << what;
    }
    b.SetPixelFormat(pf32bit);
    const uint64_t before = b.Revision();
    const TBitmap& readOnly = b;
    EXPECT_EQ(readOnly.ScanLine(0)[0], readOnly.ScanLine(0)[0]);
    b.SetSize(b.Width(), b.Height());
    b.SetPixelFormat(pf32bit);
    other.Canvas()->StretchDraw(Rect(0, 0, 4, 4), &b); // read as a source
    EXPECT_EQ(b.Revision(), before);
}

TEST(Bitmap, MoveFromTakesThePixelsAndLeavesTheSourceEmpty) {
    TBitmap source, target;
    source.SetPixelFormat(pf4bit);
    source.SetSize(3, 2);
    std::vector<TRGBQuad> table(16);
    table[5].rgbGreen = 99;
    source.SetColorTable(table);
    source.Canvas()->SetPixel(2, 1, RGB(0, 99, 0));
    target.SetPixelFormat(pf32bit);
    target.SetSize(8, 8);
    const uint64_t before = target.Revision();
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.MoveFrom(source);
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(target.Height(), 2);
    EXPECT_EQ(target.PixelFormat(), pf4bit);
    ASSERT_EQ(target.ColorTable().size(), 16u);
    EXPECT_EQ(target.Canvas()->Pixel(2, 1), RGB(0, 99, 0));
    EXPECT_NE(target.Palette(), HPALETTE(0));
    EXPECT_NE(target.Revision(), before);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(source.Empty());
    EXPECT_TRUE(source.ColorTable().empty());
}
