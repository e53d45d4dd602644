// The real main window on a plain page for the renderers' tests: preview at 100 %, 10 mm top
// and left margins, no right or bottom margin, no frame bands, black lines on white paper.
#pragma once

#include "shell/MainWindowFixture.h"

class PlainPageTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        UsePlainPage();
    }
    void UsePlainPage() {
        f->ComboBox1->SetItemIndex(0); // "100"
        f->MarginTop = f->MarginLeft = 10.0;
        f->MarginRight = f->MarginBottom = 0.0;
        f->FrameInsetTop = f->FrameInsetLeft = f->FrameInsetRight = f->FrameInsetBottom = 0.0;
        f->PaperColor = clWhite;
        f->Panel2->SetColor(clBlack);
    }
    // The preview bitmap at the given size, filled white, ready for a renderer.
    TCanvas* WhitePreview(int w, int h) {
        f->PreviewBitmap->SetSize(w, h);
        TCanvas* c = f->PreviewBitmap->Canvas();
        c->Brush()->SetColor(clWhite);
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(TRect(0, 0, w, h));
        return c;
    }
};
