// Counts whose edits have up-down arrows: the settings file keeps them as the arrows' position (or
// reads them back through it), so a count the arrows cannot reach is refused in the field, at the
// arrows' limit, and what the field shows is drawn, saved and shown again, drawn alike, after a
// restart. A4 upright on the PDF printer.
#include "shell/MainWindowFixture.h"

#include <vector>

namespace {
struct Typing {
    TEdit* TForm1::*edit;
    const char* text;
};

struct Case {
    const char* what;
    int page;
    std::vector<Typing> before; // typed first, and kept
    Typing typed;
    const char* shown; // the field's text afterwards, and after the restart
};

using F = TForm1;
const Case kCases[] = {
    {"fold beyond the rows", 2, {}, {&F::Edit6, "300"}, "20"},
    {"fold above the row", 2, {}, {&F::Edit6, "-1"}, "0"},
    {"fold within typed rows", 2, {{&F::Edit5, "40"}}, {&F::Edit6, "30"}, "30"},
    {"rows lowered below the fold", 2, {{&F::Edit5, "40"}, {&F::Edit6, "30"}}, {&F::Edit5, "25"}, "25"},
    {"manuscript cells across", 2, {}, {&F::Edit4, "1500"}, "1000"},
    {"manuscript rows", 2, {}, {&F::Edit5, "2000"}, "1000"},
    {"manuscript cells no number", 2, {}, {&F::Edit4, "x"}, "1"},
    {"graph emphasis across", 0, {}, {&F::Edit1, "1500"}, "1000"},
    {"graph emphasis every line", 0, {}, {&F::Edit1, "1"}, "2"},
    {"graph emphasis down", 0, {}, {&F::Edit27, "1001"}, "1000"},
    {"multi-line emphasis", 3, {}, {&F::Edit3, "5000"}, "1000"},
    {"multi-line emphasis every group", 3, {}, {&F::Edit3, "1"}, "1"},
    {"slanted cells across", 4, {}, {&F::Edit29, "1200"}, "1000"},
    {"slanted cells down", 4, {}, {&F::Edit30, "1001"}, "1000"},
    {"grid dots across", 5, {}, {&F::Edit14, "1001"}, "1000"},
    {"grid dots down", 5, {}, {&F::Edit15, "99999"}, "1000"},
    {"arc divisions", 6, {}, {&F::Edit26, "2000"}, "1440"},
};

// Every count field with arrows, to see that a restart shows each as it was.
std::vector<TEdit*> SpinCountFields(TForm1* f) {
    return {f->Edit1,  f->Edit27, f->Edit3,  f->Edit4,  f->Edit5, f->Edit6,
            f->Edit14, f->Edit15, f->Edit26, f->Edit29, f->Edit30};
}

// Every pixel of the preview, to compare two drawings of the page.
std::vector<uint8_t> PreviewPixels(TForm1* f) {
    f->UpdatePreview();
    TABitmap* b = f->PreviewBitmap;
    std::vector<uint8_t> pixels;
    for (int y = 0; y < b->Height(); ++y) {
        const uint8_t* row = b->ScanLine(y);
        pixels.insert(pixels.end(), row, row + 4 * b->Width());
    }
    return pixels;
}
} // namespace

class SpinCountTest : public MainWindowTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(SpinCountTest, TheFieldShowsWhatIsDrawnSavedAndShownAgain) {
    const Case& c = kCases[GetParam()];
    SCOPED_TRACE(c.what);
    f->PageControl1->SetActivePageIndex(c.page);
    f->CheckGraphPaper1->SetChecked(true);
    f->CheckMultiline1->SetChecked(true);
    for (const Typing& t : c.before)
        (f->*t.edit)->UserSetText(t.text);
    TEdit* e = f->*c.typed.edit;
    e->UserSetText(c.typed.text);
    EXPECT_EQ(e->Text(), c.shown);
    std::vector<AnsiString> fields;
    for (TEdit* edit : SpinCountFields(f))
        fields.push_back(edit->Text());
    const std::vector<uint8_t> drawn = PreviewPixels(f);

    Restart();
    for (const ShownMessage& m : ShownMessages())
        ADD_FAILURE() << "box: " << m.Text;
    f->PageControl1->SetActivePageIndex(c.page);
    EXPECT_EQ((f->*c.typed.edit)->Text(), c.shown);
    size_t i = 0;
    for (TEdit* edit : SpinCountFields(f))
        EXPECT_EQ(edit->Text(), fields[i++]) << edit->Name();
    EXPECT_TRUE(PreviewPixels(f) == drawn) << "the page is drawn as before the restart";
}

INSTANTIATE_TEST_SUITE_P(Typed, SpinCountTest, ::testing::Range<size_t>(0, std::size(kCases)));

// The fold's arrows reach as far as the rows, however the rows were set: typed rows widen them,
// fewer rows bring the fold down with them.
TEST_F(MainWindowTest, TheFoldsArrowsReachAsFarAsTheRows) {
    f->Edit5->UserSetText("40");
    EXPECT_EQ(f->UpDown5->Max(), 40);
    f->Edit6->UserSetText("35");
    f->UpDown5->UserClick(btNext);
    f->UpDown5->UserClick(btNext);
    EXPECT_EQ(f->Edit6->Text(), "37");
    f->Edit5->UserSetText("12");
    EXPECT_EQ(f->UpDown5->Max(), 12);
    EXPECT_EQ(f->Edit6->Text(), "12");
}
