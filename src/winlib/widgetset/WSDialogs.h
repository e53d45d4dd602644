// Internal to the layer: what the dialogs and message boxes ask of the toolkit. The layer decides
// whether a dialog appears at all (a scripted answer, a screen nobody can see) and what its
// answer means; the toolkit only shows the window and reports what the user did.
#pragma once

#include "winlib/Graphics.h"
#include "winlib/PrinterChoiceForm.h"

#include <functional>

class TOpenPictureDialog;

namespace ws {

// Makes sure the toolkit can build dialogs: creates its application object when the program has
// not made one.
void EnsureDialogToolkit();
// True on a platform where no window can be seen, so nobody can answer a dialog.
bool ScreenlessPlatform();

// The modal dialogs; each returns true on OK with the user's choice stored.
bool RunColorDialog(TColor& Color);
bool RunFontDialog(TFont& Font);
bool RunOpenPictureDialog(const TOpenPictureDialog& Dialog, AnsiString& FileName);
bool RunPrinterChoiceForm(TPrinterChoiceKind Kind, TPrinter* P, TPrinterChoice& Choice);

// A box with an OK button: an error box when Error, else one without an icon.
void ShowMessageBox(bool Error, const AnsiString& Caption, const AnsiString& Text);
// A box with the buttons of Buttons (MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL): the button
// pressed (IDOK, IDCANCEL, IDYES, IDNO), or 0 when the box was closed by its frame or Escape.
int AskMessageBox(const AnsiString& Caption, const AnsiString& Text, unsigned Buttons);

// Runs Call once the event now being handled is over.
void CallLater(std::function<void()> Call);

} // namespace ws
