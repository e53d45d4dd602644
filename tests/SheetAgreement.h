// The printed sheet against the preview and against millimetres: one page printed on a printer
// whose unprintable border is known, rendered at 600 dpi, and the preview of the same page at
// 100 %. Positions are millimetres from the paper's top-left corner on both; the test computes
// where things belong on its own (millimetres x dpi / 25.4 from the paper's edges) and compares
// the sheet with that and with the preview scaled to the paper.
//
// Shared by the main suite (the built-in PDF printer imitating bordered printers) and the CUPS
// suite (private queues with bordered A4 sheets).
#pragma once

#include "shell/Abitmap.h"
#include "shell/Unit1.h"
#include "winlib/Forms.h"
#include "winlib/test_printer_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace sheet {

constexpr int kDpi = 600;
constexpr double kSheetPxPerMm = kDpi / 25.4;
// Where the sheet is to hold a position: a fifth of a millimetre.
constexpr double kSheetTolMm = 0.2;

// A rectangle in millimetres from the paper's top-left corner; empty when Right <= Left.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return !(right > left && bottom > top); }
    double CentreX() const { return (left + right) / 2; }
    double CentreY() const { return (top + bottom) / 2; }
};

inline std::string Describe(const Box& b) {
    std::ostringstream s;
    s << "(" << b.left << ", " << b.top << ") - (" << b.right << ", " << b.bottom << ") mm";
    return s.str();
}

// The paper as it prints: its size and the printer's unprintable border, millimetres, and its
// size in the printer's whole pixels (which the page's far edges count from).
struct Paper {
    double widthMm = 210, heightMm = 297;
    double borderXMm = 0, borderYMm = 0;
    double widthPxMm = 210, heightPxMm = 297; // the paper in whole device pixels, as millimetres
    // A paper given in points, as a queue's PPD or the PDF printer's borders give it.
    static Paper Points(double w, double h, double borderX, double borderY) {
        const double mm = 25.4 / 72;
        // The layer takes the border in whole device pixels, never less than the border, and
        // the paper to the nearest whole pixel.
        auto border = [&](double pt) { return std::ceil(pt * kDpi / 72 - 1e-6) / kSheetPxPerMm; };
        auto whole = [&](double pt) { return std::round(pt * kDpi / 72) / kSheetPxPerMm; };
        return {w * mm, h * mm, border(borderX), border(borderY), whole(w), whole(h)};
    }
};

// The worst differences a case found, for its report: the sheet from the millimetres (device
// pixels) and the preview from the sheet (preview pixels).
struct Worst {
    double sheetPx = 0, previewPx = 0;
    void Sheet(double mm) { sheetPx = std::max(sheetPx, std::fabs(mm) * kSheetPxPerMm); }
    void Preview(double mm, double previewPxPerMm) {
        previewPx = std::max(previewPx, std::fabs(mm) * previewPxPerMm);
    }
};

// One printed page and the preview of the same page.
class Capture {
  public:
    Capture(TForm1* form, Paper paper) : f_(form), paper_(paper) {}

    // Prints the page with Print (the path of the document, empty when none came) and takes the
    // preview at 100 %; false when either failed.
    bool Take(const std::function<std::string()>& print) {
        const std::string pdf = print();
        if (pdf.empty()) return false;
        sheet_ = printertest::RenderPage(pdf, 1, kDpi);
        if (sheet_.width == 0) return false;
        f_->ComboBox1->SetItemIndex(0); // 100 %
        f_->ComboBox1Change(f_->ComboBox1);
        f_->UpdatePreview();
        preview_.Assign(f_->PreviewBitmap);
        paperColor_ = ColorToRGB(f_->PaperColor);
        return true;
    }

    const Paper& PaperSize() const { return paper_; }
    // Preview pixels per millimetre at 100 %, from the screen alone.
    static double PreviewScale() { return ScreenPixelsPerInchX() / 25.4; }
    static double PreviewTolMm() { return 1.0 / PreviewScale() + 0.02; } // a preview pixel

    // ---- the sheet --------------------------------------------------------------------------
    bool SheetInk(int x, int y) const {
        return x >= 0 && y >= 0 && x < sheet_.width && y < sheet_.height && sheet_.At(x, y) < 128;
    }
    // The ink of the sheet inside Area.
    Box SheetBox(const Box& area) const {
        const int x0 = Clamp(area.left * kSheetPxPerMm, sheet_.width),
                  x1 = Clamp(area.right * kSheetPxPerMm, sheet_.width);
        const int y0 = Clamp(area.top * kSheetPxPerMm, sheet_.height),
                  y1 = Clamp(area.bottom * kSheetPxPerMm, sheet_.height);
        return InkBox(x0, y0, x1, y1, kSheetPxPerMm, [&](int x, int y) { return SheetInk(x, y); });
    }
    // The centres of the ink runs down the column XMm (Down) or along the row (across), between
    // FromMm and ToMm: the lines that cross it.
    std::vector<double> SheetLines(bool down, double atMm, double fromMm, double toMm) const {
        const int at = static_cast<int>(atMm * kSheetPxPerMm);
        return Runs(down, at, fromMm, toMm, kSheetPxPerMm, down ? sheet_.height : sheet_.width,
                    [&](int x, int y) { return SheetInk(x, y); });
    }

    // ---- the preview ------------------------------------------------------------------------
    bool PreviewInk(int x, int y) const {
        if (x < 0 || y < 0 || x >= preview_.Width() || y >= preview_.Height()) return false;
        const uint8_t* p = preview_.ScanLine(y) + 4 * x;
        return RGB(p[2], p[1], p[0]) != paperColor_;
    }
    Box PreviewBox(const Box& area) const {
        const double s = PreviewScale();
        const int x0 = Clamp(area.left * s, preview_.Width()), x1 = Clamp(area.right * s, preview_.Width());
        const int y0 = Clamp(area.top * s, preview_.Height()), y1 = Clamp(area.bottom * s, preview_.Height());
        return InkBox(x0, y0, x1, y1, s, [&](int x, int y) { return PreviewInk(x, y); });
    }
    std::vector<double> PreviewLines(bool down, double atMm, double fromMm, double toMm) const {
        const double s = PreviewScale();
        return Runs(down, static_cast<int>(atMm * s), fromMm, toMm, s,
                    down ? preview_.Height() : preview_.Width(),
                    [&](int x, int y) { return PreviewInk(x, y); });
    }

    // ---- the two together -------------------------------------------------------------------
    // The preview pixels that show ink with no ink on the sheet within Reach preview pixels, and
    // those that show none where the sheet has ink that far round: where preview and sheet part.
    struct Parting {
        int previewOnly = 0, sheetOnly = 0;
        std::string first;
    };
    Parting Compare(int reach) const {
        const double s = PreviewScale();
        const int w = preview_.Width(), h = preview_.Height();
        // Whether the sheet has ink in each preview pixel's square of paper.
        std::vector<char> sheetCell(static_cast<size_t>(w) * h, 0);
        for (int y = 0; y < sheet_.height; ++y) {
            const int py = static_cast<int>(y / kSheetPxPerMm * s);
            if (py >= h) break;
            for (int x = 0; x < sheet_.width; ++x) {
                if (sheet_.At(x, y) >= 128) continue;
                const int px = static_cast<int>(x / kSheetPxPerMm * s);
                if (px < w) sheetCell[static_cast<size_t>(py) * w + px] = 1;
            }
        }
        auto near = [&](auto ink, int x, int y) {
            for (int v = std::max(0, y - reach); v <= std::min(h - 1, y + reach); ++v)
                for (int u = std::max(0, x - reach); u <= std::min(w - 1, x + reach); ++u)
                    if (ink(u, v)) return true;
            return false;
        };
        auto sheetAt = [&](int x, int y) { return sheetCell[static_cast<size_t>(y) * w + x] != 0; };
        auto previewAt = [&](int x, int y) { return PreviewInk(x, y); };
        Parting p;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool onPreview = PreviewInk(x, y), onSheet = sheetAt(x, y);
                std::string where;
                if (onPreview && !near(sheetAt, x, y)) {
                    ++p.previewOnly;
                    where = "preview only";
                } else if (onSheet && !near(previewAt, x, y)) {
                    ++p.sheetOnly;
                    where = "sheet only";
                }
                if (!where.empty() && p.first.empty()) {
                    std::ostringstream m;
                    m << where << " at " << x / s << ", " << y / s << " mm";
                    p.first = m.str();
                }
            }
        return p;
    }
    // Every ink of the sheet and of the preview has the other's ink within Reach preview pixels.
    void ExpectSameInk(int reach = 2) const {
        const Parting p = Compare(reach);
        EXPECT_EQ(p.previewOnly, 0) << "preview pixels with nothing printed there; first: " << p.first;
        EXPECT_EQ(p.sheetOnly, 0) << "printed ink the preview does not show; first: " << p.first;
    }

    // A box on the sheet where it belongs (Tol mm) and where the preview shows it (a preview
    // pixel, and Slack mm more for text, whose glyphs the screen draws a little differently).
    void ExpectBox(const char* what, const Box& area, const Box& expected, double tol = kSheetTolMm,
                   double slack = 0) const {
        SCOPED_TRACE(what);
        const Box printed = SheetBox(area), shown = PreviewBox(area);
        ASSERT_FALSE(printed.Empty()) << "nothing printed in " << Describe(area);
        ASSERT_FALSE(shown.Empty()) << "nothing shown in " << Describe(area);
        ExpectNear(printed, expected, tol, "sheet against millimetres");
        ExpectNear(shown, printed, PreviewTolMm() + slack, "preview against sheet");
        for (auto m : {&Box::left, &Box::top, &Box::right, &Box::bottom}) {
            worst_.Sheet(printed.*m - expected.*m);
            worst_.Preview(shown.*m - printed.*m, PreviewScale());
        }
    }
    // Only the named edges of A against B: l, t, r, b, or x and y for the centre. A text
    // placed by one edge or its centre keeps that on the preview; its glyphs are a screen
    // font's of a whole number of pixels, a little smaller than the sheet's.
    void ExpectEdges(const Box& a, const Box& b, const std::string& edges, double tol,
                     const char* what) const {
        auto edge = [](const Box& x, char e) {
            switch (e) {
            case 'l':
                return x.left;
            case 't':
                return x.top;
            case 'r':
                return x.right;
            case 'b':
                return x.bottom;
            case 'x':
                return x.CentreX();
            default:
                return x.CentreY();
            }
        };
        for (char e : edges) {
            EXPECT_NEAR(edge(a, e), edge(b, e), tol)
                << what << " (" << e << "): " << Describe(a) << " against " << Describe(b);
            worst_.Preview(edge(a, e) - edge(b, e), PreviewScale());
        }
    }
    // The worst differences found so far on this page, and a line reporting them.
    const Worst& Found() const { return worst_; }
    void Report(const std::string& what = "") const {
        const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
        std::printf("%s.%s%s: sheet within %.2f device pixels of its millimetres, preview within %.2f "
                    "preview pixels of the sheet\n",
                    t->test_suite_name(), t->name(), what.c_str(), worst_.sheetPx, worst_.previewPx);
    }
    static void ExpectNear(const Box& a, const Box& b, double tol, const char* what) {
        EXPECT_NEAR(a.left, b.left, tol) << what << ": " << Describe(a) << " against " << Describe(b);
        EXPECT_NEAR(a.top, b.top, tol) << what << ": " << Describe(a) << " against " << Describe(b);
        EXPECT_NEAR(a.right, b.right, tol) << what << ": " << Describe(a) << " against " << Describe(b);
        EXPECT_NEAR(a.bottom, b.bottom, tol) << what << ": " << Describe(a) << " against " << Describe(b);
    }
    // The lines crossing a column (Down) or a row: on the sheet at Expected mm each, and on the
    // preview where the sheet has them.
    void ExpectLines(const char* what, bool down, double atMm, double fromMm, double toMm,
                     const std::vector<double>& expected) const {
        SCOPED_TRACE(what);
        const std::vector<double> printed = SheetLines(down, atMm, fromMm, toMm);
        const std::vector<double> shown = PreviewLines(down, atMm, fromMm, toMm);
        ASSERT_EQ(printed.size(), expected.size()) << Join(printed);
        ASSERT_EQ(shown.size(), printed.size()) << "preview " << Join(shown) << ", sheet " << Join(printed);
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(printed[i], expected[i], kSheetTolMm) << "line " << i << " on the sheet";
            EXPECT_NEAR(shown[i], printed[i], PreviewTolMm()) << "line " << i << " on the preview";
            worst_.Sheet(printed[i] - expected[i]);
            worst_.Preview(shown[i] - printed[i], PreviewScale());
        }
    }
    static std::string Join(const std::vector<double>& v) {
        std::ostringstream s;
        for (double d : v)
            s << d << " ";
        return s.str();
    }

  private:
    static int Clamp(double v, int n) { return std::clamp(static_cast<int>(v), 0, n); }

    template <class Ink> static Box InkBox(int x0, int y0, int x1, int y1, double pxPerMm, Ink ink) {
        int l = x1, t = y1, r = x0 - 1, b = y0 - 1;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (ink(x, y)) {
                    l = std::min(l, x), r = std::max(r, x);
                    t = std::min(t, y), b = std::max(b, y);
                }
        if (r < l) return Box{};
        return Box{l / pxPerMm, t / pxPerMm, (r + 1) / pxPerMm, (b + 1) / pxPerMm};
    }

    template <class Ink>
    static std::vector<double> Runs(bool down, int at, double fromMm, double toMm, double pxPerMm, int length,
                                    Ink ink) {
        const int from = std::clamp(static_cast<int>(fromMm * pxPerMm), 0, length);
        const int to = std::clamp(static_cast<int>(toMm * pxPerMm), 0, length);
        std::vector<double> centres;
        int start = -1;
        for (int i = from; i <= to; ++i) {
            const bool on = i < to && (down ? ink(at, i) : ink(i, at));
            if (on && start < 0) start = i;
            if (!on && start >= 0) {
                centres.push_back((start + i) / 2.0 / pxPerMm);
                start = -1;
            }
        }
        return centres;
    }

    mutable Worst worst_;
    TForm1* f_;
    Paper paper_;
    printertest::GreyImage sheet_;
    mutable TBitmap preview_;
    TColor paperColor_ = clWhite;
};

} // namespace sheet
