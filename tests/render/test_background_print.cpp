// The background picture on the printed page (built-in PDF printer, A4 at 600 dpi): blended over
// white, stretched into its rectangle from the printable corner, embedded as an image.
#include "RenderTestUtil.h"
#include "shell/MainWindowFixture.h"

#include "render/Unit4.h"
#include "winlib/Printers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {
constexpr int kDpi = 150; // rendering resolution of the checks
constexpr double kPxPerMm = kDpi / 25.4;
constexpr TColor kPicture = 0x006478; // RGB(120, 100, 0)

// The number of images in a PDF as pdfimages lists them, or -1 when it cannot be read.
int PdfImageCount(const std::string& pdf) {
    const std::string cmd = "pdfimages -list '" + pdf + "' 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    char line[512];
    int lines = 0;
    while (fgets(line, sizeof line, p))
        ++lines;
    return pclose(p) == 0 ? std::max(lines - 2, 0) : -1; // two heading lines
}

// The rectangle of a colour image, in image pixels, where some channel is below 250.
TRect InkExtent(const rendertest::Image& img) {
    return rendertest::InkRect(TRect(0, 0, img.width, img.height), [&](int x, int y) {
        return std::min({img.At(x, y, 0), img.At(x, y, 1), img.At(x, y, 2)}) < 250;
    });
}
} // namespace

class BackgroundPrintTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("picture.pdf").string();
        f->MarginLeft = f->MarginTop = f->MarginRight = f->MarginBottom = 0.0;
        f->FrameInsetLeft = f->FrameInsetTop = f->FrameInsetRight = f->FrameInsetBottom = 0.0;
        f->BGImageCheckBox1->SetChecked(false);
        f->BGBitmap->SetSize(8, 4);
        f->BGBitmap->FillBMP(GetRValue(kPicture), GetGValue(kPicture), GetBValue(kPicture));
        f->BGImage = "picture.png";
        f->BGAlpha = 255;
        f->BGLeft = 10;
        f->BGTop = 20;
        f->BGWidth = 40;
        f->BGHeight = 20;
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        MainWindowTest::TearDown();
        SetPdfPrinterBorderForTest(0, 0);
    }

    // One sheet with only the background picture on it.
    rendertest::Image PrintPicture() {
        f->PrinterRef->SetOutputFileName(pdf);
        f->PrinterRef->BeginDoc();
        PrintBackgroundImage(f->BGAlpha);
        f->PrinterRef->EndDoc();
        return rendertest::RenderPdfPage(pdf, kDpi, false);
    }
    // One sheet through the print command, as the user prints it.
    rendertest::Image PrintCommand() {
        DialogAnswer a;
        a.Kind = DialogKind::Print;
        a.PrinterName = PdfPrinterName;
        a.FileName = pdf;
        ScriptDialogAnswer(a);
        f->Edit2->SetText("1");
        f->PrintOutExecute(f->PrintOut);
        return rendertest::RenderPdfPage(pdf, kDpi, false);
    }

    std::string pdf;
};

TEST_F(BackgroundPrintTest, ThePrintCommandPutsThePictureOnThePage) {
    // A coloured paper only tints the preview: in print the picture is blended over white.
    f->PaperColor = clYellow;
    f->Panel1->SetColor(clYellow);
    f->BGAlpha = 127;
    f->CheckBlank->SetChecked(true);
    const rendertest::Image img = PrintCommand();
    ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
    EXPECT_EQ(PdfImageCount(pdf), 1);
    // (120 * 127 + 255 * 129) >> 8 = 188, (100 * 127 + 255 * 129) >> 8 = 178, ... = 128.
    const int x = static_cast<int>(30 * kPxPerMm), y = static_cast<int>(30 * kPxPerMm);
    EXPECT_NEAR(img.At(x, y, 0), 188, 2);
    EXPECT_NEAR(img.At(x, y, 1), 178, 2);
    EXPECT_NEAR(img.At(x, y, 2), 128, 2);
    const TRect r = InkExtent(img);
    EXPECT_NEAR(r.Left, 10 * kPxPerMm, 1.5);
    EXPECT_NEAR(r.Top, 20 * kPxPerMm, 1.5);
    EXPECT_NEAR(r.Right, 50 * kPxPerMm, 1.5);
    EXPECT_NEAR(r.Bottom, 40 * kPxPerMm, 1.5);
}

TEST_F(BackgroundPrintTest, WithoutAPictureNameNoImageIsPrinted) {
    f->BGImage = "";
    f->CheckBlank->SetChecked(true);
    PrintCommand();
    EXPECT_EQ(PdfImageCount(pdf), 0);
}

TEST_F(BackgroundPrintTest, ThePictureCountsFromTheContentOriginOrThePaperCorner) {
    struct Case {
        const char* name;
        double marginLeft, marginTop, insetLeft;
        double borderPt; // the printer's unprintable border on each side
        bool ignoreMargins;
        double left, top; // where the picture's corner lands on the paper, mm
    };
    const Case cases[] = {
        {"no margins", 0, 0, 0, 0, false, 10, 20},
        {"margins and a left frame inset", 15, 10, 5, 0, false, 30, 30},
        // The margins count from the paper's edges whatever the printer cannot print.
        {"an unprintable border", 15, 10, 0, 14, false, 25, 30},
        {"margins ignored", 15, 10, 5, 14, true, 10, 20},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        // The PDF printer acting as a printer with that border; the margins as the case sets them.
        SetPdfPrinterBorderForTest(k.borderPt, k.borderPt);
        f->RefreshPrinterMetrics();
        ASSERT_EQ(f->PhysOffsetX, static_cast<int>(std::ceil(k.borderPt * 600 / 72)));
        f->MarginLeft = k.marginLeft;
        f->MarginTop = k.marginTop;
        f->FrameInsetLeft = k.insetLeft;
        f->BGImageCheckBox1->SetChecked(k.ignoreMargins);
        const TRect r = InkExtent(PrintPicture());
        EXPECT_NEAR(r.Left, k.left * kPxPerMm, 1.5);
        EXPECT_NEAR(r.Top, k.top * kPxPerMm, 1.5);
        EXPECT_NEAR(r.Right, (k.left + 40) * kPxPerMm, 1.5);
        EXPECT_NEAR(r.Bottom, (k.top + 20) * kPxPerMm, 1.5);
    }
    SetPdfPrinterBorderForTest(0, 0);
}

TEST_F(BackgroundPrintTest, AnEmptySizeOrZeroOpacityLeavesThePageWhite) {
    struct Case {
        const char* name;
        double width, height;
        int alpha;
    };
    const Case cases[] = {
        {"zero width", 0, 20, 255},
        {"negative height", 40, -20, 255},
        {"opacity 0", 40, 20, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        f->BGWidth = k.width;
        f->BGHeight = k.height;
        f->BGAlpha = k.alpha;
        const rendertest::Image img = PrintPicture();
        ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
        const TRect r = InkExtent(img);
        EXPECT_EQ(r.Right - r.Left, 0) << "ink at " << r.Left << ", " << r.Top;
    }
}
