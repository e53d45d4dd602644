// The Help menu's update check and web links, against a server on the loopback address.
#include "MainWindowFixture.h"
#include "test_update_check_server.h"

#include "winlib/Shell.h"

namespace {

const char* const kCaption = "Ruliformアップデートチェック";
const char* const kNewer = "最新版があります\nダウンロードしますか？";
const char* const kBugFix = "バグ修正版があります\nダウンロードしますか？";
const char* const kCurrent = "最新バージョン1.31を利用しています";
const char* const kNoConnection = "インターネットに接続できません\n"
                                  "アップデートチェックをするにはインターネットに接続している必要があります\n"
                                  "接続を確認してください";

class UpdateCheckMenu : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        RecordShellOpens(true);
        RecordedShellOpens().clear();
        ShownMessages().clear();
    }
    void TearDown() override {
        RecordShellOpens(false);
        RecordedShellOpens().clear();
        MainWindowTest::TearDown();
    }
    void AnswerBox(int button) {
        DialogAnswer a;
        a.Kind = DialogKind::MessageBox;
        a.Button = button;
        ScriptDialogAnswer(a);
    }
};

struct MenuCase {
    const char* name;
    std::string body;
    ShownMessageKind kind;
    const char* text; // the message shown
};

class UpdateCheckMenuCases : public UpdateCheckMenu, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(UpdateCheckMenuCases, ShowsTheMessageTheFileCallsFor) {
    const MenuCase& c = GetParam();
    LoopbackHttpServer server(Serving(c.body));
    ScopedEnv env("RULIFORM_UPDATE_URL", server.BaseUrl());
    if (c.kind == ShownMessageKind::MessageBox) AnswerBox(IDNO);
    f->UpdateCheck1->Click();

    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Kind, c.kind);
    EXPECT_EQ(ShownMessages()[0].Text, c.text);
    if (c.kind == ShownMessageKind::MessageBox) {
        EXPECT_EQ(ShownMessages()[0].Caption, kCaption);
    }
    EXPECT_EQ(ScriptedAnswerCount(), 0);
    EXPECT_TRUE(RecordedShellOpens().empty()); // a No, or no offer, opens nothing
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].rfind("GET /ruliform/__version.txt HTTP/1.1\r\n", 0), 0u);
}

const MenuCase kMenuCases[] = {
    {"Equal", VersionFile({"1", "31", "0"}), ShownMessageKind::Message, kCurrent},
    {"OlderMinor", VersionFile({"1", "30", "0"}), ShownMessageKind::Message, kCurrent},
    // Each number is compared with the running one alone: 1.30.9 has a fix above 0.
    {"OlderMinorWithAFix", VersionFile({"1", "30", "9"}), ShownMessageKind::MessageBox, kBugFix},
    {"OlderMajorIsStillNotNewer", VersionFile({"0", "31", "0"}), ShownMessageKind::Message, kCurrent},
    {"NewerMajorWithBadMinorUnread", VersionFile({"2", "abc"}), ShownMessageKind::MessageBox, kNewer},
    {"NewerMinorWithoutFixLine", VersionFile({"1", "32"}), ShownMessageKind::MessageBox, kNewer},
    {"EachTestOnItsOwn", VersionFile({"0", "40", "0"}), ShownMessageKind::MessageBox, kNewer},
    {"FixOnly", VersionFile({"1", "31", "1"}), ShownMessageKind::MessageBox, kBugFix},
    {"OlderMinorButNewerFix", VersionFile({"1", "0", "1"}), ShownMessageKind::MessageBox, kBugFix},
    {"LinesAfterTheFourthIgnored", VersionFile({"1", "31", "0", "junk"}), ShownMessageKind::Message,
     kCurrent},
    {"BareLineFeeds", "x\n1\n31\n2\n", ShownMessageKind::MessageBox, kBugFix},
    {"FixLineMissing", VersionFile({"1", "31"}), ShownMessageKind::Message, kNoConnection},
    {"NotANumber", VersionFile({"1", "31", "1.0"}), ShownMessageKind::Message, kNoConnection},
    {"EmptyBody", "", ShownMessageKind::Message, kNoConnection},
    {"HtmlPage", "<html><body>moved</body></html>", ShownMessageKind::Message, kNoConnection},
    // A version file that calls for an offer, but followed by far more than any version file holds.
    {"BodyBeyondTheLimit", VersionFile({"1", "31", "1"}) + std::string(70000, ' '), ShownMessageKind::Message,
     kNoConnection},
};
INSTANTIATE_TEST_SUITE_P(Bodies, UpdateCheckMenuCases, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdateCheckMenu, YesOpensTheDownloadPageAndTheProgramGoesOn) {
    LoopbackHttpServer server(Serving(VersionFile({"1", "31", "1"})));
    ScopedEnv env("RULIFORM_UPDATE_URL", server.BaseUrl());
    AnswerBox(IDYES);
    f->UpdateCheck1->Click();

    ASSERT_EQ(RecordedShellOpens().size(), 1u);
    EXPECT_EQ(RecordedShellOpens()[0].Operation, "open");
    EXPECT_EQ(RecordedShellOpens()[0].File, server.BaseUrl() + "index.html");
    EXPECT_EQ(RecordedShellOpens()[0].ShowCmd, SW_SHOWNORMAL);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(UpdateCheckMenu, ANoServerShowsTheConnectionMessage) {
    ScopedEnv env("RULIFORM_UPDATE_URL", "http://127.0.0.1:" + std::to_string(ClosedLoopbackPort()) + "/");
    f->UpdateCheck1->Click();
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::Message);
    EXPECT_EQ(ShownMessages()[0].Text, kNoConnection);
    // The check can be asked again at once.
    f->UpdateCheck1->Click();
    EXPECT_EQ(ShownMessages().size(), 2u);
}

TEST_F(UpdateCheckMenu, AnHttpErrorOrARedirectIsAFailure) {
    for (const char* status : {"404 Not Found", "500 Internal Server Error", "302 Found"}) {
        SCOPED_TRACE(status);
        ShownMessages().clear();
        LoopbackReply reply = Serving(VersionFile({"9", "0", "0"}));
        reply.Status = status;
        reply.Headers = "Location: http://127.0.0.1:1/elsewhere\r\n";
        LoopbackHttpServer server(reply);
        ScopedEnv env("RULIFORM_UPDATE_URL", server.BaseUrl());
        f->UpdateCheck1->Click();
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_EQ(ShownMessages()[0].Text, kNoConnection);
        EXPECT_EQ(server.Requests().size(), 1u);
    }
}

TEST_F(UpdateCheckMenu, TheOptionItemOnlyTogglesItsCheckMark) {
    LoopbackHttpServer server(Serving(VersionFile({"2", "0", "0"})));
    ScopedEnv env("RULIFORM_UPDATE_URL", server.BaseUrl());
    ASSERT_TRUE(f->CheckUpdate1->Checked());
    f->CheckUpdate1->Click();
    EXPECT_FALSE(f->CheckUpdate1->Checked());
    f->CheckUpdate1->Click();
    EXPECT_TRUE(f->CheckUpdate1->Checked());
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(UpdateCheckMenu, TheWebLinksOpenTheirAddressesThroughTheShell) {
    ScopedEnv home("RULIFORM_HOME_URL", "http://127.0.0.1:9/home/");
    ScopedEnv forum("RULIFORM_FORUM_URL", "http://127.0.0.1:9/cgi-bin/wforum.cgi");
    ScopedEnv mail("RULIFORM_MAIL_ADDRESS", "someone@example.invalid");
    f->SiteJump1->Click();
    f->WebForum1->Click();
    f->MailTo1->Click();
    ASSERT_EQ(RecordedShellOpens().size(), 3u);
    const char* expected[] = {"http://127.0.0.1:9/home/",
                              "http://127.0.0.1:9/cgi-bin/wforum.cgi?Ruliform=Ruliform",
                              "mailto:someone@example.invalid"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(RecordedShellOpens()[i].Operation, "open");
        EXPECT_EQ(RecordedShellOpens()[i].File, expected[i]);
        EXPECT_EQ(RecordedShellOpens()[i].ShowCmd, SW_SHOW);
    }
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(UpdateCheckMenu, WithoutConfigurationTheLinksUseNamesThatNeverResolve) {
    f->SiteJump1->Click();
    f->WebForum1->Click();
    f->MailTo1->Click();
    ASSERT_EQ(RecordedShellOpens().size(), 3u);
    for (const ShellOpenRecord& r : RecordedShellOpens())
        EXPECT_NE(r.File.find(".invalid"), std::string::npos) << r.File;
    EXPECT_TRUE(RecordedShellOpens()[1].File.ends_with("/wforum.cgi?Ruliform=Ruliform"));
    EXPECT_EQ(RecordedShellOpens()[2].File.rfind("mailto:", 0), 0u);
}

} // namespace
