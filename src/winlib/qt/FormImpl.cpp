// The Qt side of forms: frame geometry, border width, window flags and the window events.
#include "FormImpl.h"

#include "AppImpl.h"
#include "winlib/widgetset/WSDialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>

namespace ws {

std::unique_ptr<TWSControl> CreateForm(TForm* Form) {
    EnsureToolkit();
    auto* window = new QWidget(nullptr, Qt::Window);
    window->resize(320, 240);
    return std::make_unique<TFormImpl>(Form, window);
}

} // namespace ws

namespace winlib {

QWidget* FormWidget(const TForm* f) {
    return f && f->Impl() ? f->Impl()->Widget() : nullptr;
}

TForm* FormOfWidget(const QWidget* w) {
    if (!w) return nullptr;
    return dynamic_cast<TForm*>(ControlOfWidget(const_cast<QWidget*>(w)->window()));
}

} // namespace winlib

TFormImpl::TFormImpl(TForm* form, QWidget* window)
    : TControlImpl(form, window), form_(form), client_(new QWidget(window)) {
    client_->show();
    bounds_ = TRect(0, 0, window->width(), window->height());
    LayoutClient();
}

QMargins TFormImpl::FrameMargins() const {
    QWidget* w = Widget();
    if (!w || !w->isVisible()) return QMargins();
    const QRect f = w->frameGeometry(), g = w->geometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
}

TRect TFormImpl::Bounds() const {
    QWidget* w = Widget();
    if (!w || !w->isVisible()) return bounds_;
    const QRect f = w->frameGeometry();
    return TRect(f.left(), f.top(), f.right() + 1, f.bottom() + 1);
}

void TFormImpl::ApplyBounds(int l, int t, int w, int h) {
    QWidget* win = Widget();
    if (!win) return;
    // The minimum size constrains the bounds the program asks for too, as the form's constraints do.
    if (!fixedSize_) {
        w = std::max(w, win->minimumWidth());
        h = std::max(h, win->minimumHeight());
    }
    // A move alone keeps a client size asked for before the frame was known.
    if (applyingClientSize_ || w != bounds_.Width() || h != bounds_.Height())
        clientSizeWanted_ = applyingClientSize_;
    bounds_ = TRect(l, t, l + w, t + h);
    const QMargins m = FrameMargins();
    win->move(l, t); // a window's position is that of its frame
    ResizeWindow(std::max(w - m.left() - m.right(), 0), std::max(h - m.top() - m.bottom(), 0));
    LayoutClient();
}

void TFormImpl::ResizeWindow(int w, int h) {
    QWidget* win = Widget();
    // A window without a sizing border has one size, which the window manager must keep too.
    if (fixedSize_)
        win->setFixedSize(w, h);
    else
        win->resize(w, h);
}

QSize TFormImpl::ClientSize() const {
    QWidget* w = Widget();
    if (!w) return QSize();
    return QSize(std::max(w->width() - 2 * borderWidth_, 0), std::max(w->height() - 2 * borderWidth_, 0));
}

void TFormImpl::SetClientSize(int w, int h) {
    const TRect b = Bounds();
    const QSize c = ClientSize();
    wantedClient_ = QSize(std::max(w, 0), std::max(h, 0));
    applyingClientSize_ = true;
    form_->SetBounds(b.Left, b.Top, b.Width() + w - c.width(), b.Height() + h - c.height());
    applyingClientSize_ = false;
}

void TFormImpl::ApplyVisible(bool v) {
    QWidget* w = Widget();
    if (!w || !ready) return;
    if (v) {
        // An already visible window comes to the front.
        if (w->isVisible()) w->raise();
        w->show();
        w->activateWindow();
    } else {
        w->hide();
    }
}

void TFormImpl::ApplyCaption(const AnsiString& c) {
    if (Widget()) Widget()->setWindowTitle(ToQString(c));
}

void TFormImpl::ApplyBorderWidth(int w) {
    borderWidth_ = std::max(w, 0);
    LayoutClient();
}

void TFormImpl::LayoutClient() {
    QWidget* w = Widget();
    if (!w) return;
    const QSize c = ClientSize();
    client_->setGeometry(borderWidth_, borderWidth_, c.width(), c.height());
}

void TFormImpl::ApplyWindowStyle(TFormBorderStyle border, TFormStyle style) {
    QWidget* w = Widget();
    if (!w) return;
    Qt::WindowFlags f = Qt::Window;
    switch (border) {
    case bsNone:
        f |= Qt::FramelessWindowHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        f = Qt::Tool;
        break;
    case bsDialog:
        f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    default:
        break;
    }
    if (style == fsStayOnTop) f |= Qt::WindowStaysOnTopHint;
    const bool fixed = border != bsSizeable && border != bsSizeToolWin;
    if (fixed != fixedSize_) {
        fixedSize_ = fixed;
        if (fixed) {
            w->setFixedSize(w->size());
        } else {
            w->setMinimumSize(0, 0);
            w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
    }
    if (w->windowFlags() == f) return;
    // Changing the flags hides the window; a visible one comes back where it was.
    const bool visible = w->isVisible();
    const TRect b = Bounds();
    w->setWindowFlags(f);
    if (visible) {
        ApplyBounds(b.Left, b.Top, b.Width(), b.Height());
        w->show();
    }
}

TRect TFormImpl::NormalBounds() const {
    QWidget* w = Widget();
    if (w && w->isVisible() &&
        !(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        return Bounds();
    return bounds_;
}

void TFormImpl::CenterOn(const TRect& area) {
    const TRect b = Bounds();
    MoveTo(area.Left + (area.Width() - b.Width()) / 2, area.Top + (area.Height() - b.Height()) / 2);
    // The frame's size is not known before the window manager has framed the window: centre
    // again then, with it.
    centreArea_ = area;
    centrePending_ = framePending_ || !Showing();
}

void TFormImpl::MoveTo(int l, int t) {
    QWidget* win = Widget();
    if (!win) return;
    // Only the place changes: a client size asked for is still applied once the frame is known.
    bounds_ = TRect(l, t, l + bounds_.Width(), t + bounds_.Height());
    win->move(l, t);
}

bool TFormImpl::DialogKey(QKeyEvent* ev) {
    if (ev->modifiers() & ~Qt::KeypadModifier) return false;
    const char key = ControlKeyChar(ev->key());
    if (key != 13 && key != 27) return false;
    QWidget* focus = Widget()->focusWidget();
    return wsevents::DialogKey(form_, focus ? ControlOfWidget(focus) : nullptr, key);
}

bool TFormImpl::eventFilter(QObject* obj, QEvent* ev) {
    QWidget* w = Widget();
    if (obj == w) {
        switch (ev->type()) {
        case QEvent::KeyPress:
            // A key the focused control left unused reaches the window: the form's own key
            // handler first, then the dialog keys.
            if (TControlImpl::eventFilter(obj, ev)) return true;
            return DialogKey(static_cast<QKeyEvent*>(ev));
        case QEvent::Close:
            // The form decides whether the window closes.
            ev->ignore();
            wsevents::CloseRequested(form_);
            return true;
        case QEvent::ActivationChange:
            wsevents::ActivationChanged(form_, w->isActiveWindow());
            break;
        case QEvent::Resize:
            LayoutClient();
            [[fallthrough]];
        case QEvent::Move:
            if (w->isVisible() &&
                !(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
                const QMargins m = FrameMargins();
                if (framePending_ && !m.isNull()) {
                    // The window manager has framed the window: give it the size asked for.
                    framePending_ = false;
                    if (clientSizeWanted_) {
                        ResizeWindow(wantedClient_.width() + 2 * borderWidth_,
                                     wantedClient_.height() + 2 * borderWidth_);
                        LayoutClient();
                        bounds_ = Bounds();
                    } else {
                        const TRect b = bounds_;
                        ApplyBounds(b.Left, b.Top, b.Width(), b.Height());
                    }
                } else {
                    bounds_ = Bounds();
                }
                // A window centred while hidden was centred by the size it had then, which may
                // lack its frame (a window shown again is framed anew): centre it again now
                // that the frame is there.
                if (centrePending_ && !m.isNull()) {
                    centrePending_ = false;
                    const QSize c = w->size().grownBy(m);
                    const int l = centreArea_.Left + (centreArea_.Width() - c.width()) / 2;
                    const int t = centreArea_.Top + (centreArea_.Height() - c.height()) / 2;
                    if (l != Bounds().Left || t != Bounds().Top) MoveTo(l, t);
                }
            }
            break;
        default:
            break;
        }
    }
    return TControlImpl::eventFilter(obj, ev);
}

bool TFormImpl::Showing() const {
    return Widget() && Widget()->isVisible();
}

bool TFormImpl::IsActiveWindow() const {
    return Widget() && Widget()->isActiveWindow();
}

TWindowState TFormImpl::WindowState() const {
    const Qt::WindowStates s = Widget()->windowState();
    if (s & Qt::WindowMinimized) return wsMinimized;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return wsMaximized;
    return wsNormal;
}

void TFormImpl::ApplyWindowState(TWindowState s) {
    QWidget* w = Widget();
    Qt::WindowStates q =
        w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (s == wsMinimized) q |= Qt::WindowMinimized;
    if (s == wsMaximized) q |= Qt::WindowMaximized;
    w->setWindowState(q);
}

void TFormImpl::ApplyOpacity(double opacity) {
    Widget()->setWindowOpacity(opacity);
}

void TFormImpl::ApplyMinimumSize(int w, int h) {
    Widget()->setMinimumSize(w, h);
}

TControl* TFormImpl::FocusedControl() const {
    if (!QCoreApplication::instance()) return nullptr;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != Widget()) return nullptr;
    return ControlOfWidget(focus);
}

void TFormImpl::RememberActiveControl(TWinControl* c) {
    activeControl_ = c;
    activeControlWidget_ = c && c->Impl() ? c->Impl()->Widget() : nullptr;
}

TWinControl* TFormImpl::RememberedActiveControl() const {
    return activeControlWidget_ ? activeControl_ : nullptr;
}

void TFormImpl::ApplyModal(bool modal) {
    Widget()->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
}

void TFormImpl::BeginModalLoop() {
    modalLoop_ = std::make_unique<QEventLoop>();
}

void TFormImpl::RunModalLoop() {
    if (modalLoop_) modalLoop_->exec();
}

void TFormImpl::ExitModalLoop() {
    if (modalLoop_) modalLoop_->exit(0);
}

void TFormImpl::EndModalLoop() {
    modalLoop_.reset();
}

void TFormImpl::FreeLater() {
    QPointer<QWidget> alive = Widget();
    TForm* form = form_;
    ws::CallLater([form, alive] {
        if (alive) delete form;
    });
}
