// The text page's free text items: item I is line I of the main window's list, with its position
// at TextPositions[I] and its font at TextFonts.Font(I).
#pragma once

#include "winlib/Classes.h"

class TForm1;

// The position of item I in whole millimetres; EListError when there is no such entry.
TPoint& TextItemPosition(TForm1* Form, int I);

// How far from the sheet's top-left corner a text item may be placed, either way: three times
// the sheet's longer side (891 mm on A4), in whole millimetres. Far enough to park an item off
// the page, near enough that every position stays a small number on any surface.
inline constexpr int TextItemReachInSheets = 3;
bool WithinTextItemReach(const TForm1* Form, int Mm);
