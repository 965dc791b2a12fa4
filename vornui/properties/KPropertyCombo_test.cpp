#include "vornui/platform/Menu.h"
#include "vornui/properties/KPropertyCombo.h"
#include "vornui/properties/PropertyPane_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kFirstEntry = 602;

struct MenuSeen {
    int items = -1;
    std::vector<UINT> states; // of each item, by position
    CRect window;             // where the menu showed on the screen
};

// A step that looks at the open menu and changes nothing.
CScriptedUser::Step LookAtMenu(MenuSeen& seen) {
    return [&seen](HWND menuWindow) {
        const auto menu = reinterpret_cast<HMENU>(SendMessage(menuWindow, MN_GETHMENU, 0, 0));
        GetWindowRect(menuWindow, &seen.window);
        seen.items = GetMenuItemCount(menu);
        for (int position = 0; position < seen.items; ++position)
            seen.states.push_back(GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION));
        return ModalAction::Acted;
    };
}

class ChoiceRow : public testing::Test {
protected:
    ChoiceRow() {
        m_parity.AddItem("None", 0);
        m_parity.AddItem("Odd", 1);
        m_parity.AddSeparator();
        m_parity.AddItem("Even", 2);
        m_parity.AddItem("Save && exit", 3);
        m_parity.SetSecondListener(&m_listener);
        m_pane.wnd.AddProperty(&m_parity);
    }

    std::vector<std::string> m_log;
    LoggingHost m_host{"host", m_log};
    LoggingHost m_listener{"listener", m_log};
    int m_value = 1;
    KPropertyCombo m_parity{&m_host, "Parity", &m_value, true};
    PropertyPane m_pane{m_log};
};

} // namespace

TEST_F(ChoiceRow, TheMenuOpensOnTheButtonAndAnotherEntryIsStoredAndAnnounced) {
    EXPECT_EQ(m_parity.GetValueText(), "Odd");
    MenuSeen seen;
    CScriptedUser user;
    user.ClickAt(m_pane.Button(m_parity)).Then(LookAtMenu(seen)).ChooseMenuItem(kFirstEntry + 2);
    ASSERT_TRUE(m_pane.Act(user));
    // One entry per item, the separator before "Even", the bound value checked.
    ASSERT_EQ(seen.items, 5);
    EXPECT_EQ(seen.states[1] & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(seen.states[0] & MF_CHECKED, 0u);
    EXPECT_EQ(seen.states[2] & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(m_pane.wnd.GetActiveProperty(), &m_parity);
    // Centred on the row button (20 pixels wide at the row's right, as high as the row).
    const POINT button = m_pane.Button(m_parity);
    EXPECT_NEAR(seen.window.CenterPoint().x, button.x, 1);
    EXPECT_NEAR(seen.window.CenterPoint().y, button.y, 1);

    EXPECT_EQ(m_value, 2);
    EXPECT_EQ(m_parity.GetValueText(), "Even");
    EXPECT_EQ(m_log, (std::vector<std::string>{"host accept", "listener accept (no value)",
                                               "host changed", "listener changed", "callback"}));
    ASSERT_EQ(m_host.proposals.size(), 1u);

    // The row button, now a window, opens it again; the bound entry asks nobody.
    m_log.clear();
    user.ClickAt(m_pane.Button(m_parity)).ChooseMenuItem("Even");
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_TRUE(m_log.empty());

    // A refusing host leaves value and text.
    m_host.accepts = false;
    user.ClickAt(m_pane.Button(m_parity)).ChooseMenuItem("None");
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(m_log, std::vector<std::string>{"host accept"});
    EXPECT_EQ(m_value, 2);
    EXPECT_EQ(m_parity.GetValueText(), "Even");
}

TEST_F(ChoiceRow, TextsShowTheItemOrNotApplicable) {
    m_value = 3;
    EXPECT_EQ(m_parity.GetValueText(), "Save & exit");
    m_value = 9;
    EXPECT_EQ(m_parity.GetValueText(), "N/A");
    // Setting by text: exactly the item's text, and only what the host accepts.
    EXPECT_TRUE(m_parity.SetValueText("Odd"));
    EXPECT_EQ(m_value, 1);
    EXPECT_FALSE(m_parity.SetValueText("odd"));
    EXPECT_TRUE(m_parity.SetValueText("Save && exit"));
    EXPECT_EQ(m_value, 3);
    m_host.accepts = false;
    EXPECT_FALSE(m_parity.SetValueText("None"));
    EXPECT_EQ(m_value, 3);
    EXPECT_EQ(m_log,
              (std::vector<std::string>{"host accept", "listener accept (no value)", "host accept",
                                        "listener accept (no value)", "host accept"}));
    // Rows compare by their texts when they have no numbers.
    int other = 0;
    KPropertyCombo none(&m_host, "Other", &other, true);
    none.AddItem("None", 0);
    EXPECT_EQ(m_parity.Compare(none), 1);
    EXPECT_EQ(none.Compare(m_parity), -1);
    EXPECT_EQ(none.Compare(none), 0);
}

TEST_F(ChoiceRow, WithoutItemsTheRowShowsNotApplicableAndItsMenuOffersNothing) {
    m_parity.RemoveAllItems();
    m_pane.wnd.Refresh();
    EXPECT_EQ(m_parity.GetValueText(), "N/A");
    // An empty menu has nothing to show: the press of its button changes nothing.
    CScriptedUser user;
    user.ClickAt(m_pane.Button(m_parity));
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(m_pane.wnd.GetActiveProperty(), &m_parity);
    EXPECT_EQ(m_value, 1);
    EXPECT_TRUE(m_log.empty());
}

TEST_F(ChoiceRow, EntriesBeyondTheRowsIdsAreShownDisabled) {
    m_parity.RemoveAllItems();
    for (int index = 0; index < 101; ++index)
        m_parity.AddItem(std::to_string(index).c_str());
    MenuSeen seen;
    CScriptedUser user;
    user.ClickAt(m_pane.Button(m_parity)).Then(LookAtMenu(seen)).DismissMenu();
    ASSERT_TRUE(m_pane.Act(user));
    ASSERT_EQ(seen.items, 101);
    EXPECT_EQ(seen.states[77] & MF_GRAYED, 0u);
    EXPECT_EQ(seen.states[78] & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(seen.states[100] & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    // The item is still there to be set by its text.
    EXPECT_TRUE(m_parity.SetValueText("99"));
    EXPECT_EQ(m_value, 99);
}

TEST(ChoiceRowOnAByte, WritesOneByteAndReadsItUnsigned) {
    std::vector<std::string> log;
    LoggingHost host("host", log);
    struct {
        unsigned char before = 0x11;
        unsigned char value = 200;
        unsigned char after = 0x22;
    } bytes;
    KPropertyCombo gain(&host, "Gain", &bytes.value, true);
    gain.SetByteValue(true);
    gain.AddItem("Low", 10);
    gain.AddItem("High", 200);
    PropertyPane pane(log);
    pane.wnd.AddProperty(&gain);
    EXPECT_EQ(gain.GetValueText(), "High");
    CScriptedUser user;
    user.ClickAt(pane.Button(gain)).ChooseMenuItem("Low");
    ASSERT_TRUE(pane.Act(user));
    EXPECT_EQ(bytes.value, 10);
    EXPECT_EQ(bytes.before, 0x11);
    EXPECT_EQ(bytes.after, 0x22);
}

namespace {

// A host's choice row that steps through its items with the wheel.
class WheelRow : public KPropertyCombo {
public:
    using KPropertyCombo::KPropertyCombo;
    bool OnMouseWheel(KPropWnd*, UINT, short delta, CPoint) override {
        const int step = delta > 0 ? -1 : 1;
        for (int index = 0; index < GetItemCount(); ++index)
            if (GetItemText(index) == GetValueText())
                return SetValueText(GetItemText(index + step));
        return false;
    }
};

} // namespace

TEST(ChoiceRowsAndTheWheel, TheActiveRowTakesTheWheelFirstThenTheWindowScrolls) {
    std::vector<std::string> log;
    LoggingHost host("host", log);
    std::vector<int> values(30, 0);
    std::vector<std::unique_ptr<KPropertyCombo>> rows;
    int speed = 1;
    WheelRow speedRow(&host, "Speed", &speed, true);
    for (const char* text : {"Slow", "Medium", "Fast"})
        speedRow.AddItem(text);
    PropertyPane pane(log); // after its rows: they outlive it
    for (int& value : values) {
        rows.push_back(std::make_unique<KPropertyCombo>(&host, "Channel", &value, true));
        rows.back()->AddItem("Off", 0);
        rows.back()->AddItem("On", 1);
        pane.wnd.AddProperty(rows.back().get());
    }
    pane.wnd.AddProperty(&speedRow);

    // An active choice row leaves the wheel to the window, which scrolls.
    CScriptedUser user;
    user.ClickAt(pane.At(*rows[1], 5)).Wheel(pane.At(*rows[1], 5), -WHEEL_DELTA);
    ASSERT_TRUE(pane.Act(user));
    EXPECT_EQ(pane.wnd.GetActiveProperty(), rows[1].get());
    const int scrolled = pane.wnd.GetScrollPos(SB_VERT);
    EXPECT_GT(scrolled, 0);
    EXPECT_EQ(values[1], 0);
    EXPECT_TRUE(log.empty());

    // A row that takes the wheel changes its value, which is announced; nothing scrolls.
    pane.wnd.ActivateProperty(&speedRow);
    user.Wheel(pane.At(*rows[5], 5), -WHEEL_DELTA);
    ASSERT_TRUE(pane.Act(user));
    EXPECT_EQ(speed, 2);
    EXPECT_EQ(pane.wnd.GetScrollPos(SB_VERT), scrolled);
    EXPECT_EQ(log, (std::vector<std::string>{"host accept", "host changed", "callback"}));
}

TEST_F(ChoiceRow, TheUpperIdsGoLess80ToTheSecondCommandHandler) {
    int speed = 1;
    KPropertyCombo other(&m_host, "Speed", &speed, true);
    other.AddItem("Slow", 0);
    other.AddItem("Fast", 1);
    m_pane.wnd.SetSecondCommandHandler(&other);
    // 682 is the second handler's 602: its first item.
    m_pane.wnd.SendMessage(WM_COMMAND, MAKEWPARAM(682, 0));
    EXPECT_EQ(speed, 0);
    EXPECT_EQ(m_value, 1);
    EXPECT_EQ(m_log, (std::vector<std::string>{"host accept", "host changed", "callback"}));
    // The active row's part of the range does not reach it.
    m_log.clear();
    m_pane.wnd.ActivateProperty(&m_parity);
    m_pane.wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kFirstEntry + 2, 0));
    EXPECT_EQ(m_value, 2);
    EXPECT_EQ(speed, 0);
    m_pane.wnd.SetSecondCommandHandler(nullptr);
}
