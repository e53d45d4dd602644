// The Qt side shared by every control: geometry, visual state and event translation.
#include "ControlImpl.h"

#include "winlib/Forms.h"
#include "winlib/StatusBarHint.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QVariant>

namespace {
const char* const kControlProperty = "winlibControl";

TMouseButton ButtonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

// The long part of a hint ("short|long"), which is what the status bar shows.
AnsiString LongHint(const AnsiString& h) {
    auto bar = h.find('|');
    return bar == AnsiString::npos ? h : h.substr(bar + 1);
}

// The hint of the control or of its nearest parent that has one.
AnsiString HintFor(TControl* c) {
    for (; c; c = c->Parent())
        if (!c->Hint().empty()) return c->Hint();
    return AnsiString();
}
} // namespace

QString ToQString(const AnsiString& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

AnsiString FromQString(const QString& s) {
    return s.toUtf8().toStdString();
}

QColor ToQColor(TColor c) {
    if (c == clNone || c == clDefault) return QColor();
    TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QFont ToQFont(const TFont& f) {
    QFont q(ToQString(f.Name()));
    q.setStyleHint(QFont::SansSerif);
    // A negative height is the em height; a positive one the cell, of which the em is about 80%.
    int px = f.Height() < 0 ? -f.Height() : (f.Height() * 4 + 2) / 5;
    if (px > 0) q.setPixelSize(px);
    q.setBold(f.Style() & fsBold);
    q.setItalic(f.Style() & fsItalic);
    q.setUnderline(f.Style() & fsUnderline);
    q.setStrikeOut(f.Style() & fsStrikeOut);
    return q;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

TControl* ControlOfWidget(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        QVariant v = w->property(kControlProperty);
        if (v.isValid()) return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

TControlImpl::TControlImpl(TControl* control, QWidget* widget) : control_(control), widget_(widget) {
    widget->setProperty(kControlProperty, QVariant::fromValue<void*>(control));
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

TControlImpl::~TControlImpl() {
    if (enteredControl == this) enteredControl = nullptr;
    if (widget_) {
        widget_->removeEventFilter(this);
        delete widget_.data();
    }
}

// The one control of the application that has been entered and not yet left. Each enter is
// answered by exactly one exit, whichever way the focus came and went (a menu in between, a
// focus set by a handler while the window was inactive).
TControlImpl* TControlImpl::enteredControl = nullptr;

void TControlImpl::FocusEntered() {
    if (enteredControl == this) return;
    if (enteredControl) enteredControl->FocusLeft();
    enteredControl = this;
    if (auto* wc = dynamic_cast<TWinControl*>(control_)) RunGuarded([&] { Fire(wc->OnEnter, wc); });
}

void TControlImpl::FocusLeft() {
    if (enteredControl != this) return;
    enteredControl = nullptr;
    if (auto* wc = dynamic_cast<TWinControl*>(control_)) RunGuarded([&] { Fire(wc->OnExit, wc); });
}

void TControlImpl::Watch(QWidget* w) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

TRect TControlImpl::Bounds() const {
    QPoint off = control_->Parent() && control_->Parent()->Impl() ? control_->Parent()->Impl()->ChildOffset()
                                                                  : QPoint(0, 0);
    return TRect(left_ - off.x(), top_ - off.y(), left_ - off.x() + width_, top_ - off.y() + height_);
}

void TControlImpl::ApplyBounds(int l, int t, int w, int h) {
    QPoint off = control_->Parent() && control_->Parent()->Impl() ? control_->Parent()->Impl()->ChildOffset()
                                                                  : QPoint(0, 0);
    left_ = l + off.x();
    top_ = t + off.y();
    width_ = w;
    height_ = h;
    if (widget_) widget_->setGeometry(left_, top_, width_, height_);
}

QSize TControlImpl::ClientSize() const {
    return QSize(width_, height_);
}

void TControlImpl::SetClientSize(int w, int h) {
    TRect b = Bounds();
    control_->SetBounds(b.Left, b.Top, w, h);
}

TRect TControlImpl::AlignRect() const {
    QSize s = ClientSize();
    return TRect(0, 0, s.width(), s.height());
}

void TControlImpl::ApplyVisible(bool v) {
    if (!widget_) return;
    // A control without a parent is not a window of its own: it stays hidden until parented.
    if (widget_->parentWidget())
        widget_->setVisible(v);
    else
        widget_->hide();
}

void TControlImpl::ApplyCaption(const AnsiString&) {}

void TControlImpl::ApplyColor(TColor c) {
    if (!widget_) return;
    QColor q = ToQColor(c);
    if (!q.isValid()) {
        widget_->setAutoFillBackground(false);
        return;
    }
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Window, q);
    widget_->setPalette(pal);
    widget_->setAutoFillBackground(true);
}

void TControlImpl::ApplyFont(const TFont& f) {
    if (!widget_) return;
    widget_->setFont(ToQFont(f));
    QColor fc = ToQColor(f.Color());
    if (fc.isValid()) {
        QPalette pal = widget_->palette();
        pal.setColor(QPalette::WindowText, fc);
        pal.setColor(QPalette::Text, fc);
        pal.setColor(QPalette::ButtonText, fc);
        widget_->setPalette(pal);
    }
}

void TControlImpl::ApplyEnabled(bool e) {
    if (widget_) widget_->setEnabled(e);
}

void TControlImpl::SizeMaybeChanged(bool byUser) {
    QSize now = ClientSize();
    if (now == knownSize_) return;
    knownSize_ = now;
    auto* wc = dynamic_cast<TWinControl*>(control_);
    if (!wc) return;
    wc->Realign();
    if (byUser)
        RunGuarded([&] { Fire(wc->OnResize, wc); });
    else
        Fire(wc->OnResize, wc);
}

void TControlImpl::MouseEvent(QWidget* from, QMouseEvent* ev, QEvent::Type type) {
    QPoint p = from == widget_ ? ev->position().toPoint() : from->mapTo(widget_, ev->position().toPoint());
    TShiftState shift = ShiftStateOf(ev->modifiers(), ev->buttons());
    TMouseButton button = ButtonOf(ev->button());
    TControl* c = control_;
    switch (type) {
    case QEvent::MouseButtonPress:
        if (ev->button() == Qt::LeftButton) pressedInside_ = true;
        RunGuarded([&] {
            if (c->OnMouseDown) TMouseEvent(c->OnMouseDown)(c, button, shift, p.x(), p.y());
        });
        break;
    case QEvent::MouseButtonDblClick:
        RunGuarded([&] {
            Fire(c->OnDblClick, c);
            if (c->OnMouseDown) TMouseEvent(c->OnMouseDown)(c, button, shift | ssDouble, p.x(), p.y());
        });
        break;
    case QEvent::MouseButtonRelease: {
        bool click = ev->button() == Qt::LeftButton && pressedInside_ && widget_->rect().contains(p);
        if (ev->button() == Qt::LeftButton) pressedInside_ = false;
        RunGuarded([&] {
            if (click && genericClick) Fire(c->OnClick, c);
            if (c->OnMouseUp) TMouseEvent(c->OnMouseUp)(c, button, shift, p.x(), p.y());
        });
        break;
    }
    default:
        RunGuarded([&] {
            if (c->OnMouseMove) TMouseMoveEvent(c->OnMouseMove)(c, shift, p.x(), p.y());
        });
        break;
    }
}

bool TControlImpl::KeyPressed(QKeyEvent* ev) {
    auto* wc = dynamic_cast<TWinControl*>(control_);
    if (!wc || !wc->OnKeyPress) return false;
    char key = 0;
    switch (ev->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = 13;
        break;
    case Qt::Key_Escape:
        key = 27;
        break;
    case Qt::Key_Backspace:
        key = 8;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default: {
        QString t = ev->text();
        if (t.size() != 1 || t[0].unicode() >= 128) return false;
        key = static_cast<char>(t[0].unicode());
    }
    }
    if (key == 0) return false;
    char k = key;
    RunGuarded([&] { TKeyPressEvent(wc->OnKeyPress)(wc, k); });
    if (k == 0) return true;
    return k != key && ReplaceKey(k);
}

bool TControlImpl::eventFilter(QObject* obj, QEvent* ev) {
    auto* from = qobject_cast<QWidget*>(obj);
    if (!from) return false;
    switch (ev->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        // Qt passes a mouse event a child left unused on to the parent; it is the child's alone.
        auto* me = static_cast<QMouseEvent*>(ev);
        QWidget* hit = from->childAt(me->position().toPoint());
        if (hit && ControlOfWidget(hit) != control_) break;
        MouseEvent(from, me, ev->type());
        break;
    }
    case QEvent::Enter:
        if (from == widget_) {
            if (Application) {
                // A change of the hint goes to the auto-hint status bars when no OnHint handler
                // takes it; entering a control that changes nothing keeps what they show.
                AnsiString h = LongHint(HintFor(control_));
                if (h != Application->Hint()) {
                    RunGuarded([&] { Application->SetHint(h); });
                    if (!Application->OnHint) ShowHintInStatusBars(h);
                }
            }
            RunGuarded([&] { Fire(control_->OnMouseEnter, control_); });
        }
        break;
    case QEvent::Leave:
        if (from == widget_) RunGuarded([&] { Fire(control_->OnMouseLeave, control_); });
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        if (from != widget_) break;
        // A menu opening over the window and closing again does not move the focus. A window
        // shown, activated, deactivated or hidden does: its focused control is entered or left.
        if (static_cast<QFocusEvent*>(ev)->reason() == Qt::PopupFocusReason) break;
        if (ev->type() == QEvent::FocusIn)
            FocusEntered();
        else
            FocusLeft();
        break;
    }
    case QEvent::KeyPress:
        if (KeyPressed(static_cast<QKeyEvent*>(ev))) return true;
        break;
    case QEvent::Resize:
        if (from == widget_ || from == ClientWidget()) SizeMaybeChanged(true);
        break;
    default:
        break;
    }
    return false;
}
