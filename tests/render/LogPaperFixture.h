// The real main window set up for drawing log paper: 3 x 3 groups of 1 mm smallest intervals,
// growth by the ratio 1.3, 10 mm top and left margins, black lines on white, preview at 100 %.
// The log tab's own handlers are detached so that a test sets the fields and texts directly.
#pragma once

#include "RenderTestUtil.h"
#include "PlainPageFixture.h"

#include "render/RenderConventions.h"
#include "render/Unit4.h"

#include <cmath>
#include <vector>

class LogPaperTest : public PlainPageTest {
  public:
    static constexpr int kSize = 700; // the preview bitmap's width and height in these tests

  protected:
    void SetUp() override {
        PlainPageTest::SetUp();
        for (TEdit* e : {f->Edit8, f->Edit9, f->Edit10, f->Edit11, f->Edit12, f->Edit20})
            e->OnChange = nullptr;
        for (TCheckBox* c : {f->CheckBox6, f->CheckBox7})
            c->OnClick = nullptr;
        f->RadioButton5->OnClick = f->RadioButton6->OnClick = nullptr;
        UsePlainPage();
        f->LogGroupsX = f->LogGroupsY = 3;
        f->Edit20->SetText("0.1");
        f->RadioButton5->SetChecked(true);
        f->CheckBox6->SetChecked(false);
        f->CheckBox7->SetChecked(false);
    }

    // A white preview bitmap with the log paper drawn on it.
    TCanvas* DrawPreview(int type, float minX = 1, float minY = 1, float ratio = 1.3f) {
        TCanvas* c = WhitePreview(kSize, kSize);
        PreviewLogPaper(type, minX, minY, ratio);
        return c;
    }

    // The line positions of one logarithmic axis in millimetres:
    // index 0 at 0, then in every group the intervals min * ratio^1 ... min * ratio^9.
    static std::vector<double> RatioPositions(int groups, double min, double ratio) {
        std::vector<double> at{0.0};
        double p = 0;
        for (int g = 0; g < groups; ++g)
            for (int k = 1; k <= 9; ++k) {
                p += min * std::pow(ratio, k);
                at.push_back(p);
            }
        return at;
    }

    double S() const { return ScreenPixelsPerInchX() / 25.4; }
    // A position in millimetres from the content corner, in preview pixels (floating).
    double PxX(double mm) const { return mm * S() + 10 * S(); }
    double PxY(double mm) const { return mm * S() + 10 * S(); }
};
