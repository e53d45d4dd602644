// The font dialog's window.
#include "FontDialogWindow.h"
#include "AppImpl.h"
#include "winlib/widgetset/WSDialogs.h"

bool ws::RunFontDialog(TFont& Font) {
    winlib::FontDialogWindow window(winlib::DialogParent());
    window.Load(Font);
    if (window.exec() != QDialog::Accepted) return false;
    window.Store(Font);
    return true;
}
