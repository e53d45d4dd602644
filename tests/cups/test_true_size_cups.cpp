// Printing at true size through CUPS: graph paper over the whole sheet, printed through the print
// command on the queue whose A4 sheet has a 12 pt unprintable border, rendered at 600 dpi from
// the document cups-pdf writes. Every line lies within one device pixel of its place,
// millimetres x 600 / 25.4 from the paper's edge.
#include "CupsWindowFixture.h"
#include "TrueSizeGrid.h"

#include <cmath>
#include <cstdio>

namespace {

using printertest::FoundLine;
using printertest::LinesAcross;

using namespace truesize;

struct CupsSheet {
    const char* paper;
    double widthPt, heightPt; // the queue's sheet, portrait
    TPrinterOrientation orientation;
};

void PrintTo(const CupsSheet& s, std::ostream* os) {
    *os << s.paper << (s.orientation == poLandscape ? " landscape" : " portrait");
}

class CupsTrueSize : public CupsMainWindow, public testing::WithParamInterface<CupsSheet> {};

TEST_P(CupsTrueSize, EveryGridLineLiesWithinAPixelOfItsPlaceOnThePaper) {
    const CupsSheet& sheet = GetParam();
    DialogAnswer setup;
    setup.Kind = DialogKind::PrinterSetup;
    setup.PrinterName = TheCups().marginsQueue;
    setup.PaperName = sheet.paper;
    setup.Orientation = sheet.orientation;
    ScriptDialogAnswer(setup);
    f->PrintSetupExecute(f->PrintSetup);
    ASSERT_EQ(Printer()->Printers()[Printer()->PrinterIndex()], TheCups().marginsQueue);
    ASSERT_EQ(Printer()->PaperName(), sheet.paper);

    const bool landscape = sheet.orientation == poLandscape;
    const double widthMm = (landscape ? sheet.heightPt : sheet.widthPt) * 25.4 / 72;
    const double heightMm = (landscape ? sheet.widthPt : sheet.heightPt) * 25.4 / 72;
    const auto [across, down] = TypeGrid(f, widthMm, heightMm);
    ASSERT_EQ(f->eDotX->Text(), IntToStr(across));
    ASSERT_EQ(f->eDotY->Text(), IntToStr(down));

    const std::string pdf = PrintOn(TheCups().marginsQueue);
    ASSERT_FALSE(pdf.empty()) << "cups-pdf wrote nothing; see " << TheCups().dir << "/log";
    EXPECT_TRUE(ShownMessages().empty()) << ShownMessages().front().Text;
    EXPECT_EQ(f->ReadPrintCount(0), 1);

    // The queue prints on its portrait sheet; a landscape page comes out turned a quarter
    // counterclockwise, its left edge along the sheet's bottom edge.
    const int sheetW = static_cast<int>(std::ceil(sheet.widthPt * kDpi / 72));
    const int sheetH = static_cast<int>(std::ceil(sheet.heightPt * kDpi / 72));
    const int middle = static_cast<int>((kMarginMm + kCellMm / 2) * kPxPerMm);
    std::vector<double> columns, rows; // centres, pixels from the page's left and top edges
    if (!landscape) {
        for (const FoundLine& l : LinesAcross(pdf, 1, kDpi, true, middle, sheetW))
            columns.push_back(l.centre);
        for (const FoundLine& l : LinesAcross(pdf, 1, kDpi, false, middle, sheetH))
            rows.push_back(l.centre);
    } else {
        const double sheetHeightPx = sheet.heightPt * kDpi / 72;
        const auto turned = LinesAcross(pdf, 1, kDpi, false, middle, sheetH);
        for (auto l = turned.rbegin(); l != turned.rend(); ++l)
            columns.push_back(sheetHeightPx - l->centre);
        for (const FoundLine& l :
             LinesAcross(pdf, 1, kDpi, true, static_cast<int>(sheetHeightPx - middle), sheetW))
            rows.push_back(l.centre);
    }
    ASSERT_EQ(columns.size(), static_cast<size_t>(across + 1));
    ASSERT_EQ(rows.size(), static_cast<size_t>(down + 1));
    // The queue's filters turn a landscape page with a shift of about a third of a pixel of their
    // own; the lengths between the lines stay within a pixel all the same.
    const double tolerance = landscape ? 1.5 : 1.0;
    double worst = 0;
    auto check = [&](const std::vector<double>& found, const char* what) {
        for (size_t i = 0; i < found.size(); ++i) {
            const double error = found[i] - (kMarginMm + i * kCellMm) * kPxPerMm;
            EXPECT_LE(std::abs(error), tolerance) << what << " line " << i;
            EXPECT_LE(std::abs(found[i] - found[0] - i * kCellMm * kPxPerMm), 1.0) << what << " length " << i;
            worst = std::max(worst, std::abs(error));
        }
    };
    check(columns, "vertical");
    check(rows, "horizontal");
    std::printf("%s %s through CUPS: worst line position error %.2f device pixels\n", sheet.paper,
                landscape ? "landscape" : "portrait", worst);
    RecordProperty("worst_error_px", std::to_string(worst));
}

INSTANTIATE_TEST_SUITE_P(BorderQueue, CupsTrueSize,
                         testing::Values(CupsSheet{"A4", 595, 842, poPortrait},
                                         CupsSheet{"A4", 595, 842, poLandscape},
                                         CupsSheet{"Letter", 612, 792, poPortrait},
                                         // The queue's own B5 (518 x 727 pt), not JIS B5's
                                         // 516 x 729 pt: the page sent has the queue's size.
                                         CupsSheet{"B5", 518, 727, poPortrait}),
                         [](const testing::TestParamInfo<CupsSheet>& info) {
                             return std::string(info.param.paper) +
                                    (info.param.orientation == poLandscape ? "Landscape" : "Portrait");
                         });

} // namespace
