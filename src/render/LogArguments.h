// The log paper's growth ratio that the preview rebuild and the print loop hand to its renderers.
#pragma once

// Edit10 as a decimal number, or 1.0 when it is not one (an emptied edit, a typed comma), when
// it does not fit single precision or when it is negative (intervals of alternating sign that
// soon grow past any number): the log tab leaves the text as typed.
float ReadLogRatio();
