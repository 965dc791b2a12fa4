// Any double, bit for bit (NaN payloads, infinities, subnormals, values far past any
// integer), formatted in every unit of the catalogue by every formatting function, with
// both settings of the option flag and any station length. Beyond staying defined, the
// text keeps to the documented rules: a value that is not finite prints nothing.
#include "vornui/units/KUnits.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Format = int (KUnits::*)(double, CString&) const;

constexpr Format kFormats[] = {
    &KUnits::FormatM2RangeUnit,
    &KUnits::FormatM2StationUnit,
    &KUnits::FormatInRangeUnit,
    &KUnits::FormatM2DepthUnit,
    &KUnits::FormatM2PositionUnit,
    &KUnits::FormatMpS2SpeedUnit,
    &KUnits::FormatPascal2PressureUnit,
    &KUnits::FormatUnity2ScaleUnit,
    &KUnits::FormatDegrees2DegreeUnit,
    &KUnits::FormatRadians2DegreeUnit,
    &KUnits::FormatSeconds2TimeUnit,
    &KUnits::FormatBaseTypeUnit,
    &KUnits::FormatDefault2Unit,
    &KUnits::FormatUnit,
    &KUnits::FormatM2DepthUnitSymbol,
    &KUnits::FormatM2PositionUnitSymbol,
    &KUnits::FormatMpS2SpeedUnitSymbol,
    &KUnits::FormatPascal2PressureUnitSymbol,
    &KUnits::FormatUnity2ScaleUnitSymbol,
    &KUnits::FormatDegrees2DegreeUnitSymbol,
    &KUnits::FormatSeconds2TimeUnitSymbol,
};

constexpr char kUntouched[] = "untouched";
// Longer than any text a unit prints: the widest is a double near 1e308 with decimals.
constexpr int kLongestText = 400;

// Every code of every kind, the legacy codes and a code of no kind.
const std::vector<unsigned short>& EveryCode() {
    static const std::vector<unsigned short> codes = [] {
        std::vector<unsigned short> all;
        for (unsigned code = 0; code <= 0x1300; ++code)
            if (code == 0 || KUnits::IsAValidUnit(static_cast<unsigned short>(code)))
                all.push_back(static_cast<unsigned short>(code));
        all.push_back(0x7777);
        return all;
    }();
    return codes;
}

void Check(bool holds) {
    if (!holds)
        __builtin_trap();
}

// A text is "untouched" by a function of another kind; otherwise it follows the value.
void CheckText(int result, const CString& text, double value) {
    Check(text.GetLength() < kLongestText);
    if (std::isfinite(value))
        return;
    Check(result == 0);
    Check(text.IsEmpty() || text == kUntouched);
}

void FormatEverywhere(const KUnits& unit, double value) {
    // The datum and state rows print their label and the affix rows a sign, whatever the
    // value; every other row follows the value.
    const unsigned short code = unit.GetUnit();
    const bool followsValue =
        !KUnits::IsADatumUnit(code) && !KUnits::IsAStateUnit(code) && !KUnits::IsAAffixUnit(code);
    const double checked = followsValue ? value : 0.0;
    for (const Format format : kFormats) {
        CString text(kUntouched);
        CheckText((unit.*format)(value, text), text, checked);
    }
    CString text(kUntouched);
    CheckText(KUnits::Format2Unit(code, value, text), text, checked);
    CString affixed("12.5");
    unit.FormatAffixUnit(value, affixed);
    Check(affixed.GetLength() <= 5);
}

double TakeDouble(const uint8_t*& data, size_t& size) {
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 + sizeof(double))
        return 0;
    const int option = data[0] & 1;
    ++data;
    --size;
    const double stationLength = TakeDouble(data, size);
    for (int values = 0; size >= sizeof(double) && values < 8; ++values) {
        const double value = TakeDouble(data, size);
        for (const unsigned short code : EveryCode()) {
            KUnits unit(code);
            if (KUnits::IsAStationUnit(code))
                unit.InitStation(code, stationLength);
            else if (KUnits::IsADegreeUnit(code))
                unit.InitDegree(code, option);
            else if (KUnits::IsATimeUnit(code))
                unit.InitTime(code, option);
            FormatEverywhere(unit, value);
        }
    }
    return 0;
}
