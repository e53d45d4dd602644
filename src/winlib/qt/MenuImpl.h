// Internal to the Qt side of the layer: the Qt side of menu items, for the menus themselves and
// for the tool bar that shows a main menu's top-level items as buttons.
#pragma once

#include "winlib/Menus.h"

#include <functional>

class QAction;
class QMenu;

namespace winlib {

// The menu that lists the item's visible sub-items. It is filled afresh from the item tree each
// time it is about to open, so items added, hidden or re-captioned later show as they are now.
// Owned by the item. A tool bar button opens a top-level item with SubMenu(item)->popup(...)
// or QToolButton::setMenu(SubMenu(item)).
QMenu* SubMenu(TMenuItem* item);

// The action standing for the item inside its parent's menu: the sub-menu's own action when the
// item has sub-items. Triggering it runs the item's OnClick under the exception guard; the
// check mark never changes by itself.
QAction* ItemAction(TMenuItem* item);

// Runs f after the item's caption, visibility, enabling or check mark changed (a tool bar
// button showing the item follows it). One handler per item; an empty function removes it.
void SetItemChangedHandler(TMenuItem* item, std::function<void()> f);

// The item an action of SubMenu() stands for, or null.
TMenuItem* ItemOfAction(const QAction* action);

} // namespace winlib
