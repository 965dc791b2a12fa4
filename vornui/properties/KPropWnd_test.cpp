#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/properties/KIconTextButtonProperty.h"
#include "vornui/properties/PropertyPane_test.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT kEdit = 600;
constexpr UINT kButton = 601;

// A host's text row: the line name, typed in place, with a button beside it.
class LineNameRow : public KIconTextButtonProperty {
public:
    LineNameRow(IPropertyHost* host, CString* name)
        : KIconTextButtonProperty(host, "Line", name, true) {}
    CString GetTextValue() override { return *static_cast<CString*>(m_pData); }
    bool HasEdit() override { return true; }
    bool HasButton() override { return true; }
    bool OnCommand(KPropWnd*, UINT id, UINT code) override {
        if (id == kButton && code == BN_CLICKED)
            ++buttonPresses;
        return false;
    }
    bool SetValueText(const CString& text) override {
        if (!Accepts(&text))
            return false;
        *static_cast<CString*>(m_pData) = text;
        return true;
    }
    int buttonPresses = 0;
};

// A row that only shows its value.
class DepthRow : public KIconTextButtonProperty {
public:
    DepthRow(IPropertyHost* host, double* depth)
        : KIconTextButtonProperty(host, "Depth", depth, false) {}
    CString GetTextValue() override {
        return KPropWnd::FormatDigits(*static_cast<double*>(m_pData), 4) + " m";
    }
    bool GetNumber(double* value) override {
        *value = *static_cast<double*>(m_pData);
        return true;
    }
};

class TextRow : public testing::Test {
protected:
    TextRow() {
        m_pane.wnd.AddProperty(&m_line);
        m_pane.wnd.AddProperty(&m_depthRow);
    }
    CString EditText() {
        CString text;
        if (CWnd* edit = m_pane.Child(kEdit))
            edit->GetWindowText(text);
        return text;
    }

    std::vector<std::string> m_log;
    LoggingHost m_host{"host", m_log};
    CString m_name = "L-017";
    double m_depth = 12.25;
    LineNameRow m_line{&m_host, &m_name};
    DepthRow m_depthRow{&m_host, &m_depth};
    PropertyPane m_pane{m_log};
};

} // namespace

TEST_F(TextRow, TypingStaysInTheEditUntilTheFocusLeavesForAnythingButItsButton) {
    CScriptedUser user;
    user.ClickAt(m_pane.At(m_line, 10));
    ASSERT_TRUE(m_pane.Act(user));
    // The edit lies over the text, holds the value all selected, and has the focus.
    CWnd* edit = m_pane.Child(kEdit);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(CWnd::GetFocus(), edit);
    EXPECT_EQ(EditText(), "L-017");
    int start = -1;
    int end = -1;
    static_cast<CEdit*>(CWnd::FromHandle(edit->m_hWnd))->GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    CRect editRect;
    edit->GetWindowRect(&editRect);
    EXPECT_TRUE(editRect.PtInRect(m_pane.At(m_line, 10)));

    // Typing replaces the selection; nothing is stored yet.
    user.Type("L-018");
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(EditText(), "L-018");
    EXPECT_EQ(m_name, "L-017");

    // To the button and back: the edit stays.
    user.ClickAt(m_pane.Button(m_line)).ClickAt(m_pane.At(m_line, 10));
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(m_line.buttonPresses, 1);
    EXPECT_EQ(m_pane.Child(kEdit), edit);
    EXPECT_EQ(CWnd::GetFocus(), edit);
    EXPECT_TRUE(m_log.empty());

    // A click elsewhere ends the edit: the host accepts, the value is stored and announced,
    // and the row is no longer active.
    user.ClickAt(m_pane.At(m_depthRow, 10));
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(m_name, "L-018");
    EXPECT_EQ(m_log, (std::vector<std::string>{"host accept", "host changed", "callback"}));
    EXPECT_EQ(m_pane.Child(kEdit), nullptr);
    EXPECT_EQ(m_pane.Child(kButton), nullptr);
    EXPECT_EQ(m_pane.wnd.GetActiveProperty(), &m_depthRow);
    EXPECT_FALSE(m_line.IsActive());
}

TEST_F(TextRow, ReturnStoresEscapeAndARefusalLeaveTheValue) {
    CScriptedUser user;
    user.ClickAt(m_pane.At(m_line, 10)).Type("L-020").Press(VK_RETURN);
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(m_name, "L-020");
    EXPECT_EQ(m_pane.Child(kEdit), nullptr);

    // A second click at the same place comes as a double click: it activates all the same.
    m_log.clear();
    CString typed;
    user.ClickAt(m_pane.At(m_line, 10))
        .Type("L-099")
        .Then([&](HWND) {
            typed = EditText();
            return ModalAction::Acted;
        })
        .Press(VK_ESCAPE);
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(typed, "L-099");
    EXPECT_EQ(m_name, "L-020");
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(m_pane.Child(kEdit), nullptr);

    m_host.accepts = false;
    user.ClickAt(m_pane.At(m_line, 10)).Type("L-021").Press(VK_RETURN);
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(m_name, "L-020");
    EXPECT_EQ(m_line.GetValueText(), "L-020");
    EXPECT_EQ(m_log, std::vector<std::string>{"host accept"});
}

TEST_F(TextRow, ARowTheHostKeepsFromEditingGetsNoEditAndNoButton) {
    m_host.editable = false;
    CScriptedUser user;
    user.ClickAt(m_pane.At(m_line, 10));
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(m_pane.wnd.GetActiveProperty(), &m_line);
    EXPECT_EQ(m_pane.Child(kEdit), nullptr);
    EXPECT_EQ(m_pane.Child(kButton), nullptr);
    // The keyboard moves the active row.
    user.Press(VK_DOWN);
    ASSERT_TRUE(m_pane.Act(user));
    EXPECT_EQ(m_pane.wnd.GetActiveProperty(), &m_depthRow);
    // Rows with numbers compare by them.
    double deeper = 100;
    DepthRow other(&m_host, &deeper);
    EXPECT_EQ(m_depthRow.Compare(other), -1);
    EXPECT_EQ(other.Compare(m_depthRow), 1);
}

TEST_F(TextRow, RowsDrawTheirNamesValuesAndStates) {
    m_pane.wnd.SetHighlightedProperty(&m_depthRow);
    m_pane.wnd.ActivateProperty(&m_depthRow);
    m_pane.wnd.UpdateWindow();
    const HDC hdc = ::GetDC(m_pane.wnd.m_hWnd);
    const auto pixel = [hdc](int x, int y) { return ::GetPixel(hdc, x, y); };
    const CRect line = m_line.GetRect();
    const CRect depth = m_depthRow.GetRect();
    // An editable value on white, with the button face at its right; a read-only value on
    // the face colour, outlined in red while highlighted; the active row's name darker.
    EXPECT_EQ(pixel(line.left + 2, line.top + 2), RGB(255, 255, 255));
    EXPECT_EQ(pixel(line.right - 15, line.top + 3), RGB(0xE1, 0xE1, 0xE1));
    EXPECT_EQ(pixel(depth.left, depth.CenterPoint().y), RGB(255, 0, 0));
    EXPECT_EQ(pixel(depth.left + 2, depth.top + 2), m_pane.wnd.GetFaceColor());
    EXPECT_EQ(pixel(1, depth.top + 2), m_pane.wnd.GetFaceColor() - 0x202020);
    EXPECT_EQ(pixel(1, line.top + 2), m_pane.wnd.GetFaceColor());
    ::ReleaseDC(m_pane.wnd.m_hWnd, hdc);
}

TEST_F(TextRow, ScrollBarsShowOnlyWhileTheRowsDoNotFit) {
    const auto bars = [this] { return m_pane.wnd.GetStyle() & (WS_VSCROLL | WS_HSCROLL); };
    CRect client;
    m_pane.wnd.GetClientRect(&client);
    // Two short rows fit: no bar, and the values reach the window's right edge.
    EXPECT_EQ(bars(), 0u);
    EXPECT_EQ(client, CRect(0, 0, 300, 200));
    EXPECT_EQ(m_line.GetRect().right, 300);

    // Rows beyond the bottom bring the vertical bar, and the values give it room.
    std::vector<double> depths(20, 1.5);
    std::vector<std::unique_ptr<DepthRow>> rows;
    for (double& depth : depths) {
        rows.push_back(std::make_unique<DepthRow>(&m_host, &depth));
        m_pane.wnd.AddProperty(rows.back().get());
    }
    EXPECT_EQ(bars(), static_cast<DWORD>(WS_VSCROLL));
    m_pane.wnd.GetClientRect(&client);
    EXPECT_EQ(client.right, 300 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(m_line.GetRect().right, client.right);

    // Taken away again, the bar goes.
    m_pane.wnd.RemoveAllProperties();
    m_pane.wnd.AddProperty(&m_line);
    EXPECT_EQ(bars(), 0u);
    EXPECT_EQ(m_line.GetRect().right, 300);
}

TEST(TextRowScrolled, TheEditLiesOverItsRowWhereverTheWindowIsScrolled) {
    std::vector<std::string> log;
    LoggingHost host("host", log);
    std::vector<double> depths(20, 3.5);
    std::vector<std::unique_ptr<DepthRow>> rows;
    CString name = "L-042";
    LineNameRow line(&host, &name);
    PropertyPane pane(log);
    for (double& depth : depths) {
        rows.push_back(std::make_unique<DepthRow>(&host, &depth));
        pane.wnd.AddProperty(rows.back().get());
    }
    pane.wnd.AddProperty(&line);
    pane.wnd.SendMessage(WM_VSCROLL, SB_BOTTOM);
    const int scrolled = pane.wnd.GetScrollPos(SB_VERT);
    ASSERT_GT(scrolled, 0);

    CScriptedUser user;
    user.ClickAt(pane.At(line, 10));
    ASSERT_TRUE(pane.Act(user));
    CWnd* edit = pane.Child(kEdit);
    ASSERT_NE(edit, nullptr);
    CRect placed;
    edit->GetWindowRect(&placed);
    pane.wnd.ScreenToClient(&placed);
    // The text rectangle (3 pixels inside the row, 4 after the name column), moved up by
    // the scrolled distance.
    const CRect row = line.GetRect();
    EXPECT_EQ(placed.top, row.top + 3 - scrolled);
    EXPECT_EQ(placed.bottom, row.bottom - 3 - scrolled);
    EXPECT_EQ(placed.left, row.left + 4);
    EXPECT_EQ(pane.wnd.GetScrollPos(SB_VERT), scrolled);
    pane.wnd.RemoveAllProperties();
}
