// Internal to the layer: the on-screen form behind the print and printer-setup dialogs.
#pragma once

#include "Printers.h"

struct TPrinterChoice {
    AnsiString PrinterName;
    AnsiString PaperName;
    int Orientation = -1;
    AnsiString FileName;
};

enum class TPrinterChoiceKind { Print, Setup };

// Shows the form modally, filled from the printer object; true on OK with the choice filled in.
bool RunPrinterChoiceForm(TPrinterChoiceKind Kind, TPrinter* P, TPrinterChoice& Choice);
