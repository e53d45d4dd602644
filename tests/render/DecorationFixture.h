// The real main window set up for the page decorations: a blank A4 page (no pattern, no margin
// lines) on white paper, preview at 100 %, blue line colour, 15 mm margins, every decoration off.
// A test turns on what it checks and rebuilds the preview through UpdatePreview.
#pragma once

#include "PreviewPaper.h"
#include "RenderTestUtil.h"
#include "shell/MainWindowFixture.h"

#include "render/RenderConventions.h"
#include "render/Unit4.h"

#include <cmath>
#include <memory>

class DecorationTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        f->ComboBox1->SetItemIndex(0); // "100"
        f->CheckBlank->SetChecked(true);
        f->SpaceLineView1->SetChecked(false);
        f->CheckBox2->SetChecked(false);
        f->CheckBoxHeader->SetChecked(false);
        f->MarkPos = 0;
        f->PaperColor = clWhite;
        f->Panel2->SetColor(clBlue);
        SetMargins(15.0);
        ShownMessages().clear();
    }

    // Margins on all sides and no frame insets (the frame's handlers set insets of their own).
    void SetMargins(double mm) {
        f->MarginTop = f->MarginLeft = f->MarginRight = f->MarginBottom = mm;
        f->FrameInsetTop = f->FrameInsetLeft = f->FrameInsetRight = f->FrameInsetBottom = 0.0;
    }
    // A printer whose printable area starts X and Y mm inside the paper.
    void SetPrinterBorder(double xMm, double yMm) {
        f->PhysOffsetX = static_cast<int>(xMm * f->PxPerMmX);
        f->PhysOffsetY = static_cast<int>(yMm * f->PxPerMmY);
    }

    TBitmap* Rebuild() {
        f->UpdatePreview();
        return f->PreviewBitmap;
    }
    int W() const { return f->PreviewBitmap->Width(); }
    int H() const { return f->PreviewBitmap->Height(); }
    // The paper's right and bottom edges, which the preview's size rounds (PreviewPaper.h).
    double PaperW() const { return W() + PreviewPaperExcess(f, true); }
    double PaperH() const { return H() + PreviewPaperExcess(f, false); }
    // The preview's pixels per millimetre at 100 %, from the screen's resolution alone.
    static double S() { return ScreenPixelsPerInchX() / 25.4; }
    static int Px(double mm) { return static_cast<int>(mm * S()); }

    // A white bitmap of the preview's size, to draw the expected picture on.
    std::unique_ptr<TBitmap> Blank() const {
        auto b = std::make_unique<TBitmap>();
        b->SetSize(f->PreviewBitmap->Width(), f->PreviewBitmap->Height());
        b->Canvas()->Brush()->SetColor(clWhite);
        b->Canvas()->FillRect(TRect(0, 0, b->Width(), b->Height()));
        return b;
    }

    static TColor At(const TBitmap* b, int x, int y) {
        const uint8_t* p = b->ScanLine(y) + 4 * x;
        return RGB(p[2], p[1], p[0]);
    }
    // The smallest rectangle holding every pixel that is not Paper (empty when there is none).
    static TRect InkBox(const TBitmap* b, TColor paper = clWhite) {
        TRect box(b->Width(), b->Height(), 0, 0);
        for (int y = 0; y < b->Height(); ++y)
            for (int x = 0; x < b->Width(); ++x)
                if (At(b, x, y) != paper) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box.Right > box.Left ? box : TRect();
    }
    // The pixels that differ between two bitmaps of the same size, as a bounding box.
    static TRect DiffBox(const TBitmap* a, const TBitmap* b) {
        TRect box(a->Width(), a->Height(), 0, 0);
        for (int y = 0; y < a->Height(); ++y)
            for (int x = 0; x < a->Width(); ++x)
                if (At(a, x, y) != At(b, x, y)) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box.Right > box.Left ? box : TRect();
    }
    static bool Same(const TBitmap* a, const TBitmap* b) { return DiffBox(a, b) == TRect(); }
    // A copy of the preview as it is now.
    std::unique_ptr<TBitmap> Snapshot() const {
        auto b = std::make_unique<TBitmap>();
        b->Assign(f->PreviewBitmap);
        return b;
    }
};

// The decorations printed onto the built-in PDF printer (PrintSheets) and read back as text.
class DecorationPrintTest : public DecorationTest {
  protected:
    // The text pdftotext finds in the PDF, pages separated by form feeds.
    static std::string PdfText(const std::string& pdf) {
        const std::string txt = pdf + ".txt";
        const std::string cmd = "pdftotext '" + pdf + "' '" + txt + "' 2>/dev/null";
        if (std::system(cmd.c_str()) != 0) return {};
        std::ifstream in(txt);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};
