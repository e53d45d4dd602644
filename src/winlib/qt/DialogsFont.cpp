// The font dialog.
#include "AppImpl.h"
#include "winlib/DialogScript.h"
#include "winlib/Dialogs.h"
#include "FontDialogWindow.h"

bool TFontDialog::Execute() {
    winlib::EnsureToolkit();
    if (std::optional<DialogAnswer> a = TakeScriptedAnswer(DialogKind::Font)) {
        if (!a->Ok) return false;
        // A scripted answer is the state the user left the dialog in; an empty name or a zero
        // size keeps what the dialog showed.
        if (!a->Text.empty()) font_.SetName(a->Text);
        if (a->Value > 0) font_.SetSize(a->Value);
        font_.SetStyle(static_cast<TFontStyles>(a->Flags & (fsBold | fsItalic | fsUnderline | fsStrikeOut)));
        font_.SetColor(a->Color);
        return true;
    }
    winlib::FontDialogWindow window(winlib::DialogParent());
    window.Load(font_);
    if (window.exec() != QDialog::Accepted) return false;
    window.Store(font_);
    return true;
}
