// Internal to the layer: the Qt side of a control. Each TControl owns one TControlImpl, which
// owns the widget, keeps the control's bounds and flags, and turns the widget's events into the
// control's handlers. Qt types are allowed here and in the layer's .cpp files only.
#pragma once

#include "winlib/Controls.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QObject>
#include <QPointer>
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

// Copies the handler before running it, so a handler that reassigns its own event is safe.
inline void Fire(const TNotifyEvent& e, TObject* sender) {
    if (e) {
        TNotifyEvent copy = e;
        copy(sender);
    }
}

// Event filter and state of one control. Subclasses set up the widget and override the hooks;
// the forms code subclasses it for top-level windows (geometry hooks).
class TControlImpl : public QObject {
  public:
    TControlImpl(TControl* control, QWidget* widget);
    ~TControlImpl() override;

    TControl* Control() const { return control_; }
    QWidget* Widget() const { return widget_; }
    // The widget the children's widgets live in (a scroll box's content, a page's area).
    virtual QWidget* ClientWidget() const { return widget_; }
    // Offset of the client coordinates inside ClientWidget (a scrolled box reports its scroll).
    virtual QPoint ChildOffset() const { return QPoint(0, 0); }

    // Geometry in the parent's client coordinates.
    virtual TRect Bounds() const;
    virtual void ApplyBounds(int l, int t, int w, int h);
    virtual QSize ClientSize() const;
    virtual void SetClientSize(int w, int h);
    // The rectangle aligned children share (inside borders and captions).
    virtual TRect AlignRect() const;

    // Visual state follows the control's properties.
    virtual void ApplyVisible(bool v);
    virtual void ApplyCaption(const AnsiString& c);
    virtual void ApplyColor(TColor c);
    virtual void ApplyFont(const TFont& f);
    virtual void ApplyEnabled(bool e);
    // A child was added, removed, moved, resized, shown or hidden.
    virtual void ChildChanged(TControl*) {}

    bool enabled = true;
    // Controls whose widget has no click of its own run OnClick from a press and release inside.
    bool genericClick = false;
    // Set while the program writes a value into the widget; the widget's signals are ignored.
    int programWrites = 0;
    // Set while Realign places the children, so their bounds changes do not realign again.
    int aligning = 0;

    // Watches another widget (an inner viewport) for the same events as the main one.
    void Watch(QWidget* w);
    bool eventFilter(QObject* obj, QEvent* ev) override;

  protected:
    // Turns a key press into OnKeyPress. Returns true when the key was consumed.
    virtual bool KeyPressed(QKeyEvent* ev);
    // The OnKeyPress handler replaced the key with another one; true when that one was typed here.
    virtual bool ReplaceKey(char) { return false; }
    // The client size the layout last saw; a real change realigns the children and runs OnResize.
    QSize knownSize_;
    friend class TControl;

  private:
    void MouseEvent(QWidget* from, QMouseEvent* ev, QEvent::Type type);
    void SizeMaybeChanged(bool byUser);
    TControl* control_;
    QPointer<QWidget> widget_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool pressedInside_ = false;
    // Focus moves turned into OnEnter and OnExit.
    void FocusEntered();
    void FocusLeft();
    static TControlImpl* enteredControl;
};

// Translates Qt mouse buttons and keyboard modifiers into the layer's shift state.
TShiftState ShiftStateOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons);
// The first control found from w upwards through the widget tree, or null.
TControl* ControlOfWidget(QWidget* w);
