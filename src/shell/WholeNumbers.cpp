#include "WholeNumbers.h"

bool TryStrToWhole(const AnsiString& S, int& Value) {
    size_t i = 0;
    while (i < S.size() && S[i] == ' ')
        ++i;
    if (i < S.size() && (S[i] == '+' || S[i] == '-')) ++i;
    if (i == S.size()) return false;
    for (; i < S.size(); ++i)
        if (S[i] < '0' || S[i] > '9') return false;
    // Plain decimal now: the runtime's conversion checks the range.
    return TryStrToInt(S, Value);
}

int StrToWholeDef(const AnsiString& S, int Default) {
    int v = 0;
    return TryStrToWhole(S, v) ? v : Default;
}

int StrToWhole(const AnsiString& S) {
    int v = 0;
    if (!TryStrToWhole(S, v)) throw EConvertError("'" + S + "' is not a valid integer value");
    return v;
}
