// Printer metrics and the ways the user changes the printer.
#include "Unit1.h"

#include "PixelMath.h"
#include "WholeNumbers.h"
#include "editors/GraphLimits.h"
#include "editors/NumberText.h"
#include "render/RenderConventions.h"

void TForm1::ComputeDrawableSize() {
    // The top and bottom bands with the margins, the frame insets and what a frame moved off the
    // printer's unprintable border took with it.
    const TContentBands moved = FrameBandShiftMm(this);
    DrawableHeight = SaturatedPixels(
        PrinterRef->PageHeight() + 2.0 * PhysOffsetY -
        (MarginTop + MarginBottom + FrameInsetTop + FrameInsetBottom + moved.Top + moved.Bottom) * PxPerMmY);
    // The left and right frame bands do not narrow the printable width.
    DrawableWidth =
        SaturatedPixels(PrinterRef->PageWidth() + 2.0 * PhysOffsetX - (MarginLeft + MarginRight) * PxPerMmX);
}

void TForm1::ReadPrinterScale() {
    // The resolution the job is drawn at is the one true scale: a length typed in millimetres
    // prints at that length on every paper. (The printable size in whole millimetres is no scale:
    // Letter's 215.9 mm count as 215, half a per cent short.)
    PxPerMmX = PrinterRef->GetDeviceCaps(LOGPIXELSX) / 25.4;
    PxPerMmY = PrinterRef->GetDeviceCaps(LOGPIXELSY) / 25.4;
}

void TForm1::RefreshPrinterMetrics() {
    ReadPrinterScale();
    PhysOffsetX = PrinterRef->GetDeviceCaps(PHYSICALOFFSETX);
    PhysOffsetY = PrinterRef->GetDeviceCaps(PHYSICALOFFSETY);
    ComputeDrawableSize();
    EditPrinterIndex = PrinterRef->PrinterIndex();

    const double minY = PhysOffsetY / PxPerMmY, minX = PhysOffsetX / PxPerMmX;
    struct Box {
        TEdit* edit;
        double minimum;
    };
    for (const Box& b : {Box{eSpaceT, minY}, Box{eSpaceL, minX}, Box{eSpaceR, minX}, Box{eSpaceB, minY}}) {
        if (StrToFloat(b.edit->Text()) < b.minimum) b.edit->SetText(TwoDigitText(b.minimum));
    }
    lSpace_mm->SetCaption("最低" + TwoDigitText(minX) + "mm");
    FillLimitLabels(); // built with the graph editors (editors/GraphEditors.cpp)

    // The cell sizes come down to what the counts leave room for; with no printable area left
    // there is nothing to come down to, and the sizes stay.
    const double limitX = LargestCellMm(DrawableWidth, StrToWhole(eDotX->Text()), PxPerMmX, true);
    if (limitX > 0 && TwoDigitValue(limitX) < StrToFloat(eMmX->Text())) eMmX->SetText(TwoDigitText(limitX));
    const double limitY = LargestCellMm(DrawableHeight, StrToWhole(eDotY->Text()), PxPerMmY, false);
    if (limitY > 0 && TwoDigitValue(limitY) < StrToFloat(eMmY->Text())) eMmY->SetText(TwoDigitText(limitY));
    UpdatePreview();
    StatusBar1->Invalidate();
}

void TForm1::PrinterMenuItemClick(TObject* Sender) {
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item) return;
    // A queue removed since start-up raises here with its message; the printer the settings are
    // made for stays current and nothing is measured again.
    PrinterRef->SetPrinterByName(item->Hint());
    RefreshPrinterMetrics();
}

void TForm1::PrintSetupExecute(TObject*) {
    if (PrinterSetupDialog1->Execute()) RefreshPrinterMetrics();
}

void TForm1::PrinterSetup1Click(TObject* Sender) {
    PrintSetupExecute(Sender);
}

void TForm1::PrintDialog1Show(TObject*) {
    RefreshPrinterMetrics();
}

void TForm1::PrintDialog1Close(TObject*) {
    RefreshPrinterMetrics();
}

void TForm1::StatusBar1Click(TObject*) {
    TRect r = StatusBar1->ClientRect();
    const TPoint origin = StatusBar1->ClientOrigin();
    r = TRect(r.Left + origin.x, r.Top + origin.y, r.Right + origin.x, r.Bottom + origin.y);
    const TPoint cursor = GetCursorPos();
    if (!(r.Left < cursor.x && cursor.x < r.Right && r.Top < cursor.y && cursor.y < r.Bottom)) return;
    std::vector<int> lefts;
    int edge = r.Left;
    const int count = StatusBar1->PanelCount();
    for (int i = 0; i < count; ++i) {
        lefts.push_back(edge);
        Application->ProcessMessages();
        edge = (i == count - 1) ? r.Right : edge + StatusBar1->Panels(i)->Width;
        if (cursor.x < edge) {
            if (i == 3) PopupMenu2->Popup(lefts[3], r.Top);
            return;
        }
        if (!(cursor.x > edge)) return; // exactly on a boundary: no panel
    }
}

void TForm1::N12Click(TObject*) {
    ShowMessage("PageWidth\t" + IntToStr(PrinterRef->PageWidth()) + "\n" + "PageHeight\t" +
                IntToStr(PrinterRef->PageHeight()) + "\n" + "mmWidth\t" +
                IntToStr(PrinterRef->GetDeviceCaps(HORZSIZE)) + "\nmmHeight\t" +
                IntToStr(PrinterRef->GetDeviceCaps(VERTSIZE)));
}
