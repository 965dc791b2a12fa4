#include "vornui/units/KUnits.h"

#include "vornui/units/UnitCatalogue.h"

#include <cmath>

namespace {

// Shorter than a millimetre per kilometre point: taken for an unset length.
constexpr double kMinStationLength = 0.001;

} // namespace

KUnits::KUnits(unsigned short code) {
    InitGeneric(code);
}

int KUnits::InitKind(unsigned short code, unsigned short metaCode) {
    if (GetMetaUnit(code) == metaCode) {
        m_eUnit = static_cast<tag_eUNITTYPES>(UnitCatalogue::Current(code));
        return 1;
    }
    m_eUnit = static_cast<tag_eUNITTYPES>(metaCode);
    return 0;
}

int KUnits::InitRange(unsigned short code) {
    if (IsARangeUnit(code))
        return InitKind(code, eRANGE_DEFAULT);
    if (InitStation(code, 1.0))
        return 1;
    m_eUnit = eRANGE_DEFAULT;
    return 0;
}

int KUnits::InitStation(unsigned short code, double stationLength) {
    if (IsAStationUnit(code) && std::fabs(stationLength) > kMinStationLength)
        m_dStationLength = stationLength;
    return InitKind(code, eSTATION_DEFAULT);
}

int KUnits::InitKp(unsigned short code) {
    return InitStation(code, 1.0);
}

int KUnits::InitDegree(unsigned short code, int bPlusMinus180) {
    m_bOption = bPlusMinus180;
    return InitKind(code, eDEGREE_DEFAULT);
}

int KUnits::InitTime(unsigned short code, int bNoDayWrap) {
    m_bOption = bNoDayWrap;
    return InitKind(code, eTIME_DEFAULT);
}

int KUnits::InitPosition(const char* name) {
    if (const int code = IsAPositionUnit(name)) {
        m_eUnit = static_cast<tag_eUNITTYPES>(code);
        return 1;
    }
    m_eUnit = ePOSITION_DEFAULT;
    return 0;
}

int KUnits::InitScale(unsigned short code) {
    return InitKind(code, eSCALE_DEFAULT);
}
int KUnits::InitDepth(unsigned short code) {
    return InitKind(code, eDEPTH_DEFAULT);
}
int KUnits::InitSpeed(unsigned short code) {
    return InitKind(code, eSPEED_DEFAULT);
}
int KUnits::InitPosition(unsigned short code) {
    return InitKind(code, ePOSITION_DEFAULT);
}
int KUnits::InitDatum(unsigned short code) {
    return InitKind(code, eDATUM_DEFAULT);
}
int KUnits::InitState(unsigned short code) {
    return InitKind(code, eSTATE_DEFAULT);
}
int KUnits::InitPressure(unsigned short code) {
    return InitKind(code, ePRESSURE_DEFAULT);
}
int KUnits::InitBaseType(unsigned short code) {
    return InitKind(code, eBASE_DEFAULT);
}
int KUnits::InitAffix(unsigned short code) {
    return InitKind(code, eAFFIX_DEFAULT);
}

// Each failed attempt leaves its own "(default)" code behind; only the last word counts.
int KUnits::InitGeneric(unsigned short code) {
    if (code == eNOUNIT) {
        m_eUnit = eNOUNIT;
        return 1;
    }
    if (InitRange(code) || InitDepth(code) || InitSpeed(code) || InitScale(code) ||
        InitDegree(code, 0) || InitTime(code, 0) || InitPosition(code) || InitPressure(code) ||
        InitBaseType(code) || InitDatum(code) || InitAffix(code) || InitState(code))
        return 1;
    m_eUnit = eNOUNIT;
    return 0;
}

double KUnits::FromBaseFactor() const {
    const double factor = UnitCatalogue::RowOf(GetUnit())->dFromBase;
    return UnitCatalogue::ScalesWithStationLength(GetUnit()) ? factor / m_dStationLength : factor;
}

double KUnits::ToBaseFactor() const {
    const double factor = UnitCatalogue::RowOf(GetUnit())->dToBase;
    return UnitCatalogue::ScalesWithStationLength(GetUnit()) ? m_dStationLength * factor : factor;
}

double KUnits::GetM2RangeUnit() const {
    const unsigned short code = GetUnit();
    return IsARangeUnit(code) || IsAStationUnit(code) || IsADepthUnit(code) ? FromBaseFactor()
                                                                            : 1.0;
}
double KUnits::GetRangeUnit2M() const {
    return IsARangeUnit(GetUnit()) || IsAStationUnit(GetUnit()) ? ToBaseFactor() : 1.0;
}
double KUnits::GetM2StationUnit() const {
    return IsAStationUnit(GetUnit()) ? FromBaseFactor() : 1.0;
}
double KUnits::GetStationUnit2M() const {
    return IsAStationUnit(GetUnit()) ? ToBaseFactor() : 1.0;
}
double KUnits::GetM2DepthUnit() const {
    return IsADepthUnit(GetUnit()) ? FromBaseFactor() : 1.0;
}
double KUnits::GetDepthUnit2M() const {
    return IsADepthUnit(GetUnit()) ? ToBaseFactor() : 1.0;
}
double KUnits::GetM2PositionUnit() const {
    return IsAPositionUnit(GetUnit()) ? FromBaseFactor() : 1.0;
}
double KUnits::GetPositionUnit2M() const {
    return IsAPositionUnit(GetUnit()) ? ToBaseFactor() : 1.0;
}
double KUnits::GetMpS2SpeedUnit() const {
    return IsASpeedUnit(GetUnit()) ? FromBaseFactor() : 1.0;
}
double KUnits::GetSpeedUnit2MpS() const {
    return IsASpeedUnit(GetUnit()) ? ToBaseFactor() : 1.0;
}
double KUnits::GetDegrees2DegreeUnit() const {
    return IsADegreeUnit(GetUnit()) ? FromBaseFactor() : 1.0;
}
double KUnits::GetDegreeUnit2Degrees() const {
    return IsADegreeUnit(GetUnit()) ? ToBaseFactor() : 1.0;
}
double KUnits::GetPascal2PressureUnit() const {
    return IsAPressureUnit(GetUnit()) ? FromBaseFactor() : 1.0;
}
double KUnits::GetPressureUnit2Pascal() const {
    return IsAPressureUnit(GetUnit()) ? ToBaseFactor() : 1.0;
}
double KUnits::GetUnity2ScaleUnit() const {
    return IsAScaleUnit(GetUnit()) ? FromBaseFactor() : 1.0;
}
double KUnits::GetScaleUnit2Unity() const {
    return IsAScaleUnit(GetUnit()) ? ToBaseFactor() : 1.0;
}
