#include "vornui/platform/PropertySheet.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/Exceptions.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/internal/ModalLoop.h"
#include "vornui/platform/internal/WindowInternals.h"

#include <algorithm>

namespace {

constexpr DWORD kSheetStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | WS_VISIBLE;

// The style the sheet being made on this thread asks for, handed to the default callback.
thread_local DWORD t_sheetStyle = kSheetStyle;
thread_local DWORD t_sheetExStyle = 0;

int SheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE) {
        auto* dialog = reinterpret_cast<DialogTemplate*>(lParam);
        // The template's font stays with it.
        dialog->style = t_sheetStyle | (dialog->style & DS_SETFONT);
        dialog->exStyle = t_sheetExStyle;
    }
    return 0;
}

bool IsInput(const MSG& msg) {
    return (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
           (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST);
}

bool IsPushButton(HWND control) {
    const LRESULT code = ::SendMessage(control, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

} // namespace

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertySheet::CPropertySheet() {
    m_psh.dwFlags = PSH_USECALLBACK;
    m_psh.pfnCallback = &SheetCallback;
}

CPropertySheet::CPropertySheet(UINT idCaption, CWnd* parent, UINT selectPage) : CPropertySheet() {
    Construct(idCaption, parent, selectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR caption, CWnd* parent, UINT selectPage) : CPropertySheet() {
    Construct(caption, parent, selectPage);
}

void CPropertySheet::Construct(UINT idCaption, CWnd* parent, UINT selectPage) {
    CString caption;
    if (idCaption != 0)
        caption.LoadString(idCaption);
    Construct(caption.GetString(), parent, selectPage);
}

void CPropertySheet::Construct(LPCTSTR caption, CWnd* parent, UINT selectPage) {
    m_strCaption = caption ? caption : "";
    m_pParentWnd = parent;
    m_psh.nStartPage = selectPage;
}

PROPSHEETPAGE CPropertySheet::PageEntry(const CPropertyPage& page) {
    PROPSHEETPAGE entry = page.m_psp;
    if (!page.m_strCaption.IsEmpty()) {
        entry.pszTitle = page.m_strCaption;
        entry.dwFlags |= PSP_USETITLE;
    }
    return entry;
}

void CPropertySheet::BuildPropPageArray() {
    if (m_pages.empty())
        AfxThrowInvalidArgException();
    m_pageArray.clear();
    for (const CPropertyPage* page : m_pages)
        m_pageArray.push_back(PageEntry(*page));
    m_psh.ppsp = m_pageArray.data();
    m_psh.nPages = static_cast<UINT>(m_pageArray.size());
    m_psh.dwFlags |= PSH_PROPSHEETPAGE;
    m_psh.pszCaption = m_strCaption;
}

BOOL CPropertySheet::MakeSheet(DWORD style, DWORD exStyle) {
    t_sheetStyle = style;
    t_sheetExStyle = exStyle;
    SetWindowCreationHook(&CWnd::HookCreation, this);
    const auto made = PropertySheet(&m_psh);
    SetWindowCreationHook(nullptr, nullptr);
    return made != -1 && m_hWnd != nullptr;
}

INT_PTR CPropertySheet::DoModal() {
    BuildPropPageArray();
    HWND top = nullptr;
    CWnd* owner = CWnd::GetSafeOwner(m_pParentWnd, &top);
    const HWND parent = owner ? owner->m_hWnd : nullptr;
    m_psh.hwndParent = parent;
    const bool enableParent = parent && ::IsWindowEnabled(parent);
    if (enableParent)
        ::EnableWindow(parent, FALSE);
    m_psh.dwFlags |= PSH_MODELESS;
    m_nFlags |= WF_CONTINUEMODAL;
    m_nModalResult = -1;
    INT_PTR result = -1;
    if (MakeSheet(kSheetStyle, 0) && ContinueModal()) {
        if (!IsWindowVisible())
            ShowWindow(SW_SHOWNORMAL);
        const HWND self = m_hWnd;
        RunModalDialogLoop(
            self, [this] { return !ContinueModal(); },
            [self](MSG* msg) { return CWnd::WalkPreTranslateTree(self, msg) != FALSE; },
            [this] { EndDialog(IDCANCEL); });
        result = m_nModalResult;
    }
    m_psh.dwFlags &= ~PSH_MODELESS;
    m_nFlags &= ~WF_CONTINUEMODAL;
    if (enableParent)
        ::EnableWindow(parent, TRUE);
    if (top)
        ::EnableWindow(top, TRUE);
    if (m_hWnd) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        if (parent && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(parent);
        DestroyWindow();
    }
    return result;
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle) {
    if (style == static_cast<DWORD>(-1))
        style = kSheetStyle;
    m_bModeless = TRUE;
    m_pParentWnd = parent;
    BuildPropPageArray();
    m_psh.dwFlags |= PSH_MODELESS;
    m_psh.hwndParent = parent ? parent->m_hWnd : nullptr;
    return MakeSheet(style, exStyle);
}

BOOL CPropertySheet::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) && ::IsWindow(m_hWnd) &&
           SendMessage(PSM_GETCURRENTPAGEHWND) != 0;
}

void CPropertySheet::EndDialog(int result) {
    m_nModalResult = result;
    m_nFlags &= ~WF_CONTINUEMODAL;
    if (m_bModeless)
        DestroyWindow();
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page)
        return;
    m_pages.push_back(page);
    if (m_hWnd) {
        PROPSHEETPAGE entry = PageEntry(*page);
        SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(&entry));
    }
}

void CPropertySheet::RemovePage(CPropertyPage* page) {
    RemovePage(GetPageIndex(page));
}

void CPropertySheet::RemovePage(int index) {
    if (index < 0 || index >= GetPageCount())
        return;
    if (m_hWnd)
        SendMessage(PSM_REMOVEPAGE, static_cast<WPARAM>(index));
    m_pages.erase(m_pages.begin() + index);
}

int CPropertySheet::GetPageCount() const {
    return static_cast<int>(m_pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    const auto at = std::find(m_pages.begin(), m_pages.end(), page);
    return at == m_pages.end() ? -1 : static_cast<int>(at - m_pages.begin());
}

int CPropertySheet::GetActiveIndex() const {
    if (!m_hWnd)
        return static_cast<int>(m_psh.nStartPage);
    const LRESULT current = SendMessage(PSM_GETCURRENTPAGEHWND);
    return static_cast<int>(SendMessage(PSM_HWNDTOINDEX, static_cast<WPARAM>(current)));
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int index) {
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(std::max(index, 0));
        return TRUE;
    }
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index)));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) {
    const int index = GetPageIndex(page);
    return index >= 0 && SetActivePage(index);
}

CTabCtrl* CPropertySheet::GetTabControl() const {
    if (!m_hWnd)
        return nullptr;
    const auto tab = reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL));
    if (!tab)
        return nullptr;
    if (auto* own = dynamic_cast<CTabCtrl*>(CWnd::FromHandlePermanent(tab)))
        return own;
    m_tab.m_hWnd = tab;
    return &m_tab;
}

void CPropertySheet::SetTitle(LPCTSTR text, UINT style) {
    if (m_hWnd) {
        SendMessage(PSM_SETTITLE, style, reinterpret_cast<LPARAM>(text));
        return;
    }
    m_strCaption = text ? text : "";
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (style & PSH_PROPTITLE);
}

void CPropertySheet::EnableStackedTabs(BOOL stacked) {
    m_bStacked = stacked;
}

void CPropertySheet::SetWizardMode() {
    m_psh.dwFlags |= PSH_WIZARD;
}

BOOL CPropertySheet::IsWizard() const {
    return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0;
}

void CPropertySheet::SetWizardButtons(DWORD flags) {
    if (m_hWnd)
        SendMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

void CPropertySheet::SetFinishText(LPCTSTR text) {
    if (m_hWnd)
        SendMessage(PSM_SETFINISHTEXT, 0, reinterpret_cast<LPARAM>(text));
}

BOOL CPropertySheet::PressButton(int button) {
    if (!m_hWnd)
        return FALSE;
    SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(button));
    return TRUE;
}

void CPropertySheet::HideStandardButtons() {
    const int buttons[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};
    for (const int id : buttons)
        if (CWnd* button = GetDlgItem(id)) {
            button->ShowWindow(SW_HIDE);
            button->EnableWindow(FALSE);
        }
    // The sheet ends below its tabs, as far below as the tabs are from its top.
    CWnd* tab = GetDlgItem(AFX_IDC_TAB_CONTROL);
    if (!tab)
        return;
    CRect tabRect;
    tab->GetWindowRect(&tabRect);
    ScreenToClient(&tabRect);
    CRect client;
    GetClientRect(&client);
    CRect window;
    GetWindowRect(&window);
    const int shrink = client.bottom - (tabRect.bottom + tabRect.top);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() - shrink,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPropertySheet::OnInitDialog() {
    const BOOL result = static_cast<BOOL>(Default());
    if (!m_bStacked)
        if (CWnd* tab = GetDlgItem(AFX_IDC_TAB_CONTROL))
            tab->ModifyStyle(TCS_MULTILINE, TCS_SINGLELINE);
    if (m_bModeless && !(m_nFlags & WF_CONTINUEMODAL) && !IsWizard())
        HideStandardButtons();
    if (!(GetStyle() & WS_CHILD))
        CenterWindow();
    return result;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* msg) {
    if (!IsInput(*msg))
        return FALSE;
    return SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg)) != 0;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // The button that ends the sheet gives DoModal its result.
    const auto control = reinterpret_cast<HWND>(lParam);
    if (control && HIWORD(wParam) == BN_CLICKED && IsPushButton(control))
        m_nModalResult = LOWORD(wParam);
    return FALSE;
}

BOOL CPropertySheet::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}
