#include "tests/ScopedNumericLocale.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/properties/KPropWnd.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Texts below are written with '.' as the decimal separator; this puts the locale's in.
CString Local(const char* text) {
    std::string local(text);
    for (char& ch : local)
        if (ch == '.')
            ch = KPropWnd::DecimalSeparator();
    return CString(local.c_str());
}

constexpr int kPrefix = KPropWnd::eSignPrefix;
constexpr int kSuffix = KPropWnd::eSignSuffix;

void ExpectNumberTexts() {
    // Thousands grouped leftwards from the decimal separator, never right after a '-'.
    EXPECT_EQ(KPropWnd::FormatThousands(1234567.891, 2, '\''), Local("1'234'567.89"));
    EXPECT_EQ(KPropWnd::FormatThousands(-123456, 0, '\''), "-123'456");
    EXPECT_EQ(KPropWnd::FormatThousands(-123.5, 1, '\''), Local("-123.5"));
    EXPECT_EQ(KPropWnd::FormatThousands(1234.5, 1, 0), Local("1234.5"));
    // A fixed count of significant digits, trailing zeros and separator dropped.
    EXPECT_EQ(KPropWnd::FormatDigits(3.14159, 4), Local("3.142"));
    EXPECT_EQ(KPropWnd::FormatDigits(-12.5, 4), Local("-12.5"));
    EXPECT_EQ(KPropWnd::FormatDigits(0.05, 3), Local("0.05"));
    EXPECT_EQ(KPropWnd::FormatDigits(0.5, 3), Local("0.5"));
    EXPECT_EQ(KPropWnd::FormatDigits(0.0123, 3), Local("0.01"));
    EXPECT_EQ(KPropWnd::FormatDigits(9.9996, 3), "10");
    EXPECT_EQ(KPropWnd::FormatDigits(100, 3), "100");
    EXPECT_EQ(KPropWnd::FormatDigits(123456.7, 3), "123457");
    EXPECT_EQ(KPropWnd::FormatDigits(0, 2), "0");
}

void ExpectAngleTexts() {
    // The minutes and seconds come from one integer count, carries included.
    EXPECT_EQ(KPropWnd::FormatAngle(12.9999999, KPropWnd::eDegreesMinutes, "", "", kPrefix),
              Local("012\xB0 59.999994'"));
    EXPECT_EQ(KPropWnd::FormatAngle(12.999999999, KPropWnd::eDegreesMinutes, "", "", kPrefix),
              "013\xB0 00'");
    EXPECT_EQ(KPropWnd::FormatAngle(-55.675, KPropWnd::eDegreesSeconds, "S", "N", kSuffix),
              "055\xB0 40' 30\" S");
    EXPECT_EQ(KPropWnd::FormatAngle(55.675138888889, KPropWnd::eDegreesSeconds, "S", "N", kSuffix),
              Local("055\xB0 40' 30.5\" N"));
    EXPECT_EQ(KPropWnd::FormatAngle(-12.5, KPropWnd::eDegrees6, "-", "", kPrefix),
              Local("-12.5\xB0"));
    EXPECT_EQ(KPropWnd::FormatAngle(12.5, KPropWnd::eDegrees6, "W", "E", kPrefix),
              Local("E 12.5\xB0"));
    EXPECT_EQ(KPropWnd::FormatAngle(10, KPropWnd::eDegrees3, "", "", kPrefix), "10\xB0");
    EXPECT_EQ(KPropWnd::FormatAngle(0.1234567891, KPropWnd::eDegrees9, "", "", kPrefix),
              Local("0.123456789\xB0"));
    EXPECT_EQ(KPropWnd::FormatAngle(-180, KPropWnd::eRadians, "S", "N", kSuffix),
              Local("-3.1415926536 rad"));
    EXPECT_EQ(KPropWnd::FormatAngle(1.5, 6, "S", "N", kSuffix), Local("1.500000"));
    EXPECT_EQ(KPropWnd::AngleNotationNames[KPropWnd::eDegreesSeconds], CString("DD\xB0MM'SS.ss\""));

    double value = 99;
    // Either mark reads as the decimal separator, whatever the locale.
    EXPECT_TRUE(
        KPropWnd::ParseAngle("55 40 30.5 N", KPropWnd::eDegreesSeconds, "S", "N", kSuffix, value));
    EXPECT_NEAR(value, 55.675138888888, 1e-9);
    EXPECT_TRUE(KPropWnd::ParseAngle("055\xB0 40' 30\" S", KPropWnd::eDegreesSeconds, "S", "N",
                                     kSuffix, value));
    EXPECT_NEAR(value, -55.675, 1e-12);
    EXPECT_TRUE(
        KPropWnd::ParseAngle("-12 30", KPropWnd::eDegreesMinutes, "S", "N", kPrefix, value));
    EXPECT_DOUBLE_EQ(value, -12.5);
    // Missing parts are absent, not zero.
    EXPECT_TRUE(KPropWnd::ParseAngle("12,25", KPropWnd::eDegrees6, "", "", kPrefix, value));
    EXPECT_DOUBLE_EQ(value, 12.25);
    EXPECT_TRUE(KPropWnd::ParseAngle("S 12.25", KPropWnd::eDegrees6, "S", "N", kPrefix, value));
    EXPECT_DOUBLE_EQ(value, -12.25);
    EXPECT_TRUE(KPropWnd::ParseAngle(Local("3.1415926536 rad"), KPropWnd::eRadians, "", "", kPrefix,
                                     value));
    EXPECT_NEAR(value, 180, 1e-8);
    // Failures leave the value alone.
    value = 7;
    for (const char* text : {"", "N", " .,", "deg"})
        EXPECT_FALSE(
            KPropWnd::ParseAngle(text, KPropWnd::eDegreesMinutes, "S", "N", kSuffix, value))
            << text;
    EXPECT_FALSE(KPropWnd::ParseAngle("rad", KPropWnd::eRadians, "", "", kPrefix, value));
    EXPECT_EQ(value, 7);
}

void ExpectPositionTexts() {
    EXPECT_EQ(KPropWnd::FormatGridPosition(512345.67, 6123456.78), Local("E512345.67 N6123456.78"));
    double east = 1;
    double north = 2;
    EXPECT_TRUE(KPropWnd::ParseGridPosition(Local("512345.67 6123456.78"), east, north));
    EXPECT_DOUBLE_EQ(east, 512345.67);
    EXPECT_DOUBLE_EQ(north, 6123456.78);
    EXPECT_TRUE(KPropWnd::ParseGridPosition(Local("E100.5 N200"), east, north));
    EXPECT_DOUBLE_EQ(east, 100.5);
    EXPECT_DOUBLE_EQ(north, 200);
    EXPECT_FALSE(KPropWnd::ParseGridPosition("E100", east, north));
    EXPECT_FALSE(KPropWnd::ParseGridPosition("east", east, north));
    EXPECT_DOUBLE_EQ(east, 100.5);

    const CString geo = KPropWnd::FormatGeoPosition(55.675138888889, -3.5);
    EXPECT_EQ(geo, Local("055\xB0"
                         "40'30.5\"N 003\xB0"
                         "30'00\"W"));
    double latitude = 0;
    double longitude = 0;
    ASSERT_TRUE(KPropWnd::ParseGeoPosition(geo, latitude, longitude));
    EXPECT_NEAR(latitude, 55.675138888889, 1e-9);
    EXPECT_NEAR(longitude, -3.5, 1e-12);
    // Without an N the text is split at its middle space.
    ASSERT_TRUE(KPropWnd::ParseGeoPosition(" 12 30 S 3 30 E ", latitude, longitude));
    EXPECT_DOUBLE_EQ(latitude, -12.5);
    EXPECT_DOUBLE_EQ(longitude, 3.5);
    for (const char* text : {"55N3E", "55 40S 3 30 E", "1 N", "N x", ""})
        EXPECT_FALSE(KPropWnd::ParseGeoPosition(text, latitude, longitude)) << text;
    EXPECT_DOUBLE_EQ(latitude, -12.5);
}

void ExpectValueTexts() {
    ExpectNumberTexts();
    ExpectAngleTexts();
    ExpectPositionTexts();
}

} // namespace

TEST(PropertyValueTexts, FollowTheCLocale) {
    ASSERT_EQ(KPropWnd::DecimalSeparator(), '.');
    ExpectValueTexts();
}

TEST(PropertyValueTexts, FollowADecimalCommaLocale) {
    ScopedCommaLocale comma;
    if (!comma.IsActive())
        GTEST_SKIP() << "no decimal-comma locale is installed (de_DE.UTF-8 or fr_FR.UTF-8)";
    ASSERT_EQ(KPropWnd::DecimalSeparator(), ',');
    ExpectValueTexts();
}

namespace {

// Shortening one step at a time, as the rule reads.
CString FittedStepByStep(CDC& dc, CString text, int width) {
    if (width < 1)
        return CString();
    while (dc.GetTextExtent(text).cx > width) {
        if (text.GetLength() >= 4)
            text = text.Left(text.GetLength() - 4) + "...";
        else
            text = CString('.', text.GetLength() - 1);
    }
    return text;
}

} // namespace

TEST(PropertyValueTexts, FittingEndsWhereShorteningStepByStepWould) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CFont font;
    font.CreateFont(14, 0, 0, 0, 500, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma");
    dc.SelectObject(&font);
    for (const char* text : {"Feet (International)", "W", "abc", "Wide", "i", ""}) {
        const int full = dc.GetTextExtent(text).cx;
        for (int width = -1; width <= full + 2; ++width) {
            CString fitted = text;
            KPropWnd::FitTextToWidth(&dc, fitted, width);
            EXPECT_EQ(fitted, FittedStepByStep(dc, text, width)) << text << " in " << width;
        }
    }
}
