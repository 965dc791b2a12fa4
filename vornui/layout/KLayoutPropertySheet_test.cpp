#include "tests/TempDir.h"

#include "vornui/layout/KLayoutPropertyPage.h"
#include "vornui/layout/KLayoutPropertySheet.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/ListBoxControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/SpinButtonCtrl.h"
#include "vornui/platform/WinApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>

namespace {

enum : WORD {
    kLinesId = 4210,
    kSpeedId,
    IDC_LINES = 1001,
    IDC_NAME,
    IDC_NAME_SPIN,
    IDC_SPEED,
    IDC_UNIT,
};

constexpr DialogItemTemplate kLinesItems[] = {
    {"ListBox", "", IDC_LINES, WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 7, 7, 146, 60},
    {"Edit", "3", IDC_NAME, WS_VISIBLE | WS_BORDER, 0, 7, 72, 60, 12},
    {UPDOWN_CLASS, "", IDC_NAME_SPIN, WS_VISIBLE | UDS_ALIGNRIGHT | UDS_AUTOBUDDY, 0, 0, 0, 10, 12},
};
constexpr DialogTemplate kLines{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                0,
                                0,
                                0,
                                160,
                                90,
                                "Lines",
                                "MS Shell Dlg",
                                8,
                                kLinesItems,
                                static_cast<WORD>(std::size(kLinesItems))};

constexpr DialogItemTemplate kSpeedItems[] = {
    {"Edit", "4.5", IDC_SPEED, WS_VISIBLE | WS_BORDER, 0, 7, 7, 60, 12},
    {"Static", "kn", IDC_UNIT, WS_VISIBLE, 0, 70, 9, 20, 8},
};
constexpr DialogTemplate kSpeed{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                0,
                                0,
                                0,
                                120,
                                50,
                                "Speed",
                                "MS Shell Dlg",
                                8,
                                kSpeedItems,
                                static_cast<WORD>(std::size(kSpeedItems))};

// The least size of the lines page's list; the page needs it and its root borders.
constexpr CSize kLeastList(400, 200);

CRect ScreenRect(const CWnd& wnd) {
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

// A page of survey lines: the list takes what the name's row leaves.
class LinesPage : public KLayoutPropertyPage {
public:
    LinesPage() : KLayoutPropertyPage(kLinesId) {}

    // The most this page wants to be, none when empty.
    CSize m_greatest{0, 0};

    BOOL OnInitDialog() override {
        KLayoutPropertyPage::OnInitDialog();
        UpdateLayout(CreateRoot(layVertical)
                     << item(IDC_LINES, layGreedy, 0, 0, kLeastList.cx, kLeastList.cy)
                     << item(IDC_NAME, layAbsoluteVert));
        return TRUE;
    }
    CRect Control(int id) const { return ScreenRect(*GetDlgItem(id)); }

protected:
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
        KLayoutPropertyPage::OnGetMinMaxInfo(info);
        if (m_greatest.cx > 0)
            info->ptMaxTrackSize = POINT{m_greatest.cx, m_greatest.cy};
    }
};

// A page of the survey speed, laid out by the template; it says when it is shown.
class SpeedPage : public KLayoutPropertyPage {
public:
    SpeedPage() : KLayoutPropertyPage(kSpeedId) {}

    DWORD m_wizardButtons = 0;

    BOOL OnSetActive() override {
        if (m_wizardButtons)
            static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(m_wizardButtons);
        return KLayoutPropertyPage::OnSetActive();
    }
};

// The sheet's own controls, as the user sees them.
class SurveySheet : public KLayoutPropertySheet {
public:
    explicit SurveySheet(LPCTSTR section = nullptr, bool gripper = false)
        : KLayoutPropertySheet("Survey", nullptr, 0, section, gripper) {}

    CRect Window() const { return ScreenRect(*this); }
    CRect Client() const {
        CRect client;
        GetClientRect(&client);
        ClientToScreen(&client);
        return client;
    }
    CRect Control(int id) const { return ScreenRect(*GetDlgItem(id)); }
    // The tab control's display area, where a page belongs.
    CRect DisplayArea() const {
        CRect area = Control(AFX_IDC_TAB_CONTROL);
        GetTabControl()->AdjustRect(FALSE, &area);
        return area;
    }
    POINT TabPoint(int index) const {
        CRect item;
        GetTabControl()->GetItemRect(index, &item);
        GetTabControl()->ClientToScreen(&item);
        return item.CenterPoint();
    }
};

class LayoutSheets : public testing::Test {
protected:
    void SetUp() override {
        m_module = CreateResourceModule("layout-sheet-tests");
        ASSERT_TRUE(
            AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(kLinesId), &kLines, sizeof kLines));
        ASSERT_TRUE(
            AddResource(m_module, RT_DIALOG, MAKEINTRESOURCE(kSpeedId), &kSpeed, sizeof kSpeed));
        m_previous = AfxGetResourceHandle();
        AfxSetResourceHandle(m_module);
        m_app.SetProfileFile(m_folder.file("survey.ini").c_str());
    }
    void TearDown() override {
        AfxSetResourceHandle(m_previous);
        FreeResourceModule(m_module);
    }

    TempDir m_folder;
    CWinApp m_app{"Survey"};
    HMODULE m_module = nullptr;
    HINSTANCE m_previous = nullptr;
};

// A step of the user: a click on tab `index` of the sheet, wherever the tab is by then.
CScriptedUser::Step ClickTab(const SurveySheet& sheet, int index) {
    return [&sheet, index](HWND) {
        const POINT point = sheet.TabPoint(index);
        const DWORD thread = ::GetCurrentThreadId();
        for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
            PostMouseInput(thread, message, point);
        return ModalAction::Acted;
    };
}

ModalAction Check(const std::function<void()>& check) {
    check();
    return ModalAction::Acted;
}

} // namespace

TEST_F(LayoutSheets, TheSheetStopsWhereItsPagesStopAndPagesAndButtonsFollowItsGrowth) {
    LinesPage lines;
    SpeedPage speed;
    SurveySheet sheet;
    sheet.AddPage(&lines);
    sheet.AddPage(&speed);
    CSize frame;
    CScriptedUser user;
    user.Then([&](HWND) {
            return Check([&] {
                EXPECT_TRUE(sheet.GetStyle() & WS_THICKFRAME);
                EXPECT_TRUE(sheet.GetStyle() & WS_SYSMENU);
                EXPECT_EQ(ScreenRect(lines), sheet.DisplayArea());
                frame = sheet.Window().Size() - sheet.Client().Size();
            });
        })
        .DragFrame(HTBOTTOMRIGHT, -600, -600)
        .Then([&](HWND) {
            return Check([&] {
                // The least page, the tab's frame and tabs, the root borders, the row of
                // buttons and the frame.
                const CSize page(kLeastList.cx + 10,
                                 kLeastList.cy + 5 + lines.Control(IDC_NAME).Height() + 10);
                const CSize tab =
                    sheet.Control(AFX_IDC_TAB_CONTROL).Size() - sheet.DisplayArea().Size();
                const int buttons = sheet.Control(IDOK).Height() + 5;
                EXPECT_EQ(sheet.Window().Size(), page + tab + CSize(10, 10 + buttons) + frame);
                EXPECT_EQ(ScreenRect(lines).Size(), page);
                EXPECT_EQ(lines.Control(IDC_LINES).Size(), kLeastList);
            });
        })
        // From the other corner: the same corner again would be a double click.
        .DragFrame(HTTOPLEFT, -150, -100)
        .Then([&](HWND) {
            return Check([&] {
                const CRect client = sheet.Client();
                EXPECT_EQ(ScreenRect(lines), sheet.DisplayArea());
                EXPECT_EQ(lines.Control(IDC_LINES).Size(), kLeastList + CSize(150, 100));
                // The buttons keep to the bottom right, 5 pixels apart.
                EXPECT_EQ(sheet.Control(ID_APPLY_NOW).right, client.right - 5);
                EXPECT_EQ(sheet.Control(ID_APPLY_NOW).bottom, client.bottom - 5);
                EXPECT_EQ(sheet.Control(IDCANCEL).right, sheet.Control(ID_APPLY_NOW).left - 5);
                EXPECT_EQ(sheet.Control(IDOK).right, sheet.Control(IDCANCEL).left - 5);
                EXPECT_EQ(sheet.Control(AFX_IDC_TAB_CONTROL).bottom, sheet.Control(IDOK).top - 5);
                // The up-down control sits beside its grown edit box.
                EXPECT_EQ(lines.Control(IDC_NAME_SPIN).left, lines.Control(IDC_NAME).right);
                EXPECT_EQ(lines.Control(IDC_NAME_SPIN).right, sheet.DisplayArea().right - 5);
            });
        })
        .Then(ClickTab(sheet, 1))
        .Then([&](HWND) {
            return Check([&] {
                EXPECT_EQ(sheet.GetActivePage(), &speed);
                EXPECT_FALSE(lines.IsWindowVisible());
                EXPECT_EQ(ScreenRect(speed), sheet.DisplayArea());
            });
        })
        .DragFrame(HTRIGHT, 40, 0)
        .Then(
            [&](HWND) { return Check([&] { EXPECT_EQ(ScreenRect(speed), sheet.DisplayArea()); }); })
        .Then(ClickTab(sheet, 0))
        .Then([&](HWND) {
            return Check([&] {
                // Shown again after the sheet grew without it: in place, its up-down too.
                EXPECT_EQ(sheet.GetActivePage(), &lines);
                EXPECT_EQ(ScreenRect(lines), sheet.DisplayArea());
                EXPECT_EQ(lines.Control(IDC_NAME_SPIN).left, lines.Control(IDC_NAME).right);
                EXPECT_EQ(lines.Control(IDC_NAME_SPIN).right, sheet.DisplayArea().right - 5);
            });
        })
        .Click(IDOK);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(user.DialogsShown(), std::vector<CString>{"Survey"});
}

TEST_F(LayoutSheets, TheSheetNeverShrinksBelowItsFirstSizeAndGrowsAsFarAsEveryPageDoes) {
    SpeedPage speed;
    LinesPage lines;
    lines.m_greatest = CSize(500, 400);
    SurveySheet sheet;
    sheet.AddPage(&speed);
    sheet.AddPage(&lines);
    ASSERT_TRUE(sheet.Create());
    const CRect first = sheet.Window();
    CScriptedUser user;
    // The speed page needs less than the sheet was made with.
    user.DragFrame(HTBOTTOMRIGHT, -600, -600);
    ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
    EXPECT_EQ(sheet.Window(), first);
    // The speed page grows without end: so does the sheet.
    user.DragFrame(HTTOPLEFT, -300, -200);
    ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
    EXPECT_EQ(sheet.Window().Size(), first.Size() + CSize(300, 200));
    sheet.MoveWindow(&first);

    // Once made, the lines page holds the sheet to its least size and, while it is the
    // only page with a greatest size, no more.
    user.Then(ClickTab(sheet, 1));
    ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
    user.DragFrame(HTBOTTOMRIGHT, 900, 700);
    ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
    EXPECT_GT(sheet.Window().Width(), first.Width() + 800);
    EXPECT_EQ(ScreenRect(lines), sheet.DisplayArea());

    SurveySheet capped;
    LinesPage only;
    only.m_greatest = CSize(500, 400);
    capped.AddPage(&only);
    ASSERT_TRUE(capped.Create());
    user.DragFrame(HTBOTTOMRIGHT, 900, 700);
    ASSERT_TRUE(user.ActIn(capped.m_hWnd));
    EXPECT_EQ(ScreenRect(only).Size(), CSize(500, 400));
    EXPECT_EQ(ScreenRect(only), capped.DisplayArea());
    const CRect greatest = capped.Window();
    capped.MoveWindow(greatest.left, greatest.top, 2000, 1500);
    EXPECT_EQ(capped.Window(), greatest);
    capped.DestroyWindow();
    sheet.DestroyWindow();
}

TEST_F(LayoutSheets, AModelessSheetHasButtonsOnlyWhenAskedAndAWizardAlways) {
    LinesPage lines;
    SurveySheet bare;
    bare.AddPage(&lines);
    ASSERT_TRUE(bare.Create());
    EXPECT_FALSE(bare.GetDlgItem(IDOK)->IsWindowVisible());
    // The tab control takes the whole sheet but the root borders.
    CRect inside = bare.Client();
    inside.DeflateRect(5, 5);
    EXPECT_EQ(bare.Control(AFX_IDC_TAB_CONTROL), inside);
    EXPECT_EQ(ScreenRect(lines), bare.DisplayArea());
    bare.DestroyWindow();

    SurveySheet buttons;
    buttons.AddPage(&lines);
    buttons.ModelessWithButtons();
    ASSERT_TRUE(buttons.Create());
    EXPECT_TRUE(buttons.GetDlgItem(IDOK)->IsWindowVisible());
    EXPECT_TRUE(buttons.GetDlgItem(IDCANCEL)->IsWindowEnabled());
    EXPECT_FALSE(buttons.GetDlgItem(ID_APPLY_NOW)->IsWindowEnabled()); // nothing changed yet
    EXPECT_EQ(buttons.Control(ID_APPLY_NOW).right, buttons.Client().right - 5);
    EXPECT_EQ(buttons.Control(ID_APPLY_NOW).bottom, buttons.Client().bottom - 5);
    // OK ends the sheet; its host sees no active page any more and destroys it.
    CScriptedUser user;
    user.Click(IDOK);
    ASSERT_TRUE(user.ActIn(buttons.m_hWnd));
    EXPECT_EQ(buttons.GetActivePage(), nullptr);
    buttons.DestroyWindow();

    SurveySheet wizard;
    wizard.AddPage(&lines);
    wizard.SetWizardMode();
    ASSERT_TRUE(wizard.Create());
    EXPECT_TRUE(wizard.GetDlgItem(ID_WIZNEXT)->IsWindowVisible());
    EXPECT_EQ(wizard.Control(IDCANCEL).bottom, wizard.Client().bottom - 5);
    wizard.DestroyWindow();
}

TEST_F(LayoutSheets, AWizardKeepsBackAndNextTogetherAndMovesItsPagesItself) {
    LinesPage lines;
    SpeedPage speed;
    speed.m_wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
    SurveySheet wizard;
    wizard.AddPage(&lines);
    wizard.AddPage(&speed);
    wizard.SetWizardMode();
    CScriptedUser user;
    const auto rowIsRight = [&] {
        const CRect client = wizard.Client();
        const CRect back = wizard.Control(ID_WIZBACK);
        const CRect next = wizard.Control(ID_WIZNEXT);
        const CRect cancel = wizard.Control(IDCANCEL);
        EXPECT_EQ(back.right, next.left);
        EXPECT_EQ(cancel.left, next.right + 12);
        EXPECT_EQ(cancel.right, client.right - 5);
        EXPECT_EQ(cancel.bottom, client.bottom - 5);
        // Finish takes Next's place; the divider lies between the page and the buttons.
        EXPECT_EQ(wizard.Control(ID_WIZFINISH), next);
        const CRect divider = wizard.Control(0x3026);
        EXPECT_EQ(divider.bottom, next.top - 5);
        EXPECT_EQ(divider.left, client.left + 5);
        EXPECT_EQ(divider.right, client.right - 5);
        // The page reaches from the hidden tab control down to the divider's top.
        CRect page = wizard.GetPageRect();
        wizard.ClientToScreen(&page);
        EXPECT_EQ(page.bottom, divider.top);
        EXPECT_EQ(page.TopLeft(), client.TopLeft() + CSize(5, 5));
        return page;
    };
    user.Then([&](HWND) {
            return Check([&] {
                EXPECT_FALSE(wizard.GetDlgItem(AFX_IDC_TAB_CONTROL)->IsWindowVisible());
                EXPECT_EQ(ScreenRect(lines), rowIsRight());
                // Nobody but the sheet moves a wizard's page.
                lines.MoveWindow(0, 0, 50, 50);
                EXPECT_EQ(ScreenRect(lines), rowIsRight());
            });
        })
        .DragFrame(HTBOTTOMRIGHT, 120, 80)
        .Then([&](HWND) { return Check([&] { EXPECT_EQ(ScreenRect(lines), rowIsRight()); }); })
        .Click(ID_WIZNEXT)
        .Then([&](HWND) {
            return Check([&] {
                EXPECT_EQ(wizard.GetActivePage(), &speed);
                EXPECT_EQ(ScreenRect(speed), rowIsRight());
                EXPECT_TRUE(wizard.GetDlgItem(ID_WIZFINISH)->IsWindowVisible());
            });
        })
        .DragFrame(HTLEFT, -30, 0)
        .Click(ID_WIZBACK)
        .Then([&](HWND) {
            return Check([&] {
                EXPECT_EQ(wizard.GetActivePage(), &lines);
                EXPECT_EQ(ScreenRect(lines), rowIsRight());
            });
        })
        .Click(ID_WIZNEXT)
        .Click(ID_WIZFINISH);
    EXPECT_EQ(wizard.DoModal(), ID_WIZFINISH);
}

TEST_F(LayoutSheets, AWizardWithItsOwnFinishShowsItAfterNextAndPlainSheetsShowHelpWhenAsked) {
    LinesPage lines;
    SurveySheet wizard;
    wizard.AddPage(&lines);
    wizard.SetWizardMode();
    wizard.m_psh.dwFlags |= PSH_WIZARDHASFINISH;
    ASSERT_TRUE(wizard.Create());
    const CRect next = wizard.Control(ID_WIZNEXT);
    EXPECT_EQ(wizard.Control(ID_WIZBACK).right, next.left);
    EXPECT_EQ(wizard.Control(ID_WIZFINISH).left, next.right + 12);
    EXPECT_EQ(wizard.Control(IDCANCEL).left, wizard.Control(ID_WIZFINISH).right + 12);
    wizard.DestroyWindow();

    SurveySheet sheet;
    sheet.AddPage(&lines);
    sheet.m_psh.dwFlags |= PSH_HASHELP | PSH_NOAPPLYNOW;
    sheet.ModelessWithButtons();
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(sheet.GetDlgItem(ID_APPLY_NOW), nullptr);
    EXPECT_EQ(sheet.Control(IDHELP).right, sheet.Client().right - 5);
    EXPECT_EQ(sheet.Control(IDCANCEL).right, sheet.Control(IDHELP).left - 5);
    sheet.DestroyWindow();
}

TEST_F(LayoutSheets, ThePlacementComesBackFromTheProfileAndTheGripSizesTheSheet) {
    const auto reopen = [](const std::function<void(SurveySheet&)>& use) {
        LinesPage lines;
        SurveySheet sheet("Survey sheet", true);
        sheet.AddPage(&lines);
        EXPECT_TRUE(sheet.Create());
        use(sheet);
        sheet.DestroyWindow();
    };
    CRect placed;
    reopen([&](SurveySheet& sheet) {
        CWnd* bar = sheet.GetDlgItem(AFX_IDW_STATUS_BAR);
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->GetStyle() & SBARS_SIZEGRIP);
        const CRect grip = ScreenRect(*bar);
        const CRect before = sheet.Window();
        CScriptedUser user;
        user.Drag(
            {POINT{grip.right - 3, grip.bottom - 3}, POINT{grip.right + 57, grip.bottom + 41}});
        ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
        EXPECT_EQ(sheet.Window(), CRect(before.TopLeft(), before.Size() + CSize(60, 44)));
        sheet.MoveWindow(120, 80, 700, 560);
        placed = sheet.Window();
    });
    LPBYTE data = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(m_app.GetProfileBinary("Survey sheet", "WindowPlacement", &data, &bytes));
    WINDOWPLACEMENT stored{};
    ASSERT_EQ(bytes, 44u);
    std::memcpy(&stored, data, sizeof stored);
    delete[] data;
    EXPECT_EQ(CRect(stored.rcNormalPosition), CRect(120, 80, 820, 640));

    m_app.SetProfileFile(m_folder.file("survey.ini").c_str());
    reopen([&](SurveySheet& sheet) {
        EXPECT_EQ(sheet.Window(), placed);
        EXPECT_EQ(ScreenRect(*sheet.GetActivePage()), sheet.DisplayArea());
        sheet.ShowWindow(SW_MAXIMIZE);
    });
    reopen([&](SurveySheet& sheet) {
        EXPECT_TRUE(sheet.IsZoomed());
        EXPECT_EQ(ScreenRect(*sheet.GetActivePage()), sheet.DisplayArea());
        sheet.ShowWindow(SW_RESTORE);
        EXPECT_EQ(sheet.Window(), placed);
    });
}

namespace {

// Counts the objects of a modeless sheet that its window's end deletes.
int g_deleted = 0;

class CountedPage : public LinesPage {
public:
    ~CountedPage() override { ++g_deleted; }
};

class CountedSheet : public SurveySheet {
public:
    ~CountedSheet() override { ++g_deleted; }
};

} // namespace

TEST_F(LayoutSheets, AnAutoDestroyingSheetDeletesItselfAndItsPagesWithItsWindow) {
    g_deleted = 0;
    auto* sheet = new CountedSheet;
    sheet->AddPage(new CountedPage);
    sheet->AddPage(new CountedPage);
    sheet->SetAutoDestroy();
    sheet->SetAutoDestroyPages();
    ASSERT_TRUE(sheet->Create());
    ASSERT_TRUE(sheet->SetActivePage(1));
    sheet->DestroyWindow();
    EXPECT_EQ(g_deleted, 3);

    // Without the flags nothing is deleted.
    g_deleted = 0;
    CountedPage page;
    {
        CountedSheet kept;
        kept.AddPage(&page);
        ASSERT_TRUE(kept.Create());
        kept.DestroyWindow();
        EXPECT_EQ(g_deleted, 0);
    }
    EXPECT_EQ(g_deleted, 1);
}
