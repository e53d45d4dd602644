// The main window's print command on a private cups-pdf queue: the document that CUPS writes
// holds the requested sheets, carries the job's title and has the grid at its true place.
#include "CupsWindowFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace printertest;
using namespace cupsjobs;

constexpr int kDpi = 150;
constexpr double kPxPerMm = kDpi / 25.4;

// The rendered pixels that belong to a line: anything clearly darker than the paper.
constexpr int kInk = 200;

// A line as it crosses a row or a column of the rendered page: where its dark pixels begin and
// end (pixel edges) and its centre, each pixel weighted by how dark it is.
struct Crossing {
    double start = 0, end = 0, centre = 0;
};

std::vector<Crossing> Crossings(const GreyImage& img, bool alongRow, int at) {
    const int n = alongRow ? img.width : img.height;
    auto grey = [&](int i) { return alongRow ? img.At(i, at) : img.At(at, i); };
    std::vector<Crossing> found;
    double sum = 0, weighted = 0;
    int start = 0;
    for (int i = 0; i <= n; ++i) {
        const int v = i < n ? grey(i) : 255;
        if (v < kInk) {
            if (sum == 0) start = i;
            sum += 255 - v;
            weighted += (255 - v) * (i + 0.5);
        } else if (sum > 0) {
            found.push_back({static_cast<double>(start), static_cast<double>(i), weighted / sum});
            sum = weighted = 0;
        }
    }
    return found;
}

// The first and last dark pixel along a row or a column, as pixel edges; {-1, -1} when none.
std::pair<double, double> DarkSpan(const GreyImage& img, bool alongRow, int at) {
    const int n = alongRow ? img.width : img.height;
    int first = -1, last = -1;
    for (int i = 0; i < n; ++i) {
        if ((alongRow ? img.At(i, at) : img.At(at, i)) < kInk) {
            if (first < 0) first = i;
            last = i;
        }
    }
    return {first, last < 0 ? -1.0 : last + 1.0};
}

TEST_F(CupsMainWindow, PrintsTwoSheetsOfGraphPaperWithTheGridAtTrueSize) {
    // 10 x 10 cells of 5 mm, 20 mm from the left edge and 30 mm from the top. This queue's
    // printable area is the whole sheet, so its corner is the paper's.
    f->eSpaceT->SetText("30");
    f->eSpaceL->SetText("20");
    f->eMmX->SetText("5");
    f->eMmY->SetText("5");
    f->eDotX->SetText("10");
    f->eDotY->SetText("10");
    // Every fifth line is an emphasis line (in red); both kinds 0.2 mm thick, so every line
    // shows the same in the rendered page.
    f->CheckGraphPaper1->SetChecked(true);
    f->Edit1->SetText("5");
    f->Edit27->SetText("5");
    f->Edit32->SetText("0.2");
    f->Edit33->SetText("0.2");
    f->Edit2->SetText("2");
    ASSERT_EQ(f->PageControl1->ActivePageIndex(), 0) << "graph paper is the first kind of page";
    ASSERT_DOUBLE_EQ(f->MarginTop, 30);
    ASSERT_DOUBLE_EQ(f->MarginLeft, 20);
    ASSERT_EQ(f->eDotX->Text(), "10");
    ASSERT_EQ(f->eDotY->Text(), "10");
    ASSERT_EQ(Printer()->GetDeviceCaps(PHYSICALOFFSETX), 0);
    ASSERT_EQ(Printer()->GetDeviceCaps(PHYSICALOFFSETY), 0);

    DialogAnswer a;
    a.Kind = DialogKind::Print;
    a.Ok = true;
    a.PrinterName = TheCups().queue;
    ScriptDialogAnswer(a);
    const auto before = OutputFiles();
    f->PrintOutExecute(f->PrintOut);
    EXPECT_EQ(ScriptedAnswerCount(), 0) << "the print dialog took its answer";
    EXPECT_TRUE(ShownMessages().empty()) << ShownMessages().front().Text;
    EXPECT_FALSE(Printer()->Printing());

    const std::string pdf = WaitForNewDocument(before, 300);
    ASSERT_FALSE(pdf.empty()) << "cups-pdf wrote nothing; see " << TheCups().dir << "/log";
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "2");
    EXPECT_NE(PdfInfo(pdf, "Title").find("RuliformDocument"), std::string::npos) << PdfInfo(pdf, "Title");
    EXPECT_NE(PdfInfo(pdf, "Page size").find("595 x 842"), std::string::npos) << PdfInfo(pdf, "Page size");
    EXPECT_EQ(f->ReadPrintCount(0), 2);

    const double left = 20 * kPxPerMm, top = 30 * kPxPerMm, side = 50 * kPxPerMm, pitch = 5 * kPxPerMm;
    for (int page : {1, 2}) {
        SCOPED_TRACE(page);
        const GreyImage img = RenderPage(pdf, page, kDpi);
        ASSERT_NEAR(img.width, 595.0 * kDpi / 72, 1);
        ASSERT_NEAR(img.height, 842.0 * kDpi / 72, 1);
        // Across the middle of the first row of cells: the eleven vertical lines and nothing else.
        const std::vector<Crossing> columns = Crossings(img, true, static_cast<int>(top + pitch / 2));
        // Down the middle of the first column of cells: the eleven horizontal lines.
        const std::vector<Crossing> rows = Crossings(img, false, static_cast<int>(left + pitch / 2));
        ASSERT_EQ(columns.size(), 11u);
        ASSERT_EQ(rows.size(), 11u);
        for (int i = 0; i < 11; ++i) {
            EXPECT_NEAR(columns[i].centre, left + i * pitch, 1.0) << "vertical line " << i;
            EXPECT_NEAR(rows[i].centre, top + i * pitch, 1.0) << "horizontal line " << i;
        }
        EXPECT_NEAR(columns.back().centre - columns.front().centre, side, 1.0);
        EXPECT_NEAR(rows.back().centre - rows.front().centre, side, 1.0);

        // Each line runs end to end, from the first line of the other direction to its last:
        // it begins and ends within a pixel of those lines' centres and never runs out past
        // their outer edges. (A line stops at the centre of the last one, as a line's end point
        // is not drawn; only the far corner shows that, where nothing else covers it.)
        auto runsBetween = [](std::pair<double, double> span, const std::vector<Crossing>& across) {
            EXPECT_GE(span.first, across.front().start);
            EXPECT_LE(span.first, across.front().centre + 1.0);
            EXPECT_GE(span.second, across.back().centre - 1.0);
            EXPECT_LE(span.second, across.back().end);
        };
        for (int i = 0; i < 11; ++i) {
            SCOPED_TRACE(i);
            runsBetween(DarkSpan(img, false, static_cast<int>(columns[i].centre)), rows);
            runsBetween(DarkSpan(img, true, static_cast<int>(rows[i].centre)), columns);
        }
    }
}

} // namespace

TEST_F(CupsMainWindow, PickingAPrinterWithABorderRaisesTheMarginsToItsMinimum) {
    if (TheCups().marginsQueue.empty()) GTEST_SKIP() << "no queue with an unprintable border";
    f->eSpaceT->SetText("1");
    f->eSpaceL->SetText("25");
    TMenuItem* item = nullptr;
    for (int i = 0; i < f->PopupMenu2->Items()->Count(); ++i)
        if (f->PopupMenu2->Items()->Items(i)->Hint() == TheCups().marginsQueue)
            item = f->PopupMenu2->Items()->Items(i);
    ASSERT_NE(item, nullptr);
    item->Click();
    EXPECT_EQ(Printer()->Printers()[Printer()->PrinterIndex()], TheCups().marginsQueue);
    EXPECT_EQ(f->EditPrinterIndex, Printer()->PrinterIndex()) << "the next print asks nothing";
    // A 12 pt border is 4.233 mm, shown and stored as its two-digit text.
    EXPECT_GT(f->PhysOffsetY, 0);
    EXPECT_EQ(f->eSpaceT->Text(), "4.2");
    EXPECT_DOUBLE_EQ(f->MarginTop, 4.2);
    EXPECT_EQ(f->eSpaceL->Text(), "25") << "a margin above the minimum stays";
    EXPECT_EQ(f->lSpace_mm->Caption(), "最低4.2mm");
}
