#include "PrintDialogs.h"
#include "CupsQueue.h"
#include "DialogScript.h"
#include "PrinterChoiceForm.h"
#include "SysUtils.h"
#include "widgetset/WSDialogs.h"

#include <algorithm>

namespace {

TPrinterChoice FromAnswer(const DialogAnswer& a) {
    return {a.PrinterName, a.PaperName, a.Orientation, a.FileName};
}

// One closing of a dialog: what was chosen, and whether a test's script chose it.
struct Answer {
    TPrinterChoice choice;
    bool scripted = false;
};

// Asks the script or the user; nullopt on Cancel.
std::optional<Answer> Ask(DialogKind kind, TPrinter* p) {
    if (auto answer = TakeScriptedAnswer(kind)) {
        if (!answer->Ok) return std::nullopt;
        return Answer{FromAnswer(*answer), true};
    }
    TPrinterChoice choice;
    const auto formKind = kind == DialogKind::Print ? TPrinterChoiceKind::Print : TPrinterChoiceKind::Setup;
    if (!ws::RunPrinterChoiceForm(formKind, p, choice)) return std::nullopt;
    return Answer{choice, false};
}

// A choice that cannot apply: a script that does not fit the program stops the test; what a
// user chose and the system no longer offers is told to the user, in the program's words.
[[noreturn]] void Refuse(const Answer& a, const AnsiString& harnessText, const AnsiString& userText) {
    if (a.scripted) throw EDialogScript(harnessText);
    throw EPrinter(userText);
}

// The index of the printer chosen (the current one when none was named).
int ChosenIndex(TPrinter* p, const Answer& a) {
    const AnsiString& name = a.choice.PrinterName;
    if (name.empty()) return p->PrinterIndex();
    const int i = p->Printers().IndexOf(name);
    if (i < 0) Refuse(a, "no printer named \"" + name + "\"", "プリンター「" + name + "」が見つかりません。");
    return i;
}

// A CUPS queue chosen in the dialog may have gone, or its server stopped, while the dialog was
// open: said before anything changes, so the printer the settings are made for stays.
void CheckQueue(TPrinter* p, int index) {
    const AnsiString& name = p->Printers()[index];
    if (name == PdfPrinterName) return;
    const TQueueCheck check = CheckCupsQueue(name);
    if (check.State != TQueueState::Ready) throw EPrinter(QueueProblemText(name, check));
}

// A choice names what was on the form; a printer that differs from the current one starts fresh.
void ApplyPrinter(TPrinter* p, int index) {
    if (index != p->PrinterIndex()) p->SetPrinterIndex(index);
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
    const std::optional<Answer> answer = Ask(DialogKind::Print, p);
    if (OnClose) OnClose(this);
    if (!answer) return false;
    const int chosen = ChosenIndex(p, *answer);
    if (chosen != p->PrinterIndex()) CheckQueue(p, chosen);
    ApplyPrinter(p, chosen);
    if (p->IsPdfPrinter() && !answer->choice.FileName.empty()) p->SetOutputFileName(answer->choice.FileName);
    return true;
}

bool TPrinterSetupDialog::Execute() {
    TPrinter* p = PrinterObject();
    if (OnShow) OnShow(this);
    const std::optional<Answer> answer = Ask(DialogKind::PrinterSetup, p);
    if (OnClose) OnClose(this);
    if (!answer) return false;
    const TPrinterChoice& choice = answer->choice;
    // Checked before anything changes, so a choice that cannot apply leaves the printer as it
    // was: the printer must still be there and the paper one the chosen printer offers.
    const int chosen = ChosenIndex(p, *answer);
    CheckQueue(p, chosen);
    if (!choice.PaperName.empty()) {
        const std::vector<AnsiString> offered = p->PaperNames(chosen);
        const bool shown = chosen == p->PrinterIndex() && choice.PaperName == p->PaperName();
        if (!shown && std::find(offered.begin(), offered.end(), choice.PaperName) == offered.end())
            Refuse(*answer, "no paper named \"" + choice.PaperName + "\"",
                   "プリンター「" + p->Printers()[chosen] + "」には用紙「" + choice.PaperName +
                       "」がありません。");
    }
    ApplyPrinter(p, chosen);
    if (!choice.PaperName.empty() && choice.PaperName != p->PaperName()) p->SetPaperName(choice.PaperName);
    if (choice.Orientation == poPortrait || choice.Orientation == poLandscape)
        p->SetOrientation(static_cast<TPrinterOrientation>(choice.Orientation));
    return true;
}
