#include "vornui/units/KUnits.h"

namespace {

// The factor getters of one kind: source unit to base, base to target unit.
struct KindPairing {
    int (*belongs)(unsigned short);
    double (KUnits::*toBase)() const;
    double (KUnits::*fromBase)() const;
};

// Kinds never mix, even where both are lengths in metres.
const KindPairing kPairings[] = {
    {&KUnits::IsARangeUnit, &KUnits::GetRangeUnit2M, &KUnits::GetM2RangeUnit},
    {&KUnits::IsAStationUnit, &KUnits::GetStationUnit2M, &KUnits::GetM2StationUnit},
    {&KUnits::IsADepthUnit, &KUnits::GetDepthUnit2M, &KUnits::GetM2DepthUnit},
    {&KUnits::IsASpeedUnit, &KUnits::GetSpeedUnit2MpS, &KUnits::GetMpS2SpeedUnit},
    {&KUnits::IsAScaleUnit, &KUnits::GetScaleUnit2Unity, &KUnits::GetUnity2ScaleUnit},
    {&KUnits::IsADegreeUnit, &KUnits::GetDegreeUnit2Degrees, &KUnits::GetDegrees2DegreeUnit},
    {&KUnits::IsATimeUnit, &KUnits::GetTimeUnit2Seconds, &KUnits::GetSeconds2TimeUnit},
    {static_cast<int (*)(unsigned short)>(&KUnits::IsAPositionUnit), &KUnits::GetPositionUnit2M,
     &KUnits::GetM2PositionUnit},
    {&KUnits::IsAPressureUnit, &KUnits::GetPressureUnit2Pascal, &KUnits::GetPascal2PressureUnit},
};

} // namespace

KUnits::Converter::Converter(KUnits& from, KUnits& to) : m_rFrom(from), m_rTo(to) {
    SetScaleFactor();
}

void KUnits::Converter::SetScaleFactor() {
    const unsigned short from = m_rFrom.get().GetUnit();
    const unsigned short to = m_rTo.get().GetUnit();
    for (const KindPairing& pairing : kPairings) {
        if (pairing.belongs(from) && pairing.belongs(to)) {
            m_dToBase = (m_rFrom.get().*pairing.toBase)();
            m_dFromBase = (m_rTo.get().*pairing.fromBase)();
            m_dScaleFactor = m_dFromBase * m_dToBase;
            return;
        }
    }
    throw this;
}

void KUnits::Converter::XFormat(double value, CString& out) const {
    m_rTo.get().FormatDefault2Unit(value * m_dToBase, out);
}
