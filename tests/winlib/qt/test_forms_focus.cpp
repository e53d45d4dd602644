// Focus moves, inside a window and through windows being activated, shown and hidden, reach the
// controls as enter and exit.
#include "test_forms_support.h"

#include "winlib/qt/ControlImpl.h"
#include "winlib/StdCtrls.h"

#include <QDeadlineTimer>
#include <QFocusEvent>

#include <memory>

namespace {

// Processes events until Done() holds; false when the generous deadline passed first.
template <class F> bool WaitFor(F Done) {
    QDeadlineTimer deadline(20000);
    while (!Done()) {
        if (deadline.hasExpired()) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// A window with one edit that counts its enters and exits.
struct Counted {
    Counted() : form(std::make_unique<TForm>(nullptr)) {
        edit = new TEdit(form.get());
        edit->SetParent(form.get());
        edit->OnEnter = [this](TObject*) { ++enters; };
        edit->OnExit = [this](TObject*) { ++exits; };
    }
    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
    int enters = 0, exits = 0;
};

class FormsFocus : public WinlibTest {};

TEST_F(FormsFocus, ActivationEntersAndLeavesTheFocusedControl) {
    Counted a, b;
    a.form->Show();
    ASSERT_TRUE(WaitFor([&] { return a.form->Active(); }));
    EXPECT_TRUE(WaitFor([&] { return a.enters == 1; })) << "the shown window's edit is entered";
    b.form->Show();
    ASSERT_TRUE(WaitFor([&] { return b.form->Active(); }));
    EXPECT_TRUE(WaitFor([&] { return a.exits == 1 && b.enters == 1; }))
        << "A " << a.enters << "/" << a.exits << ", B " << b.enters << "/" << b.exits;
    b.form->Hide();
    EXPECT_TRUE(WaitFor([&] { return b.exits == 1; })) << "hiding leaves the edit";
    a.form->Hide();
    EXPECT_TRUE(WaitFor([&] { return a.exits == a.enters; }));
}

// Focus moves inside the window and through windows, in any mix: one exit answers each enter.
TEST_F(FormsFocus, EveryEnterIsAnsweredByOneExit) {
    Counted a;
    auto* second = new TEdit(a.form.get());
    second->SetParent(a.form.get());
    second->SetTop(40);
    int secondEnters = 0, secondExits = 0;
    second->OnEnter = [&](TObject*) { ++secondEnters; };
    second->OnExit = [&](TObject*) { ++secondExits; };
    a.form->Show();
    ASSERT_TRUE(WaitFor([&] { return a.form->Active() && a.enters == 1; }));
    second->SetFocus();
    EXPECT_EQ(a.exits, 1);
    EXPECT_EQ(secondEnters, 1);
    a.edit->SetFocus();
    EXPECT_EQ(secondExits, 1);
    EXPECT_EQ(a.enters, 2);
    // A focus event that repeats what the control already has changes nothing.
    QFocusEvent again(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(a.edit->Impl()->Widget(), &again);
    EXPECT_EQ(a.enters, 2);
    // A menu opening over the window is no move of the focus.
    QFocusEvent menu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(a.edit->Impl()->Widget(), &menu);
    EXPECT_EQ(a.exits, 1);
    a.form->Hide();
    EXPECT_TRUE(WaitFor([&] { return a.exits == 2; }));
    EXPECT_EQ(secondEnters - secondExits, 0);
}

} // namespace
