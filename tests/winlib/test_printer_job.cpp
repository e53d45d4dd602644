// Print jobs on the built-in PDF printer, checked with poppler's tools on the written file.
#include "ScopedEnv.h"
#include "test_printer_util.h"
#include "winlib/Graphics.h"
#include "winlib/Printers.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

namespace {

using namespace printertest;

class PdfJob : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
        p.SetTitle("RuliformDocument");
        p.SetOutputFileName(dir.File("out.pdf"));
    }
    // Vertical lines, one per page, at x = 600 * page.
    void PrintPages(int n) {
        p.BeginDoc();
        for (int page = 1; page <= n; ++page) {
            if (page > 1) p.NewPage();
            p.Canvas()->MoveTo(600 * page, 100);
            p.Canvas()->LineTo(600 * page, 6000);
            p.Canvas()->MoveTo(100, 600 * page);
            p.Canvas()->LineTo(4000, 600 * page);
        }
        p.EndDoc();
    }
    ScratchDir dir;
    TPrinter p;
};

// Centre of the dark pixels of one rendered row (x) or column, -1 when there are none.
double DarkCentre(const GreyImage& img, bool alongRow, int index) {
    double sum = 0, weight = 0;
    const int n = alongRow ? img.width : img.height;
    for (int i = 0; i < n; ++i) {
        const int v = alongRow ? img.At(i, index) : img.At(index, i);
        const double dark = (255 - v) / 255.0;
        sum += dark * i;
        weight += dark;
    }
    return weight > 0.2 ? sum / weight : -1;
}

int DarkRun(const GreyImage& img, int row) {
    int n = 0;
    for (int x = 0; x < img.width; ++x)
        n += img.At(x, row) < 128;
    return n;
}

TEST_F(PdfJob, WritesOnePdfPagePerSheetWithTitleAndTheExactA4Size) {
    for (int pages : {1, 2, 5}) {
        SCOPED_TRACE(pages);
        PrintPages(pages);
        const std::string pdf = dir.File("out.pdf");
        ASSERT_TRUE(std::filesystem::exists(pdf));
        EXPECT_EQ(PdfInfo(pdf, "Pages"), std::to_string(pages));
        EXPECT_EQ(PdfInfo(pdf, "Title"), "RuliformDocument");
        // 210 x 297 mm, not the whole points 595 x 842 (209.9 x 297.0 mm).
        EXPECT_EQ(PdfInfo(pdf, "Page size"), "595.276 x 841.89 pts (A4)");
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.pdf"}); // no partial file left over
    }
}

TEST_F(PdfJob, StartingAndEndingAJobAtOnceGivesOneEmptyPage) {
    p.BeginDoc();
    EXPECT_EQ(p.PageNumber(), 1);
    p.EndDoc();
    EXPECT_EQ(PdfInfo(dir.File("out.pdf"), "Pages"), "1");
}

TEST_F(PdfJob, PageNumberCountsSheetsAndJobStateFollowsTheJob) {
    EXPECT_FALSE(p.Printing());
    EXPECT_EQ(p.PageNumber(), 0);
    p.BeginDoc();
    EXPECT_TRUE(p.Printing());
    EXPECT_EQ(p.PageNumber(), 1);
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 3);
    p.EndDoc();
    EXPECT_FALSE(p.Printing());
    EXPECT_FALSE(p.Aborted());
    EXPECT_EQ(PdfInfo(dir.File("out.pdf"), "Pages"), "3");
}

TEST_F(PdfJob, TitleAndFileNameMayBeJapanese) {
    p.SetTitle("方眼紙");
    p.SetOutputFileName(dir.File("方眼紙.pdf"));
    PrintPages(1);
    EXPECT_EQ(PdfInfo(dir.File("方眼紙.pdf"), "Title"), "方眼紙");
}

TEST_F(PdfJob, ALineDrawnAtDevicePixelXLandsAtXOver600Inch) {
    p.BeginDoc();
    p.Canvas()->MoveTo(1200, 1000); // 2 inches from the left
    p.Canvas()->LineTo(1200, 5000);
    p.Canvas()->MoveTo(300, 2400); // 4 inches from the top
    p.Canvas()->LineTo(4000, 2400);
    p.EndDoc();
    const std::string pdf = dir.File("out.pdf");
    // At 600 dpi a device pixel is a rendered pixel.
    const GreyImage across = RenderPage(pdf, 1, 600, 1150, 2000, 100, 4);
    ASSERT_EQ(across.width, 100);
    EXPECT_NEAR(1150 + DarkCentre(across, true, 2), 1200.5, 1.0);
    const GreyImage down = RenderPage(pdf, 1, 600, 1000, 2350, 4, 100);
    ASSERT_EQ(down.height, 100);
    EXPECT_NEAR(2350 + DarkCentre(down, false, 2), 2400.5, 1.0);
    // At 100 dpi the same line sits 200 pixels in: true size, no scaling to fit.
    const GreyImage small = RenderPage(pdf, 1, 100);
    ASSERT_NEAR(small.width, 827, 1); // 210 mm
    EXPECT_NEAR(DarkCentre(small, true, 500), 200, 1.0);
}

TEST_F(PdfJob, CanvasStateAndOriginCarryOverToTheNextPage) {
    p.Canvas()->Pen()->SetWidth(12); // set before the job, as the program does
    p.BeginDoc();
    p.Canvas()->MoveTo(1000, 500);
    p.Canvas()->LineTo(1000, 3000);
    p.NewPage();
    p.Canvas()->MoveTo(1000, 500);
    p.Canvas()->LineTo(1000, 3000);
    p.EndDoc();
    for (int page : {1, 2}) {
        SCOPED_TRACE(page);
        const GreyImage img = RenderPage(dir.File("out.pdf"), page, 600, 950, 1000, 100, 3);
        ASSERT_EQ(img.width, 100);
        EXPECT_NEAR(DarkRun(img, 1), 12, 2);
        EXPECT_NEAR(950 + DarkCentre(img, true, 1), 1000, 1.5);
    }
}

TEST_F(PdfJob, PagesOfLinesFillsAndTextAreVectorGraphics) {
    p.BeginDoc();
    for (int page = 1; page <= 2; ++page) {
        if (page > 1) p.NewPage();
        TCanvas* c = p.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(Rect(0, 0, p.PageWidth(), p.PageHeight()));
        c->Pen()->SetWidth(1);
        for (int x = 100; x < 4000; x += 118) {
            c->MoveTo(x, 100);
            c->LineTo(x, 6000);
        }
        c->Pen()->SetWidth(5);
        c->Rectangle(200, 200, 1000, 1000);
        c->Font()->SetHeight(-100);
        c->TextOut(300, 6200, "1");
    }
    p.EndDoc();
    const std::string list = RunCommand("pdfimages -list " + Quote(dir.File("out.pdf")));
    // Only the two header lines: no image on any page.
    ASSERT_FALSE(list.empty()) << "pdfimages did not run";
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 2) << list;
    EXPECT_EQ(PdfInfo(dir.File("out.pdf"), "Pages"), "2");
}

TEST_F(PdfJob, DashedLinesPrintTheSameDevicePixelsAsOnABitmap) {
    // Every styled line of a page, across and down, forwards and backwards, some continuing the
    // dash pattern of the line before.
    auto draw = [](TCanvas* c) {
        const TPenStyle styles[] = {psDash, psDot, psDashDot, psDashDotDot};
        for (int i = 0; i < 4; ++i) {
            c->Pen()->SetStyle(styles[i]);
            const int y = 1000 + 40 * i, x = 2000 + 40 * i;
            c->MoveTo(1000, y);
            c->LineTo(1700, y);
            c->MoveTo(1799 - 7 * i, y + 20);
            c->LineTo(1000, y + 20);
            c->MoveTo(x, 1000);
            c->LineTo(x, 1700);
            c->LineTo(x + 11, 1700);
            c->MoveTo(x + 20, 1750);
            c->LineTo(x + 20, 1001 + 5 * i);
        }
    };
    p.BeginDoc();
    draw(p.Canvas());
    p.EndDoc();
    TBitmap b;
    b.SetSize(2400, 1800);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(Rect(0, 0, 2400, 1800));
    draw(b.Canvas());

    const GreyImage page = RenderPage(dir.File("out.pdf"), 1, 600, 900, 900, 1500, 900);
    ASSERT_EQ(page.width, 1500);
    int differ = 0, ink = 0;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x) {
            const bool printed = page.At(x, y) < 128;
            const bool drawn = b.Canvas()->Pixel(900 + x, 900 + y) != clWhite;
            differ += printed != drawn;
            ink += drawn;
        }
    EXPECT_GT(ink, 5000);
    EXPECT_EQ(differ, 0);
}

TEST_F(PdfJob, AbortLeavesNoFileAndKeepsAnEarlierOne) {
    p.BeginDoc();
    p.Canvas()->MoveTo(0, 0);
    p.Canvas()->LineTo(1000, 1000);
    p.NewPage();
    p.Abort();
    EXPECT_FALSE(p.Printing());
    EXPECT_TRUE(p.Aborted());
    EXPECT_EQ(p.PageNumber(), 0);
    EXPECT_TRUE(dir.Names().empty());

    const std::string pdf = dir.File("out.pdf");
    PrintPages(1);
    const std::string before = ReadFile(pdf);
    p.BeginDoc();
    p.Abort();
    EXPECT_EQ(ReadFile(pdf), before);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.pdf"});
    p.Abort(); // no job: nothing happens
    EXPECT_FALSE(p.Printing());
}

TEST_F(PdfJob, MisuseOfTheJobRaisesAndLeavesTheJobUsable) {
    EXPECT_THROW(p.NewPage(), EPrinter);
    EXPECT_THROW(p.EndDoc(), EPrinter);
    p.BeginDoc();
    EXPECT_THROW(p.BeginDoc(), EPrinter);
    EXPECT_THROW(p.SetPrinterIndex(0), EPrinter);
    EXPECT_THROW(p.SetOrientation(poLandscape), EPrinter);
    EXPECT_FALSE(p.SetPaperName("A3"));
    EXPECT_TRUE(p.Printing());
    p.EndDoc();
    EXPECT_EQ(PdfInfo(dir.File("out.pdf"), "Pages"), "1");
    EXPECT_EQ(p.PaperName(), "A4");
}

TEST_F(PdfJob, AFileThatCannotBeCreatedFailsAtTheStart) {
    p.SetOutputFileName(dir.File("missing-folder/out.pdf"));
    EXPECT_THROW(p.BeginDoc(), EPrinter);
    EXPECT_FALSE(p.Printing());
    EXPECT_TRUE(dir.Names().empty());
    p.SetOutputFileName("");
    EXPECT_THROW(p.BeginDoc(), EPrinter);
    p.SetOutputFileName(dir.File("out.pdf"));
    PrintPages(1);
    EXPECT_EQ(PdfInfo(dir.File("out.pdf"), "Pages"), "1");
}

TEST_F(PdfJob, CanvasDrawsNothingOutsideAJob) {
    p.Canvas()->MoveTo(0, 0);
    p.Canvas()->LineTo(100, 100); // no job: must not crash nor start one
    EXPECT_FALSE(p.Printing());
    EXPECT_TRUE(dir.Names().empty());
}

} // namespace

namespace {

// Works in another folder for the life of the object.
class ScopedFolder {
  public:
    explicit ScopedFolder(const std::filesystem::path& p) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(p);
    }
    ~ScopedFolder() { std::filesystem::current_path(old_); }

  private:
    std::filesystem::path old_;
};

TEST(PdfPrinterOutput, TheDefaultFileLiesInTheDocumentsFolderWhereverTheProgramStarts) {
    ScratchDir home;
    ScopedEnv homeVar("HOME", home.Path().string());
    ScopedEnv config("XDG_CONFIG_HOME", home.File(".config"));
    ScopedFolder root("/");

    // No documents folder yet: the home folder.
    EXPECT_EQ(TPrinter().OutputFileName(), home.File("RuliformDocument.pdf"));
    // The usual one.
    std::filesystem::create_directory(home.File("Documents"));
    EXPECT_EQ(TPrinter().OutputFileName(), home.File("Documents/RuliformDocument.pdf"));
    // The one the user's folder settings name.
    std::filesystem::create_directories(home.File(".config"));
    std::filesystem::create_directory(home.File("Papiere"));
    std::ofstream(home.File(".config/user-dirs.dirs")) << "XDG_DOCUMENTS_DIR=\"$HOME/Papiere\"\n";
    TPrinter p;
    EXPECT_EQ(p.OutputFileName(), home.File("Papiere/RuliformDocument.pdf"));

    // Started from the root folder, the default file is still written where it says.
    ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
    p.BeginDoc();
    p.EndDoc();
    EXPECT_EQ(PdfInfo(home.File("Papiere/RuliformDocument.pdf"), "Pages"), "1");
}

} // namespace
