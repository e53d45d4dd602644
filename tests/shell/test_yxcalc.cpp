#include "shell/Yxcalc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Yxcalc, LerpIsBMinusATimesTPlusA) {
    EXPECT_EQ(Lerp(192, 255, 0.5), 223.5);
    EXPECT_EQ(static_cast<int>(Lerp(192, 255, 0.5)), 223);
    EXPECT_EQ(Lerp(10, 20, 0), 10);
    EXPECT_EQ(Lerp(10, 20, 1), 20);
    EXPECT_EQ(Lerp(255, 0, 0.25), 191.25);
}

TEST(Yxcalc, MinDoubleKeepsTheFirstOnATie) {
    EXPECT_EQ(MinDouble(3.0, 1.5), 1.5);
    EXPECT_EQ(MinDouble(1.5, 3.0), 1.5);
    // -0.0 and 0.0 compare equal: the first one must come back
    EXPECT_TRUE(std::signbit(MinDouble(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(MinDouble(0.0, -0.0)));
}

} // namespace
