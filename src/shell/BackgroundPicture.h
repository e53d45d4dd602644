// The load rule for background pictures.
#pragma once

#include "winlib/Graphics.h"

class TABitmap;

// The largest background picture kept: what the largest paper offered shows at the resolution the
// program asks of every printer. A larger picture is reduced on load, in proportion.
TPictureLimit BackgroundPictureLimit();

// Loads Path into Target by its lower-cased extension: ".jpg" and ".jpeg" as JPEG, ".png" as PNG,
// anything else as a Windows bitmap; an empty path loads nothing. A picture beyond
// BackgroundPictureLimit arrives reduced. Target receives the picture's colours as Assign would
// give them, and changes only when the whole picture was read. Guarded, a failure is swallowed;
// otherwise the error passes on.
void LoadBackgroundPicture(const AnsiString& Path, TABitmap* Target, bool Guarded);
