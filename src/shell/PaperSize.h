// The size of the whole sheet of the current printer, which bounds every length typed into the
// window: a length longer than the paper has no use on it.
#pragma once

class TForm1;

// The width and height of the whole sheet (printable extent plus the unprintable border on both
// sides), and its longer side, in millimetres; 0 without a printer.
double PaperWidthMm(const TForm1* Form);
double PaperHeightMm(const TForm1* Form);
double PaperSideMm(const TForm1* Form);
// A finite length no longer than the paper's longer side, either sign.
bool WithinPaper(const TForm1* Form, double Mm);
