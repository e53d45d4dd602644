// The print renderer of each paper kind, chosen by the paper-kind index.
#pragma once

class TForm1;

// Draws the pattern of paper kind Index on the printer's canvas. Returns true when a renderer
// ran for a kind that is counted (0 to 6); an index outside 0 to 7 draws nothing.
bool DrawPrintPattern(TForm1* Form, int Index);
