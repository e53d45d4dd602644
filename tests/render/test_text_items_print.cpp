// The free-text page on the printed sheet (built-in PDF printer, A4 at 600 dpi): positions from
// the paper's corner, sizes in millimetres, printed but not counted.
#include "RenderTestUtil.h"
#include "shell/MainWindowFixture.h"

#include "render/Unit4.h"
#include "winlib/Printers.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int kDpi = 150; // rendering resolution of the checks
constexpr double kPxPerMm = kDpi / 25.4;

// The rectangle of dark (< 128) pixels of a grey image; empty when none.
TRect DarkExtent(const rendertest::Image& img) {
    return rendertest::InkRect(TRect(0, 0, img.width, img.height),
                               [&](int x, int y) { return img.At(x, y) < 128; });
}
} // namespace

class TextItemsPrintTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("text.pdf").string();
        f->MarginLeft = f->MarginTop = f->MarginRight = f->MarginBottom = 0.0;
        f->FrameInsetLeft = f->FrameInsetTop = f->FrameInsetRight = f->FrameInsetBottom = 0.0;
        f->BGImage = "";
        f->CheckBlank->SetChecked(false);
        f->CheckBox2->SetChecked(false);
        f->CheckBoxHeader->SetChecked(false);
        f->MarkPos = 0;
        f->PageControl1->SetActivePageIndex(7);
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        MainWindowTest::TearDown();
        SetPdfPrinterBorderForTest(0, 0);
    }

    // Appends an item to the three containers, as the add command and the text-item window do.
    void Add(const AnsiString& text, int xMm, int yMm, int sizeMm) {
        TFont* font = f->TextFonts.Add(std::make_unique<TFont>());
        font->SetName("ＭＳ ゴシック");
        font->SetSize(sizeMm);
        font->SetColor(clBlack);
        f->TntListBox1->AddItem(text);
        f->TextPositions.push_back(TPoint(xMm, yMm));
    }

    // One sheet with only the text items on it, rendered in grey.
    rendertest::Image PrintItems() {
        f->PrinterRef->SetOutputFileName(pdf);
        f->PrinterRef->BeginDoc();
        PrintTextItems(f->TntListBox1, f->TextFonts, f->TextPositions);
        f->PrinterRef->EndDoc();
        return rendertest::RenderPdfPage(pdf, kDpi);
    }

    std::string pdf;
};

TEST_F(TextItemsPrintTest, ThePrintCommandPrintsTheTextPageWithoutCountingIt) {
    Add("H", 20, 30, 10);
    DialogAnswer a;
    a.Kind = DialogKind::Print;
    a.PrinterName = PdfPrinterName;
    a.FileName = pdf;
    ScriptDialogAnswer(a);
    f->Edit2->SetText("2");
    f->PrintOutExecute(f->PrintOut);
    const TRect r = DarkExtent(rendertest::RenderPdfPage(pdf, kDpi));
    ASSERT_GT(r.Right, r.Left) << "no text on the page";
    // The glyph lies inside its 10 mm cell whose corner is at (20, 30) mm.
    EXPECT_GE(r.Left, static_cast<int>(20 * kPxPerMm));
    EXPECT_GE(r.Top, static_cast<int>(30 * kPxPerMm));
    EXPECT_LE(r.Right, static_cast<int>(30 * kPxPerMm) + 1);
    EXPECT_LE(r.Bottom, static_cast<int>(40 * kPxPerMm) + 1);
    for (int kind = 0; kind <= 9; ++kind)
        EXPECT_EQ(f->ReadPrintCount(kind), 0) << "kind " << kind;
}

TEST_F(TextItemsPrintTest, PositionsCountFromThePaperCornerWhateverTheMarginsAndThePrinter) {
    Add("H", 20, 30, 10);
    const TRect plain = DarkExtent(PrintItems());
    ASSERT_GT(plain.Right, plain.Left) << "no text on the page";
    // Margins, frame insets and an unprintable border move the content, not the text items: on
    // a printer that cannot print within 5 mm of the edges they print at the same place.
    SetPdfPrinterBorderForTest(14.2, 14.2);
    f->RefreshPrinterMetrics();
    ASSERT_GT(f->PhysOffsetX, 0);
    f->MarginLeft = f->MarginTop = 15;
    f->FrameInsetLeft = f->FrameInsetTop = 5;
    const TRect moved = DarkExtent(PrintItems());
    EXPECT_EQ(moved.Left, plain.Left);
    EXPECT_EQ(moved.Top, plain.Top);
    // Ten millimetres further along, the glyph moves by ten millimetres.
    f->TextPositions[0] = TPoint(30, 40);
    const TRect further = DarkExtent(PrintItems());
    EXPECT_NEAR(further.Left - plain.Left, 10 * kPxPerMm, 1.0);
    EXPECT_NEAR(further.Top - plain.Top, 10 * kPxPerMm, 1.0);
    SetPdfPrinterBorderForTest(0, 0);
}

TEST_F(TextItemsPrintTest, TheFontSizeIsAHeightInMillimetresOnPaper) {
    // A 20 mm font draws its glyph twice as tall as a 10 mm one, whatever the printer's scale.
    Add("H", 20, 30, 10);
    const TRect ten = DarkExtent(PrintItems());
    f->TextFonts.Font(0)->SetSize(20);
    const TRect twenty = DarkExtent(PrintItems());
    ASSERT_GT(ten.Bottom - ten.Top, 0);
    EXPECT_NEAR(twenty.Bottom - twenty.Top, 2.0 * (ten.Bottom - ten.Top), 2.0);
    // A 10 mm cell holds the glyph: more than half of it tall, no more than all of it.
    EXPECT_GT(ten.Bottom - ten.Top, 5 * kPxPerMm);
    EXPECT_LE(ten.Bottom - ten.Top, 10 * kPxPerMm);
}
