// The pages that the bordered-printer tests print, each decoration and item alone on a blank
// page under 15 mm margins, and where each belongs on the paper, computed here from the
// millimetres of the Parts and the printer's border alone. Every case also checks that no ink
// of the preview stands where the sheet has none, nor the other way round.
//
// Where a frame's part would fall into the unprintable border, the frame's parts along that edge
// move inward just far enough to lie inside the printable area (README, "Printing"): the
// notebook's header by as much as its date field (9 mm from the top) lies in the border, its
// bottom rule (10 mm up, 0.3 mm pen) likewise; a ruler scale by as much as its base line (5 mm,
// 0.1 mm pen); the name plate by as much as its title's cell (from 10 mm).
#pragma once

#include "SheetAgreement.h"
#include "shell/TextItemFonts.h"

#include <memory>

namespace sheet {

using PrintPage = std::function<std::string()>;

// How far a part Outer mm inside an edge reaches into a border Border mm wide.
inline double Into(double border, double outer) {
    return std::max(0.0, border - outer);
}

// A blank page on white paper, black lines, 15 mm margins, nothing else.
inline void BlankPage(TForm1* f) {
    for (TEdit* e : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
        e->SetText("15");
    f->CheckBlank->SetChecked(true);
    f->Panel2->SetColor(clBlack);
    f->ColorDialog1->SetColor(clBlack);
    f->PaperColor = clWhite;
    f->Panel1->SetColor(clWhite);
    f->SpaceLineView1->SetChecked(false);
    f->CheckBox2->SetChecked(false);
    f->MarkPos = 0;
    f->CheckBoxHeader->SetChecked(false);
    f->BGImage = "";
    f->BGImageCheckBox1->SetChecked(false);
    f->HeadText1->SetText("");
    f->HeadText2->SetText("");
    f->HeadCheck1->SetChecked(false);
}

// The strip the print command leaves white over a picture inside a margin of Mm, from the edge.
inline double StripMm(double mm) {
    const double px = kSheetPxPerMm;
    return (std::floor(std::floor(mm * px) - 0.1 * px) - 1) / px;
}

inline void TakeOrFail(Capture& c, const PrintPage& print) {
    ASSERT_TRUE(c.Take(print)) << "no sheet printed";
}

inline void NotebookHeader(TForm1* f, const Paper& paper, const PrintPage& print) {
    BlankPage(f);
    f->HeadText1->SetText("Ag");
    f->HeadText2->SetText("Ag");
    f->FrameRadio1->SetChecked(true);
    f->CheckBoxHeader->SetChecked(true);
    Capture c(f, paper);
    TakeOrFail(c, print);
    const double W = paper.widthMm, H = paper.heightMm, b = paper.borderYMm;
    const double top = Into(b, 9.0), bottom = Into(b, 10.0 - 0.3);
    // Between two marks: the rules at 19 and 29 mm from the top and 10 mm from the bottom.
    c.ExpectLines("rules", true, 100, 0, H, {19 + top, 29 + top, H - 10 - bottom});
    // Inside the date field: its underline at 14 mm, then the two rules.
    c.ExpectLines("date underline", true, W - 16, 0, 31 + top, {14 + top, 19 + top, 29 + top});
    // A mark every 10 mm from the left content edge under the 29 mm rule, a circle every fifth
    // (crossed twice, half a millimetre either side of its place).
    for (bool onSheet : {true, false}) {
        SCOPED_TRACE(onSheet ? "marks on the sheet" : "marks on the preview");
        const std::vector<double> crossings =
            onSheet ? c.SheetLines(false, 29.5 + top, 0, W) : c.PreviewLines(false, 29.5 + top, 0, W);
        std::vector<double> marks;
        for (size_t i = 0; i < crossings.size(); ++i) {
            const bool circle = i + 1 < crossings.size() && crossings[i + 1] - crossings[i] < 1.2;
            marks.push_back(circle ? (crossings[i] + crossings[i + 1]) / 2 : crossings[i]);
            if (circle) ++i;
        }
        size_t count = 0; // marks lie short of the content's far edge, as the paper's pixels put it
        while (10.0 * count < paper.widthPxMm - 30)
            ++count;
        ASSERT_EQ(marks.size(), count) << Capture::Join(crossings);
        for (size_t k = 0; k < marks.size(); ++k)
            EXPECT_NEAR(marks[k], 15 + 10.0 * k, onSheet ? kSheetTolMm : Capture::PreviewTolMm()) << k;
    }
    // The titles stand on their rules at the left content edge, the date on its underline at the
    // right one; all of them inside the printable area.
    const Box upper = c.SheetBox({14, 0, 60, 19 + top - 0.3});
    const Box lower = c.SheetBox({14, 19 + top + 0.3, 60, 29 + top - 0.3});
    const Box date = c.SheetBox({W / 2, 0, W, 14 + top - 0.3});
    for (const Box* t : {&upper, &lower, &date}) {
        ASSERT_FALSE(t->Empty());
        EXPECT_GE(t->top, b) << "in the unprintable border: " << Describe(*t);
    }
    EXPECT_GE(upper.left, 15 - kSheetTolMm);
    EXPECT_GE(upper.top, 19 + top - 9 - kSheetTolMm);
    EXPECT_GE(lower.top, 29 + top - 9 - kSheetTolMm);
    EXPECT_LE(date.right, W - 15 + kSheetTolMm);
    EXPECT_GE(date.top, 9 + top - kSheetTolMm);
    const double tol = Capture::PreviewTolMm() + 0.1;
    c.ExpectEdges(c.PreviewBox({14, 0, 60, 19 + top - 0.3}), upper, "lb", tol, "upper title");
    c.ExpectEdges(c.PreviewBox({14, 19 + top + 0.3, 60, 29 + top - 0.3}), lower, "lb", tol, "lower title");
    c.ExpectEdges(c.PreviewBox({W / 2, 0, W, 14 + top - 0.3}), date, "lt", tol, "date");
    c.ExpectSameInk();
    c.Report();
}

inline void RulerScales(TForm1* f, const Paper& paper, const PrintPage& print, bool withGrid) {
    BlankPage(f);
    for (TCheckBox* scale : {f->CheckScale1, f->CheckScale2, f->CheckScale3, f->CheckScale4})
        scale->SetChecked(true);
    f->EditFrameScale1->SetText("5");
    f->FrameRadio2->SetChecked(true);
    f->CheckBoxHeader->SetChecked(true);
    if (withGrid) {
        f->PageControl1->SetActivePageIndex(0);
        f->CheckBlank->SetChecked(false);
    }
    Capture c(f, paper);
    TakeOrFail(c, print);
    const double W = paper.widthMm, H = paper.heightMm;
    const double sy = Into(paper.borderYMm, 5.0 - 0.1), sx = Into(paper.borderXMm, 5.0 - 0.1);
    // The content begins where the ticks end, 10 mm inside each edge (and the scale's move).
    const double top = 10 + sy, left = 10 + sx;
    if (withGrid) {
        // The grid begins at the content's top and every one of its rows prints.
        const double x = left + 2.5; // between two ticks of the top scale
        const std::vector<double> printed = c.SheetLines(true, x, top - 0.5, H - top + 0.5);
        const std::vector<double> shown = c.PreviewLines(true, x, top - 0.5, H - top + 0.5);
        ASSERT_FALSE(printed.empty());
        EXPECT_NEAR(printed.front(), top, kSheetTolMm + 0.1) << "the grid's first row";
        EXPECT_EQ(printed.size(), static_cast<size_t>(StrToInt(f->eDotY->Text()) + 1))
            << Capture::Join(printed);
        EXPECT_EQ(shown.size(), printed.size()) << Capture::Join(shown);
        EXPECT_LE(printed.back(), H - top + kSheetTolMm);
        c.ExpectSameInk();
        c.Report();
        return;
    }
    // Base lines 5 mm inside every edge.
    c.ExpectLines("top base line", true, left + 2.5, 0, top + 1, {5 + sy});
    c.ExpectLines("bottom base line", true, left + 2.5, H - top - 1, H, {H - 5 - sy});
    c.ExpectLines("left base line", false, top + 2.5, 0, left + 1, {5 + sx});
    c.ExpectLines("right base line", false, top + 2.5, W - left - 1, W, {W - 5 - sx});
    // Ticks every 5 mm from the content's edge, to 7 mm, every fifth to 8.5 mm, every tenth to 10.
    std::vector<double> ticks, fifth, tenth;
    for (int k = 0; 5.0 * k < paper.widthPxMm - 2 * left; ++k) {
        ticks.push_back(left + 5.0 * k);
        if (k % 5 == 0) fifth.push_back(left + 5.0 * k);
        if (k % 10 == 0) tenth.push_back(left + 5.0 * k);
    }
    // A tick is a 0.1 mm line drawn from its left pixel: its centre lies a pixel's half in.
    auto shifted = [](std::vector<double> v, double by) {
        for (double& d : v)
            d += by;
        return v;
    };
    const double half = 0.04;
    c.ExpectLines("top ticks", false, 6 + sy, left - 1, W - left + 1, shifted(ticks, half));
    c.ExpectLines("top ticks past 7 mm", false, 8 + sy, left - 1, W - left + 1, shifted(fifth, half));
    c.ExpectLines("top ticks past 8.5 mm", false, 9.5 + sy, left - 1, W - left + 1, shifted(tenth, half));
    c.ExpectLines("bottom ticks", false, H - 6 - sy, left - 1, W - left + 1, shifted(ticks, half));
    c.ExpectSameInk();
    c.Report();
}

inline void NamePlate(TForm1* f, const Paper& paper, const PrintPage& print) {
    BlankPage(f);
    f->RadioGroup1->SetItemIndex(0);
    f->Edit36->SetText("TITLE");
    f->Edit35->SetText("NAME");
    f->FrameRadio3->SetChecked(true);
    f->CheckBoxHeader->SetChecked(true);
    Capture c(f, paper);
    TakeOrFail(c, print);
    const double W = paper.widthMm, shift = Into(paper.borderYMm, 25.0 - 15.0);
    const double line = 25 + shift;
    // The line at 25 mm across the middle half of the paper (0.3 mm thick, round ends).
    c.ExpectLines("line", true, W / 4 + 5, 0, line + 3, {line});
    c.ExpectBox("line's ends", {0, line - 0.5, W, line + 0.5},
                {W / 4 - 0.15, line - 0.15, W - W / 4 + 0.15, line + 0.15}, kSheetTolMm + 0.05);
    // The title centred on the paper above it, the name right-aligned to the content edge below.
    const Box title = c.SheetBox({W / 4, 0, W - W / 4, line - 0.3});
    const Box name = c.SheetBox({W / 2, line + 0.3, W, line + 6});
    ASSERT_FALSE(title.Empty());
    ASSERT_FALSE(name.Empty());
    EXPECT_NEAR(title.CentreX(), W / 2, 1.0) << Describe(title);
    EXPECT_GE(title.top, std::max(paper.borderYMm, line - 15) - kSheetTolMm) << Describe(title);
    EXPECT_LE(title.bottom, line + kSheetTolMm) << Describe(title);
    EXPECT_LE(name.right, W - 15 + kSheetTolMm) << Describe(name);
    EXPECT_GT(name.right, W - 15 - 1.5) << Describe(name);
    EXPECT_LE(name.bottom, line + 5 + kSheetTolMm) << Describe(name);
    const double tol = Capture::PreviewTolMm() + 0.1;
    c.ExpectEdges(c.PreviewBox({W / 4, 0, W - W / 4, line - 0.3}), title, "xb", tol, "title");
    c.ExpectEdges(c.PreviewBox({W / 2, line + 0.3, W, line + 6}), name, "rb", tol, "name");
    c.ExpectSameInk();
    c.Report();
}

inline void NameBox(TForm1* f, const Paper& paper, const PrintPage& print) {
    BlankPage(f);
    f->RadioGroup1->SetItemIndex(1);
    f->FrameRadio3->SetChecked(true);
    f->CheckBoxHeader->SetChecked(true);
    Capture c(f, paper);
    TakeOrFail(c, print);
    const double W = paper.widthMm, H = paper.heightMm;
    // From the middle of the paper to the right content edge, from 20 mm above the bottom edge to
    // the bottom content edge, framed one pixel wide inside those edges.
    c.ExpectBox("box", {W / 2 - 5, H - 25, W, H}, {W / 2, H - 20, W - 15, H - 15});
    c.ExpectSameInk();
    c.Report();
}

inline void Mark(TForm1* f, const Paper& paper, const PrintPage& print) {
    BlankPage(f);
    f->TntEdit1->SetText("■");
    f->FontDialog3->Font()->SetSize(8);
    f->FontDialog3->Font()->SetColor(clBlack);
    const double W = paper.widthMm, H = paper.heightMm, bx = paper.borderXMm, by = paper.borderYMm;
    for (int corner = 1; corner <= 4; ++corner) {
        SCOPED_TRACE("corner " + std::to_string(corner));
        f->MarkPos = corner;
        Capture c(f, paper);
        TakeOrFail(c, print);
        const bool right = corner == 2 || corner == 4, bottom = corner >= 3;
        const Box quarter{right ? W / 2 : 0, bottom ? H / 2 : 0, right ? W : W / 2, bottom ? H : H / 2};
        const Box printed = c.SheetBox(quarter);
        ASSERT_FALSE(printed.Empty());
        // Whole inside its 8 mm cell in the corner of the printable area: the square's bearing
        // from the cell's side and its gap to the cell's top or bottom are a glyph's, under 2
        // and 3 mm, never a border's further.
        const double side = right ? (W - bx) - printed.right : printed.left - bx;
        const double end = bottom ? (H - by) - printed.bottom : printed.top - by;
        EXPECT_GE(side, -0.05) << Describe(printed);
        EXPECT_LT(side, 2.0) << Describe(printed);
        EXPECT_GE(end, -0.05) << Describe(printed);
        EXPECT_LT(end, 3.0) << Describe(printed);
        EXPECT_GT(printed.right - printed.left, 4.0) << "cut short: " << Describe(printed);
        c.ExpectEdges(c.PreviewBox(quarter), printed, std::string(right ? "r" : "l") + (bottom ? "b" : "t"),
                      Capture::PreviewTolMm() + 0.1, "preview against sheet");
        c.ExpectSameInk();
        c.Report(" corner " + std::to_string(corner));
    }
}

inline void PageNumber(TForm1* f, const Paper& paper, const PrintPage& print) {
    BlankPage(f);
    f->CheckBox2->SetChecked(true);
    f->FontDialog2->Font()->SetSize(5);
    Capture c(f, paper);
    TakeOrFail(c, print);
    const double W = paper.widthMm, H = paper.heightMm, by = paper.borderYMm;
    const Box lower{0, H / 2, W, H};
    const Box printed = c.SheetBox(lower);
    ASSERT_FALSE(printed.Empty());
    // Centred on the paper, its 5 mm cell ending at the printable bottom: the descender of "g"
    // reaches within a millimetre and a half of it, never a border above it.
    EXPECT_NEAR(printed.CentreX(), W / 2, 0.5) << Describe(printed);
    EXPECT_LE(printed.bottom, H - by + 0.05) << Describe(printed);
    EXPECT_GT(printed.bottom, H - by - 1.5) << Describe(printed);
    EXPECT_GT(printed.top, H - by - 5 - kSheetTolMm) << Describe(printed);
    c.ExpectEdges(c.PreviewBox(lower), printed, "xb", Capture::PreviewTolMm() + 0.1, "preview against sheet");
    c.ExpectSameInk();
    c.Report();
}

// An "H" 10 mm high near each edge of the page (two of them in the margins), on the text page.
inline void TextItemsNearTheEdges(TForm1* f, const Paper& paper, const PrintPage& print) {
    BlankPage(f);
    const double W = paper.widthMm, H = paper.heightMm;
    const TPoint at[] = {TPoint(8, 140), TPoint(100, 14), TPoint(static_cast<int>(W) - 18, 140),
                         TPoint(100, static_cast<int>(H) - 25)};
    f->TntListBox1->ClearItems();
    f->TextFonts.Clear();
    f->TextPositions.clear();
    for (const TPoint& p : at) {
        TFont* font = f->TextFonts.Add(std::make_unique<TFont>());
        font->SetName("ＭＳ ゴシック");
        font->SetSize(10);
        font->SetColor(clBlack);
        f->TntListBox1->AddItem("H");
        f->TextPositions.push_back(p);
    }
    f->PageControl1->SetActivePageIndex(7);
    f->CheckBlank->SetChecked(false);
    Capture c(f, paper);
    TakeOrFail(c, print);
    // Each glyph lies in its 10 mm cell at its millimetres from the paper's corner, all four with
    // the same bearings (a glyph's, not a border's).
    std::vector<Box> boxes;
    for (const TPoint& p : at) {
        SCOPED_TRACE("item at " + std::to_string(p.x) + ", " + std::to_string(p.y));
        const Box cell{p.x - 1.0, p.y - 1.0, p.x + 11.0, p.y + 11.0};
        const Box printed = c.SheetBox(cell);
        ASSERT_FALSE(printed.Empty());
        EXPECT_GE(printed.left - p.x, 0.0) << Describe(printed);
        EXPECT_LT(printed.left - p.x, 2.0) << Describe(printed);
        EXPECT_GE(printed.top - p.y, 0.0) << Describe(printed);
        EXPECT_LT(printed.top - p.y, 4.0) << Describe(printed);
        EXPECT_LE(printed.bottom, p.y + 10.0) << Describe(printed);
        c.ExpectEdges(c.PreviewBox(cell), printed, "lt", Capture::PreviewTolMm() + 0.1,
                      "preview against sheet");
        boxes.push_back(printed);
    }
    for (size_t i = 1; i < boxes.size(); ++i) {
        EXPECT_NEAR(boxes[i].left - at[i].x, boxes[0].left - at[0].x, 0.1) << i;
        EXPECT_NEAR(boxes[i].top - at[i].y, boxes[0].top - at[0].y, 0.1) << i;
    }
    c.ExpectSameInk();
    c.Report();
}

// A black picture 20 x 10 mm at (10, 20) mm, from the paper's corner when the margins are
// ignored and from the content origin otherwise.
inline void Picture(TForm1* f, const Paper& paper, const PrintPage& print, bool ignoreMargins) {
    BlankPage(f);
    f->BGBitmap->SetSize(4, 4);
    f->BGBitmap->FillBMP(0, 0, 0);
    f->BGImage = "black.png";
    f->BGAlpha = 255;
    f->BGLeft = 10;
    f->BGTop = 20;
    f->BGWidth = 20;
    f->BGHeight = 10;
    f->BGImageCheckBox1->SetChecked(ignoreMargins);
    Capture c(f, paper);
    TakeOrFail(c, print);
    const double x = ignoreMargins ? 10 : 25, y = ignoreMargins ? 20 : 35;
    c.ExpectBox("picture", {0, 0, 100, 100}, {x, y, x + 20, y + 10});
    c.ExpectSameInk();
    c.Report();
}

// The same picture under the notebook header: the margins hide it, the header's band does not,
// on the sheet and the preview alike.
inline void PictureUnderTheNotebook(TForm1* f, const Paper& paper, const PrintPage& print) {
    BlankPage(f);
    f->BGBitmap->SetSize(4, 4);
    f->BGBitmap->FillBMP(0, 0, 0);
    f->BGImage = "black.png";
    f->BGAlpha = 255;
    f->BGLeft = 20;
    f->BGTop = -20;
    f->BGWidth = 20;
    f->BGHeight = 8;
    f->FrameRadio1->SetChecked(true);
    f->CheckBoxHeader->SetChecked(true);
    Capture c(f, paper);
    TakeOrFail(c, print);
    const double top = Into(paper.borderYMm, 9.0);
    // From the content origin (15, 30 mm and the header's move): 35 to 55 mm across, 10 to 18 mm
    // down (above the rule at 19 mm), less the part inside the 15 mm top margin.
    c.ExpectBox("picture", {30, 0, 60, 18.7 + top}, {35, std::max(10 + top, StripMm(15)), 55, 18 + top});
    c.ExpectSameInk();
    c.Report();
}

// Manuscript paper with no margins, Columns x Rows cells: the grid fills the page and its frame's
// edge lies on the paper's edge (the bottom one with the defaults, the right one with 20 x 5
// cells), half of its pen on the sheet; the preview keeps it as the sheet does.
inline void ManuscriptWithoutMargins(TForm1* f, const Paper& paper, const PrintPage& print,
                                     const char* columns, const char* rows) {
    BlankPage(f);
    for (TEdit* e : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
        e->SetText("0");
    f->Edit4->SetText(columns);
    f->Edit5->SetText(rows);
    f->Edit6->SetText(IntToStr(StrToInt(rows) / 2));
    f->CheckBox3->SetChecked(false);
    f->PageControl1->SetActivePageIndex(2);
    f->CheckBlank->SetChecked(false);
    Capture c(f, paper);
    TakeOrFail(c, print);
    const double W = paper.widthMm, H = paper.heightMm;
    const Box sheetBox = c.SheetBox({0, 0, W, H}), shown = c.PreviewBox({0, 0, W, H});
    ASSERT_FALSE(sheetBox.Empty());
    ASSERT_FALSE(shown.Empty());
    // Within a pixel and the difference of the frame's pens (2 preview pixels, 0.5 mm printed).
    Capture::ExpectNear(shown, sheetBox, Capture::PreviewTolMm() + 0.1,
                        "the grid's extent, preview against sheet");
    c.ExpectSameInk();
    c.Report();
}

} // namespace sheet
