// Forms: top-level windows with their life cycle, showing, closing and modal running.
#include "winlib/AppImpl.h"
#include "FormImpl.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>

namespace {

std::vector<QEventLoop*>& ModalLoops() {
    static std::vector<QEventLoop*> loops;
    return loops;
}

TFormImpl* ImplOf(const TForm* f) {
    return static_cast<TFormImpl*>(f->Impl());
}

TApplication* ApplicationOf(const TForm* f) {
    if (auto* app = dynamic_cast<TApplication*>(f->Owner())) return app;
    return Application;
}

TRect ScreenRect() {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return TRect();
    const QRect g = s->geometry();
    return TRect(g.left(), g.top(), g.right() + 1, g.bottom() + 1);
}

} // namespace

namespace winlib {

void EndModalLoops() {
    for (QEventLoop* loop : ModalLoops())
        loop->exit(0);
}

QWidget* FormWidget(const TForm* f) {
    return f && f->Impl() ? f->Impl()->Widget() : nullptr;
}

TForm* FormOfWidget(const QWidget* w) {
    if (!w) return nullptr;
    return dynamic_cast<TForm*>(ControlOfWidget(const_cast<QWidget*>(w)->window()));
}

} // namespace winlib

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    winlib::EnsureToolkit();
    auto* window = new QWidget(nullptr, Qt::Window);
    window->resize(320, 240);
    auto impl = std::make_unique<TFormImpl>(this, window);
    TFormImpl* fi = impl.get();
    SetImpl(std::move(impl));
    // A form starts hidden; Show, ShowModal or Application->Run bring it up.
    TControl::SetVisible(false);
    fi->ready = true;
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
    QWidget* w = ImplOf(this)->Widget();
    const Qt::WindowStates s = w->windowState();
    if (s & Qt::WindowMinimized) return wsMinimized;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return wsMaximized;
    return wsNormal;
}

void TForm::SetWindowState(TWindowState s) {
    QWidget* w = ImplOf(this)->Widget();
    Qt::WindowStates q =
        w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (s == wsMinimized) q |= Qt::WindowMinimized;
    if (s == wsMaximized) q |= Qt::WindowMaximized;
    // On a hidden window the state takes effect when it is shown.
    w->setWindowState(q);
}

TRect TForm::NormalBounds() const {
    return ImplOf(this)->NormalBounds();
}

void TForm::SetBorderStyle(TFormBorderStyle b) {
    borderStyle_ = b;
    ImplOf(this)->ApplyWindowFlags(borderStyle_, formStyle_);
}

void TForm::SetBorderWidth(int w) {
    borderWidth_ = std::max(w, 0);
    ImplOf(this)->SetBorderWidth(borderWidth_);
    Realign();
}

void TForm::SetFormStyle(TFormStyle f) {
    formStyle_ = f;
    ImplOf(this)->ApplyWindowFlags(borderStyle_, formStyle_);
}

void TForm::SetAlphaBlend(bool a) {
    alphaBlend_ = a;
    ImplOf(this)->Widget()->setWindowOpacity(alphaBlend_ ? alphaBlendValue_ / 255.0 : 1.0);
}

void TForm::SetAlphaBlendValue(int v) {
    alphaBlendValue_ = std::clamp(v, 0, 255);
    ImplOf(this)->Widget()->setWindowOpacity(alphaBlend_ ? alphaBlendValue_ / 255.0 : 1.0);
}

void TForm::SetMinimumSize(int w, int h) {
    ImplOf(this)->Widget()->setMinimumSize(std::max(w, 0), std::max(h, 0));
}

TWinControl* TForm::ActiveControl() const {
    TFormImpl* fi = ImplOf(this);
    if (QCoreApplication::instance())
        if (QWidget* focus = QApplication::focusWidget(); focus && focus->window() == fi->Widget())
            if (auto* c = dynamic_cast<TWinControl*>(ControlOfWidget(focus)); c && c != this) return c;
    return fi->activeControlWidget ? fi->activeControl : nullptr;
}

void TForm::SetActiveControl(TWinControl* c) {
    TFormImpl* fi = ImplOf(this);
    fi->activeControl = c;
    fi->activeControlWidget = c && c->Impl() ? c->Impl()->Widget() : nullptr;
    if (c && Visible() && c->CanFocus()) c->SetFocus();
}

void TForm::SetCaption(const AnsiString& c) {
    TControl::SetCaption(c);
}

void TForm::SetVisible(bool v) {
    TFormImpl* fi = ImplOf(this);
    QWidget* w = fi->Widget();
    if (v) {
        const bool showing = !w->isVisible();
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
            TWinControl* ac = fi->activeControlWidget ? fi->activeControl : nullptr;
            if (ac && ac->CanFocus()) ac->SetFocus();
        }
    } else {
        if (w->isVisible())
            RunGuarded([this] {
                if (OnHide) OnHide(this);
            });
        TControl::SetVisible(false);
    }
}

void TForm::PlaceOnShow() {
    TFormImpl* fi = ImplOf(this);
    if (position_ == poScreenCenter) fi->CenterOn(ScreenRect());
    if (position_ == poMainFormCenter || position_ == poOwnerFormCenter) {
        TForm* main = ApplicationOf(this) ? ApplicationOf(this)->MainForm() : nullptr;
        if (main && main != this && main->Visible())
            fi->CenterOn(
                TRect(main->Left(), main->Top(), main->Left() + main->Width(), main->Top() + main->Height()));
        else
            fi->CenterOn(ScreenRect());
    }
}

bool TForm::Active() const {
    return ImplOf(this)->Widget()->isActiveWindow();
}

void TForm::SetModalResult(int r) {
    modalResult_ = r;
    TFormImpl* fi = ImplOf(this);
    if (r != 0 && fi->modalLoop) fi->modalLoop->exit(0);
}

int TForm::ShowModal() {
    TFormImpl* fi = ImplOf(this);
    QWidget* w = fi->Widget();
    if (fi->modalLoop || w->isVisible()) throw EInvalidOperation("Cannot make a visible window modal");
    TApplication* app = ApplicationOf(this);
    modalResult_ = 0;
    w->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    fi->modalLoop = &loop;
    ModalLoops().push_back(&loop);
    while (modalResult_ == 0) {
        if (app && app->Terminated()) {
            modalResult_ = mrCancel;
            break;
        }
        loop.exec();
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
    ModalLoops().erase(std::remove(ModalLoops().begin(), ModalLoops().end(), &loop), ModalLoops().end());
    fi->modalLoop = nullptr;
    Hide();
    w->setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TForm::Close() {
    TFormImpl* fi = ImplOf(this);
    if (fi->modalLoop) {
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
    case caFree: {
        Hide();
        // Freed once the current event is over, so the handler that closed it can return.
        QPointer<QWidget> alive = fi->Widget();
        QMetaObject::invokeMethod(
            qApp,
            [this, alive] {
                if (alive) delete this;
            },
            Qt::QueuedConnection);
        break;
    }
    default:
        Hide();
        break;
    }
}
