// Calls run from the message loop after the current event, and the hold that long work puts on
// them: while a print job lets waiting events through between its sheets, nothing that runs a
// form's handlers from outside (a deferred box, a close, a form freed later) may run inside it.
#include "winlib/widgetset/WSDialogs.h"
#include "winlib/widgetset/WSForms.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <vector>

namespace {

int holdDepth = 0;
std::vector<std::function<void()>> heldCalls;

void Post(std::function<void()> Call) {
    // A call posted before the hold began and reached while it lasts waits like the others.
    QMetaObject::invokeMethod(
        qApp,
        [Call = std::move(Call)]() mutable {
            if (holdDepth > 0)
                heldCalls.push_back(std::move(Call));
            else
                Call();
        },
        Qt::QueuedConnection);
}

} // namespace

namespace ws {

void CallLater(std::function<void()> Call) {
    if (holdDepth > 0)
        heldCalls.push_back(std::move(Call));
    else
        Post(std::move(Call));
}

void RunUnlessHeld(std::function<void()> Call) {
    if (holdDepth > 0)
        heldCalls.push_back(std::move(Call));
    else
        Call();
}

void HoldCalls() {
    ++holdDepth;
}

void ReleaseCalls() {
    if (holdDepth == 0 || --holdDepth > 0) return;
    // In the order they came, from the message loop once the work's handler has returned.
    std::vector<std::function<void()>> calls;
    calls.swap(heldCalls);
    for (auto& c : calls)
        Post(std::move(c));
}

void ProcessEventsExceptInput() {
    // Keys and clicks wait in the toolkit's queue for the message loop; nothing is lost.
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace ws
