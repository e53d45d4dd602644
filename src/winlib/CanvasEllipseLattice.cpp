// The ellipses of a lattice rasterised together: the union of RasterEllipse over every box, in
// one colour, built as one bit set per row of pixels.
#include "CanvasEllipse.h"
#include "RasterTarget.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>

namespace cnv {

namespace {

using Word = uint64_t;
constexpr int kBits = 64;

int FloorDiv(int64_t a, int b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

// Dst bit i |= Src bit (i - Shift), for the DstWords words of Dst.
void OrShifted(Word* dst, int dstWords, const std::vector<Word>& src, int64_t shift) {
    const int64_t srcBits = static_cast<int64_t>(src.size()) * kBits;
    // Dst bits that can receive a source bit: [shift, shift + srcBits).
    const int first = std::max(0, FloorDiv(shift, kBits));
    const int last = std::min<int64_t>(dstWords - 1, FloorDiv(shift + srcBits - 1, kBits));
    for (int w = first; w <= last; ++w) {
        const int64_t from = int64_t(w) * kBits - shift; // source bit landing on dst bit w * 64
        const int q = FloorDiv(from, kBits), r = static_cast<int>(from - int64_t(q) * kBits);
        auto at = [&](int i) { return i >= 0 && i < static_cast<int>(src.size()) ? src[i] : Word{0}; };
        Word v = at(q) >> r;
        if (r) v |= at(q + 1) << (kBits - r);
        dst[w] |= v;
    }
}

// Sets bits [a, b) of Dst (clamped to [0, Bits)).
void SetRange(Word* dst, int bits, int64_t a, int64_t b) {
    a = std::max<int64_t>(a, 0);
    b = std::min<int64_t>(b, bits);
    for (int64_t i = a; i < b;) {
        const int w = static_cast<int>(i / kBits), o = static_cast<int>(i % kBits);
        const int n = static_cast<int>(std::min<int64_t>(kBits - o, b - i));
        dst[w] |= (n == kBits ? ~Word{0} : ((Word{1} << n) - 1) << o);
        i += n;
    }
}

// The columns of one width in one set: their left edges as bits from the leftmost, and the
// widest gap between neighbouring edges.
struct Columns {
    int left = 0, right = 0; // the first and the last left edge
    int widestGap = 0;
    std::vector<Word> edges;
};

std::map<int, Columns> ColumnsByWidth(const Extents& set) {
    std::map<int, std::vector<int>> lefts;
    for (auto [a, b] : set)
        if (a != b) lefts[std::abs(b - a)].push_back(std::min(a, b));
    std::map<int, Columns> byWidth;
    for (auto& [w, l] : lefts) {
        std::sort(l.begin(), l.end());
        l.erase(std::unique(l.begin(), l.end()), l.end());
        Columns& c = byWidth[w];
        c.left = l.front();
        c.right = l.back();
        c.edges.assign(static_cast<size_t>((int64_t(c.right) - c.left) / kBits + 1), 0);
        for (size_t i = 0; i < l.size(); ++i) {
            const int64_t bit = int64_t(l[i]) - c.left;
            c.edges[static_cast<size_t>(bit / kBits)] |= Word{1} << (bit % kBits);
            if (i > 0) c.widestGap = std::max(c.widestGap, l[i] - l[i - 1]);
        }
    }
    return byWidth;
}

} // namespace

void RasterEllipseLattice(TBitmap& b, const std::vector<Extents>& columnSets,
                          const std::vector<TEllipseRow>& rows, const TRect& clip,
                          const EllipsePaint& paint) {
    const int width = clip.Width(), height = clip.Height();
    if (width <= 0 || height <= 0) return;
    const int words = (width + kBits - 1) / kBits;
    std::vector<Word> bits(static_cast<size_t>(words) * height, 0);
    std::vector<char> full(height, 0);
    const Word lastMask = width % kBits ? (Word{1} << (width % kBits)) - 1 : ~Word{0};
    auto isFull = [&](const Word* row) {
        for (int w = 0; w + 1 < words; ++w)
            if (row[w] != ~Word{0}) return false;
        return (row[words - 1] & lastMask) == lastMask;
    };

    std::vector<std::map<int, Columns>> sets;
    for (const Extents& set : columnSets)
        sets.push_back(ColumnsByWidth(set));
    // The rows of each size of ellipse, each worked out once when first needed.
    struct Shape {
        EllipseRows rows;
        std::vector<EllipseRows::Row> known;
        std::vector<char> done;
        Shape(int w, int h) : rows(w, h), known(h), done(h, 0) {}
        const EllipseRows::Row& At(int y) {
            if (!done[y]) {
                known[y] = rows.At(y);
                done[y] = 1;
            }
            return known[y];
        }
    };
    std::map<std::pair<int, int>, std::unique_ptr<Shape>> shapes;
    const bool outlineOnly = paint.outline && !paint.fill;

    for (const TEllipseRow& row : rows) {
        if (row.Columns < 0 || row.Columns >= static_cast<int>(sets.size())) continue;
        const int top = std::min(row.Top, row.Bottom), h = std::abs(row.Bottom - row.Top);
        if (h == 0) continue;
        const int y0 = std::max(top, clip.Top), y1 = std::min(top + h, clip.Bottom);
        for (const auto& entry : sets[row.Columns]) {
            // Named apart from a structured binding, which some compilers cannot capture.
            const int w = entry.first;
            const auto& columns = entry.second;
            auto& shape = shapes[{w, h}];
            if (!shape) shape = std::make_unique<Shape>(w, h);
            for (int y = y0; y < y1; ++y) {
                char& done = full[y - clip.Top];
                if (done) continue;
                Word* out = bits.data() + static_cast<size_t>(y - clip.Top) * words;
                const EllipseRows::Row& r = shape->At(y - top);
                if (r.s >= r.e) continue;
                // Every column of this width paints the pixels [a, b) of the row from its left
                // edge: the edges moved along by each pixel, or all the way across when the
                // pixels reach from one edge to the next.
                auto paintFrom = [&](int a, int e) {
                    if (e - a >= columns.widestGap) {
                        SetRange(out, width, int64_t(columns.left) + a - clip.Left,
                                 int64_t(columns.right) + e - clip.Left);
                        return;
                    }
                    for (int k = a; k < e; ++k)
                        OrShifted(out, words, columns.edges, int64_t(columns.left) + k - clip.Left);
                };
                if (outlineOnly && r.inner) {
                    paintFrom(r.s, r.is);
                    paintFrom(r.ie, r.e);
                } else {
                    paintFrom(r.s, r.e);
                }
                done = isFull(out);
            }
        }
    }

    RasterTarget target(b, paint.outline ? paint.pen : paint.brush);
    for (int y = 0; y < height; ++y) {
        const Word* row = bits.data() + static_cast<size_t>(y) * words;
        for (int x = 0; x < width;) {
            const bool on = (row[x / kBits] >> (x % kBits)) & 1;
            int e = x + 1;
            while (e < width && (((row[e / kBits] >> (e % kBits)) & 1) != 0) == on)
                ++e;
            if (on) target.HSpan(clip.Left + x, clip.Left + e, clip.Top + y);
            x = e;
        }
    }
}

} // namespace cnv
