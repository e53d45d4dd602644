// The free-text page in the preview: each text in its own font, its size a height in
// millimetres, at its position from the paper's corner.
#include "RenderTestUtil.h"
#include "shell/MainWindowFixture.h"

#include "render/Unit4.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

class TextItemsPreviewTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (ScreenPixelsPerInchX() != 96 || ScreenPixelsPerInchY() != 96)
            GTEST_SKIP() << "screen is not 96 dpi";
        f->ComboBox1->SetItemIndex(0); // 100 %: 3.7795277 pixels per millimetre
        f->MarginLeft = f->MarginTop = f->MarginRight = f->MarginBottom = 0.0;
        f->FrameInsetLeft = f->FrameInsetTop = f->FrameInsetRight = f->FrameInsetBottom = 0.0;
        f->PaperColor = clWhite;
        f->Panel1->SetColor(clWhite);
        f->CheckBlank->SetChecked(false);
        f->CheckBox2->SetChecked(false);
        f->CheckBoxHeader->SetChecked(false);
        f->MarkPos = 0;
        f->SpaceLineView1->SetChecked(false);
        f->BGImage = "";
        f->PageControl1->SetActivePageIndex(7);
    }

    // Appends an item to the three containers, as the add command and the text-item window do.
    void Add(const AnsiString& text, int xMm, int yMm, int sizeMm, TColor color = clBlack) {
        TFont* font = f->TextFonts.Add(std::make_unique<TFont>());
        font->SetName("ＭＳ ゴシック");
        font->SetSize(sizeMm);
        font->SetColor(color);
        f->TntListBox1->AddItem(text);
        f->TextPositions.push_back(TPoint(xMm, yMm));
    }

    TColor At(int x, int y) { return f->PreviewBitmap->Canvas()->Pixel(x, y) & 0xFFFFFF; }
    // The smallest rectangle of pixels that are not white inside Area; empty when none.
    TRect Ink(const TRect& area) {
        return rendertest::InkRect(area, [&](int x, int y) { return At(x, y) != clWhite; });
    }
    TRect Page() { return TRect(0, 0, f->PreviewBitmap->Width(), f->PreviewBitmap->Height()); }
};

TEST_F(TextItemsPreviewTest, ItemsStandAtTheirPositionsFromThePaperCorner) {
    // The glyph's ink lies at a fixed offset inside its text cell: measure it at the corner.
    Add("H", 0, 0, 10);
    f->UpdatePreview();
    const TRect atCorner = Ink(Page());
    ASSERT_GT(atCorner.Right, atCorner.Left) << "nothing drawn";
    EXPECT_LT(atCorner.Left, 6);
    EXPECT_LT(atCorner.Top, 12);

    struct Case {
        const char* name;
        double margin, inset; // on every side
        int x, y;             // mm
        int cellX, cellY;     // trunc(mm * 3.7795277)
    };
    const Case cases[] = {
        {"inside the paper", 0, 0, 20, 30, 75, 113},
        {"margins and frame insets do not move it", 10, 5, 20, 30, 75, 113},
        {"far down the page", 0, 0, 150, 250, 566, 944},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        f->MarginLeft = f->MarginTop = f->MarginRight = f->MarginBottom = k.margin;
        f->FrameInsetLeft = f->FrameInsetTop = f->FrameInsetRight = f->FrameInsetBottom = k.inset;
        f->TextPositions[0] = TPoint(k.x, k.y);
        f->UpdatePreview();
        const TRect r = Ink(Page());
        EXPECT_EQ(r.Left, k.cellX + atCorner.Left);
        EXPECT_EQ(r.Top, k.cellY + atCorner.Top);
        EXPECT_EQ(r.Bottom - r.Top, atCorner.Bottom - atCorner.Top);
    }
}

TEST_F(TextItemsPreviewTest, TheFontSizeIsTheCellHeightInMillimetres) {
    struct Case {
        int size;
        int cell; // trunc(size * 3.7795277)
    };
    const Case cases[] = {{5, 18}, {10, 37}, {20, 75}};
    std::vector<int> heights;
    for (const Case& k : cases) {
        SCOPED_TRACE("size " + std::to_string(k.size));
        f->TntListBox1->ClearItems();
        f->TextFonts.Clear();
        f->TextPositions.clear();
        Add("H", 20, 30, k.size);
        f->UpdatePreview();
        EXPECT_EQ(f->PreviewBitmap->Canvas()->Font()->Height(), k.cell);
        const TRect r = Ink(Page());
        heights.push_back(r.Bottom - r.Top);
    }
    // The glyph grows with the size: half and twice the 10 mm height, within a pixel or two.
    ASSERT_GT(heights[1], 10);
    EXPECT_NEAR(heights[0], heights[1] / 2.0, 2.0);
    EXPECT_NEAR(heights[2], heights[1] * 2.0, 2.0);
}

TEST_F(TextItemsPreviewTest, EachItemKeepsItsColourAndLaterItemsDrawOverEarlierOnes) {
    Add("H", 20, 30, 10, clRed);
    Add("-", 20, 30, 10, clBlue);
    f->UpdatePreview();
    bool red = false, blue = false;
    const TRect cell(75, 113, 75 + 37, 113 + 37);
    for (int y = cell.Top; y < cell.Bottom; ++y)
        for (int x = cell.Left; x < cell.Right; ++x) {
            red = red || At(x, y) == clRed;
            blue = blue || At(x, y) == clBlue;
        }
    // The clear brush leaves the first item visible through the second one's cell.
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);
}

TEST_F(TextItemsPreviewTest, NoItemsOrEmptyTextsLeaveThePageBlank) {
    f->UpdatePreview();
    EXPECT_EQ(Ink(Page()).Right, 0) << "no items";
    Add("", 20, 30, 10);
    Add("", 0, 0, 20);
    f->UpdatePreview();
    EXPECT_EQ(Ink(Page()).Right, 0) << "empty texts";
}

TEST_F(TextItemsPreviewTest, ContainersOutOfStepRaiseAtTheFirstItemTheyCannotServe) {
    struct Case {
        const char* name;
        int fonts;        // font entries kept of three
        size_t positions; // position entries kept of three
        bool nullSecondFont;
        bool raises;
    };
    const Case cases[] = {
        {"a font missing", 1, 3, false, true},
        {"a position missing", 3, 1, false, true},
        {"an empty font entry", 3, 3, true, true},
        {"more fonts and positions than texts", 3, 3, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        f->TntListBox1->ClearItems();
        f->TextFonts.Clear();
        f->TextPositions.clear();
        Add("H", 20, 30, 10);
        if (k.nullSecondFont) {
            f->TntListBox1->AddItem("H");
            f->TextFonts.Add(nullptr);
            f->TextPositions.push_back(TPoint(60, 30));
        } else {
            Add("H", 60, 30, 10);
        }
        Add("H", 100, 30, 10);
        if (k.raises) {
            while (f->TextFonts.Count() > k.fonts)
                f->TextFonts.Delete(f->TextFonts.Count() - 1);
            f->TextPositions.resize(k.positions);
            EXPECT_THROW(f->UpdatePreview(), EListError);
        } else {
            f->TntListBox1->DeleteItem(2);
            f->UpdatePreview();
        }
        // The first item is drawn, the third never is.
        EXPECT_GT(Ink(TRect(75, 113, 75 + 37, 113 + 37)).Right, 0);
        EXPECT_EQ(Ink(TRect(377, 113, 377 + 37, 113 + 37)).Right, 0);
    }
}
