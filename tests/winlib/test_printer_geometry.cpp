// The printer list, the PDF printer's page geometry and choosing printers and papers.
#include "winlib/PrinterGeometry.h"
#include "winlib/Printers.h"
#include "winlib/SysUtils.h"
#include "winlib/widgetset/WSPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

int PdfIndex(const TPrinter& p) {
    return p.Printers().IndexOf(PdfPrinterName);
}

TEST(PrinterList, PdfPrinterIsAlwaysPresentAndLast) {
    TPrinter p;
    ASSERT_GE(p.Printers().Count(), 1);
    EXPECT_EQ(p.Printers()[p.Printers().Count() - 1], PdfPrinterName);
    EXPECT_EQ(PdfIndex(p), p.Printers().Count() - 1); // and only once
    std::set<AnsiString> names(p.Printers().Items().begin(), p.Printers().Items().end());
    EXPECT_EQ(static_cast<int>(names.size()), p.Printers().Count());
    EXPECT_GE(p.PrinterIndex(), 0);
    EXPECT_LT(p.PrinterIndex(), p.Printers().Count());
}

TEST(PrinterGeometry, PdfPrinterIsA4PortraitAt600DpiWithoutBorder) {
    TPrinter p;
    ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
    EXPECT_TRUE(p.IsPdfPrinter());
    EXPECT_EQ(p.PaperName(), "A4");
    EXPECT_EQ(p.Orientation(), poPortrait);
    EXPECT_EQ(p.Resolution(), 600);
    EXPECT_EQ(p.GetDeviceCaps(LOGPIXELSX), 600);
    EXPECT_EQ(p.GetDeviceCaps(LOGPIXELSY), 600);
    EXPECT_EQ(p.GetDeviceCaps(HORZSIZE), 210);
    EXPECT_EQ(p.GetDeviceCaps(VERTSIZE), 297);
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALOFFSETX), 0);
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALOFFSETY), 0);
    // A4 is 210 x 297 mm: 4960.6 x 7015.7 pixels at 600 dpi, to the nearest pixel.
    EXPECT_EQ(p.PageWidth(), 4961);
    EXPECT_EQ(p.PageHeight(), 7016);
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALWIDTH), p.PageWidth() + 2 * p.GetDeviceCaps(PHYSICALOFFSETX));
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALHEIGHT), p.PageHeight() + 2 * p.GetDeviceCaps(PHYSICALOFFSETY));
    EXPECT_EQ(p.GetDeviceCaps(12345), 0); // an index the layer does not know
}

TEST(PrinterGeometry, ThePdfPrinterCanActAsAPrinterWithUnprintableBorders) {
    TPrinter p;
    ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
    // 18 pt (150 pixels) at the sides and 36 pt (300 pixels) at top and bottom of A4.
    SetPdfPrinterBorderForTest(18, 36);
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALOFFSETX), 150);
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALOFFSETY), 300);
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALWIDTH), 4961); // the sheet keeps its size
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALHEIGHT), 7016);
    EXPECT_EQ(p.PageWidth(), 4961 - 300);
    EXPECT_EQ(p.PageHeight(), 7016 - 600);
    SetPdfPrinterBorderForTest(0, 0);
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALOFFSETX), 0);
    EXPECT_EQ(p.PageWidth(), 4961);
}

struct BorderCase {
    const char* what;
    TWSPageMetrics page;
    int paperWidth, paperHeight; // pixels: points x dpi / 72, to the nearest pixel
    int borderX, borderY;        // the wider border of each pair, up to a whole pixel
};

// A device whose unprintable borders differ side to side gets a printable area centred on the
// paper, as far inside the right and bottom edges as inside the left and top ones.
TEST(PrinterGeometry, PrintableAreaIsCentredInsideTheWiderBorders) {
    const BorderCase cases[] = {
        // Letter at 300 dpi; borders 12/18 pt across (18 pt = 75 px) and 9/36 pt down (150 px).
        {"whole pixels", {300, 612, 792, 12, 9, 18, 36}, 2550, 3300, 75, 150},
        // A4 in whole points at 600 dpi; 10 pt is 83.3 px, so the border takes 84 px.
        {"part pixels", {600, 595, 842, 10, 0, 0, 10}, 4958, 7017, 84, 84},
    };
    for (const BorderCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TPrinterGeometry g = PrinterGeometry(c.page);
        EXPECT_EQ(g.paper, TRect(0, 0, c.paperWidth, c.paperHeight));
        EXPECT_EQ(g.printable,
                  TRect(c.borderX, c.borderY, c.paperWidth - c.borderX, c.paperHeight - c.borderY));
        // Millimetres from the paper's own size less both borders, not from whole pixels.
        const double mmPerPixel = 25.4 / c.page.Resolution;
        EXPECT_NEAR(g.printableWidthMm, c.page.WidthPt * 25.4 / 72 - 2 * c.borderX * mmPerPixel, 1e-9);
        EXPECT_NEAR(g.printableHeightMm, c.page.HeightPt * 25.4 / 72 - 2 * c.borderY * mmPerPixel, 1e-9);
    }
}

struct PaperCase {
    const char* name;
    double widthMm, heightMm;
};

TEST(PrinterGeometry, EveryKnownPaperInBothOrientations) {
    const PaperCase cases[] = {{"A3", 297, 420},       {"A4", 210, 297}, {"A5", 148, 210},
                               {"B4", 257, 364},       {"B5", 182, 257}, {"Letter", 215.9, 279.4},
                               {"Legal", 215.9, 355.6}};
    const auto known = TPrinter::KnownPapers();
    ASSERT_EQ(known.size(), std::size(cases));
    TPrinter p;
    ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const PaperCase& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(known[i].Name, c.name);
        EXPECT_NEAR(known[i].WidthMm, c.widthMm, 0.01);
        EXPECT_NEAR(known[i].HeightMm, c.heightMm, 0.01);
        ASSERT_TRUE(p.SetPaperName(c.name));
        EXPECT_EQ(p.PaperName(), c.name);
        for (TPrinterOrientation o : {poPortrait, poLandscape}) {
            p.SetOrientation(o);
            EXPECT_EQ(p.Orientation(), o);
            const double w = o == poPortrait ? c.widthMm : c.heightMm;
            const double h = o == poPortrait ? c.heightMm : c.widthMm;
            EXPECT_EQ(p.GetDeviceCaps(HORZSIZE), static_cast<int>(std::floor(w)));
            EXPECT_EQ(p.GetDeviceCaps(VERTSIZE), static_cast<int>(std::floor(h)));
            // The PDF printer's pages have their exact sizes: the nearest whole pixel.
            EXPECT_NEAR(p.PageWidth(), w / 25.4 * 600, 0.5);
            EXPECT_NEAR(p.PageHeight(), h / 25.4 * 600, 0.5);
        }
        p.SetOrientation(poPortrait);
    }
}

TEST(PrinterGeometry, PaperNamesIgnoreCaseAndUnknownNamesChangeNothing) {
    TPrinter p;
    ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
    EXPECT_TRUE(p.SetPaperName("a3"));
    EXPECT_EQ(p.PaperName(), "A3");
    EXPECT_FALSE(p.SetPaperName("A7"));
    EXPECT_FALSE(p.SetPaperName(""));
    EXPECT_EQ(p.PaperName(), "A3");
    EXPECT_EQ(p.GetDeviceCaps(HORZSIZE), 297);
}

TEST(PrinterChoice, UnknownNameReturnsFalseAndKeepsTheCurrentPrinter) {
    TPrinter p;
    ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
    ASSERT_TRUE(p.SetPaperName("B5"));
    p.SetOrientation(poLandscape);
    const int index = p.PrinterIndex();
    const int width = p.PageWidth();
    EXPECT_FALSE(p.SetPrinterByName("no such printer"));
    EXPECT_FALSE(p.SetPrinterByName(""));
    EXPECT_FALSE(p.SetPrinterByName("ruliform pdf")); // names are exact
    EXPECT_EQ(p.PrinterIndex(), index);
    EXPECT_EQ(p.PaperName(), "B5");
    EXPECT_EQ(p.Orientation(), poLandscape);
    EXPECT_EQ(p.PageWidth(), width);
}

TEST(PrinterChoice, ChoosingAPrinterStartsFromItsDefaults) {
    TPrinter p;
    ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
    ASSERT_TRUE(p.SetPaperName("A3"));
    p.SetOrientation(poLandscape);
    ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
    EXPECT_EQ(p.PaperName(), "A4");
    EXPECT_EQ(p.Orientation(), poPortrait);
    EXPECT_EQ(p.PageWidth(), 4961);
    p.SetPrinterIndex(PdfIndex(p));
    EXPECT_EQ(p.PrinterIndex(), PdfIndex(p));
}

TEST(PrinterChoice, IndexOutsideTheListRaisesAndMinusOneIsTheStartPrinter) {
    TPrinter p;
    const int start = p.PrinterIndex();
    p.SetPrinterIndex(PdfIndex(p));
    EXPECT_THROW(p.SetPrinterIndex(p.Printers().Count()), EPrinter);
    EXPECT_THROW(p.SetPrinterIndex(-2), EPrinter);
    EXPECT_EQ(p.PrinterIndex(), PdfIndex(p));
    p.SetPrinterIndex(-1);
    EXPECT_EQ(p.PrinterIndex(), start);
}

TEST(PrinterChoice, ApplicationPrinterIsOneObject) {
    TPrinter* a = Printer();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, Printer());
    EXPECT_EQ(a->Printers()[a->Printers().Count() - 1], PdfPrinterName);
}

} // namespace
