// How the per-line emphasis list draws its items: background by selection, a swatch in the
// line's colour and the line's settings as text.
#include "EditorFixture.h"

#include "winlib/Graphics.h"

class EmphasisDrawTest : public EditorTest {
  protected:
    static constexpr int kW = 200, kH = 13;
    const TRect rect{0, 0, kW, kH};

    void SetUp() override {
        EditorTest::SetUp();
        drawn.SetSize(kW, kH);
        expected.SetSize(kW, kH);
    }
    void AddRow(const char* no, TColor color, const char* size, int type) {
        f->Edit31->SetText(no);
        f->Panel7->SetColor(color);
        f->Edit34->SetText(size);
        f->ComboBox11->SetItemIndex(type);
        f->Button14->Click();
    }
    // What an item should look like, drawn by hand.
    void Expect(TColor back, TColor textColor, std::optional<TColor> swatch, const AnsiString& text) {
        TCanvas* c = expected.Canvas();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(back);
        c->FillRect(rect);
        if (swatch) {
            c->Brush()->SetColor(*swatch);
            c->FillRect(TRect(0, 0, 12, kH));
        }
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(textColor);
        c->TextOut(16, 0, text);
    }
    int Differences() {
        int n = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                n += drawn.Canvas()->Pixel(x, y) != expected.Canvas()->Pixel(x, y);
        return n;
    }
    TBitmap drawn, expected;
};

TEST_F(EmphasisDrawTest, ItemShowsSwatchAndSettingsOnTheStateColours) {
    AddRow("3", 0x000080FF, "0.5", 1);
    struct Case {
        TOwnerDrawState state;
        TColor back, text;
    } cases[] = {{0, clWindow, clWindowText}, {odSelected, clHighlight, clHighlightText}};
    for (const Case& c : cases) {
        f->DrawEmphasisItem(drawn.Canvas(), 0, rect, c.state);
        EXPECT_EQ(drawn.Canvas()->Pixel(5, 6), 0x000080FF) << int(c.state);
        EXPECT_EQ(drawn.Canvas()->Pixel(kW - 1, kH - 1), ColorToRGB(c.back)) << int(c.state);
        Expect(c.back, c.text, 0x000080FF, "3本目0.5mm破線");
        EXPECT_EQ(Differences(), 0) << int(c.state);
        Expect(c.back, c.text, 0x000080FF, "3本目0.5mm実線");
        EXPECT_GT(Differences(), 0) << "the text is not drawn";
    }
}

TEST_F(EmphasisDrawTest, ItemTypedWithALeadingZeroDrawsItsRow) {
    AddRow("07", clBlue, "1", 4);
    f->DrawEmphasisItem(drawn.Canvas(), 0, rect, 0);
    Expect(clWindow, clWindowText, clBlue, "7本目1mm二点鎖線");
    EXPECT_EQ(Differences(), 0);
}

TEST_F(EmphasisDrawTest, ItemWithoutRowShowsItsOwnText) {
    f->ListBox1->AddItem("42");
    f->DrawEmphasisItem(drawn.Canvas(), 0, rect, 0);
    Expect(clWindow, clWindowText, std::nullopt, "42");
    EXPECT_EQ(Differences(), 0);
}
