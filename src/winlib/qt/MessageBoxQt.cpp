// The message boxes as Qt's, centred on the window dialogs belong to.
#include "AppImpl.h"
#include "ControlImpl.h"
#include "JapaneseTexts.h"
#include "winlib/Dialogs.h"
#include "winlib/widgetset/WSDialogs.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
// A button captioned as the program's own forms caption theirs.
QPushButton* AddButton(QMessageBox& box, const char* text, QMessageBox::ButtonRole role) {
    return box.addButton(QString::fromUtf8(text), role);
}
} // namespace

void ws::ShowMessageBox(bool Error, const AnsiString& Caption, const AnsiString& Text) {
    QMessageBox box(Error ? QMessageBox::Critical : QMessageBox::NoIcon, ToQString(Caption), ToQString(Text),
                    QMessageBox::NoButton, winlib::DialogParent());
    QPushButton* ok = AddButton(box, winlib::kOkText, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

int ws::AskMessageBox(const AnsiString& Caption, const AnsiString& Text, unsigned Buttons) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(Caption), ToQString(Text), QMessageBox::NoButton,
                    winlib::DialogParent());
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    switch (Buttons) {
    case MB_YESNO:
        yes = AddButton(box, winlib::kYesText, QMessageBox::YesRole);
        no = AddButton(box, winlib::kNoText, QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case MB_YESNOCANCEL:
        yes = AddButton(box, winlib::kYesText, QMessageBox::YesRole);
        no = AddButton(box, winlib::kNoText, QMessageBox::NoRole);
        cancel = AddButton(box, winlib::kCancelText, QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case MB_OKCANCEL:
        ok = AddButton(box, winlib::kOkText, QMessageBox::AcceptRole);
        cancel = AddButton(box, winlib::kCancelText, QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    default:
        ok = AddButton(box, winlib::kOkText, QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    }
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    if (!pressed) return 0;
    if (pressed == yes) return IDYES;
    if (pressed == no) return IDNO;
    if (pressed == ok) return IDOK;
    if (pressed == cancel) return IDCANCEL;
    return 0;
}
