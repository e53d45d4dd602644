// The sensible ranges of the lengths typed into the window: no longer than the paper (see
// shell/PaperSize.h), and for the pitch of a pattern of shapes at least the finest pitch.
#pragma once

#include "render/RenderConventions.h"
#include "shell/PaperSize.h"

#include <cmath>

// The pitch of grid dots, triangles, circles or manuscript cells: 0 (every shape in one place),
// or from FinestPitchMm to the paper's length, either sign.
inline bool SensiblePitch(TForm1* Form, double Mm) {
    return Mm == 0 || (WithinPaper(Form, Mm) && std::fabs(Mm) >= FinestPitchMm);
}
