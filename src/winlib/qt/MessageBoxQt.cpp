// The message boxes as Qt's, centred on the window dialogs belong to.
#include "AppImpl.h"
#include "winlib/Dialogs.h"
#include "winlib/widgetset/WSDialogs.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
QString Q(const AnsiString& s) {
    return QString::fromStdString(s);
}
} // namespace

void ws::ShowMessageBox(bool Error, const AnsiString& Caption, const AnsiString& Text) {
    QMessageBox box(Error ? QMessageBox::Critical : QMessageBox::NoIcon, Q(Caption), Q(Text), QMessageBox::Ok,
                    winlib::DialogParent());
    box.exec();
}

int ws::AskMessageBox(const AnsiString& Caption, const AnsiString& Text, unsigned Buttons) {
    QMessageBox box(QMessageBox::NoIcon, Q(Caption), Q(Text), QMessageBox::NoButton, winlib::DialogParent());
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    switch (Buttons) {
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
    QAbstractButton* pressed = box.clickedButton();
    if (!pressed) return 0;
    if (pressed == yes) return IDYES;
    if (pressed == no) return IDNO;
    if (pressed == ok) return IDOK;
    if (pressed == cancel) return IDCANCEL;
    return 0;
}
