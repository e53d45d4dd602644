#include "GraphLimits.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>

std::optional<long long> CellsThatFit(int Drawable, double PxPerMm, double CellMm) {
    if (!(CellMm > 0)) return std::nullopt;
    const double cells = Drawable / PxPerMm / CellMm;
    // Saturate before the two-digit rounding: an infinite quotient has no text to round.
    constexpr double kLimit = 1e18;
    if (!(cells < kLimit)) return static_cast<long long>(kLimit);
    return std::max(0LL, static_cast<long long>(TwoDigitValue(cells)));
}

int CountWithin(int Count, long long Fit) {
    return static_cast<int>(std::max(1LL, std::min<long long>(Count, Fit)));
}

double LargestCellMm(int Drawable, int Count, double PxPerMm, bool WholePixels) {
    if (Drawable <= 0) return 0;
    const int n = std::max(Count, 1);
    return WholePixels ? (Drawable / n) / PxPerMm : Drawable / static_cast<double>(n) / PxPerMm;
}
