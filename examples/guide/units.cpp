// Guide example: choosing a unit, printing values in it, reading a typed value back, and
// showing the library's code page 1252 text on a UTF-8 terminal.
#include "vornui/vornui.h"

#include <charconv>
#include <cstdio>
#include <cstring>

// Library text is code page 1252; a UTF-8 terminal needs it converted first.
void Show(const char* what, const CString& text) {
    std::printf("%-34s %s\n", what, Utf8From1252(text.GetString()).c_str());
}

int main() {
    CString text;

    // A depth unit chosen by its code; values go in as metres.
    KUnits depth;
    depth.InitDepth(KUnits::eDEPTH_INT_FEET);
    depth.FormatM2DepthUnit(12.5, text);
    Show("12.5 m in feet:", text);
    depth.FormatM2DepthUnitSymbol(12.5, text);
    Show("the same with its label:", text);

    // A code of another kind is refused: the kind's "(default)" unit is held instead.
    const int accepted = depth.InitDepth(KUnits::eSPEED_KNOT);
    std::printf("%-34s %d, now holding 0x%X\n", "InitDepth(knot) accepted:", accepted,
                depth.GetUnit());

    // Angles: 0 to 360 by default, -180 to 180 with the option set.
    KUnits heading;
    heading.InitDegree(KUnits::eDEGREE_DEGREES, FALSE);
    heading.FormatDegrees2DegreeUnitSymbol(-90, text);
    Show("-90 degrees, 0 to 360:", text);
    heading.InitDegree(KUnits::eDEGREE_DEGREES, TRUE);
    heading.FormatDegrees2DegreeUnitSymbol(270, text);
    Show("270 degrees, -180 to 180:", text);

    // The notations print no sign; the affix rule adds one.
    KUnits longitude(KUnits::eDEGREE_DMS);
    longitude.FormatDegrees2DegreeUnit(-4.5125, text);
    Show("-4.5125 in DDDMMSS.ss:", text);
    KUnits eastWest(KUnits::eAFFIX_SUFFIX_EW);
    eastWest.FormatAffixUnit(-4.5125, text);
    Show("with the E/W suffix:", text);
    longitude.FormatDefault2Unit(-4.5125, text);
    Show("FormatDefault2Unit (minus prefix):", text);

    // Clock times fold whole days out of the hours unless told not to.
    KUnits clock;
    clock.InitTime(KUnits::eTIME_HOUR_MIN_SEC, FALSE);
    clock.FormatSeconds2TimeUnit(90061, text);
    Show("90061 s as h:m:s:", text);

    // Stations of 100 m along a line whose station length is 1000 m.
    KUnits chainage;
    chainage.InitStation(KUnits::eSTATION_STATIONS, 1000.0);
    chainage.FormatM2StationUnit(1234.56, text);
    Show("1234.56 m in stations:", text);

    // KUnits prints only. A value the user typed in the unit is read by the host and
    // turned into the base unit with the unit's factor (from_chars ignores the locale).
    const char typed[] = "41.0";
    double feet = 0;
    std::from_chars(typed, typed + std::strlen(typed), feet);
    depth.InitDepth(KUnits::eDEPTH_INT_FEET);
    std::printf("%-34s %.4f m\n", "41.0 typed in feet is:", feet * depth.GetDepthUnit2M());

    // From one unit to another of the same kind in one multiplication.
    KUnits knots(KUnits::eSPEED_KNOT), kmh(KUnits::eSPEED_KMH);
    KUnits::Converter toKmh(knots, kmh);
    toKmh.XFormat(10.0, text);
    Show("10 kt in km/h:", text);

    // The degree sign is one byte, 0xB0, in every label and notation.
    CString label;
    KUnits::GetUnit(KUnits::eDEGREE_DEGREES, label, FALSE);
    std::printf("%-34s %d byte, 0x%02X\n", "label of \"Degrees\":", label.GetLength(),
                static_cast<unsigned char>(label.GetAt(0)));

    // The names and labels a unit chooser offers.
    for (unsigned short code = KUnits::eDEPTH_METER; code <= KUnits::eDEPTH_FATHOM; ++code) {
        CString name;
        KUnits::GetUnitFace(code, name, FALSE);
        KUnits::GetUnit(code, label, FALSE);
        std::printf("  0x%03X  %-22s %s\n", code, name.GetString(), label.GetString());
    }
    return 0;
}
