// Menu items, their Qt menus, owner drawing, pop-up menus and actions.
#include "test_forms_support.h"

#include "winlib/qt/MenuImpl.h"
#include "winlib/SysUtils.h"

#include <QAction>
#include <QImage>
#include <QMenu>

namespace {

class Menus : public WinlibTest {};

TMenuItem* AddItem(TMenu& menu, TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

std::string VisibleCaptions(QMenu* m) {
    QStringList out;
    for (QAction* a : m->actions())
        if (a->isVisible()) out << (a->isSeparator() ? QString("-") : a->text());
    return out.join(" | ").toStdString();
}

void Open(QMenu* m) {
    m->popup(QPoint(10, 10));
    Application->ProcessMessages();
}

TEST_F(Menus, ChoosingAnItemRunsOnClickAndNeverTogglesItsCheckMark) {
    for (bool checked : {false, true}) {
        SCOPED_TRACE(checked ? "checked" : "unchecked");
        TMainMenu menu(nullptr);
        TMenuItem* item = AddItem(menu, menu.Items(), "余白のライン");
        item->SetChecked(checked);
        int clicks = 0;
        bool markDuringClick = !checked;
        item->OnClick = [&](TObject* sender) {
            EXPECT_EQ(sender, item);
            ++clicks;
            markDuringClick = item->Checked();
        };
        QAction* a = winlib::ItemAction(item);
        a->trigger();
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(markDuringClick, checked);
        EXPECT_EQ(item->Checked(), checked);
        EXPECT_EQ(a->isChecked(), checked);
    }
}

TEST_F(Menus, AHandlerThatTogglesTheMarkTogglesItOnce) {
    TMainMenu menu(nullptr);
    TMenuItem* item = AddItem(menu, menu.Items(), "クリティカルフォーカス");
    item->SetChecked(true);
    item->OnClick = [&](TObject*) { item->SetChecked(!item->Checked()); };
    winlib::ItemAction(item)->trigger();
    EXPECT_FALSE(item->Checked());
    EXPECT_FALSE(winlib::ItemAction(item)->isChecked());
    winlib::ItemAction(item)->trigger();
    EXPECT_TRUE(item->Checked());
}

TEST_F(Menus, DisabledItemRunsNothing) {
    TMainMenu menu(nullptr);
    TMenuItem* item = AddItem(menu, menu.Items(), "印刷");
    int clicks = 0;
    item->OnClick = [&](TObject*) { ++clicks; };
    item->SetEnabled(false);
    item->Click();
    winlib::ItemAction(item)->trigger();
    EXPECT_EQ(clicks, 0);
}

TEST_F(Menus, ExceptionInOnClickIsShownAndDoesNotEscape) {
    TMainMenu menu(nullptr);
    TMenuItem* item = AddItem(menu, menu.Items(), "線の色");
    item->OnClick = [](TObject*) { throw EConvertError("'a' is not a valid floating point value"); };
    winlib::ItemAction(item)->trigger();
    ASSERT_EQ(CountShown(ShownMessageKind::Exception), 1);
    EXPECT_EQ(ShownMessages()[0].Text, "'a' is not a valid floating point value");
}

TEST_F(Menus, SubMenuShowsTheTreeAsItIsWhenItOpens) {
    TMainMenu menu(nullptr);
    TMenuItem* file = AddItem(menu, menu.Items(), "ファイル(&F)");
    AddItem(menu, file, "印刷(&P)");
    TMenuItem* sep = AddItem(menu, file, "-");
    TMenuItem* info = AddItem(menu, file, "プリンタ情報(&I)");
    info->SetVisible(false);
    sep->SetVisible(false);
    TMenuItem* exit = AddItem(menu, file, "終了(&X)");
    QMenu* m = winlib::SubMenu(file);
    Open(m);
    EXPECT_EQ(VisibleCaptions(m), "印刷(&P) | 終了(&X)");
    m->hide();

    exit->SetCaption("閉じる(&X)");
    sep->SetVisible(true);
    TMenuItem* skin = AddItem(menu, file, "スキン(&K)");
    AddItem(menu, skin, "標準(&0)");
    Open(m);
    EXPECT_EQ(VisibleCaptions(m), "印刷(&P) | - | 閉じる(&X) | スキン(&K)");
    // An item with sub-items opens its own menu.
    QAction* skinAction = m->actions().last();
    ASSERT_NE(skinAction->menu(), nullptr);
    EXPECT_EQ(skinAction->menu(), winlib::SubMenu(skin));
    m->hide();
}

TEST_F(Menus, DeletingAnItemTakesItOutOfAnOpenMenu) {
    TPopupMenu menu(nullptr);
    TMenuItem* a = AddItem(menu, menu.Items(), "    Printer A");
    AddItem(menu, menu.Items(), "    Printer B");
    QMenu* m = winlib::SubMenu(menu.Items());
    Open(m);
    ASSERT_EQ(m->actions().size(), 2);
    delete a;
    EXPECT_EQ(menu.Items()->Count(), 1);
    EXPECT_EQ(VisibleCaptions(m), "    Printer B");
    for (QAction* act : m->actions())
        EXPECT_NE(winlib::ItemOfAction(act), nullptr);
    m->hide();
}

TEST_F(Menus, AddingAnItemIntoItselfIsRefused) {
    TMainMenu menu(nullptr);
    TMenuItem* top = AddItem(menu, menu.Items(), "設定(&S)");
    TMenuItem* child = AddItem(menu, top, "スキン");
    EXPECT_THROW(child->Add(top), Exception);
    EXPECT_THROW(top->Add(top), Exception);
    // Moving an item to another parent takes it from the first.
    TMenuItem* other = AddItem(menu, menu.Items(), "ヘルプ(&H)");
    other->Add(child);
    EXPECT_EQ(top->Count(), 0);
    EXPECT_EQ(child->Parent(), other);
}

TEST_F(Menus, HoveringAnItemPutsItsHintIntoTheApplication) {
    TPopupMenu menu(nullptr);
    TMenuItem* item = AddItem(menu, menu.Items(), "    Office");
    item->SetHint("Office");
    Application->SetHint("");
    winlib::ItemAction(item)->hover();
    EXPECT_EQ(Application->Hint(), "Office");
    Application->SetHint("");
}

TEST_F(Menus, PopupRecordsItsPointAndOpensAtOnce) {
    TPopupMenu menu(nullptr);
    AddItem(menu, menu.Items(), "    Printer A");
    menu.Popup(300, 200);
    menu.Popup(310, 220);
    EXPECT_EQ(menu.PopupCount(), 2);
    EXPECT_EQ(menu.LastPopupPoint(), TPoint(310, 220));
    QMenu* m = winlib::SubMenu(menu.Items());
    EXPECT_TRUE(m->isVisible());
    m->hide();
}

TEST_F(Menus, OwnerDrawnMenuLetsTheProgramPaintItsItems) {
    TPopupMenu menu(nullptr);
    TMenuItem* plain = AddItem(menu, menu.Items(), "    Printer A");
    TMenuItem* drawn = AddItem(menu, menu.Items(), "    Printer B");
    std::vector<TRect> rects;
    drawn->OnAdvancedDrawItem = [&](TObject* sender, TCanvas* canvas, const TRect& r, uint8_t state) {
        EXPECT_EQ(sender, drawn);
        EXPECT_EQ(state & odDisabled, 0);
        rects.push_back(r);
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(r);
    };
    QMenu* m = winlib::SubMenu(menu.Items());
    Open(m);
    m->grab(); // not owner-drawn yet: the library draws
    EXPECT_TRUE(rects.empty());

    menu.SetOwnerDraw(true);
    const QImage shot = m->grab().toImage();
    ASSERT_FALSE(rects.empty());
    const TRect r = rects.back();
    QAction* drawnAction = winlib::ItemAction(drawn);
    const QRect g = m->actionGeometry(drawnAction);
    EXPECT_EQ(r, TRect(g.left(), g.top(), g.right() + 1, g.bottom() + 1));
    const qreal dpr = shot.devicePixelRatio();
    EXPECT_EQ(shot.pixelColor(QPoint(g.center().x() * dpr, g.center().y() * dpr)), QColor(Qt::red));
    // The item without a handler keeps the library's drawing.
    const QRect gp = m->actionGeometry(winlib::ItemAction(plain));
    EXPECT_NE(shot.pixelColor(QPoint(gp.center().x() * dpr, gp.center().y() * dpr)), QColor(Qt::red));
    m->hide();
}

TEST_F(Menus, ActionExecuteRunsItsHandler) {
    TAction action(nullptr);
    EXPECT_FALSE(action.Execute());
    int runs = 0;
    action.OnExecute = [&](TObject* sender) {
        EXPECT_EQ(sender, &action);
        ++runs;
    };
    EXPECT_TRUE(action.Execute());
    EXPECT_EQ(runs, 1);
}

} // namespace
