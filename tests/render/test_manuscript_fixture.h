// The real main window set up for drawing manuscript paper: 10 mm margins all round, no frame
// insets, black lines on white, preview at 100 %. The tab's own change handlers are detached so
// that a test can put any text in front of the renderers.
#pragma once

#include "RenderTestUtil.h"
#include "shell/MainWindowFixture.h"

#include "render/Unit4.h"
#include "winlib/Dialogs.h"

#include <string>
#include <vector>

class ManuscriptTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (TEdit* e : {f->Edit4, f->Edit5, f->Edit6, f->Edit7, f->Edit28})
            e->OnChange = nullptr;
        f->CheckBox3->OnClick = nullptr;
        f->ComboBox1->SetItemIndex(0); // "100"
        f->MarginTop = f->MarginLeft = f->MarginRight = f->MarginBottom = 10.0;
        f->FrameInsetTop = f->FrameInsetLeft = f->FrameInsetRight = f->FrameInsetBottom = 0.0;
        f->PaperColor = clWhite;
        f->Panel2->SetColor(clBlack);
        f->Edit4->SetText("10");
        f->Edit5->SetText("20");
        f->Edit6->SetText("10");
        f->Edit7->SetText("10");
        f->Edit28->SetText("");
        f->CheckBox3->SetChecked(false);
        TFont* font = f->FontDialog1->Font();
        font->SetName("DejaVu Sans");
        font->SetSize(3); // 3 mm high on the paper
        font->SetColor(clRed);
    }
};

namespace manuscript {

// The gaps between consecutive lines as letters: 'g' for a strip (a third of a cell), 'c' for a
// cell, '?' for anything else. Firsts are the first pixels of the lines, top to bottom.
inline std::string Pattern(const std::vector<int>& firsts, double cell, double tolerance) {
    std::string p;
    for (size_t i = 1; i < firsts.size(); ++i) {
        const double d = firsts[i] - firsts[i - 1];
        p += std::abs(d - cell / 3) <= tolerance ? 'g' : std::abs(d - cell) <= tolerance ? 'c' : '?';
    }
    return p;
}

// Pattern of N rows each with its strip ("gc" per row).
inline std::string Rows(int n) {
    std::string p;
    for (int i = 0; i < n; ++i)
        p += "gc";
    return p;
}

} // namespace manuscript
