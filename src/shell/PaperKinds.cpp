#include "PaperKinds.h"

#include "Unit1.h"
#include "render/ArcArguments.h"
#include "render/LogArguments.h"
#include "render/Unit4.h"

#include <iterator>

namespace {
struct TPaperKind {
    void (*Print)();
    void (*Preview)();
    bool Counted; // a printed sheet adds to the kind's print count
};

// The renderers that take arguments get them from the main window here, at each call.
void PrintLog() {
    PrintLogPaper(Form1->ComboBox4->ItemIndex(), static_cast<float>(Form1->LogMinX),
                  static_cast<float>(Form1->LogMinY), ReadLogRatio());
}
void PreviewLog() {
    PreviewLogPaper(Form1->ComboBox4->ItemIndex(), static_cast<float>(Form1->LogMinX),
                    static_cast<float>(Form1->LogMinY), ReadLogRatio());
}
void PrintArcs() {
    const TArcArguments a = ReadArcArguments();
    PrintArc(a.Diameter, a.Divisions, a.Rings, a.CircleStyle, a.DivisionStyle);
}
void PreviewArcs() {
    const TArcArguments a = ReadArcArguments();
    PreviewArc(a.Diameter, a.Divisions, a.Rings, a.CircleStyle, a.DivisionStyle);
}
void PrintTexts() {
    PrintTextItems(Form1->TntListBox1, Form1->TextFonts, Form1->TextPositions);
}
void PreviewTexts() {
    PreviewTextItems(Form1->TntListBox1, Form1->TextFonts, Form1->TextPositions);
}

const TPaperKind PaperKinds[] = {
    {PrintGraphPaper, PreviewGraphPaper, true},
    {PrintLog, PreviewLog, true},
    {PrintManuscriptPaper, PreviewManuscriptPaper, true},
    {PrintMultiLine, PreviewMultiLine, true},
    {PrintSlantPaper, PreviewSlantPaper, true},
    {PrintGrid, PreviewGrid, true},
    {PrintArcs, PreviewArcs, true},
    {PrintTexts, PreviewTexts, false},
};

const TPaperKind* KindAt(int Index) {
    if (Index < 0 || Index >= static_cast<int>(std::size(PaperKinds))) return nullptr;
    return &PaperKinds[Index];
}
} // namespace

bool DrawPrintPattern(int Index) {
    const TPaperKind* kind = KindAt(Index);
    if (!kind) return false;
    kind->Print();
    return kind->Counted;
}

void DrawPreviewPattern(int Index) {
    if (const TPaperKind* kind = KindAt(Index)) kind->Preview();
}
