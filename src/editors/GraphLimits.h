// The graph paper's limits against the printable area: how many cells of a size fit, and how
// large a cell may be for a count. The count and size handlers, the margin handler and the
// printer refresh all ask here, so they agree and none of them overflows.
#pragma once

#include <optional>

// Cells of CellMm millimetres that fit into Drawable printer pixels at PxPerMm: the two-digit
// value of the quotient, truncated toward zero. Never below 0 (margins that take the whole sheet
// leave room for none) and at most 1e18 (cells of a few nanometres); none at all for a cell of 0
// or less, which has no count.
std::optional<long long> CellsThatFit(int Drawable, double PxPerMm, double CellMm);

// The count a count edit holding Count keeps when Fit cells fit: lowered to Fit, never below 1.
int CountWithin(int Count, long long Fit);

// The largest cell in millimetres for Count cells (a count below 1 counts as 1): across, the
// printable pixels are shared out in whole pixels; down, in floating point. 0 when the margins
// leave no printable area.
double LargestCellMm(int Drawable, int Count, double PxPerMm, bool WholePixels);
