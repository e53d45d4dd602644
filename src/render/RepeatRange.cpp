#include "render/RepeatRange.h"

int FirstTrue(int From, int To, const std::function<bool(int)>& Pred) {
    // Gallop out from From, then bisect: runs that end early cost only a few calls.
    long long lo = From, step = 1; // Pred is false below lo
    long long hi = To;             // Pred is true at hi (or hi is To)
    while (lo < hi) {
        const long long probe = lo + step - 1 < hi ? lo + step - 1 : hi - 1;
        if (Pred(static_cast<int>(probe))) {
            hi = probe;
            break;
        }
        lo = probe + 1;
        step *= 2;
    }
    while (lo < hi) {
        const long long mid = lo + (hi - lo) / 2;
        if (Pred(static_cast<int>(mid)))
            hi = mid;
        else
            lo = mid + 1;
    }
    return static_cast<int>(lo);
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
