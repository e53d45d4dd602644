// What a window does with the keys no control took: Return and Escape in dialogs.
#include "test_forms_support.h"

#include "winlib/qt/ControlImpl.h"
#include "winlib/StdCtrls.h"

#include <QKeyEvent>

#include <memory>

namespace {

// A key typed into the control: it goes up to the window when the control leaves it unused.
void Press(TControl* c, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(c->Impl()->Widget(), &down);
}

// A dialog with an edit, an OK button and a Cancel button that count their clicks.
struct Dialog {
    explicit Dialog(TFormBorderStyle border = bsDialog) : form(std::make_unique<TForm>(nullptr)) {
        form->SetBorderStyle(border);
        edit = new TEdit(form.get());
        edit->SetParent(form.get());
        ok = new TButton(form.get());
        ok->SetParent(form.get());
        ok->SetLeft(10);
        cancel = new TButton(form.get());
        cancel->SetParent(form.get());
        cancel->SetLeft(100);
        ok->OnClick = [this](TObject*) { ++oks; };
        cancel->OnClick = [this](TObject*) { ++cancels; };
    }
    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
    TButton *ok = nullptr, *cancel = nullptr;
    int oks = 0, cancels = 0;
};

class FormsDialogKeys : public WinlibTest {};

struct KeyCase {
    const char* what;
    int key;
    bool okDefault, cancelCancel;
    bool focusOnCancel;
    int oks, cancels;
    bool stillShown;
};

TEST_F(FormsDialogKeys, ReturnAndEscapePressTheDialogsButtons) {
    const KeyCase cases[] = {
        {"Return clicks the default button", Qt::Key_Return, true, true, false, 1, 0, true},
        {"Enter on the keypad too", Qt::Key_Enter, true, true, false, 1, 0, true},
        {"Return clicks the focused button", Qt::Key_Return, true, true, true, 0, 1, true},
        {"Return without a default button does nothing", Qt::Key_Return, false, true, false, 0, 0, true},
        {"Escape clicks the cancel button", Qt::Key_Escape, true, true, false, 0, 1, true},
        {"Escape without a cancel button closes a dialog", Qt::Key_Escape, true, false, false, 0, 0, false},
    };
    for (const KeyCase& k : cases) {
        SCOPED_TRACE(k.what);
        Dialog d;
        d.ok->SetDefault(k.okDefault);
        d.cancel->SetCancel(k.cancelCancel);
        d.form->Show();
        TWinControl* focus = k.focusOnCancel ? static_cast<TWinControl*>(d.cancel) : d.edit;
        focus->SetFocus();
        Press(focus, k.key);
        EXPECT_EQ(d.oks, k.oks);
        EXPECT_EQ(d.cancels, k.cancels);
        EXPECT_EQ(d.form->Visible(), k.stillShown);
    }
}

TEST_F(FormsDialogKeys, KeysThatAreTakenOrThatNoButtonCanAnswerDoNothing) {
    {
        SCOPED_TRACE("the edit's key handler consumes Return");
        Dialog d;
        d.ok->SetDefault(true);
        d.edit->OnKeyPress = [](TObject*, char& key) {
            if (key == 13) key = 0;
        };
        d.form->Show();
        Press(d.edit, Qt::Key_Return);
        EXPECT_EQ(d.oks, 0);
    }
    {
        SCOPED_TRACE("a disabled default button");
        Dialog d;
        d.ok->SetDefault(true);
        d.ok->SetEnabled(false);
        d.form->Show();
        Press(d.edit, Qt::Key_Return);
        EXPECT_EQ(d.oks, 0);
    }
    {
        SCOPED_TRACE("Escape in a window that is no dialog");
        Dialog d(bsSizeable);
        d.form->Show();
        Press(d.edit, Qt::Key_Escape);
        EXPECT_TRUE(d.form->Visible());
    }
}

TEST_F(FormsDialogKeys, EscapeCancelsAModalDialog) {
    Dialog d;
    d.ok->SetDefault(true);
    d.ok->SetModalResult(mrOk);
    QTimer::singleShot(0, [&] { Press(d.edit, Qt::Key_Escape); });
    Watchdog dog(10000, [&] { d.form->SetModalResult(mrNo); });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    EXPECT_FALSE(dog.fired);
    QTimer::singleShot(0, [&] { Press(d.edit, Qt::Key_Return); });
    EXPECT_EQ(d.form->ShowModal(), mrOk);
    EXPECT_EQ(d.oks, 1);
}

} // namespace
