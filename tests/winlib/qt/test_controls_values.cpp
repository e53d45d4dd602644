// Values written by the program run the change handlers at once, nested, only on a real change;
// silent setters run nothing; users' actions run under the exception guard.
#include "test_controls_support.h"

#include <QListWidget>

#include "winlib/ComCtrls.h"

#include <QAbstractSlider>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>

#include <stdexcept>

namespace {

class ControlValues : public ControlsTest {};

TEST_F(ControlValues, EditTextFiresOnlyWhenItDiffers) {
    TEdit e(nullptr);
    e.SetParent(host);
    int changes = 0;
    e.OnChange = [&](TObject* s) {
        EXPECT_EQ(s, &e);
        ++changes;
    };
    e.SetText("5");
    EXPECT_EQ(changes, 1);
    e.SetText("5");
    EXPECT_EQ(changes, 1);
    e.SetText("");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(static_cast<QLineEdit*>(e.Impl()->Widget())->text(), "");
}

TEST_F(ControlValues, HandlerWritingItsOwnEditRecursesAndEnds) {
    TEdit e(nullptr);
    std::vector<std::string> seen;
    // Steps the count down one by one, as a handler that enforces a limit by rewriting does.
    e.OnChange = [&](TObject*) {
        seen.push_back(e.Text());
        int v = std::stoi(e.Text());
        if (v > 1) e.SetText(std::to_string(v - 1));
    };
    e.SetText("4");
    EXPECT_EQ(seen, (std::vector<std::string>{"4", "3", "2", "1"}));
    EXPECT_EQ(e.Text(), "1");
}

TEST_F(ControlValues, ProgramWritePropagatesHandlerErrorsUserEditShowsThem) {
    TEdit e(nullptr);
    e.OnChange = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
    EXPECT_THROW(e.SetText("x"), EConvertError);
    EXPECT_EQ(ExceptionBoxes(), 0);
    EXPECT_NO_THROW(e.UserSetText("y"));
    EXPECT_EQ(ExceptionBoxes(), 1);
    EXPECT_EQ(e.Text(), "y");
}

TEST_F(ControlValues, TypedTextRunsOnChangeOnceThroughQt) {
    TEdit e(nullptr);
    e.SetParent(host);
    int changes = 0;
    e.OnChange = [&](TObject*) { ++changes; };
    auto* le = static_cast<QLineEdit*>(e.Impl()->Widget());
    emit le->textEdited("typed"); // what QLineEdit reports for a user's edit
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(e.Text(), "typed");
    e.SetText("code"); // Qt's own textChanged must not come back as a second call
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlValues, KeyPressHandlerConsumesEnterAndSpace) {
    TEdit e(nullptr);
    e.SetParent(host);
    int changes = 0;
    std::vector<char> keys;
    e.OnChange = [&](TObject*) { ++changes; };
    e.OnKeyPress = [&](TObject*, char& k) {
        keys.push_back(k);
        if (k == 13 || k == 32) k = 0;
    };
    EXPECT_EQ(e.UserKeyPress(13), 0);
    EXPECT_EQ(e.UserKeyPress(32), 0);
    EXPECT_EQ(e.Text(), "");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(e.UserKeyPress('7'), '7');
    EXPECT_EQ(e.Text(), "7");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(keys, (std::vector<char>{13, 32, '7'}));
}

TEST_F(ControlValues, RealKeyEventsReachOnKeyPressAndConsumedSpaceInsertsNothing) {
    TEdit e(nullptr);
    e.SetParent(host);
    e.OnKeyPress = [&](TObject*, char& k) {
        if (k == 32) k = 0;
    };
    QWidget* w = e.Impl()->Widget();
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(w, &space);
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(w, &a);
    EXPECT_EQ(e.Text(), "a");
}

TEST_F(ControlValues, CheckBoxFiresOnEachChangeOfState) {
    TCheckBox c(nullptr);
    int clicks = 0;
    c.OnClick = [&](TObject*) { ++clicks; };
    c.SetChecked(true);
    c.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    c.SetChecked(false);
    EXPECT_EQ(clicks, 2);
    c.Click();
    EXPECT_TRUE(c.Checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(ControlValues, RadioButtonsUncheckSiblingsSilently) {
    TRadioButton a(nullptr), b(nullptr), other(nullptr);
    TPanel elsewhere(nullptr);
    a.SetParent(host);
    b.SetParent(host);
    other.SetParent(&elsewhere);
    std::vector<std::string> log;
    a.OnClick = [&](TObject*) { log.push_back("a"); };
    b.OnClick = [&](TObject*) { log.push_back("b"); };
    other.OnClick = [&](TObject*) { log.push_back("other"); };
    other.SetChecked(true);
    a.SetChecked(true);
    a.SetChecked(true); // already checked: nothing
    b.SetChecked(true); // a goes off silently
    EXPECT_EQ(log, (std::vector<std::string>{"other", "a", "b"}));
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(other.Checked()); // another parent is another group
    b.SetChecked(false);          // runs nothing, and leaves none checked
    EXPECT_EQ(log.size(), 3u);
    EXPECT_FALSE(b.Checked());
}

TEST_F(ControlValues, ComboIndexAndTextAreSilentUserChoiceIsNot) {
    TComboBox c(nullptr);
    c.SetStyle(csDropDownList);
    int changes = 0;
    c.OnChange = [&](TObject*) { ++changes; };
    c.AddItem("50");
    c.AddItem("100");
    EXPECT_EQ(c.ItemIndex(), -1); // adding does not select, whatever the widget does
    c.SetItemIndex(1);
    EXPECT_EQ(c.Text(), "100");
    c.SetItemIndex(7);
    EXPECT_EQ(c.ItemIndex(), -1);
    EXPECT_EQ(c.Text(), "");
    c.SetText("50");
    EXPECT_EQ(c.ItemIndex(), 0);
    EXPECT_EQ(changes, 0);
    c.UserSelect(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(c.Text(), "100");
}

TEST_F(ControlValues, EditableComboKeepsTypedText) {
    TComboBox c(nullptr);
    c.SetItems({"a", "b"});
    c.SetText("free");
    EXPECT_EQ(c.Text(), "free");
    EXPECT_EQ(c.ItemIndex(), -1);
    c.SetItemIndex(1);
    EXPECT_EQ(c.Text(), "b");
}

TEST_F(ControlValues, ListBoxSortsByBytesAndOnlyUserClicksFire) {
    TListBox l(nullptr);
    l.SetSorted(true);
    for (const char* s : {"2", "10", "b", "B"})
        l.AddItem(s);
    std::vector<std::string> items;
    for (int i = 0; i < l.ItemCount(); ++i)
        items.push_back(l.Item(i));
    EXPECT_EQ(items, (std::vector<std::string>{"10", "2", "B", "b"}));
    int clicks = 0;
    l.OnClick = [&](TObject*) { ++clicks; };
    l.SetItemIndex(2);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(l.Selected(2));
    l.UserClickItem(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(l.ItemIndex(), 1);
    EXPECT_FALSE(l.Selected(2));
    EXPECT_THROW(l.Item(4), EStringListError);
}

TEST_F(ControlValues, ListBoxDeletesEverySelectedItem) {
    TListBox l(nullptr);
    l.SetMultiSelect(true);
    for (const char* s : {"a", "b", "c", "d", "e"})
        l.AddItem(s);
    l.SetSelected(1, true);
    l.SetSelected(2, true);
    l.SetSelected(4, true);
    EXPECT_EQ(l.SelCount(), 3);
    for (int i = l.ItemCount() - 1; i >= 0; --i)
        if (l.Selected(i)) l.DeleteItem(i);
    ASSERT_EQ(l.ItemCount(), 2);
    EXPECT_EQ(l.Item(0), "a");
    EXPECT_EQ(l.Item(1), "d");
    EXPECT_EQ(l.SelCount(), 0);
}

TEST_F(ControlValues, UpDownShowsItsPositionInTheEdit) {
    TEdit e(nullptr);
    TUpDown u(nullptr);
    e.SetParent(host);
    u.SetParent(host);
    int editChanges = 0, upDownClicks = 0;
    e.OnChange = [&](TObject*) { ++editChanges; };
    u.OnClick = [&](TObject*, TUDBtnType) { ++upDownClicks; };
    u.SetMax(2000);
    u.SetAssociate(&e);
    EXPECT_EQ(e.Text(), "0");
    EXPECT_EQ(editChanges, 1);
    u.SetPosition(1000);
    EXPECT_EQ(e.Text(), "1000"); // no thousands separator
    EXPECT_EQ(editChanges, 2);
    u.SetPosition(1000);
    EXPECT_EQ(editChanges, 2);
    EXPECT_EQ(upDownClicks, 0);
}

TEST_F(ControlValues, UpDownPositionFollowsTypedText) {
    TEdit e(nullptr);
    TUpDown u(nullptr);
    u.SetMin(2);
    u.SetMax(50);
    u.SetAssociate(&e);
    u.SetPosition(10);
    struct Case {
        const char* typed;
        int position;
    };
    for (Case c : {Case{"25", 25}, Case{" 7 ", 7}, Case{"99", 50}, Case{"-3", 2}, Case{"abc", 10},
                   Case{"1.5", 10}, Case{"", 10}}) {
        e.UserSetText(c.typed);
        EXPECT_EQ(u.Position(), c.position) << "typed '" << c.typed << "'";
    }
}

TEST_F(ControlValues, UpDownUserClickStepsFromTypedTextThenClicks) {
    TEdit e(nullptr);
    TUpDown u(nullptr);
    u.SetMax(10);
    u.SetAssociate(&e);
    std::vector<std::string> log;
    e.OnChange = [&](TObject*) { log.push_back("edit " + e.Text()); };
    u.OnClick = [&](TObject*, TUDBtnType b) { log.push_back(b == btNext ? "up" : "down"); };
    e.UserSetText("9");
    u.UserClick(btNext);
    u.UserClick(btNext); // at the maximum: the text stays, the click still reports
    EXPECT_EQ(log, (std::vector<std::string>{"edit 9", "edit 10", "up", "up"}));
}

TEST_F(ControlValues, UpDownRangeClampsTheShownPosition) {
    TEdit e(nullptr);
    TUpDown u(nullptr);
    u.SetMax(100);
    u.SetAssociate(&e);
    u.SetPosition(80);
    u.SetMax(30);
    EXPECT_EQ(e.Text(), "30");
    u.SetMax(60); // inside the range: nothing to write
    EXPECT_EQ(e.Text(), "30");
}

TEST_F(ControlValues, TrackBarClampsAndFiresOnce) {
    TTrackBar t(nullptr);
    int changes = 0;
    t.OnChange = [&](TObject*) { ++changes; };
    t.SetMax(300);
    t.SetPosition(300);
    EXPECT_EQ(changes, 1);
    t.SetMax(255);
    EXPECT_EQ(t.Position(), 255);
    EXPECT_EQ(changes, 2);
    t.SetPosition(255);
    t.SetPosition(999);
    EXPECT_EQ(changes, 2);
    t.SetMin(100);
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(t.SetMin(400), EInvalidOperation);
}

TEST_F(ControlValues, TrackBarUserMoveFiresThroughTheSlider) {
    TTrackBar t(nullptr);
    int changes = 0;
    t.OnChange = [&](TObject*) { ++changes; };
    auto* slider = static_cast<QAbstractSlider*>(t.Impl()->Widget());
    slider->setValue(4); // as a drag of the thumb does
    EXPECT_EQ(t.Position(), 4);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlValues, RadioGroupFiresOnTheUsersChangeOnly) {
    TRadioGroup g(nullptr);
    g.SetItems({"1", "2"});
    int clicks = 0;
    g.OnClick = [&](TObject*) { ++clicks; };
    g.SetItemIndex(0);
    EXPECT_EQ(clicks, 0);
    g.UserSelect(0);
    EXPECT_EQ(clicks, 0);
    g.UserSelect(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(g.ItemIndex(), 1);
}

TEST_F(ControlValues, SpinButtonHalvesRunTheirHandlersWithTheButtonAsSender) {
    TCSpinButton s(nullptr);
    s.SetName("CSpinButton3");
    std::vector<std::string> log;
    s.OnUpClick = [&](TObject* o) { log.push_back("up " + static_cast<TComponent*>(o)->Name()); };
    s.OnDownClick = [&](TObject* o) { log.push_back("down " + static_cast<TComponent*>(o)->Name()); };
    s.UserClickUp();
    s.UserClickDown();
    EXPECT_EQ(log, (std::vector<std::string>{"up CSpinButton3", "down CSpinButton3"}));
}

TEST_F(ControlValues, ColorListHasStandardAndExtendedColours) {
    TColorListBox c(nullptr);
    ASSERT_EQ(c.ItemCount(), 20);
    EXPECT_EQ(c.Colors(15), clWhite);
    EXPECT_EQ(c.Colors(19), clMedGray);
    // The list shows readable names, and ColorNames gives what it shows.
    const char* const shown[] = {"Black",  "Maroon",      "Green",    "Olive",   "Navy",
                                 "Purple", "Teal",        "Gray",     "Silver",  "Red",
                                 "Lime",   "Yellow",      "Blue",     "Fuchsia", "Aqua",
                                 "White",  "Money Green", "Sky Blue", "Cream",   "Medium Gray"};
    auto* list = static_cast<QListWidget*>(c.Impl()->Widget());
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(c.ColorNames(i), shown[i]);
        EXPECT_EQ(list->item(i)->text().toStdString(), shown[i]);
    }
    c.SetSelected(clSkyBlue);
    EXPECT_EQ(c.Selected(), clSkyBlue);
    EXPECT_EQ(c.ItemIndex(), 17);
}

TEST_F(ControlValues, PanelColourIsSilentData) {
    TPanel p(nullptr);
    int clicks = 0;
    p.OnClick = [&](TObject*) { ++clicks; };
    p.SetColor(0x123456);
    EXPECT_EQ(p.Color(), 0x123456);
    EXPECT_EQ(clicks, 0);
}

} // namespace
