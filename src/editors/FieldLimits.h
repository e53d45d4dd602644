// The sensible ranges of the lengths typed into the window. A length in millimetres is sensible
// when it is no longer than the paper; the pitches of patterns that fill the page with shapes
// (grid dots, triangles, circles, manuscript cells) are also at least 1 mm unless they are 0,
// as the graph paper's cells are: finer patterns are a solid grey on paper and would take
// millions of shapes to draw.
#pragma once

class TForm1;

// The width and height of the whole sheet of the current printer, and its longer side, in
// millimetres.
double PaperWidthMm(TForm1* Form);
double PaperHeightMm(TForm1* Form);
double PaperSideMm(TForm1* Form);
// |Mm| no larger than the paper's longer side.
bool WithinPaper(TForm1* Form, double Mm);
// 0, or at least 1 mm and within the paper, either sign.
bool SensiblePitch(TForm1* Form, double Mm);
// The smallest pitch a pattern is drawn with, in millimetres.
inline constexpr double MinimumPitchMm = 1.0;
