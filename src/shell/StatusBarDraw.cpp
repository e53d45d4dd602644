// The status bar's four owner-drawn panels: hint, print count, spacer and the current printer.
#include "Unit1.h"

#include "ChromeImages.h"
#include "Yxdraw.h"

void TForm1::StatusBar1DrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect) {
    TCanvas* c = StatusBar->Canvas();
    c->Brush()->SetColor(CurrentSkin ? CurrentSkin->MidColor : clBtnFace);
    c->Brush()->SetStyle(bsClear);
    int index = -1;
    for (int i = 0; i < StatusBar->PanelCount(); ++i)
        if (StatusBar->Panels(i) == Panel) index = i;
    switch (index) {
    case 0:
        c->Brush()->SetColor(clWhite);
        c->FillRect(Rect);
        c->Font()->SetColor(0xFF0000);
        c->TextOut(Rect.Left + 1, Rect.Top + 1, Panel->Text);
        break;
    case 1:
        c->Font()->SetColor(clBlack);
        Panel->Width = c->TextWidth(Panel->Text) + 8;
        c->TextOut(Rect.Left + 1, Rect.Top + 1, Panel->Text);
        break;
    case 3: {
        const int i = PrinterRef ? PrinterRef->PrinterIndex() : -1;
        const AnsiString name =
            (i >= 0 && i < PrinterRef->Printers().Count()) ? PrinterRef->Printers()[i] : "";
        c->Font()->SetColor(clBlack);
        Panel->Width = c->TextWidth(name) + 20;
        ImageList1->Draw(c, Rect.Left, Rect.Top, kImagePrinter);
        c->TextOut(Rect.Left + 17, Rect.Top + 1, name);
        break;
    }
    default:
        break;
    }
}
