// The preview is the sheet on CUPS queues whose A4 sheet cannot be printed to its edges (12 pt
// all round; 18 pt at the sides and 36 pt at top and bottom): each frame kind, the mark in
// every corner, the page number, text items near each edge and a picture with and without the
// margins, printed through the queue, rendered from the document cups-pdf writes at 600 dpi and
// compared with their millimetres from the paper's edges and with the preview (SheetCases.h).
#include "CupsWindowFixture.h"
#include "SheetCases.h"

namespace {

struct Queue {
    const char* name;
    std::string PrivateCups::*queue;
    double xPt, yPt; // the queue's unprintable border across and down
};

class CupsBorderedSheet : public CupsMainWindow, public ::testing::WithParamInterface<Queue> {
  protected:
    void SetUp() override {
        CupsMainWindow::SetUp();
        if (IsSkipped()) return;
        PickFromTheMenu(TheCups().*GetParam().queue);
        ASSERT_EQ(f->PhysOffsetX, static_cast<int>(std::ceil(GetParam().xPt * 600 / 72 - 1e-6)));
        ASSERT_EQ(f->PhysOffsetY, static_cast<int>(std::ceil(GetParam().yPt * 600 / 72 - 1e-6)));
    }
    // The queue's A4 sheet: 595 x 842 points.
    sheet::Paper A4() const { return sheet::Paper::Points(595, 842, GetParam().xPt, GetParam().yPt); }
    sheet::PrintPage ThroughTheQueue() {
        return [this] {
            const std::string pdf = PrintOn(TheCups().*GetParam().queue);
            EXPECT_TRUE(ShownMessages().empty()) << ShownMessages().front().Text;
            return pdf;
        };
    }
};

TEST_P(CupsBorderedSheet, NotebookHeader) {
    sheet::NotebookHeader(f, A4(), ThroughTheQueue());
}
TEST_P(CupsBorderedSheet, RulerScales) {
    sheet::RulerScales(f, A4(), ThroughTheQueue(), false);
}
TEST_P(CupsBorderedSheet, RulerScalesKeepEveryRowOfTheGrid) {
    sheet::RulerScales(f, A4(), ThroughTheQueue(), true);
}
TEST_P(CupsBorderedSheet, NamePlate) {
    sheet::NamePlate(f, A4(), ThroughTheQueue());
}
TEST_P(CupsBorderedSheet, NameBox) {
    sheet::NameBox(f, A4(), ThroughTheQueue());
}
TEST_P(CupsBorderedSheet, MarkInEachCorner) {
    sheet::Mark(f, A4(), ThroughTheQueue());
}
TEST_P(CupsBorderedSheet, PageNumber) {
    sheet::PageNumber(f, A4(), ThroughTheQueue());
}
TEST_P(CupsBorderedSheet, TextItemsNearEachEdge) {
    sheet::TextItemsNearTheEdges(f, A4(), ThroughTheQueue());
}
TEST_P(CupsBorderedSheet, PictureFromTheContentOrigin) {
    sheet::Picture(f, A4(), ThroughTheQueue(), false);
}
TEST_P(CupsBorderedSheet, PictureIgnoringTheMargins) {
    sheet::Picture(f, A4(), ThroughTheQueue(), true);
}
TEST_P(CupsBorderedSheet, PictureUnderTheNotebookHeader) {
    sheet::PictureUnderTheNotebook(f, A4(), ThroughTheQueue());
}

INSTANTIATE_TEST_SUITE_P(Queues, CupsBorderedSheet,
                         ::testing::Values(Queue{"Border4_23mm", &PrivateCups::marginsQueue, 12, 12},
                                           Queue{"Sides6_35mmTopBottom12_7mm", &PrivateCups::wideMarginsQueue,
                                                 18, 36}),
                         [](const ::testing::TestParamInfo<Queue>& i) { return std::string(i.param.name); });

} // namespace
