// The focus frame round the control being edited, in the colour of the current scheme: plain
// red rings on the paper pages, rings darkening outward in the settings panel.
#include "Unit1.h"

#include "Yxdraw.h"

namespace {
// Every control below Root that can hold the focus by itself; the pages and page controls are
// left out, since entering them is a change of page.
void ForEachField(TWinControl* Root, const std::function<void(TWinControl*)>& Visit) {
    for (int i = 0; i < Root->ControlCount(); ++i) {
        auto* c = dynamic_cast<TWinControl*>(Root->Controls(i));
        if (!c) continue;
        if (!dynamic_cast<TTabSheet*>(c) && !dynamic_cast<TPageControl*>(c)) Visit(c);
        ForEachField(c, Visit);
    }
}
} // namespace

void TForm1::BindFocusFrames() {
    // Controls with an enter handler of their own keep it; it draws the frame itself.
    auto bind = [](TWinControl* c, TNotifyEvent enter, TNotifyEvent exit) {
        if (!c->OnEnter) c->OnEnter = enter;
        if (!c->OnExit) c->OnExit = exit;
    };
    for (int i = 0; i < PageControl1->PageCount(); ++i)
        ForEachField(PageControl1->Pages(i), [&](TWinControl* c) {
            bind(c, Bind(this, &TForm1::OnEnter), Bind(this, &TForm1::OnExit));
        });
    ForEachField(ScrollBox2, [&](TWinControl* c) {
        bind(c, Bind(this, &TForm1::OnEnter2), Bind(this, &TForm1::OnExit2));
    });
}

void TForm1::OnEnter(TObject* Sender) {
    auto* c = dynamic_cast<TControl*>(Sender);
    if (CriticalFocus && c) DrawFocusFrame(c, true, CurrentSkin->BaseColor);
}

void TForm1::OnExit(TObject* Sender) {
    auto* c = dynamic_cast<TControl*>(Sender);
    if (CriticalFocus && c) DrawFocusFrame(c, false, CurrentSkin->BaseColor);
}

void TForm1::OnEnter2(TObject* Sender) {
    auto* c = dynamic_cast<TControl*>(Sender);
    if (CriticalFocus && c) DrawFocusFrameEx(c, true, CurrentSkin->BaseColor);
}

void TForm1::OnExit2(TObject* Sender) {
    auto* c = dynamic_cast<TControl*>(Sender);
    if (CriticalFocus && c) DrawFocusFrameEx(c, false, CurrentSkin->BaseColor);
}
