// Helpers for the renderer tests: finding drawn lines in a canvas or in a rendered PDF page.
#pragma once

#include "winlib/Graphics.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace rendertest {

// A run of consecutive indexes (rows or columns) that hold a line.
struct Span {
    int first = 0, last = 0;
    int Width() const { return last - first + 1; }
    double Centre() const { return (first + last) / 2.0; }
};

// Groups the indexes where Hit is true into runs, in order.
template <class Hit> std::vector<Span> Runs(int count, Hit hit) {
    std::vector<Span> runs;
    for (int i = 0; i < count; ++i) {
        if (!hit(i)) continue;
        if (!runs.empty() && runs.back().last == i - 1)
            runs.back().last = i;
        else
            runs.push_back({i, i});
    }
    return runs;
}

// Rows of column X (or columns of row Y) whose pixel is not the background colour.
inline std::vector<Span> RowsAt(TCanvas* c, int x, int height, TColor background) {
    return Runs(height, [&](int y) { return c->Pixel(x, y) != background; });
}
inline std::vector<Span> ColumnsAt(TCanvas* c, int y, int width, TColor background) {
    return Runs(width, [&](int x) { return c->Pixel(x, y) != background; });
}

inline std::vector<int> Firsts(const std::vector<Span>& runs) {
    std::vector<int> v;
    for (const Span& r : runs)
        v.push_back(r.first);
    return v;
}

// An 8-bit image read from a binary PGM (grey) or PPM (red, green, blue) file.
struct Image {
    int width = 0, height = 0, channels = 1;
    std::vector<unsigned char> pixels;
    // The grey value, or channel Ch of a colour image.
    unsigned char At(int x, int y, int ch = 0) const {
        return pixels[(static_cast<size_t>(y) * width + x) * channels + ch];
    }
};

inline Image ReadNetpbm(const std::string& path) {
    Image img;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> img.width >> img.height >> maxval;
    in.get();
    if ((magic != "P5" && magic != "P6") || maxval != 255) return Image{};
    img.channels = magic == "P5" ? 1 : 3;
    img.pixels.resize(static_cast<size_t>(img.width) * img.height * img.channels);
    in.read(reinterpret_cast<char*>(img.pixels.data()), static_cast<std::streamsize>(img.pixels.size()));
    return img;
}

// The smallest rectangle inside Area holding every pixel (x, y) for which Ink(x, y) holds; empty
// when none.
template <class Ink> TRect InkRect(const TRect& area, Ink ink) {
    TRect r(area.Right, area.Bottom, area.Left, area.Top);
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (ink(x, y)) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r.Right > r.Left ? r : TRect();
}

// Renders the first page of a PDF at Dpi with poppler's pdftoppm, in grey or in colour; an
// empty image on failure. A crop (X, Y, W, H in pixels at Dpi) renders only that part. Without
// smoothing every pixel is either inked or not, as the page's shapes cover it.
struct Crop {
    int x = 0, y = 0, w = 0, h = 0;
};
inline Image RenderPdfPage(const std::string& pdf, int dpi, bool grey = true, Crop crop = {},
                           bool smooth = true) {
    const std::string base = pdf + (grey ? "-grey" : "-colour");
    std::string cmd = "pdftoppm -r " + std::to_string(dpi) + (grey ? " -gray" : "") +
                      (smooth ? "" : " -aa no -aaVector no") + " -f 1 -l 1 -singlefile";
    if (crop.w > 0)
        cmd += " -x " + std::to_string(crop.x) + " -y " + std::to_string(crop.y) + " -W " +
               std::to_string(crop.w) + " -H " + std::to_string(crop.h);
    cmd += " '" + pdf + "' '" + base + "' 2>/dev/null";
    if (std::system(cmd.c_str()) != 0) return Image{};
    return ReadNetpbm(base + (grey ? ".pgm" : ".ppm"));
}

// The pixels at which two grey images of one size differ in ink (dark: < 128) other than by an
// edge moved by up to Reach pixels: a differing pixel counts unless it lies within Reach pixels
// (diagonals included) of a pixel of the other ink in each image.
inline int InkDifferencesOffEdges(const Image& a, const Image& b, int reach = 1) {
    if (a.width != b.width || a.height != b.height) return -1;
    auto dark = [](const Image& img, int x, int y) { return img.At(x, y) < 128; };
    auto nearEdge = [&](const Image& img, int x, int y) {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int u = x + dx, v = y + dy;
                if (u >= 0 && v >= 0 && u < img.width && v < img.height && dark(img, u, v) != dark(img, x, y))
                    return true;
            }
        return false;
    };
    int n = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (dark(a, x, y) != dark(b, x, y) && !(nearEdge(a, x, y) && nearEdge(b, x, y))) ++n;
    return n;
}

// Dark (< 128) runs down column X or along row Y of a grey image.
inline std::vector<Span> DarkRowsAt(const Image& img, int x) {
    return Runs(img.height, [&](int y) { return img.At(x, y) < 128; });
}
inline std::vector<Span> DarkColumnsAt(const Image& img, int y) {
    return Runs(img.width, [&](int x) { return img.At(x, y) < 128; });
}

// A line found in a grey image: its darkness-weighted centre (in pixels, pixel centres at
// +0.5) and its darkness in pixel widths (how many fully black pixels it is worth).
struct Line {
    double centre = 0;
    double ink = 0;
};

// The horizontal lines (Rows true) or vertical lines of a grey image: runs of rows (columns)
// whose summed darkness is worth more than MinInk black pixels.
inline std::vector<Line> FindLines(const Image& img, bool rows, double minInk) {
    const int n = rows ? img.height : img.width, m = rows ? img.width : img.height;
    std::vector<double> ink(n, 0.0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j)
            ink[i] += (255 - (rows ? img.At(j, i) : img.At(i, j))) / 255.0;
    std::vector<Line> lines;
    for (const Span& r : Runs(n, [&](int i) { return ink[i] > minInk; })) {
        Line l;
        double moment = 0;
        for (int i = r.first; i <= r.last; ++i) {
            l.ink += ink[i];
            moment += (i + 0.5) * ink[i];
        }
        l.centre = moment / l.ink;
        lines.push_back(l);
    }
    return lines;
}

} // namespace rendertest
