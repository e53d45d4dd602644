// Text on a Qt surface, and text metrics: the position is the top-left corner of the cell.
#include "CanvasImpl.h"
#include "CanvasQt.h"
#include "ControlImpl.h"
#include "FontMapping.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace {

QPaintDevice* MetricsDevice(TWSCanvas* surface) {
    return surface ? static_cast<TCanvasImpl*>(surface)->MetricsDevice() : nullptr;
}

int Advance(const QFont& f, QPaintDevice* d, const QString& s) {
    return d ? QFontMetrics(f, d).horizontalAdvance(s) : QFontMetrics(f).horizontalAdvance(s);
}

} // namespace

namespace ws {

// Fonts need a running GUI application; without one, text has no size and draws nothing.
bool FontsAvailable() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

int TextWidth(TWSCanvas* Surface, const TFont& Font, const AnsiString& Text) {
    QPaintDevice* d = MetricsDevice(Surface);
    return Advance(fnt::QtFont(Font, d), d, ToQString(Text));
}

int TextHeight(TWSCanvas* Surface, const TFont& Font) {
    return fnt::CellHeight(Font, MetricsDevice(Surface));
}

} // namespace ws

void TCanvasImpl::Text(int X, int Y, int Width, const AnsiString& Text, const TFont& Font,
                       const TBrush& Brush) {
    QPainter* p = Painter();
    if (!p || Text.empty()) return;
    cnv::ResetPainter(*p);
    QPaintDevice* d = MetricsDevice();
    const QFont f = fnt::QtFont(Font, d);
    const int ascent = d ? QFontMetrics(f, d).ascent() : QFontMetrics(f).ascent();
    if (Brush.Style() != bsClear)
        p->fillRect(QRect(X, Y, Width, fnt::CellHeight(Font, d)), cnv::ToQColor(Brush.Color()));
    p->setFont(f);
    p->setPen(cnv::ToQColor(Font.Color()));
    p->drawText(QPoint(X, Y + ascent), ToQString(Text));
}
