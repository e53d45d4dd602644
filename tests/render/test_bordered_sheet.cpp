// The preview is the sheet, also on a printer that cannot print to the paper's edges: every
// decoration and item, printed through the print command on the built-in PDF printer acting as
// a printer with unprintable borders (the layer's stand-in for such a device, no CUPS needed),
// stands where its millimetres put it on the paper and where the preview shows it. The same
// cases run through CUPS queues with such borders in the CUPS suite.
#include "SheetCases.h"
#include "shell/MainWindowFixture.h"

#include "winlib/Printers.h"

namespace {

struct Border {
    const char* name;
    double xPt, yPt; // unprintable border across and down, points
};

class BorderedSheetTest : public MainWindowTest, public ::testing::WithParamInterface<Border> {
  protected:
    void SetUp() override {
        SetPdfPrinterBorderForTest(GetParam().xPt, GetParam().yPt);
        MainWindowTest::SetUp();
        ASSERT_EQ(f->PhysOffsetX, static_cast<int>(std::ceil(GetParam().xPt * 600 / 72 - 1e-6)));
        ASSERT_EQ(f->PhysOffsetY, static_cast<int>(std::ceil(GetParam().yPt * 600 / 72 - 1e-6)));
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        SetPdfPrinterBorderForTest(0, 0);
    }

    // A4 as the PDF printer prints it: 210 x 297 mm exactly.
    sheet::Paper A4() const {
        return sheet::Paper::Points(210 * 72 / 25.4, 297 * 72 / 25.4, GetParam().xPt, GetParam().yPt);
    }
    // One sheet through the print command onto the PDF printer; the document's path.
    sheet::PrintPage Printer() {
        return [this] {
            const std::string pdf = PrintSheets("sheet" + std::to_string(++printed_) + ".pdf");
            EXPECT_TRUE(ShownMessages().empty()) << ShownMessages().front().Text;
            return std::filesystem::exists(pdf) ? pdf : std::string();
        };
    }

  private:
    int printed_ = 0;
};

TEST_P(BorderedSheetTest, NotebookHeader) {
    sheet::NotebookHeader(f, A4(), Printer());
}
TEST_P(BorderedSheetTest, RulerScales) {
    sheet::RulerScales(f, A4(), Printer(), false);
}
TEST_P(BorderedSheetTest, RulerScalesKeepEveryRowOfTheGrid) {
    sheet::RulerScales(f, A4(), Printer(), true);
}
TEST_P(BorderedSheetTest, NamePlate) {
    sheet::NamePlate(f, A4(), Printer());
}
TEST_P(BorderedSheetTest, NameBox) {
    sheet::NameBox(f, A4(), Printer());
}
TEST_P(BorderedSheetTest, MarkInEachCorner) {
    sheet::Mark(f, A4(), Printer());
}
TEST_P(BorderedSheetTest, PageNumber) {
    sheet::PageNumber(f, A4(), Printer());
}
TEST_P(BorderedSheetTest, TextItemsNearEachEdge) {
    sheet::TextItemsNearTheEdges(f, A4(), Printer());
}
TEST_P(BorderedSheetTest, PictureFromTheContentOrigin) {
    sheet::Picture(f, A4(), Printer(), false);
}
TEST_P(BorderedSheetTest, PictureIgnoringTheMargins) {
    sheet::Picture(f, A4(), Printer(), true);
}
TEST_P(BorderedSheetTest, PictureUnderTheNotebookHeader) {
    sheet::PictureUnderTheNotebook(f, A4(), Printer());
}

TEST_P(BorderedSheetTest, ManuscriptWithoutMarginsKeepsTheFrameOnThePaperEdge) {
    sheet::ManuscriptWithoutMargins(f, A4(), Printer(), "10", "20");
}
TEST_P(BorderedSheetTest, ManuscriptWithoutMarginsKeepsTheFrameOnTheRightEdge) {
    sheet::ManuscriptWithoutMargins(f, A4(), Printer(), "20", "5");
}

INSTANTIATE_TEST_SUITE_P(Printers, BorderedSheetTest,
                         ::testing::Values(Border{"PdfPrinter", 0, 0}, Border{"Border4_23mm", 12, 12},
                                           Border{"Sides6_35mmTopBottom12_7mm", 18, 36}),
                         [](const ::testing::TestParamInfo<Border>& i) { return std::string(i.param.name); });

} // namespace
