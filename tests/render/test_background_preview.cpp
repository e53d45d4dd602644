// The background picture in the preview: blended over the paper colour at its own resolution,
// then stretched into its millimetre rectangle on the rebuilt preview bitmap.
#include "RenderTestUtil.h"
#include "shell/MainWindowFixture.h"

#include "render/BackgroundPreview.h"
#include "render/Unit4.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

namespace {
// The picture's two halves: left and right, as red, green, blue.
constexpr TColor kLeft = 0x006478;  // RGB(120, 100, 0)
constexpr TColor kRight = 0x963200; // RGB(0, 50, 150)
constexpr int kPicW = 20, kPicH = 10;
} // namespace

class BackgroundPreviewTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (ScreenPixelsPerInchX() != 96 || ScreenPixelsPerInchY() != 96)
            GTEST_SKIP() << "screen is not 96 dpi";
        f->ComboBox1->SetItemIndex(0); // 100 %: 3.7795277 pixels per millimetre
        f->MarginLeft = f->MarginTop = f->MarginRight = f->MarginBottom = 0.0;
        f->FrameInsetLeft = f->FrameInsetTop = f->FrameInsetRight = f->FrameInsetBottom = 0.0;
        SetPaper(clWhite);
        // Only the picture: no pattern, decorations or margin lines.
        f->CheckBlank->SetChecked(true);
        f->CheckBox2->SetChecked(false);
        f->CheckBoxHeader->SetChecked(false);
        f->MarkPos = 0;
        f->SpaceLineView1->SetChecked(false);
        f->BGImageCheckBox1->SetChecked(false);

        SetPicture();
    }

    // A 20 x 10 pixel picture at full opacity, 40 x 20 mm at (10, 20) mm.
    void SetPicture() {
        f->BGBitmap->SetSize(kPicW, kPicH);
        for (int y = 0; y < kPicH; ++y)
            for (int x = 0; x < kPicW; ++x)
                f->BGBitmap->PutColor(x, y, x < kPicW / 2 ? kLeft : kRight);
        f->BGImage = "picture.png";
        f->BGAlpha = 255;
        f->BGLeft = 10;
        f->BGTop = 20;
        f->BGWidth = 40;
        f->BGHeight = 20;
    }

    void SetPaper(TColor c) {
        f->PaperColor = c;
        f->Panel1->SetColor(c);
    }
    TColor At(int x, int y) { return f->PreviewBitmap->Canvas()->Pixel(x, y) & 0xFFFFFF; }

    // The smallest rectangle holding every pixel that is not the paper colour; empty when none.
    // Rows are read directly: the bitmap is 32 bits, blue, green, red, unused.
    TRect Extent() {
        TABitmap* b = f->PreviewBitmap;
        const TColor paper = ColorToRGB(f->PaperColor);
        return rendertest::InkRect(TRect(0, 0, b->Width(), b->Height()), [&](int x, int y) {
            const uint8_t* p = b->ScanLine(y) + 4 * x;
            return RGB(p[2], p[1], p[0]) != paper;
        });
    }
};

TEST_F(BackgroundPreviewTest, StretchesIntoItsMillimetreRectangle) {
    struct Case {
        const char* name;
        double marginLeft, marginTop, insetLeft, insetTop;
        bool ignoreMargins;
        double left, top, width, height;
        TRect expected; // pixels at 3.7795277 per mm, truncated
    };
    const Case cases[] = {
        {"from the corner without margins", 0, 0, 0, 0, false, 10, 20, 40, 20, TRect(37, 75, 188, 151)},
        // Margin plus inset plus offset, summed in millimetres, then scaled: 5+3+10 = 18,
        // 4+2+20 = 26, 18+40 = 58, 26+20 = 46.
        {"after margins and frame insets", 5, 4, 3, 2, false, 10, 20, 40, 20, TRect(68, 98, 219, 173)},
        {"ignoring the margins", 5, 4, 3, 2, true, 10, 20, 40, 20, TRect(37, 75, 188, 151)},
        {"at the paper's corner", 5, 4, 3, 2, true, 0, 0, 15, 25, TRect(0, 0, 56, 94)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        f->MarginLeft = k.marginLeft;
        f->MarginTop = k.marginTop;
        f->FrameInsetLeft = k.insetLeft;
        f->FrameInsetTop = k.insetTop;
        f->BGImageCheckBox1->SetChecked(k.ignoreMargins);
        f->BGLeft = k.left;
        f->BGTop = k.top;
        f->BGWidth = k.width;
        f->BGHeight = k.height;
        f->UpdatePreview();
        const TRect r = Extent();
        EXPECT_EQ(r.Left, k.expected.Left);
        EXPECT_EQ(r.Top, k.expected.Top);
        EXPECT_EQ(r.Right, k.expected.Right);
        EXPECT_EQ(r.Bottom, k.expected.Bottom);
        // Not mirrored: the picture's left half lands left, its right half right.
        const int midY = (r.Top + r.Bottom) / 2;
        EXPECT_EQ(At(r.Left, midY), kLeft);
        EXPECT_EQ(At(r.Right - 1, midY), kRight);
    }
}

TEST_F(BackgroundPreviewTest, BlendsOverThePaperColourWithTheOpacity) {
    struct Case {
        int alpha;
        TColor paper;
        TColor expected; // the left half: (s * a + paper * (256 - a)) >> 8 per byte
    };
    const Case cases[] = {
        {255, clWhite, kLeft},              // one part in 256 of white is lost to truncation
        {300, clWhite, kLeft},              // as 255
        {127, clWhite, RGB(188, 178, 128)}, // (120*127 + 255*129) >> 8 = 188 ...
        {127, clYellow, RGB(188, 178, 0)},  // a coloured paper tints the picture
        {1, clWhite, RGB(254, 254, 254)},
        {0, clWhite, clWhite}, // the rectangle shows the plain paper
        {0, clYellow, clYellow},
        {-5, clWhite, clWhite}, // an opacity below 0 counts as 0
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("opacity " + std::to_string(k.alpha) + " paper " + std::to_string(k.paper));
        SetPaper(k.paper);
        f->BGAlpha = k.alpha;
        f->UpdatePreview();
        EXPECT_EQ(At(60, 110), k.expected); // inside the left half of 37..188 x 75..151
        EXPECT_EQ(At(20, 110), k.paper);    // left of the picture
    }
    // The picture itself is left as it was loaded.
    TColor c;
    f->BGBitmap->GetColor(0, 0, c);
    EXPECT_EQ(c, kLeft);
}

TEST_F(BackgroundPreviewTest, IsClippedAtThePaperEdges) {
    struct Case {
        const char* name;
        double left, top;
        TRect expected;
        TColor atCorner; // the colour of the rectangle's top-left visible pixel
    };
    // The paper is 793 x 1122 pixels (210 x 297 mm); the picture is 40 x 20 mm.
    const Case cases[] = {
        // 200 mm = 755 px; 240 mm would be 907, cut at 793.
        {"past the right edge", 200, 20, TRect(755, 75, 793, 151), kLeft},
        // 290 mm = 1096 px; 310 mm would be 1171, cut at 1122.
        {"past the bottom edge", 10, 290, TRect(37, 1096, 188, 1122), kLeft},
        // -20 mm = -75 px to 20 mm = 75 px: the visible part starts in the picture's right half
        // (the middle lies at 0), so clipping does not squeeze the picture.
        {"left of and above the paper", -20, -10, TRect(0, 0, 75, 37), kRight},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        f->BGLeft = k.left;
        f->BGTop = k.top;
        f->UpdatePreview();
        const TRect r = Extent();
        EXPECT_EQ(r.Left, k.expected.Left);
        EXPECT_EQ(r.Top, k.expected.Top);
        EXPECT_EQ(r.Right, k.expected.Right);
        EXPECT_EQ(r.Bottom, k.expected.Bottom);
        EXPECT_EQ(At(r.Left, r.Top), k.atCorner);
    }
}

TEST_F(BackgroundPreviewTest, DrawsNothingWithoutASizeOrAPicture) {
    struct Case {
        const char* name;
        double width, height;
        bool emptyPicture, noName;
    };
    const Case cases[] = {
        {"zero width", 0, 20, false, false},       {"zero height", 40, 0, false, false},
        {"negative width", -40, 20, false, false}, {"negative height", 40, -20, false, false},
        {"an empty picture", 40, 20, true, false}, {"no picture chosen", 40, 20, false, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        SetPicture();
        f->BGWidth = k.width;
        f->BGHeight = k.height;
        if (k.emptyPicture) f->BGBitmap->Zero();
        if (k.noName) f->BGImage = "";
        f->UpdatePreview();
        const TRect r = Extent();
        EXPECT_EQ(r.Right - r.Left, 0) << "something drawn at " << r.Left << ", " << r.Top;
    }
}

TEST_F(BackgroundPreviewTest, TheMarginBandsCoverItUnlessMarginsAreIgnored) {
    // With a 10 mm top margin the picture moves down with the content origin; the band over a
    // picture pulled back into the margin by a negative offset is painted with the paper colour.
    f->MarginTop = 10;
    f->BGTop = -10; // the picture starts at the paper's top edge, inside the margin band
    f->UpdatePreview();
    EXPECT_EQ(At(60, 10), clWhite) << "inside the margin band";
    EXPECT_EQ(At(60, 50), kLeft) << "below the band";
    f->BGImageCheckBox1->SetChecked(true);
    f->BGTop = 0;
    f->UpdatePreview();
    EXPECT_EQ(At(60, 10), kLeft) << "margins ignored: no band";
}

TEST_F(BackgroundPreviewTest, KeepsItsCopyUntilThePictureOrAValueItWasMadeFromChanges) {
    struct Case {
        const char* what;
        std::function<void()> change;
        bool remade;
    };
    const Case cases[] = {
        {"nothing", [] {}, false},
        {"another place on the page", [&] { f->BGLeft += 5; }, false},
        {"another margin", [&] { f->MarginLeft += 3; }, false},
        {"the pattern shown", [&] { f->CheckBlank->SetChecked(!f->CheckBlank->Checked()); }, false},
        {"another opacity", [&] { f->BGAlpha = 100; }, true},
        {"another paper colour", [&] { SetPaper(clYellow); }, true},
        {"another width", [&] { f->BGWidth += 10; }, true},
        {"another height", [&] { f->BGHeight -= 5; }, true},
        {"another zoom", [&] { f->ComboBox1->SetItemIndex(3); }, true},
        {"partly off the paper", [&] { f->BGLeft = 190; }, true},
        {"a quarter turn", [&] { f->Button5Click(nullptr); }, true},
        {"a mirror", [&] { f->Button4Click(nullptr); }, true},
        {"a pixel of the picture", [&] { f->BGBitmap->PutColor(0, 0, clRed); }, true},
        {"a new picture", [&] { SetPicture(); }, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        SetPicture();
        SetPaper(clWhite);
        f->BGAlpha = 200;
        f->MarginLeft = 0;
        f->ComboBox1->SetItemIndex(0);
        f->UpdatePreview();
        ASSERT_TRUE(f->BGPreview);
        const uint64_t before = f->BGPreview->Copy().Revision();
        k.change();
        f->UpdatePreview();
        EXPECT_EQ(f->BGPreview->Copy().Revision() != before, k.remade);
        // Whatever it kept, the preview is what a copy made afresh gives.
        TABitmap kept;
        kept.Assign(f->PreviewBitmap);
        f->BGPreview.reset();
        f->UpdatePreview();
        ASSERT_EQ(kept.Width(), f->PreviewBitmap->Width());
        ASSERT_EQ(kept.Height(), f->PreviewBitmap->Height());
        int differ = 0;
        for (int y = 0; y < kept.Height(); ++y)
            differ +=
                std::memcmp(kept.ScanLine(y), f->PreviewBitmap->ScanLine(y), size_t(kept.Width()) * 4) != 0;
        EXPECT_EQ(differ, 0) << "rows differ";
    }
}
