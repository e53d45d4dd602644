// The number texts the editors write into fields and labels.
#pragma once

#include "winlib/SysUtils.h"

// General format with 2 significant digits: 4.233 -> "4.2", 12.7 -> "13", 190.5 -> "1.9E02".
inline AnsiString TwoDigitText(double Value) {
    return FloatToStrF(Value, ffGeneral, 2, 2);
}
// The two-digit text read back as a number (190.5 -> 190).
inline double TwoDigitValue(double Value) {
    return StrToFloat(TwoDigitText(Value));
}
// General format with 15 significant digits: 100.0 -> "100".
inline AnsiString FullText(double Value) {
    return FloatToStr(Value);
}
