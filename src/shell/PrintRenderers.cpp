#include "PrintRenderers.h"

#include "Unit1.h"
#include "render/ArcArguments.h"
#include "render/LogArguments.h"
#include "render/Unit4.h"

bool DrawPrintPattern(TForm1*, int Index) {
    // The renderers read the main window through Form1 themselves.
    switch (Index) {
    case 0:
        PrintGraphPaper();
        return true;
    case 1:
        PrintLogPaper(Form1->ComboBox4->ItemIndex(), static_cast<float>(Form1->LogMinX),
                      static_cast<float>(Form1->LogMinY), ReadLogRatio());
        return true;
    case 2:
        PrintManuscriptPaper();
        return true;
    case 3:
        PrintMultiLine();
        return true;
    case 4:
        PrintSlantPaper();
        return true;
    case 5:
        PrintGrid();
        return true;
    case 6: {
        const TArcArguments a = ReadArcArguments();
        PrintArc(a.Diameter, a.Divisions, a.Rings, a.CircleStyle, a.DivisionStyle);
        return true;
    }
    case 7:
        PrintTextItems(Form1->TntListBox1, Form1->TextFonts, Form1->TextPositions);
        return false; // printed but not counted
    default:
        return false; // not a paper kind
    }
}
