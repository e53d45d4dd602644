// Internal: the marks of a vector surface (a printer page) gathered by colour and written as a
// few paths instead of one shape each.
//
// A PDF page costs by the bytes of its drawing: a path with the colour and pen set again for
// every line or dot is ten times longer than the path alone. Thin lines and small filled dots
// come by the ten thousand on a dense sheet, so they are kept here until something else is
// drawn (the surface asks for its painter), the colour changes, or the page ends; then each kind
// becomes one path, with integer coordinates where the shape allows. Every mark keeps its shape:
//
// - spans of pixels one pixel high (or wide) that touch or overlap on one row (or column) are
//   joined into one span: the same pixels;
// - a span at least two pixels long, and a slanted run of pixels, is the segment between its
//   first and last pixel centres, stroked one pixel wide with square ends (as a slanted run drawn
//   alone is): the segments of one colour are one stroked path;
// - other rectangles, and single pixels, stay filled rectangles, each filled on its own: viewers
//   keep a lone rectangle narrower than a screen pixel visible, but not one of many in a path;
// - a filled ellipse with its outline in the same colour covers its box: it is a round pen end
//   as wide as the box, scaled to the box's height (see TakesDot); the dots of one colour and
//   size are one stroked path;
// - lines of a wide pen (solid, with round ends) are the segments of one stroked path for each
//   pen width.
#pragma once

#include "winlib/Graphics.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <map>
#include <utility>
#include <vector>

class QPainter;

namespace cnv {

class VectorBatch {
  public:
    explicit VectorBatch(QPainter& p) : p_(p) {}
    VectorBatch(const VectorBatch&) = delete;
    VectorBatch& operator=(const VectorBatch&) = delete;

    // The pixels [X0, X1) x [Y0, Y1).
    void Rect(TColor Color, int X0, int Y0, int X1, int Y1);
    // The run of pixels from A to B along a straight line (A == B: one pixel).
    void Run(TColor Color, TPoint A, TPoint B);
    // Whether Dot takes a box (right and bottom excluded): sides differing by at most a pixel.
    static bool TakesDot(const TRect& Box);
    // The ellipse filling Box with a 1-pixel outline of the same colour.
    void Dot(TColor Color, const TRect& Box);
    // The line from pixel A to pixel B (its centres) with a pen Width pixels wide, round ended.
    void WideLine(TColor Color, int Width, TPoint A, TPoint B);

    // Writes what is gathered, leaving the painter's transform, pen and brush as set for the
    // next drawing call to set again.
    void Flush();
    // Forgets what is gathered (the page is dropped).
    void Discard();
    bool Empty() const { return marks_ == 0; }

  private:
    void Use(TColor Color);
    void Added();
    // Pixels [A, B) of row (or column) Line.
    struct Span {
        int line, a, b;
    };
    void WriteSpans(std::vector<Span>& Spans, bool Across);

    QPainter& p_;
    TColor color_ = clBlack;
    int marks_ = 0;
    std::vector<QRectF> rects_;
    std::vector<Span> rows_, columns_;
    QPainterPath segments_;
    // Dot centres by box size, in the units DotPath draws them in.
    std::map<std::pair<int, int>, std::vector<QPointF>> dots_;
    // Wide lines by pen width, pixel centres on whole coordinates.
    std::map<int, QPainterPath> wide_;
};

} // namespace cnv
