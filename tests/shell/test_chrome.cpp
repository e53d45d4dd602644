// The main window's skin menu, owner-drawn menu items and tabs, fade-out close and wheel step.
#include "MainWindowFixture.h"

#include "shell/Yxdraw.h"

#include <fstream>

namespace {
void WriteText(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

TEST_F(MainWindowTest, EverySkinItemChecksItselfAndSetsTheScheme) {
    const TColor mids[] = {clBtnFace, 0xDFDFDF, 0xFFD09F, 0xDFDFFF, 0xCFFFCF, 0xBF80BF, clBtnFace, clBtnFace};
    // The hidden schemes keep the caption colour of the scheme before them (purple's white).
    const TColor texts[] = {clBtnText, 0x000000, 0x000000, 0xFF0000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    for (int i = 0; i < 8; ++i) {
        f->Skin->Items(i)->Click();
        for (int j = 0; j < 8; ++j)
            EXPECT_EQ(f->Skin->Items(j)->Checked(), i == j) << i << " " << j;
        EXPECT_EQ(f->Skin->Tag(), i);
        EXPECT_EQ(f->CurrentSkin->SchemeId, i);
        EXPECT_EQ(f->MainMenu1->OwnerDraw(), i != 0) << i;
        for (TControl* c : std::initializer_list<TControl*>{f->ScrollBox2, f->Panel4, f->Panel5})
            EXPECT_EQ(c->Color(), mids[i]) << i << " " << c->Name();
        for (TToolBar* b : {f->ToolBar1, f->ToolBar2, f->ToolBar3, f->ToolBar4})
            EXPECT_EQ(b->Font()->Color(), texts[i]) << i << " " << b->Name();
        EXPECT_TRUE(f->Visible());
    }
}

TEST_F(MainWindowTest, SkinCommandRecoloursTheHeadingsAfterTheirGroups) {
    f->GroupBox6->SetVisible(false);
    f->Skin3->Click();
    EXPECT_EQ(f->Label43->Color(), clInactiveCaption);
    EXPECT_EQ(f->Label43->Font()->Color(), clInactiveCaptionText);
    EXPECT_EQ(f->Label41->Color(), clActiveCaption);
    EXPECT_EQ(f->Label41->Font()->Color(), clCaptionText);
}

TEST_F(MainWindowTest, StoredSkinPaintsTheBarsAndPanels) {
    Close();
    WriteText(Path("Ruliform.ini"), "[Ruliform]\nSkin=3\n");
    Open();
    EXPECT_EQ(f->CurrentSkin->SchemeId, 3);
    EXPECT_EQ(f->Panel4->Color(), 0xDFDFFF);
    EXPECT_EQ(f->Panel5->Color(), 0xDFDFFF);
    EXPECT_EQ(f->ScrollBox2->Color(), 0xDFDFFF);
    for (TToolBar* b : {f->ToolBar1, f->ToolBar2, f->ToolBar3, f->ToolBar4}) {
        EXPECT_EQ(b->Font()->Color(), 0xFF0000);
        EXPECT_TRUE(b->OnCustomDraw && b->OnCustomDrawButton);
    }
    EXPECT_TRUE(f->ControlBar1->OnBandPaint && f->ControlBar1->OnPaint);
}

class MenuItemDraw : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        bmp.SetPixelFormat(pf24bit);
        bmp.SetSize(120, 20);
        bmp.Canvas()->Brush()->SetColor(clLime);
        bmp.Canvas()->FillRect(rect);
    }
    void Draw(TMenuItem* m, uint8_t state) { f->PrinterSetup1AdvancedDrawItem(m, bmp.Canvas(), rect, state); }
    TColor At(int x, int y) { return bmp.Canvas()->Pixel(x, y); }
    // Whether any pixel of the text's part of the rectangle (right of the item's image, inside
    // the frame) differs from the fill at (117, 2).
    bool HasText() {
        for (int y = 2; y < 18; ++y)
            for (int x = 17; x < 118; ++x)
                if (At(x, y) != At(117, 2)) return true;
        return false;
    }
    TBitmap bmp;
    const TRect rect{0, 0, 120, 20};
};

TEST_F(MenuItemDraw, SelectedSilverItemIsHalvedAndFramed) {
    ASSERT_EQ(f->ScrollBox2->Color(), 0xDFDFDF);
    Draw(f->Print1, odSelected);
    EXPECT_EQ(At(110, 10), 0x6F6F6F);
    EXPECT_EQ(At(0, 0), 0xBFBFBF);
    EXPECT_EQ(At(119, 19), 0xBFBFBF);
    EXPECT_TRUE(HasText());
}

TEST_F(MenuItemDraw, DarkBackgroundIsDoubledAndFramedLighter) {
    f->ScrollBox2->SetColor(0x102030); // sum 96
    Draw(f->Print1, odSelected);
    EXPECT_EQ(At(110, 10), 0x204060);
    EXPECT_EQ(At(0, 0), 0x3F3F3F);
}

TEST_F(MenuItemDraw, DisabledSelectedItemKeepsTheBackground) {
    Draw(f->Print1, odSelected | odDisabled);
    EXPECT_EQ(At(110, 10), 0xDFDFDF);
    EXPECT_EQ(At(0, 0), 0x6F6F6F);
}

TEST_F(MenuItemDraw, StandardSchemeUsesTheSystemHighlight) {
    f->Skin0->Click();
    Draw(f->Print1, odSelected);
    EXPECT_EQ(At(110, 10), ColorToRGB(clHighlight));
}

TEST_F(MenuItemDraw, UnselectedItemAndSeparator) {
    Draw(f->Print1, 0);
    EXPECT_EQ(At(0, 0), 0xDFDFDF);
    EXPECT_TRUE(HasText());
    Draw(f->N11, 0); // "-": the middle row black, the one below white
    EXPECT_EQ(At(50, 9), clBlack);
    EXPECT_EQ(At(50, 10), clWhite);
    EXPECT_EQ(At(50, 5), 0xDFDFDF);
}

TEST_F(MenuItemDraw, FourCharacterCaptionDrawsNoText) {
    f->Print1->SetCaption("(&P)");
    Draw(f->Print1, 0);
    EXPECT_FALSE(HasText());
    f->Print1->SetCaption("印(&P)");
    Draw(f->Print1, 0);
    EXPECT_TRUE(HasText());
}

TEST_F(MenuItemDraw, PrinterItemsDrawTheWholeCaption) {
    auto* item = new TMenuItem(f->PopupMenu2);
    item->SetCaption("(&P)");
    f->PopupMenu2->Items()->Add(item);
    f->PrinterItemAdvancedDrawItem(item, bmp.Canvas(), rect, odDisabled);
    EXPECT_TRUE(HasText());
}

TEST_F(MainWindowTest, PaperTabsAreDrawnDuringThePaint) {
    std::vector<std::pair<int, bool>> drawn;
    const TDrawTabEvent original = f->PageControl1->OnDrawTab;
    ASSERT_TRUE(original);
    f->PageControl1->OnDrawTab = [&](TObject* c, int i, const TRect& r, bool a) {
        original(c, i, r, a);
        drawn.emplace_back(i, a);
    };
    f->Show();
    f->PageControl1->Repaint();
    Application->ProcessMessages();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn[0], std::make_pair(0, true));
    for (TPageControl* pc : {f->PageControl2, f->PageControl3, f->PageControl4})
        EXPECT_TRUE(pc->OnDrawTab && pc->OwnerDraw());
}

TEST_F(MainWindowTest, WheelScrollsTheSettingsPanelByFive) {
    f->ScrollBox2->SetVertRange(5000);
    f->ScrollBox2->SetVertPosition(50);
    struct Case {
        int delta, position;
    };
    for (const Case& c : {Case{120, 45}, Case{0, 40}, Case{-120, 45}, Case{-1, 50}}) {
        bool handled = false;
        f->ScrollBox2->OnMouseWheel(f->ScrollBox2, 0, c.delta, TPoint(), handled);
        EXPECT_EQ(f->ScrollBox2->VertPosition(), c.position) << c.delta;
        EXPECT_FALSE(handled);
    }
}

TEST_F(MainWindowTest, CloseFadesOutOnlyWhenChosen) {
    TCloseAction action = caFree;
    f->TransparentClose = false;
    f->OnClose(f, action);
    EXPECT_EQ(f->AlphaBlendValue(), 255);
    f->TransparentClose = true;
    f->OnClose(f, action);
    EXPECT_EQ(f->AlphaBlendValue(), 5);
    EXPECT_EQ(action, caFree);
}

TEST_F(MainWindowTest, AppearanceOptionsToggle) {
    const bool fade = f->CheckTransparentClose1->Checked();
    f->CheckTransparentClose1->Click();
    EXPECT_EQ(f->CheckTransparentClose1->Checked(), !fade);
    EXPECT_EQ(f->TransparentClose, !fade);
    f->CriticalFocus1->Click();
    EXPECT_FALSE(f->CriticalFocus1->Checked());
    EXPECT_FALSE(f->CriticalFocus);
    f->CriticalFocus1->Click();
    EXPECT_TRUE(f->CriticalFocus);
}

TEST_F(MainWindowTest, DebugButtonsShowTheMeasurements) {
    f->PhysOffsetX = 50;
    f->PhysOffsetY = 40;
    f->PxPerMmX = 10;
    f->PxPerMmY = 8;
    f->DrawableWidth = 1000;
    f->eMmX->SetText("3");
    f->ToolButton7->Click();
    ASSERT_FALSE(ShownMessages().empty());
    EXPECT_EQ(ShownMessages().back().Text, "50:40\n5:5");
    f->ToolButton8->Click();
    EXPECT_EQ(ShownMessages().back().Text, "33.00");
    f->ToolButton6->Click();
    EXPECT_EQ(ShownMessages().back().Text, IntToStr(Printer()->PageHeight()));
    f->eMmX->SetText("abc");
    const size_t before = ShownMessages().size();
    f->ToolButton8->Click();
    EXPECT_EQ(ShownMessages().size(), before + 1); // the library's error box
}
} // namespace
