#include "vornui/units/UnitCatalogue.h"

const UnitKindBlock UnitCatalogue::s_blocks[13] = {
    {UnitKind::BaseType, 0x50, 13, KUnits::g_lpzBaseTypeUnits, 0, 0},
    {UnitKind::State, 0x90, 3, KUnits::g_lpzStateUnits, 0, 0},
    {UnitKind::Range, 0x100, 12, KUnits::g_lpzRangeUnits, 1, 7},
    {UnitKind::Station, 0x140, 7, KUnits::g_lpzStationUnits, 8, 8},
    {UnitKind::Depth, 0x150, 7, KUnits::g_lpzDepthUnits, 0, 0},
    {UnitKind::Speed, 0x200, 9, KUnits::g_lpzSpeedUnits, 9, 12},
    {UnitKind::Degree, 0x300, 12, KUnits::g_lpzDegreeUnits, 13, 14},
    {UnitKind::Time, 0x330, 7, KUnits::g_lpzTimeUnits, 15, 18},
    {UnitKind::Position, 0x360, 9, KUnits::g_lpzPositionUnits, 0, 0},
    {UnitKind::Pressure, 0x400, 9, KUnits::g_lpzPressureUnits, 0, 0},
    {UnitKind::Datum, 0x500, 3, KUnits::g_lpzDatumUnits, 0, 0},
    {UnitKind::Affix, 0x1000, 7, KUnits::g_lpzAffixUnits, 0, 0},
    {UnitKind::Scale, 0x1200, 3, KUnits::g_lpzScaleUnits, 0, 0},
};

const UnitKindBlock* UnitCatalogue::BlockOf(unsigned short code) {
    for (const UnitKindBlock& block : s_blocks) {
        if (block.Holds(code))
            return &block;
    }
    return nullptr;
}

bool UnitCatalogue::Is(UnitKind kind, unsigned short code) {
    const UnitKindBlock* block = BlockOf(code);
    return block && block->kind == kind;
}

unsigned short UnitCatalogue::Current(unsigned short code) {
    const UnitKindBlock* block = BlockOf(code);
    return block ? static_cast<unsigned short>(block->first + block->RowIndex(code)) : code;
}

const KUnits::tag_sUnitDesc* UnitCatalogue::RowOf(unsigned short code) {
    const UnitKindBlock* block = BlockOf(code);
    if (!block)
        return nullptr;
    return &block->table[block->RowIndex(code)];
}

const KUnits::tag_sUnitDesc* UnitCatalogue::DisplayRowOf(unsigned short code, int bShowDefault) {
    const UnitKindBlock* block = BlockOf(code);
    if (!block)
        return nullptr;
    if (code > block->first)
        return &block->table[code - block->first];
    return &block->table[bShowDefault ? 0 : 1];
}

bool UnitCatalogue::ScalesWithStationLength(unsigned short code) {
    return Is(UnitKind::Station, code) && code != KUnits::eSTATION_UNITLESS &&
           code != KUnits::eSTATION_CHAINAGE;
}
