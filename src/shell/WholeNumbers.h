// Whole numbers typed into the window: decimal digits only. The runtime's integer conversion
// also takes hexadecimal ("$10", "x5", "0x5"), which the same field's decimal reading would then
// refuse; every count, number and position a user types is read by these instead.
#pragma once

#include "winlib/SysUtils.h"

// Optional blanks, an optional sign, then decimal digits and nothing else; the value must fit
// an int. "1.0", "" and "x5" are not whole numbers.
bool TryStrToWhole(const AnsiString& S, int& Value);
int StrToWholeDef(const AnsiString& S, int Default);
// Raises EConvertError "'S' is not a valid integer value", as the runtime's conversion does.
int StrToWhole(const AnsiString& S);
