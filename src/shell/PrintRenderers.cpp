#include "PrintRenderers.h"

#include "Unit1.h"
#include "render/Unit4.h"

bool DrawPrintPattern(TForm1*, int Index) {
    // The renderers read the main window through Form1 themselves.
    switch (Index) {
    case 0:
        PrintGraphPaper();
        return true;
    case 2:
        PrintManuscriptPaper();
        return true;
    case 4:
        PrintSlantPaper();
        return true;
    default:
        return false; // the paper renderers join here as they are built
    }
}
