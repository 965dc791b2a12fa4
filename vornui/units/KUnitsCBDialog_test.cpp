// Unit lists as a host's dialog has them: subclassed when the dialog starts, set up each in
// its own way, and picked from by the person.

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/units/KUnitsCB.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

enum ListId {
    kRange = 40,        // InitRange(0x105, names)
    kBaseType,          // InitBaseType(0x50, names), window present
    kDatumNoDefault,    // InitDatum(0x500, names, no default)
    kDatum,             // InitDatum(0x500, names, with default)
    kAffix,             // InitGeneric(0x1003, names)
    kBaseTypeLabels,    // InitBaseType(0x53, labels)
    kSpeedGivenRange,   // InitSpeed(0x101, names)
    kInitialisedBefore, // InitBaseType(0x50) before the window, then subclassed
    kUnknown,           // InitGeneric(0x7777, names)
    kLegacyRange,       // InitRange(legacy 3, names)
    kLast = kLegacyRange
};
constexpr int kLists = kLast - kRange + 1;

constexpr DialogItemTemplate Row(int id) {
    return {"ComboBox",
            "",
            static_cast<WORD>(id),
            WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST,
            0,
            5,
            static_cast<short>(5 + (id - kRange) * 16),
            120,
            160};
}

constexpr DialogItemTemplate kItems[] = {
    Row(kRange),
    Row(kBaseType),
    Row(kDatumNoDefault),
    Row(kDatum),
    Row(kAffix),
    Row(kBaseTypeLabels),
    Row(kSpeedGivenRange),
    Row(kInitialisedBefore),
    Row(kUnknown),
    Row(kLegacyRange),
    {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 5, 5 + kLists * 16, 50,
     14},
};
constexpr DialogTemplate kUnitsDialog{DS_SETFONT | WS_POPUP | WS_CAPTION,
                                      0,
                                      0,
                                      0,
                                      140,
                                      30 + kLists * 16,
                                      "Units",
                                      "MS Shell Dlg",
                                      8,
                                      kItems,
                                      kLists + 1};

// What one list shows.
struct Shown {
    std::vector<std::string> entries;
    std::string selected; // "(none)" without a selection
};

class UnitsDialog : public CDialog {
public:
    KUnitsCB& List(int id) { return m_lists[id - kRange]; }

    Shown Show(int id) {
        KUnitsCB& list = List(id);
        Shown shown;
        for (int index = 0; index < list.GetCount(); ++index) {
            CString text;
            list.GetLBText(index, text);
            shown.entries.emplace_back(text.GetString());
        }
        const int selected = list.GetCurSel();
        shown.selected = selected < 0 ? "(none)" : shown.entries[static_cast<size_t>(selected)];
        return shown;
    }

    KUnitsCB m_lists[kLists];
    unsigned short m_unitBeforeWindow = 0;
    int m_speedResult = -1;
    int m_unknownResult = -1;
    // The notification codes the dialog heard from each list.
    std::map<int, std::vector<UINT>> m_heard;

protected:
    BOOL OnInitDialog() override {
        List(kInitialisedBefore).InitBaseType(KUnits::eBASE_DEFAULT, TRUE);
        m_unitBeforeWindow = List(kInitialisedBefore).GetUnit();
        for (int id = kRange; id <= kLast; ++id)
            List(id).SubclassDlgItem(static_cast<UINT>(id), this);
        List(kRange).InitRange(0x105, TRUE);
        List(kBaseType).InitBaseType(KUnits::eBASE_DEFAULT, TRUE);
        List(kDatumNoDefault).InitDatum(KUnits::eDATUM_DEFAULT, TRUE, TRUE);
        List(kDatum).InitDatum(KUnits::eDATUM_DEFAULT, TRUE, FALSE);
        List(kAffix).InitGeneric(0x1003, TRUE);
        List(kBaseTypeLabels).InitBaseType(KUnits::eBASE_DEFAULT + 3, FALSE);
        m_speedResult = List(kSpeedGivenRange).InitSpeed(0x101, TRUE);
        m_unknownResult = List(kUnknown).InitGeneric(0x7777, TRUE);
        List(kLegacyRange).InitRange(3, TRUE);
        return CDialog::OnInitDialog();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (CDialog::OnCommand(wParam, lParam))
            return TRUE;
        m_heard[LOWORD(wParam)].push_back(HIWORD(wParam));
        return FALSE;
    }
};

bool Heard(UnitsDialog& dialog, int id, UINT code) {
    const std::vector<UINT>& codes = dialog.m_heard[id];
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

} // namespace

TEST(UnitListsInADialog, ShowTheirKindsAndHoldWhatThePersonPicks) {
    UnitsDialog dialog;
    std::map<int, Shown> atStart;
    std::map<int, int> indexAtStart;
    std::map<int, unsigned short> unitAtStart;
    CScriptedUser user;
    user.Then([&](HWND) {
            for (int id = kRange; id <= kLast; ++id) {
                atStart[id] = dialog.Show(id);
                indexAtStart[id] = dialog.List(id).m_nCurIndex;
                unitAtStart[id] = dialog.List(id).GetUnit();
            }
            return ModalAction::Acted;
        })
        .Choose(kRange, "Kilometer")
        .Choose(kBaseType, "double11")
        .Choose(kDatum, "WGS 84")
        .Choose(kAffix, "Suffix E/W")
        .Choose(kInitialisedBefore, "double")
        .Click(IDOK);
    dialog.InitModalIndirect(&kUnitsDialog);
    ASSERT_EQ(dialog.DoModal(), IDOK);

    // The twelve range names, feet selected; the pick holds the kilometre.
    ASSERT_EQ(atStart[kRange].entries.size(), 12u);
    EXPECT_EQ(atStart[kRange].selected, "Feet (International)");
    EXPECT_EQ(indexAtStart[kRange], 5);
    EXPECT_EQ(dialog.List(kRange).GetUnit(), 0x102);
    EXPECT_EQ(dialog.List(kRange).m_nCurIndex, 2);

    // Base types from "integer" on, the "(default)" code taken as "integer".
    const std::vector<std::string>& types = atStart[kBaseType].entries;
    ASSERT_EQ(types.size(), 12u);
    EXPECT_EQ(types.front(), "integer");
    EXPECT_EQ(types.back(), "double18");
    EXPECT_EQ(atStart[kBaseType].selected, "integer");
    EXPECT_EQ(unitAtStart[kBaseType], 0x51);
    EXPECT_EQ(dialog.List(kBaseType).GetUnit(), 0x55);

    // The datum with and without its "(default)" row.
    EXPECT_EQ(atStart[kDatumNoDefault].entries, (std::vector<std::string>{"User datum", "WGS 84"}));
    EXPECT_EQ(atStart[kDatumNoDefault].selected, "User datum");
    EXPECT_EQ(atStart[kDatum].entries,
              (std::vector<std::string>{"(default)", "User datum", "WGS 84"}));
    EXPECT_EQ(atStart[kDatum].selected, "(default)");
    EXPECT_EQ(dialog.List(kDatum).GetUnit(), 0x502);

    // Any code finds its kind: the seven affixes.
    EXPECT_EQ(atStart[kAffix].entries.size(), 7u);
    EXPECT_EQ(atStart[kAffix].selected, "Prefix E/W");
    EXPECT_EQ(dialog.List(kAffix).GetUnit(), 0x1005);

    // Base types have no labels: twelve empty entries, the code's selected.
    EXPECT_EQ(atStart[kBaseTypeLabels].entries, std::vector<std::string>(12, ""));
    EXPECT_EQ(indexAtStart[kBaseTypeLabels], 2);

    // A range code given to the speed list: nothing listed, the speed's default held.
    EXPECT_EQ(dialog.m_speedResult, 0); // KUnits::InitSpeed refused the code
    EXPECT_TRUE(atStart[kSpeedGivenRange].entries.empty());
    EXPECT_EQ(atStart[kSpeedGivenRange].selected, "(none)");
    EXPECT_EQ(indexAtStart[kSpeedGivenRange], -1);
    EXPECT_EQ(unitAtStart[kSpeedGivenRange], 0x200);

    // Set before its window, only the unit changed; subclassing listed the names.
    EXPECT_EQ(dialog.m_unitBeforeWindow, KUnits::eBASE_DEFAULT);
    EXPECT_EQ(atStart[kInitialisedBefore].entries, types);
    EXPECT_EQ(atStart[kInitialisedBefore].selected, "integer");
    EXPECT_EQ(dialog.List(kInitialisedBefore).GetUnit(), KUnits::eBASE_DOUBLE);

    // A code of no kind leaves the list empty, no index and no unit.
    EXPECT_EQ(dialog.m_unknownResult, 0);
    EXPECT_TRUE(atStart[kUnknown].entries.empty());
    EXPECT_EQ(indexAtStart[kUnknown], -1);
    EXPECT_EQ(unitAtStart[kUnknown], 0);

    // A legacy code lists its kind and selects nothing, holding the current code.
    EXPECT_EQ(atStart[kLegacyRange].entries.size(), 12u);
    EXPECT_EQ(atStart[kLegacyRange].selected, "(none)");
    EXPECT_EQ(unitAtStart[kLegacyRange], 0x103);

    // Every pick reached the dialog too.
    for (int id : {kRange, kBaseType, kDatum, kAffix, kInitialisedBefore})
        EXPECT_TRUE(Heard(dialog, id, CBN_SELCHANGE)) << id;
}
