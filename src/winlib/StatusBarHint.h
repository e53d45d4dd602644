// Internal to the layer: how the application's hint reaches the status bars. A status bar with
// AutoHint shows the hint in its first panel (or as its simple text). The controls call this
// when the mouse enters a control and no Application->OnHint handler takes the hint.
#pragma once

#include "Classes.h"

void ShowHintInStatusBars(const AnsiString& hint);
