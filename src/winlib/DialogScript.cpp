#include "DialogScript.h"
#include "widgetset/WSDialogs.h"

#include <deque>

namespace {
std::deque<DialogAnswer>& Queue() {
    static std::deque<DialogAnswer> queue;
    return queue;
}

bool forcedHeadless = false;

bool NobodyCanAnswer() {
    return forcedHeadless || ws::ScreenlessPlatform();
}
} // namespace

void ScriptDialogAnswer(const DialogAnswer& Answer) {
    Queue().push_back(Answer);
}

int ScriptedAnswerCount() {
    return static_cast<int>(Queue().size());
}

void ClearScriptedAnswers() {
    Queue().clear();
}

const char* DialogKindName(DialogKind Kind) {
    switch (Kind) {
    case DialogKind::Print:
        return "print";
    case DialogKind::PrinterSetup:
        return "printer setup";
    case DialogKind::Color:
        return "colour";
    case DialogKind::Font:
        return "font";
    case DialogKind::OpenPicture:
        return "open picture";
    case DialogKind::MessageBox:
        return "message box";
    }
    return "unknown";
}

std::optional<DialogAnswer> TakeScriptedAnswer(DialogKind Kind) {
    auto& queue = Queue();
    if (queue.empty()) {
        if (NobodyCanAnswer())
            throw EDialogScript(std::string("a ") + DialogKindName(Kind) +
                                " dialog opened with no scripted answer and no screen");
        return std::nullopt;
    }
    if (queue.front().Kind != Kind)
        throw EDialogScript(std::string("a ") + DialogKindName(Kind) +
                            " dialog opened but the next answer is for a " +
                            DialogKindName(queue.front().Kind) + " dialog");
    DialogAnswer a = queue.front();
    queue.pop_front();
    return a;
}

std::vector<ShownMessage>& ShownMessages() {
    static std::vector<ShownMessage> shown;
    return shown;
}

bool DialogsHeadless() {
    return NobodyCanAnswer();
}

void ForceDialogsHeadless(bool On) {
    forcedHeadless = On;
}
