// The Qt side shared by every control: geometry, visual state and event translation.
#include "ControlImpl.h"

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

char ControlKeyChar(int QtKey) {
    switch (QtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        return 0;
    }
}

TControl* ControlOfWidget(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        QVariant v = w->property(kControlProperty);
        if (v.isValid()) return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

TControlImpl* TControl::Impl() const {
    // Every control's window on this toolkit is a TControlImpl.
    return static_cast<TControlImpl*>(impl_.get());
}

TControlImpl::TControlImpl(TControl* control, QWidget* widget) : TWSControl(control), widget_(widget) {
    widget->setProperty(kControlProperty, QVariant::fromValue<void*>(control));
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

TControlImpl::~TControlImpl() {
    if (widget_) {
        widget_->removeEventFilter(this);
        delete widget_.data();
    }
}

void TControlImpl::Watch(QWidget* w) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

TRect TControlImpl::Bounds() const {
    QPoint off = Control()->Parent() && Control()->Parent()->Impl()
                     ? Control()->Parent()->Impl()->ChildOffset()
                     : QPoint(0, 0);
    return TRect(left_ - off.x(), top_ - off.y(), left_ - off.x() + width_, top_ - off.y() + height_);
}

void TControlImpl::ApplyBounds(int l, int t, int w, int h) {
    QPoint off = Control()->Parent() && Control()->Parent()->Impl()
                     ? Control()->Parent()->Impl()->ChildOffset()
                     : QPoint(0, 0);
    left_ = l + off.x();
    top_ = t + off.y();
    width_ = w;
    height_ = h;
    if (widget_) widget_->setGeometry(left_, top_, width_, height_);
}

TPoint TControlImpl::ClientToScreen(TPoint p) const {
    if (!ClientWidget()) return p;
    QPoint q = ClientWidget()->mapToGlobal(QPoint(p.x, p.y) + ChildOffset());
    return TPoint(q.x(), q.y());
}

TPoint TControlImpl::ScreenToClient(TPoint p) const {
    if (!ClientWidget()) return p;
    QPoint q = ClientWidget()->mapFromGlobal(QPoint(p.x, p.y)) - ChildOffset();
    return TPoint(q.x(), q.y());
}

QSize TControlImpl::ClientSize() const {
    return QSize(width_, height_);
}

void TControlImpl::SetClientSize(int w, int h) {
    TRect b = Bounds();
    Control()->SetBounds(b.Left, b.Top, w, h);
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

void TControlImpl::PlaceIn(TWSControl* Parent) {
    if (!widget_) return;
    auto* parent = static_cast<TControlImpl*>(Parent);
    widget_->setParent(parent ? parent->ClientWidget() : nullptr);
}

void TControlImpl::Invalidate() {
    if (widget_) widget_->update();
}

void TControlImpl::Repaint() {
    if (widget_) widget_->repaint();
}

void TControlImpl::BringToFront() {
    if (widget_) widget_->raise();
}

void TControlImpl::TakeFocus() {
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

bool TControlImpl::HasFocus() const {
    return widget_ && widget_->hasFocus();
}

void TControlImpl::DropFocusQuietly() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !widget_ || !widget_->isAncestorOf(focus)) return;
    TControl* c = ControlOfWidget(focus);
    if (c) focus->removeEventFilter(c->Impl());
    focus->clearFocus();
    if (c) focus->installEventFilter(c->Impl());
}

void TControlImpl::MouseEvent(QWidget* from, QMouseEvent* ev, QEvent::Type type) {
    QPoint p = from == widget_ ? ev->position().toPoint() : from->mapTo(widget_, ev->position().toPoint());
    TShiftState shift = ShiftStateOf(ev->modifiers(), ev->buttons());
    TMouseButton button = ButtonOf(ev->button());
    TControl* c = Control();
    switch (type) {
    case QEvent::MouseButtonPress:
        if (ev->button() == Qt::LeftButton) pressedInside_ = true;
        wsevents::MouseDown(c, button, shift, p.x(), p.y());
        break;
    case QEvent::MouseButtonDblClick:
        wsevents::DoubleClick(c, button, shift, p.x(), p.y());
        break;
    case QEvent::MouseButtonRelease: {
        bool click = ev->button() == Qt::LeftButton && pressedInside_ && widget_->rect().contains(p);
        if (ev->button() == Qt::LeftButton) pressedInside_ = false;
        wsevents::MouseUp(c, button, shift, p.x(), p.y(), click && genericClick);
        break;
    }
    default:
        wsevents::MouseMove(c, shift, p.x(), p.y());
        break;
    }
}

bool TControlImpl::KeyPressed(QKeyEvent* ev) {
    auto* wc = dynamic_cast<TWinControl*>(Control());
    if (!wc || !wc->OnKeyPress) return false;
    if (ev->key() == Qt::Key_Tab || ev->key() == Qt::Key_Backtab) return false;
    char key = ControlKeyChar(ev->key());
    if (key == 0) {
        QString t = ev->text();
        if (t.size() != 1 || t[0].unicode() >= 128) return false;
        key = static_cast<char>(t[0].unicode());
    }
    if (key == 0) return false;
    char k = wsevents::KeyPress(wc, key);
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
        if (hit && ControlOfWidget(hit) != Control()) break;
        MouseEvent(from, me, ev->type());
        break;
    }
    case QEvent::Enter:
        if (from == widget_) wsevents::MouseEntered(Control());
        break;
    case QEvent::Leave:
        if (from == widget_) wsevents::MouseLeft(Control());
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        if (from != widget_) break;
        // A menu opening over the window and closing again does not move the focus. A window
        // shown, activated, deactivated or hidden does: its focused control is entered or left.
        if (static_cast<QFocusEvent*>(ev)->reason() == Qt::PopupFocusReason) break;
        if (ev->type() == QEvent::FocusIn)
            wsevents::FocusEntered(Control());
        else
            wsevents::FocusLeft(Control());
        break;
    }
    case QEvent::KeyPress:
        if (KeyPressed(static_cast<QKeyEvent*>(ev))) return true;
        break;
    case QEvent::Resize:
        if (from == widget_ || from == ClientWidget()) wsevents::ClientSizeMaybeChanged(Control(), true);
        break;
    default:
        break;
    }
    return false;
}
