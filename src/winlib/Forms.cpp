// Forms: top-level windows with their life cycle, showing, closing and modal running.
#include "Forms.h"

#include "widgetset/WSForms.h"

#include <algorithm>

namespace {

// The forms whose ShowModal is running, innermost last.
std::vector<TForm*>& ModalForms() {
    static std::vector<TForm*> forms;
    return forms;
}

TApplication* ApplicationOf(const TForm* f) {
    if (auto* app = dynamic_cast<TApplication*>(f->Owner())) return app;
    return Application;
}

} // namespace

void TForm::EndModalLoops() {
    for (TForm* f : ModalForms())
        f->window_->ExitModalLoop();
}

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    std::unique_ptr<TWSControl> ws = ws::CreateForm(this);
    window_ = dynamic_cast<TWSForm*>(ws.get());
    SetImpl(std::move(ws));
    // A form starts hidden; Show, ShowModal or Application->Run bring it up.
    TControl::SetVisible(false);
    window_->ready = true;
}

TForm::~TForm() {
    DoDestroy();
    if (TApplication* app = ApplicationOf(this)) app->FormDestroyed(this);
}

void TForm::DoDestroy() {
    if (!created_) return;
    created_ = false;
    RunGuarded([this] {
        if (OnDestroy) OnDestroy(this);
    });
}

void TForm::DoCreate() {
    created_ = true;
    RunGuarded([this] {
        if (OnCreate) OnCreate(this);
    });
}

TWindowState TForm::WindowState() const {
    return window_->WindowState();
}

void TForm::SetWindowState(TWindowState s) {
    window_->ApplyWindowState(s);
}

TRect TForm::NormalBounds() const {
    return window_->NormalBounds();
}

void TForm::SetBorderStyle(TFormBorderStyle b) {
    borderStyle_ = b;
    window_->ApplyWindowStyle(borderStyle_, formStyle_);
}

void TForm::SetBorderWidth(int w) {
    borderWidth_ = std::max(w, 0);
    window_->ApplyBorderWidth(borderWidth_);
    Realign();
}

void TForm::SetFormStyle(TFormStyle f) {
    formStyle_ = f;
    window_->ApplyWindowStyle(borderStyle_, formStyle_);
}

void TForm::SetAlphaBlend(bool a) {
    alphaBlend_ = a;
    window_->ApplyOpacity(alphaBlend_ ? alphaBlendValue_ / 255.0 : 1.0);
}

void TForm::SetAlphaBlendValue(int v) {
    alphaBlendValue_ = std::clamp(v, 0, 255);
    window_->ApplyOpacity(alphaBlend_ ? alphaBlendValue_ / 255.0 : 1.0);
}

void TForm::SetMinimumSize(int w, int h) {
    window_->ApplyMinimumSize(std::max(w, 0), std::max(h, 0));
}

TWinControl* TForm::ActiveControl() const {
    // The control that has the focus now; else the one the program made active, while it exists.
    if (auto* c = dynamic_cast<TWinControl*>(window_->FocusedControl()); c && c != this) return c;
    return window_->RememberedActiveControl();
}

void TForm::SetActiveControl(TWinControl* c) {
    window_->RememberActiveControl(c);
    if (c && Visible() && c->CanFocus()) c->SetFocus();
}

void TForm::SetCaption(const AnsiString& c) {
    TControl::SetCaption(c);
}

void TForm::SetVisible(bool v) {
    if (v) {
        const bool showing = !window_->Showing();
        if (showing) {
            // OnShow runs before the window appears, under the guard, as a shown window always
            // appears even when its handler failed.
            RunGuarded([this] {
                if (OnShow) OnShow(this);
            });
            PlaceOnShow();
        }
        TControl::SetVisible(true);
        if (showing) {
            // Once shown the frame's size may be known: centre again with it.
            PlaceOnShow();
            TWinControl* ac = window_->RememberedActiveControl();
            if (ac && ac->CanFocus()) ac->SetFocus();
        }
    } else {
        if (window_->Showing())
            RunGuarded([this] {
                if (OnHide) OnHide(this);
            });
        TControl::SetVisible(false);
    }
}

void TForm::PlaceOnShow() {
    if (position_ == poScreenCenter) window_->CenterOn(ws::PrimaryScreenRect());
    if (position_ == poMainFormCenter || position_ == poOwnerFormCenter) {
        TForm* main = ApplicationOf(this) ? ApplicationOf(this)->MainForm() : nullptr;
        if (main && main != this && main->Visible())
            window_->CenterOn(
                TRect(main->Left(), main->Top(), main->Left() + main->Width(), main->Top() + main->Height()));
        else
            window_->CenterOn(ws::PrimaryScreenRect());
    }
}

bool TForm::Active() const {
    return window_->IsActiveWindow();
}

void TForm::SetModalResult(int r) {
    modalResult_ = r;
    if (r != 0 && inModalLoop_) window_->ExitModalLoop();
}

int TForm::ShowModal() {
    if (inModalLoop_ || window_->Showing()) throw EInvalidOperation("Cannot make a visible window modal");
    TApplication* app = ApplicationOf(this);
    modalResult_ = 0;
    window_->ApplyModal(true);
    Show();
    window_->BeginModalLoop();
    inModalLoop_ = true;
    ModalForms().push_back(this);
    while (modalResult_ == 0) {
        if (app && app->Terminated()) {
            modalResult_ = mrCancel;
            break;
        }
        window_->RunModalLoop();
        if (app && app->Terminated() && modalResult_ == 0) modalResult_ = mrCancel;
        if (modalResult_ == 0) continue;
        // The form may still refuse to close; an exception keeps it open too.
        TCloseAction action = caHide;
        try {
            if (OnClose) OnClose(this, action);
        } catch (...) {
            action = caNone;
            Application->HandleException();
        }
        if (action == caNone && !(app && app->Terminated())) modalResult_ = 0;
    }
    ModalForms().erase(std::remove(ModalForms().begin(), ModalForms().end(), this), ModalForms().end());
    inModalLoop_ = false;
    window_->EndModalLoop();
    Hide();
    window_->ApplyModal(false);
    return modalResult_;
}

void TForm::Close() {
    if (inModalLoop_) {
        // A modal form closes through ShowModal, which runs OnClose.
        SetModalResult(mrCancel);
        return;
    }
    TApplication* app = ApplicationOf(this);
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (app && app->MainForm() == this) {
        app->Terminate();
        return;
    }
    switch (action) {
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Hide();
        // Freed once the current event is over, so the handler that closed it can return.
        window_->FreeLater();
        break;
    default:
        Hide();
        break;
    }
}
