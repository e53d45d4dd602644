// The notebook header in the preview: rules at 19 and 29 mm from the top and 10 mm from the
// bottom, marks every 10 mm (a circle every fifth), titles on the rules, the date field.
#include "DecorationFixture.h"

#include "render/HeaderDate.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace {
std::time_t Saturday3Oct2009() {
    std::tm tm{};
    tm.tm_year = 2009 - 1900;
    tm.tm_mon = 9;
    tm.tm_mday = 3;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}
} // namespace

class NotebookHeaderTest : public DecorationTest {
  protected:
    void SetUp() override {
        DecorationTest::SetUp();
        f->FrameRadio1->SetChecked(true);
        f->CheckBoxHeader->SetChecked(true);
        f->FrameIndex = 1;
        SetMargins(15.0);
    }
    void TearDown() override {
        SetHeaderClock(nullptr);
        DecorationTest::TearDown();
    }
    int Left() const { return Px(15); }
    int Right() const { return static_cast<int>(PaperW() - 15 * S()); }
    // Ink pixels of row Y within X +- 3 (a tick is one pixel wide, a circle several).
    static int InkAround(const TBitmap* b, int x, int y) {
        int n = 0;
        for (int i = x - 3; i <= x + 3; ++i)
            n += At(b, i, y) != clWhite;
        return n;
    }
};

TEST_F(NotebookHeaderTest, RulesRunAcrossTheContentWidthInTheLineColour) {
    const TBitmap* page = Rebuild();
    // The rule at 19 mm has no marks on it; the others carry circles that reach past their ends.
    const std::vector<rendertest::Span> upper =
        rendertest::Runs(W(), [&](int x) { return At(page, x, Px(19)) == clBlue; });
    ASSERT_EQ(upper.size(), 1u);
    EXPECT_EQ(upper[0].first, Left());
    EXPECT_EQ(upper[0].last, Right() - 1);
    for (int row : {Px(19), Px(29), static_cast<int>(H() - 10 * S())}) {
        for (int x = Left(); x < Right(); ++x)
            ASSERT_EQ(At(page, x, row), clBlue) << "row " << row << " column " << x;
        EXPECT_EQ(At(page, Left() - 4, row), clWhite) << "row " << row;
        EXPECT_EQ(At(page, Right() + 3, row), clWhite) << "row " << row;
        EXPECT_EQ(At(page, W() / 2 + 3, row - 1), clWhite) << "row " << row;
        EXPECT_EQ(At(page, W() / 2 + 3, row + 1), clWhite) << "row " << row;
    }
}

TEST_F(NotebookHeaderTest, MarksEveryTenMillimetresWithACircleEveryFifth) {
    const TBitmap* page = Rebuild();
    const double step = 10 * S(), width = PaperW() - 30 * S();
    const int top = (Px(29) + Px(30)) / 2,
              bottom = (static_cast<int>(H() - 11 * S()) + static_cast<int>(H() - 10 * S())) / 2;
    // Mark k lies k * 10 mm from the left content edge, however many marks came before it.
    int marks = 0;
    for (int k = 0; k * step < width; ++k, ++marks) {
        const int x = static_cast<int>((15 + 10 * k) * S());
        for (int row : {top, bottom}) {
            if (k % 5 == 0)
                EXPECT_GE(InkAround(page, x, row), 2) << "circle " << k << " row " << row;
            else
                EXPECT_EQ(InkAround(page, x, row), 1) << "tick " << k << " row " << row;
            EXPECT_EQ(At(page, static_cast<int>((20 + 10 * k) * S()), row), clWhite)
                << "between " << k << " row " << row;
        }
    }
    EXPECT_EQ(marks, static_cast<int>(std::ceil(width / step)));
    // Nothing past the last mark.
    const std::vector<rendertest::Span> along =
        rendertest::Runs(W(), [&](int x) { return At(page, x, top) != clWhite; });
    ASSERT_FALSE(along.empty());
    EXPECT_LE(along.back().last, static_cast<int>((15 + 10 * (marks - 1)) * S()) + 3);
}

TEST_F(NotebookHeaderTest, ContentNarrowerThanTenMillimetresKeepsOnlyTheFirstCircle) {
    f->MarginLeft = 100.0;
    f->MarginRight = 105.0;
    const TBitmap* page = Rebuild();
    const int x = Px(100), row = (Px(29) + Px(30)) / 2;
    EXPECT_GE(InkAround(page, x, row), 2);
    const std::vector<rendertest::Span> marks =
        rendertest::Runs(W(), [&](int i) { return At(page, i, row) != clWhite; });
    ASSERT_FALSE(marks.empty());
    EXPECT_GE(marks.front().first, x - 3);
    EXPECT_LE(marks.back().last, x + 3);
}

TEST_F(NotebookHeaderTest, TitlesStandOnTheirRulesAtTheLeftContentEdge) {
    Rebuild();
    const auto bare = Snapshot();
    f->HeadText1->SetText("ABC");
    Rebuild();
    const TRect upper = DiffBox(bare.get(), f->PreviewBitmap);
    ASSERT_GT(upper.Width(), 0);
    EXPECT_GE(upper.Left, Left());
    EXPECT_LT(upper.Left, Left() + Px(3));
    EXPECT_GE(upper.Top, Px(19) - Px(9));
    EXPECT_LE(upper.Bottom, Px(19));
    EXPECT_GT(upper.Height(), Px(9) / 2); // a 9 mm title

    f->HeadText1->SetText("");
    f->HeadText2->SetText("ABC");
    Rebuild();
    const TRect lower = DiffBox(bare.get(), f->PreviewBitmap);
    EXPECT_EQ(lower.Left, upper.Left);
    EXPECT_EQ(lower.Width(), upper.Width());
    EXPECT_EQ(lower.Top - upper.Top, Px(29) - Px(19)); // the same title 10 mm lower
}

TEST(HeaderDateText, WithAndWithoutTheDate) {
    EXPECT_EQ(DateFieldText(false, Saturday3Oct2009()), AnsiString("Date: "));
    EXPECT_EQ(DateFieldText(true, Saturday3Oct2009()), AnsiString("Date: 2009.10.3(土)"));
}

// Where the date field belongs: an underline as wide as the sample at 14 mm, the text
// standing on it from 9 mm.
class DateFieldTest : public NotebookHeaderTest {
  protected:
    std::unique_ptr<TBitmap> ExpectedField(const AnsiString& text) const {
        auto b = Blank();
        TCanvas* c = b->Canvas();
        c->Font()->SetName("ＭＳ ゴシック");
        c->Font()->SetHeight(Px(5));
        c->Font()->SetColor(clBlue);
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetColor(clBlue);
        c->Pen()->SetWidth(1);
        // The field is the sample's width at a font exactly 5 mm high, not at the whole pixels
        // the preview's font takes: measured some 600 pixels high and scaled down.
        const double height = 5 * S(), factor = std::max(1.0, std::ceil(600 / height));
        const int measured = static_cast<int>(height * factor);
        c->Font()->SetHeight(measured);
        const double sample = c->TextWidth("Date: 2007.05.12(土)") * height / measured;
        c->Font()->SetHeight(Px(5));
        const int x = static_cast<int>(PaperW() - sample - 15 * S());
        c->MoveTo(x, Px(14));
        c->LineTo(Right(), Px(14));
        c->TextOut(x, Px(9), text);
        return b;
    }
    // The field's corner of the page: above the upper rule, right of the middle.
    std::unique_ptr<TBitmap> FieldOnly(const TBitmap* page) const {
        auto b = Blank();
        for (int y = 0; y < Px(18); ++y)
            for (int x = W() / 2; x < W(); ++x)
                b->Canvas()->SetPixel(x, y, At(page, x, y));
        return b;
    }
};

TEST_F(DateFieldTest, WritesTheDateOfTheClock) {
    SetHeaderClock(&Saturday3Oct2009);
    f->HeadCheck1->SetChecked(true);
    const TBitmap* page = Rebuild();
    EXPECT_TRUE(Same(FieldOnly(page).get(), ExpectedField("Date: 2009.10.3(土)").get()));
    EXPECT_FALSE(Same(FieldOnly(page).get(), ExpectedField("Date: 2009.10.4(日)").get()));
}

TEST_F(DateFieldTest, UncheckedKeepsTheUnderlineOfTheSampleWidth) {
    SetHeaderClock(&Saturday3Oct2009);
    f->HeadCheck1->SetChecked(false);
    const TBitmap* page = Rebuild();
    EXPECT_TRUE(Same(FieldOnly(page).get(), ExpectedField("Date: ").get()));
    const std::vector<rendertest::Span> line =
        rendertest::Runs(W(), [&](int x) { return At(page, x, Px(14)) == clBlue; });
    ASSERT_EQ(line.size(), 1u);
    EXPECT_GT(line[0].Width(), Px(30)); // wider than "Date: " in 5 mm letters
    EXPECT_EQ(line[0].last, Right() - 1);
}

TEST_F(DecorationTest, FrameOffOrOfNoKnownTypeDrawsNothing) {
    f->FrameRadio1->SetChecked(true);
    f->HeadText1->SetText("ABC");
    f->CheckScale1->SetChecked(true);
    for (int type : {1, 2, 3}) {
        f->CheckBoxHeader->SetChecked(false);
        f->FrameIndex = type;
        EXPECT_EQ(InkBox(Rebuild()), TRect()) << "type " << type;
    }
    f->CheckBoxHeader->SetChecked(true);
    for (int type : {0, 4}) {
        f->FrameIndex = type;
        EXPECT_EQ(InkBox(Rebuild()), TRect()) << "type " << type;
    }
}
