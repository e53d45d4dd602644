// Bounds that keep stored and typed settings within what the page and the screens can show, so
// that no value can crash, stall or hide the program.
#pragma once

#include "winlib/Classes.h"

class TForm1;

// The paper's longer side in millimetres (see PaperSize.h), A4's when the printer gives none.
double PaperLongSideMm(const TForm1* Form);

// A font size (millimetres of cell height) held between 1 and the paper's longer side.
int FontSizeWithinPaper(const TForm1* Form, int Size);

// How far the background picture may reach either way: ten paper lengths, enough to enlarge it
// and show a part of it, while every pixel position stays representable.
double PictureReachMm(const TForm1* Form);

// A size or position of the background picture held within its reach either way; a value that
// is no finite number gives Fallback.
double PictureMmWithinReach(const TForm1* Form, double Mm, double Fallback);

// A stored number for a millimetre box (a margin, a spacing, a line width), held within the
// paper's longer side either way; text that is no number is left to the box's own handler.
AnsiString MillimetreTextWithinPaper(const TForm1* Form, const AnsiString& Text);

// A stored count (lines, groups, rings, divisions) held within one to the millimetre of the
// paper's longer side either way; text that is no number is left to the box's own handler.
AnsiString CountTextWithinPaper(const TForm1* Form, const AnsiString& Text);

// Window bounds shrunk and moved into the work area of the screen nearest their top-left corner.
TRect WindowWithinScreens(int Left, int Top, int Width, int Height);

// Holds the print, menu and zoom bars on the control bar, each whole where the bar is wide
// enough (the control bar itself keeps the shown ones from covering each other).
void PlaceToolBarsOnControlBar(TForm1* Form);
