// The fade-out on close, the settings panel's wheel step, the About command and the debug
// tool bar's three measurements.
#include "Unit1.h"

#include "SecondaryForms.h"

void TForm1::FormClose(TObject*, TCloseAction&) {
    if (!TransparentClose) return;
    // The window is layered from the start, so each opacity shows at once.
    for (int alpha = 255; alpha > 0; alpha -= 10) {
        SetAlphaBlendValue(alpha);
        Invalidate();
    }
}

void TForm1::ScrollBox2MouseWheel(TObject*, TShiftState, int WheelDelta, TPoint, bool&) {
    const int step = WheelDelta >= 0 ? -5 : 5;
    ScrollBox2->SetVertPosition(ScrollBox2->VertPosition() + step);
}

void TForm1::About1Click(TObject*) {
    if (AboutBox) AboutBox->Show();
}

void TForm1::ToolButton6Click(TObject*) {
    ShowMessage(IntToStr(PrinterRef->PageHeight()));
}

void TForm1::ToolButton7Click(TObject*) {
    ShowMessage(IntToStr(PhysOffsetX) + ":" + IntToStr(PhysOffsetY) + "\n" +
                FloatToStr(PhysOffsetX / PxPerMmX) + ":" + FloatToStr(PhysOffsetY / PxPerMmY));
}

void TForm1::ToolButton8Click(TObject*) {
    // How many cells of the graph paper fit across the drawable width.
    ShowMessage(FloatToStrF(DrawableWidth / PxPerMmX / StrToFloat(eMmX->Text()), ffFixed, 2, 2));
}
