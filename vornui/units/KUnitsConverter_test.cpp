#include "vornui/units/KUnits.h"

#include <gtest/gtest.h>

// "\260" is the degree sign, byte 0xB0.

TEST(KUnitsConverter, PairsUnitsOfOneKindThroughTheBaseUnit) {
    KUnits kilometre(0x102), feet(0x105);
    const KUnits::Converter toFeet(kilometre, feet);
    EXPECT_EQ(toFeet.X(1), 1000 * 3.280839895013123);
    EXPECT_EQ(toFeet.get_dScaleFactor(), 1000 * 3.280839895013123);
    double result = 0;
    toFeet.X(2, result);
    EXPECT_EQ(result, 2 * toFeet.get_dScaleFactor());

    KUnits knot(0x202), kmh(0x203);
    EXPECT_DOUBLE_EQ(KUnits::Converter(knot, kmh).X(10), 10 * 0.5144444444444445 * 3.6);

    KUnits ppm(0x1201), ppb(0x1202);
    EXPECT_DOUBLE_EQ(KUnits::Converter(ppm, ppb).X(1), 1000);
    KUnits second(0x331), clock(0x334);
    EXPECT_EQ(KUnits::Converter(second, clock).X(5), 5);
    KUnits pascal(0x401), bar(0x403);
    EXPECT_DOUBLE_EQ(KUnits::Converter(pascal, bar).X(250000), 2.5);

    KUnits longKp, shortKp;
    longKp.InitStation(0x141, 1000);
    shortKp.InitStation(0x141, 1);
    EXPECT_EQ(KUnits::Converter(longKp, shortKp).X(1), 1000);
}

TEST(KUnitsConverter, XFormatPrintsInTheTargetNotation) {
    KUnits radians(0x302), dms(0x309);
    CString text;
    KUnits::Converter(radians, dms).XFormat(-0.5, text);
    EXPECT_EQ(text, "-028\26038'52.40\"");
    KUnits metre(0x101), stations;
    stations.InitStation(0x143, 1000);
    EXPECT_THROW(KUnits::Converter(metre, stations), KUnits::Converter*);
    KUnits kp;
    kp.InitStation(0x141, 1000);
    KUnits::Converter(kp, stations).XFormat(1.23456, text);
    EXPECT_EQ(text, "12+34.6");
}

TEST(KUnitsConverter, MismatchedKindsThrowTheConverter) {
    KUnits rangeMetre(0x101), depthMetre(0x151), none, integer(0x51), datum(0x501);
    EXPECT_THROW(KUnits::Converter(rangeMetre, depthMetre), KUnits::Converter*);
    EXPECT_THROW(KUnits::Converter(none, none), KUnits::Converter*);
    EXPECT_THROW(KUnits::Converter(integer, integer), KUnits::Converter*);
    EXPECT_THROW(KUnits::Converter(datum, datum), KUnits::Converter*);

    KUnits from(0x102), to(0x101);
    KUnits::Converter converter(from, to);
    from.InitDepth(0x151);
    KUnits::Converter* thrown = nullptr;
    try {
        converter.Reset();
    } catch (KUnits::Converter* failed) {
        thrown = failed;
    }
    EXPECT_EQ(thrown, &converter);
    EXPECT_EQ(converter.X(1), 1000); // the previous factors stay
}

TEST(KUnitsConverter, UnitChangesCountOnlyAfterReset) {
    KUnits from(0x102), to(0x101);
    KUnits::Converter converter(from, to);
    from.InitRange(0x10A);
    EXPECT_EQ(converter.X(1), 1000);
    converter.Reset();
    EXPECT_EQ(converter.X(1), 0.01);

    KUnits otherFrom(0x101), otherTo(0x101);
    KUnits::Converter copy(otherFrom, otherTo);
    copy = converter; // the copy now refers to from and to
    EXPECT_EQ(copy.X(1), 0.01);
    from.InitRange(0x10B);
    copy.Reset();
    EXPECT_EQ(copy.X(1), 0.001);
}
