#include "CanvasQt.h"

#include <QPainter>

namespace cnv {

void ResetPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBackgroundMode(Qt::TransparentMode);
}

} // namespace cnv
