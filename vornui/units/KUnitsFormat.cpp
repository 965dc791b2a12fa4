// Printing values in the held unit. Every text is built on the stack and copied once
// into the caller's string.
#include "vornui/units/KUnits.h"
#include "vornui/units/TextBuilder.h"
#include "vornui/units/UnitCatalogue.h"
#include "vornui/units/UnitNotations.h"

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

bool IsDegreeNotation(unsigned short code) {
    return code == KUnits::eDEGREE_DMS || code == KUnits::eDEGREE_DM;
}

bool IsClockNotation(unsigned short code) {
    return code >= KUnits::eTIME_MIN_SEC && code <= KUnits::eTIME_HOUR_MIN;
}

// A value already in unit `code`, printed as that unit prints by default.
void PrintInUnit(unsigned short code, double value, TextBuilder& text) {
    const char* format = UnitCatalogue::RowOf(code)->szFormat;
    if (KUnits::IsAIntegerUnit(code)) {
        AppendPrintf(text, format, {TruncateToWhole(value)});
    } else if (code == KUnits::eSTATION_STATIONS) {
        PrintStations(value, text);
    } else if (IsDegreeNotation(code)) {
        PrintAngle(code, value, 0, 1.0, text);
        if (value < 0)
            text.Prepend('-');
    } else if (IsClockNotation(code)) {
        PrintTime(code, value, 0, text);
    } else {
        AppendPrintf(text, format, {value});
    }
}

// 1 and `out` replaced by what `print` puts into a text when the unit is of the kind and
// `value` has a text in unit `code`; 0 and `out` emptied when it has none; 0 and `out`
// untouched when the unit is of another kind.
template <typename Print>
int PrintIfOfKind(bool ofKind, unsigned short code, double value, CString& out, Print print) {
    if (!ofKind)
        return 0;
    if (!CanPrintInUnit(code, value)) {
        out.Empty();
        return 0;
    }
    TextBuilder text;
    print(text);
    text.CopyTo(out);
    return 1;
}

int PrintIfOfKind(bool ofKind, unsigned short code, double value, CString& out) {
    return PrintIfOfKind(ofKind, code, value, out,
                         [&](TextBuilder& text) { PrintInUnit(code, value, text); });
}

// The degree and clock notations already carry their signs; everything else is
// followed by the label of its row.
int AppendLabel(int formatted, unsigned short code, CString& out) {
    if (formatted && !IsDegreeNotation(code) && !IsClockNotation(code))
        out += UnitCatalogue::RowOf(code)->szLabel;
    return formatted;
}

} // namespace

int KUnits::FormatM2RangeUnit(double metres, CString& out) const {
    return PrintIfOfKind(IsARangeUnit(GetUnit()), GetUnit(), metres * GetM2RangeUnit(), out);
}

// "Stations" print as hundreds and the rest; the other station units as plain numbers.
int KUnits::FormatM2StationUnit(double metres, CString& out) const {
    return PrintIfOfKind(IsAStationUnit(GetUnit()), GetUnit(), metres * GetM2StationUnit(), out);
}

int KUnits::FormatInRangeUnit(double metres, CString& out) const {
    return FormatM2RangeUnit(metres, out) || FormatM2StationUnit(metres, out);
}

int KUnits::FormatM2DepthUnit(double metres, CString& out) const {
    return PrintIfOfKind(IsADepthUnit(GetUnit()), GetUnit(), metres * GetM2DepthUnit(), out);
}

int KUnits::FormatM2PositionUnit(double metres, CString& out) const {
    return PrintIfOfKind(IsAPositionUnit(GetUnit()), GetUnit(), metres * GetM2PositionUnit(), out);
}

int KUnits::FormatMpS2SpeedUnit(double metresPerSecond, CString& out) const {
    return PrintIfOfKind(IsASpeedUnit(GetUnit()), GetUnit(), metresPerSecond * GetMpS2SpeedUnit(),
                         out);
}

int KUnits::FormatPascal2PressureUnit(double pascals, CString& out) const {
    return PrintIfOfKind(IsAPressureUnit(GetUnit()), GetUnit(), pascals * GetPascal2PressureUnit(),
                         out);
}

int KUnits::FormatUnity2ScaleUnit(double ratio, CString& out) const {
    return PrintIfOfKind(IsAScaleUnit(GetUnit()), GetUnit(), ratio * GetUnity2ScaleUnit(), out);
}

int KUnits::FormatBaseTypeUnit(double value, CString& out) const {
    return PrintIfOfKind(IsABaseTypeUnit(GetUnit()), GetUnit(), value, out);
}

int KUnits::FormatDegrees2DegreeUnit(double degrees, CString& out) const {
    return PrintIfOfKind(IsADegreeUnit(GetUnit()), GetUnit(), degrees, out, [&](TextBuilder& text) {
        PrintAngle(GetUnit(), degrees, m_bOption, GetDegrees2DegreeUnit(), text);
    });
}

int KUnits::FormatRadians2DegreeUnit(double radians, CString& out) const {
    return FormatDegrees2DegreeUnit(radians * kDegreesPerRadian, out);
}

int KUnits::FormatSeconds2TimeUnit(double seconds, CString& out) const {
    const double inUnit = seconds * GetSeconds2TimeUnit();
    return PrintIfOfKind(IsATimeUnit(GetUnit()), GetUnit(), inUnit, out,
                         [&](TextBuilder& text) { PrintTime(GetUnit(), inUnit, m_bOption, text); });
}

int KUnits::FormatAffixUnit(double value, CString& out) const {
    if (!IsAAffixUnit(GetUnit()))
        return 0;
    ApplyAffix(GetUnit(), value, out);
    return 1;
}

int KUnits::FormatDefault2Unit(double baseValue, CString& out) const {
    if (FormatDegrees2DegreeUnit(baseValue, out)) {
        if (HasAffixUnit(GetUnit()))
            ApplyAffix(eAFFIX_PREFIX_MINUS, baseValue, out);
        return 1;
    }
    return FormatM2PositionUnit(baseValue, out) || FormatM2RangeUnit(baseValue, out) ||
           FormatM2StationUnit(baseValue, out) || FormatM2DepthUnit(baseValue, out) ||
           FormatMpS2SpeedUnit(baseValue, out) || FormatUnity2ScaleUnit(baseValue, out) ||
           FormatPascal2PressureUnit(baseValue, out) || FormatSeconds2TimeUnit(baseValue, out) ||
           FormatBaseTypeUnit(baseValue, out);
}

// Rows whose format wants text or a character print their label or the sign character;
// the notations print as their own rule would with an object's default settings.
int KUnits::Format2Unit(unsigned short code, double value, CString& out) {
    const tag_sUnitDesc* row = UnitCatalogue::RowOf(code);
    if (!row) {
        PrintIfOfKind(true, eNOUNIT, value, out,
                      [&](TextBuilder& text) { AppendPrintf(text, "%1.2f", {value}); });
        return 0;
    }
    code = UnitCatalogue::Current(code);
    if (IsAAffixUnit(code)) {
        out.Empty();
        ApplyAffix(code, value, out);
        return 1;
    }
    if (IsADatumUnit(code) || IsAStateUnit(code)) {
        out = row->szLabel;
        return 1;
    }
    return PrintIfOfKind(true, code, value, out);
}

int KUnits::FormatM2DepthUnitSymbol(double metres, CString& out) const {
    return AppendLabel(FormatM2DepthUnit(metres, out), GetUnit(), out);
}
int KUnits::FormatM2PositionUnitSymbol(double metres, CString& out) const {
    return AppendLabel(FormatM2PositionUnit(metres, out), GetUnit(), out);
}
int KUnits::FormatMpS2SpeedUnitSymbol(double metresPerSecond, CString& out) const {
    return AppendLabel(FormatMpS2SpeedUnit(metresPerSecond, out), GetUnit(), out);
}
int KUnits::FormatPascal2PressureUnitSymbol(double pascals, CString& out) const {
    return AppendLabel(FormatPascal2PressureUnit(pascals, out), GetUnit(), out);
}
int KUnits::FormatUnity2ScaleUnitSymbol(double ratio, CString& out) const {
    return AppendLabel(FormatUnity2ScaleUnit(ratio, out), GetUnit(), out);
}
int KUnits::FormatDegrees2DegreeUnitSymbol(double degrees, CString& out) const {
    return AppendLabel(FormatDegrees2DegreeUnit(degrees, out), GetUnit(), out);
}
int KUnits::FormatSeconds2TimeUnitSymbol(double seconds, CString& out) const {
    return AppendLabel(FormatSeconds2TimeUnit(seconds, out), GetUnit(), out);
}
