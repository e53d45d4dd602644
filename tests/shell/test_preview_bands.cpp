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
    // Margins whose band edges fall well inside a preview pixel, so that a pixel more or less in
    // a strip shows.
    f->eSpaceT->SetText("20");
    f->eSpaceL->SetText("10");
    f->eSpaceR->SetText("22");
    f->eSpaceB->SetText("27");
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
    // The preview hides the picture where the sheet's white strips do: each strip is the margin
    // in whole printer pixels (600 dpi), less 0.1 mm, less one pixel, from the paper's edge; on the
    // preview that length is scaled to its pixels (at 100 %) and the strip covers the pixels it
    // reaches into.
    const double printerPxPerMm = 600 / 25.4;
    const double s = ScreenPixelsPerInchX() / 25.4;
    auto strip = [&](double mm) {
        const double px = std::floor(std::floor(mm * printerPxPerMm) - 0.1 * printerPxPerMm) - 1;
        return px / printerPxPerMm * s;
    };
    const double paperW = 210 * s, paperH = 297 * s; // A4
    const int L = static_cast<int>(strip(10));
    const int T = static_cast<int>(strip(20));
    const int R = static_cast<int>(paperW - strip(22));
    const int B = static_cast<int>(paperH - strip(27));
    const int midY = H / 2, midX = W / 2;
    ASSERT_EQ(PixelAt(b, midX, midY), 0x000000u) << "the picture shows inside the margins";

    EXPECT_EQ(PixelAt(b, 0, midY), paper);
    EXPECT_EQ(PixelAt(b, L - 1, midY), paper) << "left band's last column";
    EXPECT_EQ(PixelAt(b, L, midY), 0x000000u) << "first column after the left band";
    EXPECT_EQ(PixelAt(b, R - 1, midY), 0x000000u) << "last column before the right band";
    EXPECT_EQ(PixelAt(b, R, midY), paper) << "right band's first column";
    EXPECT_EQ(PixelAt(b, W - 1, midY), paper);

    EXPECT_EQ(PixelAt(b, midX, T - 1), paper) << "top band's last row";
    EXPECT_EQ(PixelAt(b, midX, T), 0x000000u);
    EXPECT_EQ(PixelAt(b, midX, B - 1), 0x000000u);
    EXPECT_EQ(PixelAt(b, midX, B), paper) << "bottom band's first row";
    EXPECT_EQ(PixelAt(b, midX, H - 1), paper);
}
