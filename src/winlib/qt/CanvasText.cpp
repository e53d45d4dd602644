// Text on a canvas: the position is the top-left corner of the character cell.
#include "winlib/CanvasImpl.h"
#include "CanvasQt.h"
#include "FontMapping.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace {

QString ToQString(const AnsiString& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Fonts need a running GUI application; without one, text has no size and draws nothing.
bool FontsAvailable() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QPaintDevice* MetricsDevice(TCanvasImpl* impl) {
    return impl ? impl->MetricsDevice() : nullptr;
}

int Advance(const QFont& f, QPaintDevice* d, const QString& s) {
    return d ? QFontMetrics(f, d).horizontalAdvance(s) : QFontMetrics(f).horizontalAdvance(s);
}

} // namespace

int TCanvas::TextWidth(const AnsiString& Text) {
    if (!FontsAvailable() || Text.empty()) return 0;
    QPaintDevice* d = MetricsDevice(impl_.get());
    return Advance(fnt::QtFont(font_, d), d, ToQString(Text));
}

int TCanvas::TextHeight(const AnsiString&) {
    if (!FontsAvailable()) return 0;
    return fnt::CellHeight(font_, MetricsDevice(impl_.get()));
}

void TCanvas::TextOut(int X, int Y, const AnsiString& Text) {
    if (!FontsAvailable() || !impl_) return;
    const int width = TextWidth(Text);
    {
        struct Done {
            TCanvasImpl* impl;
            ~Done() { impl->Changed(); }
        } done{impl_.get()};
        QPainter* p = impl_->Painter();
        if (p && !Text.empty()) {
            cnv::ResetPainter(*p);
            QPaintDevice* d = MetricsDevice(impl_.get());
            const QFont f = fnt::QtFont(font_, d);
            const int ascent = d ? QFontMetrics(f, d).ascent() : QFontMetrics(f).ascent();
            if (brush_.Style() != bsClear)
                p->fillRect(QRect(X, Y, width, fnt::CellHeight(font_, d)), cnv::ToQColor(brush_.Color()));
            p->setFont(f);
            p->setPen(cnv::ToQColor(font_.Color()));
            p->drawText(QPoint(X, Y + ascent), ToQString(Text));
        }
    }
    // The pen position moves on to the end of the text, so a following TextOut can continue it.
    MoveTo(X + width, Y);
}
