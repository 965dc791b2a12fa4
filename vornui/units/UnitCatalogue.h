#pragma once

// Where each code of the unit catalogue lives: the kind blocks, their tables and the
// legacy codes each kind still accepts. Internal to the library.

#include "vornui/units/KUnits.h"

enum class UnitKind {
    BaseType,
    State,
    Range,
    Station,
    Depth,
    Speed,
    Degree,
    Time,
    Position,
    Pressure,
    Datum,
    Affix,
    Scale,
};

struct UnitKindBlock {
    UnitKind kind;
    unsigned short first; // the kind's "(default)" code
    unsigned short rows;
    const KUnits::tag_sUnitDesc* table;
    // Legacy codes legacyFirst..legacyLast stand for rows 1, 2, ... of the table.
    unsigned short legacyFirst;
    unsigned short legacyLast;

    bool HoldsCurrent(unsigned short code) const { return code >= first && code < first + rows; }
    bool HoldsLegacy(unsigned short code) const {
        return legacyFirst != 0 && code >= legacyFirst && code <= legacyLast;
    }
    bool Holds(unsigned short code) const { return HoldsCurrent(code) || HoldsLegacy(code); }
    // The table row of a code the block holds; legacy codes by their current code.
    unsigned short RowIndex(unsigned short code) const {
        return static_cast<unsigned short>(HoldsLegacy(code) ? 1 + (code - legacyFirst)
                                                             : code - first);
    }
};

class UnitCatalogue {
public:
    // The block a code belongs to, legacy codes included; nullptr for a code of no kind.
    static const UnitKindBlock* BlockOf(unsigned short code);
    static bool Is(UnitKind kind, unsigned short code);
    // The current code of a legacy code; any other code unchanged.
    static unsigned short Current(unsigned short code);
    // The row of a code (legacy codes by their current code); nullptr for no kind.
    static const KUnits::tag_sUnitDesc* RowOf(unsigned short code);
    // The row a code is shown with: its own row, except that a "(default)" code and a
    // legacy code show row 1, or the "(default)" row 0 when bShowDefault is set.
    static const KUnits::tag_sUnitDesc* DisplayRowOf(unsigned short code, int bShowDefault);
    // Kilometre points and stations count in station lengths; the other station rows
    // ("(unitless)", "Chainage") do not.
    static bool ScalesWithStationLength(unsigned short code);

private:
    static const UnitKindBlock s_blocks[13];
};
