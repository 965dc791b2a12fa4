#include "vornui/units/KUnits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <stdexcept>
#include <vector>

namespace {

// The thirteen tables are protected class constants, reachable from a derived class as
// a host's own unit class would reach them.
struct Catalogue : KUnits {
    using KUnits::g_lpzAffixUnits;
    using KUnits::g_lpzBaseTypeUnits;
    using KUnits::g_lpzDatumUnits;
    using KUnits::g_lpzDegreeUnits;
    using KUnits::g_lpzDepthUnits;
    using KUnits::g_lpzPositionUnits;
    using KUnits::g_lpzPressureUnits;
    using KUnits::g_lpzRangeUnits;
    using KUnits::g_lpzScaleUnits;
    using KUnits::g_lpzSpeedUnits;
    using KUnits::g_lpzStateUnits;
    using KUnits::g_lpzStationUnits;
    using KUnits::g_lpzTimeUnits;
};

static_assert(sizeof(KUnits::tag_sUnitDesc::szName) == 40);
static_assert(sizeof(KUnits::tag_sUnitDesc::szLabel) == 10);
static_assert(sizeof(KUnits::tag_sUnitDesc::szFormat) == 30);

using Getter = double (KUnits::*)() const;

const Getter kAllGetters[] = {
    &KUnits::GetM2RangeUnit,         &KUnits::GetRangeUnit2M,
    &KUnits::GetM2StationUnit,       &KUnits::GetStationUnit2M,
    &KUnits::GetM2DepthUnit,         &KUnits::GetDepthUnit2M,
    &KUnits::GetM2PositionUnit,      &KUnits::GetPositionUnit2M,
    &KUnits::GetMpS2SpeedUnit,       &KUnits::GetSpeedUnit2MpS,
    &KUnits::GetDegrees2DegreeUnit,  &KUnits::GetDegreeUnit2Degrees,
    &KUnits::GetSeconds2TimeUnit,    &KUnits::GetTimeUnit2Seconds,
    &KUnits::GetPascal2PressureUnit, &KUnits::GetPressureUnit2Pascal,
    &KUnits::GetUnity2ScaleUnit,     &KUnits::GetScaleUnit2Unity,
};

struct ExpectedRow {
    unsigned short code;
    const char* name;
    const char* label;
    const char* format;
    double fromBase; // for kilometre points and stations: with a station length of 1
    double toBase;
};

struct ExpectedTable {
    unsigned short first;
    std::span<const KUnits::tag_sUnitDesc> constant;
    std::vector<Getter> fromBaseGetters; // getters that answer the row's "from base" factor
    std::vector<Getter> toBaseGetters;
};

const ExpectedTable kExpectedTables[] = {
    {0x50, Catalogue::g_lpzBaseTypeUnits, {}, {}},
    {0x90, Catalogue::g_lpzStateUnits, {}, {}},
    {0x100, Catalogue::g_lpzRangeUnits, {&KUnits::GetM2RangeUnit}, {&KUnits::GetRangeUnit2M}},
    {0x140,
     Catalogue::g_lpzStationUnits,
     {&KUnits::GetM2RangeUnit, &KUnits::GetM2StationUnit},
     {&KUnits::GetRangeUnit2M, &KUnits::GetStationUnit2M}},
    {0x150,
     Catalogue::g_lpzDepthUnits,
     {&KUnits::GetM2RangeUnit, &KUnits::GetM2DepthUnit},
     {&KUnits::GetDepthUnit2M}},
    {0x200, Catalogue::g_lpzSpeedUnits, {&KUnits::GetMpS2SpeedUnit}, {&KUnits::GetSpeedUnit2MpS}},
    {0x300,
     Catalogue::g_lpzDegreeUnits,
     {&KUnits::GetDegrees2DegreeUnit},
     {&KUnits::GetDegreeUnit2Degrees}},
    {0x330,
     Catalogue::g_lpzTimeUnits,
     {&KUnits::GetSeconds2TimeUnit},
     {&KUnits::GetTimeUnit2Seconds}},
    {0x360,
     Catalogue::g_lpzPositionUnits,
     {&KUnits::GetM2PositionUnit},
     {&KUnits::GetPositionUnit2M}},
    {0x400,
     Catalogue::g_lpzPressureUnits,
     {&KUnits::GetPascal2PressureUnit},
     {&KUnits::GetPressureUnit2Pascal}},
    {0x500, Catalogue::g_lpzDatumUnits, {}, {}},
    {0x1000, Catalogue::g_lpzAffixUnits, {}, {}},
    {0x1200,
     Catalogue::g_lpzScaleUnits,
     {&KUnits::GetUnity2ScaleUnit},
     {&KUnits::GetScaleUnit2Unity}},
};

// Every row of every table, in table order.
const ExpectedRow kExpectedRows[] = {
    {0x50, "(default)", "", "%d", 1.0, 1.0},
    {0x51, "integer", "", "%d", 1.0, 1.0},
    {0x52, "integer02", "", "%02d", 1.0, 1.0},
    {0x53, "integer04", "", "%04d", 1.0, 1.0},
    {0x54, "double", "", "%1.0f", 1.0, 1.0},
    {0x55, "double11", "", "%1.1f", 1.0, 1.0},
    {0x56, "double12", "", "%1.2f", 1.0, 1.0},
    {0x57, "double13", "", "%1.3f", 1.0, 1.0},
    {0x58, "double14", "", "%1.4f", 1.0, 1.0},
    {0x59, "double15", "", "%1.5f", 1.0, 1.0},
    {0x5A, "double16", "", "%1.6f", 1.0, 1.0},
    {0x5B, "double17", "", "%1.7f", 1.0, 1.0},
    {0x5C, "double18", "", "%1.8f", 1.0, 1.0},
    {0x90, "(default)", "(default)", "%s", 1.0, 1.0},
    {0x91, "On", "On", "%s", 1.0, 1.0},
    {0x92, "Off", "Off", "%s", 1.0, 1.0},
    {0x100, "(default)", "(default)", "%1.2f", 1.0, 1.0},
    {0x101, "Meter", "m", "%1.2f", 1.0, 1.0},
    {0x102, "Kilometer", "km", "%1.3f", 0.001, 1000.0},
    {0x103, "Mile (Nautical Int.)", "NM", "%1.4f", 0.0005399568034557, 1852.0},
    {0x104, "Mile (International)", "mi", "%1.4f", 0.0006213711922373339, 1609.344},
    {0x105, "Feet (International)", "ft", "%1.2f", 3.280839895013123, 0.3048},
    {0x106, "Feet (US Survey)", "ft", "%1.2f", 3.280833333346456, 0.3048006096},
    {0x107, "Yard (International)", "yd", "%1.2f", 1.0936132983377078, 0.9144},
    {0x108, "Fathom", "fth", "%1.2f", 0.5468066527777777, 1.8287999879299202},
    {0x109, "Meter (3 dec.)", "m", "%1.3f", 1.0, 1.0},
    {0x10A, "Centimeter", "cm", "%1.2f", 100.0, 0.01},
    {0x10B, "Millimeter", "mm", "%1.2f", 1000.0, 0.001},
    {0x140, "(default)", "(default)", "%1.4f", 1.0, 1.0},
    {0x141, "Kilometer point", "kp", "%1.4f", 1.0, 1.0},
    {0x142, "(unitless)", "", "%1.4f", 1.0, 1.0},
    {0x143, "Stations", "stat", "%d%c%02.1f", 1000.0, 0.001},
    {0x144, "Chainage", "ch", "%1.4f", 1.0, 1.0},
    {0x145, "Kilometer point (3 dec.)", "kp", "%1.3f", 1.0, 1.0},
    {0x146, "Kilometer point (6 dec.)", "kp", "%1.6f", 1.0, 1.0},
    {0x150, "(default)", "(default)", "%1.2f", 1.0, 1.0},
    {0x151, "Meter", "m", "%1.2f", 1.0, 1.0},
    {0x152, "Kilometer", "km", "%1.3f", 0.001, 1000.0},
    {0x153, "Feet (International)", "ft", "%1.2f", 3.280839895013123, 0.3048},
    {0x154, "Feet (US Survey)", "ft", "%1.2f", 3.280833333346456, 0.3048006096},
    {0x155, "Yard (International)", "yd", "%1.2f", 1.0936132983377078, 0.9144},
    {0x156, "Fathom", "fth", "%1.2f", 0.5468066527777777, 1.8287999879299202},
    {0x360, "(default)", "(default)", "%1.2f", 1.0, 1.0},
    {0x361, "Meter", "m", "%1.2f", 1.0, 1.0},
    {0x362, "Kilometer", "km", "%1.3f", 0.001, 1000.0},
    {0x363, "Mile (Nautical Int.)", "NM", "%1.4f", 0.0005399568034557, 1852.0},
    {0x364, "Mile (International)", "mi", "%1.4f", 0.0006213711922373339, 1609.344},
    {0x365, "Feet (International)", "ft", "%1.2f", 3.280839895013123, 0.3048},
    {0x366, "Feet (US Survey)", "ft", "%1.2f", 3.280833333346456, 0.3048006096},
    {0x367, "Yard (International)", "yd", "%1.2f", 1.0936132983377078, 0.9144},
    {0x368, "Fathom", "fth", "%1.2f", 0.5468066527777777, 1.8287999879299202},
    {0x200, "(default)", "(default)", "%1.2f", 1.0, 1.0},
    {0x201, "Meters/Second", "mps", "%1.2f", 1.0, 1.0},
    {0x202, "Knot", "kt", "%1.3f", 1.9438444924406046, 0.5144444444444445},
    {0x203, "Kilometers/Hour", "km/h", "%1.3f", 3.6, 0.2777777777777778},
    {0x204, "Miles/Hour (Nautical Int.)", "mph", "%1.2f", 1.9438444924406046, 0.5144444444444445},
    {0x205, "Feet/Second (International)", "fps", "%1.2f", 3.280839895013123, 0.3048},
    {0x206, "Miles/Hour (International)", "mph", "%1.2f", 2.2369362920544025, 0.44704},
    {0x207, "Feet/Second (US Survey)", "fps", "%1.2f", 3.280833333346456, 0.3048006096},
    {0x208, "Meters/Minute", "mpm", "%1.2f", 60.0, 0.016666666666666666},
    {0x300, "(default)", "(default)", "%1.2f", 1.0, 1.0},
    {0x301, "Degrees", "\xB0", "%1.2f", 1.0, 1.0},
    {0x302, "Radians", "rad", "%1.10f", 0.017453292519943295, 57.29577951308232},
    {0x303, "Minutes", "'", "%1.6f", 60.0, 0.016666666666666666},
    {0x304, "Seconds", "\"", "%1.6f", 3600.0, 0.0002777777777777778},
    {0x305, "Milli-Arc Seconds", "mas", "%1.4f", 3600000.0, 2.7777777777777776e-07},
    {0x306, "Gon Grade", "g", "%1.2f", 1.1111111111111112, 0.8999999999999999},
    {0x307, "Centigon Grade", "cg", "%1.2f", 111.11111111111111, 0.009},
    {0x308, "Mil", "mil", "%1.2f", 17.77777777777778, 0.05625},
    {0x309, "DDDMMSS.ss", "dms", "%03dd%02d'%05.2f\"", 1.0, 1.0},
    {0x30A, "DDDMM.mmmm", "dm", "%03dd%07.4f'", 1.0, 1.0},
    {0x30B, "DDD.dddddddd", "\xB0", "%1.8f", 1.0, 1.0},
    {0x330, "(default)", "(default)", "%1.2f", 1.0, 1.0},
    {0x331, "Second", "s", "%1.0f", 1.0, 1.0},
    {0x332, "Second.second", "s.s", "%1.3f", 1.0, 1.0},
    {0x333, "Minute Second", "m:s", "%02d:%02d", 1.0, 1.0},
    {0x334, "Hour Minute Second", "h:m:s", "%02d:%02d:%02d", 1.0, 1.0},
    {0x335, "Hour Minute.minute", "h:m.m", "%02d:%05.2f", 1.0, 1.0},
    {0x336, "Hour Minute", "h:m", "%02d:%02.0f", 1.0, 1.0},
    {0x400, "(default)", "(default)", "%1.0f", 1.0, 1.0},
    {0x401, "Pascal", "Pa", "%1.0f", 1.0, 1.0},
    {0x402, "HectoPascal", "hPa", "%1.1f", 0.01, 100.0},
    {0x403, "Bar", "Bar", "%1.1f", 1e-05, 100000.0},
    {0x404, "MilliBar", "mBar", "%1.3f", 0.01, 100.0},
    {0x405, "Atmosphere", "ATM", "%1.3f", 9.869232667160129e-06, 101325.0},
    {0x406, "Pound/Square Inch", "PSI", "%1.3f", 0.00014503774978734854, 6894.75672},
    {0x407, "Millimeter Mercury", "mmHg", "%1.0f", 0.0075006150504341364, 133.3224},
    {0x408, "Inch Mercury", "\"Hg", "%1.0f", 0.0002952998016471232, 3386.389},
    {0x1200, "(default)", "(default)", "%1.4f", 1000000.0, 1e-06},
    {0x1201, "ppm (part per million)", "ppm", "%1.4f", 1000000.0, 1e-06},
    {0x1202, "ppb (part per billion)", "ppb", "%1.4f", 1000000000.0, 1e-09},
    {0x500, "(default)", "(default)", "%s", 1.0, 1.0},
    {0x501, "User datum", "ud", "%s", 1.0, 1.0},
    {0x502, "WGS 84", "84", "%s", 1.0, 1.0},
    {0x1000, "(default)", "(default)", "%c", 1.0, 1.0},
    {0x1001, "Prefix Minus", "pfxMinus", "%c", 1.0, 1.0},
    {0x1002, "Prefix Sign", "pfxSign", "%c", 1.0, 1.0},
    {0x1003, "Prefix E/W", "pfxEW", "%c", 1.0, 1.0},
    {0x1004, "Prefix N/S", "pfxNS", "%c", 1.0, 1.0},
    {0x1005, "Suffix E/W", "EWsfx", "%c", 1.0, 1.0},
    {0x1006, "Suffix N/S", "NSsfx", "%c", 1.0, 1.0},
};

const ExpectedTable& TableOf(unsigned short code) {
    for (const ExpectedTable& table : kExpectedTables) {
        if (code >= table.first && code < table.first + table.constant.size())
            return table;
    }
    throw std::out_of_range("no table holds the code");
}

double ExpectedFactor(Getter getter, const ExpectedTable& table, const ExpectedRow& row) {
    if (std::ranges::count(table.fromBaseGetters, getter))
        return row.fromBase;
    if (std::ranges::count(table.toBaseGetters, getter))
        return row.toBase;
    return 1.0;
}

} // namespace

TEST(KUnitsCatalogue, EveryRowOfEveryTableIsExact) {
    size_t rowsPerTable = 0;
    for (const ExpectedTable& table : kExpectedTables)
        rowsPerTable += table.constant.size();
    EXPECT_EQ(rowsPerTable, std::size(kExpectedRows));
    for (const ExpectedRow& row : kExpectedRows) {
        SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << row.code);
        const ExpectedTable& table = TableOf(row.code);
        const KUnits::tag_sUnitDesc& stored = table.constant[row.code - table.first];
        EXPECT_STREQ(stored.szName, row.name);
        EXPECT_STREQ(stored.szLabel, row.label);
        EXPECT_STREQ(stored.szFormat, row.format);
        EXPECT_EQ(KUnits::GetMetaUnit(row.code), table.first);

        CString text;
        KUnits::GetUnitFace(row.code, text, 1);
        EXPECT_EQ(text, row.name);
        KUnits::GetUnit(row.code, text, 1);
        EXPECT_EQ(text, row.label);
        EXPECT_EQ(KUnits::GetUnitFormatString(row.code, text), 1);
        EXPECT_EQ(text, row.format);

        const KUnits unit(row.code);
        EXPECT_EQ(unit.GetUnit(), row.code);
        for (Getter getter : kAllGetters)
            EXPECT_EQ((unit.*getter)(), ExpectedFactor(getter, table, row));
    }
}

TEST(KUnitsCatalogue, KindsAreDisjointBlocksPlusLegacyCodes) {
    int (*const kindTests[])(unsigned short) = {
        KUnits::IsARangeUnit,    KUnits::IsAStationUnit,  KUnits::IsADepthUnit,
        KUnits::IsASpeedUnit,    KUnits::IsADegreeUnit,   KUnits::IsATimeUnit,
        KUnits::IsAPositionUnit, KUnits::IsAPressureUnit, KUnits::IsAScaleUnit,
        KUnits::IsADatumUnit,    KUnits::IsAStateUnit,    KUnits::IsAAffixUnit,
        KUnits::IsABaseTypeUnit};
    int validCodes = 0;
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        const auto unit = static_cast<unsigned short>(code);
        const auto kinds = std::ranges::count_if(kindTests, [&](auto test) { return test(unit); });
        ASSERT_LE(kinds, 1) << code;
        EXPECT_EQ(KUnits::IsAValidUnit(unit), kinds);
        EXPECT_EQ(KUnits::GetMetaUnit(unit) != 0, kinds == 1);
        EXPECT_EQ(KUnits::IsABaseTypeUnit(unit),
                  KUnits::IsAIntegerUnit(unit) || KUnits::IsADoubleUnit(unit));
        validCodes += KUnits::IsAValidUnit(unit);
    }
    EXPECT_EQ(validCodes, 101 + 18);
    for (unsigned short legacy = 1; legacy <= 7; ++legacy)
        EXPECT_EQ(KUnits::GetMetaUnit(legacy), 0x100);
    EXPECT_EQ(KUnits::GetMetaUnit(8), 0x140);
    EXPECT_EQ(KUnits::GetMetaUnit(12), 0x200);
    EXPECT_EQ(KUnits::GetMetaUnit(14), 0x300);
    EXPECT_EQ(KUnits::GetMetaUnit(18), 0x330);
    EXPECT_FALSE(KUnits::IsAValidUnit(0x10C));
    EXPECT_FALSE(KUnits::IsAValidUnit(0x147));
    EXPECT_TRUE(KUnits::IsAIntegerUnit(0x53));
    EXPECT_TRUE(KUnits::IsADoubleUnit(0x54));
}

TEST(KUnitsCatalogue, StoredFactorsKeepTheirOwnDoubles) {
    const double gonToDegree = Catalogue::g_lpzDegreeUnits[6].dToBase;
    EXPECT_NE(gonToDegree, 0.9);
    EXPECT_EQ(gonToDegree, std::nextafter(0.9, 0.0));
    EXPECT_EQ(std::string(Catalogue::g_lpzDegreeUnits[1].szLabel), std::string(1, '\xB0'));
}
