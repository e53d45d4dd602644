#include "shell/BusyCursor.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Long work inside long work (a picture loaded while the window is created) keeps the busy
// cursor until the outer work ends; an exception puts the cursor back as a return does.
TEST(BusyCursor, NestedWorkKeepsItUntilTheOuterEndsAndAnExceptionRestoresIt) {
    ASSERT_EQ(Screen->Cursor(), crDefault);
    {
        const TBusyCursor outer;
        try {
            const TBusyCursor inner;
            EXPECT_EQ(Screen->Cursor(), crHourGlass);
            throw std::runtime_error("the work failed");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(Screen->Cursor(), crHourGlass) << "the outer work still runs";
    }
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

} // namespace
