// Internal to the Qt side of the layer: the toolkit's file dialog in the program's Japanese.
#pragma once

class QFileDialog;

namespace winlib {

// Qt's own dialog rather than the desktop's, so every text is the program's Japanese whatever
// the desktop and its language; the list's sizes and dates are written the Japanese way too
// (the toolkit writes them in the language of the user's locale).
void UseJapaneseFileDialog(QFileDialog& Dialog);

} // namespace winlib
