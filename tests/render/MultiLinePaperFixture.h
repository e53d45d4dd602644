// The real main window set up for drawing multi-line paper: the design values (2 groups of 5
// lines, 5 mm pitch, 20 mm gap, 0.1 mm lines), 10 mm top and left margins, black lines on white,
// red group emphasis, preview at 100 %. The tab's own handlers are detached so that a test can
// put any text in front of the renderers.
#pragma once

#include "RenderTestUtil.h"
#include "PlainPageFixture.h"

#include "render/RenderConventions.h"
#include "render/Unit4.h"

#include <sqlite3.h>

#include <cmath>
#include <string>

class MultiLinePaperTest : public PlainPageTest {
  public:
    static constexpr int kSize = 500; // the preview bitmap's width and height in these tests

  protected:
    void SetUp() override {
        PlainPageTest::SetUp();
        for (TEdit* e : {f->EditFiveLineCount, f->EditLineCount1, f->EditFiveLineLSpace, f->EditFiveLineSpace,
                         f->EditLineSize, f->EditLineSizeEx, f->Edit3})
            e->OnChange = nullptr;
        f->CheckMultiline1->OnClick = f->CheckMultiline2->OnClick = nullptr;
        UsePlainPage();
        f->ExColorPanel2->SetColor(clRed);
        f->EditFiveLineCount->SetText("2");
        f->EditLineCount1->SetText("5");
        f->EditFiveLineLSpace->SetText("5");
        f->EditFiveLineSpace->SetText("20");
        f->EditLineSize->SetText("0.1");
        f->EditLineSizeEx->SetText("0.1");
        f->Edit3->SetText("2");
        f->ComboBox3->SetItemIndex(0);
        f->ComboBox6->SetItemIndex(0);
        f->CheckMultiline1->SetChecked(false);
        f->CheckMultiline2->SetChecked(false);
    }

    // A white preview bitmap with the multi-line paper drawn on it.
    TCanvas* DrawPreview() {
        TCanvas* c = WhitePreview(kSize, kSize);
        PreviewMultiLine();
        return c;
    }

    // A per-line emphasis row as the per-line list stores it, and its number in ListBox1.
    void AddLineRow(int no, TColor color, double size, int type) {
        f->SqlText = "insert into MultiLine_individual(no,color,size,type) values(" + std::to_string(no) +
                     "," + std::to_string(color) + "," + std::to_string(size) + "," + std::to_string(type) +
                     ");";
        ASSERT_EQ(sqlite3_exec(f->DbHandle, f->SqlText.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        f->ListBox1->AddItem(IntToStr(no));
    }

    double S() const { return ScreenPixelsPerInchX() / 25.4; }
    // The first preview row of a line Mm below the content top, T pixels thick.
    int RowOf(double mm, double thicknessPx) const {
        return static_cast<int>(mm * S() - thicknessPx * 0.5 + 10 * S());
    }
    int MidX() const { return static_cast<int>(60 * S()); }
};
