#include "SettingLimits.h"

#include "PaperSize.h"
#include "Unit1.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr double kPictureReachInPapers = 10.0;
constexpr int kGrabberWidth = 11; // the control bar draws a bar's grabber left of it

// The three bars of the control bar.
TToolBar* TForm1::*const kBars[] = {&TForm1::ToolBar1, &TForm1::ToolBar2, &TForm1::ToolBar3};

// The text itself while its number lies within Bound either way (or it is no number); else the
// nearer end, written as a whole number.
AnsiString NumberTextWithin(const AnsiString& Text, double Bound) {
    double v;
    if (!TryStrToFloat(Text, v) || std::abs(v) <= Bound) return Text;
    return IntToStr(static_cast<int>(std::copysign(Bound, v)));
}

} // namespace

double PaperLongSideMm(const TForm1* Form) {
    const double longer = PaperSideMm(Form);
    return std::isfinite(longer) && longer > 0 ? longer : 297.0; // A4 when the printer says nothing usable
}

double PictureReachMm(const TForm1* Form) {
    return kPictureReachInPapers * LargestPaperSideMm(Form);
}

double LargestPaperSideMm(const TForm1* Form) {
    double longest = PaperLongSideMm(Form);
    for (const TPrinterPaper& paper : TPrinter::KnownPapers())
        longest = std::max({longest, paper.WidthMm, paper.HeightMm});
    return longest;
}

int FontSizeWithinLargestPaper(const TForm1* Form, int Size) {
    return std::clamp(Size, 1, std::max(1, static_cast<int>(std::ceil(LargestPaperSideMm(Form)))));
}

double StoredPictureMm(const TForm1* Form, double Mm, double Fallback) {
    if (!std::isfinite(Mm)) return Fallback;
    const double reach = PictureReachMm(Form);
    return std::clamp(Mm, -reach, reach);
}

AnsiString StoredLengthText(const TForm1* Form, const AnsiString& Text) {
    return NumberTextWithin(Text, std::ceil(LargestPaperSideMm(Form)));
}

AnsiString StoredCountText(const AnsiString& Text) {
    return NumberTextWithin(Text, INT_MAX);
}

TRect WindowWithinScreens(int Left, int Top, int Width, int Height) {
    const TRect area = Screen->WorkAreaNear(TPoint(Left, Top));
    const int w = std::min(Width, area.Width()), h = std::min(Height, area.Height());
    const int l = std::clamp(Left, area.Left, std::max(area.Left, area.Right - w));
    const int t = std::clamp(Top, area.Top, std::max(area.Top, area.Bottom - h));
    return TRect(l, t, l + w, t + h);
}

void PlaceToolBarsOnControlBar(TForm1* Form) {
    const int width = Form->ControlBar1->Width(), height = Form->ControlBar1->Height();
    for (TToolBar* TForm1::*member : kBars) {
        TToolBar* bar = Form->*member;
        bar->SetLeft(std::clamp(bar->Left(), kGrabberWidth, std::max(kGrabberWidth, width - bar->Width())));
        bar->SetTop(std::clamp(bar->Top(), 0, std::max(0, height - bar->Height())));
    }
}
