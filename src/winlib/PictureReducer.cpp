#include "PictureReducer.h"

#include "BitmapPixels.h"
#include "SysUtils.h"

#include <algorithm>
#include <cmath>

bool TPictureLimit::Fits(int64_t Width, int64_t Height) const {
    if (MaxSide > 0 && (Width > MaxSide || Height > MaxSide)) return false;
    return MaxPixels <= 0 || Width * Height <= MaxPixels;
}

TPoint TPictureLimit::Fit(int64_t Width, int64_t Height) const {
    if (Width <= 0 || Height <= 0 || Fits(Width, Height))
        return TPoint(static_cast<int>(Width), static_cast<int>(Height));
    double f = 1.0;
    if (MaxSide > 0) f = std::min({f, double(MaxSide) / double(Width), double(MaxSide) / double(Height)});
    if (MaxPixels > 0) f = std::min(f, std::sqrt(double(MaxPixels) / (double(Width) * double(Height))));
    int64_t w = std::max<int64_t>(1, static_cast<int64_t>(std::floor(double(Width) * f)));
    int64_t h = std::max<int64_t>(1, static_cast<int64_t>(std::floor(double(Height) * f)));
    // Rounding in the square root may leave a pixel too many; take it from the longer side.
    while (!Fits(w, h) && (w > 1 || h > 1))
        (w >= h ? w : h) -= 1;
    return TPoint(static_cast<int>(w), static_cast<int>(h));
}

TPictureReducer::TPictureReducer(int SourceWidth, int SourceHeight, TPoint Size, TBitmap* Target,
                                 bool Sampling)
    : sw_(SourceWidth), sh_(SourceHeight), w_(Size.x), h_(Size.y), target_(Target), sampling_(Sampling) {
    if (sw_ < 1 || sh_ < 1 || w_ < 1 || h_ < 1 || w_ > sw_ || h_ > sh_)
        throw EInvalidGraphicOperation("A picture can only be reduced to a smaller size");
    target_->SetSize(0, 0);
    target_->SetPixelFormat(pf32bit);
    target_->SetSize(w_, h_);
    if (!sampling_) {
        across_.resize(static_cast<size_t>(w_) * 3);
        pixels_.resize(static_cast<size_t>(sw_));
    }
}

void TPictureReducer::AddRow(int Y, const uint8_t* Row, int Bits, const std::vector<TRGBQuad>& Table) {
    if (Y < 0 || Y >= sh_) return;
    if (sampling_) {
        AddPixels(Y, Row, Bits, Table, 0, 1, sw_);
        return;
    }
    if (Bits == 24 || Bits == 32) {
        const int step = Bits / 8;
        for (int x = 0; x < sw_; ++x, Row += step)
            pixels_[size_t(x)] = uint32_t(Row[0]) | uint32_t(Row[1]) << 8 | uint32_t(Row[2]) << 16;
    } else {
        for (int x = 0; x < sw_; ++x)
            pixels_[size_t(x)] = bmpx::Read(Row, x, Bits, Table);
    }

    // Across: source pixel x covers [x * w, (x + 1) * w), output column j covers [j * sw, (j + 1) * sw).
    std::fill(across_.begin(), across_.end(), 0);
    const uint64_t w = static_cast<uint64_t>(w_), sw = static_cast<uint64_t>(sw_);
    uint64_t pos = 0, boundary = sw;
    uint64_t* a = across_.data();
    for (int x = 0; x < sw_; ++x) {
        const uint32_t p = pixels_[size_t(x)];
        const uint64_t b = p & 0xFF, g = (p >> 8) & 0xFF, r = (p >> 16) & 0xFF;
        const uint64_t end = pos + w;
        if (end <= boundary) {
            a[0] += b * w, a[1] += g * w, a[2] += r * w;
        } else {
            const uint64_t head = boundary - pos, tail = end - boundary;
            a[0] += b * head, a[1] += g * head, a[2] += r * head;
            a[3] += b * tail, a[4] += g * tail, a[5] += r * tail;
        }
        if (end >= boundary) {
            a += 3;
            boundary += sw;
        }
        pos = end;
    }

    // Down: the same shares between source row Y and the output rows it covers (one or two).
    const uint64_t h = static_cast<uint64_t>(h_), sh = static_cast<uint64_t>(sh_);
    const uint64_t top = static_cast<uint64_t>(Y) * h, end = top + h;
    const int first = static_cast<int>(top / sh);
    const uint64_t split = static_cast<uint64_t>(first + 1) * sh;
    const uint64_t head = std::min(end, split) - top, tail = end > split ? end - split : 0;
    for (const std::pair<int, uint64_t>& part : {std::pair{first, head}, std::pair{first + 1, tail}}) {
        const int row = part.first;
        const uint64_t share = part.second;
        if (share == 0 || row >= h_) continue;
        auto it = std::find_if(open_.begin(), open_.end(), [row](const OpenRow& o) { return o.row == row; });
        if (it == open_.end()) {
            open_.push_back(OpenRow{row, 0, std::vector<uint64_t>(across_.size())});
            it = open_.end() - 1;
        }
        for (size_t i = 0; i < across_.size(); ++i)
            it->sums[i] += across_[i] * share;
        it->weight += share;
        if (it->weight >= sh) {
            Finish(*it);
            open_.erase(it);
        }
    }
}

void TPictureReducer::Finish(OpenRow& open) {
    // Each output pixel gathered sw x sh units of weight.
    const double scale = 1.0 / (double(sw_) * double(sh_));
    auto* out = reinterpret_cast<uint32_t*>(target_->ScanLine(open.row));
    const uint64_t* s = open.sums.data();
    for (int x = 0; x < w_; ++x, s += 3) {
        const auto channel = [scale](uint64_t sum) {
            return std::min<uint32_t>(255, static_cast<uint32_t>(double(sum) * scale + 0.5));
        };
        out[x] = channel(s[0]) | channel(s[1]) << 8 | channel(s[2]) << 16;
    }
}

// The source pixel at the centre of output pixel i of Reduced along a side of Source pixels.
int TPictureReducer::SampleSource(int i, int reduced, int source) {
    return static_cast<int>((2 * int64_t(i) + 1) * source / (2 * int64_t(reduced)));
}

void TPictureReducer::AddPixels(int Y, const uint8_t* Row, int Bits, const std::vector<TRGBQuad>& Table,
                                int Start, int Step, int Count) {
    if (Y < 0 || Y >= sh_ || Step < 1 || Count < 1) return;
    // The output row whose centre falls on source row Y, if any (distinct rows sample distinct ones).
    const int guess = static_cast<int>(int64_t(Y) * h_ / sh_);
    int row = -1;
    for (int r = std::max(0, guess - 1); r <= std::min(h_ - 1, guess + 1); ++r)
        if (SampleSource(r, h_, sh_) == Y) row = r;
    if (row < 0) return;
    auto* out = reinterpret_cast<uint32_t*>(target_->ScanLine(row));
    for (int x = 0; x < w_; ++x) {
        const int sx = SampleSource(x, w_, sw_) - Start;
        if (sx < 0 || sx % Step != 0 || sx / Step >= Count) continue;
        out[x] = bmpx::Read(Row, sx / Step, Bits, Table) & 0x00FFFFFF;
    }
}
