// Whole-number and decimal text, case and file-name helpers, checked integer division.
#include "SysUtils.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <sys/stat.h>
#include <thread>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}
char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Always the C locale, so a user's LC_NUMERIC never changes what '.' means.
locale_t CLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

} // namespace

AnsiString IntToStr(long long Value) {
    return std::to_string(Value);
}

bool TryStrToInt(const AnsiString& S, int& Value) {
    size_t i = 0;
    const size_t n = S.size();
    while (i < n && S[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (S[i] == '-' || S[i] == '+')) negative = S[i++] == '-';
    bool hex = false;
    if (i < n && (S[i] == '$' || S[i] == 'x' || S[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && S[i] == '0' && (S[i + 1] == 'x' || S[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n) return false;
    uint64_t acc = 0;
    for (; i < n; ++i) {
        const int d = hex ? HexValue(S[i]) : (IsDigit(S[i]) ? S[i] - '0' : -1);
        if (d < 0) return false;
        acc = acc * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        // Hex spans the 32 bits unsigned ("$FFFFFFFF" is -1); decimal must fit the signed range.
        const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
        if (acc > limit) return false;
    }
    uint32_t bits = static_cast<uint32_t>(acc);
    if (negative) bits = 0u - bits;
    Value = static_cast<int32_t>(bits);
    return true;
}

int StrToInt(const AnsiString& S) {
    int v = 0;
    if (!TryStrToInt(S, v)) throw EConvertError("'" + S + "' is not a valid integer value");
    return v;
}

int StrToIntDef(const AnsiString& S, int Default) {
    int v = 0;
    return TryStrToInt(S, v) ? v : Default;
}

bool TryStrToFloat(const AnsiString& S, double& Value) {
    size_t b = 0, e = S.size();
    while (b < e && S[b] == ' ')
        ++b;
    while (e > b && S[e - 1] == ' ')
        --e;
    size_t i = b;
    if (i < e && (S[i] == '+' || S[i] == '-')) ++i;
    size_t mantissaDigits = 0;
    while (i < e && IsDigit(S[i]))
        ++i, ++mantissaDigits;
    if (i < e && S[i] == '.') {
        ++i;
        while (i < e && IsDigit(S[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < e && (S[i] == 'e' || S[i] == 'E')) {
        ++i;
        if (i < e && (S[i] == '+' || S[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < e && IsDigit(S[i]))
            ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != e) return false;
    // The text is now known to be plain decimal, so strtod cannot stray into hex, inf or nan.
    const std::string text = S.substr(b, e - b);
    errno = 0;
    const double v = strtod_l(text.c_str(), nullptr, CLocale());
    if (!std::isfinite(v)) return false;
    Value = v;
    return true;
}

double StrToFloat(const AnsiString& S) {
    double v = 0;
    if (!TryStrToFloat(S, v)) throw EConvertError("'" + S + "' is not a valid floating point value");
    return v;
}

double StrToFloatDef(const AnsiString& S, double Default) {
    double v = 0;
    return TryStrToFloat(S, v) ? v : Default;
}

AnsiString IntToHex(long long Value, int Digits) {
    // A negative int shows its 32-bit pattern (colours are 32-bit values).
    const uint64_t bits =
        (Value < 0 && Value >= INT32_MIN) ? static_cast<uint32_t>(Value) : static_cast<uint64_t>(Value);
    static const char hexDigits[] = "0123456789ABCDEF";
    AnsiString out;
    uint64_t v = bits;
    do {
        out.insert(out.begin(), hexDigits[v & 15]);
        v >>= 4;
    } while (v != 0);
    if (static_cast<int>(out.size()) < Digits) out.insert(0, static_cast<size_t>(Digits) - out.size(), '0');
    return out;
}

AnsiString LowerCase(const AnsiString& S) {
    AnsiString r = S;
    for (char& c : r)
        c = ToLowerAscii(c);
    return r;
}

AnsiString UpperCase(const AnsiString& S) {
    AnsiString r = S;
    for (char& c : r)
        c = ToUpperAscii(c);
    return r;
}

AnsiString Trim(const AnsiString& S) {
    // Blanks and control characters; bytes of multi-byte characters are all >= 0x80.
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t b = 0, e = S.size();
    while (b < e && blank(S[b]))
        ++b;
    while (e > b && blank(S[e - 1]))
        --e;
    return S.substr(b, e - b);
}

bool SameText(const AnsiString& A, const AnsiString& B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (ToLowerAscii(A[i]) != ToLowerAscii(B[i])) return false;
    return true;
}

AnsiString ExtractFileExt(const AnsiString& FileName) {
    const size_t p = FileName.find_last_of("./");
    if (p == AnsiString::npos || FileName[p] != '.') return "";
    return FileName.substr(p);
}

AnsiString ExtractFilePath(const AnsiString& FileName) {
    const size_t p = FileName.rfind('/');
    return p == AnsiString::npos ? AnsiString() : FileName.substr(0, p + 1);
}

AnsiString ExtractFileName(const AnsiString& FileName) {
    const size_t p = FileName.rfind('/');
    return p == AnsiString::npos ? FileName : FileName.substr(p + 1);
}

bool FileExists(const AnsiString& FileName) {
    struct stat st {};
    return !FileName.empty() && ::stat(FileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

int IntDiv(int a, int b) {
    if (b == 0) throw EDivByZero("Division by zero");
    if (a == INT_MIN && b == -1) throw EIntOverflow("Integer overflow");
    return a / b;
}

int IntMod(int a, int b) {
    if (b == 0) throw EDivByZero("Division by zero");
    if (b == -1) return 0; // INT_MIN % -1 would fault on x86
    return a % b;
}

void Sleep(unsigned Milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(Milliseconds));
}
