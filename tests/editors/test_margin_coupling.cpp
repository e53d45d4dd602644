// Coupled margins ("全て同一", "↑↓共通", "←→共通") given a value that fits one direction of the
// sheet and not the other: the value is refused for every coupled box alike, the margin handler
// never runs again from its own writes, and the window stays usable, closes and keeps every
// setting. A4 on the PDF printer: 210 x 297 mm upright, 297 x 210 mm on its side; no offsets,
// so the margins' minimum (what a refused margin becomes) is 0.
#include "EditorFixture.h"

#include "winlib/IniFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {
enum Box { T, L, R, B };

struct Coupling {
    const char* name;
    bool all, topBottom, leftRight;
};
const Coupling kNone{"none", false, false, false}, kAll{"全て同一", true, false, false},
    kTopBottom{"↑↓共通", false, true, false}, kLeftRight{"←→共通", false, false, true},
    kBoth{"↑↓共通+←→共通", false, true, true};

struct CouplingCase {
    bool landscape;
    Coupling coupling;
    Box typedInto;
    std::vector<AnsiString> boxes; // top, left, right, bottom afterwards; every box held "5" before
};

// 250 mm fits the sheet's height upright and its width on its side, never both.
const CouplingCase kCases[] = {
    // Upright: 250 fits top and bottom, not left and right.
    {false, kNone, T, {"250", "5", "5", "5"}},
    {false, kNone, L, {"5", "0", "5", "5"}},
    {false, kNone, R, {"5", "5", "0", "5"}},
    {false, kNone, B, {"5", "5", "5", "250"}},
    {false, kAll, T, {"0", "0", "0", "0"}},
    {false, kAll, L, {"0", "0", "0", "0"}},
    {false, kAll, R, {"0", "0", "0", "0"}},
    {false, kAll, B, {"0", "0", "0", "0"}},
    {false, kTopBottom, T, {"250", "5", "5", "250"}},
    {false, kTopBottom, L, {"5", "0", "5", "5"}},
    {false, kTopBottom, R, {"5", "5", "0", "5"}},
    {false, kTopBottom, B, {"250", "5", "5", "250"}},
    {false, kLeftRight, T, {"250", "5", "5", "5"}},
    {false, kLeftRight, L, {"5", "0", "0", "5"}},
    {false, kLeftRight, R, {"5", "0", "0", "5"}},
    {false, kLeftRight, B, {"5", "5", "5", "250"}},
    {false, kBoth, T, {"250", "5", "5", "250"}},
    {false, kBoth, L, {"5", "0", "0", "5"}},
    {false, kBoth, R, {"5", "0", "0", "5"}},
    {false, kBoth, B, {"250", "5", "5", "250"}},
    // On its side: 250 fits left and right, not top and bottom.
    {true, kNone, T, {"0", "5", "5", "5"}},
    {true, kNone, L, {"5", "250", "5", "5"}},
    {true, kNone, R, {"5", "5", "250", "5"}},
    {true, kNone, B, {"5", "5", "5", "0"}},
    {true, kAll, T, {"0", "0", "0", "0"}},
    {true, kAll, L, {"0", "0", "0", "0"}},
    {true, kAll, R, {"0", "0", "0", "0"}},
    {true, kAll, B, {"0", "0", "0", "0"}},
    {true, kTopBottom, T, {"0", "5", "5", "0"}},
    {true, kTopBottom, L, {"5", "250", "5", "5"}},
    {true, kTopBottom, R, {"5", "5", "250", "5"}},
    {true, kTopBottom, B, {"0", "5", "5", "0"}},
    {true, kLeftRight, T, {"0", "5", "5", "5"}},
    {true, kLeftRight, L, {"5", "250", "250", "5"}},
    {true, kLeftRight, R, {"5", "250", "250", "5"}},
    {true, kLeftRight, B, {"5", "5", "5", "0"}},
    {true, kBoth, T, {"0", "5", "5", "0"}},
    {true, kBoth, L, {"5", "250", "250", "5"}},
    {true, kBoth, R, {"5", "250", "250", "5"}},
    {true, kBoth, B, {"0", "5", "5", "0"}},
};
} // namespace

class MarginCouplingTest : public EditorTest {
  protected:
    TEdit* BoxOf(Box b) const { return (TEdit*[]){f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB}[b]; }
    std::vector<AnsiString> Boxes() const {
        return {f->eSpaceT->Text(), f->eSpaceL->Text(), f->eSpaceR->Text(), f->eSpaceB->Text()};
    }
    void TurnSheet(bool landscape) {
        Printer()->SetOrientation(landscape ? poLandscape : poPortrait);
        f->RefreshPrinterMetrics();
        ASSERT_EQ(Printer()->PageWidth(), landscape ? 7016 : 4961);
    }
    void Couple(const Coupling& c) {
        f->CheckBox1->SetChecked(c.all);
        f->CheckBox9->SetChecked(c.topBottom);
        f->CheckBox10->SetChecked(c.leftRight);
    }
};

TEST_F(MarginCouplingTest, AValueOneDirectionRefusesIsRefusedForEveryCoupledBox) {
    // Every text each box takes while the handlers run as bound: a handler that ran again from
    // its own writes would show here as texts taken over and over.
    std::vector<std::vector<AnsiString>*> seen;
    for (TEdit* b : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
        seen.push_back(RecordTexts(b));
    // A run of the margin handler that starts while another is running and does the work of a
    // run (it rebuilds the preview before it returns).
    struct Runs {
        int depth = 0, nestedWithWork = 0;
    };
    auto runs = std::make_shared<Runs>();
    for (TEdit* b : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB}) {
        TNotifyEvent bound = b->OnChange;
        b->OnChange = [this, runs, bound](TObject* s) {
            const bool nested = runs->depth > 0;
            if (nested) MarkPreviewStale();
            ++runs->depth;
            bound(s);
            --runs->depth;
            if (nested && PreviewRebuilt()) ++runs->nestedWithWork;
        };
    }
    for (const CouplingCase& c : kCases) {
        TurnSheet(c.landscape);
        Couple(kNone);
        for (TEdit* b : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
            b->SetText("5");
        Couple(c.coupling);
        for (auto* s : seen)
            s->clear();
        runs->nestedWithWork = 0;
        ShownMessages().clear();
        MarkPreviewStale();
        TEdit* typed = BoxOf(c.typedInto);
        typed->UserSetText("250");

        const std::string what = std::string(c.landscape ? "on its side, " : "upright, ") + c.coupling.name +
                                 ", 250 in " + typed->Name().c_str();
        EXPECT_EQ(Boxes(), c.boxes) << what;
        for (int b = T; b <= B; ++b) {
            // The typed box takes the typed text, then the minimum when it is refused; every
            // other box its final text once, when that changed.
            std::vector<AnsiString> expected;
            if (b == c.typedInto) {
                expected.push_back("250");
                if (c.boxes[b] != "250") expected.push_back(c.boxes[b]);
            } else if (c.boxes[b] != "5") {
                expected.push_back(c.boxes[b]);
            }
            EXPECT_EQ(*seen[b], expected) << what << ": texts of " << BoxOf(static_cast<Box>(b))->Name();
        }
        EXPECT_DOUBLE_EQ(f->MarginTop, StrToFloat(c.boxes[T])) << what;
        EXPECT_DOUBLE_EQ(f->MarginLeft, StrToFloat(c.boxes[L])) << what;
        EXPECT_DOUBLE_EQ(f->MarginRight, StrToFloat(c.boxes[R])) << what;
        EXPECT_DOUBLE_EQ(f->MarginBottom, StrToFloat(c.boxes[B])) << what;
        EXPECT_TRUE(PreviewRebuilt()) << what;
        EXPECT_EQ(runs->nestedWithWork, 0) << what << ": the handler ran again from its own writes";
        EXPECT_TRUE(ShownMessages().empty()) << what;
    }
}

namespace {
std::string FileText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

// A4 upright, "全て同一" ticked, 250 typed into 上: the edit comes back, the value is refused in
// all four boxes, the next margin is taken, and the close stores every setting: the settings
// file is the one the same session without the refused value writes.
TEST_F(MarginCouplingTest, AllEqualWithAMarginWiderThanTheSheetLeavesTheWindowWhole) {
    auto changeSettings = [this] {
        f->eDotX->UserSetText("15");
        f->eMmY->UserSetText("7.5");
        f->EditLineCount1->UserSetText("7");
        f->Edit24->UserSetText("50");
        f->CheckBox2->SetChecked(true);
    };
    const std::filesystem::path ini = Path("Ruliform.ini");
    changeSettings();
    f->CheckBox1->SetChecked(true);
    f->eSpaceT->UserSetText("250"); // returns: no handler runs again from its own writes
    EXPECT_EQ(Boxes(), (std::vector<AnsiString>{"0", "0", "0", "0"}));
    EXPECT_DOUBLE_EQ(f->MarginTop, 0);
    EXPECT_TRUE(ShownMessages().empty());
    // Still answering: the next margin goes into all four boxes.
    f->eSpaceL->UserSetText("12");
    EXPECT_EQ(Boxes(), (std::vector<AnsiString>{"12", "12", "12", "12"}));
    Close();
    const std::string stored = FileText(ini);
    ASSERT_FALSE(stored.empty());

    // The same session without the refused value.
    std::filesystem::remove(ini);
    Open();
    changeSettings();
    f->CheckBox1->SetChecked(true);
    f->eSpaceL->UserSetText("12");
    Close();
    EXPECT_EQ(stored, FileText(ini));

    // And the next start shows it all.
    Open();
    EXPECT_EQ(Boxes(), (std::vector<AnsiString>{"12", "12", "12", "12"}));
    EXPECT_EQ(f->eDotX->Text(), "15");
    EXPECT_EQ(f->eMmY->Text(), "7.5");
    EXPECT_EQ(f->EditLineCount1->Text(), "7");
    EXPECT_EQ(f->Edit24->Text(), "50");
    EXPECT_TRUE(f->CheckBox2->Checked());
}
