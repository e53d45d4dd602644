// The colour dialog.
#include "AppImpl.h"
#include "winlib/DialogScript.h"
#include "winlib/Dialogs.h"

#include <QColorDialog>

bool TColorDialog::Execute() {
    winlib::EnsureToolkit();
    if (std::optional<DialogAnswer> a = TakeScriptedAnswer(DialogKind::Color)) {
        if (a->Ok) color_ = a->Color;
        return a->Ok;
    }
    const TColor rgb = ColorToRGB(color_);
    QColorDialog dialog(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)), winlib::DialogParent());
    dialog.setWindowTitle(QString::fromUtf8("色の設定"));
    if (dialog.exec() != QDialog::Accepted) return false;
    const QColor c = dialog.selectedColor();
    color_ = RGB(c.red(), c.green(), c.blue());
    return true;
}
