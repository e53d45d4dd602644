// The real main window set up for drawing slanted paper: 10 mm top and left margins, no other
// margins or insets, black lines on white, preview at 100 %, the tab's start values. The tab's
// own change handlers are detached so that a test can put any text in front of the renderers.
#pragma once

#include "RenderTestUtil.h"
#include "PlainPageFixture.h"

#include "render/Unit4.h"

#include <vector>

class SlantTest : public PlainPageTest {
  protected:
    void SetUp() override {
        PlainPageTest::SetUp();
        for (TEdit* e : {f->Edit13, f->Edit29, f->Edit30})
            e->OnChange = nullptr;
        f->ComboBox7->OnChange = nullptr;
        f->CheckBox8->OnClick = nullptr;
        UsePlainPage();
        f->Edit13->SetText("10");
        f->Edit29->SetText("10");
        f->Edit30->SetText("10");
        f->ComboBox7->SetItemIndex(0);
        f->CheckBox8->SetChecked(false);
    }
};

namespace slant {

// The rows (or, with Rows false, the columns) of an image that hold more than MinDark dark
// pixels: the straight edges of the lattice. Dark(i, j) says whether pixel j of row i is dark.
template <class Dark> std::vector<int> StraightEdges(int lines, int length, int minDark, Dark dark) {
    std::vector<int> edges;
    for (int i = 0; i < lines; ++i) {
        int n = 0;
        for (int j = 0; j < length; ++j)
            n += dark(i, j) ? 1 : 0;
        if (n > minDark) edges.push_back(i);
    }
    return edges;
}

} // namespace slant
