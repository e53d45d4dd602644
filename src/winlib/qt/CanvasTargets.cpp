#include "CanvasTargets.h"
#include "CanvasQt.h"

#include <QPainter>

namespace cnv {

void SegmentTarget::Pixel(int x, int y) {
    if (count_++ == 0) first_ = TPoint(x, y);
    last_ = TPoint(x, y);
}

void SegmentTarget::EndRun() {
    if (count_ > 0) Segment(first_, last_);
    count_ = 0;
}

VectorTarget::VectorTarget(QPainter& p, TColor color) : p_(p), color_(color) {}

void VectorTarget::HSpan(int x0, int x1, int y) {
    p_.fillRect(QRect(x0, y, x1 - x0, 1), ToQColor(color_));
}

void VectorTarget::VSpan(int x, int y0, int y1) {
    p_.fillRect(QRect(x, y0, 1, y1 - y0), ToQColor(color_));
}

void VectorTarget::Segment(TPoint First, TPoint Last) {
    // A square-capped cosmetic line through the pixel centres covers exactly the run.
    QPen pen(ToQColor(color_), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
    p_.drawLine(QPointF(First.x + 0.5, First.y + 0.5), QPointF(Last.x + 0.5, Last.y + 0.5));
}

bool VectorTarget::DashedLine(bool XMajor, int64_t M0, int64_t SM, int64_t N0, int64_t KLo, int64_t KHi,
                              DashMask Mask, int StylePos) {
    // The mask as on/off lengths starting with an on run, and where step KLo falls in it.
    int first = 0;
    while (first < Mask.period && !Mask.on[first])
        ++first;
    if (first == Mask.period) return true; // nothing on: nothing to draw
    QVector<qreal> pattern;
    bool state = true;
    int run = 0;
    for (int i = 0; i < Mask.period; ++i) {
        const bool on = Mask.on[(first + i) % Mask.period];
        if (on != state) {
            pattern.push_back(run);
            run = 0;
            state = on;
        }
        ++run;
    }
    pattern.push_back(run);
    if (pattern.size() % 2) pattern.push_back(0);
    const int64_t offset = (((StylePos + KLo - first) % Mask.period) + Mask.period) % Mask.period;
    // Step k covers the unit from the edge of its pixel in the direction of travel.
    const double a = SM > 0 ? double(M0 + KLo) : double(M0 - KLo + 1);
    const double b = SM > 0 ? double(M0 + KHi) : double(M0 - KHi + 1);
    QPen pen(ToQColor(color_), 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern(pattern);
    pen.setDashOffset(double(offset));
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
    const double c = double(N0) + 0.5;
    if (XMajor)
        p_.drawLine(QPointF(a, c), QPointF(b, c));
    else
        p_.drawLine(QPointF(c, a), QPointF(c, b));
    return true;
}

BatchTarget::BatchTarget(VectorBatch& b, TColor color, std::function<QPainter*()> painter)
    : b_(b), color_(color), painter_(std::move(painter)) {}

void BatchTarget::HSpan(int x0, int x1, int y) {
    b_.Rect(color_, x0, y, x1, y + 1);
}

void BatchTarget::VSpan(int x, int y0, int y1) {
    b_.Rect(color_, x, y0, x + 1, y1);
}

void BatchTarget::Segment(TPoint First, TPoint Last) {
    b_.Run(color_, First, Last);
}

bool BatchTarget::DashedLine(bool XMajor, int64_t M0, int64_t SM, int64_t N0, int64_t KLo, int64_t KHi,
                             DashMask Mask, int StylePos) {
    QPainter* p = painter_();
    return !p || VectorTarget(*p, color_).DashedLine(XMajor, M0, SM, N0, KLo, KHi, Mask, StylePos);
}

} // namespace cnv
