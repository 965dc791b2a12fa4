// Texts typed into the property window's angle, grid and geographic position fields: any
// bytes must give a value or false, never a crash; a value read must print and read back
// within the notation's resolution.
#include "vornui/properties/KPropWnd.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The largest step between two texts of each notation, in degrees.
constexpr double kResolution[6] = {1e-6, 1e-6 / 60, 1e-5 / 3600, 1e-10 * 57.3, 1e-3, 1e-9};
// Beyond this the angle texts fall back to a plain number without sign text.
constexpr double kLargestAngle = 1e6;

void Check(bool holds) {
    if (!holds)
        std::abort();
}

bool Near(double a, double b, double step) {
    return std::fabs(a - b) <= step + 1e-12 * std::fabs(a);
}

void RoundTripAngle(const CString& text, int notation, int placement) {
    double value = 0;
    if (!KPropWnd::ParseAngle(text, notation, "S", "N", placement, value) ||
        !std::isfinite(value) || std::fabs(value) > kLargestAngle)
        return;
    const CString printed = KPropWnd::FormatAngle(value, notation, "S", "N", placement);
    double again = 0;
    Check(KPropWnd::ParseAngle(printed, notation, "S", "N", placement, again));
    Check(Near(value, again, kResolution[notation]));
}

void RoundTripGrid(const CString& text) {
    double east = 0;
    double north = 0;
    if (!KPropWnd::ParseGridPosition(text, east, north) || !std::isfinite(east) ||
        !std::isfinite(north))
        return;
    double east2 = 0;
    double north2 = 0;
    Check(KPropWnd::ParseGridPosition(KPropWnd::FormatGridPosition(east, north), east2, north2));
    Check(Near(east, east2, 0.005) && Near(north, north2, 0.005));
}

void RoundTripGeo(const CString& text) {
    double latitude = 0;
    double longitude = 0;
    if (!KPropWnd::ParseGeoPosition(text, latitude, longitude) ||
        !(std::fabs(latitude) <= kLargestAngle) || !(std::fabs(longitude) <= kLargestAngle))
        return;
    double latitude2 = 0;
    double longitude2 = 0;
    Check(KPropWnd::ParseGeoPosition(KPropWnd::FormatGeoPosition(latitude, longitude), latitude2,
                                     longitude2));
    Check(Near(latitude, latitude2, kResolution[KPropWnd::eDegreesSeconds]));
    Check(Near(longitude, longitude2, kResolution[KPropWnd::eDegreesSeconds]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int notation = data[0] % 6;
    const int placement = (data[0] / 6) % 2;
    // The text as a field holds it: up to its first zero byte.
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const CString text(bytes.c_str());
    RoundTripAngle(text, notation, placement);
    RoundTripGrid(text);
    RoundTripGeo(text);
    return 0;
}
