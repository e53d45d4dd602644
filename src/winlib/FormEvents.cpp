// The user's actions on a form's window, as the toolkit reports them, turned into the form's
// handlers and the dialog keys' buttons.
#include "widgetset/WSForms.h"

#include "Forms.h"
#include "StdCtrls.h"

namespace {

// The first button under the control, in the order the controls were added, that the user
// could press now (shown and enabled) and that Wanted accepts.
template <class Pred> TButton* FindButton(const TWinControl* c, Pred Wanted) {
    for (int i = 0; i < c->ControlCount(); ++i) {
        TControl* child = c->Controls(i);
        if (auto* b = dynamic_cast<TButton*>(child); b && Wanted(b) && b->CanFocus()) return b;
        if (auto* wc = dynamic_cast<TWinControl*>(child))
            if (TButton* b = FindButton(wc, Wanted)) return b;
    }
    return nullptr;
}

} // namespace

namespace wsevents {

void CloseRequested(TForm* Form) {
    // The form decides: OnClose may keep it open, hide it or end the program. A close that comes
    // while a job runs (the window manager's close button, the session's end) waits for its end.
    ws::RunUnlessHeld([Form] { RunGuarded([Form] { Form->Close(); }); });
}

void ActivationChanged(TForm* Form, bool Active) {
    RunGuarded([Form, Active] {
        TNotifyEvent e = Active ? Form->OnActivate : Form->OnDeactivate;
        if (e) e(Form);
    });
}

bool DialogKey(TForm* Form, TControl* Focused, char Key) {
    switch (Key) {
    case 13: {
        // The focused button, else the default one.
        auto* b = dynamic_cast<TButton*>(Focused);
        if (!b || !b->CanFocus()) b = FindButton(Form, [](TButton* x) { return x->Default(); });
        if (!b) return false;
        b->Click();
        return true;
    }
    case 27:
        if (TButton* b = FindButton(Form, [](TButton* x) { return x->Cancel(); })) {
            b->Click();
            return true;
        }
        // A dialog without a cancel button closes, as dialogs do.
        if (Form->BorderStyle() != bsDialog) return false;
        RunGuarded([Form] { Form->Close(); });
        return true;
    default:
        return false;
    }
}

} // namespace wsevents
