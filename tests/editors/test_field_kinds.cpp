// Typed inputs per kind of field: negative, a decimal point in a count, zero, beyond the paper,
// beyond int. A value the field cannot take is refused with the field's own correction text; what
// the field then shows is what the page is drawn with, and neither a rebuild nor a one-sheet
// print raises anything. A4 upright on the PDF printer, no offsets.
#include "TextItemWindowFixture.h"

#include "editors/Unit8.h"
#include "winlib/IniFiles.h"

#include <functional>

namespace {
struct Field {
    const char* what;
    int page;
    std::function<TEdit*(TForm1*)> edit;
    const char* section = nullptr; // where the settings file keeps it, when it does
    const char* key = nullptr;
};

TEdit* TextItemX(TForm1*) {
    return MojiPanel->TntEdit3;
}

struct Input {
    Field field;
    const char* typed;
    const char* shown; // the field's text afterwards
};

const Field kGridAcross{"grid count", 5, [](TForm1* f) { return f->Edit14; }};
const Field kArcAcross{"arc count across", 6, [](TForm1* f) { return f->Edit37; }};
const Field kRings{"arc rings", 6, [](TForm1* f) { return f->Edit25; }, "円弧", "N重"};
const Field kDivisions{"arc divisions", 6, [](TForm1* f) { return f->Edit26; }};
const Field kCellsAcross{"graph cells across", 0, [](TForm1* f) { return f->eDotX; }, "GraphPaper", "XPX"};
const Field kCellWidth{"graph cell width", 0, [](TForm1* f) { return f->eMmX; }};
const Field kLineWidth{"graph line width", 0, [](TForm1* f) { return f->Edit32; }};
const Field kDotPitch{"grid pitch", 5, [](TForm1* f) { return f->Edit18; }};
const Field kGraphEvery{"graph emphasis interval", 0, [](TForm1* f) { return f->Edit1; }};
const Field kMultiEvery{"multi-line emphasis interval", 3, [](TForm1* f) { return f->Edit3; }};
const Field kMultiPitch{"multi-line pitch", 3, [](TForm1* f) { return f->EditFiveLineLSpace; }};
const Field kMultiGap{"multi-line gap", 3, [](TForm1* f) { return f->EditFiveLineSpace; }};
const Field kMargin{"left margin", 0, [](TForm1* f) { return f->eSpaceL; }, "Space", "Left"};
const Field kTextX{"text item x", 7, TextItemX};

const Input kInputs[] = {
    // Counts: a whole number of at least 1; anything else is "1".
    {kGridAcross, "-5", "1"},
    {kGridAcross, "2.5", "1"},
    {kGridAcross, "0", "1"},
    {kGridAcross, "2147483648", "1"},
    {kGridAcross, "7", "7"},
    {kArcAcross, "2.5", "1"},
    {kArcAcross, "-5", "1"},
    {kRings, "0", "1"},
    {kRings, "00", "1"},
    {kRings, "-3", "1"},
    {kRings, "4", "4"},
    {kCellsAcross, "-5", "1"},
    {kCellsAcross, "2.5", "1"},
    {kCellsAcross, "99999999999", "1"},
    // Divisions: none, or a whole number of them up to a quarter of a degree each.
    {kDivisions, "-4", "0"},
    {kDivisions, "2.5", "0"},
    {kDivisions, "00", "00"},
    {kDivisions, "99999999999", "0"},
    {kDivisions, "12", "12"},
    // Sizes: a cell at least 1 mm, a line 0 or more, both no longer than the paper.
    {kCellWidth, "-5", "1.0"},
    {kCellWidth, "0", "1.0"},
    {kCellWidth, "1e400", "1.0"},
    {kLineWidth, "-5", "1.0"},
    {kLineWidth, "0", "0"},
    {kLineWidth, "298", "1.0"},
    {kLineWidth, "1e308", "1.0"},
    // A pitch: 0 or at least 1 mm, either sign.
    {kDotPitch, "0.5", "1.0"},
    {kDotPitch, "-2", "-2"},
    {kDotPitch, "300", "1.0"},
    // Emphasis every N-th line: a whole number within its arrows' range, from 2 on graph paper.
    {kGraphEvery, "0", "2"},
    {kGraphEvery, "-3", "2"},
    {kGraphEvery, "2.5", "2"},
    {kGraphEvery, "3", "3"},
    {kMultiEvery, "0", "1"},
    {kMultiEvery, "2147483648", "1"},
    // The multi-line pitch and gap: 0 or more, no longer than the paper.
    {kMultiPitch, "300", "1.0"},
    {kMultiPitch, "-5", "1.0"},
    {kMultiPitch, "0", "0"},
    {kMultiGap, "300", "1.0"},
    {kMultiGap, "297", "297"},
    {kMultiGap, "x", "1.0"},
    // A margin: no wider than the sheet in its direction, either sign.
    {kMargin, "250", "0"},
    {kMargin, "-5", "-5"},
    {kMargin, "1e400", "0"},
    // A text item's position: whole millimetres within three sheet lengths (891 mm on A4).
    {kTextX, "300", "300"},
    {kTextX, "-400", "-400"},
    {kTextX, "891", "891"},
    {kTextX, "892", "12"},
    {kTextX, "1000", "12"},
    {kTextX, "2147483647", "12"},
    {kTextX, "99999999999", "12"},
    {kTextX, "1.0", "12"},
    {kTextX, "-", "12"},
};
} // namespace

class FieldKindTest : public TextItemWindowTest, public ::testing::WithParamInterface<size_t> {
  protected:
    void PrintOneSheet() {
        DialogAnswer print;
        print.Kind = DialogKind::Print;
        print.Ok = true;
        print.PrinterName = PdfPrinterName;
        print.FileName = Path("sheet.pdf").string();
        ScriptDialogAnswer(print);
        f->Edit2->SetText("1");
        f->PrintOutExecute(f->PrintOut);
        EXPECT_FALSE(Printer()->Printing());
        EXPECT_TRUE(std::filesystem::exists(Path("sheet.pdf")));
    }
};

TEST_P(FieldKindTest, ARefusedValueShowsTheCorrectionAndNothingRaisesLater) {
    const Input& in = kInputs[GetParam()];
    SCOPED_TRACE(std::string(in.field.what) + " typed " + in.typed);
    f->PageControl1->SetActivePageIndex(in.field.page);
    // Emphasis and an item to place, so that every field is drawn.
    f->CheckGraphPaper1->SetChecked(true);
    f->CheckMultiline1->SetChecked(true);
    f->eSpaceL->UserSetText("12");
    f->ToolButton9Click(f->ToolButton9);
    f->TntListBox1->SetItemIndex(0);
    ShownMessages().clear();

    TEdit* e = in.field.edit(f);
    MarkPreviewStale();
    e->UserSetText(in.typed);
    EXPECT_EQ(e->Text(), in.shown);
    EXPECT_TRUE(PreviewRebuilt());
    if (e == MojiPanel->TntEdit3) {
        EXPECT_EQ(IntToStr(f->TextPositions.at(0).x), e->Text());
    }
    f->UpdatePreview();
    PrintOneSheet();
    for (const ShownMessage& m : ShownMessages())
        ADD_FAILURE() << "box: " << m.Text;

    // The settings file keeps what the field shows (a print raises a margin below the printer's
    // minimum to it, in the field too).
    if (in.field.section) {
        const AnsiString shown = e->Text();
        Close();
        TIniFile ini(Path("Ruliform.ini").string());
        EXPECT_EQ(ini.ReadString(in.field.section, in.field.key, "-"), shown);
        Open();
    }
}

INSTANTIATE_TEST_SUITE_P(Typed, FieldKindTest, ::testing::Range<size_t>(0, std::size(kInputs)));

// A count typed key by key with a decimal point: the point is refused and its correction is
// selected, so the digits after it start a new count instead of being added to the "1".
TEST_F(EditorTest, ADecimalPointTypedIntoACountIsNotAddedToTheCorrection) {
    for (TEdit* e : {f->Edit37, f->Edit14, f->eDotX, f->Edit1}) {
        e->SetText("");
        for (char k : {'2', '.', '5'})
            e->UserKeyPress(k);
        EXPECT_EQ(e->Text(), "5") << e->Name();
    }
    EXPECT_TRUE(ExceptionBoxes().empty());
}
