#include "PrintDialogs.h"
#include "DialogScript.h"
#include "PrinterChoiceForm.h"
#include "widgetset/WSDialogs.h"

#include <algorithm>

namespace {

TPrinterChoice FromAnswer(const DialogAnswer& a) {
    return {a.PrinterName, a.PaperName, a.Orientation, a.FileName};
}

// Asks the script or the user; nullopt on Cancel.
std::optional<TPrinterChoice> Ask(DialogKind kind, TPrinter* p) {
    if (auto answer = TakeScriptedAnswer(kind)) {
        if (!answer->Ok) return std::nullopt;
        return FromAnswer(*answer);
    }
    TPrinterChoice choice;
    const auto formKind = kind == DialogKind::Print ? TPrinterChoiceKind::Print : TPrinterChoiceKind::Setup;
    if (!ws::RunPrinterChoiceForm(formKind, p, choice)) return std::nullopt;
    return choice;
}

// A choice names what was on the form; a printer that differs from the current one starts fresh.
void ApplyPrinter(TPrinter* p, const TPrinterChoice& c) {
    if (c.PrinterName.empty() || c.PrinterName == p->Printers()[p->PrinterIndex()]) return;
    if (!p->SetPrinterByName(c.PrinterName))
        throw EDialogScript("no printer named \"" + c.PrinterName + "\"");
}

} // namespace

std::vector<AnsiString> PrinterChoicePapers(TPrinter* P, int Index) {
    std::vector<AnsiString> names = P->PaperNames(Index);
    if (Index == P->PrinterIndex() && std::find(names.begin(), names.end(), P->PaperName()) == names.end())
        names.push_back(P->PaperName());
    return names;
}

bool TPrintDialog::Execute() {
    TPrinter* p = PrinterObject();
    if (OnShow) OnShow(this);
    const std::optional<TPrinterChoice> choice = Ask(DialogKind::Print, p);
    if (OnClose) OnClose(this);
    if (!choice) return false;
    ApplyPrinter(p, *choice);
    if (p->IsPdfPrinter() && !choice->FileName.empty()) p->SetOutputFileName(choice->FileName);
    return true;
}

bool TPrinterSetupDialog::Execute() {
    TPrinter* p = PrinterObject();
    if (OnShow) OnShow(this);
    const std::optional<TPrinterChoice> choice = Ask(DialogKind::PrinterSetup, p);
    if (OnClose) OnClose(this);
    if (!choice) return false;
    // Checked before anything changes, so a bad answer leaves the printer as it was: the paper
    // must be one the chosen printer offers.
    if (!choice->PaperName.empty()) {
        const int chosen =
            choice->PrinterName.empty() ? p->PrinterIndex() : p->Printers().IndexOf(choice->PrinterName);
        const std::vector<AnsiString> offered = p->PaperNames(chosen);
        const bool shown = chosen == p->PrinterIndex() && choice->PaperName == p->PaperName();
        if (!shown && std::find(offered.begin(), offered.end(), choice->PaperName) == offered.end())
            throw EDialogScript("no paper named \"" + choice->PaperName + "\"");
    }
    ApplyPrinter(p, *choice);
    if (!choice->PaperName.empty() && choice->PaperName != p->PaperName()) p->SetPaperName(choice->PaperName);
    if (choice->Orientation == poPortrait || choice->Orientation == poLandscape)
        p->SetOrientation(static_cast<TPrinterOrientation>(choice->Orientation));
    return true;
}
