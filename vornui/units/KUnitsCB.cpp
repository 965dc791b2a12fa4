#include "vornui/units/KUnitsCB.h"

#include "vornui/properties/KPropertyCombo.h"
#include "vornui/units/UnitCatalogue.h"

#include <functional>

template <typename Hold>
int KUnitsCB::Show(unsigned short kindDefault, int firstRow, unsigned short code, int bNames,
                   Hold hold) {
    if (GetSafeHwnd()) {
        const UnitKindBlock& kind = *UnitCatalogue::BlockOf(kindDefault);
        ResetContent();
        m_bSkipDefault = firstRow;
        m_nCurIndex = -1;
        if (UnitCatalogue::Is(kind.kind, code)) {
            for (int row = firstRow; row < kind.rows; ++row)
                AddString(bNames ? kind.table[row].szName : kind.table[row].szLabel);
            // A legacy code lies below its kind's codes: its index selects nothing.
            m_nCurIndex = code - kindDefault - firstRow;
            SetCurSel(m_nCurIndex);
        }
    }
    return hold();
}

int KUnitsCB::InitRange(unsigned short code, int bNames) {
    const unsigned short kind = IsAStationUnit(code) ? eSTATION_DEFAULT : eRANGE_DEFAULT;
    return Show(kind, 0, code, bNames, [&] { return KUnits::InitRange(code); });
}

int KUnitsCB::InitStation(unsigned short code, int bNames) {
    return Show(eSTATION_DEFAULT, 0, code, bNames, [&] { return KUnits::InitStation(code, 1.0); });
}

int KUnitsCB::InitDepth(unsigned short code, int bNames) {
    return Show(eDEPTH_DEFAULT, 0, code, bNames, [&] { return KUnits::InitDepth(code); });
}

int KUnitsCB::InitSpeed(unsigned short code, int bNames) {
    return Show(eSPEED_DEFAULT, 0, code, bNames, [&] { return KUnits::InitSpeed(code); });
}

int KUnitsCB::InitDegree(unsigned short code, int bNames, int bPlusMinus180) {
    return Show(eDEGREE_DEFAULT, 0, code, bNames,
                [&] { return KUnits::InitDegree(code, bPlusMinus180); });
}

int KUnitsCB::InitTime(unsigned short code, int bNames, int bNoDayWrap) {
    return Show(eTIME_DEFAULT, 0, code, bNames, [&] { return KUnits::InitTime(code, bNoDayWrap); });
}

int KUnitsCB::InitPosition(unsigned short code, int bNames) {
    return Show(ePOSITION_DEFAULT, 0, code, bNames, [&] { return KUnits::InitPosition(code); });
}

int KUnitsCB::InitPressure(unsigned short code, int bNames) {
    return Show(ePRESSURE_DEFAULT, 0, code, bNames, [&] { return KUnits::InitPressure(code); });
}

int KUnitsCB::InitScale(unsigned short code, int bNames) {
    return Show(eSCALE_DEFAULT, 0, code, bNames, [&] { return KUnits::InitScale(code); });
}

int KUnitsCB::InitAffix(unsigned short code, int bNames) {
    return Show(eAFFIX_DEFAULT, 0, code, bNames, [&] { return KUnits::InitAffix(code); });
}

int KUnitsCB::InitBaseType(unsigned short code, int bNames) {
    if (GetSafeHwnd() && code == eBASE_DEFAULT)
        code = eBASE_INTEGER;
    return Show(eBASE_DEFAULT, 1, code, bNames, [&] { return KUnits::InitBaseType(code); });
}

int KUnitsCB::InitState(unsigned short code, int bNames) {
    if (GetSafeHwnd() && code == eSTATE_DEFAULT)
        code = eSTATE_ON;
    return Show(eSTATE_DEFAULT, 1, code, bNames, [&] { return KUnits::InitState(code); });
}

int KUnitsCB::InitDatum(unsigned short code, int bNames, int bNoDefault) {
    if (GetSafeHwnd() && bNoDefault && code == eDATUM_DEFAULT)
        ++code;
    return Show(eDATUM_DEFAULT, bNoDefault ? 1 : 0, code, bNames,
                [&] { return KUnits::InitDatum(code); });
}

int KUnitsCB::InitGeneric(unsigned short code, int bNames) {
    if (code == eNOUNIT) {
        m_eUnit = eNOUNIT;
        if (GetSafeHwnd())
            SetCurSel(m_nCurIndex);
        return 1;
    }
    const std::function<int()> attempts[] = {
        [&] { return InitRange(code, bNames); },    [&] { return InitStation(code, bNames); },
        [&] { return InitDepth(code, bNames); },    [&] { return InitSpeed(code, bNames); },
        [&] { return InitScale(code, bNames); },    [&] { return InitDegree(code, bNames, 0); },
        [&] { return InitTime(code, bNames, 0); },  [&] { return InitPosition(code, bNames); },
        [&] { return InitPressure(code, bNames); }, [&] { return InitState(code, bNames); },
        [&] { return InitBaseType(code, bNames); }, [&] { return InitDatum(code, bNames, 1); },
        [&] { return InitAffix(code, bNames); }};
    for (const auto& attempt : attempts)
        if (attempt())
            return 1;
    m_nCurIndex = -1;
    m_eUnit = eNOUNIT;
    return 0;
}

unsigned short KUnitsCB::GetUnitFromIndex(int index) const {
    if (index < 0)
        return 0;
    // Hosts call this through const references to the control; the selection state it
    // updates is the control's own, not part of its value.
    auto& self = const_cast<KUnitsCB&>(*this);
    self.m_nCurIndex = index;
    const UnitKindBlock* kind = UnitCatalogue::BlockOf(GetUnit());
    unsigned int unit = kind ? kind->first + static_cast<unsigned int>(index) : GetUnit();
    if (m_bSkipDefault)
        ++unit;
    self.m_eUnit = static_cast<tag_eUNITTYPES>(unit);
    return static_cast<unsigned short>(unit);
}

int KUnitsCB::FillPropertyCombo(KPropertyCombo& combo) const {
    if (!GetSafeHwnd() || !IsInitialized())
        return -1;
    for (int index = 0; index < GetCount(); ++index) {
        CString text;
        GetLBText(index, text);
        combo.AddItem(text);
    }
    return m_nCurIndex;
}

BOOL KUnitsCB::OnReflectedCommand(UINT code) {
    if (code == CBN_SELCHANGE)
        GetUnitFromIndex(GetCurSel());
    // Not handled to the end: the parent hears of the change too.
    return CComboBox::OnReflectedCommand(code);
}

void KUnitsCB::PreSubclassWindow() {
    if (IsInitialized())
        InitGeneric(GetUnit(), 1);
    CComboBox::PreSubclassWindow();
}
