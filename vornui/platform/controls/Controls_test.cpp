#include "tests/TestWindowClass.h"
#include "tests/WindowSpy.h"

#include "vornui/platform/Button.h"
#include "vornui/platform/ComboBox.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/ListBox.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/WindowPosition.h"

#include <gtest/gtest.h>

namespace {

// A shown frame whose controls take real input, and a spy on the frame and its controls.
class Controls : public testing::Test {
protected:
    void SetUp() override {
        m_frame = CreateWindowEx(0, TestWindowClass("VornuiTestControlsFrame"), "Frame",
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr, nullptr,
                                 nullptr, nullptr);
        m_spy.Watch(m_frame, "parent");
    }
    void TearDown() override { DestroyWindow(m_frame); }

    HWND Add(const char* className, const char* text, int id, DWORD style, CRect rect,
             const char* spyName = nullptr) {
        const HWND control =
            CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                           rect.Width(), rect.Height(), m_frame,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        if (spyName)
            m_spy.Watch(control, spyName);
        return control;
    }

    static void ClickAt(HWND control, CPoint client) {
        ClientToScreen(control, &client);
        PostMouseInput(GetCurrentThreadId(), WM_LBUTTONDOWN, client);
        PostMouseInput(GetCurrentThreadId(), WM_LBUTTONUP, client);
        Pump();
    }

    static void Click(HWND control) {
        RECT client;
        GetClientRect(control, &client);
        ClickAt(control, CRect(client).CenterPoint());
    }

    static void TypeKeys(const char* text) {
        for (const char* at = text; *at; ++at) {
            const UINT key = *at == '\b' ? VK_BACK : VK_PACKET;
            PostKeyInput(GetCurrentThreadId(), key, TRUE, *at);
            PostKeyInput(GetCurrentThreadId(), key, FALSE);
        }
        Pump();
    }

    static void Pump() {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }

    static CString TextOf(HWND hwnd) {
        char text[256];
        GetWindowText(hwnd, text, sizeof text);
        return text;
    }

    HWND m_frame = nullptr;
    WindowSpy m_spy;
};

const std::vector<UINT> kButtonTrace = {WM_LBUTTONDOWN,    WM_LBUTTONUP, WM_SETFOCUS,
                                        WM_CAPTURECHANGED, BM_SETSTATE,  BM_SETCHECK,
                                        WM_COMMAND};

} // namespace

TEST_F(Controls, ACheckBoxClickGoesDownUpThenChecksAndNotifiesTheParent) {
    const HWND check = Add("Button", "Tide", 11, BS_AUTOCHECKBOX, CRect(10, 10, 110, 30), "check");
    Click(check);
    EXPECT_EQ(m_spy.Log(kButtonTrace),
              (std::vector<std::string>{"check:WM_LBUTTONDOWN", "check:WM_SETFOCUS",
                                        "check:BM_SETSTATE", "check:WM_LBUTTONUP",
                                        "check:WM_CAPTURECHANGED", "check:BM_SETSTATE",
                                        "check:BM_SETCHECK", "parent:WM_COMMAND/0"}));
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetFocus(), check);
    Click(check);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // With BS_NOTIFY the parent also hears of focus and of the button going down and up.
    const HWND notifying =
        Add("Button", "Go", 12, BS_PUSHBUTTON | BS_NOTIFY, CRect(10, 40, 110, 60), "push");
    m_spy.Clear();
    Click(notifying);
    std::vector<std::string> codes;
    for (const std::string& line : m_spy.Log({WM_COMMAND}))
        codes.push_back(line);
    EXPECT_EQ(codes, (std::vector<std::string>{"parent:WM_COMMAND/6", "parent:WM_COMMAND/2",
                                               "parent:WM_COMMAND/3", "parent:WM_COMMAND/0"}));
    EXPECT_EQ(SendMessage(notifying, BM_GETSTATE, 0, 0), BST_FOCUS);

    // A release outside the button is no click.
    const HWND other = Add("Button", "No", 13, BS_PUSHBUTTON, CRect(10, 70, 110, 90), "other");
    m_spy.Clear();
    CPoint down(5, 5);
    CPoint away(300, 300);
    ClientToScreen(other, &down);
    ClientToScreen(other, &away);
    PostMouseInput(GetCurrentThreadId(), WM_LBUTTONDOWN, down);
    PostMouseInput(GetCurrentThreadId(), WM_LBUTTONUP, away);
    Pump();
    // The notifying button lost the focus (BN_KILLFOCUS); nothing was clicked.
    EXPECT_EQ(m_spy.Log({WM_COMMAND}), (std::vector<std::string>{"parent:WM_COMMAND/7"}));
    EXPECT_EQ(SendMessage(other, BM_GETSTATE, 0, 0), BST_FOCUS);
}

TEST_F(Controls, AutomaticRadioButtonsCheckOneOfTheirGroup) {
    const HWND first = Add("Button", "A", 1, BS_AUTORADIOBUTTON | WS_GROUP, CRect(0, 0, 50, 20));
    const HWND second = Add("Button", "B", 2, BS_AUTORADIOBUTTON, CRect(0, 20, 50, 40));
    const HWND third = Add("Button", "C", 3, BS_AUTORADIOBUTTON, CRect(0, 40, 50, 60));
    const HWND outside = Add("Button", "D", 4, BS_AUTORADIOBUTTON | WS_GROUP, CRect(0, 60, 50, 80));
    SendMessage(outside, BM_SETCHECK, BST_CHECKED, 0);
    Click(first);
    Click(third);
    EXPECT_EQ(SendMessage(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessage(third, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessage(outside, BM_GETCHECK, 0, 0), BST_CHECKED); // another group
    SendMessage(second, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessage(third, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessage(second, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(GetWindowLong(second, GWL_STYLE) & WS_TABSTOP); // Tab stops at the checked one

    const HWND tri = Add("Button", "3", 5, BS_AUTO3STATE, CRect(100, 0, 150, 20));
    for (int expected : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
        Click(tri);
        EXPECT_EQ(SendMessage(tri, BM_GETCHECK, 0, 0), expected);
    }
    const HWND group = Add("Button", "Box", 6, BS_GROUPBOX, CRect(200, 0, 300, 100));
    EXPECT_EQ(SendMessage(group, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    EXPECT_EQ(SendMessage(first, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_RADIOBUTTON);
}

TEST_F(Controls, AnEditTakesTypedTextAndReportsUpdateThenChange) {
    const HWND edit = Add("Edit", "", 20, ES_AUTOHSCROLL, CRect(10, 10, 200, 30), "edit");
    Click(edit);
    m_spy.Clear();
    TypeKeys("ab");
    EXPECT_EQ(m_spy.Log({WM_COMMAND}),
              (std::vector<std::string>{"parent:WM_COMMAND/1024", "parent:WM_COMMAND/768",
                                        "parent:WM_COMMAND/1024", "parent:WM_COMMAND/768"}));
    EXPECT_EQ(TextOf(edit), "ab");
    EXPECT_TRUE(SendMessage(edit, EM_GETMODIFY, 0, 0));
    TypeKeys("\bc");
    EXPECT_EQ(TextOf(edit), "ac");

    SendMessage(edit, EM_SETSEL, 0, 1);
    SendMessage(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("Tr"));
    EXPECT_EQ(TextOf(edit), "Trc");
    EXPECT_TRUE(SendMessage(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(TextOf(edit), "ac");

    SendMessage(edit, EM_LIMITTEXT, 4, 0);
    m_spy.Clear();
    SendMessage(edit, EM_SETSEL, 2, 2);
    TypeKeys("xyz");
    EXPECT_EQ(TextOf(edit), "acxy");
    EXPECT_EQ(m_spy.Log({WM_COMMAND}).back(), "parent:WM_COMMAND/1281"); // EN_MAXTEXT

    m_spy.Clear();
    SetWindowText(edit, "set"); // not limited, reported, not modified
    EXPECT_EQ(m_spy.Log({WM_COMMAND}),
              (std::vector<std::string>{"parent:WM_COMMAND/1024", "parent:WM_COMMAND/768"}));
    EXPECT_FALSE(SendMessage(edit, EM_GETMODIFY, 0, 0));

    const HWND digits = Add("Edit", "", 21, ES_NUMBER, CRect(10, 40, 200, 60));
    Click(digits);
    TypeKeys("1a2");
    EXPECT_EQ(TextOf(digits), "12");

    // Copy and paste through the clipboard.
    SendMessage(edit, EM_SETSEL, 0, -1);
    SendMessage(edit, WM_COPY, 0, 0);
    const HWND target = Add("Edit", "x", 22, ES_UPPERCASE, CRect(10, 70, 200, 90));
    SendMessage(target, EM_SETSEL, 1, 1);
    SendMessage(target, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(target), "XSET");
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(target, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 4u);
    EXPECT_EQ(end, 4u);
}

TEST_F(Controls, AListBoxSortsSelectsAndNotifiesOnlyForTheUser) {
    const HWND list =
        Add("ListBox", "", 30, LBS_NOTIFY | LBS_SORT | WS_VSCROLL, CRect(10, 10, 160, 110));
    for (const char* name : {"Pump", "anchor", "Winch", "ballast"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    char text[32];
    SendMessage(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "ballast");
    EXPECT_EQ(
        SendMessage(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("w")),
        3);
    EXPECT_EQ(SendMessage(list, LB_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>("PUMP")), 2);
    EXPECT_EQ(SendMessage(list, LB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(m_spy.Log({WM_COMMAND}), std::vector<std::string>{}); // not the user
    EXPECT_EQ(SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);

    RECT item;
    SendMessage(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    ClickAt(list, CRect(item).CenterPoint());
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(m_spy.Log({WM_COMMAND}),
              (std::vector<std::string>{"parent:WM_COMMAND/4", "parent:WM_COMMAND/1"}));
    EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 0); // the selection moved up with it

    const HWND multi = Add("ListBox", "", 31, LBS_MULTIPLESEL, CRect(200, 10, 350, 110));
    for (const char* name : {"A", "B", "C", "D"})
        SendMessage(multi, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessage(multi, LB_SETSEL, TRUE, 1);
    SendMessage(multi, LB_SETSEL, TRUE, 3);
    int selected[4] = {};
    EXPECT_EQ(SendMessage(multi, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(selected)), 2);
    EXPECT_EQ(selected[0], 1);
    EXPECT_EQ(selected[1], 3);
    EXPECT_EQ(SendMessage(multi, LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessage(list, LB_GETSELCOUNT, 0, 0), LB_ERR);
}

TEST_F(Controls, AComboBoxDropsDownAndAChoiceEndsOkClosesThenChanges) {
    const HWND combo = Add("ComboBox", "", 40, CBS_DROPDOWNLIST, CRect(10, 10, 160, 110));
    CRect window;
    GetWindowRect(combo, &window);
    EXPECT_EQ(window.Height(), 21); // the selection field; 100 is the dropped height
    for (const char* unit : {"metres", "feet", "fathoms"})
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit));
    CRect dropped;
    SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.Height(), 100);
    // Moved to a new height, the box keeps its field and takes the height for its list.
    MoveWindow(combo, 10, 10, 150, 150, TRUE);
    GetWindowRect(combo, &window);
    EXPECT_EQ(window.Height(), 21);
    SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.Height(), 150);
    MoveWindow(combo, 10, 10, 150, 100, TRUE);

    Click(combo);
    EXPECT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(m_spy.Log({WM_COMMAND}),
              (std::vector<std::string>{"parent:WM_COMMAND/3", "parent:WM_COMMAND/7"}));
    m_spy.Clear();
    const int itemHeight = static_cast<int>(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0));
    ClickAt(combo, CPoint(20, window.Height() + itemHeight + itemHeight / 2)); // "feet"
    EXPECT_EQ(m_spy.Log({WM_COMMAND}),
              (std::vector<std::string>{"parent:WM_COMMAND/9", "parent:WM_COMMAND/8",
                                        "parent:WM_COMMAND/1"}));
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(TextOf(combo), "feet");
    EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));

    // With an edit field, typing is reported as an edit change; choosing sets the text.
    const HWND editable =
        Add("ComboBox", "", 41, CBS_DROPDOWN | CBS_SORT, CRect(200, 10, 350, 110));
    for (const char* port : {"COM2", "COM1"})
        SendMessage(editable, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(port));
    const HWND field = GetWindow(editable, GW_CHILD);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(GetDlgCtrlID(field), IDC_COMBO_EDIT);
    m_spy.Clear();
    SendMessage(editable, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(TextOf(editable), "COM2");
    EXPECT_EQ(m_spy.Log({WM_COMMAND}), std::vector<std::string>{});
    Click(field); // the list combo loses the focus, the edit of this one gets it
    TypeKeys("7");
    EXPECT_EQ(TextOf(editable), "COM27");
    EXPECT_EQ(m_spy.Log({WM_COMMAND}),
              (std::vector<std::string>{"parent:WM_COMMAND/4", "parent:WM_COMMAND/3",
                                        "parent:WM_COMMAND/6", "parent:WM_COMMAND/5"}));
}

TEST_F(Controls, ASimpleComboBoxShowsWholeRowsOfItsListAndPicksByClick) {
    const HWND combo = Add("ComboBox", "", 42, CBS_SIMPLE, CRect(10, 10, 160, 110));
    for (const char* datum : {"WGS84", "ED50", "NAD83"})
        SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(datum));
    const HWND list = GetDlgItem(combo, IDC_COMBO_LIST);
    ASSERT_NE(list, nullptr);
    CRect box, shown;
    GetWindowRect(combo, &box);
    GetWindowRect(list, &shown);
    EXPECT_EQ(box.Height(), 100); // unlike the drop-down kinds, it keeps its height
    EXPECT_EQ(shown.right, box.right);
    const int itemHeight = static_cast<int>(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ((shown.Height() - 2) % itemHeight, 0);
    EXPECT_LE(box.bottom - shown.bottom, itemHeight);

    // Resizing refits the list; without integral height it reaches the bottom.
    SetWindowPos(combo, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(list, &shown);
    EXPECT_EQ(shown.Width(), 200);
    EXPECT_EQ((shown.Height() - 2) % itemHeight, 0);
    const HWND loose =
        Add("ComboBox", "", 43, CBS_SIMPLE | CBS_NOINTEGRALHEIGHT, CRect(200, 10, 350, 110));
    GetWindowRect(loose, &box);
    GetWindowRect(GetDlgItem(loose, IDC_COMBO_LIST), &shown);
    EXPECT_EQ(shown.bottom, box.bottom);

    m_spy.Clear();
    ClickAt(list, CPoint(20, 1 + itemHeight + itemHeight / 2)); // the second row, "ED50"
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(TextOf(combo), "ED50");
    EXPECT_EQ(m_spy.Log({WM_COMMAND}).back(), "parent:WM_COMMAND/1");
    ClickAt(list, CPoint(20, shown.Height() - 2)); // below the last item: nothing changes
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
}

TEST_F(Controls, TheScriptedUserChoosesEntriesOfListsAndCombos) {
    static constexpr DialogItemTemplate items[] = {
        {"ListBox", "", 50, WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | WS_VSCROLL, 0, 5, 5, 80, 30},
        {"ComboBox", "", 51, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 90, 5, 80, 60},
        {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 5, 70, 50, 14},
    };
    static constexpr DialogTemplate chooser{DS_SETFONT | WS_POPUP | WS_CAPTION,
                                            0,
                                            0,
                                            0,
                                            180,
                                            90,
                                            "Choose",
                                            "MS Shell Dlg",
                                            8,
                                            items,
                                            3};
    class ChooserDialog : public CDialog {
    public:
        CString m_name;
        CString m_unit;
        CRect m_listClient;
        int m_rowHeight = 0;

    protected:
        BOOL OnInitDialog() override {
            ::GetClientRect(GetDlgItem(50)->m_hWnd, &m_listClient);
            m_rowHeight = static_cast<int>(SendDlgItemMessage(50, LB_GETITEMHEIGHT, 0, 0));
            for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot"})
                SendDlgItemMessage(50, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
            for (const char* unit : {"metres", "feet", "fathoms"})
                SendDlgItemMessage(51, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit));
            return CDialog::OnInitDialog();
        }
        void DoDataExchange(CDataExchange* dx) override {
            DDX_LBString(dx, 50, m_name);
            DDX_CBString(dx, 51, m_unit);
        }
    };
    CScriptedUser user;
    user.Choose(50, "Echo").Choose(51, "fathoms").Click(IDOK);
    ChooserDialog dialog;
    dialog.InitModalIndirect(&chooser);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, "Echo"); // below the visible part: scrolled into view first
    EXPECT_EQ(dialog.m_unit, "fathoms");
    // Laid out from its template, the list shows whole rows only.
    ASSERT_GT(dialog.m_rowHeight, 0);
    EXPECT_GT(dialog.m_listClient.Height(), 0);
    EXPECT_EQ(dialog.m_listClient.Height() % dialog.m_rowHeight, 0);
}

TEST_F(Controls, AListBoxShrinksToItsLastWholeRowUnlessToldNotTo) {
    const HWND list = Add("ListBox", "", 32, WS_BORDER | WS_VSCROLL, CRect(10, 10, 160, 110));
    const int row = static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(row, 0);
    ASSERT_NE(98 % row, 0); // a 100-pixel box would show part of a row
    CRect window, client;
    GetWindowRect(list, &window);
    GetClientRect(list, &client);
    EXPECT_EQ(client.Height(), 98 - 98 % row);
    EXPECT_EQ(window.Height(), client.Height() + 2);
    ScreenToClient(m_frame, reinterpret_cast<POINT*>(&window.left));
    EXPECT_EQ(window.top, 10); // it keeps its place, and gives up the bottom

    SetWindowPos(list, nullptr, 0, 0, 150, 151, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(list, &client);
    EXPECT_EQ(client.Height(), 149 - 149 % row);
    for (int each = 0; each < 40; ++each)
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Sounding"));
    SendMessage(list, LB_SETTOPINDEX, 39, 0);
    RECT last;
    SendMessage(list, LB_GETITEMRECT, 39, reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(last.bottom, client.bottom); // scrolled to the end, the last row ends the box

    const HWND loose =
        Add("ListBox", "", 33, WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(200, 10, 350, 110));
    GetWindowRect(loose, &window);
    EXPECT_EQ(window.Height(), 100);
    const HWND variable =
        Add("ListBox", "", 34, WS_BORDER | LBS_OWNERDRAWVARIABLE, CRect(200, 120, 350, 220));
    GetWindowRect(variable, &window);
    EXPECT_EQ(window.Height(), 100); // rows of their own heights cannot all end the box
    const HWND tiny = Add("ListBox", "", 35, 0, CRect(10, 300, 160, 300 + row / 2));
    GetWindowRect(tiny, &window);
    EXPECT_EQ(window.Height(), row / 2); // smaller than a row: left as it is
}

TEST_F(Controls, KeysMoveTheCaretAndTheSelectionAsTheUserExpects) {
    const HWND edit = Add("Edit", "sounding", 20, 0, CRect(10, 10, 200, 30));
    Click(edit);
    const auto key = [](UINT vk, bool shift = false) {
        if (shift)
            PostKeyInput(GetCurrentThreadId(), VK_SHIFT, TRUE);
        PostKeyInput(GetCurrentThreadId(), vk, TRUE);
        PostKeyInput(GetCurrentThreadId(), vk, FALSE);
        if (shift)
            PostKeyInput(GetCurrentThreadId(), VK_SHIFT, FALSE);
        Pump();
    };
    const auto selection = [edit] {
        DWORD start = 0;
        DWORD end = 0;
        SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                    reinterpret_cast<LPARAM>(&end));
        return std::make_pair(start, end);
    };
    key(VK_HOME);
    key(VK_RIGHT, true);
    key(VK_RIGHT, true);
    EXPECT_EQ(selection(), std::make_pair(0u, 2u));
    key(VK_DELETE);
    EXPECT_EQ(TextOf(edit), "unding");
    key(VK_END);
    key(VK_LEFT);
    TypeKeys("!");
    EXPECT_EQ(TextOf(edit), "undin!g");

    const HWND list = Add("ListBox", "", 30, LBS_NOTIFY, CRect(10, 40, 160, 140));
    for (const char* name : {"one", "two", "three"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    Click(list); // on empty space: focus, no selection
    m_spy.Clear();
    key(VK_DOWN);
    key(VK_END);
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(m_spy.Log({WM_COMMAND}),
              (std::vector<std::string>{"parent:WM_COMMAND/1", "parent:WM_COMMAND/1"}));
    TypeKeys("t"); // the next entry starting with t, from the current one on
    EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 1);

    const HWND extended = Add("ListBox", "", 31, LBS_EXTENDEDSEL, CRect(200, 40, 350, 140));
    for (const char* name : {"a", "b", "c", "d"})
        SendMessage(extended, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    RECT first;
    RECT third;
    SendMessage(extended, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessage(extended, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
    ClickAt(extended, CRect(first).CenterPoint());
    PostKeyInput(GetCurrentThreadId(), VK_SHIFT, TRUE);
    ClickAt(extended, CRect(third).CenterPoint());
    PostKeyInput(GetCurrentThreadId(), VK_SHIFT, FALSE);
    Pump();
    EXPECT_EQ(SendMessage(extended, LB_GETSELCOUNT, 0, 0), 3);
}

TEST_F(Controls, FocusEnablingCaptureAndParentsChangeWithTheirMessages) {
    const HWND first = Add("Edit", "", 1, 0, CRect(0, 0, 50, 20), "first");
    const HWND second = Add("Edit", "", 2, 0, CRect(0, 30, 50, 50), "second");
    SetFocus(first);
    m_spy.Clear();
    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(m_spy.Log({WM_SETFOCUS, WM_KILLFOCUS}),
              (std::vector<std::string>{"first:WM_KILLFOCUS", "second:WM_SETFOCUS"}));

    m_spy.Clear();
    EXPECT_FALSE(EnableWindow(second, FALSE)); // it was enabled
    EXPECT_EQ(GetFocus(), nullptr);            // a disabled window keeps no focus
    EXPECT_EQ(m_spy.Log({WM_KILLFOCUS, WM_ENABLE}),
              (std::vector<std::string>{"second:WM_KILLFOCUS", "second:WM_ENABLE"}));
    EXPECT_TRUE(EnableWindow(second, TRUE));

    EXPECT_EQ(SetCapture(first), nullptr);
    m_spy.Clear();
    SetCapture(second);
    EXPECT_EQ(m_spy.Log({WM_CAPTURECHANGED}),
              (std::vector<std::string>{"first:WM_CAPTURECHANGED"}));
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);

    const HWND box = Add("Static", "", 3, 0, CRect(100, 100, 300, 200));
    EXPECT_EQ(SetParent(second, box), m_frame);
    EXPECT_EQ(GetParent(second), box);
    EXPECT_TRUE(IsChild(m_frame, second));
    EXPECT_EQ(GetAncestor(second, GA_PARENT), box);
    EXPECT_EQ(GetAncestor(second, GA_ROOT), m_frame);
    RECT moved;
    GetWindowRect(second, &moved);
    CPoint origin(0, 0);
    ClientToScreen(box, &origin);
    EXPECT_EQ(CPoint(moved.left, moved.top),
              CPoint(origin.x, origin.y + 30)); // same place in its new parent
    int children = 0;
    EnumChildWindows(
        m_frame,
        [](HWND, LPARAM count) {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    EXPECT_EQ(children, 3);
}

TEST_F(Controls, TwoQuickPressesAreADoubleClickForClassesThatWantThem) {
    const HWND list = Add("ListBox", "", 30, LBS_NOTIFY, CRect(10, 10, 160, 110), "list");
    SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Pump"));
    RECT item;
    SendMessage(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    m_spy.Clear();
    ClickAt(list, CRect(item).CenterPoint());
    ClickAt(list, CRect(item).CenterPoint());
    EXPECT_EQ(m_spy.Log({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_COMMAND}),
              (std::vector<std::string>{"list:WM_LBUTTONDOWN", "parent:WM_COMMAND/4",
                                        "parent:WM_COMMAND/1", "list:WM_LBUTTONDBLCLK",
                                        "parent:WM_COMMAND/2"}));
    // In an edit a double click selects the word under the pointer.
    const HWND edit = Add("Edit", "tide gauge", 31, 0, CRect(10, 120, 200, 140));
    const LRESULT at = SendMessage(edit, EM_POSFROMCHAR, 7, 0);
    const CPoint inWord(LOWORD(at) + 2, HIWORD(at) + 4);
    ClickAt(edit, inWord);
    ClickAt(edit, inWord);
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 5u);
    EXPECT_EQ(end, 10u);

    // The frame's class has no CS_DBLCLKS: two presses stay two presses.
    m_spy.Clear();
    ClickAt(m_frame, CPoint(300, 300));
    ClickAt(m_frame, CPoint(300, 300));
    EXPECT_EQ(m_spy.Log({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
              (std::vector<std::string>{"parent:WM_LBUTTONDOWN", "parent:WM_LBUTTONDOWN"}));
}
