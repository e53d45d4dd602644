// The load rule for background pictures.
#pragma once

#include "winlib/Graphics.h"

// Loads Path into Target by its lower-cased extension: ".jpg" and ".jpeg" as JPEG, ".png" as PNG,
// anything else as a Windows bitmap; an empty path loads nothing. Guarded, each load swallows
// its failure and leaves Target as the failed load left it; otherwise the error passes on.
void LoadBackgroundPicture(const AnsiString& Path, TBitmap* Target, bool Guarded);
