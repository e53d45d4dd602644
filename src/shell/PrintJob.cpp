// The print command: the requested number of identical sheets as one job, counted per paper kind.
#include "Unit1.h"

#include "PaperKinds.h"
#include "PixelMath.h"
#include "BusyCursor.h"
#include "WholeNumbers.h"
#include "render/BackgroundPrint.h"
#include "render/Unit4.h"

#include <optional>

namespace {
// A margin strip in printer pixels: the margin as typed, less 0.1 mm.
int Strip(const AnsiString& marginText, double pxPerMm) {
    return SaturatedPixels(SaturatedPixels(StrToFloat(marginText) * pxPerMm) - 0.1 * pxPerMm);
}
} // namespace

void TForm1::PrintOutExecute(TObject*) {
    if (!PrintDialog1->Execute()) return;
    if (PrinterRef->PrinterIndex() != EditPrinterIndex) {
        const int answer = MessageBox("編集時のプリンターではありません\n設定と異なる物が印刷されるかもしれま"
                                      "せん\n処理を続行しますか？",
                                      "Ruliform - Printerエラー", MB_YESNO);
        if (answer != IDYES) return;
    }
    RefreshPrinterMetrics();
    TCanvas* c = PrinterRef->Canvas();
    c->Pen()->SetWidth(1);
    // The margins count from the paper's edges, the canvas from the printable area's: on a printer
    // with an unprintable border the strips end where the margins do, not a border further in.
    const int T = Strip(eSpaceT->Text(), PxPerMmY) - PhysOffsetY;
    const int L = Strip(eSpaceL->Text(), PxPerMmX) - PhysOffsetX;
    const int R = Strip(eSpaceR->Text(), PxPerMmX) - PhysOffsetX;
    const int B = Strip(eSpaceB->Text(), PxPerMmY) - PhysOffsetY;

    // Between sheets the job lets waiting events through (paints, the desktop session's end), but
    // no key or click, and any close or deferred call waits until the job is over.
    TLongWork job;
    // The job holds the window until its last sheet is drawn and handed on.
    std::optional<TBusyCursor> busy(std::in_place);
    PrinterRef->BeginDoc();
    // Sheets are counted once the job has been handed on whole: a job that fails or is refused
    // counts nothing. A job that has begun is never left open: an error drops it before it is
    // shown, so no half-written document or stuck queue entry remains.
    //
    // Each sheet counts for its paper kind when the kind's pattern was drawn on it (kinds 0 to
    // 6); the counts of the whole job then go to the database in one transaction.
    TPrintCounts sheets{};
    // The background picture is blended once for the job and every sheet draws that one copy.
    BGPrintBlend = std::make_unique<TPrintBackground>();
    struct JobPicture {
        TForm1* f;
        ~JobPicture() { f->BGPrintBlend.reset(); }
    } jobPicture{this};
    try {
        c = PrinterRef->Canvas();
        c->Pen()->SetWidth(1);
        int pagesDone = 0;
        while (StrToWhole(Edit2->Text()) > pagesDone) {
            // The program is asked to end (an end signal, the desktop's log-out): the job ends
            // here, before its next sheet. Nothing of it has been handed on, so nothing is
            // counted, and the message loop then closes the window, which saves the settings.
            Application->ProcessNonInputMessages();
            if (Application->EndRequested()) {
                PrinterRef->Abort();
                return;
            }
            c->Brush()->SetColor(clWhite);
            c->FillRect(TRect(0, 0, DrawableWidth, DrawableHeight));
            c->Pen()->SetColor(ColorDialog1->Color());
            c->Brush()->SetColor(ColorDialog1->Color());
            if (!BGImage.empty()) PrintBackgroundImage(BGAlpha);
            if (!BGImageCheckBox1->Checked()) {
                const int pw = PrinterRef->PageWidth(), ph = PrinterRef->PageHeight();
                c->Brush()->SetColor(clWhite);
                c->FillRect(TRect(0, 0, pw, T - 1));
                c->FillRect(TRect(0, ph - B + 1, pw, ph));
                c->FillRect(TRect(0, 0, L - 1, ph));
                c->FillRect(TRect(pw - R + 1, 0, pw, ph));
            }
            if (!CheckBlank->Checked()) {
                const int kind = PageControl1->ActivePageIndex();
                if (DrawPrintPattern(kind) && kind >= 0 && kind < static_cast<int>(sheets.size()))
                    ++sheets[static_cast<size_t>(kind)];
            }
            c->Brush()->SetColor(clWhite);
            PrintPageNumber(CheckBox2->Checked());
            PrintMark(MarkPos);
            PrintHeader(CheckBoxHeader->Checked(), FrameIndex);
            if (StrToWhole(Edit2->Text()) == PrinterRef->PageNumber()) break;
            PrinterRef->NewPage();
            ++pagesDone;
        }
        PrinterRef->EndDoc();
    } catch (...) {
        if (PrinterRef->Printing()) PrinterRef->Abort();
        throw;
    }
    // Counting may tell of a database fault in a box, which the user answers with a plain cursor.
    busy.reset();
    AddPrintCounts(sheets);
}
