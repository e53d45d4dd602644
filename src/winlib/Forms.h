// Windows, the application object and the screen.
#pragma once

#include "ExtCtrls.h"
#include "HandlerCall.h"
#include "Menus.h"
#include "UITypes.h"

#include <atomic>

class TWSForm;

enum TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

class TForm : public TWinControl {
  public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override; // runs OnDestroy (guarded) when the form was created

    TWindowState WindowState() const;
    void SetWindowState(TWindowState s);
    // The bounds the window has in the normal state, also while it is maximised.
    TRect NormalBounds() const;
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle b);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle f);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool a);
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int v);
    void SetMinimumSize(int w, int h); // Constraints
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* c);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* m) { menu_ = m; }
    void SetCaption(const AnsiString& c) override;
    void SetVisible(bool v) override;

    int ShowModal(); // runs a nested loop until ModalResult is set or the form closes
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r); // a non-zero result ends ShowModal
    void Close();               // runs OnClose; caHide hides, the main form's close ends the program
    bool Active() const;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;

    // Runs OnCreate under a guard: an exception is shown with the
    // application's exception box and the form goes on to exist. Application::CreateForm calls it.
    void DoCreate();
    // Runs OnDestroy once, guarded. The base destructor calls it, but by then a derived form's own
    // members are gone: a form whose destroy handler uses them calls this first in its destructor.
    void DoDestroy();

  private:
    friend class TApplication;
    // Ends every ShowModal loop that is running (the application is terminating).
    static void EndModalLoops();
    void PlaceOnShow(); // applies Position
    TFormBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDesigned;
    int borderWidth_ = 0;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 255;
    int modalResult_ = 0;
    bool inModalLoop_ = false; // from ShowModal's loop starting until it ends
    bool created_ = false;
    TMainMenu* menu_ = nullptr;
    TWSForm* window_ = nullptr; // the window side of the form's backend (owned with it)
};

class TApplication : public TComponent {
  public:
    TApplication();
    ~TApplication() override;
    // Creates the toolkit's application object; argv is kept for ParamStr. From then on SIGTERM,
    // SIGHUP, SIGINT and the desktop session's end close the main form as its close button does,
    // once the message loop runs.
    void Initialize(int argc, char** argv);
    bool Initialized() const;
    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& t);
    // The program's icon, given in several sizes; every window shows it. Pixels of MaskColor
    // are transparent.
    void SetIcon(const std::vector<TBitmap*>& Sizes, TColor MaskColor);
    bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
    void SetMainFormOnTaskBar(bool m) { mainFormOnTaskBar_ = m; }
    TForm* MainForm() const { return mainForm_; }

    // Creates a form owned by the application; the first one becomes the main form.
    template <class T> void CreateForm(T*& Reference) {
        Reference = new T(this);
        if (!mainForm_) mainForm_ = Reference;
        forms_.push_back(Reference);
        Reference->DoCreate();
    }
    // Shows the main form and runs the message loop until it closes, then destroys the forms.
    void Run();
    void Terminate(); // ends the loop; asked for before Run, it takes effect when Run starts
    bool Terminated() const { return terminated_; }
    // An end signal or the desktop session's end has come and waits for the message loop to
    // close the main form. Work that keeps the loop waiting (a print job) asks between its
    // steps and stops, so that the program ends, its settings saved, within moments.
    bool EndRequested() const;
    void ProcessMessages();
    // For long work inside a TLongWork scope, between its steps: handles the events waiting now
    // except the user's keys and clicks, so the windows are painted and an end of the session is
    // heard (EndRequested) while the work runs.
    void ProcessNonInputMessages();
    // Destroys the forms in reverse order of creation (their OnDestroy runs).
    void DestroyForms();

    int ParamCount() const { return static_cast<int>(params_.size()) - 1; }
    AnsiString ParamStr(int i) const; // 0 = the program file; "" beyond the last
    AnsiString ExeName() const { return ParamStr(0); }

    // The standard exception box: shows the message with the application's title.
    void ShowException(const std::exception& E);
    // Catches whatever the running handler threw and shows it; used by the layer around every
    // handler that a user's action runs.
    void HandleException();
    const AnsiString& Hint() const { return hint_; }
    // A new hint runs OnHint; without one, the status bars that show hints show it.
    void SetHint(const AnsiString& h);
    TNotifyEvent OnHint;

  private:
    friend class TForm;
    void FormDestroyed(TForm* f); // a form deleted by other means leaves the list
    void CloseOnEndOfSession();
    void CloseMainForm();
    AnsiString title_, hint_;
    bool mainFormOnTaskBar_ = true, terminated_ = false, running_ = false;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    std::vector<AnsiString> params_;
};

extern TApplication* Application;

// Long work that keeps the message loop waiting (a print job) lives inside one of these. While
// it lasts, whatever would run a form's handlers from outside the work (a close of a window, a
// deferred message box, a form freed later) waits, and runs from the message loop once the
// outermost scope has ended: the work's handler is never re-entered and its form never changes
// under it, though it lets events through.
class TLongWork {
  public:
    TLongWork();
    ~TLongWork();
    TLongWork(const TLongWork&) = delete;
    TLongWork& operator=(const TLongWork&) = delete;
};

class TScreen : public TComponent {
  public:
    TScreen() : TComponent(nullptr) {}
    int Width() const;
    int Height() const;
    // The work area (the screen less its panels and docks) of the screen that holds P, or of the
    // screen nearest to P when none does.
    TRect WorkAreaNear(TPoint P) const;
    int BitsPerPixel() const; // colour depth of the primary screen
    int RefreshRate() const;  // in Hz, rounded; 0 when the screen does not say
    int PixelsPerInch() const { return ScreenPixelsPerInchX(); }
    const TStringList& Fonts(); // installed font families, sorted
    TForm* ActiveForm() const;
    // The cursor shown over all the program's windows: crDefault lets each window show its own,
    // crHourGlass the busy cursor while long work holds the program. Readable from any thread.
    TCursor Cursor() const { return cursor_.load(); }
    void SetCursor(TCursor Cursor);

  private:
    TStringList fonts_;
    std::atomic<TCursor> cursor_{crDefault};
};

extern TScreen* Screen;

// Makes WorkAreaNear choose among these work areas, the first one the primary screen, until
// called with none.
void SetWorkAreasForTest(const std::vector<TRect>& Areas);

TPoint GetCursorPos();
void SetCursorPosForTest(TPoint p); // makes GetCursorPos answer p until cleared
void ClearCursorPosForTest();
