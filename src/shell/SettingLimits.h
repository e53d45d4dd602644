// Bounds that keep stored and typed settings within what the page and the screens can show, so
// that no value can crash, stall or hide the program.
#pragma once

#include "winlib/Classes.h"

class TForm1;

// The paper's longer side in millimetres (see PaperSize.h), A4's when the printer gives none.
double PaperLongSideMm(const TForm1* Form);

// How far the background picture may reach either way, typed or stored: ten lengths of the
// largest paper, enough to enlarge it and show a part of it, while every pixel position stays
// representable; the same on every printer, so a picture placed on A3 stays placed on A4.
double PictureReachMm(const TForm1* Form);

// The ranges of values read from the settings file at start. They bound what any printer could
// have let the user type and save, so that a start on a smaller paper (or another printer)
// changes nothing that was stored; the fields' own rules then apply as to a typed value.

// The longest side of any paper the program offers (A3's 420 mm), or of the current paper when a
// printer offers a longer one.
double LargestPaperSideMm(const TForm1* Form);

// A font size (millimetres of cell height), typed or stored, held between 1 and the largest
// paper's side: a larger font cannot be shown and only stalls drawing, and one bound for both
// means a size typed on any printer is the size the next start shows.
int FontSizeWithinLargestPaper(const TForm1* Form, int Size);

// A stored size or position of the background picture held within its reach either way; a
// value that is no finite number gives Fallback.
double StoredPictureMm(const TForm1* Form, double Mm, double Fallback);

// A stored number for a millimetre box (a margin, a spacing, a line width), held within the
// largest paper's side either way; text that is no number is left to the box's own handler.
AnsiString StoredLengthText(const TForm1* Form, const AnsiString& Text);

// A stored count (lines, groups, rings, divisions, an emphasis interval) held within the whole
// numbers a count field holds (those of int), written as a whole number when cut; a count does
// not depend on the paper. Text that is no number is left to the field's own handler, which also
// applies the count's minimum and its spin's maximum.
AnsiString StoredCountText(const AnsiString& Text);

// Window bounds shrunk and moved into the work area of the screen nearest their top-left corner.
TRect WindowWithinScreens(int Left, int Top, int Width, int Height);

// Holds the print, menu and zoom bars on the control bar, each whole where the bar is wide
// enough (the control bar itself keeps the shown ones from covering each other).
void PlaceToolBarsOnControlBar(TForm1* Form);
