#include "PrintRenderers.h"

#include "Unit1.h"

bool DrawPrintPattern(TForm1*, int Index) {
    switch (Index) {
    default:
        return false; // the paper renderers join here as they are built
    }
}
