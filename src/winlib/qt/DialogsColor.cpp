// The colour dialog's window.
#include "AppImpl.h"
#include "winlib/widgetset/WSDialogs.h"

#include <QColorDialog>

bool ws::RunColorDialog(TColor& Color) {
    const TColor rgb = ColorToRGB(Color);
    QColorDialog dialog(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)), winlib::DialogParent());
    dialog.setWindowTitle(QString::fromUtf8("色の設定"));
    // Qt's own dialog, whose texts are the program's Japanese whatever the desktop.
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QColor c = dialog.selectedColor();
    Color = RGB(c.red(), c.green(), c.blue());
    return true;
}
