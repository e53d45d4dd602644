// The page number and the mark on printed sheets: the footer counts the sheets of the job.
#include "DecorationFixture.h"

#include <fstream>
#include <iterator>

TEST_F(DecorationPrintTest, EverySheetCarriesItsNumberAndTheTotal) {
    f->CheckBox2->SetChecked(true);
    const std::string text = PdfText(PrintSheets("numbers.pdf", "3"));
    ASSERT_FALSE(text.empty()) << "pdftotext found no text";
    const size_t one = text.find("- Page 1 / 3 -"), two = text.find("- Page 2 / 3 -"),
                 three = text.find("- Page 3 / 3 -");
    ASSERT_NE(one, std::string::npos) << text;
    ASSERT_NE(two, std::string::npos) << text;
    ASSERT_NE(three, std::string::npos) << text;
    // In sheet order, one footer per sheet (pages are separated by form feeds).
    EXPECT_LT(one, two);
    EXPECT_LT(two, three);
    EXPECT_NE(text.substr(one, two - one).find('\f'), std::string::npos);
    EXPECT_NE(text.substr(two, three - two).find('\f'), std::string::npos);
}

TEST_F(DecorationPrintTest, FooterStandsCentredOnThePrintableBottom) {
    f->CheckBox2->SetChecked(true);
    f->FontDialog2->Font()->SetSize(6);
    const rendertest::Image img = rendertest::RenderPdfPage(PrintSheets("footer.pdf"), 150);
    ASSERT_GT(img.width, 0);
    const double pxPerMm = 150 / 25.4;
    int top = img.height, bottom = 0, left = img.width, right = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (img.At(x, y) < 128) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    ASSERT_LT(left, right) << "nothing printed";
    EXPECT_GE(top, img.height - 6 * pxPerMm - 2);
    EXPECT_GT(bottom - top, 2 * pxPerMm);
    EXPECT_NEAR((left + right) / 2.0, img.width / 2.0, 3.0);
}

TEST_F(DecorationPrintTest, FooterOffPrintsNoNumber) {
    const std::string text = PdfText(PrintSheets("plain.pdf", "2"));
    EXPECT_EQ(text.find("Page"), std::string::npos);
}
