// The Qt side of the screen: the screens' areas, depth and refresh rate, the font families, the
// active window and the cursor.
#include "AppImpl.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QScreen>

namespace {

TRect RectOf(const QRect& r) {
    return TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

QScreen* PrimaryScreen() {
    ws::EnsureToolkit();
    return QGuiApplication::primaryScreen();
}

} // namespace

namespace ws {

std::vector<TScreenArea> ScreenAreas() {
    EnsureToolkit();
    QList<QScreen*> all = QGuiApplication::screens();
    all.removeAll(QGuiApplication::primaryScreen());
    all.prepend(QGuiApplication::primaryScreen());
    std::vector<TScreenArea> areas;
    for (QScreen* s : all)
        if (s) areas.push_back({RectOf(s->geometry()), RectOf(s->availableGeometry())});
    return areas;
}

TRect PrimaryScreenRect() {
    QScreen* s = PrimaryScreen();
    return s ? RectOf(s->geometry()) : TRect();
}

int PrimaryScreenDepth() {
    QScreen* s = PrimaryScreen();
    return s ? s->depth() : 0;
}

double PrimaryScreenRefreshRate() {
    QScreen* s = PrimaryScreen();
    return s ? s->refreshRate() : 0;
}

std::vector<AnsiString> FontFamilies() {
    EnsureToolkit();
    std::vector<AnsiString> families;
    for (const QString& family : QFontDatabase::families())
        families.push_back(family.toStdString());
    return families;
}

TForm* ActiveForm() {
    if (!QCoreApplication::instance()) return nullptr;
    return winlib::FormOfWidget(QApplication::activeWindow());
}

void ShowScreenCursor(TCursor Cursor) {
    if (!QCoreApplication::instance()) return;
    // One cursor of the program's own over the windows' cursors: set, changed or taken away.
    if (Cursor == crDefault) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        return;
    }
    const QCursor shape(Cursor == crHourGlass ? Qt::WaitCursor : Qt::ArrowCursor);
    if (QApplication::overrideCursor())
        QApplication::changeOverrideCursor(shape);
    else
        QApplication::setOverrideCursor(shape);
}

TPoint CursorPos() {
    EnsureToolkit();
    QPoint p = QCursor::pos();
    return TPoint(p.x(), p.y());
}

} // namespace ws
