#include "vornui/units/KUnits.h"

#include <gtest/gtest.h>

#include <string>

// "\260" is the degree sign, byte 0xB0.

namespace {

CString Label(unsigned short code, int bShowDefault) {
    CString text("stale");
    KUnits::GetUnit(code, text, bShowDefault);
    return text;
}

CString Face(unsigned short code, int bShowDefault) {
    CString text("stale");
    KUnits::GetUnitFace(code, text, bShowDefault);
    return text;
}

CString SubUnit(unsigned short unit, unsigned short sub, int bShowDefault) {
    CString text("stale");
    KUnits::GetSubUnit(unit, sub, text, bShowDefault);
    return text;
}

// A host's unit class that only watches which initialisers InitGeneric reaches.
struct InitRecorder : KUnits {
    std::string calls;
    int InitDepth(unsigned short code) override {
        calls += "depth ";
        return KUnits::InitDepth(code);
    }
    int InitStation(unsigned short code, double length) override {
        calls += "station ";
        return KUnits::InitStation(code, length);
    }
};

} // namespace

TEST(KUnitsInit, ConstructionTranslatesLegacyCodes) {
    EXPECT_EQ(KUnits(0x0A).GetUnit(), 0x202);
    EXPECT_EQ(KUnits(8).GetUnit(), 0x141);
    EXPECT_EQ(KUnits(0x7777).GetUnit(), 0);
    EXPECT_EQ(KUnits().GetUnit(), 0);
    const unsigned short legacy[][2] = {{1, 0x101},  {7, 0x107},  {9, 0x201},  {12, 0x204},
                                        {13, 0x301}, {14, 0x302}, {15, 0x331}, {18, 0x334}};
    for (const auto& [old, current] : legacy) {
        KUnits unit;
        EXPECT_EQ(unit.InitGeneric(old), 1);
        EXPECT_EQ(unit.GetUnit(), current) << old;
    }
}

TEST(KUnitsInit, EachInitialiserFallsBackToItsDefaultCode) {
    KUnits unit;
    const struct {
        int (KUnits::*init)(unsigned short);
        unsigned short accepted, held, refused, fallback;
    } cases[] = {
        {&KUnits::InitRange, 5, 0x105, 0x150, 0x100},
        {&KUnits::InitDepth, 0x156, 0x156, 3, 0x150},
        {&KUnits::InitSpeed, 11, 0x203, 0x101, 0x200},
        {&KUnits::InitPosition, 0x368, 0x368, 0x108, 0x360},
        {&KUnits::InitPressure, 0x408, 0x408, 0x409, 0x400},
        {&KUnits::InitScale, 0x1202, 0x1202, 0x1203, 0x1200},
        {&KUnits::InitBaseType, 0x5C, 0x5C, 0x5D, 0x50},
        {&KUnits::InitDatum, 0x502, 0x502, 0x90, 0x500},
        {&KUnits::InitState, 0x92, 0x92, 0x500, 0x90},
        {&KUnits::InitAffix, 0x1006, 0x1006, 0x1200, 0x1000},
        {&KUnits::InitKp, 8, 0x141, 0x101, 0x140},
    };
    for (const auto& c : cases) {
        EXPECT_EQ((unit.*c.init)(c.accepted), 1);
        EXPECT_EQ(unit.GetUnit(), c.held);
        EXPECT_EQ((unit.*c.init)(c.refused), 0);
        EXPECT_EQ(unit.GetUnit(), c.fallback);
    }
    EXPECT_EQ(unit.InitPosition("fathom"), 1);
    EXPECT_EQ(unit.GetUnit(), 0x368);
    EXPECT_EQ(unit.InitPosition("(DEFAULT)"), 1);
    EXPECT_EQ(unit.GetUnit(), 0x360);
    EXPECT_EQ(unit.InitPosition("Meter (3 dec.)"), 0);
    EXPECT_EQ(unit.GetUnit(), 0x360);
    EXPECT_EQ(KUnits::IsAPositionUnit("mile (NAUTICAL int.)"), 0x363);
    EXPECT_EQ(KUnits::IsAPositionUnit(static_cast<const char*>(nullptr)), 0);
}

TEST(KUnitsInit, StationLengthAndOptionFollowTheirInitialisers) {
    KUnits unit;
    EXPECT_EQ(unit.InitStation(0x141, 1000.0), 1);
    EXPECT_EQ(unit.GetStationUnit2M(), 1000.0);
    EXPECT_EQ(unit.InitStation(0x141, 0.0005), 1); // too short: the old length stays
    EXPECT_EQ(unit.GetStationUnit2M(), 1000.0);
    EXPECT_EQ(unit.InitStation(0x150, 50.0), 0); // refused: length untouched
    EXPECT_EQ(unit.GetUnit(), 0x140);
    EXPECT_EQ(unit.GetStationUnit2M(), 1000.0);
    EXPECT_EQ(unit.InitStation(0x143, -1000.0), 1);
    EXPECT_EQ(unit.GetM2StationUnit(), 1000.0 / -1000.0);
    EXPECT_EQ(unit.GetStationUnit2M(), -1000.0 * 0.001);
    EXPECT_EQ(unit.InitStation(0x144, 1000.0), 1); // chainage ignores the length
    EXPECT_EQ(unit.GetM2RangeUnit(), 1.0);

    EXPECT_EQ(unit.InitRange(0x143), 1); // through InitStation, with a length of 1
    EXPECT_EQ(unit.GetUnit(), 0x143);
    EXPECT_EQ(unit.GetM2StationUnit(), 1000.0);

    CString text;
    unit.InitDegree(0x7777, 1); // refused, yet the option is stored
    EXPECT_EQ(unit.GetUnit(), 0x300);
    unit.FormatDegrees2DegreeUnit(270, text);
    EXPECT_EQ(text, "-90.00");
    unit.InitGeneric(0x301); // InitGeneric passes 0 on
    unit.FormatDegrees2DegreeUnit(270, text);
    EXPECT_EQ(text, "270.00");
    unit.InitTime(0x334, 1);
    const KUnits copy(unit);
    copy.FormatSeconds2TimeUnit(90061, text);
    EXPECT_EQ(text, "25:01:01");
    KUnits assigned;
    assigned = copy;
    assigned.FormatSeconds2TimeUnit(90061, text);
    EXPECT_EQ(text, "25:01:01");
}

TEST(KUnitsInit, InitGenericTriesTheKindsThroughVirtualSlots) {
    InitRecorder unit;
    EXPECT_EQ(unit.InitGeneric(0x152), 1);
    EXPECT_EQ(unit.calls, "station depth ");
    unit.calls.clear();
    EXPECT_EQ(unit.InitGeneric(0x7777), 0);
    EXPECT_EQ(unit.GetUnit(), 0);
    EXPECT_EQ(unit.calls, "station depth ");
    EXPECT_EQ(unit.InitGeneric(0), 1);
    EXPECT_EQ(unit.GetUnit(), 0);
    EXPECT_EQ(unit.InitUnit(0x92), 1);
    EXPECT_EQ(unit.GetUnit(), 0x92);
}

TEST(KUnitsLookup, DefaultAndLegacyCodesShowRowOneUnlessAskedForTheDefault) {
    EXPECT_EQ(Label(0x100, 0), "m");
    EXPECT_EQ(Label(0x100, 1), "(default)");
    EXPECT_EQ(Label(2, 0), "m"); // a legacy code shows row 1 of its kind
    EXPECT_EQ(Face(2, 1), "(default)");
    EXPECT_EQ(Label(0x52, 1), "");
    EXPECT_EQ(Face(0x50, 0), "integer");
    EXPECT_EQ(Face(0x145, 0), "Kilometer point (3 dec.)");
    EXPECT_EQ(Face(0x7777, 0), "(n/a)");
    EXPECT_EQ(Label(0x10C, 0), "(n/a)");
    EXPECT_EQ(Label(0, 1), "");
    EXPECT_EQ(Face(0, 1), "");
    CString text;
    KUnits(0x1003).GetUnit(text, 0);
    EXPECT_EQ(text, "pfxEW");

    EXPECT_EQ(KUnits::GetUnitFormatString(0x7777, text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(KUnits::GetUnitFormatString(2, text), 1); // legacy "Kilometer"
    EXPECT_EQ(text, "%1.3f");
}

TEST(KUnitsLookup, SubUnitsQualifyPositionsAndDegreeNotations) {
    EXPECT_EQ(SubUnit(0x361, 0, 0), "ud");
    EXPECT_EQ(SubUnit(0x361, 1, 0), "84");
    EXPECT_EQ(SubUnit(0x361, 2, 0), "ud");
    EXPECT_EQ(SubUnit(0x361, 0x500, 1), "(default)");
    EXPECT_EQ(SubUnit(0x361, 0x502, 1), "84");
    EXPECT_EQ(SubUnit(0x361, 0x503, 1), "");

    EXPECT_EQ(SubUnit(0x309, 0, 1), "ud");
    EXPECT_EQ(SubUnit(0x30A, 0x500, 1), "ud");
    EXPECT_EQ(SubUnit(0x30B, 0x502, 0), "84");
    EXPECT_EQ(SubUnit(0x309, 0x1004, 0), "pfxNS");
    EXPECT_EQ(SubUnit(0x309, 0x101, 0), "stale");

    EXPECT_EQ(SubUnit(0x300, 0x1004, 0), "\260");
    EXPECT_EQ(SubUnit(0x300, 0x1004, 1), "(default)");
    EXPECT_EQ(SubUnit(0x302, 0, 0), "rad");
    EXPECT_EQ(SubUnit(0x101, 0x501, 0), "");

    EXPECT_TRUE(KUnits::HasSubUnit(0x362));
    EXPECT_TRUE(KUnits::HasSubUnit(0x30B));
    EXPECT_FALSE(KUnits::HasSubUnit(0x308));
    EXPECT_TRUE(KUnits::HasAffixUnit(0x309));
    EXPECT_FALSE(KUnits::HasAffixUnit(0x362));
}
