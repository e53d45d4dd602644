// The codec's helpers that reach the platform: colour counts, drawing part of a bitmap, file
// names, the debug message and the screen description.
#include "image/Sfunc.h"

#include "image/png_fixtures.h"
#include "winlib/DialogScript.h"
#include "winlib/Dialogs.h"
#include "winlib/Forms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

TEST(PixHelpers, GetMaxColorTakesTheUsedCountElseTheDepth) {
    struct Case {
        uint16_t bits;
        uint32_t used;
        int colours;
    } cases[] = {{1, 0, 2}, {4, 0, 16}, {8, 0, 256}, {4, 3, 3}, {8, 17, 17}, {24, 0, 0}, {32, 0, 0}};
    for (const Case& c : cases) {
        TBitmapInfoHeader h;
        h.biBitCount = c.bits;
        h.biClrUsed = c.used;
        EXPECT_EQ(GetMaxColor(h), c.colours) << c.bits << " bits, " << c.used << " used";
    }
}

namespace {
// A w x h bitmap of the format whose pixel (x, y) is colour table entry or colour 10x + y (red).
void Numbered(TBitmap& b, TPixelFormat f, int w, int h) {
    b.SetPixelFormat(f);
    b.SetSize(w, h);
    if (b.BitsPerPixel() <= 8) {
        std::vector<TRGBQuad> table(size_t(1) << b.BitsPerPixel());
        for (size_t i = 0; i < table.size(); ++i)
            table[i].rgbRed = uint8_t(i * 3);
        b.SetColorTable(table);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Canvas()->SetPixel(x, y, RGB((b.BitsPerPixel() <= 8 ? 3 * (x + 4 * y) : 10 * x + y), 0, 0));
}
} // namespace

TEST(PixHelpers, DrawBitmapHandleCopiesAPartUnscaledAndClipsToTheBitmap) {
    for (TPixelFormat f : {pf4bit, pf8bit, pf24bit, pf32bit}) {
        TBitmap source;
        Numbered(source, f, 4, 4);
        TBitmap target;
        target.SetPixelFormat(pf32bit);
        target.SetSize(10, 10);
        target.Canvas()->Brush()->SetColor(clWhite);
        target.Canvas()->FillRect(Rect(0, 0, 10, 10));
        // Source (3, 1) to (5, 3): only column 3 lies on the bitmap.
        EXPECT_TRUE(DrawBitmapHandle(target.Canvas(), 2, 5, 3, 2, &source, 1, 1, SRCCOPY)) << f;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool copied = x >= 2 && x < 5 && y >= 5 && y < 7;
                const TColor expected = copied ? PixelColor(source, x - 2 + 1, y - 5 + 1) : clWhite;
                EXPECT_EQ(target.Canvas()->Pixel(x, y), expected) << f << " at " << x << "," << y;
            }
        TBitmap untouched;
        untouched.Assign(&target);
        EXPECT_FALSE(DrawBitmapHandle(target.Canvas(), 0, 0, 4, 4, &source, 0, 0, 0x008800C6)) << f; // SRCAND
        EXPECT_TRUE(DrawBitmapHandle(target.Canvas(), 0, 0, 4, 4, &source, 4, 0, SRCCOPY))
            << f; // off the bitmap
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                EXPECT_EQ(target.Canvas()->Pixel(x, y), untouched.Canvas()->Pixel(x, y)) << f;
    }
}

TEST(PixHelpers, GetLongFileNameGivesTheNameTheFolderHolds) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("ruliform-longname-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "Sub Folder");
    std::ofstream(folder / "Photo File.jpeg") << "x";
    const AnsiString base = folder.string() + "/";
    EXPECT_EQ(GetLongFileName(base + "Photo File.jpeg"), base + "Photo File.jpeg");
    EXPECT_EQ(GetLongFileName(base + "Sub Folder"), base + "Sub Folder");
    EXPECT_EQ(GetLongFileName(base + "missing.jpeg"), "");
    std::filesystem::remove_all(folder);
}

TEST(PixHelpers, DebugMesShowsItsTextInABoxCaptionedDebugging) {
    ShownMessages().clear();
    DialogAnswer ok;
    ok.Kind = DialogKind::MessageBox;
    ok.Button = IDOK;
    ScriptDialogAnswer(ok);
    DebugMes("row 12");
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::MessageBox);
    EXPECT_EQ(ShownMessages()[0].Caption, "デバッグ中");
    EXPECT_EQ(ShownMessages()[0].Text, "row 12");
    EXPECT_EQ(ScriptedAnswerCount(), 0);
    ShownMessages().clear();
}

TEST(PixSystemInfo, DescribesTheScreenAndAgreesOnlyToTheModeItIsIn) {
    TPixSystemInfo& info = PixSystemInfo();
    EXPECT_EQ(&info, &PixSystemInfo());
    EXPECT_EQ(info.GetWidth(), Screen->Width());
    EXPECT_EQ(info.GetHeight(), Screen->Height());
    EXPECT_EQ(info.GetBitCount(), Screen->BitsPerPixel());
    EXPECT_GT(info.GetBitCount(), 8);
    EXPECT_EQ(info.GetPaletteSize(), 0);
    EXPECT_FALSE(info.OSVersion().empty());
    const int w = info.GetWidth(), h = info.GetHeight(), bits = info.GetBitCount();
    EXPECT_TRUE(info.ChangeDisplay(w, h, bits));
    EXPECT_FALSE(info.ChangeDisplay(w / 2, h / 2, bits));
    EXPECT_FALSE(info.ChangeDisplay(w, h, 8));
    info.RestoreDisplay();
    EXPECT_EQ(info.GetWidth(), w);
}
