// The program's windows as the X server has them under a window manager: every secondary window
// keeps its client size inside the frame, sits where it should, and the main window's tool bars
// show whole at the smallest window size and maximised.
#include "WmSupport.h"

#include "editors/Unit2.h"
#include "shell/AboutUnit.h"
#include "shell/SecondaryForms.h"
#include "shell/Unit1.h"
#include "winlib/qt/ControlImpl.h"

#include <QFontMetrics>
#include <QWidget>

#include <cstdlib>

namespace {

using namespace wm;

enum class Place { Anywhere, ScreenCentre, MainWindowCentre };

struct WindowCase {
    const char* name;
    TForm* (*form)();
    int clientWidth, clientHeight; // the X window, the border width included
    Place place;
    bool modal;
    void (*open)();
};

const WindowCase kWindows[] = {
    {"About box", []() -> TForm* { return AboutBox; }, 299, 232, Place::ScreenCentre, false,
     [] { Form1->About1Click(Form1); }},
    {"mark font window", []() -> TForm* { return Form7; }, 252, 166, Place::MainWindowCentre, true,
     [] { Form1->Button10Click(Form1->Button10); }},
    {"text-item window", []() -> TForm* { return MojiPanel; }, 241, 197, Place::Anywhere, false,
     [] { Form1->ToolButton9Click(Form1->ToolButton9); }},
    {"download window", []() -> TForm* { return Form6; }, 381, 263, Place::Anywhere, false,
     [] { Form6->Show(); }},
    // 150 x 48 inside a 2-pixel border of its own.
    {"slide input", []() -> TForm* { return Form2; }, 154, 52, Place::Anywhere, false,
     [] { Form1->Edit16DblClick(Form1->eDotX); }},
};

// Where the frame belongs, or nothing to check.
bool PlacedRight(Place place, const XRect& frame) {
    XRect area;
    switch (place) {
    case Place::Anywhere:
        return true;
    case Place::ScreenCentre:
        area = ScreenRect();
        break;
    case Place::MainWindowCentre:
        area = FrameGeometry(WindowOf(Form1));
        break;
    }
    // Centred to the pixel, allowing for the half pixel of an odd difference.
    return std::abs(2 * frame.x + frame.width - (2 * area.x + area.width)) <= 1 &&
           std::abs(2 * frame.y + frame.height - (2 * area.y + area.height)) <= 1;
}

class WmWindows : public WmTest {};

// Shown twice: the second showing must not shrink or move the window either.
TEST_F(WmWindows, EverySecondaryWindowKeepsItsClientSizeAndPlaceInsideTheFrame) {
    for (const WindowCase& w : kWindows) {
        SCOPED_TRACE(w.name);
        TForm* form = w.form();
        for (int showing = 1; showing <= 2; ++showing) {
            SCOPED_TRACE("showing " + std::to_string(showing));
            auto check = [&] {
                ASSERT_TRUE(WaitShownAndActive(form));
                const Window x = WindowOf(form);
                XRect client, frame;
                // Until the window has settled, and the program has seen the frame it lives in: a
                // size right only until the program reacts to the frame must not pass.
                const bool settled = WaitUntil([&] {
                    client = ClientGeometry(x);
                    frame = FrameGeometry(x);
                    const bool seen = frame == client || frame == XRect{form->Left(), form->Top(),
                                                                        form->Width(), form->Height()};
                    return seen && client.width == w.clientWidth && client.height == w.clientHeight &&
                           PlacedRight(w.place, frame);
                });
                EXPECT_TRUE(settled) << "client " << client << ", frame " << frame << ", the form's bounds "
                                     << XRect{form->Left(), form->Top(), form->Width(), form->Height()};
                EXPECT_EQ(client.width, w.clientWidth);
                EXPECT_EQ(client.height, w.clientHeight);
                EXPECT_TRUE(PlacedRight(w.place, frame))
                    << "frame " << frame << ", the main window's frame " << FrameGeometry(WindowOf(Form1))
                    << ", its bounds " << XRect{Form1->Left(), Form1->Top(), Form1->Width(), Form1->Height()};
                // The frame holds the client whole.
                EXPECT_LE(frame.x, client.x);
                EXPECT_LE(frame.y, client.y);
                EXPECT_GE(frame.Right(), client.Right());
                EXPECT_GE(frame.Bottom(), client.Bottom());
            };
            if (w.modal)
                WhileModal(form, w.open, check);
            else
                w.open();
            if (!w.modal) check();
            form->Hide();
            ASSERT_TRUE(WaitHidden(form));
            ASSERT_TRUE(WaitShownAndActive(Form1));
        }
    }
}

// A dialog border cannot be dragged and the window cannot be maximised: the window manager keeps
// the client size when asked for another one. (It does move the window, which tells that it has
// dealt with the request.)
TEST_F(WmWindows, DialogsKeepTheirSizeWhenAPersonTriesToChangeIt) {
    for (const WindowCase& w : kWindows) {
        if (w.form() != AboutBox && w.form() != Form7) continue;
        SCOPED_TRACE(w.name);
        TForm* form = w.form();
        auto attempt = [&] {
            ASSERT_TRUE(WaitShownAndActive(form));
            const Window x = WindowOf(form);
            const XRect before = ClientGeometry(x);
            AskToMaximise(x);
            AskToMoveAndResize(x,
                               XRect{before.x - 30, before.y - 20, before.width + 200, before.height + 150});
            XRect now;
            EXPECT_TRUE(WaitUntil([&] {
                now = ClientGeometry(x);
                return now.x != before.x || now.y != before.y;
            })) << "the window manager did not move the window: "
                << now;
            EXPECT_EQ(now.width, w.clientWidth);
            EXPECT_EQ(now.height, w.clientHeight);
            EXPECT_FALSE(Maximised(x));
            EXPECT_EQ(form->ClientWidth(), w.clientWidth);
            EXPECT_EQ(form->ClientHeight(), w.clientHeight);
        };
        if (w.modal)
            WhileModal(form, w.open, attempt);
        else {
            w.open();
            attempt();
        }
        form->Hide();
        ASSERT_TRUE(WaitHidden(form));
        ASSERT_TRUE(WaitShownAndActive(Form1));
    }
}

TEST_F(WmWindows, SlideInputOpensRightBelowItsEdit) {
    TEdit* edit = Form1->eMmX;
    DoubleClickControl(edit);
    ASSERT_TRUE(WaitShownAndActive(Form2));
    const TPoint corner = OnScreen(edit, 0, 0);
    XRect slide;
    EXPECT_TRUE(WaitUntil([&] {
        slide = ClientGeometry(WindowOf(Form2));
        return slide.x == corner.x && slide.y == corner.y + edit->Height();
    })) << "slide input at "
        << slide << ", edit at " << corner.x << "," << corner.y << " height " << edit->Height();
}

// The bands of the control bar as drawn: each tool bar's widget in the main window.
struct Band {
    TToolBar* bar;
    XRect rect; // in the main window's client
};

XRect InWindow(TControl* c) {
    QWidget* w = c->Impl()->Widget();
    const QPoint p = w->mapTo(w->window(), QPoint(0, 0));
    return XRect{p.x(), p.y(), w->width(), w->height()};
}

void ExpectBandsWhole(int clientWidth) {
    std::vector<Band> bands;
    for (TToolBar* b :
         {Form1->ToolBar1, Form1->ToolBar2, Form1->ToolBar3, Form1->ToolBar4, Form1->DebugToolBar})
        if (b->Visible()) bands.push_back(Band{b, InWindow(b)});
    ASSERT_EQ(bands.size(), 3u) << "the print, menu and zoom bars";
    for (const Band& b : bands) {
        SCOPED_TRACE(b.bar->Name());
        EXPECT_GE(b.rect.x, 0);
        EXPECT_LE(b.rect.Right(), clientWidth) << b.rect;
        for (const Band& other : bands) {
            if (&other == &b) continue;
            EXPECT_TRUE(b.rect.Right() <= other.rect.x || other.rect.Right() <= b.rect.x ||
                        b.rect.Bottom() <= other.rect.y || other.rect.Bottom() <= b.rect.y)
                << b.rect << " covers " << other.bar->Name() << " " << other.rect;
        }
        // Every caption fits its button, and every button lies inside its bar.
        for (int i = 0; i < b.bar->ControlCount(); ++i) {
            auto* button = dynamic_cast<TToolButton*>(b.bar->Controls(i));
            if (!button || !button->Visible()) continue;
            QWidget* bw = button->Impl()->Widget();
            QString caption = QString::fromUtf8(button->Caption().c_str());
            caption.remove(QLatin1Char('&'));
            const XRect r = InWindow(button);
            EXPECT_GE(r.width, QFontMetrics(bw->font()).horizontalAdvance(caption)) << button->Caption();
            EXPECT_GE(r.x, b.rect.x) << button->Caption();
            EXPECT_LE(r.Right(), b.rect.Right()) << button->Caption();
        }
    }
    // The menu bar shows all four menus.
    int menus = 0;
    for (int i = 0; i < Form1->ToolBar2->ControlCount(); ++i)
        menus += Form1->ToolBar2->Controls(i)->Visible();
    EXPECT_EQ(menus, 4);
}

TEST_F(WmWindows, ToolBarsShowWholeAtTheSmallestSizeAndMaximised) {
    const Window main = WindowOf(Form1);
    ASSERT_TRUE(main);
    // The smallest size the window takes.
    Form1->SetBounds(0, 0, 100, 100);
    XRect client;
    ASSERT_TRUE(WaitUntil([&] {
        client = ClientGeometry(main);
        return client.width == 800 && client.height == 600 && Form1->ClientWidth() == 800;
    })) << client;
    ExpectBandsWhole(client.width);

    Form1->SetWindowState(wsMaximized);
    ASSERT_TRUE(WaitUntil([&] {
        client = ClientGeometry(main);
        return Maximised(main) && client.width > 800 && Form1->ClientWidth() == client.width;
    })) << client;
    EXPECT_LE(client.width, ScreenRect().width);
    ExpectBandsWhole(client.width);
}

} // namespace
