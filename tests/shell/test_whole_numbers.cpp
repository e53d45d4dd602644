// Whole numbers typed into the window: decimal digits only.
#include "shell/WholeNumbers.h"

#include <gtest/gtest.h>

TEST(WholeNumbers, ReadDecimalDigitsOnly) {
    struct Case {
        const char* text;
        bool whole;
        int value;
    } cases[] = {
        {"16", true, 16},
        {"  -9", true, -9},
        {"+7", true, 7},
        {"007", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, // beyond an int
        {"x5", false, 0},         // hexadecimal forms the runtime would take
        {"$10", false, 0},
        {"0x5", false, 0},
        {"-$A", false, 0},
        {"1.0", false, 0},
        {"1e3", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"5 ", false, 0},
        {"1 or 1=1", false, 0},
    };
    for (const Case& c : cases) {
        int v = 12345;
        EXPECT_EQ(TryStrToWhole(c.text, v), c.whole) << c.text;
        EXPECT_EQ(v, c.whole ? c.value : 12345) << c.text; // untouched when not a whole number
        EXPECT_EQ(StrToWholeDef(c.text, -1), c.whole ? c.value : -1) << c.text;
        if (c.whole) {
            EXPECT_EQ(StrToWhole(c.text), c.value) << c.text;
        } else {
            EXPECT_THROW(StrToWhole(c.text), EConvertError) << c.text;
        }
    }
}
