// Internal to the layer: the drawings controls keep on their parent's surface
// (TControl::SetParentOverlay). The layer keeps the list of each parent's drawings; the toolkit's
// side paints them after the parent's own painting and reports when the program hid the surface.
#pragma once

#include "winlib/Controls.h"

#include <vector>

// One control's drawing on its parent's surface.
struct TParentOverlay {
    TControl* Control;
    TParentPaintEvent Paint;
};

// The drawings on Parent's surface, in the order they were set.
std::vector<TParentOverlay> ParentOverlaysOf(const TWinControl* Parent);

namespace ws {
// A drawing on Parent's surface was set, replaced or taken away: the surface repaints with the
// drawings as they are now.
void ParentOverlaysChanged(TWinControl* Parent);
} // namespace ws

namespace wsevents {
// The program hid Parent's surface (its window or page): what was drawn on it is gone.
void ParentSurfaceHidden(TWinControl* Parent);
} // namespace wsevents
