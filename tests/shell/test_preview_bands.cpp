// The preview's margin bands, measured pixel by pixel against a picture that covers the whole
// paper: where each band ends is computed here from the millimetres (mm x dpi / 25.4 x zoom
// from the paper's edge), not taken from the program.
#include "MainWindowFixture.h"

#include <cmath>

namespace {
TColor PixelAt(TABitmap* b, int x, int y) {
    return b->Canvas()->Pixel(x, y) & 0xFFFFFF;
}
} // namespace

TEST_F(MainWindowTest, PreviewBandsEndWhereTheirMillimetresSay) {
    constexpr TColor paper = 0x00CCEEFF;
    f->CheckBlank->SetChecked(true);
    f->SpaceLineView1->SetChecked(false);
    f->ComboBox1->SetItemIndex(0); // 100 %
    f->ComboBox1Change(f->ComboBox1);
    f->eSpaceT->SetText("20");
    f->eSpaceL->SetText("15");
    f->eSpaceR->SetText("25");
    f->eSpaceB->SetText("30");
    f->PaperColor = paper;
    f->Panel1->SetColor(paper);
    // A black picture well beyond every edge of the paper.
    f->BGBitmap->SetSize(4, 4);
    f->BGBitmap->FillBMP(0, 0, 0);
    f->BGImage = "black.png";
    f->BGAlpha = 255;
    f->BGImageCheckBox1->SetChecked(false);
    f->BGLeft = f->BGTop = -100;
    f->BGWidth = f->BGHeight = 1000;
    f->UpdatePreview();

    TABitmap* b = f->PreviewBitmap;
    const int W = b->Width(), H = b->Height();
    // Preview pixels per millimetre at 100 %, in the single precision the preview uses.
    const float s = static_cast<float>(ScreenPixelsPerInchX() / 25.4);
    const int L = static_cast<int>(15 * s) - 1; // the left and top bands end a pixel early
    const int T = static_cast<int>(20 * s) - 1;
    const int R = static_cast<int>(25 * s);
    const int B = static_cast<int>(30 * s);
    const int midY = H / 2, midX = W / 2;
    ASSERT_EQ(PixelAt(b, midX, midY), 0x000000u) << "the picture shows inside the margins";

    EXPECT_EQ(PixelAt(b, 0, midY), paper);
    EXPECT_EQ(PixelAt(b, L - 1, midY), paper) << "left band's last column";
    EXPECT_EQ(PixelAt(b, L, midY), 0x000000u) << "first column after the left band";
    EXPECT_EQ(PixelAt(b, W - R - 1, midY), 0x000000u) << "last column before the right band";
    EXPECT_EQ(PixelAt(b, W - R, midY), paper) << "right band's first column";
    EXPECT_EQ(PixelAt(b, W - 1, midY), paper);

    EXPECT_EQ(PixelAt(b, midX, T - 1), paper) << "top band's last row";
    EXPECT_EQ(PixelAt(b, midX, T), 0x000000u);
    EXPECT_EQ(PixelAt(b, midX, H - B - 1), 0x000000u);
    EXPECT_EQ(PixelAt(b, midX, H - B), paper) << "bottom band's first row";
    EXPECT_EQ(PixelAt(b, midX, H - 1), paper);
}
