// Internal to the layer: how the application's hint reaches the status bars. A status bar with
// AutoHint shows the hint in its first panel (or as its simple text). The application calls
// this when its hint changes and no Application->OnHint handler takes it.
#pragma once

#include "Classes.h"

void ShowHintInStatusBars(const AnsiString& hint);
