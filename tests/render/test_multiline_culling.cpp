// Lines left out of the multi-line picture because they cannot reach the canvas: a thick
// emphasised line whose centre lies just below the bitmap still covers its bottom rows, so the
// thin line above it must not show through there.
#include "MultiLinePaperFixture.h"

TEST_F(MultiLinePaperTest, AThickLineJustBelowTheCanvasStillCoversItsBottomRows) {
    // Groups of two lines 6 mm apart with no gap: every second line is emphasised, 18 mm thick,
    // so each plain line lies under the emphasised line drawn after it, 6 mm further down.
    f->EditFiveLineCount->SetText("1000");
    f->EditLineCount1->SetText("2");
    f->EditFiveLineLSpace->SetText("6");
    f->EditFiveLineSpace->SetText("0");
    f->EditLineSizeEx->SetText("18");
    f->Edit3->SetText("2");
    f->CheckMultiline1->SetChecked(true);
    // Moving the lines down a quarter millimetre at a time over one group puts an emphasised
    // centre at every distance below the bitmap's last row.
    for (double top = 10; top < 22; top += 0.25) {
        f->MarginTop = top;
        TCanvas* c = DrawPreview();
        for (int y = 0; y < kSize; ++y) {
            if ((c->Pixel(MidX(), y) & 0xFFFFFF) == clBlack) {
                ADD_FAILURE() << "a plain line shows at row " << y << " with the top at " << top << " mm";
                break;
            }
        }
    }
}
