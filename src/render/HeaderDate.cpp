#include "render/HeaderDate.h"

#include "shell/Yxstring.h"

namespace {
THeaderClock clock_ = nullptr;
} // namespace

AnsiString DateFieldText(bool WithDate, std::time_t Now) {
    if (!WithDate) return "Date: ";
    return "Date: " + TodayYearText(Now) + "." + TodayMonthText(Now) + "." + TodayDayText(Now) + "(" +
           TodayWeekdayText(Now) + ")";
}

void SetHeaderClock(THeaderClock Clock) {
    clock_ = Clock;
}

std::time_t HeaderNow() {
    return clock_ ? clock_() : std::time(nullptr);
}
