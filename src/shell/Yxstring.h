// Today's date as the texts of the notebook header: "2009", "10", "7", "土".
#pragma once

#include "winlib/Classes.h"

#include <ctime>

// Each reads the clock itself; the overloads take the moment to show instead (local time).
AnsiString TodayYearText();
AnsiString TodayMonthText();   // 1 to 12, no leading zero
AnsiString TodayDayText();     // 1 to 31, no leading zero
AnsiString TodayWeekdayText(); // "日" (Sunday) to "土"
AnsiString TodayYearText(std::time_t now);
AnsiString TodayMonthText(std::time_t now);
AnsiString TodayDayText(std::time_t now);
AnsiString TodayWeekdayText(std::time_t now);
