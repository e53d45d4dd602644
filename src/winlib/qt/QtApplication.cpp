// The Qt side of the application: the toolkit's application object, its message loop, the
// program's icon and the end signals of the desktop session.
#include "AppImpl.h"
#include "ImageListImpl.h"
#include "JapaneseTexts.h"

#include <QApplication>
#include <QPixmap>
#include <QSocketNotifier>
#include <QWidget>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// QApplication keeps a reference to argc for its whole life.
int toolkitArgc = 0;
std::vector<char*> toolkitArgv;
std::vector<std::string> toolkitArgStore;

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
// Set by the signal handler itself, so that work which keeps the loop from reading the pipe
// (a print job) sees the end at once.
volatile std::sig_atomic_t endPending = 0;

void OnEndSignal(int sig) {
    endPending = 1;
    // A second signal of the kind, while the first is being handled, ends the program at once.
    std::signal(sig, SIG_DFL);
    const char c = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(endSignalPipe[1], &c, 1);
}

// The end is pending from now until End has run: at once, or, while a job holds the calls
// that would run a form's handlers, once the job is over.
void EndSession(const std::function<void()>& End) {
    endPending = 1;
    ws::RunUnlessHeld([End] {
        End();
        endPending = 0;
    });
}

// Every application object, the program's or a test's, speaks Japanese from its start.
void InstallTextsAtStart() {
    winlib::InstallJapaneseTexts();
}
Q_COREAPP_STARTUP_FUNCTION(InstallTextsAtStart)

} // namespace

namespace ws {

void EnsureToolkit() {
    if (QCoreApplication::instance()) return;
    std::vector<AnsiString> args;
    for (int i = 0; i <= Application->ParamCount(); ++i)
        args.push_back(Application->ParamStr(i));
    CreateToolkit(args);
}

void StartToolkit(const std::vector<AnsiString>& Args) {
    CreateToolkit(Args);
    if (QCoreApplication::instance()) QApplication::setQuitOnLastWindowClosed(false);
}

bool ToolkitStarted() {
    return QCoreApplication::instance() != nullptr;
}

void WatchEndOfSession(std::function<void()> End) {
    if (!QCoreApplication::instance() || endSignalPipe[0] >= 0) return;
    if (::pipe2(endSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(endSignalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [End] {
        char buf[16];
        while (::read(endSignalPipe[0], buf, sizeof buf) > 0) {
        }
        EndSession(End);
    });
    struct sigaction sa {};
    sa.sa_handler = OnEndSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        sigaction(sig, &sa, nullptr);
#if QT_CONFIG(sessionmanager)
    // The desktop asks the program to save its work before the session ends. The answer goes
    // back once this returns, so a job running now must not wait for it: it sees the end pending
    // and stops at its next sheet, and the window closes once the job is over.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [End](QSessionManager&) { EndSession(End); });
#endif
}

bool EndOfSessionPending() {
    return endPending != 0;
}

void SetApplicationIcon(const std::vector<TBitmap*>& Sizes, TColor MaskColor) {
    EnsureToolkit();
    QIcon icon;
    for (TBitmap* b : Sizes)
        if (b && !b->Empty()) icon.addPixmap(QPixmap::fromImage(MaskedImage(*b, MaskColor)));
    QApplication::setWindowIcon(icon);
}

void RunMainLoop() {
    QApplication::exec();
}

void QuitMainLoop() {
    QCoreApplication::exit(0);
}

void ProcessEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

} // namespace ws

namespace winlib {

QWidget* DialogParent() {
    if (QWidget* w = QApplication::activeWindow()) return w;
    if (Application && Application->MainForm()) return FormWidget(Application->MainForm());
    return nullptr;
}

} // namespace winlib
