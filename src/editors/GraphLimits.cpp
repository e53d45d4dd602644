#include "GraphLimits.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

double LargestCellMm(int Drawable, int Count, double PxPerMm, bool WholePixels) {
    if (Drawable <= 0) return 0;
    const int n = std::max(Count, 1);
    return WholePixels ? (Drawable / n) / PxPerMm : Drawable / static_cast<double>(n) / PxPerMm;
}

bool CellsFit(int Drawable, int Count, double PxPerMm, bool WholePixels, double CellMm) {
    return !(TwoDigitValue(LargestCellMm(Drawable, Count, PxPerMm, WholePixels)) < CellMm);
}

std::optional<int> CellsThatFit(int Drawable, double PxPerMm, double CellMm, bool WholePixels) {
    if (!(CellMm > 0)) return std::nullopt;
    if (Drawable <= 0) return 0;
    constexpr int kMost = std::numeric_limits<int>::max();
    // The two-digit rounding raises a cell by less than 5 %, so no count beyond this fits.
    const double physical = Drawable / PxPerMm / CellMm;
    const int beyond = physical * 1.06 + 2 < kMost ? static_cast<int>(physical * 1.06 + 2) : kMost;
    auto fits = [&](int n) { return CellsFit(Drawable, n, PxPerMm, WholePixels, CellMm); };
    // The cell limit falls as the count grows: the counts that fit are 1 to some largest one.
    int largest = 0;
    if (fits(beyond)) {
        largest = beyond;
    } else if (fits(1)) {
        int tooMany = beyond;
        largest = 1;
        while (tooMany - largest > 1) {
            const int mid = largest + (tooMany - largest) / 2;
            (fits(mid) ? largest : tooMany) = mid;
        }
    }
    return std::max(largest, physical >= 1 ? 1 : 0);
}
