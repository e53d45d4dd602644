// The log paper preview drawn on the real main window's preview bitmap.
#include "LogPaperFixture.h"

#include <algorithm>
#include <string>

using rendertest::Span;

namespace {
// Runs down column X (or along row Y), each with its centre, for comparing with exact places.
std::vector<Span> Rows(TCanvas* c, int x) {
    return rendertest::RowsAt(c, x, LogPaperTest::kSize, clWhite);
}
std::vector<Span> Columns(TCanvas* c, int y) {
    return rendertest::ColumnsAt(c, y, LogPaperTest::kSize, clWhite);
}
} // namespace

TEST_F(LogPaperTest, SemiLogDefaultsGrowByTheRatioInGroupsOfNine) {
    TCanvas* c = DrawPreview(0);
    // Between the vertical lines at 1 and 2 mm, where only the horizontal lines cross.
    const std::vector<Span> rows = Rows(c, static_cast<int>(PxX(1.5)));
    const std::vector<double> want = RatioPositions(3, 1.0, 1.3);
    ASSERT_EQ(rows.size(), 28u);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(rows[i].first, static_cast<int>(PxY(want[i])), 1) << "line " << i;
        EXPECT_EQ(rows[i].Width(), i % 9 == 0 ? 2 : 1) << "line " << i;
    }
}

TEST_F(LogPaperTest, SemiLogColumnsAreLinearAndReachOneIntervalBelowTheLastLine) {
    TCanvas* c = DrawPreview(0);
    const double totalY = RatioPositions(3, 1.0, 1.3).back();
    // A row between two horizontal lines: half way down the last interval.
    const int y = static_cast<int>(PxY(totalY - 0.5 * std::pow(1.3, 9)));
    const std::vector<Span> cols = Columns(c, y);
    ASSERT_EQ(cols.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(cols[i].first, static_cast<int>(PxX(i)), 1) << "column " << i;
        EXPECT_EQ(cols[i].Width(), i == 0 ? 2 : 1) << "column " << i;
    }
    // The columns run from the top of the pattern to 1 mm below its last horizontal line, and
    // the horizontal lines run from the left edge to 3 mm.
    const std::vector<Span> down = Rows(c, cols[2].first);
    ASSERT_FALSE(down.empty());
    EXPECT_EQ(down.front().first, static_cast<int>(PxY(0)));
    EXPECT_NEAR(down.back().last, static_cast<int>(PxY(totalY + 1.0)) - 1, 1);
    const std::vector<Span> along = Columns(c, static_cast<int>(PxY(totalY - 1e-3)));
    ASSERT_FALSE(along.empty());
    EXPECT_NEAR(along.back().last, static_cast<int>(PxX(3.0)), 1);
}

TEST_F(LogPaperTest, EveryFifthColumnOfSemiLogIsHeavy) {
    f->LogGroupsX = 11;
    TCanvas* c = DrawPreview(0, 2.0f);
    const std::vector<Span> cols = Columns(c, static_cast<int>(PxY(0.6)));
    ASSERT_EQ(cols.size(), 12u);
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ(cols[i].Width(), i % 5 == 0 ? 2 : 1) << "column " << i;
}

TEST_F(LogPaperTest, ConstantGrowthAddsTheConstantToTheSmallestInterval) {
    struct Case {
        const char* text;
        double c; // the constant the text stands for
    };
    f->RadioButton6->SetChecked(true);
    f->LogGroupsY = 1;
    for (const Case& k : {Case{"0.1", 0.1}, Case{"0.5", 0.5}, Case{"none", 1.0}}) {
        f->Edit20->SetText(k.text);
        const std::vector<Span> rows = Rows(DrawPreview(0, 1, 1), static_cast<int>(PxX(1.5)));
        ASSERT_EQ(rows.size(), 10u) << k.text;
        // Index 0 lies at the constant, then the intervals 1 + 1c ... 1 + 9c.
        double at = k.c;
        EXPECT_NEAR(rows[0].first, static_cast<int>(PxY(at)), 1) << k.text;
        for (int i = 1; i <= 9; ++i) {
            at += 1.0 + i * k.c;
            EXPECT_NEAR(rows[i].first, static_cast<int>(PxY(at)), 1) << k.text << " line " << i;
        }
    }
}

TEST_F(LogPaperTest, SemiLogReversedRunsUpFromTheBottomAndIgnoresTheXBox) {
    const std::vector<Span> plain = Rows(DrawPreview(0), static_cast<int>(PxX(1.5)));
    f->CheckBox6->SetChecked(true); // the X row's box: no effect on semi-log
    EXPECT_EQ(Rows(DrawPreview(0), static_cast<int>(PxX(1.5))).size(), plain.size());
    EXPECT_EQ(Rows(DrawPreview(0), static_cast<int>(PxX(1.5))).front().first, plain.front().first);

    f->CheckBox7->SetChecked(true);
    const double totalY = RatioPositions(3, 1.0, 1.3).back();
    const std::vector<Span> rows = Rows(DrawPreview(0), static_cast<int>(PxX(1.5)));
    ASSERT_EQ(rows.size(), 28u);
    const std::vector<double> want = RatioPositions(3, 1.0, 1.3);
    for (size_t i = 0; i < want.size(); ++i) {
        const Span& r = rows[rows.size() - 1 - i]; // index i counted from the bottom
        EXPECT_NEAR(r.first, static_cast<int>(PxY(totalY - want[i])), 1) << "line " << i;
        EXPECT_EQ(r.Width(), i % 9 == 0 ? 2 : 1) << "line " << i;
    }
}

TEST_F(LogPaperTest, LogLogPutsTheSmallIntervalsAtTheTopAndAtTheRight) {
    f->LogGroupsX = f->LogGroupsY = 1;
    const std::vector<double> want = RatioPositions(1, 1.0, 1.3);
    const double total = want.back();
    struct Case {
        bool reverseY, xFromLeft;
    };
    for (const Case& k : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        f->CheckBox6->SetChecked(k.reverseY);
        f->CheckBox7->SetChecked(k.xFromLeft);
        TCanvas* c = DrawPreview(1);
        // Down the middle of the widest column, along the middle of the tallest row.
        const std::vector<Span> rows = Rows(c, static_cast<int>(PxX(k.xFromLeft ? total - 2 : 2)));
        const std::vector<Span> cols = Columns(c, static_cast<int>(PxY(k.reverseY ? 2 : total - 2)));
        ASSERT_EQ(rows.size(), 10u);
        ASSERT_EQ(cols.size(), 10u);
        for (int i = 0; i <= 9; ++i) {
            const double y = k.reverseY ? total - want[i] : want[i];
            const double x = k.xFromLeft ? want[i] : total - want[i];
            const Span& r = k.reverseY ? rows[9 - i] : rows[i];
            const Span& col = k.xFromLeft ? cols[i] : cols[9 - i];
            EXPECT_NEAR(r.first, static_cast<int>(PxY(y)), 1) << k.reverseY << k.xFromLeft << " row " << i;
            EXPECT_NEAR(col.first, static_cast<int>(PxX(x)), 1) << k.reverseY << k.xFromLeft << " col " << i;
            EXPECT_EQ(r.Width(), i % 9 == 0 ? 2 : 1);
            EXPECT_EQ(col.Width(), i % 9 == 0 ? 2 : 1);
        }
        // Both sets of lines span the whole square of the two totals.
        EXPECT_EQ(Columns(c, rows[4].first).front().first, static_cast<int>(PxX(0)));
        EXPECT_NEAR(Columns(c, rows[4].first).back().last, static_cast<int>(PxX(total)), 1);
        EXPECT_NEAR(Rows(c, cols[4].first).back().last, static_cast<int>(PxY(total)), 1);
    }
}

TEST_F(LogPaperTest, GroupCountsOfZeroDrawOneLineAndNegativeCountsNone) {
    struct Case {
        int groupsX, groupsY;
        size_t horizontal, vertical; // lines of semi-log
    };
    // A zero count still draws index 0; a negative one draws nothing along that axis. Lines
    // whose length comes out as 0 (the other axis with no extent) leave nothing either.
    for (const Case& k : {Case{3, 0, 1, 4}, Case{3, -1, 0, 0}, Case{0, 3, 0, 1}, Case{-1, -1, 0, 0}}) {
        f->LogGroupsX = k.groupsX;
        f->LogGroupsY = k.groupsY;
        TCanvas* c = DrawPreview(0);
        EXPECT_EQ(Rows(c, static_cast<int>(PxX(0.5))).size(), k.horizontal) << k.groupsX << "," << k.groupsY;
        EXPECT_EQ(Columns(c, static_cast<int>(PxY(0.5))).size(), k.vertical) << k.groupsX << "," << k.groupsY;
    }
    // With no Y groups the columns reach one smallest interval below the single line.
    f->LogGroupsX = 3;
    f->LogGroupsY = 0;
    const std::vector<Span> down = Rows(DrawPreview(0, 1, 2), static_cast<int>(PxX(1)));
    ASSERT_EQ(down.size(), 1u);
    EXPECT_NEAR(down[0].last, static_cast<int>(PxY(2)) - 1, 1);
}

TEST_F(LogPaperTest, FieldsAtZeroBeforeTheEditorsRunDrawNothingAndReturn) {
    // The window's fields before the log tab's handler has run: every line falls on the corner
    // with no length.
    f->LogGroupsX = f->LogGroupsY = 0;
    for (int groups : {0, 3}) {
        f->LogGroupsX = f->LogGroupsY = groups;
        for (int type : {0, 1}) {
            TCanvas* c = DrawPreview(type, 0, 0, 1.3f);
            int dark = 0;
            for (int y = 0; y < kSize; ++y)
                for (int x = 0; x < kSize; ++x)
                    dark += c->Pixel(x, y) != clWhite;
            EXPECT_LE(dark, 4) << "type " << type << ", groups " << groups; // at most a dot
        }
    }
}

TEST_F(LogPaperTest, AnIntervalOfZeroDoesNotAdvance) {
    struct Case {
        bool byRatio;
        const char* constant;
        double at; // where every line of the group then lies, mm
    };
    // A ratio of 0 keeps every line at index 0's place; a constant of -1 with a smallest size
    // of 1 cancels each interval to 0, so after index 0 (at -1 mm) no line moves on.
    f->LogGroupsY = 1;
    for (const Case& k : {Case{true, "0.1", 0.0}, Case{false, "-1", -1.0}}) {
        f->RadioButton5->SetChecked(k.byRatio);
        f->RadioButton6->SetChecked(!k.byRatio);
        f->Edit20->SetText(k.constant);
        const std::vector<Span> rows = Rows(DrawPreview(0, 1, 1, 0.0f), static_cast<int>(PxX(1.5)));
        ASSERT_EQ(rows.size(), 1u) << k.constant;
        EXPECT_NEAR(rows[0].first, static_cast<int>(PxY(k.at)), 1) << k.constant;
    }
}

TEST_F(LogPaperTest, AnUnknownTypeDrawsNothing) {
    TCanvas* c = DrawPreview(-1);
    EXPECT_EQ(Rows(c, static_cast<int>(PxX(1.5))).size(), 0u);
    EXPECT_EQ(Columns(c, static_cast<int>(PxY(0.5))).size(), 0u);
}

TEST_F(LogPaperTest, LinesTakeTheLineColourAndFollowTheMargins) {
    f->Panel2->SetColor(clBlue);
    f->MarginTop = 20.0;
    f->FrameInsetLeft = 5.0; // 15 mm in all
    TCanvas* c = DrawPreview(0);
    const int x = static_cast<int>(15 * S() + 1.5 * S());
    const std::vector<Span> rows = Rows(c, x);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(c->Pixel(x, rows[1].first), clBlue);
    EXPECT_NEAR(rows[1].first, static_cast<int>(20 * S() + 1.3 * S()), 1);
    EXPECT_NEAR(Columns(c, rows[1].first).front().first, static_cast<int>(15 * S()), 1);
}

TEST_F(LogPaperTest, BillionsOfGroupsDrawWhatReachesTheCanvas) {
    // Group counts far beyond the page give the lines of counts that just run off it: the same
    // groups lie on the canvas, counted from the top, or from the far end when reversed.
    struct Case {
        int type, groups, reference;
        bool reverse;
        double ratio;
    } cases[] = {
        {0, 2000000000, 20, false, 1.3}, {0, 2000000000, 20, true, 1.3}, {0, 2147483647, 20, false, 1.1},
        {1, 2000000000, 20, false, 1.3}, {1, 2000000000, 20, true, 1.3},
    };
    for (const Case& k : cases) {
        f->CheckBox6->SetChecked(k.reverse);
        f->CheckBox7->SetChecked(k.reverse);
        auto lines = [&](int groups) {
            f->LogGroupsY = groups;
            f->LogGroupsX = k.type == 1 ? groups : 3;
            TCanvas* c = DrawPreview(k.type, 1, 1, static_cast<float>(k.ratio));
            return std::pair(Rows(c, static_cast<int>(PxX(k.type == 1 ? 12.5 : 1.5))),
                             Columns(c, static_cast<int>(PxY(0.5))));
        };
        const auto [rows, cols] = lines(k.groups);
        const auto [wantRows, wantCols] = lines(k.reference);
        SCOPED_TRACE(std::to_string(k.type) + (k.reverse ? " reversed" : "") + " " +
                     std::to_string(k.groups));
        ASSERT_GT(wantRows.size(), 10u);
        ASSERT_GT(wantCols.size(), 2u);
        ASSERT_EQ(rows.size(), wantRows.size());
        // Every line comes from one formula in double precision, however many groups there are.
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].first, wantRows[i].first) << "row " << i;
            EXPECT_EQ(rows[i].Width(), wantRows[i].Width()) << "row " << i;
        }
        ASSERT_EQ(cols.size(), wantCols.size());
        for (size_t i = 0; i < cols.size(); ++i)
            EXPECT_EQ(cols[i].first, wantCols[i].first) << "column " << i;
    }
}

TEST_F(LogPaperTest, ReversedLinesLieAlikeOnEitherSideOfTwoHundredThousandIndices) {
    // Reversed, the lines on the page are the last groups' whatever the count: 22 222 groups
    // (199 999 indices) and 22 223 (200 008) give the same page, once walked in single precision
    // and once laid out in closed form, two pixels apart where they met.
    for (int type : {0, 1}) {
        SCOPED_TRACE(type == 0 ? "semi-log" : "log-log");
        f->CheckBox6->SetChecked(true);
        f->CheckBox7->SetChecked(true);
        f->LogGroupsX = 3;
        auto rows = [&](int groups) {
            f->LogGroupsY = groups;
            return Rows(DrawPreview(type), static_cast<int>(PxX(type == 1 ? 12.5 : 1.5)));
        };
        const std::vector<Span> walked = rows(22222), laidOut = rows(22223), few = rows(20);
        ASSERT_GT(few.size(), 10u);
        ASSERT_EQ(walked.size(), laidOut.size());
        for (size_t i = 0; i < walked.size(); ++i) {
            EXPECT_EQ(walked[i].first, laidOut[i].first) << "row " << i;
            EXPECT_EQ(walked[i].first, few[i].first) << "row " << i;
        }
    }
}

TEST_F(LogPaperTest, EveryLineLiesAtItsDoublePrecisionPlace) {
    // Log-log with the defaults, both axes reversed: line i of the Y axis at
    // trunc((total - at(i)) * s + top), at(i) and the total summed in double precision here.
    f->CheckBox6->SetChecked(true);
    const float s = PreviewScaleSingle(f);
    const std::vector<double> at = RatioPositions(3, 1.0, static_cast<double>(1.3f));
    const double total = at.back();
    std::vector<int> want;
    for (double a : at)
        want.push_back(static_cast<int>((total - a) * s + 10 * static_cast<double>(s)));
    std::sort(want.begin(), want.end());
    want.erase(std::unique(want.begin(), want.end()), want.end());
    const std::vector<Span> rows = Rows(DrawPreview(1), static_cast<int>(PxX(total / 2)));
    std::vector<int> firsts;
    for (const Span& r : rows)
        firsts.push_back(r.first);
    // Heavy lines are two pixels wide and may cover their neighbour's row: compare the places
    // a line starts at with the places computed, each within the first pixel of its own.
    ASSERT_FALSE(rows.empty());
    for (int y : want) {
        bool found = false;
        for (const Span& r : rows)
            found = found || (y >= r.first && y <= r.last);
        EXPECT_TRUE(found) << "no line at row " << y;
    }
}

TEST_F(LogPaperTest, ColumnsAndGroupsCloserThanAPixelInkEveryPixelTheyCover) {
    // Semi-log with 10 000 000 columns of 0.00001 mm: 100 mm of columns, every pixel inked.
    f->LogGroupsX = 10000000;
    const std::vector<Span> along = Columns(DrawPreview(0, 0.00001f), static_cast<int>(PxY(0.5)));
    ASSERT_EQ(along.size(), 1u);
    EXPECT_NEAR(along[0].first, PxX(0), 1);
    EXPECT_NEAR(along[0].last, PxX(100), 2);
    // As many columns as an int holds, 1 mm apart: they run on past the canvas.
    f->LogGroupsX = 2147483647;
    const std::vector<Span> cols = Columns(DrawPreview(0), static_cast<int>(PxY(0.5)));
    ASSERT_FALSE(cols.empty());
    EXPECT_GE(cols.back().last, kSize - static_cast<int>(S()) - 2);
    // Two billion groups of 0.00001 mm: thousands of groups to a pixel, ink on every row from
    // the first line down, whichever end they are counted from.
    f->LogGroupsX = 3;
    f->LogGroupsY = 2000000000;
    for (bool reverse : {false, true}) {
        f->CheckBox7->SetChecked(reverse);
        const std::vector<Span> rows = Rows(DrawPreview(0, 1, 0.00001f), static_cast<int>(PxX(1.5)));
        ASSERT_EQ(rows.size(), 1u) << reverse;
        EXPECT_LE(rows[0].first, static_cast<int>(PxY(0)) + 1) << reverse;
        EXPECT_EQ(rows[0].last, kSize - 1) << reverse;
    }
}
