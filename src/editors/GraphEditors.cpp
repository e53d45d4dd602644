// The graph paper's cell counts and sizes, kept within the printable area, with their limit labels
// and the emphasis colour buttons.
#include "GraphLimits.h"
#include "NumberText.h"
#include "SpinCounts.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

#include <algorithm>

namespace {
// One direction of the graph paper: across, the printable pixels are shared out in whole
// pixels; down, in floating point.
struct GraphAxis {
    TEdit* count;
    TUpDown* spin; // the count's arrows, whose range the count keeps
    TEdit* size;
    TLabel* countLimit; // "MaxX:" count "px": the most cells of the current size
    TLabel* sizeLimit;  // "MaxX:" two-digit millimetres "mm": the largest cell for the count
    const char* prefix;
    int drawable;
    double pxPerMm;
    bool wholePixels;
};

GraphAxis Across(TForm1* f) {
    return {f->eDotX, f->UpDown6,       f->eMmX,     f->Label14, f->Label9,
            "MaxX:",  f->DrawableWidth, f->PxPerMmX, true};
}
GraphAxis Down(TForm1* f) {
    return {f->eDotY, f->UpDown7,        f->eMmY,     f->Label12, f->Label10,
            "MaxY:",  f->DrawableHeight, f->PxPerMmY, false};
}

// The count an edit holds; its handler keeps it a whole number of at least 1.
int CountOf(const GraphAxis& a) {
    return std::max(StrToWhole(a.count->Text()), 1);
}

std::optional<int> Fit(const GraphAxis& a) {
    return CellsThatFit(a.drawable, a.pxPerMm, StrToFloat(a.size->Text()), a.wholePixels);
}

void ShowLimits(const GraphAxis& a) {
    // A cell size of 0 or less has no count: that label waits.
    if (const auto fit = Fit(a)) a.countLimit->SetCaption(AnsiString(a.prefix) + IntToStr(*fit) + "px");
    a.sizeLimit->SetCaption(AnsiString(a.prefix) +
                            TwoDigitText(LargestCellMm(a.drawable, CountOf(a), a.pxPerMm, a.wholePixels)) +
                            "mm");
}

// The one place a count comes down to what fits (never below one cell); the write runs the
// count's handler, which finds it fitting.
void FitCount(const GraphAxis& a) {
    if (const auto fit = Fit(a)) {
        const int most = std::max(*fit, 1);
        if (CountOf(a) > most) a.count->SetText(IntToStr(most));
    }
}

// A count is a whole number from 1 to its arrows' maximum: "0" becomes "1" as it stands, any
// other text that is no such number "1" selected, a larger one the maximum.
void CountChanged(const GraphAxis& a) {
    if (a.count->Text() == "0") a.count->SetText("1");
    HoldCountWithinSpin(a.count, a.spin, 1);
    FitCount(a);
    if (BelowSmallestCell(StrToFloat(a.size->Text()))) a.size->SetText("1");
    ShowLimits(a);
}

// A size is a decimal number of at least the smallest cell, else "1.0" selected; one wider than
// the printable length comes down to that length (when there is a length of a cell to come
// down to).
void SizeChanged(TForm1* f, const GraphAxis& a) {
    double w;
    if (!TryStrToFloat(a.size->Text(), w) || BelowSmallestCell(w)) {
        a.size->SetText("1.0");
        a.size->SelectAll();
    } else {
        const double printable = a.drawable / a.pxPerMm;
        if (!BelowSmallestCell(printable) && printable < w) a.size->SetText(FullText(printable));
    }
    FitCount(a);
    ShowLimits(a);
    f->UpdatePreview();
}
} // namespace

void TForm1::FillLimitLabels() {
    ShowGraphLimits(this);
}

void ShowGraphLimits(TForm1* f) {
    ShowLimits(Across(f));
    ShowLimits(Down(f));
}

void FitGraphCounts(TForm1* f) {
    FitCount(Across(f));
    FitCount(Down(f));
}

void TForm1::eDotXChange(TObject*) {
    CountChanged(Across(this));
    UpdatePreview();
}

void TForm1::eDotYChange(TObject*) {
    CountChanged(Down(this));
    UpdatePreview();
}

void TForm1::eMmXChange(TObject*) {
    SizeChanged(this, Across(this));
}

void TForm1::eMmYChange(TObject*) {
    SizeChanged(this, Down(this));
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
