// The preview rebuild (at 100 %, the largest preview) and a one-sheet print to the PDF printer
// with the most demanding values the fields take: the inputs that once froze the window, and the
// densest pages the fields accept. Each value is typed into its field as a user types it, so the
// editors' own limits apply before the renderers see it.
#include "MainWindow.h"

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

struct ExtremeCase {
    const char* name;
    int page; // paper-kind tab
    std::vector<std::pair<TEdit * TForm1::*, const char*>> texts;
    std::function<void(TForm1*)> extra = nullptr;
};

// A per-line row stored by an older version, before thicknesses were checked.
void StoreOwnRow(TForm1* f, int no, double size) {
    const std::string sql = "insert into MultiLine_individual(no,color,size,type) values(" +
                            std::to_string(no) + ",255," + std::to_string(size) + ",1);";
    sqlite3_exec(f->DbHandle, sql.c_str(), nullptr, nullptr, nullptr);
    f->ListBox1->AddItem(IntToStr(no));
    f->CheckMultiline2->SetChecked(true);
}

const std::vector<ExtremeCase>& Cases() {
    static const std::vector<ExtremeCase> cases = {
        // The inputs that froze the window.
        {"manuscript_columns_2e9", 2, {{&TForm1::Edit4, "2000000000"}}},
        {"manuscript_columns_1e7", 2, {{&TForm1::Edit4, "10000000"}}},
        {"slant_rows_2e9", 4, {{&TForm1::Edit30, "2000000000"}}},
        {"slant_1e5x1e5", 4, {{&TForm1::Edit29, "100000"}, {&TForm1::Edit30, "100000"}}},
        {"log_groups_y_2e9", 1, {{&TForm1::Edit11, "2000000000"}}},
        {"log_groups_x_1e7_min_1e-5", 1, {{&TForm1::Edit8, "0.00001"}, {&TForm1::Edit12, "10000000"}}},
        {"log_groups_x_int_max", 1, {{&TForm1::Edit12, "2147483647"}}},
        {"multiline_groups_2e9", 3, {{&TForm1::EditFiveLineCount, "2000000000"}}},
        {"multiline_lines_2e9", 3, {{&TForm1::EditLineCount1, "2000000000"}}},
        {"arc_divisions_1e5_diameter_2", 6, {{&TForm1::Edit24, "2"}, {&TForm1::Edit26, "100000"}}},
        {"grid_1e5x1e5_pitch_0.01",
         5,
         {{&TForm1::Edit14, "100000"}, {&TForm1::Edit15, "100000"}, {&TForm1::Edit18, "0.01"}}},
        {"multiline_own_row_1e9_mm_thick", 3, {}, [](TForm1* f) { StoreOwnRow(f, 3, 1e9); }},
        // The densest pages the fields accept.
        {"graph_dotted_1mm",
         0,
         {{&TForm1::eMmX, "1"}, {&TForm1::eMmY, "1"}, {&TForm1::eDotX, "1000"}, {&TForm1::eDotY, "1000"}},
         [](TForm1* f) { f->GraphPenStyle->SetItemIndex(2); }},
        {"graph_1mm_lines_297mm_thick",
         0,
         {{&TForm1::eMmX, "1"},
          {&TForm1::eMmY, "1"},
          {&TForm1::eDotX, "1000"},
          {&TForm1::eDotY, "1000"},
          {&TForm1::Edit32, "297"},
          {&TForm1::Edit33, "297"}},
         [](TForm1* f) {
             f->CheckGraphPaper1->SetChecked(true);
             f->ComboBox8->SetItemIndex(1);
         }},
        {"multiline_lines_297mm_thick_pitch_0.01",
         3,
         {{&TForm1::EditFiveLineCount, "1000"},
          {&TForm1::EditLineCount1, "1000"},
          {&TForm1::EditFiveLineLSpace, "0.01"},
          {&TForm1::EditLineSize, "297"},
          {&TForm1::EditLineSizeEx, "297"},
          {&TForm1::Edit3, "2"}},
         [](TForm1* f) {
             f->CheckMultiline1->SetChecked(true);
             f->ComboBox3->SetItemIndex(1);
             f->ComboBox6->SetItemIndex(2);
         }},
        {"manuscript_1000x1000", 2, {{&TForm1::Edit4, "1000"}, {&TForm1::Edit5, "1000"}}},
        {"slant_1000x1000_side_1mm",
         4,
         {{&TForm1::Edit29, "1000"}, {&TForm1::Edit30, "1000"}, {&TForm1::Edit13, "1"}}},
        {"grid_1000x1000_pitch_1mm",
         5,
         {{&TForm1::Edit14, "1000"}, {&TForm1::Edit15, "1000"}, {&TForm1::Edit18, "1"}}},
        {"grid_1000x1000_pitch_2mm",
         5,
         {{&TForm1::Edit14, "1000"}, {&TForm1::Edit15, "1000"}, {&TForm1::Edit18, "2"}}},
        {"grid_dots_297mm_pitch_1mm",
         5,
         {{&TForm1::Edit14, "1000"},
          {&TForm1::Edit15, "1000"},
          {&TForm1::Edit16, "297"},
          {&TForm1::Edit17, "297"},
          {&TForm1::Edit18, "1"}}},
        {"arc_1000x1000_diameter_1mm_1440_divisions_1000_rings",
         6,
         {{&TForm1::Edit24, "1"},
          {&TForm1::Edit26, "1440"},
          {&TForm1::Edit37, "1000"},
          {&TForm1::Edit38, "1000"},
          {&TForm1::Edit25, "1000"}}},
        {"grid_hollow_rings_20mm_pitch_1mm",
         5,
         {{&TForm1::Edit14, "1000"},
          {&TForm1::Edit15, "1000"},
          {&TForm1::Edit16, "20"},
          {&TForm1::Edit17, "20"},
          {&TForm1::Edit18, "1"}},
         [](TForm1* f) { f->CheckBox4->SetChecked(true); }},
        {"grid_hollow_rings_297mm_pitch_1mm",
         5,
         {{&TForm1::Edit14, "1000"},
          {&TForm1::Edit15, "1000"},
          {&TForm1::Edit16, "297"},
          {&TForm1::Edit17, "297"},
          {&TForm1::Edit18, "1"}},
         [](TForm1* f) { f->CheckBox4->SetChecked(true); }},
        {"arc_1000x1000_diameter_5mm_1440_divisions",
         6,
         {{&TForm1::Edit24, "5"},
          {&TForm1::Edit26, "1440"},
          {&TForm1::Edit37, "1000"},
          {&TForm1::Edit38, "1000"}}},
        // Rings a pixel apart fill their circles; division lines a little more than a pixel apart
        // at the rim, and rings a few pixels apart, are each drawn.
        {"arc_1000x1000_diameter_1mm_1000_rings",
         6,
         {{&TForm1::Edit24, "1"},
          {&TForm1::Edit37, "1000"},
          {&TForm1::Edit38, "1000"},
          {&TForm1::Edit25, "1000"}}},
        {"arc_1000x1000_diameter_20mm_1440_divisions",
         6,
         {{&TForm1::Edit24, "20"},
          {&TForm1::Edit26, "1440"},
          {&TForm1::Edit37, "1000"},
          {&TForm1::Edit38, "1000"}}},
        {"arc_1000x1000_diameter_1mm_5_rings",
         6,
         {{&TForm1::Edit24, "1"},
          {&TForm1::Edit37, "1000"},
          {&TForm1::Edit38, "1000"},
          {&TForm1::Edit25, "5"}}},
    };
    return cases;
}

void Apply(TForm1* f, const ExtremeCase& c) {
    f->PageControl1->SetActivePageIndex(c.page);
    for (const auto& [edit, text] : c.texts)
        (f->*edit)->UserSetText(text);
    if (c.extra) c.extra(f);
}

void PreviewExtreme(benchmark::State& state, const ExtremeCase* c) {
    BenchMainWindow w;
    w.Zoom(0);
    Apply(Form1, *c);
    for (auto _ : state) {
        w->UpdatePreview();
        benchmark::ClobberMemory();
    }
}

void PrintExtreme(benchmark::State& state, const ExtremeCase* c) {
    BenchMainWindow w;
    Apply(Form1, *c);
    w->Edit2->SetText("1");
    const double bytes = w.PrintEachIteration(state, "sheet.pdf");
    if (bytes >= 0) state.counters["file_bytes"] = bytes;
}

const bool registered = [] {
    for (const ExtremeCase& c : Cases()) {
        benchmark::RegisterBenchmark((std::string("PreviewExtreme/") + c.name).c_str(), PreviewExtreme, &c)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("PrintExtreme/") + c.name).c_str(), PrintExtreme, &c)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
