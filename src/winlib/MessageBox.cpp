// ShowMessage, MessageBox and the exception box. Where nobody can answer (the test platforms),
// boxes that only inform are recorded instead of shown, and a question with no scripted answer
// raises instead of waiting.
#include "AppImpl.h"
#include "DialogScript.h"
#include "Dialogs.h"
#include "MessageBoxImpl.h"

#include <QMessageBox>
#include <QPushButton>

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

} // namespace

namespace winlib {

void ShowExceptionBox(const AnsiString& Caption, const AnsiString& Text) noexcept {
    try {
        EnsureToolkit();
        if (DialogsHeadless()) {
            Record(ShownMessageKind::Exception, Caption, Text);
            return;
        }
        QMessageBox box(QMessageBox::Critical, Q(Caption), Q(Text), QMessageBox::Ok, DialogParent());
        box.exec();
    } catch (...) {
        // Nothing sensible is left to do when the box itself fails.
    }
}

} // namespace winlib

void ShowMessage(const AnsiString& Msg) {
    winlib::EnsureToolkit();
    const AnsiString& caption = Application->Title();
    if (DialogsHeadless()) {
        Record(ShownMessageKind::Message, caption, Msg);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, Q(caption), Q(Msg), QMessageBox::Ok, winlib::DialogParent());
    box.exec();
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
