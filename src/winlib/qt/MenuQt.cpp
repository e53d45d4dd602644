// The Qt side of menu items: one action per item, one menu per item with sub-items, filled from
// the item tree whenever it opens, and the program's owner drawing of items.
#include "AppImpl.h"
#include "winlib/MessageBoxImpl.h"
#include "CanvasImpl.h"
#include "ControlImpl.h"
#include "ImageListImpl.h"
#include "MenuItemImpl.h"

#include <QAction>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

namespace winlib {
namespace {

MenuItemImpl* ImplOf(const TMenuItem* item) {
    return item ? static_cast<MenuItemImpl*>(item->WS()) : nullptr;
}

// The item's image from its menu's list, beside the caption when the menu draws the item.
QIcon ItemIcon(const TMenuItem* item) {
    const TMenu* menu = item->GetParentMenu();
    const QImage image = ImageAt(menu ? menu->Images() : nullptr, item->ImageIndex());
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

// A canvas on the menu's painter while the program draws one item.
class MenuPainterCanvas : public TCanvasImpl {
  public:
    MenuPainterCanvas(QPainter* p, const QRect& bounds) : painter_(p), bounds_(bounds) {}
    QPainter* Painter() override { return painter_; }
    TRect Bounds() override { return TRect(0, 0, bounds_.right() + 1, bounds_.bottom() + 1); }

  private:
    QPainter* painter_;
    QRect bounds_;
};

class ItemMenu : public QMenu {
  public:
    explicit ItemMenu(TMenuItem* item) : item_(item) {
        connect(this, &QMenu::aboutToShow, this, [this] { Fill(); });
        connect(this, &QMenu::aboutToHide, this, [] { wsevents::MenuClosed(); });
    }

  protected:
    void paintEvent(QPaintEvent* e) override {
        QMenu::paintEvent(e);
        TMenu* root = item_->GetParentMenu();
        if (!root || !root->OwnerDraw()) return;
        QPainter p(this);
        for (QAction* a : actions()) {
            TMenuItem* it = ItemOfAction(a);
            if (!it || !it->OnAdvancedDrawItem || !a->isVisible()) continue;
            const QRect r = actionGeometry(a);
            if (r.isEmpty() || !e->rect().intersects(r)) continue;
            DrawItem(p, a, it, r);
        }
    }

  private:
    void Fill() {
        clear();
        for (int i = 0; i < item_->Count(); ++i) {
            TMenuItem* child = item_->Items(i);
            if (!child->Visible()) continue;
            QAction* a = ItemAction(child);
            ImplOf(child)->Changed();
            addAction(a);
        }
    }

    void DrawItem(QPainter& p, QAction* a, TMenuItem* it, const QRect& r) {
        p.save();
        p.setClipRect(r);
        // The program paints the whole item; nothing of the default look may show through.
        p.fillRect(r, palette().color(QPalette::Window));
        TCanvas canvas;
        canvas.SetImpl(std::make_unique<MenuPainterCanvas>(&p, rect()));
        uint8_t state = 0;
        if (a == activeAction()) state |= odSelected;
        if (!it->Enabled()) state |= odDisabled;
        const TRect itemRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        RunPaintGuarded(it, [&] { it->OnAdvancedDrawItem(it, &canvas, itemRect, state); });
        if (a->menu()) DrawSubMenuArrow(p, r, state);
        p.restore();
    }

    // The menu marks an item that opens a sub-menu itself, over what the program drew: an
    // arrow at the right, light on the highlight of a selected item, dark otherwise.
    void DrawSubMenuArrow(QPainter& p, const QRect& r, uint8_t state) {
        QColor c = palette().color(QPalette::Active, QPalette::WindowText);
        if (state & odDisabled)
            c = ToQColor(clGrayText);
        else if (state & odSelected)
            c = ToQColor(clHighlightText);
        const int x = r.right() - 9, cy = r.center().y();
        const QPoint arrow[] = {QPoint(x, cy - 4), QPoint(x + 4, cy), QPoint(x, cy + 4)};
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(c);
        p.setBrush(c);
        p.drawPolygon(arrow, 3);
    }

    TMenuItem* item_;
};

void OnTriggered(TMenuItem* item, QAction* a) {
    // Qt flips a checkable action before it reports the click; the mark stays the program's.
    if (a->isCheckable()) a->setChecked(item->Checked());
    wsevents::MenuItemChosen(item);
}

void ConnectHint(TMenuItem* item, QAction* a) {
    QObject::connect(a, &QAction::hovered, a, [item] { wsevents::MenuItemHighlighted(item); });
}

// Takes an action out of every menu showing it before it goes, so no menu keeps pointing at the
// item being deleted.
void Retire(QAction* a) {
    if (!a) return;
    a->disconnect();
    a->setData(QVariant());
    for (QObject* o : a->associatedObjects())
        if (auto* w = qobject_cast<QWidget*>(o)) w->removeAction(a);
    a->deleteLater();
}

} // namespace

MenuItemImpl::~MenuItemImpl() {
    Retire(action);
    if (subMenu) {
        QMenu* m = subMenu;
        Retire(m->menuAction());
        m->hide();
        m->deleteLater();
    }
}

void MenuItemImpl::Changed() {
    TMenuItem* item = Item();
    const bool separator = item->Caption() == "-";
    if (QAction* a = action) {
        a->setSeparator(separator);
        a->setText(ToQString(item->Caption()));
        a->setIcon(ItemIcon(item));
        a->setEnabled(item->Enabled());
        a->setVisible(item->Visible());
        a->setCheckable(item->Checked());
        a->setChecked(item->Checked());
    }
    if (subMenu) {
        subMenu->setTitle(ToQString(item->Caption()));
        QAction* a = subMenu->menuAction();
        a->setIcon(ItemIcon(item));
        a->setEnabled(item->Enabled());
        a->setVisible(item->Visible());
    }
    if (changed) changed();
}

void MenuItemImpl::Popup(int X, int Y) {
    if (QMenu* m = SubMenu(Item())) m->popup(QPoint(X, Y));
}

QMenu* SubMenu(TMenuItem* item) {
    MenuItemImpl* impl = ImplOf(item);
    if (!impl) return nullptr;
    if (!impl->subMenu) {
        EnsureToolkit();
        auto* m = new ItemMenu(item);
        m->menuAction()->setData(QVariant::fromValue(static_cast<void*>(item)));
        ConnectHint(item, m->menuAction());
        impl->subMenu = m;
        impl->Changed();
    }
    return impl->subMenu;
}

QAction* ItemAction(TMenuItem* item) {
    MenuItemImpl* impl = ImplOf(item);
    if (!impl) return nullptr;
    if (item->Count() > 0) return SubMenu(item)->menuAction();
    if (!impl->action) {
        EnsureToolkit();
        auto* a = new QAction(nullptr);
        a->setData(QVariant::fromValue(static_cast<void*>(item)));
        QObject::connect(a, &QAction::triggered, a, [item, a] { OnTriggered(item, a); });
        ConnectHint(item, a);
        impl->action = a;
        impl->Changed();
    }
    return impl->action;
}

void SetItemChangedHandler(TMenuItem* item, std::function<void()> f) {
    if (MenuItemImpl* impl = ImplOf(item)) impl->changed = std::move(f);
}

TMenuItem* ItemOfAction(const QAction* action) {
    if (!action) return nullptr;
    return static_cast<TMenuItem*>(action->data().value<void*>());
}

} // namespace winlib

std::unique_ptr<TWSMenuItem> ws::CreateMenuItem(TMenuItem* Item) {
    return std::make_unique<winlib::MenuItemImpl>(Item);
}
