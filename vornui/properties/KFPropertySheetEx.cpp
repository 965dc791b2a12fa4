#include "vornui/properties/KFPropertySheetEx.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/ComboBoxControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/WindowDC.h"

#include <vector>

IMPLEMENT_DYNAMIC(KFPropertySheetEx, CPropertySheet)

namespace {

// Cancel and Help, and every other button, keep their distance to the bottom right corner.
constexpr UINT kCornerAnchor = anchorRight | anchorBottom;

struct FontScale {
    int xNumerator;
    int xDenominator;
    int yNumerator;
    int yDenominator;

    int X(int value) const { return value * xNumerator / xDenominator; }
    int Y(int value) const { return value * yNumerator / yDenominator; }
};

TEXTMETRIC MetricsOf(CDC& dc, CFont* font) {
    CFont* previous = dc.SelectObject(font);
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(&metrics);
    dc.SelectObject(previous);
    return metrics;
}

bool IsClass(HWND hwnd, const char* wanted) {
    char name[128] = "";
    ::GetClassName(hwnd, name, sizeof name);
    return CString(name).CompareNoCase(wanted) == 0;
}

// The child's rectangle in its parent's client coordinates; a combo box's with its list.
CRect ChildRect(CWnd* parent, HWND child) {
    CRect rect;
    if (IsClass(child, "ComboBox"))
        ::SendMessage(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect));
    else
        ::GetWindowRect(child, &rect);
    parent->ScreenToClient(&rect);
    return rect;
}

// The window's rectangle in the coordinates it is moved in.
CRect PlacedRect(CWnd* wnd) {
    CRect rect;
    wnd->GetWindowRect(&rect);
    if ((wnd->GetStyle() & WS_CHILD) && wnd->GetParent())
        wnd->GetParent()->ScreenToClient(&rect);
    return rect;
}

} // namespace

KFPropertySheetEx::CResizingPages::CResizingPages(KFPropertySheetEx& sheet)
    : m_sheet(sheet), m_bWas(sheet.m_bResizingPages) {
    m_sheet.m_bResizingPages = true;
}

KFPropertySheetEx::CResizingPages::~CResizingPages() {
    m_sheet.m_bResizingPages = m_bWas;
}

KFPropertySheetEx::KFPropertySheetEx() = default;

KFPropertySheetEx::KFPropertySheetEx(unsigned int idCaption, CWnd* parent, unsigned int selectPage)
    : CPropertySheet(idCaption, parent, selectPage) {}

KFPropertySheetEx::KFPropertySheetEx(const char* caption, CWnd* parent, unsigned int selectPage)
    : CPropertySheet(caption, parent, selectPage) {}

int KFPropertySheetEx::ResizableSheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE)
        reinterpret_cast<DialogTemplate*>(lParam)->style |= WS_POPUP | WS_VISIBLE | WS_CAPTION |
                                                            WS_SYSMENU | WS_THICKFRAME | DS_3DLOOK |
                                                            DS_SETFONT;
    return 0;
}

INT_PTR KFPropertySheetEx::DoModal() {
    m_psh.dwFlags |= PSH_USECALLBACK;
    m_psh.pfnCallback = &KFPropertySheetEx::ResizableSheetCallback;
    return CPropertySheet::DoModal();
}

const DialogTemplate* KFPropertySheetEx::GetPageTemplate(const CPropertyPage& page) {
    const PROPSHEETPAGE& psp = page.m_psp;
    if (psp.dwFlags & PSP_DLGINDIRECT)
        return psp.pResource;
    return psp.pszTemplate ? LoadDialogTemplate(psp.hInstance, psp.pszTemplate) : nullptr;
}

bool KFPropertySheetEx::IsResizingPropPages() const {
    return m_bResizingPages;
}

void KFPropertySheetEx::BuildPropPageArray() {
    const bool help = (m_psh.dwFlags & PSH_HASHELP) != 0;
    for (CPropertyPage* page : m_pages)
        page->m_psp.dwFlags =
            help ? (page->m_psp.dwFlags | PSP_HASHELP) : (page->m_psp.dwFlags & ~PSP_HASHELP);
    CPropertySheet::BuildPropPageArray();
    const DialogTemplate* first = GetPageTemplate(*m_pages.front());
    if (!first || !(first->style & DS_SETFONT) || !first->fontName)
        return;
    m_fntPage.DeleteObject();
    m_bPageFont = m_fntPage.CreatePointFont(first->pointSize * 10, first->fontName) != FALSE;
}

void KFPropertySheetEx::ChangeDialogFont(CWnd* wnd, CFont* font) {
    CClientDC dc(wnd);
    const TEXTMETRIC before = MetricsOf(dc, wnd->GetFont());
    const TEXTMETRIC after = MetricsOf(dc, font);
    const FontScale scale{after.tmAveCharWidth, before.tmAveCharWidth,
                          after.tmHeight + after.tmExternalLeading,
                          before.tmHeight + before.tmExternalLeading};
    if (scale.xDenominator <= 0 || scale.yDenominator <= 0)
        return;
    CRect window = PlacedRect(wnd);
    CRect client;
    wnd->GetClientRect(&client);
    const CSize border(window.Width() - client.Width(), window.Height() - client.Height());
    const CSize size(scale.X(client.Width()) + border.cx, scale.Y(client.Height()) + border.cy);
    const CPoint centre = window.CenterPoint();
    wnd->MoveWindow(centre.x - size.cx / 2, centre.y - size.cy / 2, size.cx, size.cy, TRUE);
    wnd->SetFont(font);
    for (HWND child = ::GetWindow(wnd->m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const CRect rect = ChildRect(wnd, child);
        ::MoveWindow(child, scale.X(rect.left), scale.Y(rect.top),
                     scale.X(rect.right) - scale.X(rect.left),
                     scale.Y(rect.bottom) - scale.Y(rect.top), TRUE);
        ::SendMessage(child, WM_SETFONT, reinterpret_cast<WPARAM>(font->m_hObject), TRUE);
    }
}

CRect KFPropertySheetEx::PageArea() {
    CRect area;
    CWnd* tab = GetDlgItem(AFX_IDC_TAB_CONTROL);
    if (IsWizard()) {
        if (tab)
            tab->ShowWindow(SW_HIDE);
        GetClientRect(&area);
        if (CWnd* back = GetDlgItem(ID_WIZBACK)) {
            CRect button;
            back->GetWindowRect(&button);
            ScreenToClient(&button);
            area.bottom = button.top - 2;
        }
        return area;
    }
    if (!tab)
        return area;
    tab->GetWindowRect(&area);
    ScreenToClient(&area);
    tab->SendMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void KFPropertySheetEx::PlaceActivePage() {
    if (CPropertyPage* page = GetActivePage(); page && page->m_hWnd)
        page->MoveWindow(&m_rctPage);
}

BOOL KFPropertySheetEx::ResizePropPages() {
    const CResizingPages resizing(*this);
    if (m_bPageFont) {
        ChangeDialogFont(this, &m_fntPage);
        const int active = GetActiveIndex();
        for (int index = 0; index < GetPageCount(); ++index) {
            SetActivePage(index);
            if (CPropertyPage* page = GetPage(index); page && page->m_hWnd)
                ChangeDialogFont(page, &m_fntPage);
        }
        SetActivePage(active);
    }
    m_rctPage = PageArea();
    PlaceActivePage();
    return TRUE;
}

void KFPropertySheetEx::SetUpResizer() {
    m_resizer.Hook(this);
    m_resizer.SetAnchor(IDCANCEL, kCornerAnchor);
    m_resizer.SetAnchor(IDHELP, kCornerAnchor);
    std::vector<HWND> statics;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (IsClass(child, "Button"))
            m_resizer.SetAnchor(static_cast<UINT>(::GetDlgCtrlID(child)), kCornerAnchor);
        else if (IsClass(child, "Static"))
            statics.push_back(child);
    }
    for (const HWND label : statics)
        ::DestroyWindow(label);
    m_resizer.SetShowResizeGrip(!(GetStyle() & WS_CHILD));
}

BOOL KFPropertySheetEx::OnInitDialog() {
    const BOOL result = CPropertySheet::OnInitDialog();
    ResizePropPages();
    GetClientRect(&m_rcInitialClient);
    if (CPropertyPage* page = GetActivePage(); page && page->m_hWnd) {
        CRect placed;
        page->GetWindowRect(&placed);
        ScreenToClient(&placed);
        m_rctPage = placed;
    }
    m_rcInitialPage = m_rctPage;
    if (CWnd* tab = GetDlgItem(AFX_IDC_TAB_CONTROL)) {
        tab->GetWindowRect(&m_rcInitialTab);
        ScreenToClient(&m_rcInitialTab);
    }
    SetUpResizer();
    return result;
}

void KFPropertySheetEx::OnSize(UINT type, int cx, int cy) {
    CPropertySheet::OnSize(type, cx, cy);
    if (IsRectEmpty(&m_rcInitialClient) || type == SIZE_MINIMIZED)
        return;
    const CSize growth(cx - (m_rcInitialClient.right - m_rcInitialClient.left),
                       cy - (m_rcInitialClient.bottom - m_rcInitialClient.top));
    m_rctPage = m_rcInitialPage;
    m_rctPage.right += growth.cx;
    m_rctPage.bottom += growth.cy;
    if (CWnd* tab = GetDlgItem(AFX_IDC_TAB_CONTROL); tab && !IsWizard())
        tab->MoveWindow(m_rcInitialTab.left, m_rcInitialTab.top, m_rcInitialTab.Width() + growth.cx,
                        m_rcInitialTab.Height() + growth.cy);
    PlaceActivePage();
}

void KFPropertySheetEx::OnGetMinMaxInfo(MINMAXINFO* info) {
    CPropertySheet::OnGetMinMaxInfo(info);
    if (IsRectEmpty(&m_rcInitialClient))
        return;
    CRect window = m_rcInitialClient;
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    info->ptMinTrackSize = CPoint(window.Width(), window.Height());
}

BOOL KFPropertySheetEx::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (id == ID_APPLY_NOW || id == ID_WIZBACK || id == ID_WIZNEXT)
        PostMessage(kResizePageMessage);
    const HWND self = m_hWnd;
    const BOOL handled = CPropertySheet::OnCommand(wParam, lParam);
    if (HIWORD(wParam) == 0 && id != IDCANCEL && id != IDHELP && ::IsWindow(self) &&
        !IsRectEmpty(&m_rcInitialClient))
        PlaceActivePage();
    return handled;
}

BOOL KFPropertySheetEx::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->code == TCN_SELCHANGE)
        PostMessage(kResizePageMessage);
    return CPropertySheet::OnNotify(wParam, lParam, result);
}

LRESULT KFPropertySheetEx::OnResizePage(WPARAM, LPARAM) {
    PlaceActivePage();
    return 0;
}

LRESULT KFPropertySheetEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kResizePageMessage)
        return OnResizePage(wParam, lParam);
    return CPropertySheet::WindowProc(message, wParam, lParam);
}
