// Actions: one handler shared by the tool buttons and menu items that stand for a command.
#include "Menus.h"

bool TAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}
