// The two-digit text the limit labels and margin fields use, its value read back, and the full text.
#include "editors/NumberText.h"

#include <gtest/gtest.h>

TEST(TwoDigitText, GeneralFormatWithTwoSignificantDigits) {
    struct Case {
        double value;
        const char* text;
        double readBack;
    };
    const Case cases[] = {
        {190.5, "1.9E02", 190},      // exponent form from 100 on; the second digit kept
        {203, "2E02", 200},          // a second digit of 0 is dropped with its point
        {99.96, "1E02", 100},        // rounding carries into a third digit: exponent form
        {150, "1.5E02", 150},        // the half rounds away from zero
        {12.7, "13", 13},            // rounded, no point
        {95, "95", 95},              // the largest plain form
        {4.233, "4.2", 4.2},         // margins of a printer with offsets
        {0.35, "0.35", 0.35},        // trailing digits below 1
        {0, "0", 0},                 // zero has no exponent
        {0.0001, "0.0001", 0.0001},  // still plain
        {0.00009, "9E-05", 0.00009}, // below 0.0001: negative exponent, two digits
        {-190.5, "-1.9E02", -190},   // sign in front
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TwoDigitText(c.value), c.text) << c.value;
        EXPECT_DOUBLE_EQ(TwoDigitValue(c.value), c.readBack) << c.value;
    }
}

TEST(TwoDigitText, FullTextKeepsFifteenDigitsAndDropsTrailingZeros) {
    EXPECT_EQ(FullText(201.5), "201.5");
    EXPECT_EQ(FullText(100.0), "100");
    EXPECT_EQ(FullText(4.2 - 1.0), "3.2");
    EXPECT_EQ(FullText(1.0 / 3.0), "0.333333333333333");
}
