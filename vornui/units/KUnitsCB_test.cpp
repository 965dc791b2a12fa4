#include "tests/TestWindowClass.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/units/KUnitsCB.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A drop-down list in a frame, attached to a KUnitsCB as a dialog would attach it.
class UnitCombo : public testing::Test {
protected:
    void SetUp() override {
        m_frame = CreateWindowEx(0, TestWindowClass("VornuiTestUnitComboFrame"), "", WS_POPUP, 0, 0,
                                 300, 200, nullptr, nullptr, nullptr, nullptr);
        m_list = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10,
                                200, 150, m_frame, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        m_combo.UnsubclassWindow();
        DestroyWindow(m_frame);
    }

    std::vector<std::string> Entries() {
        std::vector<std::string> entries;
        for (int index = 0; index < m_combo.GetCount(); ++index) {
            CString text;
            m_combo.GetLBText(index, text);
            entries.emplace_back(text.GetString());
        }
        return entries;
    }
    std::string Selected() {
        const int index = m_combo.GetCurSel();
        if (index < 0)
            return "(none)";
        CString text;
        m_combo.GetLBText(index, text);
        return text.GetString();
    }

    HWND m_frame = nullptr;
    HWND m_list = nullptr;
    KUnitsCB m_combo;
};

TEST_F(UnitCombo, ListsAKindAndPicksItsCodesByIndex) {
    ASSERT_TRUE(m_combo.SubclassWindow(m_list));

    EXPECT_EQ(m_combo.InitRange(KUnits::eRANGE_INT_FEET, TRUE), 1);
    EXPECT_EQ(Entries().size(), 12u);
    EXPECT_EQ(Selected(), "Feet (International)");
    EXPECT_EQ(m_combo.m_nCurIndex, 5);
    EXPECT_EQ(m_combo.GetUnitFromIndex(2), KUnits::eRANGE_KILOMETER);
    EXPECT_EQ(m_combo.GetUnit(), KUnits::eRANGE_KILOMETER);
    EXPECT_EQ(m_combo.m_nCurIndex, 2);
    EXPECT_EQ(m_combo.GetUnitFromIndex(-1), 0);
    EXPECT_EQ(m_combo.GetUnit(), KUnits::eRANGE_KILOMETER);

    // A station code given as a range lists the stations.
    EXPECT_EQ(m_combo.InitRange(KUnits::eSTATION_STATIONS, FALSE), 1);
    EXPECT_EQ(Entries().size(), 7u);
    EXPECT_EQ(m_combo.m_nCurIndex, 3);

    // Labels instead of names; the speed units know nothing of ranges.
    EXPECT_EQ(m_combo.InitDepth(KUnits::eDEPTH_FATHOM, FALSE), 1);
    EXPECT_EQ(Selected(), "fth");
    EXPECT_EQ(m_combo.InitSpeed(KUnits::eRANGE_METER, TRUE), 0);
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(m_combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(m_combo.m_nCurIndex, -1);
    EXPECT_EQ(m_combo.GetUnit(), KUnits::eSPEED_DEFAULT);

    // An old-numbered code is held as its current code but selects no entry.
    EXPECT_EQ(m_combo.InitRange(KUnits::eOLD_RANGE_NAUTICAL_MILE, TRUE), 1);
    EXPECT_EQ(Entries().size(), 12u);
    EXPECT_EQ(Selected(), "(none)");
    EXPECT_EQ(m_combo.GetUnit(), KUnits::eRANGE_NAUTICAL_MILE);
}

TEST_F(UnitCombo, KindsWithoutTheirDefaultRowCountFromTheFirstRealRow) {
    ASSERT_TRUE(m_combo.SubclassWindow(m_list));

    EXPECT_EQ(m_combo.InitBaseType(KUnits::eBASE_DEFAULT, TRUE), 1);
    const std::vector<std::string> types = Entries();
    ASSERT_EQ(types.size(), 12u);
    EXPECT_EQ(types.front(), "integer");
    EXPECT_EQ(types.back(), "double18");
    EXPECT_EQ(Selected(), "integer");
    EXPECT_EQ(m_combo.GetUnit(), KUnits::eBASE_INTEGER);
    EXPECT_EQ(m_combo.m_bSkipDefault, 1);
    EXPECT_EQ(m_combo.GetUnitFromIndex(4), KUnits::eBASE_DOUBLE11);

    // The base types have no labels: the entries are there, empty.
    m_combo.InitBaseType(KUnits::eBASE_DOUBLE, FALSE);
    EXPECT_EQ(Entries(), std::vector<std::string>(12, ""));
    EXPECT_EQ(m_combo.GetCurSel(), 3);

    EXPECT_EQ(m_combo.InitDatum(KUnits::eDATUM_DEFAULT, TRUE, TRUE), 1);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"User datum", "WGS 84"}));
    EXPECT_EQ(Selected(), "User datum");
    EXPECT_EQ(m_combo.InitDatum(KUnits::eDATUM_DEFAULT, TRUE, FALSE), 1);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"(default)", "User datum", "WGS 84"}));
    EXPECT_EQ(Selected(), "(default)");
    EXPECT_EQ(m_combo.m_bSkipDefault, 0);

    EXPECT_EQ(m_combo.InitState(KUnits::eSTATE_OFF, TRUE), 1);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(Selected(), "Off");
}

TEST_F(UnitCombo, AnyCodeFindsItsKindOrLeavesTheListEmpty) {
    ASSERT_TRUE(m_combo.SubclassWindow(m_list));

    EXPECT_EQ(m_combo.InitGeneric(KUnits::eAFFIX_DEFAULT + 3, TRUE), 1);
    EXPECT_EQ(Entries().size(), 7u);
    EXPECT_EQ(Selected(), "Prefix E/W");
    EXPECT_EQ(m_combo.GetUnitFromIndex(5), KUnits::eAFFIX_DEFAULT + 5);

    // Code 0 holds no unit and shows the last entry picked again.
    EXPECT_EQ(m_combo.InitUnit(0, TRUE), 1);
    EXPECT_EQ(m_combo.GetUnit(), 0);
    EXPECT_FALSE(m_combo.IsInitialized());
    EXPECT_EQ(Selected(), "Suffix E/W");
    // With no unit held, an index moves nothing but the row past "(default)".
    m_combo.m_bSkipDefault = 1;
    EXPECT_EQ(m_combo.GetUnitFromIndex(3), 1);

    EXPECT_EQ(m_combo.InitGeneric(0x7777, TRUE), 0);
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(m_combo.m_nCurIndex, -1);
    EXPECT_EQ(m_combo.GetUnit(), 0);
}

TEST_F(UnitCombo, BeforeItsWindowOnlyTheUnitChangesAndAttachingListsTheNames) {
    EXPECT_EQ(m_combo.InitBaseType(KUnits::eBASE_DEFAULT, TRUE), 1);
    EXPECT_EQ(m_combo.GetUnit(), KUnits::eBASE_DEFAULT); // not moved to "integer" yet
    EXPECT_EQ(m_combo.m_nCurIndex, 0);

    EXPECT_EQ(m_combo.InitDepth(KUnits::eDEPTH_US_FEET, FALSE), 1);
    EXPECT_EQ(m_combo.m_nCurIndex, 0);
    ASSERT_TRUE(m_combo.SubclassWindow(m_list));
    EXPECT_EQ(Entries().size(), 7u);
    EXPECT_EQ(Selected(), "Feet (US Survey)"); // names, whatever the initialiser asked for
    EXPECT_EQ(m_combo.m_nCurIndex, 4);
    CString text;
    ASSERT_EQ(m_combo.FormatM2DepthUnit(3.0480061, text), 1);
    EXPECT_EQ(text, "10.00");
}

constexpr int kUnitList = 40;

constexpr DialogItemTemplate kItems[] = {
    {"ComboBox", "", kUnitList, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 5, 5, 120, 160},
    {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 5, 70, 50, 14},
};
constexpr DialogTemplate kUnitDialog{
    DS_SETFONT | WS_POPUP | WS_CAPTION, 0, 0, 0, 140, 90, "Units", "MS Shell Dlg", 8, kItems, 2};

// A host's dialog: the unit list is subclassed when the dialog starts, and the dialog hears
// of the notifications the list leaves to it.
class UnitDialog : public CDialog {
public:
    KUnitsCB m_range;
    std::vector<UINT> m_heard;

protected:
    BOOL OnInitDialog() override {
        m_range.InitRange(KUnits::eRANGE_INT_FEET, TRUE);
        m_range.SubclassDlgItem(kUnitList, this);
        return CDialog::OnInitDialog();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (CDialog::OnCommand(wParam, lParam))
            return TRUE; // handled on the way, by the control itself or as OK
        if (LOWORD(wParam) == kUnitList)
            m_heard.push_back(HIWORD(wParam));
        return FALSE;
    }
};

TEST(UnitComboDialog, TheUserPicksAUnitAndTheDialogHearsOfIt) {
    CScriptedUser user;
    user.Choose(kUnitList, "Fathom").Click(IDOK);
    UnitDialog dialog;
    dialog.InitModalIndirect(&kUnitDialog);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_range.GetUnit(), KUnits::eRANGE_FATHOM);
    EXPECT_EQ(dialog.m_range.m_nCurIndex, 8);
    EXPECT_NE(std::find(dialog.m_heard.begin(), dialog.m_heard.end(), CBN_SELCHANGE),
              dialog.m_heard.end());
    CString text;
    dialog.m_range.FormatM2RangeUnit(18.288, text);
    EXPECT_EQ(text, "10.00");
}

} // namespace
