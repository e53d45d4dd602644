// The live preview: the page rebuilt at screen scale on every edit and paint, zoom and panning.
#include "Unit1.h"

#include "Abitmap.h"
#include "PaperKinds.h"
#include "PixelMath.h"
#include "editors/NumberText.h"
#include "render/RenderConventions.h"
#include "render/Unit4.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr long double kInchPerMm = 0.03937007874015748L;

// The paper length rounded to three significant digits, as the preview sizes it.
double RoundedPaperMm(int paperPx, double pxPerMm) {
    return StrToFloat(FloatToStrF(paperPx / pxPerMm, ffGeneral, 3, 0));
}
// A margin band in preview pixels: the millimetres truncated to whole ones, then scaled and
// truncated. Margins beyond any paper saturate, so the band covers the page instead of overflowing.
int BandPixels(double mm, float scale) {
    return SaturatedPixels(std::trunc(mm) * scale);
}

// The white strip that the print command lays over the picture along one edge (PrintJob.cpp),
// in preview pixels from the paper's edge: the margin as typed less 0.1 mm, at the printer's
// scale, and less the one pixel by which the strip stops short of it. The margin field stands
// in for a text that is no number or no longer the one the field was taken from.
double StripPixels(const AnsiString& marginText, double marginMm, double pxPerMm, double scale) {
    double mm;
    if (!TryStrToFloat(marginText, mm) || TwoDigitValue(mm) != marginMm) mm = marginMm;
    const double printerPx = SaturatedPixels(SaturatedPixels(mm * pxPerMm) - 0.1 * pxPerMm) - 1.0;
    return printerPx / pxPerMm * scale;
}
} // namespace

int PreviewBoxLength(int PixelsPerInch, int PaperPx, double PxPerMm, double ZoomPercent) {
    // The zoom stays in extended precision with the rest of the product: held as a double, 100 %
    // would be exactly 1 and a 5-inch paper at 72 dpi would come out one pixel short.
    const long double zoom = static_cast<long double>(ZoomPercent) * 0.01;
    const double mm = RoundedPaperMm(PaperPx, PxPerMm);
    return static_cast<int>(PixelsPerInch * kInchPerMm * mm * zoom);
}

void TForm1::ApplyPreviewSize() {
    // With no zoom selected the default 40 % stands in, as for the preview scale.
    const double percent = PreviewZoomPercent(this);
    // The whole paper, whatever its unprintable border, at the printer's own scale.
    PreViewBox->SetWidth(PreviewBoxLength(ScreenPixelsPerInchX(), PrinterRef->GetDeviceCaps(PHYSICALWIDTH),
                                          PxPerMmX, percent));
    PreViewBox->SetHeight(PreviewBoxLength(ScreenPixelsPerInchY(), PrinterRef->GetDeviceCaps(PHYSICALHEIGHT),
                                           PxPerMmY, percent));
    // Whatever changed the size (zoom, printer, paper, orientation), the whole box stays in reach.
    if (ScrollBox1->VertRange() != PreViewBox->Height() + 30)
        ScrollBox1->SetVertRange(PreViewBox->Height() + 30);
    if (ScrollBox1->HorzRange() != PreViewBox->Width() + 30)
        ScrollBox1->SetHorzRange(PreViewBox->Width() + 30);
}

void TForm1::UpdatePreview() {
    // Before creation has made the preview bitmap (a handler run while the window is still
    // being built) there is no page to draw.
    if (!PreviewBitmap || !PrinterRef) return;
    ApplyPreviewSize();
    PreviewBitmap->SetSize(PreViewBox->Width(), PreViewBox->Height());
    const float s = PreviewScaleSingle(this);
    // The margin lines at the content rectangle's edges (margins, frame insets and what a frame
    // moved off the printer's border), truncated to whole millimetres.
    const TContentBands bands = ContentBandsMm(this);
    const int T = BandPixels(bands.Top, s) - 1;
    const int L = BandPixels(bands.Left, s) - 1;
    const int R = BandPixels(bands.Right, s);
    const int B = BandPixels(bands.Bottom, s);
    const int W = PreviewBitmap->Width(), H = PreviewBitmap->Height();
    TCanvas* c = PreviewBitmap->Canvas();
    c->Brush()->SetColor(PaperColor);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(TRect(0, 0, W, H));
    if (!BGImage.empty()) PreviewBackgroundImage(BGAlpha);
    // The paper's far edges, which the bitmap's size rounds.
    const double paperW = PreviewPaperWidth(this, s), paperH = PreviewPaperHeight(this, s);
    // The preview is the sheet: the strips that hide the picture in the margins are those the
    // print command lays, and like them they come before the pattern, so whatever the pattern
    // or a text item draws into the margins shows as it prints.
    if (!BGImageCheckBox1->Checked()) {
        const double sT = StripPixels(eSpaceT->Text(), MarginTop, PxPerMmY, s);
        const double sL = StripPixels(eSpaceL->Text(), MarginLeft, PxPerMmX, s);
        const double sR = StripPixels(eSpaceR->Text(), MarginRight, PxPerMmX, s);
        const double sB = StripPixels(eSpaceB->Text(), MarginBottom, PxPerMmY, s);
        c->Brush()->SetColor(PaperColor);
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(TRect(0, 0, W, SaturatedPixels(sT)));
        c->FillRect(TRect(0, SaturatedPixels(paperH - sB), W, H));
        c->FillRect(TRect(0, 0, SaturatedPixels(sL), H));
        c->FillRect(TRect(SaturatedPixels(paperW - sR), 0, W, H));
    }

    // The pattern's dashes are as long as they print (PreviewSurface); the margin lines below
    // are the screen's own dotted lines.
    if (!CheckBlank->Checked()) DrawPreviewPattern(PageControl1->ActivePageIndex());
    c->Pen()->SetDashScale(1.0);

    c->Pen()->SetColor(0xFF0000);
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psDot);
    c->Brush()->SetStyle(bsClear);
    if (SpaceLineView1->Checked()) {
        c->MoveTo(0, T);
        c->LineTo(W, T);
        c->MoveTo(0, H - B);
        c->LineTo(W, H - B);
        c->MoveTo(L, 0);
        c->LineTo(L, H);
        c->MoveTo(W - R, 0);
        c->LineTo(W - R, H);
    }
    PreviewPageNumber(CheckBox2->Checked());
    PreviewMark(MarkPos);
    PreviewHeader(CheckBoxHeader->Checked(), FrameIndex);
    // Nothing prints in the printer's unprintable border: the preview shows it as bare paper,
    // every pixel that lies wholly inside it.
    const double bx = BorderMmX(this) * s, by = BorderMmY(this) * s;
    if (bx > 0 || by > 0) {
        c->Brush()->SetColor(PaperColor);
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(TRect(0, 0, W, SaturatedPixels(by)));
        c->FillRect(TRect(0, SaturatedPixels(std::ceil(paperH - by)), W, H));
        c->FillRect(TRect(0, 0, SaturatedPixels(bx), H));
        c->FillRect(TRect(SaturatedPixels(std::ceil(paperW - bx)), 0, W, H));
        c->Brush()->SetStyle(bsClear);
    }
    c->Pen()->SetWidth(1);
    PreViewBox->Canvas()->Draw(0, 0, PreviewBitmap);
}

void TForm1::PreViewBoxPaint(TObject*) {
    StatusBar1->Panels(1)->Text = "総印刷枚数：" + IntToStr(ReadPrintCount(PageControl1->ActivePageIndex()));
    StatusBar1->PanelsChanged();
    UpdatePreview();
}

void TForm1::GraphPenStyleChange(TObject*) {
    UpdatePreview();
}
void TForm1::CheckBlankClick(TObject*) {
    UpdatePreview();
}
void TForm1::View(TObject*) {
    UpdatePreview();
}

void TForm1::ComboBox1Change(TObject*) {
    ApplyPreviewSize();
    UpdatePreview();
}

void TForm1::ToolZoomButton1Click(TObject* Sender) {
    if (ComboBox1->ItemIndex() > 0) {
        ComboBox1->SetItemIndex(ComboBox1->ItemIndex() - 1);
        ComboBox1Change(Sender);
    }
    ComboBox1Change(Sender);
}

void TForm1::ToolZoomButton2Click(TObject* Sender) {
    if (ComboBox1->ItemIndex() < ComboBox1->ItemCount() - 1) {
        ComboBox1->SetItemIndex(ComboBox1->ItemIndex() + 1);
        ComboBox1Change(Sender);
    }
    ComboBox1Change(Sender);
}

void TForm1::PreViewBoxMouseDown(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
    if (Button != mbRight) return;
    PanDragging = true;
    PanStartX = X;
    PanStartY = Y;
}

void TForm1::PreViewBoxMouseMove(TObject*, TShiftState, int X, int Y) {
    if (!PanDragging) return;
    ScrollBox1->SetVertPosition(ScrollBox1->VertPosition() + PanStartY - Y);
    ScrollBox1->SetHorzPosition(ScrollBox1->HorzPosition() + PanStartX - X);
}

void TForm1::PreViewBoxMouseUp(TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbRight) PanDragging = false;
}

void TForm1::SpaceLineView1Click(TObject*) {
    SpaceLineView1->SetChecked(!SpaceLineView1->Checked());
    UpdatePreview();
}

void TForm1::MenuViewZoomClick(TObject*) {
    MenuViewZoom->SetChecked(!MenuViewZoom->Checked());
    ToolBar3->SetVisible(!ToolBar3->Visible());
}

void TForm1::MenuViewPrintClick(TObject*) {
    MenuViewPrint->SetChecked(!MenuViewPrint->Checked());
    ToolBar1->SetVisible(!ToolBar1->Visible());
}

void TForm1::MenuViewFile1Click(TObject*) {
    MenuViewFile1->SetChecked(!MenuViewFile1->Checked());
    ToolBar4->SetVisible(!ToolBar4->Visible());
}

void TForm1::FormResize(TObject*) {
    if (StatusBar1->PanelCount() > 0) {
        StatusBar1->Panels(0)->Width = StatusBar1->Width() - 400;
        StatusBar1->PanelsChanged();
    }
}
