// The main window's creation: printer menu, scale, margins, limit labels, printer metrics.
#include "MainWindowFixture.h"

#include "editors/NumberText.h"
#include "shell/PixelMath.h"

#include <cmath>
#include <fstream>
#include <limits>

TEST(MainWindowConstructor, VersionTextIsSetBeforeCreation) {
    TForm1 w(nullptr);
    EXPECT_EQ(w.VersionText, "1.31");
    EXPECT_EQ(w.Caption(), "Ruliform");
}

TEST_F(MainWindowTest, PrinterMenuHoldsEveryPrinterInListOrder) {
    const TStringList& printers = Printer()->Printers();
    ASSERT_EQ(f->PopupMenu2->Items()->Count(), printers.Count());
    for (int i = 0; i < printers.Count(); ++i) {
        EXPECT_EQ(f->PopupMenu2->Items()->Items(i)->Caption(), "    " + printers[i]);
        EXPECT_EQ(f->PopupMenu2->Items()->Items(i)->Hint(), printers[i]);
    }
}

TEST_F(MainWindowTest, ScaleAndPrintableSizeComeFromThePrinter) {
    TPrinter* p = Printer();
    // The PDF printer draws at 600 dpi: a millimetre is 600 / 25.4 of its pixels.
    ASSERT_EQ(p->Resolution(), 600);
    EXPECT_DOUBLE_EQ(f->PxPerMmX, 600 / 25.4);
    EXPECT_DOUBLE_EQ(f->PxPerMmY, 600 / 25.4);
    EXPECT_EQ(f->PhysOffsetX, p->GetDeviceCaps(PHYSICALOFFSETX));
    EXPECT_EQ(f->EditPrinterIndex, p->PrinterIndex());
    EXPECT_EQ(p->Title(), "RuliformDocument");
    // A4 portrait on the PDF printer: the whole sheet is 210 x 297 mm, to the nearest pixel.
    EXPECT_NEAR(f->DrawableWidth / f->PxPerMmX, 210.0, 0.05);
    EXPECT_NEAR(f->DrawableHeight / f->PxPerMmY, 297.0, 0.05);
}

TEST_F(MainWindowTest, MarginBoxesStartAtThePrinterMinimum) {
    const AnsiString minY = TwoDigitText(f->PhysOffsetY / f->PxPerMmY);
    const AnsiString minX = TwoDigitText(f->PhysOffsetX / f->PxPerMmX);
    EXPECT_EQ(f->eSpaceT->Text(), minY);
    EXPECT_EQ(f->eSpaceL->Text(), minX);
    EXPECT_EQ(f->eSpaceR->Text(), minX);
    EXPECT_EQ(f->eSpaceB->Text(), minY);
    EXPECT_EQ(f->lSpace_mm->Caption(), "最低" + minX + "mm");
}

TEST_F(MainWindowTest, RefreshRaisesMarginsBelowTheMinimumAndKeepsOthers) {
    f->eSpaceT->SetText("-3");
    f->eSpaceL->SetText("12.5");
    f->RefreshPrinterMetrics();
    EXPECT_EQ(f->eSpaceT->Text(), TwoDigitText(f->PhysOffsetY / f->PxPerMmY));
    EXPECT_EQ(f->eSpaceL->Text(), "12.5");
    // The field holds the two-digit value, rounded half away from zero.
    EXPECT_DOUBLE_EQ(f->MarginLeft, 13.0);
}

TEST_F(MainWindowTest, FrameTopInsetShrinksOnlyTheDrawableHeight) {
    const int width = f->DrawableWidth;
    f->FrameInsetTop = 10.0;
    f->FrameInsetLeft = 7.0;
    f->FrameInsetRight = 7.0;
    f->RefreshPrinterMetrics();
    TPrinter* p = Printer();
    const int expected = static_cast<int>(p->PageHeight() + 2.0 * f->PhysOffsetY -
                                          (f->MarginTop + f->MarginBottom + 10.0) * f->PxPerMmY);
    EXPECT_EQ(f->DrawableHeight, expected);
    EXPECT_EQ(f->DrawableWidth, width);
}

TEST_F(MainWindowTest, LimitLabelsShowWhatFitsAndCellSizesAreLowered) {
    // Whole-pixel division across, floating division down.
    f->eMmX->SetText("5");
    f->eDotX->SetText("3");
    const int cellPx = f->DrawableWidth / 3;
    EXPECT_EQ(f->Label9->Caption(), "MaxX:" + TwoDigitText(cellPx / f->PxPerMmX) + "mm");
    f->eDotY->SetText("7");
    EXPECT_EQ(f->Label10->Caption(), "MaxY:" + TwoDigitText(f->DrawableHeight / 7.0 / f->PxPerMmY) + "mm");
    // A cell wider than the printable width is lowered by the refresh to the two-digit limit.
    f->eDotX->SetText("1");
    f->eMmX->SetText("5000");
    f->RefreshPrinterMetrics();
    EXPECT_LE(StrToFloat(f->eMmX->Text()), f->DrawableWidth / f->PxPerMmX);
}

namespace {
// Starts the program with the given arguments after the program file.
void SetArguments(std::vector<std::string> args) {
    args.insert(args.begin(), "ruliform");
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    Application->Initialize(static_cast<int>(argv.size()), argv.data());
}
} // namespace

TEST_F(MainWindowTest, DebugToolBarOnlyForDebugAsTheFirstArgumentInThisCase) {
    struct Case {
        std::vector<std::string> args;
        bool visible;
    };
    const Case cases[] = {{{"/debug"}, true}, {{"/DEBUG"}, false}, {{"x", "/debug"}, false}, {{}, false}};
    for (const Case& c : cases) {
        SetArguments(c.args);
        Restart();
        EXPECT_EQ(f->DebugToolBar->Visible(), c.visible) << (c.args.empty() ? "" : c.args[0]);
    }
    SetArguments({});
}

TEST_F(MainWindowTest, MarginsBeyondAnyPaperSaturateThePrintableSize) {
    // The margin boxes refuse such a margin; the printable size still holds a frame band that
    // large (the frame handlers run the margin handler with themselves as the sender).
    f->FrameInsetTop = 1e12;
    f->eSpaceTChange(f);
    EXPECT_EQ(f->DrawableHeight, -static_cast<int>(kPixelLimit));
    f->FrameInsetTop = 0;
    f->RefreshPrinterMetrics();
    EXPECT_GT(f->DrawableHeight, 0);
}

TEST_F(MainWindowTest, AStoredValueThatRaisesShowsOneExceptionBoxAndTheRestIsStillRead) {
    Close();
    {
        std::ofstream ini(Path("Ruliform.ini"));
        ini << "[Ruliform]\nWidth=900\n[GraphPaper]\nXmm=12\n[MultiLine]\ninterval=33\n";
    }
    ShownMessages().clear();
    Form1 = new TForm1(nullptr);
    f = Form1;
    f->eMmX->OnChange = [](TObject*) { throw Exception("stored value refused"); };
    f->DoCreate();
    int boxes = 0;
    for (const ShownMessage& m : ShownMessages())
        boxes += m.Kind == ShownMessageKind::Exception && m.Text == "stored value refused";
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(f->Width(), 900) << "what was read before the error stays";
    EXPECT_EQ(f->EditFiveLineSpace->Text(), "33") << "the later reads still run";
    EXPECT_EQ(f->ScrollBox1->VertRange(), f->PreViewBox->Height() + 30)
        << "and so does the final preview size";
}

TEST_F(MainWindowTest, ACompleteCreationEndsWithTheScrollRangesOfThePreview) {
    EXPECT_EQ(f->ScrollBox1->VertRange(), f->PreViewBox->Height() + 30);
    EXPECT_EQ(f->ScrollBox1->HorzRange(), f->PreViewBox->Width() + 30);
    EXPECT_EQ(f->UpDown5->Max(), f->UpDown4->Position());
}

namespace {
DialogAnswer SetupAnswer(bool ok, int orientation = -1) {
    DialogAnswer a;
    a.Kind = DialogKind::PrinterSetup;
    a.Ok = ok;
    a.Orientation = orientation;
    return a;
}
} // namespace

TEST_F(MainWindowTest, PrinterSetupRefreshesOnOkOnly) {
    f->eSpaceT->SetText("-3");
    ScriptDialogAnswer(SetupAnswer(false));
    f->PrintSetupExecute(f->PrintSetup);
    EXPECT_EQ(f->eSpaceT->Text(), "-3") << "Cancel changes nothing";

    // The menu item does the same as the tool button; landscape turns the preview on its side.
    ASSERT_GT(f->PreViewBox->Height(), f->PreViewBox->Width());
    ScriptDialogAnswer(SetupAnswer(true, poLandscape));
    f->PrinterSetup1Click(f->PrinterSetup1);
    EXPECT_EQ(f->eSpaceT->Text(), TwoDigitText(f->PhysOffsetY / f->PxPerMmY));
    EXPECT_DOUBLE_EQ(f->PxPerMmX, Printer()->Resolution() / 25.4);
    EXPECT_GT(f->PreViewBox->Width(), f->PreViewBox->Height());
    EXPECT_EQ(f->PreviewBitmap->Width(), f->PreViewBox->Width());
    ScriptDialogAnswer(SetupAnswer(true, poPortrait));
    f->ToolButton1->Click();
    EXPECT_GT(f->PreViewBox->Height(), f->PreViewBox->Width());
    EXPECT_EQ(ScriptedAnswerCount(), 0);
}

TEST_F(MainWindowTest, PickingAPrinterFromThePopUpMakesItTheEditedPrinter) {
    TMenuItem* pdf = nullptr;
    for (int i = 0; i < f->PopupMenu2->Items()->Count(); ++i)
        if (f->PopupMenu2->Items()->Items(i)->Hint() == PdfPrinterName)
            pdf = f->PopupMenu2->Items()->Items(i);
    ASSERT_NE(pdf, nullptr);
    f->EditPrinterIndex = -5;
    pdf->Click();
    EXPECT_EQ(Printer()->Printers()[Printer()->PrinterIndex()], PdfPrinterName);
    EXPECT_EQ(f->EditPrinterIndex, Printer()->PrinterIndex());
}
