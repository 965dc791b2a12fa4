// Masked edits in a host's dialog, filled in by the scripted user: typing, deleting,
// dragging across a separator, pasting odd text, Enter through the fields and on to the
// next control, and the host reading the values when OK is pressed.

#include "vornui/edits/CmEditHost_test.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"

#include <iterator>

namespace {

constexpr int kDateId = 100;
constexpr int kTimeId = 101;
constexpr int kLineId = 102;
constexpr int kPinId = 103;

constexpr DWORD kEditStyle = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DialogItemTemplate kItems[] = {
    {"Static", "Date:", 0xFFFF, WS_VISIBLE, 0, 7, 9, 40, 8},
    {"Edit", "", kDateId, kEditStyle, 0, 50, 7, 90, 12},
    {"Static", "Time:", 0xFFFF, WS_VISIBLE, 0, 7, 25, 40, 8},
    {"Edit", "", kTimeId, kEditStyle, 0, 50, 23, 90, 12},
    {"Static", "Line:", 0xFFFF, WS_VISIBLE, 0, 7, 41, 40, 8},
    {"Edit", "", kLineId, kEditStyle, 0, 50, 39, 90, 12},
    {"Static", "PIN:", 0xFFFF, WS_VISIBLE, 0, 7, 57, 40, 8},
    {"Edit", "", kPinId, kEditStyle, 0, 50, 55, 90, 12},
    {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 35, 75, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 0, 90, 75, 50, 14},
};
constexpr DialogTemplate kSurvey{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION,
                                 0,
                                 0,
                                 0,
                                 150,
                                 96,
                                 "Survey line",
                                 "MS Shell Dlg",
                                 8,
                                 kItems,
                                 static_cast<WORD>(std::size(kItems))};

// The host: attaches the masked edits when the dialog starts and reads them on OK.
class SurveyDialog : public CDialog {
public:
    CmEdit m_date;
    CmEdit m_time;
    CmEdit m_line;
    CmEdit m_pin;
    std::vector<std::string> m_read;

protected:
    BOOL OnInitDialog() override {
        m_date.SubclassDlgItem(kDateId, this);
        m_date.SetMask("[0-3][0-9].[01][0-9].[0-9][0-9][0-9][0-9]");
        m_time.SubclassDlgItem(kTimeId, this);
        m_time.SetMask("[0-2][0-9]:[0-5][0-9]");
        m_line.SubclassDlgItem(kLineId, this);
        m_line.SetMask("[a-zA-Z][a-zA-Z]-[0-9][0-9][0-9]");
        m_line.ConverToUpper(true);
        m_pin.SubclassDlgItem(kPinId, this);
        m_pin.SetMask("[0-9][0-9][0-9][0-9]");
        m_pin.SetPasswordChar('*');
        return CDialog::OnInitDialog();
    }
    void OnOK() override {
        for (const CmEdit* edit : {&m_date, &m_time, &m_line, &m_pin})
            m_read.emplace_back(edit->GetData().GetString());
        CDialog::OnOK();
    }
};

DWORD ThreadOf(HWND dialog) {
    return GetWindowThreadProcessId(dialog, nullptr);
}

// Presses the left button over character `from` of edit `id` and releases it over `to`.
CScriptedUser::Step DragAcross(int id, int from, int to) {
    return [=](HWND dialog) {
        const HWND edit = GetDlgItem(dialog, id);
        const POINT start = CharacterPoint(edit, from);
        const POINT end = CharacterPoint(edit, to);
        PostMouseInput(ThreadOf(dialog), WM_MOUSEMOVE, start);
        PostMouseInput(ThreadOf(dialog), WM_LBUTTONDOWN, start);
        PostMouseInput(ThreadOf(dialog), WM_MOUSEMOVE, end);
        PostMouseInput(ThreadOf(dialog), WM_LBUTTONUP, end);
        return ModalAction::Acted;
    };
}

CScriptedUser::Step DoubleClickOn(int id, int index) {
    return [=](HWND dialog) {
        const POINT point = CharacterPoint(GetDlgItem(dialog, id), index);
        PostMouseInput(ThreadOf(dialog), WM_MOUSEMOVE, point);
        for (int click = 0; click < 2; ++click) {
            PostMouseInput(ThreadOf(dialog), WM_LBUTTONDOWN, point);
            PostMouseInput(ThreadOf(dialog), WM_LBUTTONUP, point);
        }
        return ModalAction::Acted;
    };
}

// Notes what edit `id` shows and which control has the focus, for the test to look at later.
struct Sighting {
    std::string shown;
    int focus;
};
CScriptedUser::Step Look(int id, std::vector<Sighting>& seen) {
    return [id, &seen](HWND dialog) {
        seen.push_back({ShownText(GetDlgItem(dialog, id)), GetDlgCtrlID(GetFocus())});
        return ModalAction::Acted;
    };
}

TEST(MaskedEditDialog, TheUserFillsTheFieldsAndTheHostReadsTheValues) {
    PutOnClipboard("\x01 2x3\xB0:4");
    std::vector<Sighting> seen;
    CScriptedUser user;
    // The date has the focus first; Enter goes through its fields and on to the time.
    user.Type("06122026").Then(Look(kDateId, seen));
    user.Press(VK_RETURN).Press(VK_RETURN).Press(VK_RETURN).Then(Look(kDateId, seen));
    user.Type("0930").Then(Look(kTimeId, seen));
    // Across the separator: the hour's second digit, and only that, is typed over.
    user.Then(DragAcross(kTimeId, 4, 1)).Type("5").Then(Look(kTimeId, seen));
    // Odd text pasted into the hour: its digits fill the field, the rest is dropped.
    user.Then(DoubleClickOn(kTimeId, 1)).PressWith(MOD_SHIFT, VK_INSERT);
    user.Then(Look(kTimeId, seen));
    // The minutes are selected now: deleted and typed again.
    user.Press(VK_DELETE).Type("45").Then(Look(kTimeId, seen));
    // Tab is the dialog's; the separator need not be typed, capitals come by themselves.
    user.Press(VK_TAB).Type("ab-123").Then(Look(kLineId, seen));
    user.Press(VK_RETURN).Press(VK_RETURN).Type("4711").Then(Look(kPinId, seen));
    // From the last field on to OK, and Enter there presses it.
    user.Press(VK_RETURN).Then(Look(kPinId, seen)).Press(VK_RETURN);

    SurveyDialog dialog;
    dialog.InitModalIndirect(&kSurvey);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    // Enter's release came after OK had ended the dialog; it is no later test's key.
    MSG left;
    while (PeekMessage(&left, nullptr, 0, 0, PM_REMOVE))
        DispatchMessage(&left);

    ASSERT_EQ(seen.size(), 9u);
    EXPECT_EQ(seen[0].shown, "06.12.2026");
    EXPECT_EQ(seen[0].focus, kDateId);
    EXPECT_EQ(seen[1].focus, kTimeId);
    EXPECT_EQ(seen[2].shown, "09:30");
    EXPECT_EQ(seen[3].shown, "05:30");
    EXPECT_EQ(seen[4].shown, "23:30");
    EXPECT_EQ(seen[5].shown, "23:45");
    EXPECT_EQ(seen[6].shown, "AB-123");
    EXPECT_EQ(seen[7].shown, "****");
    EXPECT_EQ(seen[7].focus, kPinId);
    EXPECT_EQ(seen[8].focus, IDOK);
    EXPECT_EQ(dialog.m_read, (std::vector<std::string>{"06122026", "2345", "AB123", "4711"}));
}

} // namespace
