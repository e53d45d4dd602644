#include "winlib/Graphics.h"
#include "winlib/qt/FontMapping.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

TEST(Font, SizeAndHeightConvertWithRounding) {
    struct Case {
        int ppi, height, size;
    } fromHeight[] = {{96, -12, 9},  {96, -13, 10},  {96, -11, 8},
                      {96, 16, -12}, {120, -16, 10}, {600, -100, 12}};
    for (const Case& c : fromHeight) {
        TFont f;
        f.SetPixelsPerInch(c.ppi);
        f.SetHeight(c.height);
        EXPECT_EQ(f.Size(), c.size) << c.ppi << " " << c.height;
    }
    struct SizeCase {
        int ppi, size, height;
    } fromSize[] = {{96, 9, -12}, {96, 10, -13}, {96, 11, -15}, {96, 8, -11}, {600, 12, -100}};
    for (const SizeCase& c : fromSize) {
        TFont f;
        f.SetPixelsPerInch(c.ppi);
        f.SetSize(c.size);
        EXPECT_EQ(f.Height(), c.height) << c.ppi << " " << c.size;
    }
}

TEST(Font, AssignCopiesFaceAndKeepsPointSizeAcrossResolutions) {
    TFont a;
    a.SetName("ＭＳ 明朝");
    a.SetHeight(-16);
    a.SetStyle(fsBold | fsUnderline);
    a.SetColor(clRed);
    a.SetCharset(128);
    TFont b;
    b.Assign(&a);
    EXPECT_EQ(b.Name(), "ＭＳ 明朝");
    EXPECT_EQ(b.Height(), -16);
    EXPECT_EQ(b.Style(), fsBold | fsUnderline);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(b.Charset(), 128);
    TFont printer;
    printer.SetPixelsPerInch(600);
    printer.Assign(&a); // 12 pt at 96 dpi stays 12 pt at 600 dpi
    EXPECT_EQ(printer.Size(), 12);
    EXPECT_EQ(printer.Height(), -100);

    TPen p;
    TBrush br;
    EXPECT_THROW(p.Assign(&br), EConvertError);
}

TEST(Font, BrushColourMakesItSolid) {
    TBrush b;
    b.SetStyle(bsClear);
    b.SetColor(clWhite);
    EXPECT_EQ(b.Style(), bsSolid);
}

TEST(Font, JapaneseNamesMapToInstalledJapaneseFamilies) {
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const char* name :
         {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS UI Gothic", "NoSuchFont"})
        EXPECT_TRUE(japanese.contains(fnt::FamilyFor(name)))
            << name << " -> " << fnt::FamilyFor(name).toStdString();
    if (QFontDatabase::families().contains("IPAGothic")) {
        EXPECT_EQ(fnt::FamilyFor("ＭＳ ゴシック"), "IPAGothic");
        EXPECT_EQ(fnt::FamilyFor("ＭＳ Ｐゴシック"), "IPAPGothic");
        EXPECT_EQ(fnt::FamilyFor("ＭＳ 明朝"), "IPAMincho");
        EXPECT_EQ(fnt::FamilyFor("ＭＳ Ｐ明朝"), "IPAPMincho");
    }
}

TEST(Font, SystemColoursResolveToFixedValuesAndOthersPassUnchanged) {
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC8D0D4);
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clHighlight), 0x6A240A);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
}

TEST(Font, CellHeightPicksAPixelSizeWhoseAscentPlusDescentFits) {
    for (const char* name : {"ＭＳ ゴシック", "ＭＳ Ｐ明朝"})
        for (int h : {7, 12, 15, 40, 100}) {
            TFont f;
            f.SetName(name);
            f.SetHeight(h);
            const QFontMetrics fm(fnt::QtFont(f, nullptr));
            EXPECT_LE(fm.height(), h) << name << " " << h;
            EXPECT_GE(fm.height(), h - 1) << name << " " << h;
        }
}

TEST(Font, CellsBeyondWhatTheToolkitMeasuresGetItsLargestFontAtOnce) {
    // 100000 mm at 600 dpi, either as a cell height or as a character height.
    for (int h : {2362204, -2362204, 2147483647, -2147483647}) {
        TFont f;
        f.SetName("ＭＳ ゴシック");
        f.SetHeight(h);
        const QFont q = fnt::QtFont(f, nullptr);
        const QFontMetrics fm(q);
        EXPECT_GT(q.pixelSize(), 10000) << h;
        EXPECT_GT(fm.height(), q.pixelSize()) << h << ": metrics still measure this font";
    }
}
