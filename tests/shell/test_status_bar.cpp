// The status bar's panel hit-test: only the printer panel opens the printer menu.
#include "MainWindowFixture.h"

namespace {
int PanelLeft(TForm1* f, int panel) {
    int x = f->StatusBar1->ClientOrigin().x;
    for (int i = 0; i < panel; ++i)
        x += f->StatusBar1->Panels(i)->Width;
    return x;
}
} // namespace

TEST_F(MainWindowTest, ClickOnThePrinterPanelPopsUpThePrinterMenuAtItsLeftEdge) {
    f->StatusBar1->SetBounds(0, 0, 1000, 20);
    for (int i = 0; i < 3; ++i)
        f->StatusBar1->Panels(i)->Width = 100;
    const int y = f->StatusBar1->ClientOrigin().y + 10;
    struct Case {
        int x;
        bool pops;
    };
    const int left3 = PanelLeft(f, 3);
    for (const Case& c : {Case{PanelLeft(f, 0) + 5, false}, Case{PanelLeft(f, 1) + 5, false},
                          Case{PanelLeft(f, 2) + 5, false}, Case{left3 + 5, true}, Case{left3, false}}) {
        const int before = f->PopupMenu2->PopupCount();
        SetCursorPosForTest(TPoint(c.x, y));
        f->StatusBar1Click(f->StatusBar1);
        EXPECT_EQ(f->PopupMenu2->PopupCount() - before, c.pops ? 1 : 0) << "x = " << c.x;
        if (c.pops) {
            EXPECT_EQ(f->PopupMenu2->LastPopupPoint().x, left3);
            EXPECT_EQ(f->PopupMenu2->LastPopupPoint().y, f->StatusBar1->ClientOrigin().y);
        }
    }
    SetCursorPosForTest(TPoint(left3 + 5, f->StatusBar1->ClientOrigin().y + 500)); // below the bar
    const int before = f->PopupMenu2->PopupCount();
    f->StatusBar1Click(f->StatusBar1);
    EXPECT_EQ(f->PopupMenu2->PopupCount(), before);
    ClearCursorPosForTest();
}

TEST_F(MainWindowTest, PrinterInformationMessage) {
    f->N12Click(nullptr);
    ASSERT_FALSE(ShownMessages().empty());
    TPrinter* p = Printer();
    EXPECT_EQ(ShownMessages().back().Text, "PageWidth\t" + IntToStr(p->PageWidth()) + "\nPageHeight\t" +
                                               IntToStr(p->PageHeight()) + "\nmmWidth\t" +
                                               IntToStr(p->GetDeviceCaps(HORZSIZE)) + "\nmmHeight\t" +
                                               IntToStr(p->GetDeviceCaps(VERTSIZE)));
    EXPECT_FALSE(f->N12->Visible());
}
