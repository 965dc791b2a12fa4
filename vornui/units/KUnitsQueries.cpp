// Questions about any unit code, answered from the catalogue without an object.
#include "vornui/units/KUnits.h"
#include "vornui/units/UnitCatalogue.h"

#include <iterator>

int KUnits::IsARangeUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Range, code);
}
int KUnits::IsAStationUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Station, code);
}
int KUnits::IsADepthUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Depth, code);
}
int KUnits::IsASpeedUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Speed, code);
}
int KUnits::IsADegreeUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Degree, code);
}
int KUnits::IsATimeUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Time, code);
}
int KUnits::IsAPositionUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Position, code);
}
int KUnits::IsAPressureUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Pressure, code);
}
int KUnits::IsAScaleUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Scale, code);
}
int KUnits::IsADatumUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Datum, code);
}
int KUnits::IsAStateUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::State, code);
}
int KUnits::IsAAffixUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::Affix, code);
}
int KUnits::IsABaseTypeUnit(unsigned short code) {
    return UnitCatalogue::Is(UnitKind::BaseType, code);
}
int KUnits::IsAIntegerUnit(unsigned short code) {
    return code >= eBASE_DEFAULT && code <= eBASE_INTEGER04;
}
int KUnits::IsADoubleUnit(unsigned short code) {
    return code >= eBASE_DOUBLE && code <= eBASE_DOUBLE18;
}
int KUnits::IsAValidUnit(unsigned short code) {
    return UnitCatalogue::BlockOf(code) != nullptr;
}

int KUnits::IsAPositionUnit(const char* name) {
    if (!name)
        return 0;
    for (unsigned short row = 0; row < std::size(g_lpzPositionUnits); ++row) {
        if (CompareNoCase1252(name, g_lpzPositionUnits[row].szName) == 0)
            return ePOSITION_DEFAULT + row;
    }
    return 0;
}

unsigned short KUnits::GetMetaUnit(unsigned short code) {
    const UnitKindBlock* block = UnitCatalogue::BlockOf(code);
    return block ? block->first : 0;
}

int KUnits::HasAffixUnit(unsigned short code) {
    return code >= eDEGREE_DMS && code <= eDEGREE_DDD;
}

int KUnits::HasSubUnit(unsigned short code) {
    return IsAPositionUnit(code) || HasAffixUnit(code);
}

namespace {

// One text of the row a code is shown with, as `pick` chooses it from the row.
template <typename Pick>
void ShowRowText(unsigned short code, int bShowDefault, CString& out, Pick pick) {
    if (code == KUnits::eNOUNIT) {
        out.Empty();
        return;
    }
    const KUnits::tag_sUnitDesc* row = UnitCatalogue::DisplayRowOf(code, bShowDefault);
    out = row ? pick(*row) : "(n/a)";
}

} // namespace

void KUnits::GetUnit(unsigned short code, CString& out, int bShowDefault) {
    ShowRowText(code, bShowDefault, out, [](const tag_sUnitDesc& row) { return row.szLabel; });
}

void KUnits::GetUnitFace(unsigned short code, CString& out, int bShowDefault) {
    ShowRowText(code, bShowDefault, out, [](const tag_sUnitDesc& row) { return row.szName; });
}

namespace {

// The datum row a sub-unit names by itself: 0 and 1 of the old numbering stand for the user
// datum and WGS84, and a datum code above "(default)" names its own row.
const KUnits::tag_sUnitDesc* NamedDatumRow(unsigned short sub) {
    if (sub <= 1)
        return UnitCatalogue::RowOf(static_cast<unsigned short>(KUnits::eDATUM_USER + sub));
    if (sub > KUnits::eDATUM_DEFAULT && KUnits::IsADatumUnit(sub))
        return UnitCatalogue::RowOf(sub);
    return nullptr;
}

} // namespace

// A position is qualified by its datum; a degree notation by a datum or by the affix
// that shows its sign; any other degree unit by its own label.
void KUnits::GetSubUnit(unsigned short unit, unsigned short sub, CString& out, int bShowDefault) {
    const tag_sUnitDesc* datum = NamedDatumRow(sub);
    if (IsAPositionUnit(unit)) {
        if (datum)
            out = datum->szLabel;
        else if (sub <= eDATUM_DEFAULT)
            out = g_lpzDatumUnits[bShowDefault ? 0 : 1].szLabel;
        else
            out.Empty();
    } else if (HasAffixUnit(unit)) {
        if (datum)
            out = datum->szLabel;
        else if (sub == eDATUM_DEFAULT)
            out = g_lpzDatumUnits[1].szLabel;
        else if (IsAAffixUnit(sub))
            out = g_lpzAffixUnits[sub - eAFFIX_DEFAULT].szLabel;
    } else if (IsADegreeUnit(unit)) {
        GetUnit(unit, out, bShowDefault);
    } else {
        out.Empty();
    }
}

int KUnits::GetUnitFormatString(unsigned short code, CString& out) {
    out.Empty();
    const tag_sUnitDesc* row = UnitCatalogue::RowOf(code);
    if (!row)
        return 0;
    out = row->szFormat;
    return 1;
}
