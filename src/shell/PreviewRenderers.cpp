#include "PreviewRenderers.h"

#include "Unit1.h"

void DrawPreviewPattern(TForm1*, int Index) {
    switch (Index) {
    default:
        break; // the paper renderers join here as they are built
    }
}
