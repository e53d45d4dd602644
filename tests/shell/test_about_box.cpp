// The version window: its version text, its two links and their looks.
#include "MainWindowFixture.h"
#include "test_update_check_server.h"

#include "shell/AboutUnit.h"
#include "winlib/qt/ControlImpl.h"
#include "winlib/Shell.h"

#include <QFontMetrics>

namespace {

class AboutBoxTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        f->VersionText = "1.31";
        box = new TAboutBox(nullptr);
        RecordShellOpens(true);
        RecordedShellOpens().clear();
    }
    void TearDown() override {
        RecordShellOpens(false);
        RecordedShellOpens().clear();
        delete box;
        MainWindowTest::TearDown();
    }
    TAboutBox* box = nullptr;
};

TEST_F(AboutBoxTest, TheVersionComesFromTheMainWindow) {
    EXPECT_EQ(box->Version->Caption(), "1.31");
    EXPECT_EQ(box->Caption(), "バージョン情報");
    EXPECT_EQ(box->ClientWidth(), 299);
    EXPECT_EQ(box->ClientHeight(), 232);
    EXPECT_FALSE(box->Visible());
}

TEST_F(AboutBoxTest, OkHidesTheBoxAndItCanBeShownAgain) {
    box->Show();
    box->OKButton->Click();
    EXPECT_FALSE(box->Visible());
    box->Show();
    EXPECT_TRUE(box->Visible());
}

TEST_F(AboutBoxTest, TheHomePageLinkLightsUpAndOpensTheHomePage) {
    ScopedEnv home("RULIFORM_HOME_URL", "http://127.0.0.1:9/home/");
    box->Label1->OnMouseEnter(box->Label1);
    EXPECT_EQ(box->Label1->Font()->Color(), 0xFF0000);
    box->Label1->OnMouseLeave(box->Label1);
    EXPECT_EQ(box->Label1->Font()->Color(), clWindowText);
    box->Label1->Click();
    ASSERT_EQ(RecordedShellOpens().size(), 1u);
    EXPECT_EQ(RecordedShellOpens()[0].Operation, "open");
    EXPECT_EQ(RecordedShellOpens()[0].File, "http://127.0.0.1:9/home/");
    EXPECT_EQ(RecordedShellOpens()[0].ShowCmd, SW_SHOW);
}

// The update link is read whole in the font the box has here, inside the panel's frame.
TEST_F(AboutBoxTest, TheUpdateLinkShowsItsWholeText) {
    TLabel* l = box->Label6;
    const QFontMetrics fm(l->Impl()->Widget()->font());
    EXPECT_GE(l->Width(), fm.horizontalAdvance(QString::fromUtf8("アップデートチェック")));
    EXPECT_GE(l->Height(), fm.ascent());
    EXPECT_GE(l->Width(), 102);
    EXPECT_GE(l->Left(), 0);
    EXPECT_LE(l->Left() + l->Width(), box->Panel1->ClientWidth() - 2); // inside the bevels
    EXPECT_EQ(l->Top(), 54);
}

TEST_F(AboutBoxTest, TheUpdateLinkHighlightsWhileThePointerIsOverIt) {
    TLabel* l = box->Label6;
    for (int pass = 0; pass < 2; ++pass) {
        l->OnMouseMove(l, 0, 5, 5);
        EXPECT_EQ(l->Color(), clHighlight);
        EXPECT_EQ(l->Font()->Color(), clHighlightText);
        EXPECT_TRUE(l->Font()->Style() & fsUnderline);
        l->OnMouseLeave(l);
        EXPECT_EQ(l->Color(), clBtnFace);
        EXPECT_EQ(l->Font()->Color(), clBtnText);
        EXPECT_FALSE(l->Font()->Style() & fsUnderline);
    }
}

TEST_F(AboutBoxTest, TheUpdateLinkRunsTheMenuCheck) {
    LoopbackHttpServer server(Serving(VersionFile({"1", "31", "0"})));
    ScopedEnv env("RULIFORM_UPDATE_URL", server.BaseUrl());
    box->Show();
    box->Label6->Click();
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].rfind("GET /ruliform/__version.txt ", 0), 0u);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Text, "最新バージョン1.31を利用しています");
    EXPECT_TRUE(box->Visible());
}

TEST_F(AboutBoxTest, TheUpdateLinkWithNoNetworkShowsTheConnectionMessage) {
    ScopedEnv env("RULIFORM_UPDATE_URL", "http://127.0.0.1:" + std::to_string(ClosedLoopbackPort()) + "/");
    box->Show();
    box->Label6->Click();
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Text.rfind("インターネットに接続できません\n", 0), 0u);
}

} // namespace
