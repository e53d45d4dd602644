#include "render/RepeatRange.h"

int64_t FirstTrue64(int64_t From, int64_t To, const std::function<bool(int64_t)>& Pred) {
    // Gallop out from From, then bisect: runs that end early cost only a few calls.
    int64_t lo = From, step = 1; // Pred is false below lo
    int64_t hi = To;             // Pred is true at hi (or hi is To)
    while (lo < hi) {
        const int64_t probe = step - 1 < hi - lo ? lo + step - 1 : hi - 1;
        if (Pred(probe)) {
            hi = probe;
            break;
        }
        lo = probe + 1;
        if (step < (int64_t{1} << 62)) step *= 2;
    }
    while (lo < hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (Pred(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

int FirstTrue(int From, int To, const std::function<bool(int)>& Pred) {
    return static_cast<int>(FirstTrue64(From, To, [&](int64_t i) { return Pred(static_cast<int>(i)); }));
}

TIndexRange VisibleIndexes(int Count, double Step, const std::function<double(int)>& Lo,
                           const std::function<double(int)>& Hi, int Extent, double Margin) {
    if (Count <= 0) return {};
    auto beforeCanvas = [&](int i) { return Hi(i) < -Margin; };
    auto afterCanvas = [&](int i) { return Lo(i) >= Extent + Margin; };
    TIndexRange r;
    if (Step >= 0) {
        r.First = FirstTrue(0, Count, [&](int i) { return !beforeCanvas(i); });
        r.Last = FirstTrue(r.First, Count, afterCanvas);
    } else {
        r.First = FirstTrue(0, Count, [&](int i) { return !afterCanvas(i); });
        r.Last = FirstTrue(r.First, Count, beforeCanvas);
    }
    return r;
}
