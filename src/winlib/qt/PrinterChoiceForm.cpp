// The print and printer-setup dialogs' window, run modally over the active window.
#include "PrinterChoiceWindow.h"
#include "winlib/widgetset/WSDialogs.h"

#include <QApplication>

bool ws::RunPrinterChoiceForm(TPrinterChoiceKind Kind, TPrinter* P, TPrinterChoice& Choice) {
    winlib::PrinterChoiceWindow window(Kind, P, QApplication::activeWindow());
    if (window.exec() != QDialog::Accepted) return false;
    Choice = window.Choice();
    return true;
}
