// Shapes repeated at a fixed pitch (dots of a grid, tiles of arc paper, rings of a circle):
// which of them can show on the canvas, and where consecutive ones coincide in pixels.
//
// A count typed by the user can be huge (two billion dots), so the renderers neither visit
// shapes that lie wholly beyond the canvas nor draw a shape again over an identical copy of
// itself. Both leave the picture exactly as drawing every shape would.
#pragma once

#include <cstdint>
#include <functional>

// The first index in [From, To) at which Pred holds, Pred being false up to some index and
// true from there on; To when it never holds. Takes O(log(To - From)) calls of Pred. The 64-bit
// form serves runs longer than any int (all the lines of two billion groups).
int FirstTrue(int From, int To, const std::function<bool(int)>& Pred);
int64_t FirstTrue64(int64_t From, int64_t To, const std::function<bool(int64_t)>& Pred);

// Indexes [First, Last) of a run of shapes.
struct TIndexRange {
    int First = 0, Last = 0;
    bool Empty() const { return First >= Last; }
};

// The shapes 0 ... Count - 1 whose floating extent [Lo(i), Hi(i)] across one axis comes within
// Margin pixels of the canvas [0, Extent). Lo and Hi move with i in the direction of Step's
// sign (Step 0: all shapes in one place). The extents are compared before any truncation, so a
// shape far beyond the canvas is never converted to a pixel coordinate.
TIndexRange VisibleIndexes(int Count, double Step, const std::function<double(int)>& Lo,
                           const std::function<double(int)>& Hi, int Extent, double Margin);

// Splits Range into runs of consecutive indexes with the same Key (keys change monotonically,
// so equal keys are consecutive) and calls Visit(first, last) for each run, last included.
template <class Key, class Visit> void ForEachRun(TIndexRange Range, Key key, Visit visit) {
    for (int i = Range.First; i < Range.Last;) {
        const auto k = key(i);
        const int next = FirstTrue(i + 1, Range.Last, [&](int j) { return !(key(j) == k); });
        visit(i, next - 1);
        i = next;
    }
}
