// Internal: the Qt font that draws a TFont. Names of fonts that Linux lacks ("ＭＳ ゴシック")
// map to installed Japanese families of the same kind; a positive Height is made the cell
// height (ascent + descent).
#pragma once

#include "winlib/Graphics.h"

#include <QFont>
#include <QString>

class QPaintDevice;

namespace fnt {

QString FamilyFor(const AnsiString& name); // the installed family used for this name
QFont QtFont(const TFont& f, QPaintDevice* device);
int CellHeight(const TFont& f, QPaintDevice* device);

} // namespace fnt
