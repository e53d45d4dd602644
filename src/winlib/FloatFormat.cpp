// Number text in the general, exponent, fixed, number and currency formats.
//
// The value is first expanded to 18 significant decimal digits and then rounded half away from
// zero on that decimal text, so 0.35 gives "0.35" at two digits and 0.125 gives "0.13", which is
// what the stored files and the labels were made with (printf rounds on the binary value instead).
#include "GccQuirks.h"
#include "SysUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kMaxPrecision = 18;

// Value = 0.d1d2d3... x 10^exponent; no digits means zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

// Rounds to at most `count` significant digits, half away from zero, and drops trailing zeros.
void RoundTo(Decimal& d, int count) {
    if (count < 0) {
        d.digits.clear();
    } else if (static_cast<size_t>(count) < d.digits.size()) {
        const bool up = d.digits[static_cast<size_t>(count)] >= '5';
        d.digits.resize(static_cast<size_t>(count));
        if (up) {
            int i = count - 1;
            while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9')
                d.digits[static_cast<size_t>(i--)] = '0';
            if (i >= 0) {
                ++d.digits[static_cast<size_t>(i)];
            } else {
                d.digits.insert(d.digits.begin(), '1');
                ++d.exponent;
            }
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) {
        d.exponent = 0;
        d.negative = false; // a value that rounds to nothing has no sign
    }
}

// At most `precision` significant digits and at most `decimals` digits after the point.
Decimal ToDecimal(double value, int precision, int decimals) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0) {
        d.negative = false;
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", kMaxPrecision - 1, std::fabs(value));
    // buf is "d.ddddddddddddddddde+XX"
    d.digits.push_back(buf[0]);
    const char* p = buf + 2;
    while (*p >= '0' && *p <= '9')
        d.digits.push_back(*p++);
    d.exponent = std::atoi(p + 1) + 1;
    const int keep = std::min(precision, decimals > 9000 ? precision : d.exponent + decimals);
    RoundTo(d, keep);
    return d;
}

AnsiString ExponentText(int e, int minDigits, bool plusSign) {
    AnsiString s = "E";
    if (e < 0)
        s += '-';
    else if (plusSign)
        s += '+';
    AnsiString n = std::to_string(std::abs(e));
    if (static_cast<int>(n.size()) < minDigits) n.insert(0, static_cast<size_t>(minDigits) - n.size(), '0');
    return s + n;
}

AnsiString SpecialText(double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

RULIFORM_GCC12_STRING_RESTRICT_BEGIN
AnsiString FormatGeneral(double v, int precision, int digits) {
    Decimal d = ToDecimal(v, precision, 9999);
    if (d.digits.empty()) return "0";
    AnsiString s = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent > precision || d.exponent < -3) {
        s += d.digits[0];
        if (n > 1) s += "." + d.digits.substr(1);
        return s + ExponentText(d.exponent - 1, digits, false);
    }
    if (d.exponent <= 0) return s + "0." + std::string(static_cast<size_t>(-d.exponent), '0') + d.digits;
    if (n <= d.exponent) return s + d.digits + std::string(static_cast<size_t>(d.exponent - n), '0');
    return s + d.digits.substr(0, static_cast<size_t>(d.exponent)) + "." +
           d.digits.substr(static_cast<size_t>(d.exponent));
}

AnsiString FormatExponent(double v, int precision, int digits) {
    Decimal d = ToDecimal(v, precision, 9999);
    const int e = d.digits.empty() ? 0 : d.exponent - 1;
    std::string m = d.digits.empty() ? "0" : d.digits;
    if (static_cast<int>(m.size()) < precision) m.append(static_cast<size_t>(precision) - m.size(), '0');
    AnsiString s = d.negative ? "-" : "";
    s += m[0];
    if (precision > 1) s += "." + m.substr(1);
    return s + ExponentText(e, digits, true);
}

// Fixed notation; `thousands` inserts ',' between groups of three integer digits.
AnsiString FormatFixed(double v, int precision, int digits, bool thousands, bool currency) {
    Decimal d = ToDecimal(v, precision, digits);
    if (d.exponent > precision) return FormatExponent(v, precision, std::min(digits, 4));
    AnsiString intPart;
    if (d.exponent <= 0) {
        intPart = "0";
    } else {
        for (int i = 0; i < d.exponent; ++i)
            intPart += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
    }
    if (thousands)
        for (int i = static_cast<int>(intPart.size()) - 3; i > 0; i -= 3)
            intPart.insert(static_cast<size_t>(i), ",");
    AnsiString s = d.negative ? "-" : "";
    if (currency) s += "¥";
    s += intPart;
    if (digits > 0) {
        s += '.';
        for (int i = 0; i < digits; ++i) {
            const int at = d.exponent + i;
            s +=
                (at >= 0 && at < static_cast<int>(d.digits.size())) ? d.digits[static_cast<size_t>(at)] : '0';
        }
    }
    return s;
}
RULIFORM_GCC12_STRING_RESTRICT_END

} // namespace

AnsiString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits) {
    if (!std::isfinite(Value)) return SpecialText(Value);
    const int precision = std::clamp(Precision, 1, kMaxPrecision);
    switch (Format) {
    case ffGeneral:
        return FormatGeneral(Value, precision, std::clamp(Digits, 0, 4));
    case ffExponent:
        return FormatExponent(Value, precision, std::clamp(Digits, 0, 4));
    case ffFixed:
        return FormatFixed(Value, precision, std::clamp(Digits, 0, 18), false, false);
    case ffNumber:
        return FormatFixed(Value, precision, std::clamp(Digits, 0, 18), true, false);
    case ffCurrency:
        return FormatFixed(Value, precision, std::clamp(Digits, 0, 18), true, true);
    }
    return FormatGeneral(Value, precision, 0);
}

AnsiString FloatToStr(double Value) {
    return FloatToStrF(Value, ffGeneral, 15, 0);
}
