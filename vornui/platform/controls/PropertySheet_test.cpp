#include "vornui/platform/DataExchange.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/Exceptions.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/PropertySheet.h"
#include "vornui/platform/SpinButtonCtrl.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kDepth = 100;
constexpr int kSpin = 101;

constexpr DialogItemTemplate kDepthItems[] = {
    {"Edit", "", kDepth, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 7, 7, 60, 12},
    {UPDOWN_CLASS, "", kSpin, WS_VISIBLE | UDS_ALIGNRIGHT, 0, 70, 7, 10, 12},
};

constexpr DialogTemplate kDepthPage{DS_SETFONT | WS_CHILD | WS_CAPTION,
                                    0,
                                    0,
                                    0,
                                    160,
                                    80,
                                    "Depth",
                                    "MS Shell Dlg",
                                    8,
                                    kDepthItems,
                                    static_cast<WORD>(std::size(kDepthItems))};

constexpr DialogTemplate kEmptyPage{
    DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 120, 60, "Tide", "MS Shell Dlg", 8, nullptr, 0};

// What the pages and the sheet were told, in order.
std::vector<std::string> g_events;

// A page that says what the sheet asks of it and keeps a depth between 0 and 100.
class DepthPage : public CPropertyPage {
public:
    explicit DepthPage(const char* name, const DialogTemplate& dialog = kDepthPage) : m_name(name) {
        m_psp.dwFlags |= PSP_DLGINDIRECT;
        m_psp.pResource = &dialog;
    }

    int m_depth = 5;
    int m_wizardButtons = -1;

    BOOL OnSetActive() override {
        g_events.push_back(m_name + " set active");
        if (m_wizardButtons >= 0)
            static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(m_wizardButtons);
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        g_events.push_back(m_name + " kill active");
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        g_events.push_back(m_name + " apply");
        return CPropertyPage::OnApply();
    }
    void OnReset() override { g_events.push_back(m_name + " reset"); }
    BOOL OnQueryCancel() override {
        g_events.push_back(m_name + " query cancel");
        return TRUE;
    }
    void OnDeltaPos(NMHDR* header, LRESULT* result) {
        const auto* change = reinterpret_cast<NMUPDOWN*>(header);
        g_events.push_back(m_name + " spin " + std::to_string(change->iDelta));
        *result = 0;
    }

protected:
    void DoDataExchange(CDataExchange* dx) override {
        if (!GetDlgItem(kDepth))
            return;
        DDX_Text(dx, kDepth, m_depth);
        DDV_MinMaxInt(dx, m_depth, 0, 100);
    }

private:
    std::string m_name;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DepthPage, CPropertyPage)
ON_NOTIFY(UDN_DELTAPOS, kSpin, &DepthPage::OnDeltaPos)
END_MESSAGE_MAP()

// A sheet that hears the keys its modal loop offers it.
class SurveySheet : public CPropertySheet {
public:
    using CPropertySheet::CPropertySheet;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_SYSKEYDOWN && msg->wParam >= '0')
            g_events.push_back("alt " + std::string(1, static_cast<char>(msg->wParam)));
        return CPropertySheet::PreTranslateMessage(msg);
    }
};

POINT TabPoint(HWND sheet, int index) {
    const HWND tab = reinterpret_cast<HWND>(SendMessage(sheet, PSM_GETTABCONTROL, 0, 0));
    RECT item{};
    SendMessage(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(tab, &centre);
    return centre;
}

// The user clicks the middle of tab `index`.
void ClickTab(HWND sheet, int index) {
    const POINT point = TabPoint(sheet, index);
    const DWORD thread = GetWindowThreadProcessId(sheet, nullptr);
    PostMouseInput(thread, WM_MOUSEMOVE, point);
    PostMouseInput(thread, WM_LBUTTONDOWN, point);
    PostMouseInput(thread, WM_LBUTTONUP, point);
}

CString TabText(HWND sheet, int index) {
    const HWND tab = reinterpret_cast<HWND>(SendMessage(sheet, PSM_GETTABCONTROL, 0, 0));
    char text[64] = "";
    TCITEM item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
    SendMessage(tab, TCM_GETITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

// A sheet the user may size, whose tab control fills it above a strip for the buttons.
class StretchedSheet : public CPropertySheet {
public:
    using CPropertySheet::CPropertySheet;

    // Where the page ought to be: the tab control's display area, in screen coordinates.
    CRect DisplayArea() const {
        CRect area;
        GetTabControl()->GetWindowRect(&area);
        GetTabControl()->AdjustRect(FALSE, &area);
        return area;
    }

protected:
    void OnSize(UINT type, int cx, int cy) override {
        if (CTabCtrl* tab = GetTabControl())
            tab->MoveWindow(7, 7, cx - 14, cy - 40);
        CPropertySheet::OnSize(type, cx, cy);
    }
};

CRect ScreenRectOf(const CWnd& window) {
    CRect rect;
    window.GetWindowRect(&rect);
    return rect;
}

class PropertySheets : public testing::Test {
protected:
    void SetUp() override { g_events.clear(); }
};

} // namespace

TEST_F(PropertySheets, TabsAskTheLeftPageThenShowTheNextAndOkAppliesEveryMadePage) {
    DepthPage first("first");
    DepthPage second("second");
    DepthPage third("third", kEmptyPage);
    SurveySheet sheet("Survey");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&third);
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            EXPECT_EQ(TabText(dialog, 0), "Depth");
            EXPECT_EQ(TabText(dialog, 2), "Tide");
            EXPECT_NE(first.m_hWnd, nullptr);
            EXPECT_EQ(second.m_hWnd, nullptr); // made when first shown
            EXPECT_EQ(GetDlgItem(dialog, ID_APPLY_NOW) != nullptr, true);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, ID_APPLY_NOW)));
            CRect page;
            first.GetWindowRect(&page);
            CRect tab;
            sheet.GetTabControl()->GetWindowRect(&tab);
            EXPECT_TRUE(tab.PtInRect(page.TopLeft()));
            EXPECT_TRUE(tab.PtInRect(page.BottomRight() - CSize(1, 1)));
            g_events.push_back("user");
            ClickTab(dialog, 1);
            return ModalAction::Acted;
        })
        .TypeInto(kDepth, "42")
        .Then([&](HWND dialog) {
            EXPECT_FALSE(first.IsWindowVisible());
            EXPECT_TRUE(second.IsWindowVisible());
            EXPECT_EQ(sheet.GetActiveIndex(), 1);
            EXPECT_EQ(sheet.GetActivePage(), &second);
            g_events.push_back("user");
            ClickTab(dialog, 0);
            return ModalAction::Acted;
        })
        .PressWith(MOD_ALT, 'G')
        .Click(IDOK);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(second.m_depth, 42);
    EXPECT_EQ(first.m_depth, 5);
    const std::vector<std::string> expected{
        "first set active",  "user",        "first kill active",
        "second set active", "user",        "second kill active",
        "first set active",  "alt G",       "first kill active",
        "first apply",       "second apply"};
    EXPECT_EQ(g_events, expected);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(first.m_hWnd, nullptr);
}

TEST_F(PropertySheets, ABadValueKeepsTheSheetOpenAndApplyFollowsTheChanges) {
    DepthPage page("page");
    CPropertySheet sheet("Limits");
    sheet.AddPage(&page);
    CScriptedUser user;
    user.TypeInto(kDepth, "400")
        .Then([&](HWND dialog) {
            page.SetModified();
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, ID_APPLY_NOW)));
            return ModalAction::Acted;
        })
        .Click(ID_APPLY_NOW)
        .Then([&](HWND dialog) {
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, ID_APPLY_NOW)));
            g_events.push_back("user");
            return ModalAction::Acted;
        })
        .TypeInto(kDepth, "40")
        .Click(ID_APPLY_NOW)
        .Then([&](HWND dialog) {
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, ID_APPLY_NOW)));
            EXPECT_EQ(page.m_depth, 40);
            return ModalAction::Acted;
        })
        .Click(IDCANCEL);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
    const std::vector<std::string> expected{
        "page set active", "page kill active",  "user",      "page kill active",
        "page apply",      "page query cancel", "page reset"};
    EXPECT_EQ(g_events, expected);
}

TEST_F(PropertySheets, WizardsStepThroughTheirPagesToFinish) {
    DepthPage one("one");
    DepthPage two("two", kEmptyPage);
    DepthPage three("three", kEmptyPage);
    one.m_wizardButtons = PSWIZB_NEXT;
    two.m_wizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
    three.m_wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
    CPropertySheet wizard("Line plan");
    wizard.AddPage(&one);
    wizard.AddPage(&two);
    wizard.AddPage(&three);
    wizard.SetWizardMode();
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, AFX_IDC_TAB_CONTROL)));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, ID_WIZBACK)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, ID_WIZFINISH)));
            return ModalAction::Acted;
        })
        .Click(ID_WIZNEXT)
        .Click(ID_WIZNEXT)
        .Then([&](HWND dialog) {
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, ID_WIZFINISH)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, ID_WIZNEXT)));
            EXPECT_TRUE(three.IsWindowVisible());
            return ModalAction::Acted;
        })
        .Click(ID_WIZBACK)
        .Click(ID_WIZNEXT)
        .Click(ID_WIZFINISH);
    EXPECT_EQ(wizard.DoModal(), ID_WIZFINISH);
    const std::vector<std::string> expected{
        "one set active",  "one kill active",  "two set active",
        "two kill active", "three set active", "three kill active",
        "two set active",  "two kill active",  "three set active"};
    EXPECT_EQ(g_events, expected);
}

TEST_F(PropertySheets, AWizardThatHasFinishShowsItBesideNextAndBackTouchesNext) {
    const auto rectOf = [](HWND dialog, int id) {
        return ScreenRectOf(*CWnd::FromHandle(GetDlgItem(dialog, id)));
    };
    const auto shows = [](HWND dialog, int id) {
        const HWND button = GetDlgItem(dialog, id);
        return std::string(IsWindowVisible(button) ? "shown" : "hidden") +
               (IsWindowEnabled(button) ? " enabled" : " disabled");
    };
    // A plain wizard: Back and Next side by side, Finish hidden in Next's place until the
    // last page asks for it.
    DepthPage plainFirst("plain first", kEmptyPage);
    DepthPage plainLast("plain last", kEmptyPage);
    plainFirst.m_wizardButtons = PSWIZB_NEXT;
    plainLast.m_wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
    CPropertySheet plain("Plain wizard");
    plain.AddPage(&plainFirst);
    plain.AddPage(&plainLast);
    plain.SetWizardMode();
    CScriptedUser plainUser;
    plainUser
        .Then([&](HWND dialog) {
            EXPECT_EQ(rectOf(dialog, ID_WIZBACK).right, rectOf(dialog, ID_WIZNEXT).left);
            EXPECT_EQ(rectOf(dialog, ID_WIZFINISH), rectOf(dialog, ID_WIZNEXT));
            EXPECT_LT(rectOf(dialog, ID_WIZNEXT).right, rectOf(dialog, IDCANCEL).left);
            EXPECT_EQ(shows(dialog, ID_WIZFINISH), "hidden disabled");
            return ModalAction::Acted;
        })
        .Click(ID_WIZNEXT)
        .Then([&](HWND dialog) {
            EXPECT_EQ(shows(dialog, ID_WIZNEXT), "hidden disabled");
            EXPECT_EQ(shows(dialog, ID_WIZFINISH), "shown enabled");
            return ModalAction::Acted;
        })
        .Click(ID_WIZFINISH);
    EXPECT_EQ(plain.DoModal(), ID_WIZFINISH);

    // PSH_WIZARDHASFINISH: Finish always shows, a gap right of Next, enabled only when a
    // page asks for it; Next stays beside it.
    DepthPage first("first", kEmptyPage);
    DepthPage last("last", kEmptyPage);
    first.m_wizardButtons = PSWIZB_NEXT;
    last.m_wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
    CPropertySheet wizard("Wizard with Finish");
    wizard.AddPage(&first);
    wizard.AddPage(&last);
    wizard.SetWizardMode();
    wizard.m_psh.dwFlags |= PSH_WIZARDHASFINISH;
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            const CRect back = rectOf(dialog, ID_WIZBACK);
            const CRect next = rectOf(dialog, ID_WIZNEXT);
            const CRect finish = rectOf(dialog, ID_WIZFINISH);
            const CRect cancel = rectOf(dialog, IDCANCEL);
            EXPECT_EQ(back.right, next.left);
            EXPECT_GT(finish.left, next.right);
            EXPECT_EQ(cancel.left - finish.right, finish.left - next.right);
            EXPECT_EQ(shows(dialog, ID_WIZNEXT), "shown enabled");
            EXPECT_EQ(shows(dialog, ID_WIZFINISH), "shown disabled");
            return ModalAction::Acted;
        })
        .Click(ID_WIZNEXT)
        .Then([&](HWND dialog) {
            EXPECT_EQ(shows(dialog, ID_WIZBACK), "shown enabled");
            EXPECT_EQ(shows(dialog, ID_WIZNEXT), "shown disabled");
            EXPECT_EQ(shows(dialog, ID_WIZFINISH), "shown enabled");
            return ModalAction::Acted;
        })
        .Click(ID_WIZFINISH);
    EXPECT_EQ(wizard.DoModal(), ID_WIZFINISH);
}

TEST_F(PropertySheets, UpDownChangesReachTheMessageMapAndModelessSheetsHideTheirButtons) {
    DepthPage page("page");
    CPropertySheet sheet("Tools");
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create());
    EXPECT_FALSE(sheet.GetDlgItem(IDOK)->IsWindowVisible());
    EXPECT_FALSE(sheet.GetDlgItem(IDCANCEL)->IsWindowEnabled());
    CRect tab;
    sheet.GetTabControl()->GetWindowRect(&tab);
    CRect window;
    sheet.GetWindowRect(&window);
    EXPECT_LT(window.bottom - tab.bottom, 20);

    CRect spin;
    page.GetDlgItem(kSpin)->GetWindowRect(&spin);
    CScriptedUser user;
    user.ClickAt(CPoint(spin.CenterPoint().x, spin.top + 2));
    EXPECT_TRUE(user.ActIn(sheet.m_hWnd));
    EXPECT_EQ(g_events, (std::vector<std::string>{"page set active", "page spin -1"}));
    EXPECT_EQ(sheet.GetPage(1), nullptr);
    sheet.DestroyWindow();
    EXPECT_EQ(page.m_hWnd, nullptr);
}

TEST_F(PropertySheets, ASheetWithoutPagesIsAnInvalidArgument) {
    CPropertySheet sheet("Nothing");
    bool thrown = false;
    try {
        sheet.DoModal();
    } catch (CException* error) {
        thrown = error->IsKindOf(RUNTIME_CLASS(CInvalidArgException));
        error->Delete();
    }
    EXPECT_TRUE(thrown);
    PROPSHEETHEADER header;
    EXPECT_EQ(PropertySheet(&header), -1);
    EXPECT_EQ(PropertySheet(nullptr), -1);
}

TEST_F(PropertySheets, PagesFillTheTabControlWhereverItWentWhenShownAndWhenTheSheetIsSized) {
    DepthPage depth("depth");
    DepthPage tide("tide", kEmptyPage);
    StretchedSheet sheet("Sized");
    sheet.AddPage(&depth);
    sheet.AddPage(&tide);
    ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE));
    const CRect before = ScreenRectOf(depth);

    CScriptedUser user;
    user.DragFrame(HTBOTTOMRIGHT, 120, 90);
    ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
    EXPECT_EQ(ScreenRectOf(depth), sheet.DisplayArea());
    EXPECT_GT(ScreenRectOf(depth).Width(), before.Width());

    // A page made after the sheet grew, and one shown again, take the area as it is now.
    user.ClickAt(TabPoint(sheet.m_hWnd, 1));
    ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
    ASSERT_EQ(sheet.GetActivePage(), &tide);
    EXPECT_EQ(ScreenRectOf(tide), sheet.DisplayArea());
    user.DragFrame(HTBOTTOMRIGHT, -60, -30);
    ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
    EXPECT_EQ(ScreenRectOf(tide), sheet.DisplayArea());
    user.ClickAt(TabPoint(sheet.m_hWnd, 0));
    ASSERT_TRUE(user.ActIn(sheet.m_hWnd));
    ASSERT_EQ(sheet.GetActivePage(), &depth);
    EXPECT_EQ(ScreenRectOf(depth), sheet.DisplayArea());
    sheet.DestroyWindow();
}
