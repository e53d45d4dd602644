// The text page's free text items: item I is line I of the main window's list, with its position
// at TextPositions[I] and its font at TextFonts.Font(I).
#pragma once

#include "winlib/Classes.h"

class TForm1;

// The position of item I in whole millimetres; EListError when there is no such entry.
TPoint& TextItemPosition(TForm1* Form, int I);
