// Room for every caption of a window in the font the system really draws it with.
#pragma once

class TWinControl;

// Where a label's text runs under the control placed beside it on its row, the row's controls
// move right until the text is clear of them; where the parent has no room for that, they move
// down to a line of their own under the caption, and everything below them in the parent with
// them. Runs through Parent and all the controls inside it.
void FitCaptions(TWinControl* Parent);
