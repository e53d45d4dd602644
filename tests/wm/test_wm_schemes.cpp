// The colour schemes as a person sees them in the real window: each one chosen from the menu
// paints the control bar's free area, the menus' images and the tool bars' captions at once.
#include "WmSupport.h"

#include "shell/ChromeImages.h"
#include "shell/Unit1.h"
#include "shell/Yxdraw.h"
#include "winlib/qt/MenuImpl.h"

#include <QAction>
#include <QMenu>

#include <cstdlib>
#include <algorithm>
#include <map>
#include <sstream>

namespace {

using namespace wm;

// A colour of the screen as 0xRRGGBB.
using Rgb = uint32_t;
int R(Rgb c) {
    return static_cast<int>(c >> 16 & 0xFF);
}
int G(Rgb c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
int B(Rgb c) {
    return static_cast<int>(c & 0xFF);
}
int Distance(Rgb a, Rgb b) {
    return std::abs(R(a) - R(b)) + std::abs(G(a) - G(b)) + std::abs(B(a) - B(b));
}
std::string Hex(Rgb c) {
    std::ostringstream s;
    s << "(" << R(c) << "," << G(c) << "," << B(c) << ")";
    return s.str();
}

struct SchemeCase {
    const char* name;
    TMenuItem* TForm1::*item;
    Rgb barColour;  // the control bar's free area: the scheme's mid colour
    Rgb textColour; // the tool bars' captions
};

// In an order where the caption colour changes back and forth: white after black, black after
// white (purple, then the standard scheme), blue after black.
const SchemeCase kSchemes[] = {
    {"purple", &TForm1::Skin5, 0xBF80BF, 0xFFFFFF}, {"standard", &TForm1::Skin0, 0xD4D0C8, 0x000000},
    {"red", &TForm1::Skin3, 0xFFDFDF, 0x0000FF},    {"green", &TForm1::Skin4, 0xCFFFCF, 0x000000},
    {"silver", &TForm1::Skin1, 0xDFDFDF, 0x000000}, {"blue", &TForm1::Skin2, 0x9FD0FF, 0x000000},
};

// The screen rectangle of the item's row in its open menu.
XRect RowOnScreen(QMenu* menu, TMenuItem* item) {
    const QRect r = menu->actionGeometry(winlib::ItemAction(item));
    const QPoint p = menu->mapToGlobal(r.topLeft());
    return XRect{p.x(), p.y(), r.width(), r.height()};
}

TToolButton* MenuButton(TMenuItem* item) {
    for (int i = 0; i < Form1->ToolBar2->ButtonCount(); ++i)
        if (Form1->ToolBar2->Buttons(i)->Caption() == item->Caption()) return Form1->ToolBar2->Buttons(i);
    return nullptr;
}

// A person points at the item's row and clicks once the menu has taken the pointer: a click
// before the popup is on the screen would land on the window below and close the menu.
void ClickRow(QMenu* menu, TMenuItem* item) {
    QAction* action = winlib::ItemAction(item);
    int nudge = 0;
    const bool pointed = WaitUntil([&] {
        if (menu->activeAction() == action) return true;
        const XRect row = RowOnScreen(menu, item);
        nudge = 1 - nudge; // a new position each time, so the popup gets a motion event
        Xdotool({"mousemove", "--sync", std::to_string(row.x + row.width / 2 + nudge),
                 std::to_string(row.y + row.height / 2)});
        return WaitUntil([&] { return menu->activeAction() == action; }, 2000);
    });
    EXPECT_TRUE(pointed) << item->Name() << " never took the pointer";
    Xdotool({"click", "1"});
}

// A person opens the top-level menu by its button on the menu bar.
QMenu* OpenMenu(TMenuItem* top) {
    TToolButton* b = MenuButton(top);
    EXPECT_TRUE(b) << top->Name() << " has no button";
    if (!b) return nullptr;
    ClickControl(b);
    QMenu* m = winlib::SubMenu(top);
    EXPECT_TRUE(WaitUntil([m] { return m->isVisible() && !m->geometry().isEmpty(); })) << top->Name();
    return m;
}

void CloseMenus() {
    Key("Escape");
    Key("Escape");
    EXPECT_TRUE(WaitUntil([] {
        return !winlib::SubMenu(Form1->MenuSettings)->isVisible() &&
               !winlib::SubMenu(Form1->MenuFile)->isVisible() && !winlib::SubMenu(Form1->Skin)->isVisible();
    }));
}

// A person chooses the scheme: 設定, then スキン, then the scheme's item.
void ChooseScheme(TMenuItem* item) {
    QMenu* settings = OpenMenu(Form1->MenuSettings);
    ASSERT_TRUE(settings);
    ClickRow(settings, Form1->Skin);
    QMenu* skins = winlib::SubMenu(Form1->Skin);
    ASSERT_TRUE(WaitUntil([skins] { return skins->isVisible() && !skins->geometry().isEmpty(); }));
    ClickRow(skins, item);
    ASSERT_TRUE(WaitUntil([item] { return Form1->CurrentSkin->SchemeId == item->Tag(); })) << item->Name();
    ASSERT_TRUE(WaitUntil([settings, skins] { return !settings->isVisible() && !skins->isVisible(); }));
    ASSERT_TRUE(WaitShownAndActive(Form1));
}

// A point of the control bar's free area, right of its last band, on the screen.
TPoint FreeAreaPoint() {
    TControlBar* bar = Form1->ControlBar1;
    int right = 0;
    for (int i = 0; i < bar->ControlCount(); ++i)
        if (bar->Controls(i)->Visible())
            right = std::max(right, bar->Controls(i)->Left() + bar->Controls(i)->Width());
    return OnScreen(bar, (right + bar->ClientWidth()) / 2, bar->ClientHeight() / 2);
}

Rgb PixelAt(TPoint p) {
    const std::vector<uint32_t> px = Grab(XRect{p.x, p.y, 1, 1});
    return px.empty() ? 0xFFFFFFFFu : px[0];
}

// The colour text is written in over a background that may change from row to row (a gradient):
// of the pixels of the area, the one farthest from the commonest colour of its row. Smoothed
// glyph edges lie between the two; the strokes' cores come close to the text's colour.
Rgb InkOf(const XRect& area) {
    const std::vector<uint32_t> px = Grab(area);
    if (px.size() != static_cast<size_t>(area.width) * area.height) return 0xFFFFFFFFu;
    Rgb ink = 0;
    int farthest = -1;
    for (int y = 0; y < area.height; ++y) {
        const auto row = px.begin() + y * area.width;
        std::map<Rgb, int> counts;
        for (int x = 0; x < area.width; ++x)
            ++counts[row[x]];
        const Rgb back = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                             return a.second < b.second;
                         })->first;
        for (int x = 0; x < area.width; ++x)
            if (Distance(row[x], back) > farthest) farthest = Distance(row[x], back), ink = row[x];
    }
    return ink;
}

// The opaque pixels of the image list's picture, as 0xRRGGBB, with -1 for a transparent one.
std::vector<int64_t> Picture(int index) {
    TBitmap key;
    key.SetPixelFormat(pf24bit);
    key.SetSize(16, 16);
    key.Canvas()->Brush()->SetColor(kImageMaskColor);
    key.Canvas()->FillRect(TRect(0, 0, 16, 16));
    Form1->ImageList1->Draw(key.Canvas(), 0, 0, index);
    std::vector<int64_t> out;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const TColor c = key.Canvas()->Pixel(x, y);
            out.push_back(c == kImageMaskColor ? -1
                                               : (GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)));
        }
    return out;
}

// Whether the screen shows the picture, pixel for pixel, anywhere inside the area.
bool ShowsPicture(const XRect& area, int index) {
    const std::vector<int64_t> picture = Picture(index);
    const std::vector<uint32_t> px = Grab(area);
    if (px.size() != static_cast<size_t>(area.width) * area.height) return false;
    for (int y = 0; y + 16 <= area.height; ++y)
        for (int x = 0; x + 16 <= area.width; ++x) {
            bool all = true;
            for (int j = 0; j < 16 && all; ++j)
                for (int i = 0; i < 16 && all; ++i) {
                    const int64_t p = picture[static_cast<size_t>(j * 16 + i)];
                    all = p < 0 || px[static_cast<size_t>((y + j) * area.width + x + i)] == p;
                }
            if (all) return true;
        }
    return false;
}

// The caption's part of the tool button: right of its image, inside its face.
XRect CaptionArea(TToolButton* b) {
    const TPoint p = OnScreen(b, 20, 4);
    return XRect{p.x, p.y, b->Width() - 22, b->Height() - 8};
}

// Where a person who looks at the screenshots finds them (kept only when asked for).
void KeepScreenshot(const std::string& name) {
    if (const char* dir = std::getenv("RULIFORM_WM_SHOTS"))
        Screenshot(std::string(dir) + "/" + name + ".png");
}

class WmSchemes : public WmTest {
  protected:
    void TearDown() override {
        if (!IsSkipped()) ChooseScheme(Form1->Skin1); // as at start
        WmTest::TearDown();
    }
};

TEST_F(WmSchemes, EverySchemeChosenFromTheMenuPaintsTheBarsAndTheMenusAtOnce) {
    for (const SchemeCase& s : kSchemes) {
        SCOPED_TRACE(s.name);
        ChooseScheme(Form1->*s.item);
        // The control bar's free area takes the scheme's mid colour.
        const TPoint free = FreeAreaPoint();
        Rgb seen = 0;
        EXPECT_TRUE(WaitUntil([&] { return (seen = PixelAt(free)) == s.barColour; }))
            << "the control bar's free area is " << Hex(seen) << ", not " << Hex(s.barColour);
        // The tool bars' captions take the scheme's text colour, not the one before.
        const XRect caption = CaptionArea(Form1->ToolButton2);
        Rgb ink = 0;
        EXPECT_TRUE(WaitUntil([&] { return Distance(ink = InkOf(caption), s.textColour) <= 90; }))
            << "the caption of " << Form1->ToolButton2->Caption() << " is written in " << Hex(ink) << ", not "
            << Hex(s.textColour);
        // The menus show their items' images.
        QMenu* file = OpenMenu(Form1->MenuFile);
        ASSERT_TRUE(file);
        KeepScreenshot(std::string("scheme-") + s.name);
        for (TMenuItem* item : {Form1->Print1, Form1->PrinterSetup1, Form1->Exit1}) {
            const XRect row = RowOnScreen(file, item);
            EXPECT_TRUE(WaitUntil([&] { return ShowsPicture(row, item->ImageIndex()); }))
                << item->Name() << " shows no image";
        }
        CloseMenus();
    }
}

} // namespace
