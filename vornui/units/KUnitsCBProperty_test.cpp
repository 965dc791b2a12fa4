#include "tests/TestWindowClass.h"

#include "vornui/properties/KPropertyCombo.h"
#include "vornui/properties/PropertyPane_test.h"
#include "vornui/units/KUnitsCB.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(UnitComboAndPropertyRow, TheRowOffersTheListsEntriesAndItsChoiceGivesTheUnit) {
    std::vector<std::string> log;
    LoggingHost host("host", log);
    int index = -1;
    KPropertyCombo unitRow(&host, "Range unit", &index, true);
    KUnitsCB units;

    // Before the window exists there is nothing to copy.
    units.InitRange(KUnits::eRANGE_KILOMETER, TRUE);
    EXPECT_EQ(units.FillPropertyCombo(unitRow), -1);
    EXPECT_EQ(unitRow.GetItemCount(), 0);

    const HWND frame = CreateWindowEx(0, TestWindowClass("VornuiTestUnitRowFrame"), "", WS_POPUP, 0,
                                      0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    const HWND list = CreateWindowEx(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                     10, 10, 200, 150, frame, nullptr, nullptr, nullptr);
    ASSERT_TRUE(units.SubclassWindow(list));
    index = units.FillPropertyCombo(unitRow);
    EXPECT_EQ(index, 2);
    ASSERT_EQ(unitRow.GetItemCount(), 12);
    EXPECT_EQ(unitRow.GetItemText(5), "Feet (International)");
    EXPECT_EQ(unitRow.GetItemValue(5), 5);
    EXPECT_EQ(unitRow.GetValueText(), "Kilometer");

    PropertyPane pane(log);
    pane.wnd.AddProperty(&unitRow);
    CScriptedUser user;
    user.ClickAt(pane.Button(unitRow)).ChooseMenuItem("Feet (International)");
    ASSERT_TRUE(pane.Act(user));
    EXPECT_EQ(index, 5);
    EXPECT_EQ(units.GetUnitFromIndex(index), KUnits::eRANGE_INT_FEET);

    // With no unit held, nothing is copied.
    KPropertyCombo empty(&host, "None", &index, true);
    units.InitGeneric(0, TRUE);
    EXPECT_EQ(units.FillPropertyCombo(empty), -1);
    EXPECT_EQ(empty.GetItemCount(), 0);
    units.UnsubclassWindow();
    DestroyWindow(frame);
}
