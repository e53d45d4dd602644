// The per-line emphasis list of multi-line paper: one row of MultiLine_individual per line that
// has its own colour, thickness and line type, mirrored by the line numbers in ListBox1. SQLite
// results are not looked at: a failed statement leaves the table as it was.
#include "shell/PaperSize.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

#include <sqlite3.h>

namespace {
struct EmphasisRow {
    bool found = false;
    int no = 0;
    TColor color = 0;
    double size = 0;
    int type = 0;
};

// The line number of a list item. Items are the decimal texts of their rows' numbers, so an
// item that is not a whole number has no row (and never reaches a statement as text).
bool ItemNumber(const AnsiString& Text, int& Number) {
    return TryStrToWhole(Text, Number);
}

EmphasisRow ReadRow(TForm1* f, const AnsiString& ItemText) {
    EmphasisRow row;
    int number;
    if (!ItemNumber(ItemText, number)) return row;
    f->SqlText = "select * from MultiLine_individual where no=" + IntToStr(number);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(f->DbHandle, f->SqlText.c_str(), -1, &stmt, nullptr);
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        row.found = true;
        row.no = sqlite3_column_int(stmt, 0);
        row.color = static_cast<TColor>(sqlite3_column_int(stmt, 1));
        row.size = sqlite3_column_double(stmt, 2);
        row.type = sqlite3_column_int(stmt, 3);
    }
    sqlite3_finalize(stmt);
    return row;
}

void DeleteRow(TForm1* f, int Number) {
    f->SqlText = "delete from MultiLine_individual where no=" + IntToStr(Number);
    sqlite3_exec(f->DbHandle, f->SqlText.c_str(), nullptr, nullptr, nullptr);
}

// The editors' values, or false (with a message) for a line thicker than the paper or of a
// negative thickness. The number falls back to line 1; the thickness has no fallback: a text
// that is not a number raises the conversion error here, before anything is written or deleted.
bool ReadEditors(TForm1* f, EmphasisRow& row) {
    row.no = StrToWholeDef(f->Edit31->Text(), 1);
    row.color = f->Panel7->Color();
    row.size = StrToFloat(f->Edit34->Text());
    row.type = f->ComboBox11->ItemIndex();
    if (!WithinPaper(f, row.size)) {
        ShowMessage("用紙より太い線は設定できません（" + IntToStr(static_cast<long long>(PaperSideMm(f))) +
                    "mm以下）");
        return false;
    }
    // A negative thickness would draw no line at all: refused the same way.
    if (row.size < 0) {
        ShowMessage("負の太さの線は設定できません（0mm以上）");
        return false;
    }
    return true;
}

// Stores the row, listed by the decimal text of its number so that the list shows every row and
// the renderer finds it. A number that has a row already keeps its row: the insert fails on the key.
void InsertRow(TForm1* f, const EmphasisRow& row) {
    f->SqlText = "insert into MultiLine_individual(no,color,size,type) values(?,?,?,?);";
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(f->DbHandle, f->SqlText.c_str(), -1, &stmt, nullptr);
    sqlite3_bind_int(stmt, 1, row.no);
    sqlite3_bind_int(stmt, 2, static_cast<int>(row.color));
    sqlite3_bind_double(stmt, 3, row.size);
    sqlite3_bind_int(stmt, 4, row.type);
    sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    const AnsiString item = IntToStr(row.no);
    if (f->ListBox1->IndexOfItem(item) < 0) f->ListBox1->AddItem(item);
}

AnsiString TypeName(TComboBox* Types, int Type) {
    return Type >= 0 && Type < Types->ItemCount() ? Types->Item(Type) : AnsiString();
}
} // namespace

void TForm1::Button14Click(TObject*) {
    EmphasisRow row;
    if (!ReadEditors(this, row)) return;
    InsertRow(this, row);
    UpdatePreview();
}

void TForm1::Button15Click(TObject*) {
    if (ListBox1->ItemIndex() == -1) return;
    // From the end, so that removing one item does not shift the next selected one past the loop.
    for (int i = ListBox1->ItemCount() - 1; i >= 0; --i) {
        if (!ListBox1->Selected(i)) continue;
        int number;
        if (ItemNumber(ListBox1->Item(i), number)) DeleteRow(this, number);
        ListBox1->DeleteItem(i);
    }
    UpdatePreview();
}

void TForm1::Button13Click(TObject*) {
    const int current = ListBox1->ItemIndex();
    if (current == -1) return;
    EmphasisRow row;
    if (!ReadEditors(this, row)) return;
    // The current row goes, and the editors' values replace the row of their number, whether
    // that is the current one or another that exists already.
    int number;
    if (ItemNumber(ListBox1->Item(current), number)) DeleteRow(this, number);
    ListBox1->DeleteItem(current);
    DeleteRow(this, row.no);
    InsertRow(this, row);
    UpdatePreview();
}

void TForm1::ListBox1DrawItem(TWinControl*, int Index, const TRect& Rect, TOwnerDrawState State) {
    DrawEmphasisItem(ListBox1->Canvas(), Index, Rect, State);
}

void TForm1::DrawEmphasisItem(TCanvas* Canvas, int Index, const TRect& Rect, TOwnerDrawState State) {
    const AnsiString text = ListBox1->Item(Index);
    const EmphasisRow row = ReadRow(this, text);
    const bool selected = (State & odSelected) != 0;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(selected ? clHighlight : clWindow);
    Canvas->Font()->SetColor(selected ? clHighlightText : clWindowText);
    Canvas->FillRect(Rect);
    if (!row.found) {
        // The list and the table disagree: show the item as it stands.
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->TextOut(Rect.Left + 16, Rect.Top, text);
        return;
    }
    Canvas->Brush()->SetColor(row.color);
    Canvas->FillRect(TRect(Rect.Left, Rect.Top, Rect.Left + 12, Rect.Bottom));
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextOut(Rect.Left + 16, Rect.Top,
                    IntToStr(row.no) + "本目" + FloatToStr(row.size) + "mm" + TypeName(ComboBox11, row.type));
}

void TForm1::ListBox1Click(TObject*) {
    const int current = ListBox1->ItemIndex();
    if (current == -1) return;
    const EmphasisRow row = ReadRow(this, ListBox1->Item(current));
    if (!row.found) return;
    Edit31->SetText(IntToStr(row.no));
    Edit34->SetText(FloatToStr(row.size));
    Panel7->SetColor(row.color);
    ComboBox11->SetItemIndex(row.type);
}

void TForm1::Panel7Click(TObject*) {
    if (ColorDialog1->Execute()) Panel7->SetColor(ColorDialog1->Color());
    ColorDialog1->SetColor(Panel2->Color());
}
