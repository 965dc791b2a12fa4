#pragma once

// A unit chosen for one survey quantity, and the catalogue of every unit the suite knows.
// Values are stored in the base unit of their kind (metre, metre per second, degree,
// second, pascal, plain ratio); a KUnits object converts them to its unit and prints them
// the way survey programs show them. Codes are exchanged between programs, so every code,
// text and factor of the catalogue is fixed.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"

#include <functional>

class UnitCatalogue;

class VORNUI_API KUnits {
public:
    // The unit codes, one block per kind; the first code of a block is the kind's
    // "(default)". Programs exchange and store these values.
    enum tag_eUNITTYPES : unsigned int {
        eNOUNIT = 0,

        // Codes of an older numbering, still accepted wherever a kind is tested.
        eOLD_RANGE_METER = 1,
        eOLD_RANGE_KILOMETER,
        eOLD_RANGE_NAUTICAL_MILE,
        eOLD_RANGE_INT_MILE,
        eOLD_RANGE_INT_FEET,
        eOLD_RANGE_US_FEET,
        eOLD_RANGE_INT_YARD,
        eOLD_STATION_KP,
        eOLD_SPEED_MPS,
        eOLD_SPEED_KNOT,
        eOLD_SPEED_KMH,
        eOLD_SPEED_NAUTICAL_MPH,
        eOLD_DEGREE_DEGREES,
        eOLD_DEGREE_RADIANS,
        eOLD_TIME_SECOND,
        eOLD_TIME_SECOND_DEC,
        eOLD_TIME_MIN_SEC,
        eOLD_TIME_HOUR_MIN_SEC,

        eBASE_DEFAULT = 0x50,
        eBASE_INTEGER,
        eBASE_INTEGER02,
        eBASE_INTEGER04,
        eBASE_DOUBLE,
        eBASE_DOUBLE11,
        eBASE_DOUBLE12,
        eBASE_DOUBLE13,
        eBASE_DOUBLE14,
        eBASE_DOUBLE15,
        eBASE_DOUBLE16,
        eBASE_DOUBLE17,
        eBASE_DOUBLE18,

        eSTATE_DEFAULT = 0x90,
        eSTATE_ON,
        eSTATE_OFF,

        eRANGE_DEFAULT = 0x100,
        eRANGE_METER,
        eRANGE_KILOMETER,
        eRANGE_NAUTICAL_MILE,
        eRANGE_INT_MILE,
        eRANGE_INT_FEET,
        eRANGE_US_FEET,
        eRANGE_INT_YARD,
        eRANGE_FATHOM,
        eRANGE_METER3,
        eRANGE_CENTIMETER,
        eRANGE_MILLIMETER,

        eSTATION_DEFAULT = 0x140,
        eSTATION_KP,
        eSTATION_UNITLESS,
        eSTATION_STATIONS,
        eSTATION_CHAINAGE,
        eSTATION_KP3,
        eSTATION_KP6,

        eDEPTH_DEFAULT = 0x150,
        eDEPTH_METER,
        eDEPTH_KILOMETER,
        eDEPTH_INT_FEET,
        eDEPTH_US_FEET,
        eDEPTH_INT_YARD,
        eDEPTH_FATHOM,

        eSPEED_DEFAULT = 0x200,
        eSPEED_MPS,
        eSPEED_KNOT,
        eSPEED_KMH,
        eSPEED_NAUTICAL_MPH,
        eSPEED_INT_FPS,
        eSPEED_INT_MPH,
        eSPEED_US_FPS,
        eSPEED_MPM,

        eDEGREE_DEFAULT = 0x300,
        eDEGREE_DEGREES,
        eDEGREE_RADIANS,
        eDEGREE_MINUTES,
        eDEGREE_SECONDS,
        eDEGREE_MAS,
        eDEGREE_GON,
        eDEGREE_CENTIGON,
        eDEGREE_MIL,
        eDEGREE_DMS,
        eDEGREE_DM,
        eDEGREE_DDD,

        eTIME_DEFAULT = 0x330,
        eTIME_SECOND,
        eTIME_SECOND_DEC,
        eTIME_MIN_SEC,
        eTIME_HOUR_MIN_SEC,
        eTIME_HOUR_MIN_DEC,
        eTIME_HOUR_MIN,

        ePOSITION_DEFAULT = 0x360,
        ePOSITION_METER,
        ePOSITION_KILOMETER,
        ePOSITION_NAUTICAL_MILE,
        ePOSITION_INT_MILE,
        ePOSITION_INT_FEET,
        ePOSITION_US_FEET,
        ePOSITION_INT_YARD,
        ePOSITION_FATHOM,

        ePRESSURE_DEFAULT = 0x400,
        ePRESSURE_PASCAL,
        ePRESSURE_HECTOPASCAL,
        ePRESSURE_BAR,
        ePRESSURE_MILLIBAR,
        ePRESSURE_ATMOSPHERE,
        ePRESSURE_PSI,
        ePRESSURE_MMHG,
        ePRESSURE_INHG,

        eDATUM_DEFAULT = 0x500,
        eDATUM_USER,
        eDATUM_WGS84,

        eAFFIX_DEFAULT = 0x1000,
        eAFFIX_PREFIX_MINUS,
        eAFFIX_PREFIX_SIGN,
        eAFFIX_PREFIX_EW,
        eAFFIX_PREFIX_NS,
        eAFFIX_SUFFIX_EW,
        eAFFIX_SUFFIX_NS,

        eSCALE_DEFAULT = 0x1200,
        eSCALE_PPM,
        eSCALE_PPB,
    };

    // One row of a unit table. The factors turn a base value into the unit (dFromBase)
    // and a value in the unit into the base unit (dToBase); kilometre-point and station
    // rows hold them for a station length of 1.
    struct tag_sUnitDesc {
        char szName[40];   // the long name unit choosers show
        char szLabel[10];  // the short label printed after values
        char szFormat[30]; // the printf format of a value in the unit
        double dFromBase;  // base unit to this unit
        double dToBase;    // this unit to the base unit
    };

    class Converter;

    // No unit.
    KUnits() = default;
    // The unit `code`, of whichever kind (InitGeneric).
    KUnits(unsigned short code);
    // Copies hold the same unit, station length and option.
    KUnits(const KUnits&) = default;
    KUnits& operator=(const KUnits&) = default;
    virtual ~KUnits() = default;

    // Initialisers: 1 when the code is of the kind, else the kind's "(default)" code is
    // held and the result is 0. Legacy codes are held as their current code.
    virtual int InitScale(unsigned short code);
    virtual int InitRange(unsigned short code);
    virtual int InitStation(unsigned short code, double stationLength);
    virtual int InitKp(unsigned short code);
    virtual int InitDepth(unsigned short code);
    virtual int InitSpeed(unsigned short code);
    virtual int InitDegree(unsigned short code, int bPlusMinus180);
    virtual int InitTime(unsigned short code, int bNoDayWrap);
    virtual int InitPosition(const char* name);
    virtual int InitPosition(unsigned short code);
    virtual int InitDatum(unsigned short code);
    virtual int InitState(unsigned short code);
    virtual int InitPressure(unsigned short code);
    virtual int InitBaseType(unsigned short code);
    virtual int InitAffix(unsigned short code);

    // Any code of any kind; 0 clears the unit.
    int InitGeneric(unsigned short code);
    int InitUnit(unsigned short code) { return InitGeneric(code); }

    // The held unit's code; 0 for none.
    unsigned short GetUnit() const { return static_cast<unsigned short>(m_eUnit); }
    // The held unit's label (the "(default)" row's with `bShowDefault`).
    void GetUnit(CString& out, int bShowDefault) const { GetUnit(GetUnit(), out, bShowDefault); }

    // Factors between the base unit of the held unit's kind and the held unit; 1.0 when
    // the held unit is not of the kind the getter answers.
    double GetM2RangeUnit() const;
    double GetRangeUnit2M() const;
    double GetM2StationUnit() const;
    double GetStationUnit2M() const;
    double GetM2DepthUnit() const;
    double GetDepthUnit2M() const;
    double GetM2PositionUnit() const;
    double GetPositionUnit2M() const;
    double GetMpS2SpeedUnit() const;
    double GetSpeedUnit2MpS() const;
    double GetDegrees2DegreeUnit() const;
    double GetDegreeUnit2Degrees() const;
    double GetSeconds2TimeUnit() const { return 1.0; }
    double GetTimeUnit2Seconds() const { return 1.0; }
    double GetPascal2PressureUnit() const;
    double GetPressureUnit2Pascal() const;
    double GetUnity2ScaleUnit() const;
    double GetScaleUnit2Unity() const;

    // Formatting: 1 and `out` replaced when the held unit is of the kind, else 0 and
    // `out` untouched. The decimal point is always '.', whatever the host's locale.
    //
    // Values that no survey screen can show, one rule for each:
    // - NaN and infinities have no text in any unit: the function returns 0 and leaves
    //   `out` empty (a label variant appends no label).
    // - Plain numbers print whole, however large (1e300 metres print all 301 digits).
    // - Angles lose their whole turns first, so any finite angle prints (1e12 degrees
    //   print as 280 degrees in every degree unit).
    // - Whole-number fields (integer base types, the hundreds of "Stations", the hours,
    //   minutes and days of the clock notations) are computed in 64 bits; a value of
    //   2^53 or more in size, where a double no longer counts in ones, returns 0 and
    //   leaves `out` empty.
    // - FormatAffixUnit uses only the sign: NaN counts as not below zero.
    // Conversions are plain multiplications: NaN stays NaN, an infinity stays infinite.
    int FormatM2RangeUnit(double metres, CString& out) const;
    int FormatM2StationUnit(double metres, CString& out) const;
    int FormatInRangeUnit(double metres, CString& out) const;
    int FormatM2DepthUnit(double metres, CString& out) const;
    int FormatM2PositionUnit(double metres, CString& out) const;
    int FormatMpS2SpeedUnit(double metresPerSecond, CString& out) const;
    int FormatPascal2PressureUnit(double pascals, CString& out) const;
    int FormatUnity2ScaleUnit(double ratio, CString& out) const;
    int FormatDegrees2DegreeUnit(double degrees, CString& out) const;
    int FormatRadians2DegreeUnit(double radians, CString& out) const;
    int FormatSeconds2TimeUnit(double seconds, CString& out) const;
    int FormatBaseTypeUnit(double value, CString& out) const;
    int FormatAffixUnit(double value, CString& out) const;
    int FormatDefault2Unit(double baseValue, CString& out) const;
    int FormatUnit(double value, CString& out) const { return Format2Unit(GetUnit(), value, out); }

    // As above, followed by the unit's label.
    int FormatM2DepthUnitSymbol(double metres, CString& out) const;
    int FormatM2PositionUnitSymbol(double metres, CString& out) const;
    int FormatMpS2SpeedUnitSymbol(double metresPerSecond, CString& out) const;
    int FormatPascal2PressureUnitSymbol(double pascals, CString& out) const;
    int FormatUnity2ScaleUnitSymbol(double ratio, CString& out) const;
    int FormatDegrees2DegreeUnitSymbol(double degrees, CString& out) const;
    int FormatSeconds2TimeUnitSymbol(double seconds, CString& out) const;

    // Whether a code belongs to a kind (legacy codes included): 1 or 0.
    static int IsARangeUnit(unsigned short code);
    static int IsAStationUnit(unsigned short code);
    static int IsADepthUnit(unsigned short code);
    static int IsASpeedUnit(unsigned short code);
    static int IsADegreeUnit(unsigned short code);
    static int IsATimeUnit(unsigned short code);
    static int IsAPositionUnit(unsigned short code);
    static int IsAPressureUnit(unsigned short code);
    static int IsAScaleUnit(unsigned short code);
    static int IsADatumUnit(unsigned short code);
    static int IsAStateUnit(unsigned short code);
    static int IsAAffixUnit(unsigned short code);
    static int IsAIntegerUnit(unsigned short code);
    static int IsADoubleUnit(unsigned short code);
    static int IsABaseTypeUnit(unsigned short code);
    static int IsAValidUnit(unsigned short code);
    // The position code whose name matches, ignoring case; 0 when none does.
    static int IsAPositionUnit(const char* name);

    // The "(default)" code of the code's kind; 0 for a code of no kind.
    static unsigned short GetMetaUnit(unsigned short code);
    // Whether the code is a degree notation that prints no sign (0x309 to 0x30B).
    static int HasAffixUnit(unsigned short code);
    // Whether the code takes a datum or an affix as sub-unit (positions, degree notations).
    static int HasSubUnit(unsigned short code);

    // The label of a code ("(n/a)" for a code of no kind); legacy and "(default)" codes
    // give the first unit's label, or "(default)" with `bShowDefault`.
    static void GetUnit(unsigned short code, CString& out, int bShowDefault);
    // The long name of a code, found the same way.
    static void GetUnitFace(unsigned short code, CString& out, int bShowDefault);
    // The label of the datum or affix `sub` that qualifies `unit`.
    static void GetSubUnit(unsigned short unit, unsigned short sub, CString& out, int bShowDefault);
    // The printf format of a code; 0 and an empty text for a code of no kind.
    static int GetUnitFormatString(unsigned short code, CString& out);
    // A value already in unit `code` printed with its format; 0 for a code of no kind.
    // The value rules above apply; the datum and state rows print their label whatever
    // the value, and the affix rows only look at its sign.
    static int Format2Unit(unsigned short code, double value, CString& out);

protected:
    // The unit tables, one per kind, indexed by code minus the kind's first code.
    static const tag_sUnitDesc g_lpzBaseTypeUnits[13];
    static const tag_sUnitDesc g_lpzStateUnits[3];
    static const tag_sUnitDesc g_lpzRangeUnits[12];
    static const tag_sUnitDesc g_lpzStationUnits[7];
    static const tag_sUnitDesc g_lpzDepthUnits[7];
    static const tag_sUnitDesc g_lpzSpeedUnits[9];
    static const tag_sUnitDesc g_lpzDegreeUnits[12];
    static const tag_sUnitDesc g_lpzTimeUnits[7];
    static const tag_sUnitDesc g_lpzPositionUnits[9];
    static const tag_sUnitDesc g_lpzPressureUnits[9];
    static const tag_sUnitDesc g_lpzDatumUnits[3];
    static const tag_sUnitDesc g_lpzAffixUnits[7];
    static const tag_sUnitDesc g_lpzScaleUnits[3];

    tag_eUNITTYPES m_eUnit = eNOUNIT; // the held unit; 0 for none
    double m_dStationLength = 1.0;    // metres per kilometre-point unit
    int m_bOption = 0;                // angles: -180 to 180; times: no day fold

private:
    friend class UnitCatalogue;

    int InitKind(unsigned short code, unsigned short metaCode);
    double FromBaseFactor() const;
    double ToBaseFactor() const;
};

// Converts values from one unit to another unit of the same kind with one cached factor.
// Both KUnits objects must outlive the converter; their later changes are picked up by
// Reset. A pairing of units of different kinds throws the converter's own address.
class VORNUI_API KUnits::Converter {
public:
    // Binds the two units and works out the factor; throws on units of different kinds.
    Converter(KUnits& from, KUnits& to);

    // Works the factor out again, after either unit has changed.
    void Reset() { SetScaleFactor(); }
    // A value of the source unit in the target unit.
    double X(double value) const { return value * m_dScaleFactor; }
    void X(double value, double& result) const { result = value * m_dScaleFactor; }
    // Prints a value of the source unit in the target unit, notation included.
    void XFormat(double value, CString& out) const;
    // The factor X multiplies by.
    double get_dScaleFactor() const { return m_dScaleFactor; }

protected:
    // Pairs the two units by kind; throws this converter's address when no kind holds both.
    void SetScaleFactor();

    std::reference_wrapper<KUnits> m_rFrom; // the source unit, not owned
    std::reference_wrapper<KUnits> m_rTo;   // the target unit, not owned
    double m_dToBase = -1.0;                // source unit to the base unit
    double m_dFromBase = -1.0;              // base unit to the target unit
    double m_dScaleFactor = -1.0;           // m_dFromBase * m_dToBase
};
