#include "vornui/units/KUnits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

// "\260" is the degree sign, byte 0xB0.

namespace {

// Runs a formatting member on a unit and returns the text, "untouched" when it refused.
template <typename Member>
CString Printed(const KUnits& unit, Member member, double value, int expectedResult = 1) {
    CString text("untouched");
    EXPECT_EQ((unit.*member)(value, text), expectedResult);
    return text;
}

KUnits Station(unsigned short code, double length) {
    KUnits unit;
    unit.InitStation(code, length);
    return unit;
}

KUnits Angle(unsigned short code, int bPlusMinus180) {
    KUnits unit;
    unit.InitDegree(code, bPlusMinus180);
    return unit;
}

KUnits Clock(unsigned short code, int bNoDayWrap) {
    KUnits unit;
    unit.InitTime(code, bNoDayWrap);
    return unit;
}

std::string CPrintf(const char* format, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

TEST(KUnitsFormat, ScaledKindsPrintWithTheirRowFormat) {
    EXPECT_EQ(Printed(KUnits(0x102), &KUnits::FormatM2RangeUnit, 1500), "1.500");
    EXPECT_EQ(Printed(KUnits(0x105), &KUnits::FormatInRangeUnit, 1), "3.28");
    EXPECT_EQ(Printed(KUnits(0x156), &KUnits::FormatM2DepthUnit, 10), "5.47");
    EXPECT_EQ(Printed(KUnits(0x363), &KUnits::FormatM2PositionUnit, 1852), "1.0000");
    EXPECT_EQ(Printed(KUnits(0x202), &KUnits::FormatMpS2SpeedUnit, 1), "1.944");
    EXPECT_EQ(Printed(KUnits(0x403), &KUnits::FormatPascal2PressureUnit, 100000), "1.0");
    EXPECT_EQ(Printed(KUnits(0x1200), &KUnits::FormatUnity2ScaleUnit, 2e-6), "2.0000");
    EXPECT_EQ(Printed(KUnits(0x51), &KUnits::FormatBaseTypeUnit, -7.9), "-7");
    EXPECT_EQ(Printed(KUnits(0x53), &KUnits::FormatBaseTypeUnit, 42), "0042");
    EXPECT_EQ(Printed(KUnits(0x54), &KUnits::FormatBaseTypeUnit, 2.5), "2");
    // Beyond an int the whole part is taken in 64 bits; NaN has no text.
    EXPECT_EQ(Printed(KUnits(0x51), &KUnits::FormatBaseTypeUnit, 3e9), "3000000000");
    EXPECT_EQ(Printed(KUnits(0x51), &KUnits::FormatBaseTypeUnit, NAN, 0), "");

    const KUnits station = Station(0x141, 1000);
    EXPECT_EQ(Printed(station, &KUnits::FormatM2RangeUnit, 1, 0), "untouched");
    EXPECT_EQ(Printed(station, &KUnits::FormatInRangeUnit, 1500), "1.5000");
    EXPECT_EQ(Printed(KUnits(0x151), &KUnits::FormatM2RangeUnit, 1, 0), "untouched");
    EXPECT_EQ(Printed(KUnits(0x151), &KUnits::FormatMpS2SpeedUnit, 1, 0), "untouched");
    EXPECT_EQ(Printed(KUnits(), &KUnits::FormatBaseTypeUnit, 1, 0), "untouched");
}

TEST(KUnitsFormat, AnglesFoldIntoOneTurnAndAFullCirclePrintsAsZero) {
    EXPECT_EQ(Printed(Angle(0x301, 0), &KUnits::FormatDegrees2DegreeUnit, -90), "270.00");
    EXPECT_EQ(Printed(Angle(0x301, 1), &KUnits::FormatDegrees2DegreeUnit, 270), "-90.00");
    EXPECT_EQ(Printed(Angle(0x301, 0), &KUnits::FormatDegrees2DegreeUnit, 725), "5.00");
    EXPECT_EQ(Printed(Angle(0x301, 1), &KUnits::FormatDegrees2DegreeUnit, 725), "5.00");
    EXPECT_EQ(Printed(Angle(0x301, 0), &KUnits::FormatDegrees2DegreeUnit, 359.999), "0.00");
    EXPECT_EQ(Printed(Angle(0x301, 0), &KUnits::FormatDegrees2DegreeUnit, -0.001), "0.00");
    EXPECT_EQ(Printed(Angle(0x302, 0), &KUnits::FormatDegrees2DegreeUnit, 180), "3.1415926536");
    EXPECT_EQ(Printed(Angle(0x302, 0), &KUnits::FormatDegrees2DegreeUnit, 360), "0.0000000000");
    EXPECT_EQ(Printed(Angle(0x306, 0), &KUnits::FormatDegrees2DegreeUnit, 90), "100.00");
    EXPECT_EQ(Printed(Angle(0x301, 0), &KUnits::FormatRadians2DegreeUnit, M_PI), "180.00");
    EXPECT_EQ(Printed(Angle(0x309, 0), &KUnits::FormatDegrees2DegreeUnit, 12.5),
              "012\26030'00.00\"");
    EXPECT_EQ(Printed(Angle(0x30A, 0), &KUnits::FormatDegrees2DegreeUnit, -12.5),
              "012\26030.0000'");
    EXPECT_EQ(Printed(Angle(0x30B, 0), &KUnits::FormatDegrees2DegreeUnit, -372.5), "12.50000000");
    EXPECT_EQ(Printed(KUnits(0x331), &KUnits::FormatDegrees2DegreeUnit, 1, 0), "untouched");
}

TEST(KUnitsFormat, StationsPrintHundredsAndTheRest) {
    const KUnits stations = Station(0x143, 1000);
    EXPECT_EQ(Printed(stations, &KUnits::FormatM2StationUnit, 1234.56), "12+34.6");
    EXPECT_EQ(Printed(stations, &KUnits::FormatM2StationUnit, -1234.56), "-12+34.6");
    EXPECT_EQ(Printed(stations, &KUnits::FormatM2StationUnit, 1204.5), "12+4.5");
    EXPECT_EQ(Printed(stations, &KUnits::FormatInRangeUnit, 99.94), "0+99.9");
    EXPECT_EQ(Printed(Station(0x145, 1000), &KUnits::FormatM2StationUnit, 1500), "1.500");
    EXPECT_EQ(Printed(Station(0x144, 1000), &KUnits::FormatM2StationUnit, 1500), "1500.0000");
    EXPECT_EQ(Printed(KUnits(0x101), &KUnits::FormatM2StationUnit, 1, 0), "untouched");
}

TEST(KUnitsFormat, TimesFoldDaysAndCarryRoundedMinutes) {
    const auto time = &KUnits::FormatSeconds2TimeUnit;
    EXPECT_EQ(Printed(Clock(0x330, 0), time, 12.3456), "12.35");
    EXPECT_EQ(Printed(Clock(0x331, 0), time, 12.5), "12");
    EXPECT_EQ(Printed(Clock(0x332, 0), time, 12.3456), "12.346");
    EXPECT_EQ(Printed(Clock(0x333, 0), time, 125.9), "02:05");
    EXPECT_EQ(Printed(Clock(0x333, 0), time, 90061), "61:01(+1)");
    EXPECT_EQ(Printed(Clock(0x333, 1), time, 90061), "1501:01");
    EXPECT_EQ(Printed(Clock(0x334, 0), time, 90061), "01:01:01(+1)");
    EXPECT_EQ(Printed(Clock(0x334, 1), time, 90061), "25:01:01");
    EXPECT_EQ(Printed(Clock(0x334, 0), time, 3 * 86400 + 59), "00:00:59(+3)");
    EXPECT_EQ(Printed(Clock(0x335, 0), time, 5430.6), "01:30.51");
    EXPECT_EQ(Printed(Clock(0x335, 0), time, 3599.9), "01:00.00");
    EXPECT_EQ(Printed(Clock(0x335, 0), time, 86399.9), "24:00.00"); // carry after the fold
    EXPECT_EQ(Printed(Clock(0x335, 0), time, 86400 + 3599.9), "01:00.00(+1)");
    EXPECT_EQ(Printed(Clock(0x336, 0), time, 5400), "01:30");
    EXPECT_EQ(Printed(Clock(0x336, 0), time, 3570.1), "01:00");
    EXPECT_EQ(Printed(Clock(0x336, 0), time, 3569.9), "00:59");
    EXPECT_EQ(Printed(KUnits(0x301), time, 1, 0), "untouched");
}

TEST(KUnitsFormat, AffixesAddTheSignCharacter) {
    const struct {
        unsigned short code;
        double value;
        const char* text;
    } cases[] = {
        {0x1006, -3, "12.5S"}, {0x1006, 3, "12.5N"},  {0x1005, 0, "12.5E"}, {0x1001, 3, "12.5"},
        {0x1001, -3, "-12.5"}, {0x1000, -3, "-12.5"}, {0x1002, 3, "+12.5"}, {0x1002, -0.0, "+12.5"},
        {0x1003, -1, "W12.5"}, {0x1004, 1, "N12.5"},
    };
    for (const auto& c : cases) {
        CString text("12.5");
        EXPECT_EQ(KUnits(c.code).FormatAffixUnit(c.value, text), 1);
        EXPECT_EQ(text, c.text) << c.code;
    }
    CString text("12.5");
    EXPECT_EQ(KUnits(0x101).FormatAffixUnit(-1, text), 0);
    EXPECT_EQ(text, "12.5");
}

TEST(KUnitsFormat, DefaultDispatchFollowsTheKindOfTheUnit) {
    const auto dispatch = &KUnits::FormatDefault2Unit;
    EXPECT_EQ(Printed(Angle(0x30A, 0), dispatch, -12.5), "-012\26030.0000'");
    EXPECT_EQ(Printed(Angle(0x30B, 0), dispatch, -12.5), "-12.50000000");
    EXPECT_EQ(Printed(Angle(0x301, 0), dispatch, -12.5), "347.50");
    EXPECT_EQ(Printed(KUnits(0x362), dispatch, 1500), "1.500");
    EXPECT_EQ(Printed(KUnits(0x10A), dispatch, 1.5), "150.00");
    EXPECT_EQ(Printed(Station(0x143, 1000), dispatch, 1234.56), "12+34.6");
    EXPECT_EQ(Printed(KUnits(0x152), dispatch, 1500), "1.500");
    EXPECT_EQ(Printed(KUnits(0x203), dispatch, 10), "36.000");
    EXPECT_EQ(Printed(KUnits(0x1202), dispatch, 1e-9), "1.0000");
    EXPECT_EQ(Printed(KUnits(0x402), dispatch, 250), "2.5");
    EXPECT_EQ(Printed(Clock(0x334, 0), dispatch, 3661), "01:01:01");
    EXPECT_EQ(Printed(KUnits(0x52), dispatch, 7), "07");
    for (unsigned short refused : {0x501, 0x91, 0x1002, 0})
        EXPECT_EQ(Printed(KUnits(refused), dispatch, 1, 0), "untouched") << refused;
}

TEST(KUnitsFormat, SymbolVariantsAppendTheRowLabelExceptToNotations) {
    EXPECT_EQ(Printed(Angle(0x301, 0), &KUnits::FormatDegrees2DegreeUnitSymbol, 45), "45.00\260");
    EXPECT_EQ(Printed(Angle(0x309, 0), &KUnits::FormatDegrees2DegreeUnitSymbol, 45),
              "045\26000'00.00\"");
    EXPECT_EQ(Printed(Angle(0x30B, 0), &KUnits::FormatDegrees2DegreeUnitSymbol, 45),
              "45.00000000\260");
    EXPECT_EQ(Printed(Clock(0x332, 0), &KUnits::FormatSeconds2TimeUnitSymbol, 12.3456),
              "12.346s.s");
    EXPECT_EQ(Printed(Clock(0x336, 0), &KUnits::FormatSeconds2TimeUnitSymbol, 5400), "01:30");
    EXPECT_EQ(Printed(KUnits(0x153), &KUnits::FormatM2DepthUnitSymbol, 1), "3.28ft");
    EXPECT_EQ(Printed(KUnits(0x150), &KUnits::FormatM2DepthUnitSymbol, 1), "1.00(default)");
    EXPECT_EQ(Printed(KUnits(0x364), &KUnits::FormatM2PositionUnitSymbol, 1609.344), "1.0000mi");
    EXPECT_EQ(Printed(KUnits(0x203), &KUnits::FormatMpS2SpeedUnitSymbol, 10), "36.000km/h");
    EXPECT_EQ(Printed(KUnits(0x408), &KUnits::FormatPascal2PressureUnitSymbol, 3386.389), "1\"Hg");
    EXPECT_EQ(Printed(KUnits(0x1201), &KUnits::FormatUnity2ScaleUnitSymbol, 1e-6), "1.0000ppm");
    EXPECT_EQ(Printed(KUnits(0x101), &KUnits::FormatM2DepthUnitSymbol, 1, 0), "untouched");
}

TEST(KUnitsFormat, Format2UnitPrintsAValueAlreadyInTheUnit) {
    const struct {
        unsigned short code;
        double value;
        int result;
        const char* text;
    } cases[] = {
        {0x51, 7.9, 1, "7"},
        {0x7777, 7.9, 0, "7.90"},
        {0, 7.9, 0, "7.90"},
        {2, 1.5, 1, "1.500"}, // a legacy code prints as its current code
        {0x143, 1234.56, 1, "12+34.6"},
        {0x309, -12.5, 1, "-012\26030'00.00\""},
        {0x30B, -12.5, 1, "-12.50000000"},
        {0x334, 90061, 1, "01:01:01(+1)"},
        {0x1003, -1, 1, "W"},
        {0x1001, 1, 1, ""},
        {0x91, 0, 1, "On"},
        {0x502, 0, 1, "84"},
    };
    for (const auto& c : cases) {
        CString text;
        EXPECT_EQ(KUnits::Format2Unit(c.code, c.value, text), c.result) << c.code;
        EXPECT_EQ(text, c.text) << c.code;
    }
    CString text;
    EXPECT_EQ(KUnits(0x102).FormatUnit(1.5, text), 1);
    EXPECT_EQ(text, "1.500");
}

TEST(KUnitsFormat, NumbersMatchTheCLibraryPrintf) {
    std::vector<double> values = {
        0.0,     -0.0,   0.5,      1.5,       2.5,    0.125,   2.675,
        1.005,   -0.004, 9.9999,   1e22,      -1e300, DBL_MAX, -DBL_MAX,
        DBL_MIN, 5e-324, INFINITY, -INFINITY, NAN,    -NAN,    123456789.987654321};
    std::mt19937_64 random(20240501);
    std::uniform_real_distribution<double> exponent(-12, 12);
    for (int i = 0; i < 20000; ++i)
        values.push_back((i % 2 ? -1 : 1) * std::pow(10.0, exponent(random)));
    for (unsigned short code = 0x54; code <= 0x5C; ++code) {
        CString format;
        KUnits::GetUnitFormatString(code, format);
        for (double value : values) {
            CString text;
            KUnits::Format2Unit(code, value, text);
            const std::string expected = std::isfinite(value) ? CPrintf(format, value) : "";
            ASSERT_EQ(text.str(), expected) << format.GetString() << " " << value;
        }
    }
    for (int value : {0, 7, -7, 123, -1234, 99999, INT_MIN}) {
        CString text;
        KUnits::Format2Unit(0x53, value, text);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%04d", value);
        EXPECT_EQ(text, expected);
    }
}

TEST(KUnitsFormat, ADecimalCommaLocaleStillGetsPoints) {
    const char* commaLocale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            commaLocale = name;
            break;
        }
    }
    if (!commaLocale)
        GTEST_SKIP() << "no decimal-comma locale is installed";
    const bool commaIsActive = CPrintf("%1.2f", 1.5) == "1,50";
    CString range, angle, clock, plain;
    KUnits(0x101).FormatM2RangeUnit(1.5, range);
    Angle(0x309, 0).FormatDegrees2DegreeUnit(12.5, angle);
    Clock(0x335, 0).FormatSeconds2TimeUnit(5430.6, clock);
    KUnits::Format2Unit(0x5C, 0.25, plain);
    const bool fullCircleZero = [] {
        CString text;
        Angle(0x302, 0).FormatDegrees2DegreeUnit(360, text);
        return text == "0.0000000000";
    }();
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_TRUE(commaIsActive) << commaLocale;
    EXPECT_EQ(range, "1.50");
    EXPECT_EQ(angle, "012\26030'00.00\"");
    EXPECT_EQ(clock, "01:30.51");
    EXPECT_EQ(plain, "0.25000000");
    EXPECT_TRUE(fullCircleZero);
}

TEST(KUnitsFormat, ValuesBeyondTheIntRangePrintWholeAndNonFiniteOnesPrintNothing) {
    const auto degrees = &KUnits::FormatDegrees2DegreeUnit;
    EXPECT_EQ(Printed(Angle(0x309, 0), degrees, 1e12), "280\26000'00.00\"");
    EXPECT_EQ(Printed(Angle(0x30A, 0), degrees, -1e12), "280\26000.0000'");
    EXPECT_EQ(Printed(Angle(0x301, 0), degrees, 1e12), "280.00");
    EXPECT_EQ(Printed(Angle(0x301, 0), degrees, -1e12), "80.00");

    const auto time = &KUnits::FormatSeconds2TimeUnit;
    EXPECT_EQ(Printed(Clock(0x334, 0), time, 1e10), "17:46:40(+115740)");
    EXPECT_EQ(Printed(Clock(0x334, 1), time, 1e10), "2777777:46:40");
    EXPECT_EQ(Printed(Clock(0x333, 1), time, 1e12), "16666666666:40");
    EXPECT_EQ(Printed(Clock(0x336, 1), time, -1e10), "-2777777:-47");
    EXPECT_EQ(Printed(Clock(0x334, 0), time, -1), "00:00:-1"); // the system's own oddity

    const KUnits stations = Station(0x143, 1000);
    EXPECT_EQ(Printed(stations, &KUnits::FormatM2StationUnit, 1e12), "10000000000+0.0");
    EXPECT_EQ(Printed(stations, &KUnits::FormatM2StationUnit, -1e15), "-10000000000000+0.0");
    EXPECT_EQ(Printed(stations, &KUnits::FormatM2StationUnit, 1e16, 0), ""); // past 2^53

    CString text;
    EXPECT_EQ(KUnits::Format2Unit(0x51, 3e9, text), 1);
    EXPECT_EQ(text, "3000000000");
    EXPECT_EQ(KUnits::Format2Unit(0x53, -3e9, text), 1);
    EXPECT_EQ(text, "-3000000000");
    EXPECT_EQ(KUnits::Format2Unit(0x51, -1e19, text), 0);
    EXPECT_EQ(text, "");

    char expected[400];
    std::snprintf(expected, sizeof expected, "%1.2f", 1e300);
    EXPECT_EQ(Printed(KUnits(0x151), &KUnits::FormatM2DepthUnit, 1e300), expected);

    for (const double value : {NAN, -NAN, INFINITY, -INFINITY}) {
        EXPECT_EQ(Printed(KUnits(0x151), &KUnits::FormatM2DepthUnit, value, 0), "");
        EXPECT_EQ(Printed(KUnits(0x151), &KUnits::FormatM2DepthUnitSymbol, value, 0), "");
        EXPECT_EQ(Printed(Angle(0x309, 0), degrees, value, 0), "");
        EXPECT_EQ(Printed(Angle(0x301, 1), &KUnits::FormatDegrees2DegreeUnitSymbol, value, 0), "");
        EXPECT_EQ(Printed(Clock(0x334, 0), time, value, 0), "");
        EXPECT_EQ(Printed(stations, &KUnits::FormatInRangeUnit, value, 0), "");
        EXPECT_EQ(Printed(Angle(0x30A, 0), &KUnits::FormatDefault2Unit, value, 0), "");
        EXPECT_EQ(Printed(KUnits(0x151), &KUnits::FormatDefault2Unit, value, 0), "");
        EXPECT_EQ(Printed(KUnits(0x101), &KUnits::FormatM2DepthUnit, value, 0), "untouched");
        for (const unsigned short code : {0x51, 0x101, 0x7777}) {
            text = "untouched";
            EXPECT_EQ(KUnits::Format2Unit(code, value, text), 0) << code;
            EXPECT_EQ(text, "") << code;
        }
    }
}
