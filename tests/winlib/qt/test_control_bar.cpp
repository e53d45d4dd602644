// Bands of a control bar never cover one another, and a tool bar that sizes itself shows every
// caption whole.
#include "test_controls_support.h"

#include "winlib/ComCtrls.h"

#include <QFontMetrics>

#include <memory>

namespace {

// The space the main window's design leaves between two bands of a row (its print bar ends at
// 11 + 150 and its menu bar starts at 167).
constexpr int kGap = 167 - (11 + 150);

class ControlBarBands : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        bar = std::make_unique<TControlBar>(nullptr);
        bar->SetParent(host);
        bar->SetBounds(0, 0, 400, 60);
    }
    TToolBar* Band(int left, int width, int top = 2) {
        auto* b = new TToolBar(bar.get());
        b->SetParent(bar.get());
        b->SetBounds(left, top, width, 26);
        return b;
    }
    std::unique_ptr<TControlBar> bar;
};

TEST_F(ControlBarBands, ABandMovesPastTheBandItWouldCoverAndBackWhenThatShrinks) {
    TToolBar* a = Band(10, 100);
    TToolBar* b = Band(60, 50);
    EXPECT_EQ(a->Left(), 10);
    EXPECT_EQ(b->Left(), 10 + 100 + kGap);
    a->SetWidth(200);
    EXPECT_EQ(b->Left(), 10 + 200 + kGap);
    a->SetWidth(40); // nothing covers its own place any more
    EXPECT_EQ(b->Left(), 60);
    EXPECT_EQ(b->Width(), 50);
}

TEST_F(ControlBarBands, OrderFollowsThePlacesAskedForNotTheOrderOfCreation) {
    TToolBar* a = Band(150, 60);
    TToolBar* b = Band(10, 200);
    EXPECT_EQ(b->Left(), 10);
    EXPECT_EQ(a->Left(), 10 + 200 + kGap);
    // Moved by the program, a band takes the new place (and the order that goes with it).
    b->SetLeft(300);
    EXPECT_EQ(a->Left(), 150);
    EXPECT_EQ(b->Left(), 300);
}

TEST_F(ControlBarBands, BandsOfOtherRowsAndHiddenBandsAreLeftWhereTheyAre) {
    TToolBar* a = Band(10, 200);
    TToolBar* below = Band(50, 100, 30);
    EXPECT_EQ(below->Left(), 50);
    TToolBar* hidden = Band(100, 50);
    hidden->SetVisible(false);
    EXPECT_EQ(hidden->Left(), 100);
    hidden->SetVisible(true);
    EXPECT_EQ(hidden->Left(), a->Left() + a->Width() + kGap);
    hidden->SetVisible(false);
    EXPECT_EQ(hidden->Left(), 100);
}

TEST_F(ControlBarBands, AreaLeftFreeByTheBandsShowsTheColourItsPaintHandlerSets) {
    Band(10, 100);
    // 0xFFD09F is blue 255, green 208, red 159.
    bar->OnPaint = [this](TObject*) { bar->SetColor(0xFFD09F); };
    QWidget* w = bar->Impl()->Widget();
    w->update();
    QColor seen;
    EXPECT_TRUE(eventwait::Until([&] {
        return (seen = w->grab().toImage().pixelColor(300, 30)) == QColor(159, 208, 255);
    })) << seen.red()
        << "," << seen.green() << "," << seen.blue();
}

TEST_F(ControlBarBands, AToolBarThatSizesItselfShowsEveryCaptionWhole) {
    TToolBar* a = Band(10, 40);
    TToolBar* next = Band(60, 50);
    a->SetShowCaptions(true);
    a->SetAutoSize(true);
    std::vector<TToolButton*> buttons;
    for (const char* caption : {"ファイル(&F)", "表示(&V)", "設定(&S)", "ヘルプ(&H)"}) {
        auto* t = new TToolButton(a);
        t->SetCaption(caption);
        t->SetParent(a);
        buttons.push_back(t);
    }
    int right = 0;
    for (TToolButton* t : buttons) {
        QString text = QString::fromUtf8(t->Caption().c_str());
        text.remove(QLatin1Char('&'));
        EXPECT_GE(t->Width(), QFontMetrics(t->Impl()->Widget()->font()).horizontalAdvance(text))
            << t->Caption();
        right = std::max(right, t->Left() + t->Width());
    }
    EXPECT_EQ(a->Width(), right);
    EXPECT_GE(next->Left(), a->Left() + a->Width());
    // A longer caption widens the bar and moves the next band on.
    buttons.back()->SetCaption("ヘルプとバージョン情報(&H)");
    EXPECT_EQ(a->Width(), buttons.back()->Left() + buttons.back()->Width());
    EXPECT_GE(next->Left(), a->Left() + a->Width());
}

} // namespace
