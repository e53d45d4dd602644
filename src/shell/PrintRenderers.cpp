#include "PrintRenderers.h"

#include "Unit1.h"
#include "render/ArcArguments.h"
#include "render/Unit4.h"

bool DrawPrintPattern(TForm1*, int Index) {
    // The renderers read the main window through Form1 themselves.
    switch (Index) {
    case 0:
        PrintGraphPaper();
        return true;
    case 5:
        PrintGrid();
        return true;
    case 6: {
        const TArcArguments a = ReadArcArguments();
        PrintArc(a.Diameter, a.Divisions, a.Rings, a.CircleStyle, a.DivisionStyle);
        return true;
    }
    default:
        return false; // the paper renderers join here as they are built
    }
}
