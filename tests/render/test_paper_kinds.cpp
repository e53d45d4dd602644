// The paper-kind index (the page of the paper tabs) chooses the pattern: each index reaches its
// own kind's print and preview renderers, and only the text page prints without being counted.
#include "PlainPageFixture.h"
#include "RenderTestUtil.h"

#include "render/Unit4.h"
#include "shell/PaperKinds.h"

#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {
// One paper kind as the tabs order them, with its own renderers called directly: the arguments
// are the ones the test types into the kind's tab.
struct Kind {
    const char* name;
    void (*print)();
    void (*preview)();
    bool counted;
};

const Kind kKinds[] = {
    {"graph", PrintGraphPaper, PreviewGraphPaper, true},
    {"log", [] { PrintLogPaper(1, 5.0f, 2.0f, 1.2f); }, [] { PreviewLogPaper(1, 5.0f, 2.0f, 1.2f); }, true},
    {"manuscript", PrintManuscriptPaper, PreviewManuscriptPaper, true},
    {"multi-line", PrintMultiLine, PreviewMultiLine, true},
    {"slant", PrintSlantPaper, PreviewSlantPaper, true},
    {"grid", PrintGrid, PreviewGrid, true},
    {"arc", [] { PrintArc(40.0f, 4, 2, 0, 0); }, [] { PreviewArc(40.0f, 4, 2, 0, 0); }, true},
    {"text items", [] { PrintTextItems(Form1->TntListBox1, Form1->TextFonts, Form1->TextPositions); },
     [] { PreviewTextItems(Form1->TntListBox1, Form1->TextFonts, Form1->TextPositions); }, false},
};
constexpr int kPreviewSize = 300; // pixels, about 80 mm at 100 %
constexpr int kPrintDpi = 50;
} // namespace

class PaperKindsTest : public PlainPageTest {
  protected:
    void SetUp() override {
        PlainPageTest::SetUp();
        // The handlers of these edits may rebuild the preview or refill the log fields: type
        // first, then set the fields the log renderers read.
        f->Edit10->SetText("1.2");
        f->Edit24->SetText("40");
        f->Edit26->SetText("4");
        f->Edit25->SetText("2");
        f->ComboBox5->SetItemIndex(0);
        f->ComboBox9->SetItemIndex(0);
        f->ComboBox4->SetItemIndex(1); // log-log
        f->LogMinX = 5.0;
        f->LogMinY = 2.0;
        TFont* font = f->TextFonts.Add(std::make_unique<TFont>());
        font->SetName("ＭＳ ゴシック");
        font->SetSize(10);
        font->SetColor(clBlack);
        f->TntListBox1->AddItem("H");
        f->TextPositions.push_back(TPoint(20, 30));
        pdf_ = Path("kind.pdf").string();
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        PlainPageTest::TearDown();
    }

    // The preview bitmap after Draw on white paper, one character per pixel.
    template <class Draw> std::string Preview(Draw draw) {
        TCanvas* c = WhitePreview(kPreviewSize, kPreviewSize);
        c->Pen()->SetColor(clBlack);
        draw();
        std::string p;
        for (int y = 0; y < kPreviewSize; ++y)
            for (int x = 0; x < kPreviewSize; ++x)
                p += c->Pixel(x, y) == clWhite ? '.' : '#';
        return p;
    }
    // One sheet with only what Draw puts on it, rendered in grey.
    template <class Draw> std::vector<unsigned char> Print(Draw draw) {
        f->PrinterRef->SetOutputFileName(pdf_);
        f->PrinterRef->BeginDoc();
        f->PrinterRef->Canvas()->Pen()->SetColor(clBlack);
        f->PrinterRef->Canvas()->Brush()->SetColor(clWhite);
        draw();
        f->PrinterRef->EndDoc();
        return rendertest::RenderPdfPage(pdf_, kPrintDpi).pixels;
    }

  private:
    std::string pdf_;
};

TEST_F(PaperKindsTest, EachIndexDrawsWithItsOwnKindsRenderers) {
    const int n = static_cast<int>(std::size(kKinds));
    std::vector<std::string> previews;
    std::vector<std::vector<unsigned char>> prints;
    for (const Kind& k : kKinds) {
        previews.push_back(Preview(k.preview));
        prints.push_back(Print(k.print));
    }
    const std::string blankPreview = Preview([] {});
    const std::vector<unsigned char> blankPrint = Print([] {});
    // Every kind draws a picture of its own, so that the same picture names the same renderer.
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(kKinds[i].name);
        EXPECT_TRUE(previews[i] != blankPreview) << "no preview";
        EXPECT_TRUE(prints[i] != blankPrint) << "no print";
        for (int j = 0; j < i; ++j) {
            EXPECT_TRUE(previews[i] != previews[j]) << "the preview of " << kKinds[j].name;
            EXPECT_TRUE(prints[i] != prints[j]) << "the print of " << kKinds[j].name;
        }
    }
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(kKinds[i].name);
        EXPECT_TRUE(Preview([i] { DrawPreviewPattern(i); }) == previews[i]) << "another preview";
        bool counted = !kKinds[i].counted;
        EXPECT_TRUE(Print([i, &counted] { counted = DrawPrintPattern(i); }) == prints[i]) << "another print";
        EXPECT_EQ(counted, kKinds[i].counted);
    }
}
