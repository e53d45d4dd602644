#include "PreviewRenderers.h"

#include "Unit1.h"
#include "render/ArcArguments.h"
#include "render/LogArguments.h"
#include "render/Unit4.h"

void DrawPreviewPattern(TForm1*, int Index) {
    // The renderers read the main window through Form1 themselves.
    switch (Index) {
    case 0:
        PreviewGraphPaper();
        break;
    case 1:
        PreviewLogPaper(Form1->ComboBox4->ItemIndex(), static_cast<float>(Form1->LogMinX),
                        static_cast<float>(Form1->LogMinY), ReadLogRatio());
        break;
    case 2:
        PreviewManuscriptPaper();
        break;
    case 3:
        PreviewMultiLine();
        break;
    case 4:
        PreviewSlantPaper();
        break;
    case 5:
        PreviewGrid();
        break;
    case 6: {
        const TArcArguments a = ReadArcArguments();
        PreviewArc(a.Diameter, a.Divisions, a.Rings, a.CircleStyle, a.DivisionStyle);
        break;
    }
    case 7:
        PreviewTextItems(Form1->TntListBox1, Form1->TextFonts, Form1->TextPositions);
        break;
    default:
        break; // not a paper kind: nothing to draw
    }
}
