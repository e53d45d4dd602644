// The graph paper's cell counts and sizes, kept within the printable area, with their limit labels
// and the emphasis colour buttons.
#include "GraphLimits.h"
#include "NumberText.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

#include <algorithm>

namespace {
// The shape the two count handlers share; across divides the pixel width in whole numbers,
// down divides in floating point.
struct CountAxis {
    TEdit* count;
    TEdit* size;
    TLabel* limitLabel;
    const char* prefix;
    int drawable;
    double pxPerMm;
    bool wholePixels;
};

bool CellFits(const CountAxis& a, int n, double size) {
    return !(TwoDigitValue(LargestCellMm(a.drawable, n, a.pxPerMm, a.wholePixels)) < size);
}

// Where stepping down one cell at a time from n stops: the largest count below n whose cell
// fits, else 1. Found directly, so that a huge typed count needs no handler run per step.
int SteppedDownCount(const CountAxis& a, int n, double size) {
    if (CellFits(a, n - 1, size)) return n - 1;
    if (!CellFits(a, 1, size)) return 1;
    int fits = 1, tooMany = n - 1; // the cell limit falls as the count grows
    while (tooMany - fits > 1) {
        const int mid = fits + (tooMany - fits) / 2;
        (CellFits(a, mid, size) ? fits : tooMany) = mid;
    }
    return fits;
}

void CountChanged(const CountAxis& a) {
    if (a.count->Text() == "0") a.count->SetText("1");
    int n;
    if (!TryStrToWhole(a.count->Text(), n)) {
        a.count->SetText("1");
        a.count->SelectAll();
    }
    n = std::max(StrToWhole(a.count->Text()), 1); // a pasted negative count counts as 1
    const double cell = LargestCellMm(a.drawable, n, a.pxPerMm, a.wholePixels);
    a.limitLabel->SetCaption(AnsiString(a.prefix) + TwoDigitText(cell) + "mm");
    const double size = StrToFloat(a.size->Text());
    if (TwoDigitValue(cell) < size && n > 1) {
        // The count steps down to the first one whose cell fits; the write runs this handler
        // again for it.
        a.count->SetText(IntToStr(SteppedDownCount(a, n, size)));
    }
    if (StrToFloat(a.size->Text()) < 1.0) a.size->SetText("1");
}

void SizeChanged(TForm1* f, TEdit* size, TEdit* count, TLabel* limitLabel, const char* prefix, int drawable,
                 double pxPerMm) {
    const double printable = drawable / pxPerMm;
    double w;
    if (TryStrToFloat(size->Text(), w)) {
        // With no printable area left (margins wider than the sheet) there is no width to
        // lower the cell to, and the size stays.
        if (printable > 0 && printable < w) size->SetText(FullText(printable));
    } else {
        size->SetText("1.0");
        size->SelectAll();
    }
    if (const auto fit = CellsThatFit(drawable, pxPerMm, StrToFloat(size->Text()))) {
        limitLabel->SetCaption(AnsiString(prefix) + IntToStr(*fit) + "px");
        const int n = StrToWhole(count->Text());
        if (*fit < n) count->SetText(IntToStr(CountWithin(n, *fit)));
    }
    f->UpdatePreview();
}
} // namespace

void TForm1::eDotXChange(TObject*) {
    CountChanged({eDotX, eMmX, Label9, "MaxX:", DrawableWidth, PxPerMmX, true});
    UpdatePreview();
}

void TForm1::eDotYChange(TObject*) {
    CountChanged({eDotY, eMmY, Label10, "MaxY:", DrawableHeight, PxPerMmY, false});
    UpdatePreview();
}

void TForm1::eMmXChange(TObject*) {
    SizeChanged(this, eMmX, eDotX, Label14, "MaxX:", DrawableWidth, PxPerMmX);
}

void TForm1::eMmYChange(TObject*) {
    SizeChanged(this, eMmY, eDotY, Label12, "MaxY:", DrawableHeight, PxPerMmY);
}

namespace {
void PickEmphasisColour(TForm1* f, TPanel* panel) {
    if (f->ColorDialog1->Execute()) panel->SetColor(f->ColorDialog1->Color());
    f->ColorDialog1->SetColor(f->Panel2->Color());
    f->UpdatePreview();
}
} // namespace

void TForm1::Button1Click(TObject*) {
    PickEmphasisColour(this, ExColorPanel1);
}
void TForm1::Button7Click(TObject*) {
    PickEmphasisColour(this, ExColorPanel1Y);
}
void TForm1::Button2Click(TObject*) {
    PickEmphasisColour(this, ExColorPanel2);
}
