// Page controls: the program's choice of page runs the sheet's OnShow but not OnChange; the
// user's runs both; pages without a tab stay selectable by code.
#include "test_controls_support.h"

#include "winlib/ComCtrls.h"

#include <QTabBar>

namespace {

class PageControls : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        pc = new TPageControl(nullptr);
        pc->SetParent(host);
        pc->SetBounds(0, 0, 300, 200);
        for (int i = 0; i < 4; ++i) {
            auto* s = new TTabSheet(nullptr);
            s->SetCaption("page " + std::to_string(i));
            s->SetPageControl(pc);
            s->OnShow = [this, i](TObject*) { log.push_back("show " + std::to_string(i)); };
            sheets.push_back(s);
        }
        pc->OnChange = [this](TObject*) { log.push_back("change"); };
    }
    void TearDown() override {
        for (TTabSheet* s : sheets)
            delete s;
        delete pc;
        ControlsTest::TearDown();
    }
    QTabBar* Tabs() const { return pc->Impl()->Widget()->findChild<QTabBar*>(); }
    TPageControl* pc = nullptr;
    std::vector<TTabSheet*> sheets;
    std::vector<std::string> log;
};

TEST_F(PageControls, ProgramChoiceShowsThePageWithoutOnChange) {
    EXPECT_EQ(pc->ActivePageIndex(), -1);
    pc->SetActivePageIndex(2);
    pc->SetActivePageIndex(2);
    EXPECT_EQ(log, (std::vector<std::string>{"show 2"}));
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    EXPECT_TRUE(sheets[2]->Visible());
    EXPECT_FALSE(sheets[0]->Visible());
}

TEST_F(PageControls, UserChoiceShowsThenChanges) {
    pc->SetActivePageIndex(0);
    log.clear();
    pc->UserSelectPage(1);
    pc->UserSelectPage(1); // the page already shown: nothing
    EXPECT_EQ(log, (std::vector<std::string>{"show 1", "change"}));
}

TEST_F(PageControls, TabBarChangeFromTheUserFiresOnceAndCodeChangesDoNotEcho) {
    pc->SetActivePageIndex(0);
    log.clear();
    Tabs()->setCurrentIndex(3); // what a click or an arrow key on the tabs does
    EXPECT_EQ(log, (std::vector<std::string>{"show 3", "change"}));
    EXPECT_EQ(pc->ActivePageIndex(), 3);
    log.clear();
    pc->SetActivePageIndex(1);
    EXPECT_EQ(log, (std::vector<std::string>{"show 1"}));
    EXPECT_EQ(Tabs()->currentIndex(), 1);
}

TEST_F(PageControls, PageWithHiddenTabIsSelectableByIndex) {
    sheets[3]->SetTabVisible(false);
    pc->SetActivePageIndex(3);
    EXPECT_EQ(pc->ActivePageIndex(), 3);
    EXPECT_TRUE(sheets[3]->Visible());
    EXPECT_EQ(log, (std::vector<std::string>{"show 3"}));
    EXPECT_EQ(sheets[3]->PageIndex(), 3); // indices count pages, not tabs
    EXPECT_FALSE(Tabs()->isTabVisible(3));
}

TEST_F(PageControls, UserCanLeaveAPageWithoutTabByTheTabThatLooksCurrent) {
    pc->SetActivePageIndex(0);
    sheets[3]->SetTabVisible(false);
    pc->SetActivePageIndex(3);
    log.clear();
    int shownTab = Tabs()->currentIndex();
    ASSERT_NE(shownTab, 3);
    emit Tabs()->tabBarClicked(shownTab);
    EXPECT_EQ(pc->ActivePageIndex(), shownTab);
    EXPECT_EQ(log.back(), "change");
}

TEST_F(PageControls, IndexOutOfRangeShowsNoPage) {
    pc->SetActivePageIndex(1);
    for (int bad : {8, -1, -5}) {
        pc->SetActivePageIndex(1);
        pc->SetActivePageIndex(bad);
        EXPECT_EQ(pc->ActivePageIndex(), -1) << bad;
        EXPECT_EQ(pc->ActivePage(), nullptr);
        for (TTabSheet* s : sheets)
            EXPECT_FALSE(s->Visible());
    }
}

TEST_F(PageControls, SheetsFillThePageAreaOnTheRightSideToo) {
    pc->SetTabPosition(tpRight);
    TRect r(sheets[0]->Left(), sheets[0]->Top(), sheets[0]->Left() + sheets[0]->Width(),
            sheets[0]->Top() + sheets[0]->Height());
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Top, 0);
    EXPECT_EQ(r.Bottom, 200);
    EXPECT_GT(r.Right, 100);
    EXPECT_LT(r.Right, 300); // the tabs take the right edge
    EXPECT_GE(Tabs()->x(), r.Right);
}

TEST_F(PageControls, DeletingASheetKeepsIndicesConsistent) {
    pc->SetActivePageIndex(3);
    delete sheets[1];
    sheets.erase(sheets.begin() + 1);
    EXPECT_EQ(pc->PageCount(), 3);
    EXPECT_EQ(pc->ActivePageIndex(), 2);
    EXPECT_EQ(pc->ActivePage(), sheets[2]);
    EXPECT_EQ(Tabs()->count(), 3);
}

TEST_F(PageControls, OwnerDrawnTabsGetTheirIndexAndState) {
    pc->SetActivePageIndex(1);
    pc->SetOwnerDraw(true);
    std::vector<std::pair<int, bool>> drawn;
    pc->OnDrawTab = [&](TObject* c, int tab, const TRect& r, bool active) {
        EXPECT_EQ(c, pc);
        EXPECT_GT(r.Width(), 0);
        pc->Canvas()->TextOut(r.Left + 4, r.Top + 2, "x"); // the canvas is live during the paint
        drawn.emplace_back(tab, active);
    };
    Tabs()->grab();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[1], std::make_pair(1, true));
    EXPECT_EQ(drawn[2], std::make_pair(2, false));
}

} // namespace
