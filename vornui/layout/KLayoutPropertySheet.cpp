#include "vornui/layout/KLayoutPropertySheet.h"

#include "vornui/layout/KLayoutPropertyPage.h"
#include "vornui/layout/LayoutGrip.h"
#include "vornui/platform/MessageBox.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(KLayoutPropertySheet, CPropertySheet)

namespace {

// The line above a wizard's buttons.
constexpr UINT kDividerId = 0x3026;
// Between a wizard's buttons, Back and Next aside.
constexpr int kWizardButtonGap = 12;
// A wizard's page reaches this far below the hidden tab control, down to the divider.
constexpr int kWizardPageBelowTab = 5;

using PaneItem = KLayoutMgr::PaneItem;
using Pane = KLayoutMgr::Pane;

// The tab control's item: it grows with the sheet, and its least size is what the pages
// need.
class TabItem : public PaneItem {
public:
    TabItem(HWND tab, KLayoutMgr* owner) : PaneItem(tab, owner, layGreedy, 0, 0, 0, 0) {}

    void setMinima(CSize least) {
        m_sizeXMin = least.cx;
        m_sizeYMin = least.cy;
    }
};

// The row the buttons go into, which says whether it got any.
class ButtonRow : public Pane {
public:
    ButtonRow(KLayoutMgr* owner, int sizeBorder)
        : Pane(owner, layHorizontal, layAbsoluteVert, sizeBorder, 0) {}

    bool isEmpty() const { return m_paneItems.empty(); }
};

// What the pages made so far ask of the page area.
struct PageLimits {
    CSize least{0, 0};
    CSize greatest{INT_MAX, INT_MAX}; // 0 where some page has none; INT_MAX without pages
};

// The smallest greatest extent so far, or 0 for good once a page has none.
LONG Tighter(LONG kept, LONG page) {
    return page > 0 ? std::min(kept, page) : 0;
}

// The largest least size and the smallest greatest size of the pages, per direction.
PageLimits LimitsOfPages(const CPropertySheet& sheet) {
    PageLimits limits;
    for (int index = 0; index < sheet.GetPageCount(); ++index) {
        const CPropertyPage* page = sheet.GetPage(index);
        if (!::IsWindow(page->GetSafeHwnd()))
            continue;
        MINMAXINFO info{};
        page->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        limits.least.cx = std::max<LONG>(limits.least.cx, info.ptMinTrackSize.x);
        limits.least.cy = std::max<LONG>(limits.least.cy, info.ptMinTrackSize.y);
        limits.greatest.cx = Tighter(limits.greatest.cx, info.ptMaxTrackSize.x);
        limits.greatest.cy = Tighter(limits.greatest.cy, info.ptMaxTrackSize.y);
    }
    return limits;
}

bool HasLimit(LONG extent) {
    return extent > 0 && extent < INT_MAX;
}

// Whether the default button row holds button `id` of a sheet of `flags`.
bool RowHolds(UINT id, DWORD flags, bool wizard) {
    if (id == ID_WIZFINISH)
        return !wizard || (flags & PSH_WIZARDHASFINISH);
    if (id == IDHELP)
        return (flags & PSH_HASHELP) != 0;
    if (id == ID_APPLY_NOW)
        return !(flags & PSH_NOAPPLYNOW);
    return true;
}

CSize SizeOf(const CWnd& wnd) {
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect.Size();
}

} // namespace

KLayoutPropertySheet::KLayoutPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
                                           LPCTSTR section, bool bGripper)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage), KLayoutMgr(this, section),
      m_bGripper(bGripper) {}

KLayoutPropertySheet::KLayoutPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                                           LPCTSTR section, bool bGripper)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), KLayoutMgr(this, section),
      m_bGripper(bGripper) {}

int KLayoutPropertySheet::OnCreate(LPCREATESTRUCT create) {
    const int result = CPropertySheet::OnCreate(create);
    if (result != -1)
        ModifyStyle(0, WS_THICKFRAME | WS_SYSMENU, SWP_FRAMECHANGED);
    return result;
}

BOOL KLayoutPropertySheet::OnInitDialog() {
    const BOOL result = CPropertySheet::OnInitDialog();
    GetWindowRect(&m_rectInitialWindow);
    BuildTree();
    if (!m_sSection.IsEmpty())
        Load(m_sSection);
    Arrange(1, 1);
    // Once more through the window manager, which holds the sheet to its limits.
    CRect window;
    GetWindowRect(&window);
    if (CWnd* parent = GetParent(); parent && (GetStyle() & WS_CHILD))
        parent->ScreenToClient(&window);
    MoveWindow(&window);
    return result;
}

void KLayoutPropertySheet::BuildTree() {
    CPane root = CreateRoot(layVertical, 5, 0);
    m_paneTab = new TabItem(GetTabControl()->GetSafeHwnd(), this);
    AddMainArea(root, m_paneTab);
    if (IsWizard()) {
        GetTabControl()->ShowWindow(SW_HIDE);
        if (ControlHandle(kDividerId))
            root->addPane(item(kDividerId, layAbsoluteVert, 0, 0, 0, 0));
    }
    if (HasButtonRow()) {
        auto* row = new ButtonRow(this, IsWizard() ? 0 : 5);
        const CPane buttons(row);
        AddButtons(buttons);
        if (!row->isEmpty())
            root->addPane(buttons, layAbsoluteVert);
    }
    if (m_bGripper) {
        root->addPane(item(paneNull, layAbsoluteVert, 0, 2, -1, -1));
        CreateGripBar(*this, m_StatusBar, false);
    }
}

bool KLayoutPropertySheet::HasButtonRow() const {
    return IsWizard() || !m_bModeless || m_bModelessWithButtons;
}

void KLayoutPropertySheet::AddMainArea(CPane root, CPaneBase tabItem) {
    root->addPane(tabItem);
}

void KLayoutPropertySheet::AddButtons(CPane buttons) {
    const bool wizard = IsWizard() != FALSE;
    buttons->addPane(item(paneNull, layGreedy, 0, 0, -1, -1));
    const UINT order[] = {ID_WIZBACK, ID_WIZNEXT,   ID_WIZFINISH, IDOK,
                          IDCANCEL,   ID_APPLY_NOW, IDHELP};
    bool first = true;
    for (const UINT id : order) {
        CWnd* button = GetDlgItem(static_cast<int>(id));
        if (!button || !RowHolds(id, m_psh.dwFlags, wizard))
            continue;
        // Back and Next touch; the wizard's other buttons keep their distance.
        if (wizard && !first && id != ID_WIZNEXT)
            buttons->addPane(itemFixed(layHorizontal, kWizardButtonGap));
        button->ShowWindow(SW_SHOW);
        // The framework disables what it hides in a modeless sheet; Apply waits for changes.
        if (m_bModeless && !wizard && id != ID_APPLY_NOW)
            button->EnableWindow(TRUE);
        buttons->addPane(item(button, layFixedSize, 0, 0, -1, -1));
        first = false;
    }
}

void KLayoutPropertySheet::OnSize(UINT type, int cx, int cy) {
    CPropertySheet::OnSize(type, cx, cy);
    Arrange(cx, cy);
}

void KLayoutPropertySheet::Arrange(int cx, int cy) {
    if (std::abs(cx) + std::abs(cy) < 1 || !m_RootPane)
        return;
    UpdateLayout();
    if (IsWizard() && !(m_psh.dwFlags & PSH_WIZARDHASFINISH)) {
        CWnd* next = GetDlgItem(ID_WIZNEXT);
        CWnd* finish = GetDlgItem(ID_WIZFINISH);
        if (next && finish) {
            CRect place;
            next->GetWindowRect(&place);
            ScreenToClient(&place);
            finish->MoveWindow(&place);
            finish->RedrawWindow();
        }
    }
    if (m_bGripper)
        RepositionGripBar(*this);
    PlaceActivePage();
    if (IsWindowVisible()) {
        RedrawWindow();
        if (!IsWizard())
            GetTabControl()->RedrawWindow();
    }
}

void KLayoutPropertySheet::PlaceActivePage() {
    CTabCtrl* tab = GetTabControl();
    CRect rect;
    tab->GetWindowRect(&rect);
    ScreenToClient(&rect);
    if (IsWizard())
        rect.bottom += kWizardPageBelowTab;
    else
        tab->AdjustRect(FALSE, &rect);
    m_rectPage = rect;
    CPropertyPage* page = GetActivePage();
    if (!page || !::IsWindow(page->GetSafeHwnd()))
        return;
    if (auto* laidOut = dynamic_cast<KLayoutPropertyPage*>(page))
        laidOut->MoveUnlocked(m_rectPage);
    else
        page->MoveWindow(&m_rectPage);
}

void KLayoutPropertySheet::OnGetMinMaxInfo(MINMAXINFO* info) {
    CPropertySheet::OnGetMinMaxInfo(info);
    if (!m_RootPane || !m_paneTab)
        return;
    const PageLimits pages = LimitsOfPages(*this);
    static_cast<TabItem*>(m_paneTab.GetPaneBase())->setMinima(pages.least);

    const CSize window = SizeOf(*this);
    CSize overhead = window - GetRect().Size();
    if (!IsWizard()) {
        CTabCtrl* tab = GetTabControl();
        CRect display;
        tab->GetWindowRect(&display);
        const CSize tabSize = display.Size();
        tab->AdjustRect(FALSE, &display);
        overhead += tabSize - display.Size();
    }
    const CSize least = MinimumWindowSize(overhead);
    info->ptMinTrackSize.x = std::max<LONG>(least.cx, m_rectInitialWindow.Width());
    info->ptMinTrackSize.y = std::max<LONG>(least.cy, m_rectInitialWindow.Height());

    // The page area is what grows; everything around it keeps its size.
    if (m_rectPage.IsRectEmpty())
        return;
    const CSize around = window - m_rectPage.Size();
    if (HasLimit(pages.greatest.cx))
        info->ptMaxTrackSize.x = info->ptMaxSize.x =
            std::max<LONG>(pages.greatest.cx + around.cx, info->ptMinTrackSize.x);
    if (HasLimit(pages.greatest.cy))
        info->ptMaxTrackSize.y = info->ptMaxSize.y =
            std::max<LONG>(pages.greatest.cy + around.cy, info->ptMinTrackSize.y);
}

BOOL KLayoutPropertySheet::OnEraseBkgnd(CDC* dc) {
    EraseBkgnd(dc);
    return TRUE;
}

void KLayoutPropertySheet::OnDestroy() {
    if (!m_sSection.IsEmpty())
        Save(m_sSection);
    m_RootPane = CPane();
    m_paneTab = CPaneBase();
    CPropertySheet::OnDestroy();
}

void KLayoutPropertySheet::PostNcDestroy() {
    CPropertySheet::PostNcDestroy();
    if (m_bAutoDestroyPages) {
        for (CPropertyPage* page : m_pages)
            delete page;
        m_pages.clear();
    }
    if (m_bAutoDestroy)
        delete this;
}
