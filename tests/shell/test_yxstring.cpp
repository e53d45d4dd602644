#include "shell/Yxstring.h"

#include <gtest/gtest.h>

namespace {

std::time_t LocalNoon(int year, int month, int day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

TEST(Yxstring, DateFieldsWithoutLeadingZeros) {
    const std::time_t t = LocalNoon(2009, 3, 7); // a Saturday
    EXPECT_EQ(TodayYearText(t), "2009");
    EXPECT_EQ(TodayMonthText(t), "3");
    EXPECT_EQ(TodayDayText(t), "7");
    EXPECT_EQ(TodayWeekdayText(t), "土");
    const std::time_t dec = LocalNoon(2024, 12, 31);
    EXPECT_EQ(TodayMonthText(dec), "12");
    EXPECT_EQ(TodayDayText(dec), "31");
}

TEST(Yxstring, WeekdaysStartOnSunday) {
    const char* names[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(TodayWeekdayText(LocalNoon(2009, 3, 1 + i)), names[i]) << i;
}

} // namespace
