// The update check while the main window is created.
#include "MainWindowFixture.h"
#include "shell/Yxdraw.h"
#include "test_update_check_server.h"

#include "winlib/Shell.h"

namespace {

class UpdateCheckAtStart : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        RecordShellOpens(true);
        RecordedShellOpens().clear();
    }
    void TearDown() override {
        RecordShellOpens(false);
        RecordedShellOpens().clear();
        MainWindowTest::TearDown();
    }
    // Starts the program again with the update server at this address.
    void RestartAgainst(const std::string& url) {
        Close();
        ScopedEnv env("RULIFORM_UPDATE_URL", url);
        ShownMessages().clear();
        Open();
    }
    void AnswerBox(int button) {
        DialogAnswer a;
        a.Kind = DialogKind::MessageBox;
        a.Button = button;
        ScriptDialogAnswer(a);
    }
};

TEST_F(UpdateCheckAtStart, AskForTheStartFileAndOfferANewerRelease) {
    struct Case {
        std::string body;
        bool offered;
    } cases[] = {
        {VersionFile({"1", "31", "0"}), false}, {VersionFile({"1", "30", "0"}), false},
        {VersionFile({"2", "abc"}), true},      {VersionFile({"1", "32"}), true},
        {VersionFile({"1", "31", "1"}), true}, // a fix is "the newest" at start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        LoopbackHttpServer server(Serving(c.body));
        if (c.offered) AnswerBox(IDNO);
        RestartAgainst(server.BaseUrl());

        ASSERT_EQ(server.Requests().size(), 1u);
        EXPECT_EQ(server.Requests()[0].rfind("GET /ruliform/version.txt HTTP/1.1\r\n", 0), 0u);
        if (c.offered) {
            ASSERT_EQ(ShownMessages().size(), 1u);
            EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::MessageBox);
            EXPECT_EQ(ShownMessages()[0].Text, "最新版があります\nダウンロードしますか？");
            EXPECT_EQ(ShownMessages()[0].Caption, "Ruliformアップデートチェック");
        } else {
            EXPECT_TRUE(ShownMessages().empty());
        }
        EXPECT_EQ(ScriptedAnswerCount(), 0);
        EXPECT_TRUE(RecordedShellOpens().empty());
        EXPECT_TRUE(f->CheckUpdate1->Checked());
    }
}

TEST_F(UpdateCheckAtStart, YesOpensTheDownloadPageAndEndsTheProgramAfterCreation) {
    TApplication app;
    TApplication* const saved = Application;
    Application = &app;
    LoopbackHttpServer server(Serving(VersionFile({"1", "40", "0"})));
    AnswerBox(IDYES);
    RestartAgainst(server.BaseUrl());
    Application = saved;

    EXPECT_TRUE(app.Terminated());
    ASSERT_EQ(RecordedShellOpens().size(), 1u);
    EXPECT_EQ(RecordedShellOpens()[0].File, server.BaseUrl() + "index.html");
    EXPECT_EQ(RecordedShellOpens()[0].ShowCmd, SW_SHOWNORMAL);
    // The creation still ran to its end: the settings were read and the preview sized.
    EXPECT_GT(f->PreViewBox->Width(), 0);
    EXPECT_EQ(f->ScrollBox2->Color(), f->CurrentSkin->MidColor); // the tail of creation ran
}

TEST_F(UpdateCheckAtStart, NoServerShowsTheConnectionMessageAndCreationGoesOn) {
    RestartAgainst("http://127.0.0.1:" + std::to_string(ClosedLoopbackPort()) + "/");
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::Message);
    EXPECT_EQ(ShownMessages()[0].Text.rfind("インターネットに接続できません\n", 0), 0u);
    EXPECT_EQ(f->ScrollBox2->Color(), f->CurrentSkin->MidColor); // the tail of creation ran
}

TEST_F(UpdateCheckAtStart, WithTheOptionOffNoRequestIsMadeButTheMenuStillChecks) {
    f->CheckUpdate1->Click(); // off; written when the program ends
    LoopbackHttpServer server(Serving(VersionFile({"1", "31", "0"})));
    RestartAgainst(server.BaseUrl());
    EXPECT_FALSE(f->CheckUpdate1->Checked());
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_TRUE(ShownMessages().empty());

    ScopedEnv env("RULIFORM_UPDATE_URL", server.BaseUrl());
    f->UpdateCheck1->Click();
    ASSERT_EQ(server.Requests().size(), 1u);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Text, "最新バージョン1.31を利用しています");
}

TEST_F(UpdateCheckAtStart, WithoutAConfiguredServerTheStartAsksNobody) {
    // SetUp's start ran with no RULIFORM_UPDATE_URL: nothing was shown.
    Restart();
    EXPECT_TRUE(ShownMessages().empty());
    EXPECT_TRUE(f->CheckUpdate1->Checked());
}

} // namespace
