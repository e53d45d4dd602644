// The application object: toolkit set-up, the message loop, form ownership, program arguments,
// the exception box and the application hint.
#include "winlib/AppImpl.h"
#include "winlib/DialogScript.h"
#include "FormImpl.h"
#include "ImageListImpl.h"
#include "winlib/MessageBoxImpl.h"
#include "winlib/SysUtils.h"

#include <QApplication>
#include <QPixmap>
#include <QSocketNotifier>
#include <QWidget>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include <algorithm>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

// Created on first reference of this unit and never destroyed: the forms must be gone before
// the toolkit is, which static destruction order cannot promise. Run destroys the forms itself.
TApplication* Application = new TApplication();

namespace {

// QApplication keeps a reference to argc for its whole life.
int toolkitArgc = 0;
std::vector<char*> toolkitArgv;
std::vector<std::string> toolkitArgStore;

AnsiString ProgramFile() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    return AnsiString(buf, static_cast<size_t>(n));
}

void CreateToolkit(const std::vector<AnsiString>& args) {
    if (QCoreApplication::instance()) return;
    toolkitArgStore.assign(args.begin(), args.end());
    if (toolkitArgStore.empty()) toolkitArgStore.push_back("ruliform");
    toolkitArgv.clear();
    for (std::string& s : toolkitArgStore)
        toolkitArgv.push_back(s.data());
    toolkitArgv.push_back(nullptr);
    toolkitArgc = static_cast<int>(toolkitArgStore.size());
    new QApplication(toolkitArgc, toolkitArgv.data());
    // Secondary windows live until the end; only closing the main form ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

// The end signals reach the message loop through a pipe: a signal handler may only write.
int endSignalPipe[2] = {-1, -1};

void OnEndSignal(int sig) {
    // A second signal of the kind, while the first is being handled, ends the program at once.
    std::signal(sig, SIG_DFL);
    const char c = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(endSignalPipe[1], &c, 1);
}

} // namespace

namespace winlib {

void EnsureToolkit() {
    if (QCoreApplication::instance()) return;
    std::vector<AnsiString> args;
    for (int i = 0; i <= Application->ParamCount(); ++i)
        args.push_back(Application->ParamStr(i));
    CreateToolkit(args);
}

QWidget* DialogParent() {
    if (QWidget* w = QApplication::activeWindow()) return w;
    if (Application && Application->MainForm()) return FormWidget(Application->MainForm());
    return nullptr;
}

} // namespace winlib

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
    CreateToolkit(args);
    if (QCoreApplication::instance()) QApplication::setQuitOnLastWindowClosed(false);
    CloseOnEndOfSession();
}

void TApplication::CloseOnEndOfSession() {
    if (!QCoreApplication::instance() || endSignalPipe[0] >= 0) return;
    if (::pipe2(endSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(endSignalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [this] {
        char buf[16];
        while (::read(endSignalPipe[0], buf, sizeof buf) > 0) {
        }
        CloseMainForm();
    });
    struct sigaction sa {};
    sa.sa_handler = OnEndSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        sigaction(sig, &sa, nullptr);
#if QT_CONFIG(sessionmanager)
    // The desktop asks the program to save its work before the session ends.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [this](QSessionManager&) { CloseMainForm(); });
#endif
}

void TApplication::CloseMainForm() {
    if (mainForm_)
        RunGuarded([this] { mainForm_->Close(); });
    else
        Terminate();
}

bool TApplication::Initialized() const {
    return QCoreApplication::instance() != nullptr;
}

void TApplication::SetTitle(const AnsiString& t) {
    title_ = t;
}

void TApplication::SetIcon(const std::vector<TBitmap*>& Sizes, TColor MaskColor) {
    winlib::EnsureToolkit();
    QIcon icon;
    for (TBitmap* b : Sizes)
        if (b && !b->Empty()) icon.addPixmap(QPixmap::fromImage(MaskedImage(*b, MaskColor)));
    QApplication::setWindowIcon(icon);
}

void TApplication::Run() {
    winlib::EnsureToolkit();
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
        QApplication::exec();
        running_ = false;
    }
    DestroyForms();
}

void TApplication::Terminate() {
    terminated_ = true;
    // Ends the main loop and any modal loop nested in it. Outside the main loop only the modal
    // loops are told: an exit asked of a loop that is not running would end the next one early.
    if (running_)
        QCoreApplication::exit(0);
    else
        winlib::EndModalLoops();
}

void TApplication::ProcessMessages() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
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
    if (OnHint) OnHint(this);
}
