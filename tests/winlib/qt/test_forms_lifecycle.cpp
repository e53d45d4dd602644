// Creation, running, termination and destruction of forms through the application object.
#include "test_forms_support.h"

#include "winlib/qt/ControlImpl.h"

#include "winlib/StdCtrls.h"
#include "winlib/SysUtils.h"

#include <functional>
#include <stdexcept>

namespace {

// Hooks for forms made by CreateForm, which only passes the owner.
std::function<void(TForm*)> onCreateHook;
std::vector<std::string> destroyLog;

class HookForm : public TForm {
  public:
    explicit HookForm(TComponent* owner) : TForm(owner) {
        static int serial = 0;
        SetName("Form" + std::to_string(++serial));
        OnCreate = [this](TObject*) {
            if (onCreateHook) onCreateHook(this);
        };
        OnDestroy = [this](TObject*) { destroyLog.push_back(Name()); };
    }
};

class FormsLifecycle : public WinlibTest {
  protected:
    void SetUp() override {
        WinlibTest::SetUp();
        onCreateHook = nullptr;
        destroyLog.clear();
    }
    void TearDown() override {
        onCreateHook = nullptr;
        WinlibTest::TearDown();
    }
};

struct CreateFailure {
    const char* name;
    std::function<void()> raise;
    const char* shown;
};

TEST_F(FormsLifecycle, ExceptionInOnCreateIsShownOnceAndTheFormGoesOn) {
    const CreateFailure cases[] = {
        {"own exception", [] { throw EConvertError("'x' is not a valid integer value"); },
         "'x' is not a valid integer value"},
        {"standard exception", [] { throw std::runtime_error("disk full"); }, "disk full"},
        {"unknown exception", [] { throw 42; }, ""},
    };
    for (const CreateFailure& c : cases) {
        SCOPED_TRACE(c.name);
        ShownMessages().clear();
        TApplication app;
        bool reachedAfterThrow = false;
        onCreateHook = [&](TForm*) {
            c.raise();
            reachedAfterThrow = true;
        };
        HookForm* form = nullptr;
        app.SetTitle("Ruliform");
        app.CreateForm(form);
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(reachedAfterThrow);
        EXPECT_EQ(app.MainForm(), form);
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::Exception);
        EXPECT_EQ(ShownMessages()[0].Caption, "Ruliform");
        EXPECT_EQ(ShownMessages()[0].Text, c.shown);
        // The form goes on to exist and can be shown.
        form->Show();
        EXPECT_TRUE(form->Visible());
        onCreateHook = nullptr;
    }
}

TEST_F(FormsLifecycle, TerminateDuringCreationEndsRunAtOnceAndDestroysFormsInReverseOrder) {
    TApplication app;
    HookForm* main = nullptr;
    HookForm* second = nullptr;
    HookForm* third = nullptr;
    onCreateHook = [&](TForm*) { app.Terminate(); };
    app.CreateForm(main);
    onCreateHook = nullptr;
    app.CreateForm(second);
    app.CreateForm(third);
    const std::vector<std::string> expected = {third->Name(), second->Name(), main->Name()};
    bool shownAtRun = false;
    main->OnShow = [&](TObject*) { shownAtRun = true; };

    Watchdog dog(3000, [&] { app.Terminate(); });
    app.Run();
    EXPECT_FALSE(dog.fired) << "Run waited although termination was asked for before it";
    EXPECT_TRUE(shownAtRun);
    EXPECT_EQ(destroyLog, expected);
    EXPECT_EQ(app.MainForm(), nullptr);
}

TEST_F(FormsLifecycle, ClosingTheMainFormEndsRunButOnCloseCanRefuse) {
    TApplication app;
    HookForm* main = nullptr;
    HookForm* other = nullptr;
    app.CreateForm(main);
    app.CreateForm(other);
    int closeAsked = 0;
    main->OnClose = [&](TObject*, TCloseAction& a) {
        // The first request is refused, the second accepted.
        if (++closeAsked == 1) a = caNone;
    };
    QTimer::singleShot(0, [&] {
        main->Close();
        EXPECT_FALSE(app.Terminated());
        other->Close(); // a secondary window only hides
        EXPECT_FALSE(app.Terminated());
        EXPECT_FALSE(other->Visible());
        main->Close();
    });
    Watchdog dog(3000, [&] { app.Terminate(); });
    app.Run();
    EXPECT_FALSE(dog.fired);
    EXPECT_EQ(closeAsked, 2);
    EXPECT_EQ(destroyLog.size(), 2u);
}

TEST_F(FormsLifecycle, WindowCloseButtonGoesThroughClose) {
    TForm form(nullptr);
    TCloseAction seen = caFree;
    bool hidden = false;
    form.OnClose = [&](TObject*, TCloseAction& a) { seen = a; };
    form.OnHide = [&](TObject*) { hidden = true; };
    form.Show();
    ASSERT_TRUE(form.Visible());
    form.Impl()->Widget()->close();
    EXPECT_EQ(seen, caHide);
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(form.Visible());
}

TEST_F(FormsLifecycle, DeletedFormLeavesTheApplicationsList) {
    TApplication app;
    HookForm* a = nullptr;
    HookForm* b = nullptr;
    app.CreateForm(a);
    app.CreateForm(b);
    delete a;
    EXPECT_EQ(app.MainForm(), nullptr);
    app.DestroyForms(); // must not delete a again
    EXPECT_EQ(destroyLog.size(), 2u);
}

TEST_F(FormsLifecycle, OnDestroyRunsOnlyForCreatedFormsAndItsExceptionIsShown) {
    {
        TForm plain(nullptr);
        plain.OnDestroy = [](TObject*) { destroyLog.push_back("never created"); };
    }
    EXPECT_TRUE(destroyLog.empty());
    {
        TForm created(nullptr);
        created.DoCreate();
        created.OnDestroy = [](TObject*) { throw Exception("cannot write"); };
    }
    ASSERT_EQ(CountShown(ShownMessageKind::Exception), 1);
    EXPECT_EQ(ShownMessages().back().Text, "cannot write");
}

TEST(ApplicationParams, ParamStrFollowsTheCommandLine) {
    EnsureTestApplication();
    TApplication app;
    char a0[] = "ruliform", a1[] = "/debug", a2[] = "second arg";
    char* argv[] = {a0, a1, a2, nullptr};
    app.Initialize(3, argv);
    EXPECT_EQ(app.ParamCount(), 2);
    EXPECT_FALSE(app.ParamStr(0).empty());
    EXPECT_EQ(app.ParamStr(1), "/debug");
    EXPECT_EQ(app.ParamStr(2), "second arg");
    EXPECT_EQ(app.ParamStr(3), "");
    EXPECT_EQ(app.ParamStr(-1), "");
    EXPECT_EQ(app.ExeName(), app.ParamStr(0));
}

TEST(ApplicationParams, NoArgumentsBeforeInitialize) {
    TApplication app;
    EXPECT_EQ(app.ParamCount(), 0);
    EXPECT_EQ(app.ParamStr(1), "");
}

TEST_F(FormsLifecycle, HandleExceptionKeepsAbortSilentAndLetsScriptErrorsThrough) {
    RunGuarded([] { throw EAbort(""); });
    EXPECT_TRUE(ShownMessages().empty());
    EXPECT_THROW(RunGuarded([] { throw EDialogScript("wrong dialog"); }), EDialogScript);
    // Outside any handler there is nothing to show.
    Application->HandleException();
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(FormsLifecycle, HintRunsOnHintOnlyWhenItChanges) {
    TApplication app;
    std::vector<std::string> seen;
    app.OnHint = [&](TObject*) { seen.push_back(app.Hint()); };
    app.SetHint("線の色を変更します");
    app.SetHint("線の色を変更します");
    app.SetHint("");
    EXPECT_EQ(seen, (std::vector<std::string>{"線の色を変更します", ""}));
}

} // namespace
