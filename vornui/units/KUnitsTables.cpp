// The unit catalogue. Programs exchange units as codes (row index plus the first code of
// the kind) and show these texts, so neither rows nor texts may move. Where the two
// factors of a row are not exact reciprocals, both stored doubles are the ones the suite
// has always used.
#include "vornui/units/KUnits.h"

const KUnits::tag_sUnitDesc KUnits::g_lpzBaseTypeUnits[13] = {
    {"(default)", "", "%d", 1.0, 1.0},   {"integer", "", "%d", 1.0, 1.0},
    {"integer02", "", "%02d", 1.0, 1.0}, {"integer04", "", "%04d", 1.0, 1.0},
    {"double", "", "%1.0f", 1.0, 1.0},   {"double11", "", "%1.1f", 1.0, 1.0},
    {"double12", "", "%1.2f", 1.0, 1.0}, {"double13", "", "%1.3f", 1.0, 1.0},
    {"double14", "", "%1.4f", 1.0, 1.0}, {"double15", "", "%1.5f", 1.0, 1.0},
    {"double16", "", "%1.6f", 1.0, 1.0}, {"double17", "", "%1.7f", 1.0, 1.0},
    {"double18", "", "%1.8f", 1.0, 1.0},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzStateUnits[3] = {
    {"(default)", "(default)", "%s", 1.0, 1.0},
    {"On", "On", "%s", 1.0, 1.0},
    {"Off", "Off", "%s", 1.0, 1.0},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzRangeUnits[12] = {
    {"(default)", "(default)", "%1.2f", 1.0, 1.0},
    {"Meter", "m", "%1.2f", 1.0, 1.0},
    {"Kilometer", "km", "%1.3f", 0.001, 1000.0},
    {"Mile (Nautical Int.)", "NM", "%1.4f", 0.0005399568034557, 1852.0},
    {"Mile (International)", "mi", "%1.4f", 0.0006213711922373339, 1609.344},
    {"Feet (International)", "ft", "%1.2f", 3.280839895013123, 0.3048},
    {"Feet (US Survey)", "ft", "%1.2f", 3.280833333346456, 0.3048006096},
    {"Yard (International)", "yd", "%1.2f", 1.0936132983377078, 0.9144},
    {"Fathom", "fth", "%1.2f", 0.5468066527777777, 1.8287999879299202},
    {"Meter (3 dec.)", "m", "%1.3f", 1.0, 1.0},
    {"Centimeter", "cm", "%1.2f", 100.0, 0.01},
    {"Millimeter", "mm", "%1.2f", 1000.0, 0.001},
};

// Kilometre-point and "Stations" factors are multiplied (to base) or divided (from base)
// by the station length of the object that uses them.
const KUnits::tag_sUnitDesc KUnits::g_lpzStationUnits[7] = {
    {"(default)", "(default)", "%1.4f", 1.0, 1.0},
    {"Kilometer point", "kp", "%1.4f", 1.0, 1.0},
    {"(unitless)", "", "%1.4f", 1.0, 1.0},
    {"Stations", "stat", "%d%c%02.1f", 1000.0, 0.001},
    {"Chainage", "ch", "%1.4f", 1.0, 1.0},
    {"Kilometer point (3 dec.)", "kp", "%1.3f", 1.0, 1.0},
    {"Kilometer point (6 dec.)", "kp", "%1.6f", 1.0, 1.0},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzDepthUnits[7] = {
    {"(default)", "(default)", "%1.2f", 1.0, 1.0},
    {"Meter", "m", "%1.2f", 1.0, 1.0},
    {"Kilometer", "km", "%1.3f", 0.001, 1000.0},
    {"Feet (International)", "ft", "%1.2f", 3.280839895013123, 0.3048},
    {"Feet (US Survey)", "ft", "%1.2f", 3.280833333346456, 0.3048006096},
    {"Yard (International)", "yd", "%1.2f", 1.0936132983377078, 0.9144},
    {"Fathom", "fth", "%1.2f", 0.5468066527777777, 1.8287999879299202},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzPositionUnits[9] = {
    {"(default)", "(default)", "%1.2f", 1.0, 1.0},
    {"Meter", "m", "%1.2f", 1.0, 1.0},
    {"Kilometer", "km", "%1.3f", 0.001, 1000.0},
    {"Mile (Nautical Int.)", "NM", "%1.4f", 0.0005399568034557, 1852.0},
    {"Mile (International)", "mi", "%1.4f", 0.0006213711922373339, 1609.344},
    {"Feet (International)", "ft", "%1.2f", 3.280839895013123, 0.3048},
    {"Feet (US Survey)", "ft", "%1.2f", 3.280833333346456, 0.3048006096},
    {"Yard (International)", "yd", "%1.2f", 1.0936132983377078, 0.9144},
    {"Fathom", "fth", "%1.2f", 0.5468066527777777, 1.8287999879299202},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzSpeedUnits[9] = {
    {"(default)", "(default)", "%1.2f", 1.0, 1.0},
    {"Meters/Second", "mps", "%1.2f", 1.0, 1.0},
    {"Knot", "kt", "%1.3f", 1.9438444924406046, 0.5144444444444445},
    {"Kilometers/Hour", "km/h", "%1.3f", 3.6, 0.2777777777777778},
    {"Miles/Hour (Nautical Int.)", "mph", "%1.2f", 1.9438444924406046, 0.5144444444444445},
    {"Feet/Second (International)", "fps", "%1.2f", 3.280839895013123, 0.3048},
    {"Miles/Hour (International)", "mph", "%1.2f", 2.2369362920544025, 0.44704},
    {"Feet/Second (US Survey)", "fps", "%1.2f", 3.280833333346456, 0.3048006096},
    {"Meters/Minute", "mpm", "%1.2f", 60.0, 0.016666666666666666},
};

// The label of "Degrees" and "DDD.dddddddd" is the code page 1252 degree sign.
const KUnits::tag_sUnitDesc KUnits::g_lpzDegreeUnits[12] = {
    {"(default)", "(default)", "%1.2f", 1.0, 1.0},
    {"Degrees", "\xB0", "%1.2f", 1.0, 1.0},
    {"Radians", "rad", "%1.10f", 0.017453292519943295, 57.29577951308232},
    {"Minutes", "'", "%1.6f", 60.0, 0.016666666666666666},
    {"Seconds", "\"", "%1.6f", 3600.0, 0.0002777777777777778},
    {"Milli-Arc Seconds", "mas", "%1.4f", 3600000.0, 2.7777777777777776e-07},
    {"Gon Grade", "g", "%1.2f", 1.1111111111111112, 0.8999999999999999},
    {"Centigon Grade", "cg", "%1.2f", 111.11111111111111, 0.009},
    {"Mil", "mil", "%1.2f", 17.77777777777778, 0.05625},
    {"DDDMMSS.ss", "dms", "%03dd%02d'%05.2f\"", 1.0, 1.0},
    {"DDDMM.mmmm", "dm", "%03dd%07.4f'", 1.0, 1.0},
    {"DDD.dddddddd", "\xB0", "%1.8f", 1.0, 1.0},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzTimeUnits[7] = {
    {"(default)", "(default)", "%1.2f", 1.0, 1.0},
    {"Second", "s", "%1.0f", 1.0, 1.0},
    {"Second.second", "s.s", "%1.3f", 1.0, 1.0},
    {"Minute Second", "m:s", "%02d:%02d", 1.0, 1.0},
    {"Hour Minute Second", "h:m:s", "%02d:%02d:%02d", 1.0, 1.0},
    {"Hour Minute.minute", "h:m.m", "%02d:%05.2f", 1.0, 1.0},
    {"Hour Minute", "h:m", "%02d:%02.0f", 1.0, 1.0},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzPressureUnits[9] = {
    {"(default)", "(default)", "%1.0f", 1.0, 1.0},
    {"Pascal", "Pa", "%1.0f", 1.0, 1.0},
    {"HectoPascal", "hPa", "%1.1f", 0.01, 100.0},
    {"Bar", "Bar", "%1.1f", 1e-05, 100000.0},
    {"MilliBar", "mBar", "%1.3f", 0.01, 100.0},
    {"Atmosphere", "ATM", "%1.3f", 9.869232667160129e-06, 101325.0},
    {"Pound/Square Inch", "PSI", "%1.3f", 0.00014503774978734854, 6894.75672},
    {"Millimeter Mercury", "mmHg", "%1.0f", 0.0075006150504341364, 133.3224},
    {"Inch Mercury", "\"Hg", "%1.0f", 0.0002952998016471232, 3386.389},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzScaleUnits[3] = {
    {"(default)", "(default)", "%1.4f", 1000000.0, 1e-06},
    {"ppm (part per million)", "ppm", "%1.4f", 1000000.0, 1e-06},
    {"ppb (part per billion)", "ppb", "%1.4f", 1000000000.0, 1e-09},
};

const KUnits::tag_sUnitDesc KUnits::g_lpzDatumUnits[3] = {
    {"(default)", "(default)", "%s", 1.0, 1.0},
    {"User datum", "ud", "%s", 1.0, 1.0},
    {"WGS 84", "84", "%s", 1.0, 1.0},
};

// The sign characters and their placement belong to the affix rule of the formatter.
const KUnits::tag_sUnitDesc KUnits::g_lpzAffixUnits[7] = {
    {"(default)", "(default)", "%c", 1.0, 1.0}, {"Prefix Minus", "pfxMinus", "%c", 1.0, 1.0},
    {"Prefix Sign", "pfxSign", "%c", 1.0, 1.0}, {"Prefix E/W", "pfxEW", "%c", 1.0, 1.0},
    {"Prefix N/S", "pfxNS", "%c", 1.0, 1.0},    {"Suffix E/W", "EWsfx", "%c", 1.0, 1.0},
    {"Suffix N/S", "NSsfx", "%c", 1.0, 1.0},
};
