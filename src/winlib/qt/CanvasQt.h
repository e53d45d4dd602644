// Internal: conversions between the layer's drawing values and Qt's.
#pragma once

#include "winlib/Graphics.h"

#include <QColor>

class QPainter;

namespace cnv {

inline QColor ToQColor(TColor c) {
    c = ColorToRGB(c);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Every painter call starts from this: no antialiasing, no smoothing, plain copy of colours.
void ResetPainter(QPainter& p);

} // namespace cnv
