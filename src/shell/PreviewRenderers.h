// The preview renderer of each paper kind, chosen by the paper-kind index.
#pragma once

class TForm1;

// Draws the pattern of paper kind Index (0 graph ... 7 text) into the preview bitmap;
// an index outside 0 to 7, or a kind whose renderer is not there, draws nothing.
void DrawPreviewPattern(TForm1* Form, int Index);
