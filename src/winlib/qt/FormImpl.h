// Internal to the layer: the Qt side of a form. A form is a top-level window whose client area
// is an inner widget, inset by the border width; the children's widgets live in the client.
#pragma once

#include "ControlImpl.h"
#include "winlib/Forms.h"
#include "winlib/widgetset/WSForms.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>

#include <memory>

class TFormImpl : public TControlImpl, public TWSForm {
  public:
    TFormImpl(TForm* form, QWidget* window);

    TForm* Form() const { return form_; }
    QWidget* ClientWidget() const override { return client_; }

    // Bounds are those of the frame on the screen; the client is what is left inside the frame
    // and the border width.
    TRect Bounds() const override;
    void ApplyBounds(int l, int t, int w, int h) override;
    QSize ClientSize() const override;
    void SetClientSize(int w, int h) override;
    void ApplyVisible(bool v) override;
    void ApplyCaption(const AnsiString& c) override;

    bool Showing() const override;
    bool IsActiveWindow() const override;
    TWindowState WindowState() const override;
    void ApplyWindowState(TWindowState s) override;
    TRect NormalBounds() const override;
    void ApplyBorderWidth(int w) override;
    void ApplyWindowStyle(TFormBorderStyle border, TFormStyle style) override;
    void ApplyOpacity(double opacity) override;
    void ApplyMinimumSize(int w, int h) override;
    void CenterOn(const TRect& area) override;
    TControl* FocusedControl() const override;
    void RememberActiveControl(TWinControl* c) override;
    TWinControl* RememberedActiveControl() const override;
    void ApplyModal(bool modal) override;
    void BeginModalLoop() override;
    void RunModalLoop() override;
    void ExitModalLoop() override;
    void EndModalLoop() override;
    void FreeLater() override;

    // Moves the frame's corner to (l, t) without touching the size.
    void MoveTo(int l, int t);

    bool eventFilter(QObject* obj, QEvent* ev) override;

  private:
    // Return and Escape that no control took go to the form's dialog keys.
    bool DialogKey(QKeyEvent* ev);
    QMargins FrameMargins() const;
    void LayoutClient();
    void ResizeWindow(int w, int h);
    TForm* form_;
    QWidget* client_;
    int borderWidth_ = 0;
    TRect bounds_; // the frame bounds asked for or last seen in the normal state
    // Until the window manager has framed the window the frame's size is unknown; the size asked
    // for is applied again once it is known, as a frame size or as a client size.
    bool framePending_ = true;
    bool clientSizeWanted_ = false;
    bool applyingClientSize_ = false;
    QSize wantedClient_;
    // A border that cannot be dragged: the window keeps the size the program gives it.
    bool fixedSize_ = false;
    // Centring asked for before the frame was known.
    bool centrePending_ = false;
    TRect centreArea_;
    // The nested loop of ShowModal, from its start to its end.
    std::unique_ptr<QEventLoop> modalLoop_;
    TWinControl* activeControl_ = nullptr;
    QPointer<QWidget> activeControlWidget_;
};
