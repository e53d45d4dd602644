// The main window's tool bars: the menu bar shows its four captions whole, and no bar covers
// another, whatever places the settings file holds for them.
#include "MainWindowFixture.h"

#include "winlib/qt/ControlImpl.h"

#include <QFontMetrics>

#include <fstream>

namespace {

bool Overlap(const TControl* a, const TControl* b) {
    return a->Left() < b->Left() + b->Width() && b->Left() < a->Left() + a->Width() &&
           a->Top() < b->Top() + b->Height() && b->Top() < a->Top() + a->Height();
}

class MainWindowToolBars : public MainWindowTest {
  protected:
    void StartWith(const std::string& ini) {
        Close();
        std::ofstream(Path("Ruliform.ini"), std::ios::binary | std::ios::trunc) << ini;
        Open();
    }
    void ExpectNoBandCovered() {
        const std::vector<TToolBar*> bars{f->ToolBar1, f->ToolBar2, f->ToolBar3};
        for (TToolBar* a : bars)
            for (TToolBar* b : bars) {
                if (a == b) continue;
                EXPECT_FALSE(Overlap(a, b)) << a->Name() << " covers " << b->Name();
            }
    }
};

TEST_F(MainWindowToolBars, TheMenuBarShowsItsFourCaptionsWhole) {
    ASSERT_EQ(f->ToolBar2->ControlCount(), 4);
    for (int i = 0; i < f->ToolBar2->ControlCount(); ++i) {
        TControl* button = f->ToolBar2->Controls(i);
        QString caption = QString::fromUtf8(button->Caption().c_str());
        caption.remove(QLatin1Char('&'));
        EXPECT_TRUE(button->Visible()) << button->Caption();
        EXPECT_GE(button->Width(), QFontMetrics(button->Impl()->Widget()->font()).horizontalAdvance(caption))
            << button->Caption();
        EXPECT_LE(button->Left() + button->Width(), f->ToolBar2->Width()) << button->Caption();
    }
    ExpectNoBandCovered();
    // All of them within the smallest window, 800 pixels wide.
    EXPECT_LE(f->ToolBar3->Left() + f->ToolBar3->Width(), 800);
}

// Places stored by earlier runs: the zoom bar where the menu bar now reaches, the zoom bar put
// before the menu bar, and a menu bar moved to the right.
TEST_F(MainWindowToolBars, StoredPlacesAreKeptWhereTheyCoverNothing) {
    StartWith("[Ruliform]\r\nMenuBar_Left=167\r\nZoomBar_Left=398\r\n");
    ExpectNoBandCovered();
    EXPECT_GT(f->ToolBar3->Left(), f->ToolBar2->Left());

    StartWith("[Ruliform]\r\nMenuBar_Left=420\r\nZoomBar_Left=210\r\n");
    ExpectNoBandCovered();
    EXPECT_EQ(f->ToolBar3->Left(), 210);
    EXPECT_GT(f->ToolBar2->Left(), f->ToolBar3->Left());

    StartWith("[Ruliform]\r\nMenuBar_Left=210\r\n");
    ExpectNoBandCovered();
    EXPECT_EQ(f->ToolBar2->Left(), 210);
    // What is written is where the bars are, and it comes back.
    const int zoom = f->ToolBar3->Left();
    Restart();
    EXPECT_EQ(f->ToolBar2->Left(), 210);
    EXPECT_EQ(f->ToolBar3->Left(), zoom);
}

} // namespace
