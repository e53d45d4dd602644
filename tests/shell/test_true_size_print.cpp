// Printing at true size: graph paper over the whole sheet, printed through the print command on
// the PDF printer at 600 dpi on every paper in both orientations, rendered with poppler; each
// line must lie within one device pixel of its place, millimetres x 600 / 25.4 from the paper's
// edge. Nothing here reads the program's own scale.
#include "TrueSizeGrid.h"
#include "shell/MainWindowFixture.h"
#include "winlib/PrintDialogs.h"
#include "winlib/test_printer_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

using printertest::FoundLine;
using printertest::LinesAcross;
using printertest::PdfInfo;

using namespace truesize;

struct Sheet {
    const char* paper;
    double widthMm, heightMm; // portrait
    TPrinterOrientation orientation;
};

void PrintTo(const Sheet& s, std::ostream* os) {
    *os << s.paper << (s.orientation == poLandscape ? " landscape" : " portrait");
}

std::string Name(const testing::TestParamInfo<Sheet>& info) {
    return std::string(info.param.paper) + (info.param.orientation == poLandscape ? "Landscape" : "Portrait");
}

class TrueSizePrint : public MainWindowTest, public testing::WithParamInterface<Sheet> {
  protected:
    // The paper as printed, orientation applied.
    double WidthMm() const {
        return GetParam().orientation == poLandscape ? GetParam().heightMm : GetParam().widthMm;
    }
    double HeightMm() const {
        return GetParam().orientation == poLandscape ? GetParam().widthMm : GetParam().heightMm;
    }
};

TEST_P(TrueSizePrint, EveryGridLineLiesWithinAPixelOfItsPlaceOnThePaper) {
    const Sheet& sheet = GetParam();
    // The paper and orientation as the user chooses them, in the printer set-up dialog.
    DialogAnswer setup;
    setup.Kind = DialogKind::PrinterSetup;
    setup.PrinterName = PdfPrinterName;
    setup.PaperName = sheet.paper;
    setup.Orientation = sheet.orientation;
    ScriptDialogAnswer(setup);
    f->PrintSetupExecute(f->PrintSetup);

    // 10 mm cells from 10 mm margins, as many as the paper holds.
    const auto [across, down] = TypeGrid(f, WidthMm(), HeightMm());
    f->CheckGraphPaper1->SetChecked(false);
    f->PageControl1->SetActivePageIndex(0);
    ASSERT_EQ(f->eDotX->Text(), IntToStr(across)) << "the grid fits the paper";
    ASSERT_EQ(f->eDotY->Text(), IntToStr(down));
    ASSERT_EQ(f->eMmX->Text(), "10");
    ASSERT_EQ(f->eMmY->Text(), "10");

    const std::string pdf = Path("true-size.pdf").string();
    DialogAnswer print;
    print.Kind = DialogKind::Print;
    print.PrinterName = PdfPrinterName;
    print.FileName = pdf;
    ScriptDialogAnswer(print);
    f->PrintOutExecute(f->PrintOut);
    ASSERT_EQ(ScriptedAnswerCount(), 0);
    ASSERT_TRUE(ShownMessages().empty()) << ShownMessages().front().Text;

    // The page has the paper's exact size.
    double wPt = 0, hPt = 0;
    ASSERT_EQ(std::sscanf(PdfInfo(pdf, "Page size").c_str(), "%lf x %lf", &wPt, &hPt), 2)
        << PdfInfo(pdf, "Page size");
    EXPECT_NEAR(wPt, WidthMm() * 72 / 25.4, 0.01);
    EXPECT_NEAR(hPt, HeightMm() * 72 / 25.4, 0.01);

    // Across the middle of the first row of cells, and down the middle of the first column.
    const int widthPx = static_cast<int>(std::ceil(WidthMm() * kPxPerMm));
    const int heightPx = static_cast<int>(std::ceil(HeightMm() * kPxPerMm));
    const int middle = static_cast<int>((kMarginMm + kCellMm / 2) * kPxPerMm);
    const std::vector<FoundLine> columns = LinesAcross(pdf, 1, kDpi, true, middle, widthPx);
    const std::vector<FoundLine> rows = LinesAcross(pdf, 1, kDpi, false, middle, heightPx);
    ASSERT_EQ(columns.size(), static_cast<size_t>(across + 1));
    ASSERT_EQ(rows.size(), static_cast<size_t>(down + 1));
    double worst = 0;
    for (int i = 0; i <= across; ++i) {
        const double error = columns[i].centre - (kMarginMm + i * kCellMm) * kPxPerMm;
        EXPECT_LE(std::abs(error), 1.0) << "vertical line " << i;
        worst = std::max(worst, std::abs(error));
    }
    for (int i = 0; i <= down; ++i) {
        const double error = rows[i].centre - (kMarginMm + i * kCellMm) * kPxPerMm;
        EXPECT_LE(std::abs(error), 1.0) << "horizontal line " << i;
        worst = std::max(worst, std::abs(error));
    }
    // A 0.1 mm line is three device pixels.
    EXPECT_NEAR(columns.back().end - columns.back().start, 3, 1);
    std::printf("%s: worst line position error %.2f device pixels\n", Name({sheet, 0}).c_str(), worst);
    RecordProperty("worst_error_px", std::to_string(worst));
}

INSTANTIATE_TEST_SUITE_P(
    EveryPaper, TrueSizePrint,
    testing::Values(Sheet{"A4", 210, 297, poPortrait}, Sheet{"A4", 210, 297, poLandscape},
                    Sheet{"A3", 297, 420, poPortrait}, Sheet{"A3", 297, 420, poLandscape},
                    Sheet{"A5", 148, 210, poPortrait}, Sheet{"A5", 148, 210, poLandscape},
                    Sheet{"B5", 182, 257, poPortrait}, Sheet{"B5", 182, 257, poLandscape},
                    Sheet{"Letter", 215.9, 279.4, poPortrait}, Sheet{"Letter", 215.9, 279.4, poLandscape},
                    Sheet{"Legal", 215.9, 355.6, poPortrait}, Sheet{"Legal", 215.9, 355.6, poLandscape}),
    Name);

} // namespace
