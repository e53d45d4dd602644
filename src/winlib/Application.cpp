// The application object: the message loop, form ownership, program arguments, the exception
// box and the application hint.
#include "Forms.h"

#include "DialogScript.h"
#include "MessageBoxImpl.h"
#include "StatusBarHint.h"
#include "SysUtils.h"
#include "widgetset/WSForms.h"

#include <algorithm>
#include <climits>
#include <unistd.h>

// Created on first reference of this unit and never destroyed: the forms must be gone before
// the toolkit is, which static destruction order cannot promise. Run destroys the forms itself.
TApplication* Application = new TApplication();

namespace {

AnsiString ProgramFile() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    return AnsiString(buf, static_cast<size_t>(n));
}

} // namespace

void HandleEscapedException() {
    Application->HandleException();
}

TApplication::TApplication() : TComponent(nullptr) {
    params_.push_back(ProgramFile());
}

TApplication::~TApplication() {
    DestroyForms();
}

void TApplication::Initialize(int argc, char** argv) {
    params_.clear();
    for (int i = 0; i < argc && argv && argv[i]; ++i)
        params_.push_back(argv[i]);
    // The program file is the executable itself, whatever name it was started by.
    AnsiString exe = ProgramFile();
    if (params_.empty())
        params_.push_back(exe);
    else if (!exe.empty())
        params_[0] = exe;
    std::vector<AnsiString> args;
    for (int i = 0; i < argc && argv && argv[i]; ++i)
        args.push_back(argv[i]);
    ws::StartToolkit(args);
    CloseOnEndOfSession();
}

void TApplication::CloseOnEndOfSession() {
    ws::WatchEndOfSession([this] { CloseMainForm(); });
}

void TApplication::CloseMainForm() {
    // A second end (a signal after the session's end) finds the program closing already.
    if (terminated_) return;
    if (mainForm_)
        RunGuarded([this] { mainForm_->Close(); });
    else
        Terminate();
}

bool TApplication::EndRequested() const {
    return ws::EndOfSessionPending();
}

bool TApplication::Initialized() const {
    return ws::ToolkitStarted();
}

void TApplication::SetTitle(const AnsiString& t) {
    title_ = t;
}

void TApplication::SetIcon(const std::vector<TBitmap*>& Sizes, TColor MaskColor) {
    ws::SetApplicationIcon(Sizes, MaskColor);
}

void TApplication::Run() {
    ws::EnsureToolkit();
    if (mainForm_) {
        try {
            mainForm_->Show();
        } catch (...) {
            HandleException();
        }
    }
    if (terminated_) {
        // Asked to end while the forms were created: the loop turns once and ends.
        ProcessMessages();
    } else {
        running_ = true;
        ws::RunMainLoop();
        running_ = false;
    }
    DestroyForms();
}

void TApplication::Terminate() {
    terminated_ = true;
    // Ends the main loop and any modal loop nested in it. Outside the main loop only the modal
    // loops are told: an exit asked of a loop that is not running would end the next one early.
    if (running_)
        ws::QuitMainLoop();
    else
        TForm::EndModalLoops();
}

void TApplication::ProcessMessages() {
    ws::ProcessEvents();
}

void TApplication::ProcessNonInputMessages() {
    ws::ProcessEventsExceptInput();
}

TLongWork::TLongWork() {
    ws::HoldCalls();
}

TLongWork::~TLongWork() {
    ws::ReleaseCalls();
}

void TApplication::DestroyForms() {
    while (!forms_.empty()) {
        TForm* f = forms_.back();
        forms_.pop_back();
        if (f == mainForm_) mainForm_ = nullptr;
        delete f;
    }
    mainForm_ = nullptr;
}

void TApplication::FormDestroyed(TForm* f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
    if (mainForm_ == f) mainForm_ = nullptr;
}

AnsiString TApplication::ParamStr(int i) const {
    if (i < 0 || i >= static_cast<int>(params_.size())) return "";
    return params_[static_cast<size_t>(i)];
}

void TApplication::ShowException(const std::exception& E) {
    const auto* own = dynamic_cast<const Exception*>(&E);
    winlib::ShowExceptionBox(title_, own ? own->Message : AnsiString(E.what()));
}

void TApplication::HandleException() {
    if (!std::current_exception()) return;
    try {
        throw;
    } catch (const EAbort&) {
        // The silent exception: it ends the handler and shows nothing.
    } catch (const EDialogScript&) {
        // A test script that does not fit the program must stop the test, not become a box.
        throw;
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception(""));
    }
}

void TApplication::SetHint(const AnsiString& h) {
    if (h == hint_) return;
    hint_ = h;
    // Whatever set it (a control the pointer entered, a menu item being highlighted), the hint
    // reaches the user the same way.
    if (OnHint)
        OnHint(this);
    else
        ShowHintInStatusBars(h);
}
