// Window behaviour of forms: modal running, showing, placement, border width, state, activation.
#include "test_forms_support.h"

#include "winlib/qt/AppImpl.h"
#include "winlib/qt/FormImpl.h"
#include "winlib/StdCtrls.h"

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QScreen>

namespace {

class FormsWindow : public WinlibTest {};

TEST_F(FormsWindow, ModalResultEndsShowModal) {
    TForm form(nullptr);
    bool shown = false;
    form.OnShow = [&](TObject*) { shown = true; };
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(form.Visible());
        form.SetModalResult(mrOk);
    });
    Watchdog dog(3000, [&] { form.SetModalResult(mrCancel); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(dog.fired);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(form.Visible());
}

TEST_F(FormsWindow, ButtonWithModalResultClosesTheModalForm) {
    TForm form(nullptr);
    auto* ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    QTimer::singleShot(0, [&] { ok->Click(); });
    Watchdog dog(3000, [&] { form.SetModalResult(mrCancel); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(dog.fired);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsWindow, CloseOfAModalFormGivesCancelUnlessOnCloseRefuses) {
    TForm form(nullptr);
    int asked = 0;
    form.OnClose = [&](TObject*, TCloseAction& a) {
        EXPECT_EQ(a, caHide);
        if (++asked == 1) a = caNone; // keeps the dialog open once
    };
    QTimer::singleShot(0, [&] {
        form.Close();
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(form.Visible()) << "refused close must keep the modal form up";
            form.Close();
        });
    });
    Watchdog dog(3000, [&] { form.SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_FALSE(dog.fired);
    EXPECT_EQ(asked, 2);
}

TEST_F(FormsWindow, ModalFormCannotBeShownModalTwice) {
    TForm form(nullptr);
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST_F(FormsWindow, TerminateEndsAModalLoop) {
    TApplication app;
    TForm* form = nullptr;
    app.CreateForm(form);
    QTimer::singleShot(0, [&] { app.Terminate(); });
    Watchdog dog(3000, [&] { form->SetModalResult(mrOk); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_FALSE(dog.fired);
}

TEST_F(FormsWindow, ScreenCentreIsAppliedOnShow) {
    TForm form(nullptr);
    form.SetBorderStyle(bsDialog);
    form.SetClientWidth(299);
    form.SetClientHeight(232);
    form.SetPosition(poScreenCenter);
    form.Show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form.Left(), (screen.width() - form.Width()) / 2);
    EXPECT_EQ(form.Top(), (screen.height() - form.Height()) / 2);
    EXPECT_EQ(form.ClientWidth(), 299);
}

TEST_F(FormsWindow, BorderWidthInsetsTheClientArea) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBorderWidth(2);
    form.SetClientWidth(150);
    form.SetClientHeight(48);
    auto* fill = new TButton(&form);
    fill->SetParent(&form);
    fill->SetAlign(alClient);
    form.Show();
    EXPECT_EQ(form.Width(), 154);
    EXPECT_EQ(form.Height(), 52);
    EXPECT_EQ(fill->Left(), 0);
    EXPECT_EQ(fill->Width(), 150);
    EXPECT_EQ(fill->Height(), 48);
    // The child sits inside the border on the screen.
    EXPECT_EQ(fill->ClientOrigin().x - form.Left(), 2);
}

// Whatever its border (a dialog's keeps the window manager from resizing it), the program can
// always give a shown window another client size.
TEST_F(FormsWindow, TheProgramSizesAShownWindowWhateverItsBorder) {
    for (TFormBorderStyle border : {bsDialog, bsToolWindow, bsNone, bsSizeable, bsSizeToolWin}) {
        SCOPED_TRACE(border);
        TForm form(nullptr);
        form.SetBorderStyle(border);
        form.SetClientWidth(252);
        form.SetClientHeight(166);
        form.Show();
        form.SetClientWidth(300);
        form.SetClientHeight(200);
        QDeadlineTimer deadline(20000);
        while ((form.ClientWidth() != 300 || form.ClientHeight() != 200) && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(form.ClientWidth(), 300);
        EXPECT_EQ(form.ClientHeight(), 200);
        // A border that sizes no more, and one that sizes again.
        form.SetBorderStyle(border == bsSizeable ? bsDialog : bsSizeable);
        form.SetClientWidth(320);
        deadline = QDeadlineTimer(20000);
        while (form.ClientWidth() != 320 && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(form.ClientWidth(), 320);
    }
}

TEST_F(FormsWindow, OnResizeFollowsSizeChanges) {
    TForm form(nullptr);
    int resized = 0;
    form.OnResize = [&](TObject*) { ++resized; };
    form.SetBounds(10, 10, 400, 300);
    form.SetWidth(500);
    EXPECT_EQ(resized, 2);
    form.SetWidth(500);
    EXPECT_EQ(resized, 2);
}

TEST_F(FormsWindow, MaximisedFormKeepsItsNormalBounds) {
    TForm form(nullptr);
    form.SetBounds(30, 40, 400, 300);
    form.SetWindowState(wsMaximized);
    form.Show();
    Application->ProcessMessages();
    EXPECT_EQ(form.WindowState(), wsMaximized);
    EXPECT_EQ(form.NormalBounds(), TRect(30, 40, 430, 340));
    form.SetWindowState(wsNormal);
    Application->ProcessMessages();
    EXPECT_EQ(form.WindowState(), wsNormal);
    EXPECT_EQ(form.NormalBounds(),
              TRect(form.Left(), form.Top(), form.Left() + form.Width(), form.Top() + form.Height()));
}

TEST_F(FormsWindow, StayOnTopAndToolWindowFlagsKeepAVisibleFormVisible) {
    TForm form(nullptr);
    form.Show();
    form.SetFormStyle(fsStayOnTop);
    form.SetBorderStyle(bsToolWindow);
    QWidget* w = form.Impl()->Widget();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
}

TEST_F(FormsWindow, AlphaBlendSetsTheOpacity) {
    TForm form(nullptr);
    form.SetAlphaBlendValue(230);
    EXPECT_DOUBLE_EQ(form.Impl()->Widget()->windowOpacity(), 1.0); // not blended yet
    form.SetAlphaBlend(true);
    EXPECT_NEAR(form.Impl()->Widget()->windowOpacity(), 230 / 255.0, 0.01);
}

TEST_F(FormsWindow, ADeactivatedWindowRunsOnDeactivate) {
    TForm slide(nullptr);
    TForm other(nullptr);
    int deactivated = 0;
    slide.OnDeactivate = [&](TObject*) {
        ++deactivated;
        slide.Hide(); // the slide input hides itself this way
    };
    slide.Show();
    QApplication::setActiveWindow(slide.Impl()->Widget());
    Application->ProcessMessages();
    ASSERT_TRUE(slide.Active());
    EXPECT_EQ(Screen->ActiveForm(), &slide);
    other.Show();
    QApplication::setActiveWindow(other.Impl()->Widget());
    Application->ProcessMessages();
    EXPECT_EQ(deactivated, 1);
    EXPECT_FALSE(slide.Visible());
    EXPECT_EQ(Screen->ActiveForm(), &other);
}

TEST_F(FormsWindow, ActiveControlGetsTheFocusWhenShown) {
    TForm form(nullptr);
    auto* first = new TButton(&form);
    first->SetParent(&form);
    auto* second = new TButton(&form);
    second->SetParent(&form);
    form.SetActiveControl(second);
    form.Show();
    QApplication::setActiveWindow(form.Impl()->Widget());
    Application->ProcessMessages();
    EXPECT_EQ(form.ActiveControl(), second);
    EXPECT_TRUE(second->Focused());
}

TEST_F(FormsWindow, ScreenListsSortedFontsAndAnswersTheCursorOverride) {
    const TStringList& fonts = Screen->Fonts();
    ASSERT_GT(fonts.Count(), 0);
    for (int i = 1; i < fonts.Count(); ++i)
        EXPECT_LT(fonts[i - 1], fonts[i]);
    EXPECT_GT(Screen->Width(), 0);
    SetCursorPosForTest(TPoint(123, 456));
    EXPECT_EQ(GetCursorPos(), TPoint(123, 456));
    ClearCursorPosForTest();
}

TEST_F(FormsWindow, AWindowClosedDuringLongWorkClosesOnlyOnceTheWorkIsOver) {
    // The window manager's close button during a print job: the job lets events through, but the
    // form's close handler must not run inside it.
    TForm form(nullptr);
    form.Show();
    int closes = 0;
    bool working = false, closedWhileWorking = false;
    form.OnClose = [&](TObject*, TCloseAction&) {
        ++closes;
        closedWhileWorking = working;
    };
    bool timerRan = false;
    {
        TLongWork work;
        working = true;
        QCoreApplication::postEvent(winlib::FormWidget(&form), new QCloseEvent);
        QTimer::singleShot(0, [&] { timerRan = true; });
        QDeadlineTimer deadline(20000);
        while (!timerRan && !deadline.hasExpired())
            Application->ProcessNonInputMessages();
        EXPECT_TRUE(timerRan) << "the work lets timers through";
        EXPECT_EQ(closes, 0) << "the close ran inside the work";
        working = false;
    }
    QDeadlineTimer deadline(20000);
    while (closes == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(closes, 1) << "the close waited and then ran";
    EXPECT_FALSE(closedWhileWorking);
    EXPECT_FALSE(form.Visible());
}

} // namespace

namespace {

// The screen's cursor is one cursor over every window: set once however often it is asked for,
// and gone at crDefault.
TEST_F(FormsWindow, ScreenCursorShowsTheBusyCursorOverEveryWindowUntilDefault) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    Screen->SetCursor(crHourGlass);
    Screen->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

} // namespace
