// Any unit code, option, station length and value, including NaN, infinities and
// values far outside an int, must print without a crash or undefined behaviour; the
// rest of the input is taken as a position unit name.
#include "vornui/units/KUnits.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

template <typename T>
T Take(const uint8_t*& data, size_t& size) {
    T value{};
    const size_t count = size < sizeof value ? size : sizeof value;
    if (count == 0)
        return value;
    std::memcpy(&value, data, count);
    data += count;
    size -= count;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto code = Take<uint16_t>(data, size);
    const auto sub = Take<uint16_t>(data, size);
    const auto option = Take<uint8_t>(data, size);
    const auto length = Take<double>(data, size);
    const auto value = Take<double>(data, size);
    const std::string name(reinterpret_cast<const char*>(data), size);

    KUnits unit(code);
    unit.InitStation(code, length);
    unit.InitDegree(code, option & 1);
    unit.InitTime(code, option & 2);
    unit.InitGeneric(code);
    if (option & 4)
        unit.InitStation(code, length);
    CString text;
    unit.FormatDefault2Unit(value, text);
    unit.FormatInRangeUnit(value, text);
    unit.FormatRadians2DegreeUnit(value, text);
    unit.FormatSeconds2TimeUnitSymbol(value, text);
    unit.FormatAffixUnit(value, text);
    unit.FormatUnit(value, text);
    KUnits::GetSubUnit(code, sub, text, option & 8);
    KUnits::GetUnitFace(code, text, option & 16);
    unit.InitPosition(name.c_str());
    try {
        KUnits target(sub);
        KUnits::Converter(unit, target).XFormat(value, text);
    } catch (KUnits::Converter*) {
        // units of different kinds do not pair
    }
    return 0;
}
