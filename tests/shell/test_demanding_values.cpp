// The most demanding values the fields take, typed into the real window: huge counts, tiny
// pitches, numbers beyond any paper. The preview rebuild and a one-sheet print come back, with
// no error box. (How long they take is measured by the benchmarks, not here.)
#include "MainWindowFixture.h"

#include "winlib/SysUtils.h"

#include <sqlite3.h>

#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {
struct Demanding {
    const char* what;
    int page; // paper-kind tab
    std::vector<std::pair<TEdit * TForm1::*, const char*>> typed;
    std::function<void(TForm1*)> extra = nullptr;
};

// A per-line row stored by an older version, before thicknesses were checked.
void StoreThickRow(TForm1* f) {
    sqlite3_exec(f->DbHandle, "insert into MultiLine_individual(no,color,size,type) values(3,255,1e9,1);",
                 nullptr, nullptr, nullptr);
    f->ListBox1->AddItem("3");
    f->CheckMultiline2->SetChecked(true);
}

const std::vector<Demanding> kDemanding = {
    {"two billion manuscript columns", 2, {{&TForm1::Edit4, "2000000000"}}},
    {"ten million manuscript columns", 2, {{&TForm1::Edit4, "10000000"}}},
    {"two billion manuscript rows and columns",
     2,
     {{&TForm1::Edit4, "2000000000"}, {&TForm1::Edit5, "2000000000"}}},
    {"two billion bands of triangles", 4, {{&TForm1::Edit30, "2000000000"}}},
    {"100000 x 100000 triangles", 4, {{&TForm1::Edit29, "100000"}, {&TForm1::Edit30, "100000"}}},
    {"two billion log groups down", 1, {{&TForm1::Edit11, "2000000000"}}},
    {"ten million log columns of 0.00001 mm",
     1,
     {{&TForm1::Edit8, "0.00001"}, {&TForm1::Edit12, "10000000"}}},
    {"the largest whole number of log columns", 1, {{&TForm1::Edit12, "2147483647"}}},
    {"two billion log-log groups, reversed",
     1,
     {{&TForm1::Edit11, "2000000000"}, {&TForm1::Edit12, "2000000000"}},
     [](TForm1* f) {
         f->ComboBox4->SetItemIndex(1);
         f->CheckBox6->SetChecked(true);
         f->CheckBox7->SetChecked(true);
     }},
    {"two billion multi-line groups", 3, {{&TForm1::EditFiveLineCount, "2000000000"}}},
    {"two billion lines a group", 3, {{&TForm1::EditLineCount1, "2000000000"}}},
    {"a stored per-line row 1e9 mm thick", 3, {}, StoreThickRow},
    {"100000 divisions of 2 mm circles", 6, {{&TForm1::Edit24, "2"}, {&TForm1::Edit26, "100000"}}},
    {"two billion 2 mm circles of 1000 rings",
     6,
     {{&TForm1::Edit24, "2"},
      {&TForm1::Edit25, "1000"},
      {&TForm1::Edit37, "2000000000"},
      {&TForm1::Edit38, "3"}}},
    {"100000 x 100000 dots at 0.01 mm",
     5,
     {{&TForm1::Edit14, "100000"}, {&TForm1::Edit15, "100000"}, {&TForm1::Edit18, "0.01"}}},
    {"a million dots as large as the paper, 1 mm apart",
     5,
     {{&TForm1::Edit14, "1000"},
      {&TForm1::Edit15, "1000"},
      {&TForm1::Edit16, "297"},
      {&TForm1::Edit17, "297"},
      {&TForm1::Edit18, "1"}}},
    {"graph lines as thick as the paper",
     0,
     {{&TForm1::eMmX, "1"}, {&TForm1::eMmY, "1"}, {&TForm1::eDotX, "1000"}, {&TForm1::Edit32, "297"}}},
    {"numbers beyond any paper",
     0,
     {{&TForm1::Edit32, "1e308"},
      {&TForm1::eMmX, "1e-308"},
      {&TForm1::eDotX, "$10"},
      {&TForm1::eSpaceL, "300"}}},
    {"a log ratio and constant beyond any paper",
     1,
     {{&TForm1::Edit10, "1e308"}, {&TForm1::Edit20, "1e308"}}},
    {"an emptied log ratio", 1, {{&TForm1::Edit10, ""}}},
    {"multi-line sizes beyond any paper",
     3,
     {{&TForm1::EditLineSize, "1e308"},
      {&TForm1::EditFiveLineLSpace, "1e308"},
      {&TForm1::EditFiveLineSpace, ""}}},
    {"grid sizes beyond any paper",
     5,
     {{&TForm1::Edit16, "1e308"}, {&TForm1::Edit18, "9999999999999999999999999999999999999999"}}},
    {"a triangle side beyond any paper", 4, {{&TForm1::Edit13, "1e308"}}},
    {"arc values beyond any paper",
     6,
     {{&TForm1::Edit24, "1e308"},
      {&TForm1::Edit26, "0x5"},
      {&TForm1::Edit37, "1.0"},
      {&TForm1::Edit38, "x2"}}},
};
} // namespace

class DemandingValuesTest : public MainWindowTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(DemandingValuesTest, ThePreviewAndAOneSheetPrintComeBackWithoutAnErrorBox) {
    const Demanding& d = kDemanding[GetParam()];
    SCOPED_TRACE(d.what);
    ShownMessages().clear();
    f->PageControl1->SetActivePageIndex(d.page);
    for (const auto& [edit, text] : d.typed)
        (f->*edit)->UserSetText(text);
    if (d.extra) d.extra(f);
    f->UpdatePreview();
    const std::string pdf = PrintSheets("sheet.pdf");
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_TRUE(std::filesystem::exists(pdf));
    for (const ShownMessage& m : ShownMessages())
        ADD_FAILURE() << "box: " << m.Text;
}

INSTANTIATE_TEST_SUITE_P(Inputs, DemandingValuesTest, ::testing::Range<size_t>(0, kDemanding.size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             std::string name;
                             for (char ch : std::string(kDemanding[info.param].what))
                                 if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                             return name;
                         });
