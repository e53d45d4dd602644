#include "Yxstring.h"

#include <string>

namespace {

std::tm LocalTime(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

} // namespace

AnsiString TodayYearText(std::time_t now) {
    return std::to_string(LocalTime(now).tm_year + 1900);
}

AnsiString TodayMonthText(std::time_t now) {
    return std::to_string(LocalTime(now).tm_mon + 1);
}

AnsiString TodayDayText(std::time_t now) {
    return std::to_string(LocalTime(now).tm_mday);
}

AnsiString TodayWeekdayText(std::time_t now) {
    static const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    const int w = LocalTime(now).tm_wday;
    return (w >= 0 && w < 7) ? names[w] : "";
}

AnsiString TodayYearText() {
    return TodayYearText(std::time(nullptr));
}
AnsiString TodayMonthText() {
    return TodayMonthText(std::time(nullptr));
}
AnsiString TodayDayText() {
    return TodayDayText(std::time(nullptr));
}
AnsiString TodayWeekdayText() {
    return TodayWeekdayText(std::time(nullptr));
}
