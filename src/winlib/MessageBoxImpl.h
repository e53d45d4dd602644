// Internal to the layer: the message boxes behind ShowMessage, MessageBox and the exception box.
#pragma once

#include "Classes.h"

namespace winlib {

// The application's exception box. Never throws: it is called from the guards around handlers.
void ShowExceptionBox(const AnsiString& Caption, const AnsiString& Text) noexcept;

} // namespace winlib
