// Counts typed key by key on the display's keyboard into the main window's fields that have
// arrows: a number beyond the arrows' reach stops at it and further digits leave it there, so the
// field shows what the settings file will keep.
#include "WmSupport.h"

#include "shell/Unit1.h"

namespace {

using namespace wm;

class WmTypedCounts : public WmTest {};

TEST_F(WmTypedCounts, ACountBeyondItsArrowsStopsAtTheirLimitAsItIsTyped) {
    struct Case {
        int page;
        TEdit* edit;
        const char* typed;
        const char* shown;
    } cases[] = {
        {2, Form1->Edit6, "300", "20"},     // the manuscript's fold, within its 20 rows
        {5, Form1->Edit14, "1500", "1000"}, // grid dots across
        {2, Form1->Edit4, "-", "1"},        // no number: the count's own correction
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit->Name() + " typed " + c.typed);
        const AnsiString before = c.edit->Text();
        Form1->PageControl1->SetActivePageIndex(c.page);
        ClickControl(c.edit);
        ASSERT_TRUE(WaitUntil([&] { return c.edit->Focused(); }));
        Key("ctrl+a");
        Type(c.typed);
        EXPECT_TRUE(WaitUntil([&] { return c.edit->Text() == c.shown; })) << c.edit->Text();
        c.edit->SetText(before);
    }
}

} // namespace
