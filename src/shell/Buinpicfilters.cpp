#include "Buinpicfilters.h"

#include "Abitmap.h" // RoundByte

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {
// Bytes per pixel of the formats the filters handle; 0 for any other.
int Stride(const TBitmap* b) {
    const int bits = b->BitsPerPixel();
    return bits == 24 ? 3 : bits == 32 ? 4 : 0;
}

// Bits one pixel takes in a row (15-bit pixels are stored in 16-bit words).
int StoredBits(const TBitmap* b) {
    const int bits = b->BitsPerPixel();
    return bits == 15 ? 16 : bits;
}

// Copies pixel sx of row src to pixel dx of row dst, whatever the pixel size.
void CopyPixel(const uint8_t* src, int sx, uint8_t* dst, int dx, int bits) {
    if (bits >= 8) {
        const int bytes = bits / 8;
        std::memcpy(dst + static_cast<size_t>(dx) * bytes, src + static_cast<size_t>(sx) * bytes, bytes);
        return;
    }
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    const int sShift = 8 - bits * (sx % perByte + 1);
    const int dShift = 8 - bits * (dx % perByte + 1);
    const int value = (src[sx / perByte] >> sShift) & mask;
    uint8_t& d = dst[dx / perByte];
    d = static_cast<uint8_t>((d & ~(mask << dShift)) | (value << dShift));
}

// A value copy of the bitmap, pixel format and colour table included.
std::unique_ptr<TBitmap> CopyOf(TBitmap* b) {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(b);
    return copy;
}

// Runs op(pixel) on every pixel, row by row with progress; false for unsupported formats.
template <class Op> bool EachPixel(TBitmap* b, const TBuinBusyEvent& busy, Op&& op) {
    const int stride = Stride(b);
    if (!stride) return false;
    const int w = b->Width(), h = b->Height();
    for (int y = 0; y < h; ++y) {
        uint8_t* row = b->ScanLine(y);
        for (int x = 0; x < w; ++x)
            op(row + static_cast<size_t>(x) * stride);
        if (busy) busy(y, h);
    }
    return true;
}

int Grey(const uint8_t* p) {
    return (p[2] * 77 + p[1] * 150 + p[0] * 29) >> 8;
}

using Table = std::array<uint8_t, 256>;

// Applies the table to the selected colour bytes of every pixel.
void ApplyTable(uint8_t* p, int channel, const Table& t) {
    if (channel == 0) {
        p[0] = t[p[0]], p[1] = t[p[1]], p[2] = t[p[2]];
    } else if (channel >= 1 && channel <= 3) {
        p[channel - 1] = t[p[channel - 1]];
    }
}

// Floor division, so that positions left of or above the source stay outside it.
long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
} // namespace

void TBuinPicFilters::Busy(int Position, int All) const {
    if (OnBusy) OnBusy(Position, All);
}

bool TBuinPicFilters::RotateTopBottom(TBitmap* Bitmap) {
    const auto copy = CopyOf(Bitmap);
    const int h = Bitmap->Height();
    const size_t rowBytes = (static_cast<size_t>(Bitmap->Width()) * StoredBits(Bitmap) + 7) / 8;
    if (h == 0 || rowBytes == 0) return false; // nothing to copy
    for (int i = 0; i < h; ++i)
        std::memcpy(Bitmap->ScanLine(h - 1 - i), copy->ScanLine(i), rowBytes);
    return true;
}

bool TBuinPicFilters::RotateMirror(TBitmap* Bitmap) {
    const auto copy = CopyOf(Bitmap);
    const int w = Bitmap->Width(), h = Bitmap->Height();
    if (w == 0 || h == 0) return false; // nothing to copy
    const int bits = StoredBits(Bitmap);
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = copy->ScanLine(y);
        uint8_t* dst = Bitmap->ScanLine(y);
        for (int i = 0; i < w; ++i)
            CopyPixel(src, i, dst, w - 1 - i, bits);
    }
    return true;
}

namespace {
// A quarter turn: column c of the turned picture is a source row, read from the bottom for a
// clockwise turn and from the top otherwise; busy(c, count) reports progress after each.
template <class Busy> bool QuarterTurn(TBitmap* Bitmap, int stride, bool clockwise, Busy busy) {
    const int w = Bitmap->Width(), h = Bitmap->Height();
    auto turned = std::make_unique<TBitmap>();
    turned->SetPixelFormat(Bitmap->PixelFormat());
    turned->SetSize(h, w);
    for (int c = 0; c < h; ++c) {
        const uint8_t* src = Bitmap->ScanLine(clockwise ? h - 1 - c : c);
        for (int x = 0; x < w; ++x)
            std::memcpy(turned->ScanLine(clockwise ? x : w - 1 - x) + static_cast<size_t>(c) * stride,
                        src + static_cast<size_t>(x) * stride, stride);
        busy(c, h);
    }
    Bitmap->Assign(turned.get());
    return true;
}
} // namespace

bool TBuinPicFilters::Rotate90Right(TBitmap* Bitmap) {
    const int stride = Stride(Bitmap);
    if (!stride) return false;
    return QuarterTurn(Bitmap, stride, true, [this](int i, int n) { Busy(i, n); });
}

bool TBuinPicFilters::Rotate90Left(TBitmap* Bitmap) {
    const int stride = Stride(Bitmap);
    if (!stride) return false;
    return QuarterTurn(Bitmap, stride, false, [this](int i, int n) { Busy(i, n); });
}

bool TBuinPicFilters::Monochrome(TBitmap* Bitmap) {
    return EachPixel(Bitmap, OnBusy, [](uint8_t* p) { p[0] = p[1] = p[2] = static_cast<uint8_t>(Grey(p)); });
}

bool TBuinPicFilters::Sepia(TBitmap* Bitmap, TColor Tint) {
    if (!Stride(Bitmap)) return false;
    // One ramp per byte of the pixel (blue, green, red): black, through the tint, to white.
    std::array<Table, 3> ramps;
    const int tints[3] = {static_cast<int>((Tint >> 16) & 0xFF), static_cast<int>((Tint >> 8) & 0xFF),
                          static_cast<int>(Tint & 0xFF)};
    for (int c = 0; c < 3; ++c) {
        const int t = tints[c];
        for (int i = 0; i < 128; ++i) {
            ramps[c][i] = static_cast<uint8_t>((t * i) >> 7);
            ramps[c][128 + i] = static_cast<uint8_t>((t * (127 - i) + i * 255) >> 7);
        }
    }
    return EachPixel(Bitmap, OnBusy, [&](uint8_t* p) {
        const int g = Grey(p);
        p[0] = ramps[0][g], p[1] = ramps[1][g], p[2] = ramps[2][g];
    });
}

bool TBuinPicFilters::Mosaic(TBitmap* Bitmap, int CellWidth, int CellHeight) {
    const int stride = Stride(Bitmap);
    if (!stride || CellWidth < 1 || CellHeight < 1) return false;
    const int w = Bitmap->Width(), h = Bitmap->Height();
    for (int y = 0; y < h; ++y) {
        // The cell's top row comes first and keeps its own left pixels, so reading in place is safe.
        const uint8_t* top = Bitmap->ScanLine(y / CellHeight * CellHeight);
        uint8_t* row = Bitmap->ScanLine(y);
        for (int x = 0; x < w; ++x)
            std::memmove(row + static_cast<size_t>(x) * stride,
                         top + static_cast<size_t>(x / CellWidth * CellWidth) * stride, stride);
        Busy(y, h);
    }
    return true;
}

bool TBuinPicFilters::Bright(TBitmap* Bitmap, int16_t Delta) {
    return EachPixel(Bitmap, OnBusy, [Delta](uint8_t* p) {
        for (int c = 0; c < 3; ++c)
            p[c] = RoundByte(p[c] + Delta);
    });
}

bool TBuinPicFilters::Blur(TBitmap* Bitmap, int16_t Radius) {
    const int stride = Stride(Bitmap);
    if (!stride || Radius < 1) return false;
    const int w = Bitmap->Width(), h = Bitmap->Height(), r = Radius;
    for (int y = 0; y < h; ++y) {
        const int y0 = std::max(0, y - r), y1 = std::min(h - 1, y + r);
        for (int x = 0; x < w; ++x) {
            const int x0 = std::max(0, x - r), x1 = std::min(w - 1, x + r);
            long long sum[3] = {0, 0, 0};
            for (int yy = y0; yy <= y1; ++yy) {
                const uint8_t* row = Bitmap->ScanLine(yy);
                for (int xx = x0; xx <= x1; ++xx)
                    for (int c = 0; c < 3; ++c)
                        sum[c] += row[static_cast<size_t>(xx) * stride + c];
            }
            const long long n = static_cast<long long>(y1 - y0 + 1) * (x1 - x0 + 1);
            uint8_t* p = Bitmap->ScanLine(y) + static_cast<size_t>(x) * stride;
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<uint8_t>(sum[c] / n);
        }
        Busy(y, h);
    }
    return true;
}

bool TBuinPicFilters::ColorRevison(TBitmap* Bitmap, int Red, int Green, int Blue) {
    return EachPixel(Bitmap, OnBusy, [=](uint8_t* p) {
        p[0] = RoundByte(p[0] + Blue);
        p[1] = RoundByte(p[1] + Green);
        p[2] = RoundByte(p[2] + Red);
    });
}

bool TBuinPicFilters::Nega(TBitmap* Bitmap) {
    return EachPixel(Bitmap, OnBusy, [](uint8_t* p) {
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<uint8_t>(255 - p[c]);
    });
}

bool TBuinPicFilters::Contrast(TBitmap* Bitmap, int Amount) {
    const double k = Amount / 255.0;
    return EachPixel(Bitmap, OnBusy, [k](uint8_t* p) {
        for (int c = 0; c < 3; ++c) {
            const double v = (p[c] - 127.5) * k + p[c];
            p[c] = RoundByte(static_cast<int>(std::clamp(std::nearbyint(v), -1.0, 256.0)));
        }
    });
}

bool TBuinPicFilters::Solarization(TBitmap* Bitmap, uint8_t Channel, int Threshold) {
    Table t;
    for (int v = 0; v < 256; ++v)
        t[v] = static_cast<uint8_t>(v < Threshold ? v : 255 - v);
    return EachPixel(Bitmap, OnBusy, [&](uint8_t* p) { ApplyTable(p, Channel, t); });
}

bool TBuinPicFilters::Postlarization(TBitmap* Bitmap, int Channel, int Levels) {
    if (!Stride(Bitmap) || Levels < 1 || Levels > 256) return false;
    const int step = 256 / Levels;
    Table t;
    for (int v = 0; v < 256; ++v)
        t[v] = RoundByte(v / step * step);
    return EachPixel(Bitmap, nullptr, [&](uint8_t* p) { ApplyTable(p, Channel, t); });
}

bool TBuinPicFilters::ChannelExchange(TBitmap* Bitmap, uint8_t ChannelA, uint8_t ChannelB, bool InvertA,
                                      bool InvertB) {
    if (ChannelA > 2 || ChannelB > 2) return false;
    return EachPixel(Bitmap, OnBusy, [=](uint8_t* p) {
        const uint8_t a = p[ChannelA], b = p[ChannelB];
        p[ChannelA] = InvertB ? static_cast<uint8_t>(255 - b) : b;
        p[ChannelB] = InvertA ? static_cast<uint8_t>(255 - a) : a;
    });
}

bool TBuinPicFilters::Affine(TBitmap* Source, TBitmap* Dest, int A, int B, int C, int D, int Dx, int Dy) {
    const int stride = Stride(Source);
    if (!stride || Dest->BitsPerPixel() != Source->BitsPerPixel()) return false;
    const long long det = static_cast<long long>(A) * D - static_cast<long long>(B) * C;
    if (det == 0) return false;
    const int sw = Source->Width(), sh = Source->Height();
    const int dw = Dest->Width(), dh = Dest->Height();
    for (int y = 0; y < dh; ++y) {
        uint8_t* row = Dest->ScanLine(y);
        const long long ty = static_cast<long long>(y) - Dy;
        for (int x = 0; x < dw; ++x) {
            const long long tx = static_cast<long long>(x) - Dx;
            const long long sx = FloorDiv(D * tx - B * ty, det);
            const long long sy = FloorDiv(A * ty - C * tx, det);
            if (sx < 0 || sy < 0 || sx >= sw || sy >= sh) continue;
            std::memcpy(row + static_cast<size_t>(x) * stride,
                        Source->ScanLine(static_cast<int>(sy)) + static_cast<size_t>(sx) * stride, stride);
        }
        Busy(y, dh);
    }
    return true;
}
