// Bounds, alignment, visibility, scrolling, mouse routing and hints.
#include "test_controls_support.h"

#include "winlib/ComCtrls.h"

#include <QMouseEvent>

#include <memory>

namespace {

class ControlLayout : public ControlsTest {};

TEST_F(ControlLayout, AlignedChildrenShareTheClientInOrder) {
    TPanel p(nullptr);
    p.SetParent(host);
    p.SetBevelOuter(bvNone);
    p.SetBounds(0, 0, 200, 100);
    TPanel top(nullptr), bottom(nullptr), left(nullptr), client(nullptr), top2(nullptr);
    struct Case {
        TPanel* c;
        TAlign a;
        int size;
        TRect expected;
    };
    std::vector<Case> cases{{&top, alTop, 10, {0, 0, 200, 10}},
                            {&bottom, alBottom, 20, {0, 80, 200, 100}},
                            {&left, alLeft, 30, {0, 15, 30, 80}},
                            {&client, alClient, 0, {30, 15, 200, 80}},
                            {&top2, alTop, 5, {0, 10, 200, 15}}};
    for (Case& c : cases) {
        c.c->SetBounds(0, 0, c.size, c.size);
        c.c->SetParent(&p);
        c.c->SetAlign(c.a);
    }
    for (Case& c : cases)
        EXPECT_EQ(TRect(c.c->Left(), c.c->Top(), c.c->Left() + c.c->Width(), c.c->Top() + c.c->Height()),
                  c.expected)
            << c.a;
    p.SetHeight(200); // a resize lays them out again
    EXPECT_EQ(bottom.Top(), 180);
    EXPECT_EQ(client.Height(), 165);
}

TEST_F(ControlLayout, ResizeRunsOnResizeOnceForARealChange) {
    TPanel p(nullptr);
    p.SetParent(host);
    int resizes = 0;
    p.OnResize = [&](TObject*) { ++resizes; };
    p.SetBounds(5, 5, 100, 50);
    p.SetBounds(5, 5, 100, 50);
    p.SetLeft(9);
    EXPECT_EQ(resizes, 1);
    ASSERT_TRUE(Settle()); // the toolkit's own resize events bring nothing new
    EXPECT_EQ(resizes, 1);
}

TEST_F(ControlLayout, VisibilitySetBeforeShowingTakesEffectWhenShown) {
    auto root = std::make_unique<TPanel>(nullptr);
    TEdit shown(nullptr), hidden(nullptr);
    shown.SetParent(root.get());
    hidden.SetParent(root.get());
    hidden.SetVisible(false);
    EXPECT_TRUE(shown.Visible());
    EXPECT_FALSE(hidden.Visible());
    root->Impl()->Widget()->show();
    EXPECT_TRUE(shown.Impl()->Widget()->isVisible());
    EXPECT_FALSE(hidden.Impl()->Widget()->isVisible());
    hidden.SetParent(host); // moving keeps the flag
    EXPECT_FALSE(hidden.Impl()->Widget()->isVisible());
}

TEST_F(ControlLayout, FocusNeedsAVisibleEnabledChain) {
    TPanel p(nullptr);
    p.SetParent(host);
    TEdit e(nullptr);
    e.SetParent(&p);
    EXPECT_TRUE(e.CanFocus());
    p.SetVisible(false);
    EXPECT_FALSE(e.CanFocus());
    EXPECT_THROW(e.SetFocus(), EInvalidOperation);
    p.SetVisible(true);
    e.SetEnabled(false);
    EXPECT_THROW(e.SetFocus(), EInvalidOperation);
}

TEST_F(ControlLayout, ParentCycleIsRefused) {
    TPanel a(nullptr), b(nullptr);
    b.SetParent(&a);
    EXPECT_THROW(a.SetParent(&b), EInvalidOperation);
    EXPECT_EQ(a.Parent(), nullptr);
}

TEST_F(ControlLayout, DestroyingAParentFirstLeavesChildrenUsable) {
    auto* parent = new TPanel(nullptr);
    TEdit child(nullptr);
    child.SetParent(parent);
    delete parent;
    EXPECT_EQ(child.Parent(), nullptr);
    child.SetText("still here");
    EXPECT_EQ(child.Text(), "still here");
}

TEST_F(ControlLayout, OwnerDestroysChildrenAfterTheParent) {
    // A form owns its controls; the owner deletes them after its own window went.
    auto* owner = new TPanel(nullptr);
    auto* inner = new TPanel(owner);
    inner->SetParent(owner);
    auto* edit = new TEdit(owner);
    edit->SetParent(inner);
    edit->SetText("x");
    EXPECT_NO_FATAL_FAILURE(delete owner);
}

TEST_F(ControlLayout, ScrollBoxPositionsClampAndMoveChildren) {
    TScrollBox box(nullptr);
    box.SetParent(host);
    box.SetAutoScroll(false);
    box.SetBounds(0, 0, 200, 150);
    TPaintBox pb(nullptr);
    pb.SetParent(&box);
    pb.SetBounds(15, 15, 400, 300);
    box.SetHorzRange(430);
    box.SetVertRange(330);
    box.SetVertPosition(1000);
    int maxV = 330 - box.ClientHeight();
    EXPECT_EQ(box.VertPosition(), maxV);
    EXPECT_LT(box.ClientWidth(), 200); // the vertical bar takes its part
    EXPECT_EQ(pb.Top(), 15 - maxV);    // positions are relative to what is seen
    box.SetVertPosition(-4);
    EXPECT_EQ(box.VertPosition(), 0);
    EXPECT_EQ(pb.Top(), 15);
    box.SetHorzPosition(20);
    pb.SetLeft(15); // placed relative to the view, so it moves on the content
    box.SetHorzPosition(0);
    EXPECT_EQ(pb.Left(), 35);
}

TEST_F(ControlLayout, WheelGoesToTheHandlerWithoutScrollingByItself) {
    TScrollBox box(nullptr);
    box.SetParent(host);
    box.SetBounds(0, 0, 100, 100);
    box.SetAutoScroll(false);
    box.SetVertRange(500);
    int delta = 0;
    box.OnMouseWheel = [&](TObject*, TShiftState, int d, TPoint, bool&) { delta = d; };
    QWidget* w = box.Impl()->Widget();
    QWheelEvent ev(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &ev);
    EXPECT_EQ(delta, -120);
    EXPECT_EQ(box.VertPosition(), 0);
}

void SendClick(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QPointF g = w->mapToGlobal(QPointF(p));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(p), g, b, b, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(p), g, b, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

TEST_F(ControlLayout, MouseEventsBelongToTheControlUnderThePointer) {
    TPanel panel(nullptr);
    panel.SetParent(host);
    panel.SetBounds(0, 0, 200, 200);
    TLabel label(nullptr);
    label.SetParent(&panel);
    label.SetCaption("link");
    label.SetLeft(50);
    label.SetTop(40);
    std::vector<std::string> log;
    panel.OnClick = [&](TObject*) { log.push_back("panel click"); };
    panel.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        log.push_back("panel down " + std::to_string(x) + "," + std::to_string(y));
    };
    label.OnClick = [&](TObject*) { log.push_back("label click"); };
    label.OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
        log.push_back(std::string(b == mbRight ? "label right " : "label down ") + std::to_string(x) + "," +
                      std::to_string(y));
    };
    SendClick(label.Impl()->Widget(), QPoint(2, 3));
    SendClick(label.Impl()->Widget(), QPoint(2, 3), Qt::RightButton);
    SendClick(panel.Impl()->Widget(), QPoint(150, 150));
    EXPECT_EQ(log, (std::vector<std::string>{"label down 2,3", "label click", "label right 2,3",
                                             "panel down 150,150", "panel click"}));
}

TEST_F(ControlLayout, HintOfTheControlUnderTheMouseReachesTheStatusBar) {
    TStatusBar bar(nullptr);
    bar.SetParent(host);
    bar.AddPanel()->Width = 200;
    bar.AddPanel();
    TPanel group(nullptr);
    group.SetParent(host);
    group.SetHint("short|the long hint");
    TEdit inner(nullptr);
    inner.SetParent(&group);
    auto savedOnHint = Application->OnHint;
    Application->OnHint = nullptr;
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(inner.Impl()->Widget(), &enter); // no hint of its own: the parent's
    EXPECT_EQ(Application->Hint(), "the long hint");
    EXPECT_EQ(bar.Panels(0)->Text, "the long hint");
    bar.SetSimplePanel(true);
    inner.SetHint("own");
    QApplication::sendEvent(inner.Impl()->Widget(), &enter);
    EXPECT_EQ(bar.SimpleText(), "own");
    int hints = 0;
    Application->OnHint = [&](TObject*) { ++hints; };
    group.SetHint("");
    inner.SetHint("");
    QApplication::sendEvent(inner.Impl()->Widget(), &enter);
    EXPECT_EQ(hints, 1);
    EXPECT_EQ(bar.SimpleText(), "own"); // an OnHint handler takes the hint instead
    Application->OnHint = savedOnHint;
    Application->SetHint("");
}

TEST_F(ControlLayout, ToolButtonRunsItsActionElseOnClick) {
    TToolBar bar(nullptr);
    bar.SetParent(host);
    bar.SetShowCaptions(true);
    TToolButton plain(nullptr), bound(nullptr);
    plain.SetParent(&bar);
    bound.SetParent(&bar);
    plain.SetCaption("Plain");
    TAction action(nullptr);
    action.SetCaption("Print");
    std::vector<std::string> log;
    action.OnExecute = [&](TObject*) { log.push_back("action"); };
    plain.OnClick = [&](TObject*) { log.push_back("plain"); };
    bound.OnClick = [&](TObject*) { log.push_back("not this"); };
    bound.SetAction(&action);
    plain.Click();
    bound.Click();
    EXPECT_EQ(log, (std::vector<std::string>{"plain", "action"}));
    EXPECT_EQ(bound.Caption(), "Print");
    ASSERT_EQ(bar.ButtonCount(), 2);
    EXPECT_EQ(bound.Left(), plain.Left() + plain.Width()); // buttons in a row, in order
}

TEST_F(ControlLayout, ToolBarShowsTheMenusTopLevelItems) {
    TMainMenu menu(nullptr);
    auto* file = new TMenuItem(&menu);
    file->SetCaption("File(&F)");
    auto* open = new TMenuItem(&menu);
    open->SetCaption("Open");
    file->Add(open);
    auto* help = new TMenuItem(&menu);
    help->SetCaption("Help(&H)");
    menu.Items()->Add(file);
    menu.Items()->Add(help);
    TToolBar bar(nullptr);
    bar.SetParent(host);
    bar.SetShowCaptions(true);
    bar.SetMenu(&menu);
    ASSERT_EQ(bar.ButtonCount(), 2);
    EXPECT_EQ(bar.Buttons(0)->Caption(), "File(&F)");
    EXPECT_EQ(bar.Buttons(1)->Caption(), "Help(&H)");
    help->SetCaption("Info(&I)");
    EXPECT_EQ(bar.Buttons(1)->Caption(), "Info(&I)");
}

} // namespace
