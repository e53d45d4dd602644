// ShowMessage, MessageBox and the exception box. Where nobody can answer (the test platforms),
// boxes that only inform are recorded instead of shown, and a question with no scripted answer
// raises instead of waiting.
#include "AppImpl.h"
#include "winlib/DialogScript.h"
#include "winlib/Dialogs.h"
#include "winlib/MessageBoxImpl.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <map>
#include <set>
#include <tuple>

namespace {

QString Q(const AnsiString& s) {
    return QString::fromStdString(s);
}

void Record(ShownMessageKind kind, const AnsiString& caption, const AnsiString& text) {
    ShownMessages().push_back(ShownMessage{kind, caption, text});
}

// The button a scripted answer presses; an answer naming only OK or Cancel presses the box's
// accepting or refusing button. A button the box does not have means the script is wrong.
int ScriptedButton(const DialogAnswer& a, unsigned buttons) {
    const bool yesNo = buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
    int id = a.Button;
    if (id == 0) id = a.Ok ? (yesNo ? IDYES : IDOK) : (buttons == MB_YESNO ? IDNO : IDCANCEL);
    bool offered = false;
    switch (buttons) {
    case MB_YESNO:
        offered = id == IDYES || id == IDNO;
        break;
    case MB_YESNOCANCEL:
        offered = id == IDYES || id == IDNO || id == IDCANCEL;
        break;
    case MB_OKCANCEL:
        offered = id == IDOK || id == IDCANCEL;
        break;
    default:
        offered = id == IDOK;
        break;
    }
    if (!offered)
        throw EDialogScript("a message box was answered with button " + std::to_string(id) +
                            ", which it does not show");
    return id;
}

// A box that informs: recorded where nobody can answer, shown otherwise.
void ShowNow(ShownMessageKind kind, const AnsiString& caption, const AnsiString& text) {
    if (DialogsHeadless()) {
        Record(kind, caption, text);
        return;
    }
    const bool error = kind == ShownMessageKind::Exception;
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::NoIcon, Q(caption), Q(text), QMessageBox::Ok,
                    winlib::DialogParent());
    box.exec();
}

// The paints in progress, innermost last, and the notices each control's paints have shown.
using Notice = std::tuple<ShownMessageKind, AnsiString, AnsiString>;
struct PaintFrame {
    const void* source;
    bool noticed;
};
std::vector<PaintFrame>& Paints() {
    static std::vector<PaintFrame> paints;
    return paints;
}
std::map<const void*, std::set<Notice>>& NoticedPaints() {
    static std::map<const void*, std::set<Notice>> noticed;
    return noticed;
}

// Inside a paint the notice waits for the paint's end, unless this control's paints have shown
// it already; true then. Outside a paint false: the caller shows it.
bool DeferredFromPaint(ShownMessageKind kind, const AnsiString& caption, const AnsiString& text) {
    if (Paints().empty()) return false;
    for (PaintFrame& f : Paints())
        f.noticed = true;
    if (NoticedPaints()[Paints().back().source].insert(Notice{kind, caption, text}).second)
        QMetaObject::invokeMethod(
            qApp, [kind, caption, text] { ShowNow(kind, caption, text); }, Qt::QueuedConnection);
    return true;
}

} // namespace

namespace winlib {

PaintScope::PaintScope(const void* Source) {
    Paints().push_back(PaintFrame{Source, false});
}

PaintScope::~PaintScope() {
    const PaintFrame f = Paints().back();
    Paints().pop_back();
    if (!f.noticed) NoticedPaints().erase(f.source);
}

void ShowExceptionBox(const AnsiString& Caption, const AnsiString& Text) noexcept {
    try {
        EnsureToolkit();
        if (!DeferredFromPaint(ShownMessageKind::Exception, Caption, Text))
            ShowNow(ShownMessageKind::Exception, Caption, Text);
    } catch (...) {
        // Nothing sensible is left to do when the box itself fails.
    }
}

} // namespace winlib

void ShowMessage(const AnsiString& Msg) {
    winlib::EnsureToolkit();
    const AnsiString& caption = Application->Title();
    if (!DeferredFromPaint(ShownMessageKind::Message, caption, Msg))
        ShowNow(ShownMessageKind::Message, caption, Msg);
}

int MessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags) {
    winlib::EnsureToolkit();
    const unsigned buttons = Flags & 0x0F;
    if (DialogsHeadless()) Record(ShownMessageKind::MessageBox, Caption, Text);
    if (std::optional<DialogAnswer> a = TakeScriptedAnswer(DialogKind::MessageBox))
        return ScriptedButton(*a, buttons);

    QMessageBox box(QMessageBox::NoIcon, Q(Caption), Q(Text), QMessageBox::NoButton, winlib::DialogParent());
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    switch (buttons) {
    case MB_YESNO:
        yes = box.addButton(QMessageBox::Yes);
        no = box.addButton(QMessageBox::No);
        box.setEscapeButton(no);
        break;
    case MB_YESNOCANCEL:
        yes = box.addButton(QMessageBox::Yes);
        no = box.addButton(QMessageBox::No);
        cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
        break;
    case MB_OKCANCEL:
        ok = box.addButton(QMessageBox::Ok);
        cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
        break;
    default:
        ok = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(ok);
        break;
    }
    box.exec();
    // Closing the box by its frame or Escape counts as the refusing button, never as Yes or OK.
    QAbstractButton* pressed = box.clickedButton();
    if (pressed && pressed == yes) return IDYES;
    if (pressed && pressed == ok) return IDOK;
    if (buttons == MB_YESNO) return IDNO;
    if (pressed && pressed == no) return IDNO;
    if (buttons == MB_OK) return IDOK;
    return IDCANCEL;
}
