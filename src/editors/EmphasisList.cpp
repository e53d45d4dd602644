// The per-line emphasis list of multi-line paper: one row of MultiLine_individual per line that
// has its own colour, thickness and line type, mirrored by the line numbers in ListBox1. SQLite
// results are not looked at: a failed statement leaves the table as it was.
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

// Item texts go into the statements as they stand, so only texts that read as a whole number
// are let through: anything else (say "1 or 1=1") would be taken as SQL and could hit every row.
bool IsNumberText(const AnsiString& Text) {
    const AnsiString t = Trim(Text);
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9') return false;
    return true;
}

EmphasisRow ReadRow(TForm1* f, const AnsiString& ItemText) {
    EmphasisRow row;
    if (!IsNumberText(ItemText)) return row;
    f->SqlText = "select * from MultiLine_individual where no=" + ItemText;
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

void DeleteRow(TForm1* f, const AnsiString& ItemText) {
    if (!IsNumberText(ItemText)) return;
    f->SqlText = "delete from MultiLine_individual where no=" + ItemText;
    sqlite3_exec(f->DbHandle, f->SqlText.c_str(), nullptr, nullptr, nullptr);
}

// The editors' values. The thickness has no fallback: a text that is not a number raises the
// conversion error here, before anything is written or deleted.
EmphasisRow ReadEditors(TForm1* f) {
    EmphasisRow row;
    row.no = StrToWholeDef(f->Edit31->Text(), 1);
    row.color = f->Panel7->Color();
    row.size = StrToFloat(f->Edit34->Text());
    row.type = f->ComboBox11->ItemIndex();
    return row;
}

// A number that has a row already keeps its row: the insert fails on the key.
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
    const AnsiString typed = f->Edit31->Text();
    if (f->ListBox1->IndexOfItem(typed) < 0) f->ListBox1->AddItem(typed);
}

AnsiString TypeName(TComboBox* Types, int Type) {
    return Type >= 0 && Type < Types->ItemCount() ? Types->Item(Type) : AnsiString();
}
} // namespace

void TForm1::Button14Click(TObject*) {
    InsertRow(this, ReadEditors(this));
    UpdatePreview();
}

void TForm1::Button15Click(TObject*) {
    if (ListBox1->ItemIndex() == -1) return;
    // From the end, so that removing one item does not shift the next selected one past the loop.
    for (int i = ListBox1->ItemCount() - 1; i >= 0; --i) {
        if (!ListBox1->Selected(i)) continue;
        DeleteRow(this, ListBox1->Item(i));
        ListBox1->DeleteItem(i);
    }
    UpdatePreview();
}

void TForm1::Button13Click(TObject*) {
    const int current = ListBox1->ItemIndex();
    if (current == -1) return;
    const EmphasisRow row = ReadEditors(this);
    DeleteRow(this, ListBox1->Item(current));
    ListBox1->DeleteItem(current);
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
