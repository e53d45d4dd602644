// What the numeric edits of the window hold, and the sensible ranges of the lengths typed into
// them: no longer than the paper (see shell/PaperSize.h), and for the pitch of a pattern of
// shapes at least the finest pitch.
#pragma once

#include "render/RenderConventions.h"
#include "shell/PaperSize.h"

#include <cmath>

// The kind of number a numeric edit holds is its Tag. The slide input reads Tag 0 as whole
// numbers and every other Tag as decimal numbers.
enum FieldTag : int {
    WholeNumberTag = 0, // a count or a number, whole
    LengthTag = 1,      // a decimal length no longer than the paper
    PitchTag = 2,       // the pitch of a pattern of shapes: see SensiblePitch
    PositionTag = 3,    // a text item's position in whole millimetres, checked by its window
    SizeTag = 4,        // a line thickness or a dot's size: a length of 0 or more
};

// The pitch of grid dots, triangles, circles or manuscript cells: 0 (every shape in one place),
// or from FinestPitchMm to the paper's length, either sign.
inline bool SensiblePitch(TForm1* Form, double Mm) {
    return Mm == 0 || (WithinPaper(Form, Mm) && std::fabs(Mm) >= FinestPitchMm);
}
