// The user's choices in menus, as the toolkit reports them, turned into the items' handlers and
// the application's hint.
#include "widgetset/WSMenus.h"

#include "Forms.h"

namespace wsevents {

void MenuItemChosen(TMenuItem* Item) {
    Item->Click();
}

void MenuItemHighlighted(TMenuItem* Item) {
    RunGuarded([Item] { Application->SetHint(Item->Hint()); });
}

void MenuClosed() {
    RunGuarded([] { Application->SetHint(""); });
}

} // namespace wsevents
