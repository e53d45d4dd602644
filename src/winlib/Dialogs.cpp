// The colour, font and open-picture dialogs: a scripted answer stands for the user, otherwise the
// toolkit's dialog asks.
#include "Dialogs.h"
#include "DialogScript.h"
#include "widgetset/WSDialogs.h"

bool TColorDialog::Execute() {
    ws::EnsureDialogToolkit();
    if (std::optional<DialogAnswer> a = TakeScriptedAnswer(DialogKind::Color)) {
        if (a->Ok) color_ = a->Color;
        return a->Ok;
    }
    return ws::RunColorDialog(color_);
}

bool TFontDialog::Execute() {
    ws::EnsureDialogToolkit();
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
    return ws::RunFontDialog(font_);
}

bool TOpenPictureDialog::Execute() {
    ws::EnsureDialogToolkit();
    if (std::optional<DialogAnswer> a = TakeScriptedAnswer(DialogKind::OpenPicture)) {
        if (a->Ok) fileName_ = a->Text.empty() ? a->FileName : a->Text;
        return a->Ok;
    }
    return ws::RunOpenPictureDialog(*this, fileName_);
}
