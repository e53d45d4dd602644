// Internal to the layer: the window behind the print and printer-setup dialogs. It shows the
// printer and either the output file (print) or paper and orientation (setup), and keeps a
// sensible width whatever the queues are called: the printer list's closed face is as wide as
// a usual name, a longer name is cut short there and shown whole in the list and its tip.
#pragma once

#include "winlib/PrinterChoiceForm.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace winlib {

class PrinterChoiceWindow : public QDialog {
  public:
    PrinterChoiceWindow(TPrinterChoiceKind Kind, TPrinter* P, QWidget* Parent = nullptr);
    // What the window shows now.
    TPrinterChoice Choice() const;

    // For tests.
    QComboBox* PrinterBox() const { return printers_; }

  private:
    void AddFileRow(TPrinter* p);
    void AddPaperRows(TPrinter* p);
    void ShowWholeNames();

    QComboBox* printers_ = nullptr;
    QLineEdit* file_ = nullptr;
    QComboBox* papers_ = nullptr;
    QComboBox* orientation_ = nullptr;
};

} // namespace winlib
