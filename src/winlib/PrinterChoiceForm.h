// Internal to the layer: what the on-screen form behind the print and printer-setup dialogs
// shows and gives back.
#pragma once

#include "Printers.h"

struct TPrinterChoice {
    AnsiString PrinterName;
    AnsiString PaperName;
    int Orientation = -1;
    AnsiString FileName;
};

enum class TPrinterChoiceKind { Print, Setup };

// The papers the form lists for the printer at Index: the ones it offers, and for the current
// printer also its paper when that is not among them, so the form shows what is set.
std::vector<AnsiString> PrinterChoicePapers(TPrinter* P, int Index);
