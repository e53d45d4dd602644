// Multi-line paper: horizontal lines in groups (n lines at pitch p, an extra gap q between
// groups), across the whole width inside the side margins. Every N-th line of a group may take
// the group emphasis pen, and single lines, named by their running number on the page, may take
// their own pen from the MultiLine_individual table. Lines are not stopped at the bottom margin.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "winlib/SysUtils.h"

#include <sqlite3.h>

namespace {
// A pen for one line: colour, line type and thickness in pixels.
struct LinePen {
    TColor color = clBlack;
    int type = 0;
    double px = 0;
};

struct MultiLineSettings {
    int groups = 5, lines = 5;
    double pitch = 0, gap = 0; // pixels
    LinePen plain, emphasis;
    bool groupEmphasis = false, perLine = false;
    int every = 4;
};

// Every value is read and converted before anything is drawn, so a pitch, gap or thickness that
// is not a number raises before the first line.
MultiLineSettings ReadSettings(TForm1* f, double scale) {
    MultiLineSettings m;
    m.groups = StrToWholeDef(f->EditFiveLineCount->Text(), 5);
    m.lines = StrToWholeDef(f->EditLineCount1->Text(), 5);
    m.pitch = StrToFloat(f->EditFiveLineLSpace->Text()) * scale;
    m.gap = StrToFloat(f->EditFiveLineSpace->Text()) * scale;
    m.plain = {LineColor(f), f->ComboBox3->ItemIndex(), StrToFloat(f->EditLineSize->Text()) * scale};
    m.emphasis = {f->ExColorPanel2->Color(), f->ComboBox6->ItemIndex(),
                  StrToFloat(f->EditLineSizeEx->Text()) * scale};
    m.groupEmphasis = f->CheckMultiline1->Checked();
    m.every = StrToWholeDef(f->Edit3->Text(), 4);
    m.perLine = f->CheckMultiline2->Checked();
    return m;
}

// The row of line Number in MultiLine_individual, when the table has one; Pen stays as it is
// when it has none or the statement fails.
void ReadLineRow(TForm1* f, int number, double scale, LinePen& pen) {
    f->SqlText = "select * from MultiLine_individual where no=" + IntToStr(number);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(f->DbHandle, f->SqlText.c_str(), -1, &stmt, nullptr);
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        pen.color = static_cast<TColor>(sqlite3_column_int(stmt, 1));
        pen.px = sqlite3_column_double(stmt, 2) * scale;
        pen.type = sqlite3_column_int(stmt, 3);
    }
    sqlite3_finalize(stmt);
}

// The pen of line K of its group, running number Number: the per-line row wins over the group
// emphasis, which wins over the plain pen. An interval of 0 emphasises nothing.
LinePen PenFor(TForm1* f, const MultiLineSettings& m, int k, int number, double scale) {
    LinePen pen = m.groupEmphasis && m.every != 0 && k % m.every == 0 ? m.emphasis : m.plain;
    if (m.perLine && f->ListBox1->IndexOfItem(IntToStr(number)) >= 0) ReadLineRow(f, number, scale, pen);
    return pen;
}

// Both renderers: Scale converts millimetres (pitch, gap, thicknesses) to the surface's pixels
// down the page.
void DrawMultiLine(const TPageSurface& page, double scale) {
    TForm1* f = Form1;
    // The bands are held in single precision.
    const float top = static_cast<float>(page.Top);
    const float left = static_cast<float>(page.Left);
    const float right = static_cast<float>(page.Right);
    const MultiLineSettings m = ReadSettings(f, scale);
    TCanvas* c = page.Canvas;
    const int x1 = ToPixel(left), x2 = ToPixel(page.Width - right);
    const double groupHeight = m.lines * m.pitch + m.gap;
    int number = 1;
    for (int g = 0; g < m.groups; ++g) {
        for (int k = 1; k <= m.lines; ++k) {
            const LinePen pen = PenFor(f, m, k, number, scale);
            c->Brush()->SetStyle(bsClear);
            c->Pen()->SetColor(pen.color);
            SetLinePen(c, pen.type);
            ++number;
            StackedHorizontal(c, x1, x2, groupHeight * g + k * m.pitch + top, pen.px);
        }
    }
}
} // namespace

void PrintMultiLine() {
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    page.Canvas->Pen()->SetWidth(1);
    DrawMultiLine(page, f->PxPerMmY);
}

void PreviewMultiLine() {
    const float s = PreviewScaleSingle(Form1);
    DrawMultiLine(PreviewSurface(Form1, s, s), s);
}
