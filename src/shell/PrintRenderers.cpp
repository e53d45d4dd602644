#include "PrintRenderers.h"

#include "Unit1.h"
#include "render/Unit4.h"

bool DrawPrintPattern(TForm1*, int Index) {
    // The renderers read the main window through Form1 themselves.
    switch (Index) {
    case 0:
        PrintGraphPaper();
        return true;
    case 7:
        PrintTextItems(Form1->TntListBox1, Form1->TextFonts, Form1->TextPositions);
        return false; // printed but not counted
    default:
        return false; // the paper renderers join here as they are built
    }
}
