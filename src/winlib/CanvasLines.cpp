#include "CanvasLines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace cnv {

namespace {

template <size_t N> std::array<bool, N> Pattern(std::initializer_list<int> lengths) {
    std::array<bool, N> a{};
    size_t i = 0;
    bool on = true;
    for (int n : lengths) {
        for (int k = 0; k < n && i < N; ++k)
            a[i++] = on;
        on = !on;
    }
    return a;
}

const auto kDash = Pattern<24>({18, 6});
const auto kDot = Pattern<6>({3, 3});
const auto kDashDot = Pattern<24>({9, 6, 3, 6});
const auto kDashDotDot = Pattern<24>({9, 3, 3, 3, 3, 3});

int Mod(int64_t a, int m) {
    return static_cast<int>(((a % m) + m) % m);
}

// Calls on(k0, k1) for every maximal run of on pixels among steps [kLo, kHi).
template <class F> void ForRuns(int64_t kLo, int64_t kHi, DashMask mask, int stylePos, F on) {
    if (!mask.on) {
        if (kLo < kHi) on(kLo, kHi);
        return;
    }
    int64_t k = kLo;
    while (k < kHi) {
        int p = Mod(stylePos + k, mask.period);
        const bool state = mask.on[p];
        int64_t e = k;
        while (e < kHi && mask.on[p] == state) {
            ++e;
            if (++p == mask.period) p = 0;
        }
        if (state) on(k, e);
        k = e;
    }
}

} // namespace

DashMask MaskFor(TPenStyle s) {
    switch (s) {
    case psDash:
        return {kDash.data(), 24};
    case psDot:
        return {kDot.data(), 6};
    case psDashDot:
        return {kDashDot.data(), 24};
    case psDashDotDot:
        return {kDashDotDot.data(), 24};
    default:
        return {};
    }
}

namespace {
struct ScaledMask {
    TPenStyle style;
    double scale;
    std::unique_ptr<bool[]> pixels; // on or off, pixel by pixel of the period
    int period;
};

// The longest period of a scaled mask, in pixels.
constexpr int kMaxScaledPeriod = 4096;

ScaledMask MakeScaled(TPenStyle style, double scale, DashMask plain) {
    // A whole number of patterns that comes out nearest to whole pixels.
    const double patternPx = plain.period * scale;
    int count = 1;
    double best = 1.0;
    for (int m = 1; m * patternPx <= kMaxScaledPeriod || m == 1; ++m) {
        const double x = m * patternPx;
        const double off = std::fabs(x - std::max(1.0, std::round(x)));
        if (off < best - 1e-12) {
            best = off;
            count = m;
        }
        if (off < 1e-9) break;
    }
    const int period = std::max(1, static_cast<int>(std::lround(count * patternPx)));
    const double unitsPerPixel = static_cast<double>(count) * plain.period / period;
    ScaledMask m{style, scale, std::make_unique<bool[]>(static_cast<size_t>(period)), period};
    // The runs of the plain pattern, as lengths in units.
    std::vector<int> runs;
    for (int u = 0; u < plain.period; ++u)
        if (u == 0 || plain.on[u] != plain.on[u - 1])
            runs.push_back(1);
        else
            ++runs.back();
    const int shortest = *std::min_element(runs.begin(), runs.end());
    if (shortest / unitsPerPixel >= 0.5) {
        // Every dash and gap is half a pixel or more: each run ends at the pixel nearest its
        // place, so every one of them shows and none drifts from where the pattern puts it.
        int at = 0;
        for (int64_t u = 0; at < period;) {
            for (size_t r = 0; r < runs.size() && at < period; ++r) {
                const bool on = plain.on[u % plain.period];
                u += runs[r];
                const int end = std::min(period, static_cast<int>(std::lround(u / unitsPerPixel)));
                for (; at < end; ++at)
                    m.pixels[static_cast<size_t>(at)] = on;
            }
        }
        return m;
    }
    // A pattern finer than that: each pixel is on by the share of it the on units cover, the
    // remainder carried on, so the line keeps its share of ink.
    double carry = 0;
    for (int i = 0; i < period; ++i) {
        const double a = i * unitsPerPixel, b = (i + 1) * unitsPerPixel;
        double covered = 0;
        for (int64_t u = static_cast<int64_t>(std::floor(a)); u < b; ++u) {
            if (!plain.on[u % plain.period]) continue;
            covered += std::min<double>(b, u + 1) - std::max<double>(a, u);
        }
        carry += covered / unitsPerPixel;
        const bool on = carry >= 0.5;
        if (on) carry -= 1.0;
        m.pixels[static_cast<size_t>(i)] = on;
    }
    return m;
}
} // namespace

DashMask MaskFor(TPenStyle s, double Scale) {
    const DashMask plain = MaskFor(s);
    if (!plain.on || Scale == 1.0 || !(Scale > 0) || !std::isfinite(Scale)) return plain;
    // A preview uses a few scales (one for each zoom): each mask is made once and kept.
    static std::vector<ScaledMask> made;
    for (const ScaledMask& m : made)
        if (m.style == s && m.scale == Scale) return {m.pixels.get(), m.period};
    if (made.size() >= 64) made.erase(made.begin());
    made.push_back(MakeScaled(s, Scale, plain));
    return {made.back().pixels.get(), made.back().period};
}

void WalkLine(int x0, int y0, int x1, int y1, const TRect& clip, DashMask mask, int& stylePos,
              PixelTarget& t) {
    const int64_t dx = int64_t(x1) - x0, dy = int64_t(y1) - y0;
    const int64_t adx = std::llabs(dx), ady = std::llabs(dy);
    const int64_t n = std::max(adx, ady); // pixels drawn: the end pixel is left out
    const int start = stylePos;
    if (mask.on) stylePos = Mod(start + n, mask.period);
    if (n == 0 || clip.Right <= clip.Left || clip.Bottom <= clip.Top) return;

    const bool xMajor = adx >= ady;
    const int64_t sM = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int64_t sm = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int64_t aM = xMajor ? adx : ady, am = xMajor ? ady : adx;
    const int64_t m0 = xMajor ? x0 : y0, n0 = xMajor ? y0 : x0;
    const int64_t lo = xMajor ? clip.Left : clip.Top, hi = xMajor ? clip.Right : clip.Bottom;
    const int64_t mlo = xMajor ? clip.Top : clip.Left, mhi = xMajor ? clip.Bottom : clip.Right;

    // Steps k whose major coordinate m0 + sM*k lies in [lo, hi).
    int64_t kLo, kHi;
    if (sM > 0) {
        kLo = lo - m0;
        kHi = hi - m0;
    } else {
        kLo = m0 - hi + 1;
        kHi = m0 - lo + 1;
    }
    kLo = std::max<int64_t>(kLo, 0);
    kHi = std::min<int64_t>(kHi, n);
    if (kLo >= kHi) return;

    if (am == 0) {
        if (n0 < mlo || n0 >= mhi) return;
        if (mask.on && t.DashedLine(xMajor, m0, sM, n0, kLo, kHi, mask, start)) return;
        ForRuns(kLo, kHi, mask, start, [&](int64_t a, int64_t b) {
            int64_t p = m0 + sM * a, q = m0 + sM * (b - 1);
            if (p > q) std::swap(p, q);
            if (xMajor)
                t.HSpan(int(p), int(q + 1), int(n0));
            else
                t.VSpan(int(n0), int(p), int(q + 1));
        });
        return;
    }

    // Minor offset of step k: floor((2k*am + aM) / (2aM)), i.e. rounded to the nearest pixel.
    const int64_t den = 2 * aM;
    if (t.EndsOnly()) {
        // The offset never decreases with k, so the steps whose pixel lies within the clip's
        // minor extent are one range, found by bisection; only its ends are handed on.
        auto offset = [&](int64_t k) {
            return static_cast<int64_t>((static_cast<__int128>(2 * k) * am + aM) / den);
        };
        auto inside = [&](int64_t k) {
            const int64_t minor = n0 + sm * offset(k);
            return minor >= mlo && minor < mhi;
        };
        // Steps past the clip on the side the line runs towards.
        auto beyond = [&](int64_t k) {
            const int64_t minor = n0 + sm * offset(k);
            return sm > 0 ? minor >= mhi : minor < mlo;
        };
        ForRuns(kLo, kHi, mask, start, [&](int64_t a, int64_t b) {
            int64_t lo = a, hi = b;
            while (lo < hi) { // first step not before the clip
                const int64_t mid = lo + (hi - lo) / 2;
                if (inside(mid) || beyond(mid))
                    hi = mid;
                else
                    lo = mid + 1;
            }
            const int64_t first = lo;
            hi = b;
            while (lo < hi) { // first step beyond it
                const int64_t mid = lo + (hi - lo) / 2;
                if (beyond(mid))
                    hi = mid;
                else
                    lo = mid + 1;
            }
            if (first >= lo || !inside(first)) return;
            auto pixel = [&](int64_t k) {
                const int64_t major = m0 + sM * k, minor = n0 + sm * offset(k);
                if (xMajor)
                    t.Pixel(int(major), int(minor));
                else
                    t.Pixel(int(minor), int(major));
            };
            t.BeginRun();
            pixel(first);
            if (lo - 1 > first) pixel(lo - 1);
            t.EndRun();
        });
        return;
    }
    ForRuns(kLo, kHi, mask, start, [&](int64_t a, int64_t b) {
        // Lines may reach +-2e9 on both axes: the first numerator needs more than 64 bits.
        const __int128 num = static_cast<__int128>(2 * a) * am + aM;
        int64_t q = static_cast<int64_t>(num / den), r = static_cast<int64_t>(num % den);
        t.BeginRun();
        for (int64_t k = a; k < b; ++k) {
            const int64_t major = m0 + sM * k, minor = n0 + sm * q;
            if (minor >= mlo && minor < mhi) {
                if (xMajor)
                    t.Pixel(int(major), int(minor));
                else
                    t.Pixel(int(minor), int(major));
            }
            r += 2 * am;
            if (r >= den) {
                r -= den;
                ++q;
            }
        }
        t.EndRun();
    });
}

} // namespace cnv
