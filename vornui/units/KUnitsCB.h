#pragma once

// A drop-down list from which the user picks a unit of one kind, and at the same time the
// KUnits of the unit picked, so that a host formats values with the control itself.
//
//   KUnitsCB m_depthUnit;                        // a member of the host's dialog
//   m_depthUnit.SubclassDlgItem(IDC_DEPTH_UNIT, this);
//   m_depthUnit.InitDepth(KUnits::eDEPTH_INT_FEET, TRUE); // lists the names, selects feet
//   ...                                          // the user picks "Fathoms"
//   m_depthUnit.FormatM2DepthUnit(12.5, text);   // prints in fathoms
//
// The initialisers may run before the window exists: they then set only the unit, and the
// list is filled with the unit's names when the control is attached to its window.

#include "vornui/platform/ComboBox.h"
#include "vornui/units/KUnits.h"

class KPropertyCombo;

class VORNUI_API KUnitsCB : public CComboBox, public KUnits {
public:
    KUnitsCB() = default;

    // Each fills the list with the names (bNames non-zero) or labels of its kind's table and
    // selects the code's entry; a code of another kind leaves the list empty and the index
    // -1. The held unit then follows KUnits' initialiser of the kind, whose result is
    // returned.
    int InitRange(unsigned short code, int bNames);
    int InitStation(unsigned short code, int bNames);
    int InitDepth(unsigned short code, int bNames);
    int InitSpeed(unsigned short code, int bNames);
    int InitDegree(unsigned short code, int bNames, int bPlusMinus180);
    int InitTime(unsigned short code, int bNames, int bNoDayWrap);
    int InitPosition(unsigned short code, int bNames);
    int InitPressure(unsigned short code, int bNames);
    int InitScale(unsigned short code, int bNames);
    int InitAffix(unsigned short code, int bNames);
    // These list their table without the "(default)" row; with the window present the
    // "(default)" code selects the first real row.
    int InitBaseType(unsigned short code, int bNames);
    int InitState(unsigned short code, int bNames);
    int InitDatum(unsigned short code, int bNames, int bNoDefault);
    // The kinds tried in turn until one takes the code; 0 holds no unit.
    int InitGeneric(unsigned short code, int bNames);
    int InitUnit(unsigned short code, int bNames) { return InitGeneric(code, bNames); }

    // KUnits' own initialisers stay reachable; they change the held unit only.
    using KUnits::InitAffix;
    using KUnits::InitBaseType;
    using KUnits::InitDatum;
    using KUnits::InitDegree;
    using KUnits::InitDepth;
    using KUnits::InitGeneric;
    using KUnits::InitPosition;
    using KUnits::InitPressure;
    using KUnits::InitRange;
    using KUnits::InitScale;
    using KUnits::InitSpeed;
    using KUnits::InitState;
    using KUnits::InitStation;
    using KUnits::InitTime;
    using KUnits::InitUnit;

    // Makes entry `index` the selection: the held unit becomes the code of that row of the
    // held unit's kind. A negative index changes nothing and gives 0. Const as hosts have
    // always called it, though it changes the selection state.
    unsigned short GetUnitFromIndex(int index) const;
    // Whether a unit is held.
    int IsInitialized() const { return GetUnit() != 0; }
    // Copies the list's entries, in order, into the choices of a property row (each valued
    // by its index) and returns the selected index; -1, adding nothing, before the window
    // exists or while no unit is held.
    int FillPropertyCombo(KPropertyCombo& combo) const;

    int m_nCurIndex = 0;    // the selected entry; -1 for none
    int m_bSkipDefault = 0; // 1 when the list leaves out the kind's "(default)" row

protected:
    BOOL OnReflectedCommand(UINT code) override;
    void PreSubclassWindow() override;

private:
    // With the window present, lists the table of the kind whose "(default)" code is
    // `kindDefault` from row `firstRow` on and selects the code's entry, or leaves the list
    // empty for a code of another kind; then holds the unit through KUnits' initialiser
    // `hold`, whose result it returns.
    template <typename Hold>
    int Show(unsigned short kindDefault, int firstRow, unsigned short code, int bNames, Hold hold);
};
