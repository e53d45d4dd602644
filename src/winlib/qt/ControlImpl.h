// The Qt side of a control: each TControl's TWSControl is a TControlImpl, which owns the widget,
// keeps the control's bounds and reports the widget's events to the control.
#pragma once

#include "winlib/Controls.h"
#include "winlib/widgetset/WSControls.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QSignalBlocker>
#include <QSize>
#include <QString>
#include <QWidget>

class QMouseEvent;
class QKeyEvent;

QString ToQString(const AnsiString& s);
AnsiString FromQString(const QString& s);
// System colours are resolved; clNone and clDefault become an invalid colour.
QColor ToQColor(TColor c);
QFont ToQFont(const TFont& f);

// Event filter and state of one control. Subclasses set up the widget and override the hooks;
// the forms code subclasses it for top-level windows (geometry hooks).
class TControlImpl : public QObject, public TWSControl {
  public:
    TControlImpl(TControl* control, QWidget* widget);
    ~TControlImpl() override;

    QWidget* Widget() const { return widget_; }
    // The widget the children's widgets live in (a scroll box's content, a page's area).
    virtual QWidget* ClientWidget() const { return widget_; }
    // Offset of the client coordinates inside ClientWidget (a scrolled box reports its scroll).
    virtual QPoint ChildOffset() const { return QPoint(0, 0); }

    // Geometry in the parent's client coordinates.
    TRect Bounds() const override;
    void ApplyBounds(int l, int t, int w, int h) override;
    virtual QSize ClientSize() const;
    int ClientWidth() const final { return ClientSize().width(); }
    int ClientHeight() const final { return ClientSize().height(); }
    void SetClientSize(int w, int h) override;
    TRect AlignRect() const override;
    TPoint ClientToScreen(TPoint p) const override;
    TPoint ScreenToClient(TPoint p) const override;

    void ApplyVisible(bool v) override;
    void ApplyCaption(const AnsiString& c) override;
    void ApplyColor(TColor c) override;
    void ApplyFont(const TFont& f) override;
    void ApplyEnabled(bool e) override;
    void PlaceIn(TWSControl* Parent) override;

    void Invalidate() override;
    void Repaint() override;
    void BringToFront() override;
    void TakeFocus() override;
    bool HasFocus() const override;
    void DropFocusQuietly() override;

    // Runs Write with the signals of Source blocked and programWrites raised, so nothing it changes
    // in the widget is reported as the user's doing.
    template <class F> void WriteQuietly(QObject* Source, F&& Write) {
        ++programWrites;
        {
            QSignalBlocker block(Source);
            Write();
        }
        --programWrites;
    }

    // Watches another widget (an inner viewport) for the same events as the main one.
    void Watch(QWidget* w);
    bool eventFilter(QObject* obj, QEvent* ev) override;

  protected:
    // Turns a key press into OnKeyPress. Returns true when the key was consumed.
    virtual bool KeyPressed(QKeyEvent* ev);
    // The OnKeyPress handler replaced the key with another one; true when that one was typed here.
    virtual bool ReplaceKey(char) { return false; }

  private:
    void MouseEvent(QWidget* from, QMouseEvent* ev, QEvent::Type type);
    QPointer<QWidget> widget_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool pressedInside_ = false;
};

// Translates Qt mouse buttons and keyboard modifiers into the layer's shift state.
TShiftState ShiftStateOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons);
// The character a control key types: Return or Enter 13, Escape 27, Backspace 8; 0 for any other.
char ControlKeyChar(int QtKey);
// The first control found from w upwards through the widget tree, or null.
TControl* ControlOfWidget(QWidget* w);
