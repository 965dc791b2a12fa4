#include "vornui/platform/Button.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/Static.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kSettingsId = 4100;
constexpr int kName = 100;
constexpr int kCount = 101;
constexpr int kTide = 102;
constexpr int kMetres = 103;
constexpr int kFeet = 104;

constexpr DialogItemTemplate kSettingsItems[] = {
    {"Static", "&Name:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 7, 40, 8},
    {"Edit", "", kName, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 50, 7, 100, 12},
    {"Static", "&Count:", 0xFFFF, WS_VISIBLE | SS_LEFT, 0, 7, 25, 40, 8},
    {"Edit", "", kCount, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 50, 25, 40, 12},
    {"Button", "Apply &tide", kTide, WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 7, 45, 80, 10},
    {"Button", "&Metres", kMetres, WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 7,
     60, 50, 10},
    {"Button", "&Feet", kFeet, WS_VISIBLE | BS_AUTORADIOBUTTON, 0, 60, 60, 50, 10},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, 90, 80, 50,
     14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 145, 80, 50, 14},
};

constexpr DialogTemplate kSettings{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   0,
                                   0,
                                   0,
                                   200,
                                   100,
                                   "Settings",
                                   "MS Shell Dlg",
                                   8,
                                   kSettingsItems,
                                   static_cast<WORD>(std::size(kSettingsItems))};

class SettingsDialog : public CDialog {
public:
    SettingsDialog() : CDialog(kSettingsId) {}

    CString m_name = "Pump";
    int m_count = 3;
    int m_tide = 0;
    int m_unit = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, kName, m_name);
        DDX_Text(dx, kCount, m_count);
        DDV_MinMaxInt(dx, m_count, 1, 10);
        DDX_Check(dx, kTide, m_tide);
        DDX_Radio(dx, kMetres, m_unit);
    }
};

// The test's own resources, current while a test runs, as a host's would be.
class Dialogs : public testing::Test {
protected:
    void SetUp() override {
        m_module = CreateResourceModule("dialog-tests");
        ASSERT_TRUE(AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(kSettingsId), &kSettings,
                                sizeof kSettings));
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

int FocusId() {
    return GetDlgCtrlID(GetFocus());
}

} // namespace

TEST_F(Dialogs, TheScriptedUserFillsTheDialogAndOkSavesTheValues) {
    CScriptedUser user;
    user.TypeInto(kName, "Ballast").Click(kTide).Click(kFeet).Click(IDOK);
    SettingsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, "Ballast");
    EXPECT_EQ(dialog.m_count, 3);
    EXPECT_EQ(dialog.m_tide, 1);
    EXPECT_EQ(dialog.m_unit, 1);
    EXPECT_EQ(user.DialogsShown(), (std::vector<CString>{"Settings"}));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(Dialogs, WithoutAUserTheDialogIsCancelledAtOnceWithOneLine) {
    testing::internal::CaptureStderr();
    SettingsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "vornui: dialog \"Settings\": no one acts in it -> Cancel\n");
    EXPECT_EQ(dialog.m_name, "Pump");
}

TEST_F(Dialogs, AFailedValidationKeepsTheDialogOpenWithTheFocusOnTheControl) {
    CScriptedUser user;
    bool checked = false;
    user.TypeInto(kCount, "42").Press(VK_RETURN).Then([&](HWND dialog) {
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(FocusId(), kCount);
        DWORD start = 9;
        DWORD end = 9;
        SendMessage(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                    reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 2u);
        checked = true;
        return ModalAction::Acted;
    });
    user.Type("7").Press(VK_RETURN);
    SettingsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(checked);
    EXPECT_EQ(dialog.m_count, 7);
    ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(user.MessageBoxesShown()[0].text, "Please enter an integer between 1 and 10.");
    EXPECT_EQ(user.MessageBoxesShown()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);

    CScriptedUser typist;
    typist.TypeInto(kCount, "many").Click(IDOK).Click(IDCANCEL);
    SettingsDialog parsing;
    EXPECT_EQ(parsing.DoModal(), IDCANCEL);
    ASSERT_EQ(typist.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(typist.MessageBoxesShown()[0].text, "Please enter an integer.");
    EXPECT_EQ(parsing.m_count, 3);
}

TEST_F(Dialogs, TabWalksTheTabStopsAndEnterEscapePressTheirButtons) {
    std::vector<int> visited;
    const auto note = [&visited](HWND) {
        visited.push_back(FocusId());
        return ModalAction::Acted;
    };
    CScriptedUser user;
    user.Then(note);
    for (int step = 0; step < 6; ++step)
        user.Press(VK_TAB).Then(note);
    user.Press(VK_TAB, true).Then(note).Press(VK_ESCAPE);
    SettingsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // The unchecked radio button is no tab stop; Shift+Tab goes back.
    EXPECT_EQ(visited,
              (std::vector<int>{kName, kCount, kTide, kMetres, IDOK, IDCANCEL, kName, IDCANCEL}));

    // Enter presses the default button, or the push button that has the focus.
    CScriptedUser enter;
    enter.TypeInto(kName, "Winch").Press(VK_RETURN);
    SettingsDialog confirmed;
    EXPECT_EQ(confirmed.DoModal(), IDOK);
    EXPECT_EQ(confirmed.m_name, "Winch");
    CScriptedUser onCancel;
    onCancel.Press(VK_TAB, true).Press(VK_RETURN);
    SettingsDialog cancelled;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);

    // Arrows move within the radio group and choose as they go.
    CScriptedUser arrows;
    arrows.Click(kMetres).Press(VK_RIGHT).Click(IDOK);
    SettingsDialog unit;
    EXPECT_EQ(unit.DoModal(), IDOK);
    EXPECT_EQ(unit.m_unit, 1);
}

TEST_F(Dialogs, DialogUnitsBecomePixelsWithTheDialogFontsBaseUnits) {
    SettingsDialog dialog;
    ASSERT_TRUE(dialog.Create(kSettingsId));
    CRect client;
    dialog.GetClientRect(&client);
    // x * width / 4 and y * height / 8 with the measure of the 8-point dialog font.
    const FontCharMetrics font = MeasureFont("MS Shell Dlg", 8);
    EXPECT_EQ(client, CRect(0, 0, MulDiv(200, font.averageWidth, 4), MulDiv(100, font.height, 8)));
    CRect edit;
    dialog.GetDlgItem(kName)->GetWindowRect(&edit);
    dialog.ScreenToClient(&edit);
    EXPECT_EQ(edit, CRect(MulDiv(50, font.averageWidth, 4), MulDiv(7, font.height, 8),
                          MulDiv(150, font.averageWidth, 4), MulDiv(19, font.height, 8)));
    CRect units(50, 7, 150, 19);
    dialog.MapDialogRect(&units);
    EXPECT_EQ(units, edit);
    EXPECT_EQ(dialog.GetDefID(), static_cast<DWORD>(MAKELONG(IDOK, DC_HASDEFID)));

    // OnInitDialog loaded the members; a modeless dialog stays until it is destroyed.
    CString name;
    dialog.GetDlgItemText(kName, name);
    EXPECT_EQ(name, "Pump");
    EXPECT_EQ(dialog.GetDlgItemInt(kCount), 3u);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kMetres), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(dialog.GetCheckedRadioButton(kMetres, kFeet), kMetres);
    EXPECT_FALSE(dialog.IsWindowVisible()); // the template has no WS_VISIBLE
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(Dialogs, TheSystemDialogBoxRunsADialogProcedure) {
    static int initialised = 0;
    const DLGPROC proc = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
        if (message == WM_INITDIALOG) {
            initialised = static_cast<int>(lParam);
            SetDlgItemText(dialog, kName, "from the procedure");
            return TRUE;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
            char text[64];
            GetDlgItemText(dialog, kName, text, sizeof text);
            EndDialog(dialog, text[0] == 'f' ? 77 : 0);
            return TRUE;
        }
        return FALSE;
    };
    CScriptedUser user;
    user.Press(VK_RETURN);
    EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(kSettingsId), nullptr, proc, 5), 77);
    EXPECT_EQ(initialised, 5);
    EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(9999), nullptr, proc, 0), -1);
}

TEST_F(Dialogs, NestedDialogsTakeTheStepsInTurnAndTimersEndDialogsOnTheirOwn) {
    class OuterDialog : public CDialog {
    public:
        INT_PTR innerResult = 0;
        CString innerName;

    protected:
        BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
            if (LOWORD(wParam) == kTide && HIWORD(wParam) == BN_CLICKED) {
                SettingsDialog inner;
                innerResult = inner.DoModal();
                innerName = inner.m_name;
                return TRUE;
            }
            return CDialog::OnCommand(wParam, lParam);
        }
    };
    CScriptedUser user;
    user.Click(kTide).TypeInto(kName, "Inner").Click(IDOK).Click(IDOK);
    OuterDialog outer;
    outer.InitModalIndirect(&kSettings);
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(outer.innerResult, IDOK);
    EXPECT_EQ(outer.innerName, "Inner");
    EXPECT_EQ(user.DialogsShown(), (std::vector<CString>{"Settings", "Settings"}));

    class TimedDialog : public CDialog {
    public:
        int ticks = 0;

    protected:
        BOOL OnInitDialog() override {
            SetTimer(1, 10, nullptr);
            return CDialog::OnInitDialog();
        }
        void OnTimer(UINT_PTR) override {
            if (++ticks == 3)
                EndDialog(IDOK);
        }
    };
    CScriptedUser waiting;
    waiting.WaitForEnd();
    TimedDialog timed;
    timed.InitModalIndirect(&kSettings);
    EXPECT_EQ(timed.DoModal(), IDOK);
    EXPECT_EQ(timed.ticks, 3);
}

TEST_F(Dialogs, AVisibleDialogThatShowedItselfWhileInitialisedStaysAsItShowedItself) {
    const DLGPROC maximise = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG)
            ShowWindow(dialog, SW_SHOWMAXIMIZED);
        return message == WM_INITDIALOG;
    };
    const DLGPROC plain = [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
        return message == WM_INITDIALOG;
    };
    DialogTemplate visible = kSettings;
    visible.style |= WS_VISIBLE | WS_THICKFRAME | WS_MAXIMIZEBOX;
    const HWND maximised = CreateDialogIndirectParam(nullptr, &visible, nullptr, maximise, 0);
    ASSERT_NE(maximised, nullptr);
    EXPECT_TRUE(IsZoomed(maximised));
    const HWND shown = CreateDialogIndirectParam(nullptr, &visible, nullptr, plain, 0);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_FALSE(IsZoomed(shown));
    DestroyWindow(maximised);
    DestroyWindow(shown);
}
