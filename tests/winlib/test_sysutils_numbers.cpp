#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <clocale>
#include <limits>

namespace {

struct IntCase {
    const char* text;
    bool ok;
    int value;
};

TEST(StrToInt, WholeNumberTextRules) {
    const IntCase cases[] = {
        {"0", true, 0},
        {"  42", true, 42},
        {"-17", true, -17},
        {"+5", true, 5},
        {"$1F", true, 31},
        {"x1f", true, 31},
        {"X10", true, 16},
        {"0x10", true, 16},
        {"0X7fffffff", true, 2147483647},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1}, // hex spans the unsigned 32 bits
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"007", true, 7},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"$100000000", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {" ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"1.0", false, 0},
        {"12 ", false, 0}, // nothing may follow, not even a blank
        {"12a", false, 0},
        {"\t12", false, 0}, // only spaces lead
        {"1e3", false, 0},
        {"true", false, 0},
        {"- 1", false, 0},
        {"0x-1", false, 0},
    };
    for (const IntCase& c : cases) {
        int v = 12345;
        EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(v, c.value) << '"' << c.text << '"';
        } else {
            EXPECT_EQ(v, 12345) << "failed parse must leave the target alone: " << c.text;
        }
        EXPECT_EQ(StrToIntDef(c.text, -99), c.ok ? c.value : -99) << c.text;
    }
}

TEST(StrToInt, EmbeddedNulIsTrailingJunk) {
    int v = 0;
    EXPECT_FALSE(TryStrToInt(std::string("12\0"
                                         "3",
                                         4),
                             v));
}

TEST(StrToInt, RaisesConvertErrorQuotingTheText) {
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

struct FloatCase {
    const char* text;
    bool ok;
    double value;
};

TEST(StrToFloat, DecimalTextRules) {
    const FloatCase cases[] = {
        {"1.5", true, 1.5},   {" 1.5 ", true, 1.5},     {"-0.25", true, -0.25}, {"+3", true, 3},
        {"1.", true, 1},      {".5", true, 0.5},        {"1e3", true, 1000},    {"1E-2", true, 0.01},
        {"2.5e+1", true, 25}, {"1e-320", true, 1e-320}, // tiny is still a number
        {"", false, 0},       {"  ", false, 0},         {".", false, 0},        {"-", false, 0},
        {"1,5", false, 0},    {"1.5.1", false, 0},      {"1e", false, 0},       {"1e+", false, 0},
        {"e3", false, 0},     {"inf", false, 0},        {"nan", false, 0},      {"INF", false, 0},
        {"0x1p3", false, 0},  {"1.5x", false, 0},       {"1 5", false, 0},      {"1e400", false, 0},
        {"- 1", false, 0},
    };
    for (const FloatCase& c : cases) {
        double v = 0;
        EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << '"' << c.text << '"';
        }
        EXPECT_EQ(StrToFloatDef(c.text, -7.0), c.ok ? c.value : -7.0) << c.text;
    }
}

TEST(StrToFloat, IgnoresTheUserLocale) {
    // A numeric locale with a decimal comma must not make "1,5" valid or "1.5" invalid.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE"})
        if (!switched && std::setlocale(LC_NUMERIC, name)) switched = true;
    if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
    double v = 0;
    EXPECT_TRUE(TryStrToFloat("1.5", v));
    EXPECT_EQ(v, 1.5);
    EXPECT_FALSE(TryStrToFloat("1,5", v));
    EXPECT_EQ(FloatToStr(100.5), "100.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(StrToFloat, RaisesConvertErrorQuotingTheText) {
    try {
        StrToFloat("1,5");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
}

struct FormatCase {
    double value;
    TFloatFormat format;
    int precision, digits;
    const char* text;
};

TEST(FloatToStrF, FormatTable) {
    const FormatCase cases[] = {
        // two significant digits, exponent at least two digits wide
        {190.5, ffGeneral, 2, 2, "1.9E02"},
        {203, ffGeneral, 2, 2, "2E02"},
        {99.96, ffGeneral, 2, 2, "1E02"},
        {99.4, ffGeneral, 2, 2, "99"},
        {4.233, ffGeneral, 2, 2, "4.2"},
        {12.7, ffGeneral, 2, 2, "13"},
        {0.35, ffGeneral, 2, 2, "0.35"},  // 0.34999999999999997... still rounds up
        {0.125, ffGeneral, 2, 2, "0.13"}, // half away from zero, not to even
        {-0.125, ffGeneral, 2, 2, "-0.13"},
        {2.5, ffGeneral, 1, 0, "3"},
        {0, ffGeneral, 2, 2, "0"},
        {-0.0, ffGeneral, 2, 2, "0"},
        {-4.233, ffGeneral, 2, 2, "-4.2"},
        {0.0001, ffGeneral, 2, 2, "0.0001"},
        {0.00001234, ffGeneral, 2, 2, "1.2E-05"},
        {1234.5678, ffGeneral, 4, 4, "1235"},
        {12345.678, ffGeneral, 4, 4, "1.235E0004"},
        {25.4, ffGeneral, 3, 0, "25.4"},
        {297, ffGeneral, 3, 0, "297"},
        // fixed: at most Precision significant digits, then Digits decimals
        {51.428571, ffFixed, 4, 2, "51.43"},
        {51.428571, ffFixed, 2, 2, "51.00"},
        {123456.789, ffFixed, 7, 2, "123456.80"},
        {0.004, ffFixed, 15, 2, "0.00"},
        {-0.004, ffFixed, 15, 2, "0.00"},
        {0.005, ffFixed, 15, 2, "0.01"},
        {0.6, ffFixed, 15, 0, "1"},
        {-2.5, ffFixed, 15, 0, "-3"},
        {3, ffFixed, 4, 2, "3.00"},
        {0, ffFixed, 4, 2, "0.00"},
        {12345, ffFixed, 4, 2, "1.235E+04"}, // more integer digits than Precision
        // exponent: Precision digits kept, sign always shown
        {1234.5, ffExponent, 4, 2, "1.235E+03"},
        {0.00012, ffExponent, 3, 0, "1.20E-4"},
        {0, ffExponent, 3, 2, "0.00E+00"},
        // number: thousands separated
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {-999.5, ffNumber, 15, 0, "-1,000"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.text)
            << c.value << " format " << c.format << " " << c.precision << "," << c.digits;
}

TEST(FloatToStrF, SpecialValues) {
    EXPECT_EQ(FloatToStrF(std::numeric_limits<double>::quiet_NaN(), ffGeneral, 15, 0), "NAN");
    EXPECT_EQ(FloatToStrF(std::numeric_limits<double>::infinity(), ffFixed, 15, 2), "INF");
    EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FloatToStr, FifteenSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {100.0, "100"},
        {0.1, "0.1"},
        {1e20, "1E20"},
        {1e15, "1E15"},
        {123456789012345.0, "123456789012345"},
        {1e-5, "1E-5"},
        {0.0001, "0.0001"},
        {-2.5, "-2.5"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {10.0 / 3.0 * 3.0, "10"},
        {1.7976931348623157e308, "1.79769313486232E308"},
    };
    for (const auto& [v, text] : cases)
        EXPECT_EQ(FloatToStr(v), text) << v;
}

TEST(FloatToStr, ReadsBackAsTheSameTextValue) {
    // What the settings file stores must come back as the value the text says.
    for (double v : {100.0, 0.1, 25.4, -3.75, 1e-7, 123.456789, 5e20}) {
        const AnsiString t = FloatToStr(v);
        EXPECT_DOUBLE_EQ(StrToFloat(t), v) << t;
    }
}

TEST(IntToHex, PadsAndShowsNegativeIntsAs32Bits) {
    EXPECT_EQ(IntToHex(255, 6), "0000FF");
    EXPECT_EQ(IntToHex(0xABCDEF, 2), "ABCDEF");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(-1, 6), "FFFFFFFF");
    EXPECT_EQ(IntToHex(static_cast<int>(0xFF000005), 6), "FF000005");
    EXPECT_EQ(IntToHex(0x100000000LL, 4), "100000000");
}

TEST(IntToStr, Plain) {
    EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
    EXPECT_EQ(IntToStr(0), "0");
}

} // namespace
