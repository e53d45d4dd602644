// The graph paper's limits against the printable area: how many cells of a size fit, and how
// large a cell may be for a count. The count and size handlers, the margin handler and the
// printer refresh all ask here, so they agree and none of them overflows.
#pragma once

#include <optional>

class TForm1;

// The smallest cell the graph paper's size edits hold, in millimetres: a smaller size is refused.
inline constexpr double SmallestCellMm = 1.0;
inline bool BelowSmallestCell(double Mm) {
    return Mm < SmallestCellMm;
}

// The largest cell in millimetres for Count cells (a count below 1 counts as 1): across, the
// printable pixels are shared out in whole pixels; down, in floating point. 0 when the margins
// leave no printable area.
double LargestCellMm(int Drawable, int Count, double PxPerMm, bool WholePixels);

// Whether Count cells of CellMm fit, as the count handlers decide it: the two-digit value of
// the largest cell for that count is at least CellMm.
bool CellsFit(int Drawable, int Count, double PxPerMm, bool WholePixels, double CellMm);

// The most cells of CellMm millimetres that a count edit keeps in Drawable printer pixels: the
// largest count that CellsFit, at least 1 when one such cell fits the printable length at all
// (the two-digit value of one wide cell may be smaller than the cell), 0 when not even one does
// (margins that take the whole sheet), at most the largest int. None for a cell of 0 or less,
// which has no count. This is the count the "MaxX:"/"MaxY:" pixel labels show.
std::optional<int> CellsThatFit(int Drawable, double PxPerMm, double CellMm, bool WholePixels);

// The four limit labels of the graph paper from the current counts, sizes and printable area
// (the count labels of a direction whose size is 0 or less wait), and the counts lowered to what
// fits, never below one cell; each lowering runs the count's own handler.
void ShowGraphLimits(TForm1* Form);
void FitGraphCounts(TForm1* Form);
