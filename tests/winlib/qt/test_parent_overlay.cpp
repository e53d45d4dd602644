// Drawing a control keeps on its parent's surface: painted with every paint of the parent,
// over the parent's labels, under its windowed controls, and gone when taken away.
#include "test_controls_support.h"

#include "winlib/StdCtrls.h"

namespace {

class ParentOverlay : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        host->SetColor(clWhite);
        host->SetBevelOuter(bvNone);
        edit = new TEdit(nullptr);
        edit->SetParent(host);
        edit->SetBounds(100, 100, 60, 20);
        label = new TLabel(nullptr);
        label->SetParent(host);
        label->SetBounds(20, 90, 79, 40); // ends one pixel left of the edit
        button = new TButton(nullptr);
        button->SetParent(host);
        button->SetBounds(160, 100, 30, 20); // touches the edit's right edge
    }
    void TearDown() override {
        delete button;
        delete label;
        delete edit;
        ControlsTest::TearDown();
    }
    // A red box two pixels outside the edit.
    void Frame() {
        edit->SetParentOverlay([this](TCanvas* c) {
            c->Brush()->SetColor(clRed);
            c->FrameRect(TRect(edit->Left() - 2, edit->Top() - 2, edit->Left() + edit->Width() + 2,
                               edit->Top() + edit->Height() + 2));
        });
    }
    QColor At(int x, int y) { return host->Impl()->Widget()->grab().toImage().pixelColor(x, y); }
    TEdit* edit = nullptr;
    TLabel* label = nullptr;
    TButton* button = nullptr;
};

TEST_F(ParentOverlay, ShowsOverLabelsUnderWindowedControlsAndGoesWhenCleared) {
    const QColor labelBack = At(98, 110);
    Frame();
    EXPECT_TRUE(edit->HasParentOverlay());
    EXPECT_EQ(At(98, 110), QColor(255, 0, 0));  // over the label
    EXPECT_EQ(At(110, 98), QColor(255, 0, 0));  // top side
    EXPECT_EQ(At(94, 110), labelBack);          // beyond the box the label is untouched
    EXPECT_NE(At(161, 110), QColor(255, 0, 0)); // the button covers the right side
    label->Invalidate();                        // the label repaints over the drawing...
    QApplication::processEvents();
    EXPECT_EQ(At(98, 110), QColor(255, 0, 0)); // ...and the drawing stays over it
    edit->SetParentOverlay(nullptr);
    EXPECT_FALSE(edit->HasParentOverlay());
    EXPECT_EQ(At(98, 110), labelBack);
    EXPECT_EQ(At(110, 98), QColor(255, 255, 255));
}

TEST_F(ParentOverlay, FollowsTheControlAndEndsWithItsParentOrItself) {
    Frame();
    edit->SetBounds(200, 200, 60, 20);
    EXPECT_EQ(At(198, 210), QColor(255, 0, 0));
    EXPECT_EQ(At(98, 110), At(90, 200)); // nothing left at the old place
    // Hidden by the program, the parent loses what was drawn on it.
    host->Impl()->Widget()->hide();
    host->Impl()->Widget()->show();
    EXPECT_FALSE(edit->HasParentOverlay());
    Frame();
    edit->SetParent(nullptr);
    EXPECT_EQ(At(198, 210), QColor(255, 255, 255));
    edit->SetParent(host);
    EXPECT_FALSE(edit->HasParentOverlay());
    Frame();
    delete edit;
    edit = nullptr;
    EXPECT_EQ(At(198, 210), QColor(255, 255, 255)); // painting the parent runs no drawing of a gone control
}

} // namespace
