// The print renderer of each paper kind, chosen by the paper-kind index.
#pragma once

class TForm1;

// Draws the pattern of paper kind Index (0 graph ... 7 text) on the printer's canvas of the
// running job; an index outside 0 to 7, or a kind whose renderer is not there, draws nothing.
// Errors of a renderer (a count that is not a number ...) reach the caller.
void DrawPrintPattern(TForm1* Form, int Index);
