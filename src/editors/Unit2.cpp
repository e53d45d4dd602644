// The slide input window: its controls, the range it offers and the values it writes.
#include "Unit2.h"

#include "shell/FormBuilder.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "shell/Yxcalc.h"
#include "winlib/GccQuirks.h"
#include "winlib/SysUtils.h"

TForm2* Form2 = nullptr;

namespace {
constexpr int kWholeSpan = 5; // a whole-number range reaches this far either side of the value

AnsiString TargetText(const TEdit* e) {
    return e ? e->Text() : AnsiString();
}

// The target's whole value, or Fallback when its text is not a whole number.
int WholeOr(const TEdit* e, int Fallback) {
    int v;
    return TryStrToWhole(TargetText(e), v) ? v : Fallback;
}

// A range edit shows the number the window wrote from its first character, however long it is
// (the edit is narrow; left at its end it would show only the last digits).
void ShowRangeText(TEdit* e, const AnsiString& Text) {
    e->SetText(Text);
    e->SetSelStart(0);
}

// The track bar refuses an end that would cross the other one; such an end is left as it is,
// so a range typed digit by digit settles once the text is complete.
void ApplyMin(TTrackBar* t, int m) {
    if (m <= t->Max()) t->SetMin(m);
}
void ApplyMax(TTrackBar* t, int m) {
    if (m >= t->Min()) t->SetMax(m);
}

// Gives the track bar a whole new range; the ends are set in the order in which they never cross
// the other end's old value (a range left below zero by a whole-number edit, for instance).
void SetRange(TTrackBar* t, int Min, int Max) {
    if (Min > t->Max()) {
        t->SetMax(Max);
        t->SetMin(Min);
    } else {
        t->SetMin(Min);
        t->SetMax(Max);
    }
}
} // namespace

TForm2::TForm2(TComponent* Owner) : TForm(Owner) {
    SetName("Form2");
    SetCaption("スライドインプット");
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(150);
    SetClientHeight(48);
    SetVisible(false);

    Panel1 = MakeControl<TPanel>(this, this, "Panel1", 0, 0, 150, 48);
    Panel1->SetAlign(alClient);
    TrackBar1 = MakeControl<TTrackBar>(this, Panel1, "TrackBar1", 0, 0, 150, 26);
    TrackBar1->SetThumbLength(8);
    TrackBar1->SetTickMarks(tmBoth);
    TrackBar1->SetMin(1);
    TrackBar1->SetMax(10);
    TrackBar1->SetPageSize(1);
    TrackBar1->SetPosition(5);
    TrackBar1->SetTag(1);
    Edit1 = MakeEdit(this, Panel1, "Edit1", "1", 2, 26, 40, 0);
    Edit2 = MakeEdit(this, Panel1, "Edit2", "100", 108, 26, 40, 0);
    Label1 = MakeLabel(this, Panel1, "Label1", "100", 60, 29, 30);

    OnShow = Bind(this, &TForm2::FormShow);
    OnDeactivate = Bind(this, &TForm2::FormDeactivate);
    Edit1->OnChange = Bind(this, &TForm2::Edit1Change);
    Edit2->OnChange = Bind(this, &TForm2::Edit2Change);
    TrackBar1->OnChange = Bind(this, &TForm2::TrackBar1Change);
    TrackBar1->OnEnter = Bind(this, &TForm2::TrackBar1Enter);
    TrackBar1->OnExit = Bind(this, &TForm2::TrackBar1Exit);
}

void TForm2::OpenFor(TEdit* Edit) {
    TargetEdit = Edit;
    TargetKind = Edit->Tag() == 0 ? 0 : 1; // whole numbers, or decimal numbers of any kind
    const TPoint origin = Edit->ClientOrigin();
    SetLeft(origin.x);
    SetTop(origin.y + Edit->Height());
    const AnsiString start = Edit->Text().empty() ? AnsiString("1") : Edit->Text();
    // Opening only sets the range: even with the track bar still focused (the window was open
    // on another edit) no position it takes meanwhile is written into the new target.
    ++opening_;
    try {
        ShowRangeText(Edit1, start);
        ShowRangeText(Edit2, start);
        Show();
    } catch (...) {
        --opening_;
        throw;
    }
    --opening_;
}

RULIFORM_GCC12_STRING_RESTRICT_BEGIN
void TForm2::FormShow(TObject*) {
    SetColor(0x0000FF); // shows as the border
    const AnsiString text = TargetText(TargetEdit);
    if (TargetKind == 0) {
        int v;
        const bool whole = TryStrToWhole(text, v);
        const int low = whole ? v - kWholeSpan : 1;
        MinText = IntToStr(low < 0 ? 1 : low);
        MaxText = whole ? IntToStr(v + kWholeSpan) : AnsiString("10");
    } else {
        double v;
        const bool number = TryStrToFloat(text, v);
        if (number) {
            const double low = v * 0.5;
            MinText = low < 0 ? AnsiString("0.1") : FloatToStr(low);
            MaxText = FloatToStr(v * 1.5);
        } else {
            MinText = "2";
            MaxText = "10";
        }
        SetRange(TrackBar1, 0, 10);
        TrackBar1->SetPosition(5);
    }
    ShowRangeText(Edit1, MinText);
    ShowRangeText(Edit2, MaxText);
}
RULIFORM_GCC12_STRING_RESTRICT_END

void TForm2::ShowWholePosition() {
    TrackBar1->SetPosition(WholeOr(TargetEdit, 5));
    Label1->SetCaption(IntToStr(TrackBar1->Position()));
}

void TForm2::Edit1Change(TObject*) {
    if (TargetKind == 0) {
        int m;
        if (!TryStrToWhole(Edit1->Text(), m)) {
            m = WholeOr(TargetEdit, kWholeSpan) - kWholeSpan;
            ShowRangeText(Edit1, IntToStr(m));
        }
        ApplyMin(TrackBar1, m);
        ShowWholePosition();
    } else {
        ShowInterpolated();
    }
}

void TForm2::Edit2Change(TObject*) {
    if (TargetKind == 0) {
        int m;
        if (!TryStrToWhole(Edit2->Text(), m)) {
            m = WholeOr(TargetEdit, kWholeSpan) + kWholeSpan;
            ShowRangeText(Edit2, IntToStr(m));
        }
        ApplyMax(TrackBar1, m);
        ShowWholePosition();
    } else {
        TrackBar1->SetPosition(5);
        ShowInterpolated();
    }
}

// The value the position stands for between the two typed ends; false while an end is not
// a number (the double click copies the target's text into both before the range is known).
bool TForm2::InterpolatedText(AnsiString& Text) const {
    double low, high;
    if (!TryStrToFloat(Edit1->Text(), low) || !TryStrToFloat(Edit2->Text(), high)) return false;
    const double t = TrackBar1->Position() * 10.0 * 0.01;
    Text = FloatToStrF(Lerp(low, high, t), ffGeneral, 4, 4);
    return true;
}

void TForm2::ShowInterpolated() {
    AnsiString text;
    if (InterpolatedText(text)) Label1->SetCaption(text);
}

void TForm2::TrackBar1Change(TObject*) {
    if (TrackBar1->Tag() == 1 || opening_) return;
    if (TargetKind == 0) {
        const AnsiString text = IntToStr(TrackBar1->Position());
        if (TargetEdit) TargetEdit->SetText(text);
        Label1->SetCaption(text);
    } else {
        AnsiString text;
        if (!InterpolatedText(text)) return;
        Label1->SetCaption(text);
        if (TargetEdit) TargetEdit->SetText(text);
    }
}

void TForm2::TrackBar1Enter(TObject*) {
    TrackBar1->SetTag(0);
}

void TForm2::TrackBar1Exit(TObject*) {
    TrackBar1->SetTag(1);
}

void TForm2::FormDeactivate(TObject*) {
    Hide();
}

void TForm1::Edit16DblClick(TObject* Sender) {
    auto* edit = dynamic_cast<TEdit*>(Sender);
    if (edit && Form2) Form2->OpenFor(edit);
}
