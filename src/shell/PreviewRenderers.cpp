#include "PreviewRenderers.h"

#include "Unit1.h"
#include "render/Unit4.h"

void DrawPreviewPattern(TForm1*, int Index) {
    // The renderers read the main window through Form1 themselves.
    switch (Index) {
    case 0:
        PreviewGraphPaper();
        break;
    case 2:
        PreviewManuscriptPaper();
        break;
    case 4:
        PreviewSlantPaper();
        break;
    default:
        break; // the paper renderers join here as they are built
    }
}
