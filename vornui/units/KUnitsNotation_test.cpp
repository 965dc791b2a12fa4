// Degree notations near every minute and degree boundary: no field may ever show sixty,
// and the text must stay the nearest value the notation can show.
#include "vornui/units/KUnits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string_view>

// "\260" is the degree sign, byte 0xB0.

namespace {

double Number(std::string_view text) {
    double value = -1;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    return value;
}

struct Notation {
    unsigned short code;
    double resolution; // degrees per last printed digit
    // Checks the layout of one text and returns the angle it shows.
    double (*read)(std::string_view text);
};

// "DDD°MM'SS.ss"" with minutes and seconds below sixty.
double ReadDms(std::string_view text) {
    EXPECT_EQ(text.size(), 13u) << text;
    if (text.size() != 13u)
        return -1;
    EXPECT_EQ(text[3], '\260');
    EXPECT_EQ(text.substr(6, 1), "'");
    EXPECT_EQ(text.substr(12), "\"");
    const double minutes = Number(text.substr(4, 2));
    const double seconds = Number(text.substr(7, 5));
    EXPECT_LT(minutes, 60) << text;
    EXPECT_LT(seconds, 60) << text;
    return Number(text.substr(0, 3)) + minutes / 60 + seconds / 3600;
}

// "DDD°MM.mmmm'" with minutes below sixty.
double ReadDm(std::string_view text) {
    EXPECT_EQ(text.size(), 12u) << text;
    if (text.size() != 12u)
        return -1;
    EXPECT_EQ(text[3], '\260');
    EXPECT_EQ(text.substr(11), "'");
    const double minutes = Number(text.substr(4, 7));
    EXPECT_LT(minutes, 60) << text;
    return Number(text.substr(0, 3)) + minutes / 60;
}

const Notation kNotations[] = {
    {0x309, 0.01 / 3600, ReadDms},
    {0x30A, 0.0001 / 60, ReadDm},
};

// Half-steps of the resolution on both sides of a boundary reach every rounding edge.
constexpr int kHalfSteps = 6;

void SweepBoundary(const Notation& notation, const KUnits& unit, double boundary) {
    for (int step = -kHalfSteps; step <= kHalfSteps; ++step) {
        const double angle = boundary + step * notation.resolution / 2;
        CString text;
        unit.FormatDegrees2DegreeUnit(angle, text);
        const double shown = notation.read(text.view());
        const double expected = std::fabs(angle >= 360 ? angle - 360 : angle);
        ASSERT_NEAR(shown, expected, notation.resolution / 2 + 1e-10)
            << "angle " << angle << " printed " << text.GetString();

        CString signedText;
        unit.FormatDefault2Unit(-angle, signedText);
        ASSERT_EQ(signedText.view(), (angle > 0 ? "-" : "") + text.str());
    }
}

} // namespace

TEST(KUnitsNotation, NoFieldEverShowsSixtyNearAnyBoundary) {
    for (const Notation& notation : kNotations) {
        const KUnits unit(notation.code);
        for (int degree = 0; degree < 360; ++degree) {
            for (int minute = 0; minute < 60; ++minute)
                SweepBoundary(notation, unit, degree + minute / 60.0);
        }
        SweepBoundary(notation, unit, 360.0);
    }
}

TEST(KUnitsNotation, RoundedFieldsCarryIntoTheNextField) {
    CString text;
    KUnits(0x309).FormatDegrees2DegreeUnit(10.999999, text);
    EXPECT_EQ(text, "011\26000'00.00\"");
    KUnits(0x309).FormatDegrees2DegreeUnit(10.5 - 0.001 / 3600, text);
    EXPECT_EQ(text, "010\26030'00.00\"");
    KUnits(0x309).FormatDegrees2DegreeUnit(10.5 - 0.006 / 3600, text);
    EXPECT_EQ(text, "010\26029'59.99\"");
    KUnits(0x30A).FormatDegrees2DegreeUnit(-10.9999999, text);
    EXPECT_EQ(text, "011\26000.0000'");
    KUnits(0x30A).FormatDegrees2DegreeUnit(359.9999999, text);
    EXPECT_EQ(text, "360\26000.0000'");
}
