// The real main window set up for drawing graph paper: 10 x 10 cells of 5 mm, 10 mm top and
// left margins, black lines on white, preview at 100 %. The graph edits' own change handlers
// are detached so that a test can put any text (also one the editors would correct) in front
// of the renderers.
#pragma once

#include "RenderTestUtil.h"
#include "PlainPageFixture.h"

#include "render/RenderConventions.h"
#include "render/Unit4.h"

#include <cmath>

class GraphPaperTest : public PlainPageTest {
  protected:
    void SetUp() override {
        PlainPageTest::SetUp();
        for (TEdit* e : {f->eDotX, f->eDotY, f->eMmX, f->eMmY, f->Edit32, f->Edit33, f->Edit1, f->Edit27})
            e->OnChange = nullptr;
        f->CheckGraphPaper1->OnClick = nullptr;
        UsePlainPage();
        f->eDotX->SetText("10");
        f->eDotY->SetText("10");
        f->eMmX->SetText("5");
        f->eMmY->SetText("5");
        f->Edit32->SetText("0.05");
        f->Edit33->SetText("0.05");
        f->GraphPenStyle->SetItemIndex(0);
        f->ComboBox8->SetItemIndex(0);
        f->CheckGraphPaper1->SetChecked(false);
        ShownMessages().clear();
    }

    // A white preview bitmap with the graph paper drawn on it by the preview renderer.
    TCanvas* DrawPreview() {
        TCanvas* c = WhitePreview(kSize, kSize);
        PreviewGraphPaper();
        return c;
    }

    // The preview's pixels per millimetre, from the screen's resolution alone: pixels per inch / 25.4.
    double Sx() const { return ScreenPixelsPerInchX() / 25.4; }
    double Sy() const { return ScreenPixelsPerInchY() / 25.4; }
    // Where the first pixel of line n of a 5 mm pitch lies: n pitches below the 10 mm margin at
    // the exact scale, less half the thickness, truncated.
    int PreviewLineY(int n, double thicknessPx) const {
        return static_cast<int>((10 + 5 * n) * Sy() - thicknessPx * 0.5);
    }
    int PreviewLineX(int n, double thicknessPx) const {
        return static_cast<int>((10 + 5 * n) * Sx() - thicknessPx * 0.5);
    }
    // A column and a row that cross no vertical or horizontal line: the middle of the first cell.
    int MidCellX() const { return PreviewLineX(0, 0) + static_cast<int>(2.5 * Sx()); }
    int MidCellY() const { return PreviewLineY(0, 0) + static_cast<int>(2.5 * Sy()); }

    bool MessageShown(const AnsiString& text) const {
        for (const auto& m : ShownMessages())
            if (m.Text == text) return true;
        return false;
    }

    static constexpr int kSize = 400;
};
