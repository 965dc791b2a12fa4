#include "tests/TestWindowClass.h"

#include "vornui/units/KUnitsCB.h"

#include <gtest/gtest.h>

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

// What the dialog test (KUnitsCBDialog_test.cpp) leaves out.
TEST_F(UnitCombo, StationsLabelsStatesAndTheEmptyCode) {
    ASSERT_TRUE(m_combo.SubclassWindow(m_list));

    // A station code given as a range lists the stations.
    EXPECT_EQ(m_combo.InitRange(KUnits::eSTATION_STATIONS, FALSE), 1);
    EXPECT_EQ(Entries().size(), 7u);
    EXPECT_EQ(m_combo.m_nCurIndex, 3);
    EXPECT_EQ(m_combo.GetUnitFromIndex(-1), 0);
    EXPECT_EQ(m_combo.GetUnit(), KUnits::eSTATION_STATIONS);

    // Labels instead of names.
    EXPECT_EQ(m_combo.InitDepth(KUnits::eDEPTH_FATHOM, FALSE), 1);
    EXPECT_EQ(Selected(), "fth");

    EXPECT_EQ(m_combo.InitState(KUnits::eSTATE_OFF, TRUE), 1);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(Selected(), "Off");
    EXPECT_EQ(m_combo.GetUnitFromIndex(0), KUnits::eSTATE_ON);

    // Code 0 holds no unit and shows the last entry picked again.
    EXPECT_EQ(m_combo.InitUnit(0, TRUE), 1);
    EXPECT_EQ(m_combo.GetUnit(), 0);
    EXPECT_FALSE(m_combo.IsInitialized());
    EXPECT_EQ(Selected(), "On");
    // With no unit held, an index moves nothing but the row past "(default)".
    EXPECT_EQ(m_combo.GetUnitFromIndex(3), 1);
}

TEST_F(UnitCombo, AttachedLaterItFormatsInTheUnitItWasGiven) {
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

} // namespace
