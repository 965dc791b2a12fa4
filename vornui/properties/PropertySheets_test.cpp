#include "vornui/platform/BinaryDialogTemplate.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/ComboBoxControl.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/Exceptions.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/SpinButtonCtrl.h"
#include "vornui/properties/KPropertyPageSheet.h"
#include "vornui/properties/KPropertySheetEx.h"
#include "vornui/resources/EditorDialogIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT kGeneralId = 5001;
constexpr UINT kTideId = 5002;
constexpr UINT kSensorId = 5003;
constexpr UINT kGroupId = 5004;
constexpr UINT kBigFontId = 5005;
constexpr UINT kWideId = 5006;
constexpr UINT kUntitledId = 5007;
constexpr UINT kStarredId = 5008;
constexpr UINT kGeneralCaption = 6001;
constexpr UINT kTideCaption = 6002;
constexpr UINT kSensorCaption = 6003;
constexpr UINT kTwoLineCaption = 6010;
constexpr UINT kLeadingLineFeedCaption = 6011;

constexpr int kDepth = 100;
constexpr int kSpin = 101;
constexpr int kTideCheck = 102;
constexpr int kUnit = 103;
constexpr int kSensorList = 104;
constexpr int kGroup = 105;
constexpr int kPushButton = 106;

constexpr DialogItemTemplate kGeneralItems[] = {
    {"Edit", "", kDepth, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 7, 7, 60, 12},
    {UPDOWN_CLASS, "", kSpin, WS_VISIBLE, 0, 70, 7, 10, 12},
    {"Button", "Apply tide", kTideCheck, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 25, 60,
     10},
    {"ComboBox", "", kUnit, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 7, 40, 60, 60},
    {"ListBox", "", kSensorList, WS_VISIBLE | WS_TABSTOP | WS_BORDER | LBS_NOTIFY, 0, 90, 7, 60,
     40},
    {"Button", "Refresh", kPushButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 90, 55, 60, 14},
};
constexpr DialogTemplate kGeneral{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                  0,
                                  0,
                                  0,
                                  170,
                                  80,
                                  "General",
                                  "MS Shell Dlg",
                                  8,
                                  kGeneralItems,
                                  static_cast<WORD>(std::size(kGeneralItems))};
constexpr DialogItemTemplate kTideItems[] = {
    {"Edit", "", 110, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 7, 7, 60, 12},
};
constexpr DialogTemplate kTide{
    DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 170, 80, "Tide", "MS Shell Dlg", 8, kTideItems, 1};
constexpr DialogTemplate kSensor{
    DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 150, 60, "Sensor", "MS Shell Dlg", 8, nullptr, 0};
constexpr DialogItemTemplate kGroupItems[] = {
    {"Button", "Sensors", kGroup, WS_VISIBLE | BS_GROUPBOX, 0, 7, 7, 200, 120},
};
constexpr DialogTemplate kGroupPage{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                    0,
                                    0,
                                    0,
                                    220,
                                    140,
                                    "Group",
                                    "MS Shell Dlg",
                                    8,
                                    kGroupItems,
                                    1};
constexpr DialogTemplate kWide{
    DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 300, 80, "Wide", "MS Shell Dlg", 8, kTideItems, 1};
constexpr DialogTemplate kUntitled{DS_SETFONT | WS_CHILD, 0, 0,       0, 150, 60, "",
                                   "MS Shell Dlg",        8, nullptr, 0};
constexpr DialogTemplate kStarred{
    DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 150, 60, "Line *", "MS Shell Dlg", 8, nullptr, 0};
constexpr DialogTemplate kBigFont{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                  0,
                                  0,
                                  0,
                                  170,
                                  80,
                                  "Large",
                                  "MS Shell Dlg",
                                  12,
                                  kTideItems,
                                  1};

constexpr StringResource kStrings[] = {
    {kGeneralCaption, "&General"},
    {kTideCaption, "&Tide"},
    {kSensorCaption, "Sensor &1"},
    {kTwoLineCaption, "Survey settings\nfor the current line"},
    {kLeadingLineFeedCaption, "\nLine log"},
};

// What the listener and the pages heard, in order.
std::vector<std::string> g_heard;

class GeneralPage : public KPropertyPage {
public:
    GeneralPage() : KPropertyPage(kGeneralId, kGeneralCaption) {}
    int m_depth = 5;

protected:
    BOOL OnInitDialog() override {
        KPropertyPage::OnInitDialog();
        SendDlgItemMessage(kUnit, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("metres"));
        SendDlgItemMessage(kUnit, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("feet"));
        SendDlgItemMessage(kSensorList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("gyro"));
        SendDlgItemMessage(kSensorList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("sonar"));
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, kDepth, m_depth);
        DDV_MinMaxInt(dx, m_depth, 0, 100);
    }
    void OnDepthChanged() { g_heard.push_back("page EN_CHANGE"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GeneralPage, KPropertyPage)
ON_CONTROL(EN_CHANGE, kDepth, &GeneralPage::OnDepthChanged)
END_MESSAGE_MAP()

// A window that writes down the commands it hears.
CString TabText(HWND sheet, int index) {
    const auto tab = reinterpret_cast<HWND>(SendMessage(sheet, PSM_GETTABCONTROL, 0, 0));
    char text[300] = "";
    TCITEM item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
    SendMessage(tab, TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

// A window that writes down the commands it hears, and, once told which sheet to look at,
// what its first tab read when a change (99) arrived.
class Listener : public CWnd {
public:
    Listener() { CreateEx(0, nullptr, "listener", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        g_heard.push_back("listener " + std::to_string(LOWORD(wParam)) + " " +
                          std::to_string(HIWORD(wParam)));
        if (m_sheet && HIWORD(wParam) == 99)
            g_heard.push_back("tab " + std::string(TabText(m_sheet, 0).GetString()));
        return TRUE;
    }
    HWND m_sheet = nullptr;
};

// The user clicks the upper arrow of up-down control `id` of `page`.
ModalAction ClickUpArrow(const CWnd& page, int id) {
    CRect arrows;
    ::GetWindowRect(::GetDlgItem(page.m_hWnd, id), &arrows);
    const POINT up{arrows.CenterPoint().x, arrows.top + arrows.Height() / 4};
    const DWORD thread = GetWindowThreadProcessId(page.m_hWnd, nullptr);
    PostMouseInput(thread, WM_MOUSEMOVE, up);
    PostMouseInput(thread, WM_LBUTTONDOWN, up);
    PostMouseInput(thread, WM_LBUTTONUP, up);
    return ModalAction::Acted;
}

CRect ClientRectOf(HWND sheet, int id) {
    CRect rect;
    GetWindowRect(GetDlgItem(sheet, id), &rect);
    ScreenToClient(sheet, reinterpret_cast<POINT*>(&rect.left));
    ScreenToClient(sheet, reinterpret_cast<POINT*>(&rect.right));
    return rect;
}

ModalAction Check(const std::function<void(HWND)>& check, HWND dialog) {
    check(dialog);
    return ModalAction::Acted;
}

class PropertySheets : public testing::Test {
protected:
    void SetUp() override {
        g_heard.clear();
        m_module = CreateResourceModule("property-sheet-tests");
        const std::pair<UINT, const DialogTemplate*> templates[] = {
            {kGeneralId, &kGeneral},   {kTideId, &kTide},       {kSensorId, &kSensor},
            {kGroupId, &kGroupPage},   {kBigFontId, &kBigFont}, {kWideId, &kWide},
            {kUntitledId, &kUntitled}, {kStarredId, &kStarred},
        };
        for (const auto& [id, dialog] : templates)
            ASSERT_TRUE(AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(id), dialog,
                                    sizeof(DialogTemplate)));
        ASSERT_TRUE(AddStringResources(m_module, kStrings, std::size(kStrings)));
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(m_module);
    }
    void TearDown() override {
        AfxSetResourceHandle(m_previous);
        FreeResourceModule(m_module);
    }

    HMODULE m_module = nullptr;
    HINSTANCE m_previous = nullptr;
};

} // namespace

TEST_F(PropertySheets, TypingMarksTheTabOnceTellsTheListenerFirstAndABadValueKeepsTheSheet) {
    Listener listener;
    GeneralPage general;
    KPropertyPage tide(kTideId, kTideCaption);
    KPropertyPage sensor(kSensorId, kSensorCaption);
    general.SetListener2Notify(listener.m_hWnd);
    KPropertySheetEx sheet("Survey", nullptr, 0, 0x0004);
    sheet.AddPage(&general);
    sheet.AddPage(&tide);
    sheet.AddPage(&sensor);
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    // Loading the page's data is not a change: the sheet opens untouched.
                    EXPECT_EQ(TabText(dialog, 0), "&General");
                    EXPECT_FALSE(general.GetPageTouched());
                    EXPECT_FALSE(general.IsItemTouched(kDepth));
                    // The page's own handler heard the loading; the listener heard no
                    // change (only the edit's focus coming and going, with their codes).
                    EXPECT_EQ(g_heard.front(), "page EN_CHANGE");
                    EXPECT_EQ(std::count(g_heard.begin(), g_heard.end(), "listener 0 99"), 0);
                    EXPECT_EQ(std::count(g_heard.begin(), g_heard.end(),
                                         "listener 100 " + std::to_string(EN_CHANGE)),
                              0);
                    g_heard.clear();
                    listener.m_sheet = dialog;
                },
                dialog);
        })
        .TypeInto(kDepth, "012") // loaded again as "12"
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_EQ(TabText(dialog, 0), "&General *");
                    EXPECT_TRUE(general.IsItemTouched(kDepth));
                    EXPECT_TRUE(general.GetPageTouched());
                    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, ID_APPLY_NOW)));
                    // Each change reaches the listener as the page's event 99, after the tab
                    // was marked and just before the page's own handler; the edit's other
                    // notifications keep their code.
                    const auto changed =
                        std::find(g_heard.begin(), g_heard.end(), "page EN_CHANGE");
                    ASSERT_NE(changed, g_heard.end());
                    ASSERT_GE(changed - g_heard.begin(), 2);
                    EXPECT_EQ(*(changed - 2), "listener 0 99");
                    EXPECT_EQ(*(changed - 1), "tab &General *");
                    EXPECT_NE(std::find(g_heard.begin(), g_heard.end(),
                                        "listener 100 " + std::to_string(EN_UPDATE)),
                              g_heard.end());
                    g_heard.clear();
                },
                dialog);
        })
        .Click(kTideCheck)
        .Choose(kUnit, "feet")
        .Choose(kSensorList, "sonar")
        .Then([&](HWND) { return ClickUpArrow(general, kSpin); })
        .Click(kPushButton)
        .Click(ID_APPLY_NOW)
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_EQ(general.m_depth, 12);
                    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, ID_APPLY_NOW)));
                    EXPECT_TRUE(general.IsItemTouched(kTideCheck));
                    EXPECT_TRUE(general.IsItemTouched(kUnit));
                    EXPECT_TRUE(general.IsItemTouched(kSensorList));
                    EXPECT_TRUE(general.IsItemTouched(kSpin));
                    EXPECT_FALSE(general.IsItemTouched(kPushButton + 1));
                    EXPECT_EQ(TabText(dialog, 0), "&General *");
                    // The host has applied the changes.
                    general.SetPageTouched(false);
                    EXPECT_EQ(TabText(dialog, 0), "&General");
                    EXPECT_FALSE(general.GetPageTouched());
                    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, ID_APPLY_NOW)));
                    for (const int id : {kDepth, kTideCheck, kUnit, kSensorList, kSpin})
                        EXPECT_TRUE(general.IsItemTouched(static_cast<unsigned int>(id))) << id;
                    EXPECT_EQ(general.GetCaption(), "&General");
                },
                dialog);
        })
        // Going to another tab and back loads the page's data again; that touches nothing.
        .PressWith(MOD_ALT, 'T')
        .PressWith(MOD_ALT, 'G')
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_EQ(sheet.GetActiveIndex(), 0);
                    EXPECT_EQ(TabText(dialog, 0), "&General");
                    EXPECT_FALSE(general.GetPageTouched());
                    EXPECT_EQ(TabText(dialog, 1), "&Tide");
                },
                dialog);
        })
        // A bad value keeps the sheet open on Apply and on OK.
        .TypeInto(kDepth, "500")
        .Click(ID_APPLY_NOW)
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_TRUE(IsWindowVisible(dialog));
                    EXPECT_EQ(user.MessageBoxesShown().size(), 1u);
                },
                dialog);
        })
        .TypeInto(kDepth, "400")
        .Click(IDOK)
        .Then([&](HWND dialog) {
            return Check([&](HWND) { EXPECT_TRUE(IsWindowVisible(dialog)); }, dialog);
        })
        .TypeInto(kDepth, "40")
        .Click(IDOK);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(general.m_depth, 40);
    EXPECT_EQ(sheet.WhatModalButton(), 0);
    EXPECT_EQ(sheet.ModalButtonPushed(), 0);
    EXPECT_EQ(user.MessageBoxesShown().size(), 2u);
    // The check box's click, the list's selection and the push button's click were changes.
    EXPECT_GE(std::count(g_heard.begin(), g_heard.end(), "listener 0 99"), 3);
    EXPECT_TRUE(general.IsItemTouched(kPushButton));
}

TEST_F(PropertySheets, ExtraButtonsStandUnderTheTabsInFlagOrderAndEndTheSheetWithTheirCode) {
    // Wide enough for the extra buttons beside OK and Cancel.
    KPropertyPage wide(kWideId, 0);
    KPropertySheetEx sheet("Line", nullptr, 0, 0x0020 | 0x0200);
    sheet.AddPage(&wide);
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    const CRect move = ClientRectOf(dialog, 14000);
                    const CRect print = ClientRectOf(dialog, 14005);
                    const CRect tab = ClientRectOf(dialog, AFX_IDC_TAB_CONTROL);
                    const CRect ok = ClientRectOf(dialog, IDOK);
                    EXPECT_EQ(move.left, tab.left);
                    EXPECT_GT(print.left, move.right);
                    EXPECT_EQ(move.top, ok.top);
                    EXPECT_EQ(move.Width(), ok.Width());
                    EXPECT_EQ(GetDlgItem(dialog, 14003), nullptr);
                    EXPECT_EQ(GetDlgItem(dialog, ID_APPLY_NOW), nullptr);
                    char text[32] = "";
                    GetWindowText(GetDlgItem(dialog, 14000), text, sizeof text);
                    EXPECT_STREQ(text, "&Move");
                },
                dialog);
        })
        .Click(14005);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(sheet.WhatModalButton(), 0x1010);

    GeneralPage plainPage;
    KPropertySheetEx plain("Plain", nullptr, 0, 0);
    plain.AddPage(&plainPage);
    CScriptedUser okUser;
    okUser
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_EQ(GetDlgItem(dialog, 14000), nullptr);
                    EXPECT_EQ(GetDlgItem(dialog, ID_APPLY_NOW), nullptr);
                },
                dialog);
        })
        .Click(IDOK);
    EXPECT_EQ(plain.DoModal(), IDOK);
    EXPECT_EQ(plain.WhatModalButton(), 0);

    GeneralPage cancelledPage;
    KPropertySheetEx cancelled("Cancelled", nullptr, 0, 0x0020);
    cancelled.AddPage(&cancelledPage);
    CScriptedUser cancelUser;
    cancelUser.Click(IDCANCEL);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.WhatModalButton(), 0x0020);
    EXPECT_EQ(cancelled.ModalButtonPushed(), 1);
}

TEST_F(PropertySheets, ExtraButtonsNeverCoverTheStandardOnesOnANarrowSheet) {
    constexpr int kExtraIds[] = {14000, 14003, 14002, 14001, 14005};
    constexpr int kStandardIds[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};
    const auto expectClear = [&](HWND dialog) {
        CRect client;
        GetClientRect(dialog, &client);
        CRect previous;
        for (const int extra : kExtraIds) {
            const CRect button = ClientRectOf(dialog, extra);
            EXPECT_GT(button.left, previous.right) << extra;
            previous = button;
            for (const int standard : kStandardIds) {
                CRect both;
                EXPECT_FALSE(both.IntersectRect(button, ClientRectOf(dialog, standard)))
                    << extra << " covers " << standard;
            }
        }
        EXPECT_LT(previous.right, ClientRectOf(dialog, IDOK).left);
        EXPECT_LE(ClientRectOf(dialog, IDHELP).right, client.right);
    };
    // A page far narrower than five extra buttons beside OK, Cancel, Apply and Help.
    KPropertyPage narrow(kSensorId, kSensorCaption);
    KPropertySheetEx sheet("Narrow", nullptr, 0, 0x0004 | 0x0010 | 0x03E0);
    sheet.AddPage(&narrow);
    CRect opened;
    CRect grown;
    CRect shrunk;
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            GetWindowRect(dialog, &opened);
            return Check(expectClear, dialog);
        })
        .DragFrame(HTBOTTOMRIGHT, 80, 30)
        .Then([&](HWND dialog) {
            GetWindowRect(dialog, &grown);
            return Check(expectClear, dialog);
        })
        .DragFrame(HTBOTTOMRIGHT, -400, -200)
        .Then([&](HWND dialog) {
            GetWindowRect(dialog, &shrunk);
            return Check(expectClear, dialog);
        })
        .Click(14003);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(sheet.WhatModalButton(), 0x1002);
    EXPECT_EQ(grown.Width(), opened.Width() + 80);
    EXPECT_EQ(shrunk, opened);

    // Sized to its template (0x2000), the narrow sheet keeps them clear too.
    KPropertyPage sized(kSensorId, kSensorCaption);
    KPropertySheetEx toTemplate("Sized", nullptr, 0, 0x0004 | 0x0010 | 0x2000 | 0x03E0);
    toTemplate.AddPage(&sized);
    CScriptedUser looker;
    looker.Then([&](HWND dialog) { return Check(expectClear, dialog); }).Click(IDCANCEL);
    EXPECT_EQ(toTemplate.DoModal(), IDCANCEL);
}

TEST_F(PropertySheets, AltKeysPickTabsWizardsFinishAndCaptionsKeepTheirFirstLine) {
    GeneralPage general;
    KPropertyPage tide(kTideId, kTideCaption);
    KPropertyPage sensor(kSensorId, kSensorCaption);
    KPropertySheetEx sheet(kTwoLineCaption, nullptr, 0, 0);
    sheet.AddPage(&general);
    sheet.AddPage(&tide);
    sheet.AddPage(&sensor);
    CScriptedUser user;
    user.PressWith(MOD_ALT, 'T')
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_EQ(sheet.GetActiveIndex(), 1);
                    char caption[64] = "";
                    GetWindowText(dialog, caption, sizeof caption);
                    EXPECT_STREQ(caption, "Survey settings");
                },
                dialog);
        })
        .PressWith(MOD_ALT, '1')
        .Then([&](HWND dialog) {
            return Check([&](HWND) { EXPECT_EQ(sheet.GetActiveIndex(), 2); }, dialog);
        })
        .PressWith(MOD_ALT, 'G')
        .Then([&](HWND dialog) {
            return Check([&](HWND) { EXPECT_EQ(sheet.GetActiveIndex(), 0); }, dialog);
        })
        .Click(IDCANCEL);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);

    // A caption given as text is never cut; a string that starts with a line feed is not
    // cut either.
    KPropertySheetEx text("First\nsecond", nullptr, 0, 0);
    KPropertySheetEx leading(kLeadingLineFeedCaption, nullptr, 0, 0);
    GeneralPage textPage;
    GeneralPage leadingPage;
    text.AddPage(&textPage);
    leading.AddPage(&leadingPage);
    CScriptedUser reader;
    std::vector<CString> shownCaptions;
    const auto readCaption = [&](HWND dialog) {
        char caption[64] = "";
        GetWindowText(dialog, caption, sizeof caption);
        shownCaptions.push_back(caption);
        return ModalAction::Nothing;
    };
    reader.Then(readCaption).Then(readCaption);
    testing::internal::CaptureStderr();
    text.DoModal();
    leading.DoModal();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(shownCaptions, (std::vector<CString>{"First\nsecond", "\nLine log"}));

    KPropertyPage one(kTideId, kTideCaption);
    KPropertyPage two(kSensorId, kSensorCaption);
    GeneralPage three;
    KPropertySheetEx wizard("Plan", nullptr, 0, 0);
    wizard.AddPage(&one);
    wizard.AddPage(&two);
    wizard.AddPage(&three);
    wizard.SetWizardMode();
    const auto buttons = [](HWND dialog) {
        std::string shown;
        for (const int id : {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH}) {
            const HWND button = GetDlgItem(dialog, id);
            if (IsWindowVisible(button) && IsWindowEnabled(button))
                shown += id == ID_WIZBACK ? "B" : id == ID_WIZNEXT ? "N" : "F";
        }
        return shown;
    };
    std::vector<std::string> seen;
    CScriptedUser clicker;
    const auto look = [&](HWND dialog) {
        seen.push_back(buttons(dialog));
        return ModalAction::Acted;
    };
    clicker.Then(look)
        .Click(ID_WIZNEXT)
        .Then(look)
        // The buttons are posted: they change when the loop gets to them.
        .Then([&](HWND dialog) {
            wizard.SetActivePage(2);
            return look(dialog);
        })
        .Then(look)
        // A bad value keeps the wizard open on Finish; the page's own check runs first.
        .TypeInto(kDepth, "400")
        .Click(ID_WIZFINISH)
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_TRUE(IsWindowVisible(dialog));
                    EXPECT_EQ(wizard.GetActiveIndex(), 2);
                    EXPECT_EQ(clicker.MessageBoxesShown().size(), 1u);
                },
                dialog);
        })
        .TypeInto(kDepth, "40")
        .Click(ID_WIZFINISH);
    EXPECT_EQ(wizard.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(seen, (std::vector<std::string>{"N", "BN", "BN", "BF"}));
    EXPECT_EQ(three.m_depth, 40);
    EXPECT_EQ(wizard.WhatModalButton(), 0);

    KPropertyPage only(kTideId, kTideCaption);
    KPropertySheetEx single("One", nullptr, 0, 0);
    single.AddPage(&only);
    single.SetWizardMode();
    seen.clear();
    CScriptedUser finisher;
    finisher.Then(look).Click(ID_WIZFINISH);
    EXPECT_EQ(single.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(seen, (std::vector<std::string>{"F"}));
}

TEST_F(PropertySheets, DraggingTheCornerKeepsThePageBetweenTabsAndButtonsAndALargerFontRefits) {
    GeneralPage general;
    KPropertySheetEx sheet("Resizable", nullptr, 0, 0x0004 | 0x0020);
    sheet.AddPage(&general);
    // Where the page and the buttons stand, as seen from the sheet's bottom right corner.
    struct Layout {
        CRect window;
        CSize page;
        CSize cancel;
        CSize apply;
        CSize move;
    };
    const auto measure = [&](HWND dialog) {
        Layout layout;
        GetWindowRect(dialog, &layout.window);
        CRect client;
        GetClientRect(dialog, &client);
        const CRect tab = ClientRectOf(dialog, AFX_IDC_TAB_CONTROL);
        CRect page;
        general.GetWindowRect(&page);
        ScreenToClient(dialog, reinterpret_cast<POINT*>(&page.left));
        ScreenToClient(dialog, reinterpret_cast<POINT*>(&page.right));
        layout.page = page.Size();
        const CPoint corner = client.BottomRight();
        layout.cancel = corner - ClientRectOf(dialog, IDCANCEL).BottomRight();
        layout.apply = corner - ClientRectOf(dialog, ID_APPLY_NOW).BottomRight();
        layout.move = corner - ClientRectOf(dialog, 14000).BottomRight();
        // The page sits inside the tabs, above the buttons.
        EXPECT_GT(page.top, tab.top);
        EXPECT_GT(page.left, tab.left);
        EXPECT_LT(page.right, tab.right);
        EXPECT_LT(page.bottom, tab.bottom);
        EXPECT_LT(tab.bottom, ClientRectOf(dialog, IDCANCEL).top);
        return layout;
    };
    Layout opened;
    Layout grown;
    Layout shrunk;
    CScriptedUser user;
    user.Then([&](HWND dialog) { return Check([&](HWND) { opened = measure(dialog); }, dialog); })
        .DragFrame(HTBOTTOMRIGHT, 60, 40)
        .Then([&](HWND dialog) { return Check([&](HWND) { grown = measure(dialog); }, dialog); })
        .DragFrame(HTBOTTOMRIGHT, -200, -200)
        .Then([&](HWND dialog) { return Check([&](HWND) { shrunk = measure(dialog); }, dialog); })
        .Click(IDCANCEL);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(grown.window.Size(), opened.window.Size() + CSize(60, 40));
    EXPECT_EQ(grown.page, opened.page + CSize(60, 40));
    EXPECT_EQ(grown.cancel, opened.cancel);
    EXPECT_EQ(grown.apply, opened.apply);
    EXPECT_EQ(grown.move, opened.move);
    // Never below the size it opened with.
    EXPECT_EQ(shrunk.window.Size(), opened.window.Size());
    EXPECT_EQ(shrunk.page, opened.page);
    EXPECT_EQ(shrunk.cancel, opened.cancel);

    // A first page with a larger font makes the whole sheet larger, and every page takes
    // that font, its controls scaled; the pages hear that the sheet is refitting them.
    struct LargePage : KPropertyPage {
        LargePage() : KPropertyPage(kBigFontId, kTideCaption) {}
        void OnSize(UINT type, int cx, int cy) override {
            KPropertyPage::OnSize(type, cx, cy);
            m_resizing.push_back(PageIsResizing());
        }
        std::vector<bool> m_resizing;
    };
    KPropertyPage small(kTideId, kTideCaption);
    KPropertySheet plain("Small");
    plain.AddPage(&small);
    LargePage large;
    GeneralPage second;
    KPropertySheet refitted("Large");
    refitted.AddPage(&large);
    refitted.AddPage(&second);
    CRect smallRect;
    CRect largeRect;
    CScriptedUser measurer;
    measurer
        .Then([&](HWND dialog) {
            GetWindowRect(dialog, &smallRect);
            return ModalAction::Nothing;
        })
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    GetWindowRect(dialog, &largeRect);
                    EXPECT_EQ(second.GetFont()->m_hObject, large.GetFont()->m_hObject);
                    EXPECT_EQ(second.GetDlgItem(kDepth)->GetFont()->m_hObject,
                              large.GetFont()->m_hObject);
                    // A combo box is scaled with its list: still five edits tall.
                    CRect dropped;
                    second.SendDlgItemMessage(kUnit, CB_GETDROPPEDCONTROLRECT, 0,
                                              reinterpret_cast<LPARAM>(&dropped));
                    CRect edit;
                    second.GetDlgItem(kDepth)->GetWindowRect(&edit);
                    EXPECT_NEAR(dropped.Height(), edit.Height() * 5, 5);
                    EXPECT_TRUE(std::find(large.m_resizing.begin(), large.m_resizing.end(), true) !=
                                large.m_resizing.end());
                    large.m_resizing.clear();
                },
                dialog);
        })
        .DragFrame(HTBOTTOMRIGHT, 30, 20)
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    // Sized by the user, the page is not being refitted.
                    ASSERT_FALSE(large.m_resizing.empty());
                    EXPECT_FALSE(large.m_resizing.back());
                },
                dialog);
        })
        .Click(IDCANCEL);
    testing::internal::CaptureStderr();
    plain.DoModal();
    EXPECT_EQ(refitted.DoModal(), IDCANCEL);
    testing::internal::GetCapturedStderr();
    EXPECT_GT(largeRect.Width(), smallRect.Width() * 5 / 4);
    EXPECT_GT(largeRect.Height(), smallRect.Height() * 5 / 4);
}

TEST_F(PropertySheets, APageSheetSitsInItsGroupBoxAndPassesOkToItsInnerSheetFirst) {
    struct LoggingPage : KPropertyPage {
        LoggingPage(UINT id, UINT caption, const char* name)
            : KPropertyPage(id, caption), m_name(name) {}
        void OnOK() override { g_heard.push_back(m_name + " OK"); }
        void OnCancel() override { g_heard.push_back(m_name + " Cancel"); }
        std::string m_name;
    };
    struct OuterPage : KPropertyPageSheet {
        OuterPage() : KPropertyPageSheet(kGroupId, 0, 1, kGroup) {}
        void OnOK() override {
            KPropertyPageSheet::OnOK();
            g_heard.push_back("outer OK");
        }
        void OnCancel() override {
            KPropertyPageSheet::OnCancel();
            g_heard.push_back("outer Cancel");
        }
    };
    LoggingPage first(kSensorId, kSensorCaption, "first");
    LoggingPage second(kSensorId, kTideCaption, "second");
    OuterPage outer;
    outer.AddPage(&first);
    outer.AddPage(nullptr);
    outer.AddPage(&second);
    EXPECT_EQ(outer.GetPageCount(), 2);
    EXPECT_EQ(outer.GetPage(2), nullptr);
    EXPECT_EQ(outer.GetActivePage(), nullptr);
    KPropertySheetEx sheet("Nested", nullptr, 0, 0);
    sheet.AddPage(&outer);
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_EQ(outer.GetActivePage(), &second);
                    CRect group;
                    outer.GetDlgItem(kGroup)->GetWindowRect(&group);
                    HWND inner = GetParent(second.m_hWnd);
                    CRect innerRect;
                    GetWindowRect(inner, &innerRect);
                    EXPECT_EQ(innerRect.left, group.left + 12);
                    EXPECT_EQ(innerRect.top, group.top + 24);
                    EXPECT_EQ(innerRect.right, group.right - 12);
                    EXPECT_EQ(innerRect.bottom, group.bottom - 12);
                    EXPECT_EQ(GetWindowLong(inner, GWL_EXSTYLE) & ~WS_EX_CONTROLPARENT, 0);
                    EXPECT_FALSE(IsWindowVisible(GetDlgItem(inner, IDOK)));
                    EXPECT_FALSE(first.PageIsResizing());
                },
                dialog);
        })
        .Click(IDOK);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(g_heard, (std::vector<std::string>{"first OK", "second OK", "outer OK"}));

    // Cancel reaches the inner sheet's pages before the page's own Cancel too.
    g_heard.clear();
    LoggingPage firstAgain(kSensorId, kSensorCaption, "first");
    LoggingPage secondAgain(kSensorId, kTideCaption, "second");
    OuterPage cancelled;
    cancelled.AddPage(&firstAgain);
    cancelled.AddPage(&secondAgain);
    KPropertySheetEx cancelledSheet("Nested", nullptr, 0, 0);
    cancelledSheet.AddPage(&cancelled);
    CScriptedUser canceller;
    canceller.Click(IDCANCEL);
    EXPECT_EQ(cancelledSheet.DoModal(), IDCANCEL);
    EXPECT_EQ(g_heard, (std::vector<std::string>{"first Cancel", "second Cancel", "outer Cancel"}));

    // Without sub-pages it is a plain page.
    KPropertyPageSheet lone(kGroupId, 0, 0, kGroup);
    KPropertySheetEx loneSheet("Lone", nullptr, 0, 0);
    loneSheet.AddPage(&lone);
    CScriptedUser loneUser;
    loneUser
        .Then([&](HWND dialog) {
            return Check([&](HWND) { EXPECT_EQ(lone.GetActivePage(), nullptr); }, dialog);
        })
        .Click(IDOK);
    EXPECT_EQ(loneSheet.DoModal(), IDOK);
}

TEST_F(PropertySheets, AModelessSheetHidesCancelAndFreesItsPagesAndItself) {
    auto* sheet = new KPropertySheetEx("Tools", nullptr, 0, 0x0001);
    auto* page = new GeneralPage;
    sheet->AddPage(page);
    ASSERT_TRUE(sheet->Create());
    const HWND hwnd = sheet->m_hWnd;
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hwnd, IDCANCEL)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDCANCEL)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(hwnd, IDOK)));
    EXPECT_EQ(ClientRectOf(hwnd, IDOK).left > 0, true);
    CScriptedUser user;
    user.TypeInto(kDepth, "33").Click(IDOK);
    EXPECT_TRUE(user.ActIn(hwnd));
    EXPECT_FALSE(IsWindow(hwnd)); // the sheet and its page are gone, as ASan checks
}

TEST_F(PropertySheets, TouchedTrackingFollowsTheClassCodePairsAndNestedPagesMarkBoth) {
    KPropertySheetEx sheet("Touch", nullptr, 0, 0x0004);
    GeneralPage general;
    sheet.AddPage(&general);
    // Before its window exists, the page just stores the state it is given.
    general.SetPageTouched(true);
    general.SetPageTouched(false);
    EXPECT_FALSE(general.GetPageTouched());
    CScriptedUser user;
    user.Then([&](HWND dialog) {
        return Check(
            [&](HWND) {
                EXPECT_FALSE(general.GetPageTouched());
                g_heard.clear(); // the page's handler heard its data loaded
                Listener listener;
                general.SetListener2Notify(listener.m_hWnd);
                const HWND button = GetDlgItem(general.m_hWnd, kPushButton);
                // A button's notification other than a click is relayed as it is.
                general.SendMessage(WM_COMMAND, MAKEWPARAM(kPushButton, BN_SETFOCUS),
                                    reinterpret_cast<LPARAM>(button));
                EXPECT_FALSE(general.IsItemTouched(kPushButton));
                general.SendMessage(WM_COMMAND, MAKEWPARAM(kPushButton, BN_DOUBLECLICKED),
                                    reinterpret_cast<LPARAM>(button));
                EXPECT_TRUE(general.IsItemTouched(kPushButton));
                general.SetItemUntouched(kPushButton);
                EXPECT_FALSE(general.IsItemTouched(kPushButton));
                EXPECT_EQ(g_heard, (std::vector<std::string>{"listener 106 6", "listener 0 99"}));
                // A command whose id is no child of the page (a menu's, a grandchild's) is
                // neither counted nor relayed.
                general.SendMessage(WM_COMMAND, MAKEWPARAM(40001, 0), 0);
                EXPECT_FALSE(general.IsItemTouched(40001));
                EXPECT_EQ(g_heard.size(), 2u);
                listener.DestroyWindow();
                // A listener that is gone is not written to.
                general.SendMessage(WM_COMMAND, MAKEWPARAM(kPushButton, BN_CLICKED),
                                    reinterpret_cast<LPARAM>(button));
                EXPECT_EQ(g_heard.size(), 2u);
                EXPECT_EQ(TabText(dialog, 0), "&General *");

                // A page inside another page relays its changes, and both are touched.
                KPropertyPage inner(kTideId, 0);
                ASSERT_TRUE(inner.Create(kTideId, &general));
                inner.SetDlgCtrlID(kGroup);
                inner.SetListener2Notify(general.m_hWnd);
                const HWND edit = inner.GetDlgItem(110)->m_hWnd;
                inner.SendMessage(WM_COMMAND, MAKEWPARAM(110, EN_CHANGE),
                                  reinterpret_cast<LPARAM>(edit));
                EXPECT_TRUE(inner.IsItemTouched(110));
                EXPECT_TRUE(inner.GetPageTouched());
                EXPECT_TRUE(general.IsItemTouched(kGroup));
                inner.DestroyWindow();
            },
            dialog);
    });
    testing::internal::CaptureStderr();
    sheet.DoModal();
    testing::internal::GetCapturedStderr();
}

TEST_F(PropertySheets, RunTimeClassesAndDynamicCreation) {
    CObject* page = RUNTIME_CLASS(KPropertyPage)->CreateObject();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->IsKindOf(RUNTIME_CLASS(CPropertyPage)));
    delete page;
    CObject* pageSheet = RUNTIME_CLASS(KPropertyPageSheet)->CreateObject();
    ASSERT_NE(pageSheet, nullptr);
    EXPECT_TRUE(pageSheet->IsKindOf(RUNTIME_CLASS(KPropertyPage)));
    delete pageSheet;
    KPropertySheetEx sheet;
    EXPECT_TRUE(sheet.IsKindOf(RUNTIME_CLASS(KPropertySheet)));
    EXPECT_TRUE(sheet.IsKindOf(RUNTIME_CLASS(KFPropertySheetEx)));
    EXPECT_EQ(sheet.GetPage(0), nullptr);
    bool thrown = false;
    try {
        sheet.DoModal();
    } catch (CException* error) {
        thrown = error->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
        error->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST_F(PropertySheets, BadInputGivesHarmlessDefaults) {
    // A caption string that is not there, flags nobody knows, a page added as null.
    KPropertySheetEx sheet(9999, nullptr, 7, 0xFFFF0000u | 0x0020);
    KPropertyPage page(kTideId, 0);
    sheet.AddPage(nullptr);
    sheet.AddPage(&page);
    EXPECT_EQ(sheet.GetPageCount(), 1);
    // A child whose class name is longer than the page's buffer, and a very long tab text
    // that ends in "&".
    WNDCLASS longClass{};
    const std::string longName(200, 'W');
    longClass.lpfnWndProc = DefWindowProc;
    longClass.lpszClassName = longName.c_str();
    RegisterClass(&longClass);
    const std::string longText = std::string(400, 'x') + "&";
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    char caption[16] = "?";
                    GetWindowText(dialog, caption, sizeof caption);
                    EXPECT_STREQ(caption, "");
                    const HWND odd =
                        CreateWindowEx(0, longName.c_str(), "", WS_CHILD, 0, 0, 5, 5, page.m_hWnd,
                                       reinterpret_cast<HMENU>(300), nullptr, nullptr);
                    page.SendMessage(WM_COMMAND, MAKEWPARAM(300, 0), reinterpret_cast<LPARAM>(odd));
                    EXPECT_FALSE(page.IsItemTouched(300));
                    const auto tab =
                        reinterpret_cast<HWND>(SendMessage(dialog, PSM_GETTABCONTROL, 0, 0));
                    TCITEM item{TCIF_TEXT, 0, 0, const_cast<char*>(longText.c_str()), 0, 0, 0};
                    SendMessage(tab, TCM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
                    page.SetPageTouched(true);
                    // The page remembered its caption when it was first shown.
                    EXPECT_EQ(page.GetCaption(), "Tide");
                    EXPECT_EQ(TabText(dialog, 0), "Tide *");
                },
                dialog);
        })
        .PressWith(MOD_ALT, 'Q')
        .Click(IDOK);
    EXPECT_EQ(sheet.DoModal(), IDOK);

    // A tab text read back from the tab is cut at 255 characters.
    KPropertyPage untitled(kUntitledId, 0);
    KPropertySheetEx other("Other", nullptr, 0, 0);
    other.AddPage(&untitled);
    CScriptedUser reader;
    reader
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    const auto tab =
                        reinterpret_cast<HWND>(SendMessage(dialog, PSM_GETTABCONTROL, 0, 0));
                    TCITEM item{TCIF_TEXT, 0, 0, const_cast<char*>(longText.c_str()), 0, 0, 0};
                    SendMessage(tab, TCM_SETITEM, 0, reinterpret_cast<LPARAM>(&item));
                    untitled.SetPageTouched(true);
                    EXPECT_EQ(untitled.GetCaption(), CString('x', 255));
                    EXPECT_EQ(TabText(dialog, 0), CString('x', 255) + " *");
                },
                dialog);
        })
        .Click(IDOK);
    EXPECT_EQ(other.DoModal(), IDOK);

    // A tab text that ends in " *" when it is first read is remembered without it.
    KPropertyPage starred(kStarredId, 0);
    KPropertySheetEx starredSheet("Starred", nullptr, 0, 0);
    starredSheet.AddPage(&starred);
    CScriptedUser starredUser;
    starredUser
        .Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_EQ(starred.GetCaption(), "Line");
                    EXPECT_EQ(TabText(dialog, 0), "Line");
                    starred.SetPageTouched(true);
                    EXPECT_EQ(TabText(dialog, 0), "Line *");
                },
                dialog);
        })
        .Click(IDOK);
    EXPECT_EQ(starredSheet.DoModal(), IDOK);
}

TEST_F(PropertySheets, IconsPlacementAndSiblingQuestionsReachWhereTheyShould) {
    // A page deep inside a page sheet answers the sheet's question to its pages.
    struct AnsweringPage : KPropertyPage {
        AnsweringPage() : KPropertyPage(kSensorId, kSensorCaption) {}
        BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
            if (message != PSM_QUERYSIBLINGS)
                return KPropertyPage::OnWndMsg(message, wParam, lParam, result);
            *result = static_cast<LRESULT>(wParam + lParam);
            return TRUE;
        }
    };
    AnsweringPage inner;
    KPropertyPageSheet outer(kGroupId, 0, 0, 0);
    outer.AddPage(&inner);
    KPropertySheetEx sheet("Placed", nullptr, 0, 0x1000);
    sheet.AddPage(&outer);
    sheet.ShowIconInTitleBar(IDI_MOVE_TO_INCLUDED);
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            return Check(
                [&](HWND) {
                    EXPECT_EQ(SendMessage(dialog, PSM_QUERYSIBLINGS, 40, 2), 42);
                    EXPECT_NE(SendMessage(dialog, WM_GETICON, ICON_BIG, 0), 0);
                    EXPECT_EQ(SendMessage(dialog, WM_GETICON, ICON_SMALL, 0),
                              SendMessage(dialog, WM_GETICON, ICON_BIG, 0));
                    CRect placed;
                    GetWindowRect(dialog, &placed);
                    EXPECT_EQ(placed.top, 20); // no owner: near the top of the screen
                },
                dialog);
        })
        .Click(IDCANCEL);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);

    // Over an owner, the sheet is centred on it.
    CWnd owner;
    owner.CreateEx(0, nullptr, "owner", WS_POPUP | WS_VISIBLE, CRect(100, 100, 900, 700), nullptr,
                   0);
    KPropertyPage page(kTideId, kTideCaption);
    KPropertySheetEx over("Over", &owner, 0, 0x1000);
    over.AddPage(&page);
    CScriptedUser looker;
    CPoint centre;
    looker
        .Then([&](HWND dialog) {
            CRect placed;
            GetWindowRect(dialog, &placed);
            centre = placed.CenterPoint();
            return ModalAction::Acted;
        })
        .Click(IDCANCEL);
    EXPECT_EQ(over.DoModal(), IDCANCEL);
    EXPECT_LE(std::abs(centre.x - 500), 1);
    EXPECT_LE(std::abs(centre.y - 400), 1);
    owner.DestroyWindow();
}

namespace {

// Builds a dialog template in the framework's binary layouts, byte by byte.
class TemplateBytes {
public:
    TemplateBytes& Word(uint16_t value) {
        m_bytes.push_back(static_cast<uint8_t>(value));
        m_bytes.push_back(static_cast<uint8_t>(value >> 8));
        return *this;
    }
    TemplateBytes& Dword(uint32_t value) {
        return Word(static_cast<uint16_t>(value)).Word(static_cast<uint16_t>(value >> 16));
    }
    TemplateBytes& Text(const std::string& text) {
        for (const char ch : text)
            Word(static_cast<unsigned char>(ch));
        return Word(0);
    }
    const std::vector<uint8_t>& Get() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// A page with no controls, 170 by 80 dialog units, in the DLGTEMPLATE layout; without
// DS_SETFONT it carries no font.
std::vector<uint8_t> ClassicPage(bool withFont) {
    TemplateBytes bytes;
    bytes.Dword(WS_CHILD | WS_CAPTION | (withFont ? DS_SETFONT : 0)).Dword(0).Word(0);
    bytes.Word(0).Word(0).Word(170).Word(80).Word(0).Word(0).Text("Classic");
    if (withFont)
        bytes.Word(8).Text("MS Shell Dlg");
    return bytes.Get();
}

// The same page in the DLGTEMPLATEEX layout, in a 12-point font.
std::vector<uint8_t> ExtendedPage() {
    TemplateBytes bytes;
    bytes.Word(1).Word(0xFFFF).Dword(0).Dword(0).Dword(WS_CHILD | WS_CAPTION | DS_SETFONT);
    bytes.Word(0).Word(0).Word(0).Word(170).Word(80).Word(0).Word(0).Text("Extended");
    bytes.Word(12).Word(400).Word(0).Text("MS Shell Dlg");
    return bytes.Get();
}

// A page handed its template (null for one that could not be read).
class HandedPage : public KPropertyPage {
public:
    explicit HandedPage(const DialogTemplate* dialog) {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = dialog;
    }
};

// The opening size of `sheet` with one page made from `dialog`.
CSize OpeningSize(CPropertySheet&& sheet, const DialogTemplate* dialog) {
    HandedPage page(dialog);
    sheet.AddPage(&page);
    CSize size;
    CScriptedUser user;
    user.Then([&](HWND opened) {
            CRect rect;
            GetWindowRect(opened, &rect);
            size = rect.Size();
            return ModalAction::Acted;
        })
        .Click(IDCANCEL);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    return size;
}

} // namespace

TEST_F(PropertySheets, PageTemplatesInBothBinaryLayoutsGiveTheFontAndBadOnesNone) {
    const std::vector<uint8_t> classic = ClassicPage(true);
    const std::vector<uint8_t> fontless = ClassicPage(false);
    const std::vector<uint8_t> extended = ExtendedPage();
    const CBinaryDialogTemplate classicPage(classic.data(), classic.size());
    const CBinaryDialogTemplate fontlessPage(fontless.data(), fontless.size());
    const CBinaryDialogTemplate extendedPage(extended.data(), extended.size());
    ASSERT_TRUE(classicPage.IsValid());
    ASSERT_TRUE(fontlessPage.IsValid());
    ASSERT_TRUE(extendedPage.IsValid());
    const CSize eightPoint = OpeningSize(KPropertySheet("Classic"), classicPage.GetTemplate());
    EXPECT_EQ(OpeningSize(CPropertySheet("Classic"), classicPage.GetTemplate()), eightPoint);
    // No font, no refit: the sheet opens as the system's sheet would.
    EXPECT_EQ(OpeningSize(KPropertySheet("Fontless"), fontlessPage.GetTemplate()),
              OpeningSize(CPropertySheet("Fontless"), fontlessPage.GetTemplate()));
    // The extended layout's 12-point font refits the sheet larger; KPropertySheetEx
    // leaves the refit out.
    const CSize twelvePoint = OpeningSize(KPropertySheet("Extended"), extendedPage.GetTemplate());
    EXPECT_EQ(OpeningSize(KPropertySheetEx("Extended", nullptr, 0, 0), extendedPage.GetTemplate()),
              OpeningSize(CPropertySheet("Extended"), extendedPage.GetTemplate()));
    EXPECT_GT(twelvePoint.cx, eightPoint.cx * 5 / 4);
    EXPECT_GT(twelvePoint.cy, eightPoint.cy * 5 / 4);

    // A template cut short is no template: the sheet is not made, nothing is read past it.
    for (const std::vector<uint8_t>* bytes : {&classic, &extended}) {
        const CBinaryDialogTemplate cut(bytes->data(), bytes->size() - 3);
        EXPECT_EQ(cut.GetTemplate(), nullptr);
        HandedPage page(cut.GetTemplate());
        KPropertySheetEx sheet("Cut", nullptr, 0, 0x2000);
        sheet.AddPage(&page);
        EXPECT_EQ(sheet.DoModal(), -1);
    }
}

TEST_F(PropertySheets, TheSheetReplacesItsPageAfterApplyBackNextAndATabChange) {
    // A host's sheet that counts the message the sheet posts itself to place its page.
    class CountingSheet : public KPropertySheetEx {
    public:
        using KPropertySheetEx::KPropertySheetEx;
        int m_posted = 0;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == kResizePageMessage)
                ++m_posted;
            return KPropertySheetEx::WindowProc(message, wParam, lParam);
        }
    };
    GeneralPage general;
    KPropertyPage tide(kTideId, kTideCaption);
    CountingSheet sheet("Counting", nullptr, 0, 0x0004);
    sheet.AddPage(&general);
    sheet.AddPage(&tide);
    std::vector<int> counts;
    const CountingSheet* watched = &sheet;
    const auto count = [&](HWND) {
        counts.push_back(watched->m_posted);
        return ModalAction::Acted;
    };
    // The user clicks the second tab.
    const auto clickSecondTab = [&](HWND dialog) {
        const auto tab = reinterpret_cast<HWND>(SendMessage(dialog, PSM_GETTABCONTROL, 0, 0));
        RECT item{};
        SendMessage(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
        POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(tab, &centre);
        const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
        PostMouseInput(thread, WM_MOUSEMOVE, centre);
        PostMouseInput(thread, WM_LBUTTONDOWN, centre);
        PostMouseInput(thread, WM_LBUTTONUP, centre);
        return ModalAction::Acted;
    };
    CScriptedUser user;
    user.Then(count)
        .Click(ID_APPLY_NOW)
        .Then(count)
        .Then(clickSecondTab)
        .Then(count)
        .Then([&](HWND dialog) {
            return Check([&](HWND) { EXPECT_EQ(sheet.GetActiveIndex(), 1); }, dialog);
        })
        .Click(IDCANCEL);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    ASSERT_EQ(counts.size(), 3u);
    EXPECT_EQ(counts[1], counts[0] + 1);
    EXPECT_EQ(counts[2], counts[1] + 1);

    KPropertyPage one(kTideId, kTideCaption);
    KPropertyPage two(kSensorId, kSensorCaption);
    CountingSheet wizard("Counting wizard", nullptr, 0, 0);
    wizard.AddPage(&one);
    wizard.AddPage(&two);
    wizard.SetWizardMode();
    counts.clear();
    watched = &wizard;
    CScriptedUser stepper;
    stepper.Then(count).Click(ID_WIZNEXT).Then(count).Click(ID_WIZBACK).Then(count).Click(IDCANCEL);
    EXPECT_EQ(wizard.DoModal(), IDCANCEL);
    ASSERT_EQ(counts.size(), 3u);
    EXPECT_EQ(counts[1], counts[0] + 1);
    EXPECT_EQ(counts[2], counts[1] + 1);
}
