// The graph paper's cell counts and sizes, kept within the printable area, with their limit labels
// and the emphasis colour buttons.
#include "NumberText.h"
#include "shell/Unit1.h"

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

// The largest cell in millimetres for n cells.
double CellLimit(const CountAxis& a, int n) {
    return a.wholePixels ? IntDiv(a.drawable, n) / a.pxPerMm
                         : a.drawable / static_cast<double>(n) / a.pxPerMm;
}

bool CellFits(const CountAxis& a, int n, double size) {
    return !(TwoDigitValue(CellLimit(a, n)) < size);
}

// Where stepping down one cell at a time from n stops: the largest count below n whose cell
// fits, else 1. Found directly, so that a huge typed count needs no handler run per step.
int SteppedDownCount(const CountAxis& a, int n, double size) {
    if (CellFits(a, n - 1, size)) return n - 1;
    // With a negative printable size the cell only shrinks as the count drops: nothing fits.
    if (a.drawable < 0 || !CellFits(a, 1, size)) return 1;
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
    if (!TryStrToInt(a.count->Text(), n)) {
        a.count->SetText("1");
        a.count->SelectAll();
    }
    double cell;
    if (a.wholePixels) {
        n = StrToInt(a.count->Text());
        if (n < 1) n = 1; // a pasted negative count counts as 1
        cell = IntDiv(a.drawable, n) / a.pxPerMm;
    } else {
        double nd = StrToFloat(a.count->Text());
        if (nd < 1) nd = 1;
        n = static_cast<int>(nd);
        cell = a.drawable / nd / a.pxPerMm;
    }
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
        if (printable < w) size->SetText(FullText(printable));
    } else {
        size->SetText("1.0");
        size->SelectAll();
    }
    w = StrToFloat(size->Text());
    if (w > 0) {
        const long long fit = WholeCount(TwoDigitValue(printable / w));
        limitLabel->SetCaption(AnsiString(prefix) + IntToStr(fit) + "px");
        if (fit < StrToInt(count->Text())) count->SetText(IntToStr(fit));
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
