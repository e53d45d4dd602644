// Internal to the menu files: what a TMenuItem keeps on the Qt side.
#pragma once

#include "MenuImpl.h"
#include "winlib/widgetset/WSMenus.h"

#include <QPointer>

class QAction;
class QMenu;

namespace winlib {

class MenuItemImpl : public TWSMenuItem {
  public:
    explicit MenuItemImpl(TMenuItem* item) : TWSMenuItem(item) {}
    ~MenuItemImpl() override;

    // Brings the Qt side in line with the item.
    void Changed() override;
    void Popup(int X, int Y) override;

    QAction* action = nullptr; // created on first use, for an item without sub-items
    QPointer<QMenu> subMenu;   // created on first use
    std::function<void()> changed;
};

} // namespace winlib
