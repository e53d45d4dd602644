// The print dialog and the printer-setup dialog. Both work on a printer object (the
// application's Printer() unless told otherwise) and answer to DialogScript where a test put
// answers there.
#pragma once

#include "Printers.h"

// Lets the user pick the printer to print on. OnShow runs before the dialog appears and OnClose
// after the user closed it but before the choice is applied, so OnClose still sees the printer
// that was current; on OK the chosen printer (and the PDF printer's output file) then becomes
// current.
class TPrintDialog : public TComponent {
  public:
    explicit TPrintDialog(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
    // True on OK. EPrinter, nothing changed, when the chosen queue has gone or its server does
    // not answer by then.
    bool Execute();
    TPrinter* PrinterObject() const { return printer_ ? printer_ : Printer(); }
    void SetPrinterObject(TPrinter* p) { printer_ = p; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

  private:
    TPrinter* printer_ = nullptr;
};

// Printer, paper size and orientation; on OK they apply to the printer object. Picking another
// printer starts from that printer's defaults, then the chosen paper and orientation apply.
class TPrinterSetupDialog : public TComponent {
  public:
    explicit TPrinterSetupDialog(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
    // True on OK; Cancel changes nothing. A choice that cannot apply changes nothing either: a
    // queue gone or a server that does not answer by OK, or a paper the printer does not offer,
    // is EPrinter with the user's message. Only an answer a test's script gave that names what
    // does not exist is EDialogScript.
    bool Execute();
    TPrinter* PrinterObject() const { return printer_ ? printer_ : Printer(); }
    void SetPrinterObject(TPrinter* p) { printer_ = p; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

  private:
    TPrinter* printer_ = nullptr;
};
