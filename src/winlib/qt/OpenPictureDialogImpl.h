// Internal to the layer: how the open-picture dialog is set up, so tests can inspect it.
#pragma once

#include "winlib/Dialogs.h"
#include "winlib/OpenPictureFilter.h"

class QFileDialog;
class QString;

namespace winlib {

// "description (*.jpg *.jpeg)", the form Qt reads its patterns from.
QString QtNameFilter(const FileFilter& f);

// Applies the component's filter, start folder and file name to a Qt file dialog.
void SetUpPictureDialog(QFileDialog& dialog, const TOpenPictureDialog& source);

} // namespace winlib
