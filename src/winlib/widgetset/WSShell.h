// Internal to the layer: handing an address to the desktop.
#pragma once

#include "winlib/Classes.h"

namespace ws {

// Opens a web or "mailto:" address with the user's own program; false when the address is not
// valid or the desktop refused it.
bool OpenAddress(const AnsiString& Address);

} // namespace ws
