// Internal to the menu files: what a TMenuItem keeps on the Qt side.
#pragma once

#include "winlib/MenuImpl.h"

#include <QPointer>

class QAction;
class QMenu;

namespace winlib {

struct MenuItemImpl {
    TMenuItem* item = nullptr;
    TMenu* menu = nullptr;     // set on the root item of a menu component
    QAction* action = nullptr; // created on first use, for an item without sub-items
    QPointer<QMenu> subMenu;   // created on first use
    std::function<void()> changed;
};

MenuItemImpl* NewMenuItemImpl(TMenuItem* item);
void DeleteMenuItemImpl(MenuItemImpl* impl);
// Brings the Qt side in line with the item after a change.
void SyncMenuItem(MenuItemImpl* impl);
// Opens the menu of root's sub-items at a screen point and returns at once.
void PopupMenuAt(TMenuItem* root, int x, int y);

} // namespace winlib
