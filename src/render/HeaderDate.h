// The date field of the notebook header: its text and the clock it reads.
#pragma once

#include "winlib/Classes.h"

#include <ctime>

// The field is as wide as this sample, whatever date it shows.
inline constexpr const char* DateFieldSample = "Date: 2007.05.12(土)";

// "Date: 2009.10.7(水)" for the moment Now in local time, or "Date: " alone without the date.
AnsiString DateFieldText(bool WithDate, std::time_t Now);

// The moment the header shows: the system clock unless another clock is set (a null clock
// restores the system clock).
using THeaderClock = std::time_t (*)();
void SetHeaderClock(THeaderClock Clock);
std::time_t HeaderNow();
