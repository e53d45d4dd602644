// The screen: its size, depth, refresh rate, resolution, installed font families, the active
// form and the cursor.
#include "Forms.h"

#include "widgetset/WSForms.h"

#include <algorithm>
#include <optional>

TScreen* Screen = new TScreen();

namespace {

std::optional<TPoint>& CursorOverride() {
    static std::optional<TPoint> p;
    return p;
}

std::vector<TRect>& WorkAreasOverride() {
    static std::vector<TRect> areas;
    return areas;
}

} // namespace

int TScreen::Width() const {
    return ws::PrimaryScreenRect().Width();
}

int TScreen::Height() const {
    return ws::PrimaryScreenRect().Height();
}

TRect TScreen::WorkAreaNear(TPoint P) const {
    // Each screen as its whole area and its work area, the primary one first.
    std::vector<ws::TScreenArea> screens;
    if (!WorkAreasOverride().empty()) {
        for (const TRect& a : WorkAreasOverride())
            screens.push_back({a, a});
    } else {
        screens = ws::ScreenAreas();
    }
    if (screens.empty()) return TRect();
    // Distances in 64 bits: P may be any stored number.
    auto distance = [&](const TRect& g) {
        const long long dx = std::max({0LL, 1LL * g.Left - P.x, 1LL * P.x - (g.Right - 1)});
        const long long dy = std::max({0LL, 1LL * g.Top - P.y, 1LL * P.y - (g.Bottom - 1)});
        return dx * dx + dy * dy;
    };
    size_t best = 0;
    for (size_t i = 1; i < screens.size(); ++i)
        if (distance(screens[i].Bounds) < distance(screens[best].Bounds)) best = i;
    return screens[best].WorkArea;
}

void SetWorkAreasForTest(const std::vector<TRect>& Areas) {
    WorkAreasOverride() = Areas;
}

int TScreen::BitsPerPixel() const {
    return ws::PrimaryScreenDepth();
}

int TScreen::RefreshRate() const {
    return static_cast<int>(ws::PrimaryScreenRefreshRate() + 0.5);
}

const TStringList& TScreen::Fonts() {
    // The list is taken once, as the program's font combo boxes are filled once.
    if (fonts_.Count() == 0) {
        const std::vector<AnsiString> families = ws::FontFamilies();
        fonts_.SetSorted(true);
        for (const AnsiString& family : families)
            if (fonts_.IndexOf(family) < 0) fonts_.Add(family);
    }
    return fonts_;
}

void TScreen::SetCursor(TCursor Cursor) {
    if (cursor_.exchange(Cursor) == Cursor) return;
    ws::ShowScreenCursor(Cursor);
}

TForm* TScreen::ActiveForm() const {
    return ws::ActiveForm();
}

TPoint GetCursorPos() {
    if (CursorOverride()) return *CursorOverride();
    return ws::CursorPos();
}

void SetCursorPosForTest(TPoint p) {
    CursorOverride() = p;
}

void ClearCursorPosForTest() {
    CursorOverride().reset();
}
