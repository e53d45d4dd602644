// Scripted answers for the layer's modal dialogs, so tests and automation run them with no
// person present. Answers wait in one queue in the order the dialogs will open. A dialog that
// finds an answer at the front does not appear; it behaves as if the user had given that answer
// (its events still run in their usual order). An answer for another kind of dialog at the front
// means the script and the program disagree: EDialogScript is raised.
//
// On the "offscreen" and "minimal" Qt platforms nobody can answer a real dialog, so a dialog
// opened there without a scripted answer raises EDialogScript instead of waiting forever.
#pragma once

#include "Graphics.h"

#include <optional>
#include <stdexcept>

enum class DialogKind { Print, PrinterSetup, Color, Font, OpenPicture, MessageBox };

struct DialogAnswer {
    DialogKind Kind = DialogKind::Print;
    bool Ok = true;  // OK (true) or Cancel (false)
    int Button = 0;  // message boxes: the button pressed
    AnsiString Text; // a file name, a font name, ...
    int Value = 0;   // a size or other number
    int Flags = 0;   // style bits and the like
    TColor Color = clBlack;
    // Printer dialogs; empty or -1 keeps what the dialog showed.
    AnsiString PrinterName;
    AnsiString PaperName;
    int Orientation = -1; // a TPrinterOrientation, or -1
    AnsiString FileName;  // the PDF printer's output file
};

// Not derived from Exception, so the program's own handlers do not swallow it.
class EDialogScript : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

void ScriptDialogAnswer(const DialogAnswer& Answer);
int ScriptedAnswerCount();
void ClearScriptedAnswers();
// The answer for a dialog of this kind that is opening: nullopt when none is queued (then the
// real dialog runs, or EDialogScript on a platform without a screen); EDialogScript when the
// front answer is for another kind.
std::optional<DialogAnswer> TakeScriptedAnswer(DialogKind Kind);
const char* DialogKindName(DialogKind Kind);

// Headless test mode: where nobody can answer a dialog (the "offscreen" and "minimal" platforms,
// or when forced on), boxes that only inform do not appear. ShowMessage and the exception box are
// recorded in ShownMessages instead, and every message box is recorded there before it takes its
// scripted answer (one with no answer raises EDialogScript, as any dialog does).
enum class ShownMessageKind { Message, Exception, MessageBox };
struct ShownMessage {
    ShownMessageKind Kind = ShownMessageKind::Message;
    AnsiString Caption;
    AnsiString Text;
};
std::vector<ShownMessage>& ShownMessages(); // tests read and clear it
bool DialogsHeadless();
void ForceDialogsHeadless(bool On); // for test runs on a real screen
