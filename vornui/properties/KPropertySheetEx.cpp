#include "vornui/properties/KPropertySheetEx.h"

#include "vornui/module/VornuiModule.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/View.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(KPropertySheetEx, KPropertySheet)

BEGIN_MESSAGE_MAP(KPropertySheetEx, KPropertySheet)
ON_COMMAND(14000, &ThisClass::OnButtonMove)
ON_COMMAND(14003, &ThisClass::OnButtonSave)
ON_COMMAND(14002, &ThisClass::OnButtonSaveAs)
ON_COMMAND(14001, &ThisClass::OnButtonDelete)
ON_COMMAND(14005, &ThisClass::OnButtonPrint)
ON_COMMAND(IDOK, &ThisClass::OnOK)
ON_COMMAND(IDCANCEL, &ThisClass::OnCancel)
ON_COMMAND(ID_APPLY_NOW, &ThisClass::OnApply)
ON_COMMAND(ID_WIZFINISH, &ThisClass::OnWizardFinish)
END_MESSAGE_MAP()

namespace {

constexpr unsigned int kHideCancel = 0x0001;
constexpr unsigned int kApply = 0x0004;
constexpr unsigned int kHelp = 0x0010;
constexpr unsigned int kPlaceOverOwner = 0x1000;
constexpr unsigned int kSizeToTemplate = 0x2000;

// The extra buttons in the order they stand: flag, id (and string), code.
struct ExtraButton {
    unsigned int flag;
    UINT id;
    int code;
};
constexpr ExtraButton kExtraButtons[] = {
    {0x0020, 14000, 0x1001}, // "&Move"
    {0x0040, 14003, 0x1002}, // "&Save"
    {0x0080, 14002, 0x1004}, // "Save &As"
    {0x0100, 14001, 0x1008}, // "&Remove"
    {0x0200, 14005, 0x1010}, // "&Print"
};

// The standard buttons in the order the layout visits them.
constexpr int kStandardButtons[] = {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH,
                                    IDOK,       IDCANCEL,   ID_APPLY_NOW};
// The buttons that keep to the bottom right corner when the sheet grows.
constexpr int kCornerButtons[] = {ID_WIZBACK, ID_WIZNEXT,   ID_WIZFINISH, IDOK,
                                  IDCANCEL,   ID_APPLY_NOW, IDHELP};

// The sheet's standard buttons that show, in their order, as rectangles of its client area.
std::vector<CRect> VisibleStandardButtons(CWnd& sheet) {
    std::vector<CRect> visible;
    for (const int id : kStandardButtons) {
        CWnd* button = sheet.GetDlgItem(id);
        if (!button || !(button->GetStyle() & WS_VISIBLE))
            continue;
        CRect rect;
        button->GetWindowRect(&rect);
        sheet.ScreenToClient(&rect);
        visible.push_back(rect);
    }
    return visible;
}

// A sheet keeps its top edge this far from the top of the screen when it has no owner.
constexpr int kTopWithoutOwner = 20;

constexpr int kTabTextMax = 255;

} // namespace

KPropertySheetEx::KPropertySheetEx() {
    Reset("Edit", nullptr, 0, 0);
}

KPropertySheetEx::KPropertySheetEx(unsigned int idCaption, CWnd* parent, unsigned int selectPage,
                                   unsigned int flags) {
    Reset(idCaption, parent, selectPage, flags);
}

KPropertySheetEx::KPropertySheetEx(const char* caption, CWnd* parent, unsigned int selectPage,
                                   unsigned int flags) {
    Reset(caption, parent, selectPage, flags);
}

void KPropertySheetEx::Reset(unsigned int idCaption, CWnd* parent, unsigned int selectPage,
                             unsigned int flags) {
    CString caption;
    if (idCaption != 0)
        caption.LoadString(idCaption);
    // A caption string may carry more lines; the title is its first.
    if (const int lineFeed = caption.Find('\n'); lineFeed > 0)
        caption = caption.Left(lineFeed);
    Reset(caption.GetString(), parent, selectPage, flags);
}

void KPropertySheetEx::Reset(const char* caption, CWnd* parent, unsigned int selectPage,
                             unsigned int flags) {
    m_psh.ppsp = nullptr;
    m_psh.nPages = 0;
    m_psh.dwFlags &= ~PSH_PROPSHEETPAGE;
    m_uFlags = flags;
    m_nModalButton = static_cast<int>(flags);
    Construct(caption, parent, selectPage);
    m_psh.dwFlags =
        (flags & kHelp) ? (m_psh.dwFlags | PSH_HASHELP) : (m_psh.dwFlags & ~PSH_HASHELP);
    m_psh.dwFlags =
        (flags & kApply) ? (m_psh.dwFlags & ~PSH_NOAPPLYNOW) : (m_psh.dwFlags | PSH_NOAPPLYNOW);
}

int KPropertySheetEx::WhatModalButton() const {
    return m_nModalButton;
}

int KPropertySheetEx::ModalButtonPushed() const {
    return m_nModalButton > 0 ? 1 : 0;
}

BOOL KPropertySheetEx::OnInitDialog() {
    BOOL result = FALSE;
    if (m_bModeless) {
        // The base keeps the standard buttons of a sheet it takes for modal.
        ModifyStyleEx(0, WS_EX_CONTROLPARENT);
        const UINT flags = m_nFlags;
        m_nFlags |= WF_CONTINUEMODAL;
        m_bModeless = FALSE;
        result = KPropertySheet::OnInitDialog();
        m_nFlags = flags;
        m_bModeless = TRUE;
        CWnd* cancel = GetDlgItem(IDCANCEL);
        CWnd* ok = GetDlgItem(IDOK);
        if ((m_uFlags & kHideCancel) && cancel && ok) {
            CRect place;
            cancel->GetWindowRect(&place);
            ScreenToClient(&place);
            cancel->ShowWindow(SW_HIDE);
            cancel->EnableWindow(FALSE);
            ok->MoveWindow(&place);
        }
    } else {
        result = KPropertySheet::OnInitDialog();
    }
    if (CWnd* apply = GetDlgItem(ID_APPLY_NOW); apply && (m_uFlags & kApply))
        apply->EnableWindow(TRUE);
    ResizePropPages();
    if (m_uFlags & kPlaceOverOwner)
        SetDialogPlacement();
    return result;
}

BOOL KPropertySheetEx::ResizePropPages() {
    const CResizingPages resizing(*this);
    if (m_uFlags & kSizeToTemplate)
        ResizeSheet();
    else if (m_nModalButton > 0)
        GetLeftAlignedButtonSize(true);
    KeepExtraButtonsClear();
    return TRUE;
}

int KPropertySheetEx::ButtonSpacing() {
    const std::vector<CRect> buttons = VisibleStandardButtons(*this);
    for (size_t index = buttons.size(); index-- > 1;)
        if (buttons[index].left > buttons[index - 1].right)
            return buttons[index].left - buttons[index - 1].right;
    CRect tabRect;
    if (CWnd* tab = GetDlgItem(AFX_IDC_TAB_CONTROL)) {
        tab->GetWindowRect(&tabRect);
        ScreenToClient(&tabRect);
    }
    return tabRect.left;
}

void KPropertySheetEx::KeepExtraButtonsClear() {
    const CRect extra = GetLeftAlignedButtonSize(false);
    const CRect standard = GetRightAlignedButtonSize();
    if (extra.IsRectEmpty() || standard.IsRectEmpty())
        return;
    const int overlap = extra.right + ButtonSpacing() - standard.left;
    if (overlap > 0)
        GrowSheet(overlap, 0);
}

CRect KPropertySheetEx::GetLeftAlignedButtonSize(bool create) {
    CRect covered(0, 0, 0, 0);
    CWnd* tab = GetDlgItem(AFX_IDC_TAB_CONTROL);
    if (m_nModalButton == 0 || !tab)
        return covered;
    CRect tabRect;
    tab->GetWindowRect(&tabRect);
    ScreenToClient(&tabRect);
    const std::vector<CRect> buttons = VisibleStandardButtons(*this);
    if (buttons.empty())
        return covered;
    const int spacing = ButtonSpacing();
    const CRect last = buttons.back();
    int x = tabRect.left;
    for (size_t index = 0; index < std::size(kExtraButtons); ++index) {
        const ExtraButton& extra = kExtraButtons[index];
        if (!(static_cast<unsigned int>(m_nModalButton) & extra.flag))
            continue;
        const CRect place(x, last.top, x + last.Width(), last.bottom);
        CButton& button = m_extraButtons[index];
        if (button.m_hWnd) {
            button.MoveWindow(&place);
        } else if (create) {
            const KResourceScope scope;
            button.Create(LoadVornuiString(extra.id),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, place, this,
                          extra.id);
            button.SetFont(GetFont());
        }
        covered |= place;
        x += place.Width() + spacing;
    }
    return covered;
}

CRect KPropertySheetEx::GetRightAlignedButtonSize() {
    CRect covered(0, 0, 0, 0);
    for (const CRect& rect : VisibleStandardButtons(*this))
        covered |= rect;
    return covered;
}

BOOL KPropertySheetEx::GetResourcePageSize(CRect& rect) {
    CPropertyPage* page = GetActivePage();
    const DialogTemplate* dialog = page ? GetPageTemplate(*page) : nullptr;
    if (!dialog || !page->m_hWnd)
        return FALSE;
    rect = CRect(dialog->x, dialog->y, dialog->x + dialog->cx, dialog->y + dialog->cy);
    page->MapDialogRect(&rect);
    return TRUE;
}

BOOL KPropertySheetEx::ResizeSheet() {
    CRect pageTemplate;
    const bool known = GetResourcePageSize(pageTemplate) != FALSE;
    const CRect extra = GetLeftAlignedButtonSize(true);
    if (!known)
        return FALSE;
    CRect client;
    GetActivePage()->GetClientRect(&client);
    const int buttonsWidth = extra.Width() + GetRightAlignedButtonSize().Width();
    const int dx = std::max(buttonsWidth, pageTemplate.Width()) - pageTemplate.Width() +
                   (pageTemplate.Width() - client.Width());
    const int dy = pageTemplate.Height() - client.Height();
    if (dx >= 0 && dy >= 0)
        return FALSE;
    GrowSheet(dx, dy);
    return TRUE;
}

void KPropertySheetEx::GrowSheet(int dx, int dy) {
    m_rctPage.right += dx;
    m_rctPage.bottom += dy;
    if (CPropertyPage* page = GetActivePage(); page && page->m_hWnd)
        page->MoveWindow(&m_rctPage);
    if (CWnd* tab = GetDlgItem(AFX_IDC_TAB_CONTROL)) {
        CRect rect;
        tab->GetWindowRect(&rect);
        ScreenToClient(&rect);
        tab->MoveWindow(rect.left, rect.top, rect.Width() + dx, rect.Height() + dy);
    }
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width() + dx, window.Height() + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Help stands right of them all and goes with them.
    for (const int id : kCornerButtons)
        if (CWnd* button = GetDlgItem(id)) {
            CRect rect;
            button->GetWindowRect(&rect);
            ScreenToClient(&rect);
            rect.OffsetRect(dx, dy);
            button->MoveWindow(&rect);
        }
}

void KPropertySheetEx::SetDialogPlacement() {
    CRect sheet;
    GetWindowRect(&sheet);
    CWnd* parent = m_pParentWnd && ::IsWindow(m_pParentWnd->m_hWnd) ? m_pParentWnd : nullptr;
    if (!parent) {
        MONITORINFO info{sizeof info, {}, {}, 0};
        ::GetMonitorInfo(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &info);
        SetWindowPos(nullptr, sheet.left, info.rcMonitor.top + kTopWithoutOwner, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // A view is placed over by itself; any other window by its frame, if it has one.
    CWnd* basis = parent;
    if (CFrameWnd* frame = parent->GetParentFrame(); frame && !dynamic_cast<CView*>(parent))
        basis = frame;
    CRect area;
    basis->GetWindowRect(&area);
    const CPoint centre = area.CenterPoint();
    SetWindowPos(nullptr, centre.x - sheet.Width() / 2, centre.y - sheet.Height() / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool KPropertySheetEx::SaveActivePage() {
    CPropertyPage* page = GetActivePage();
    return !page || page->UpdateData(TRUE);
}

void KPropertySheetEx::EndWithButton(int code) {
    UpdateData(TRUE);
    m_nModalButton = code;
    SendMessage(PSM_PRESSBUTTON, PSBTN_OK);
    EndDialog(IDOK);
}

void KPropertySheetEx::OnButtonMove() {
    EndWithButton(0x1001);
}

void KPropertySheetEx::OnButtonSave() {
    EndWithButton(0x1002);
}

void KPropertySheetEx::OnButtonSaveAs() {
    EndWithButton(0x1004);
}

void KPropertySheetEx::OnButtonDelete() {
    EndWithButton(0x1008);
}

void KPropertySheetEx::OnButtonPrint() {
    EndWithButton(0x1010);
}

void KPropertySheetEx::OnOK() {
    if (!SaveActivePage())
        return;
    m_nModalButton = 0;
    SendMessage(PSM_PRESSBUTTON, PSBTN_OK);
    EndDialog(IDOK);
}

void KPropertySheetEx::OnCancel() {
    SendMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
    EndDialog(IDCANCEL);
}

void KPropertySheetEx::OnApply() {
    if (!SaveActivePage())
        return;
    SendMessage(PSM_PRESSBUTTON, PSBTN_APPLYNOW);
    if (CWnd* apply = GetDlgItem(ID_APPLY_NOW))
        apply->EnableWindow(TRUE);
}

void KPropertySheetEx::OnWizardFinish() {
    if (!SaveActivePage())
        return;
    m_nModalButton = 0;
    SendMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
    EndDialog(ID_WIZFINISH);
}

bool KPropertySheetEx::SelectTabFor(char key) {
    CTabCtrl* tab = GetTabControl();
    if (!tab)
        return false;
    const char wanted[2][3] = {
        {'&', key, '\0'},
        {'&', static_cast<char>(std::tolower(static_cast<unsigned char>(key))), '\0'}};
    for (const auto& marked : wanted)
        for (int index = 0; index < tab->GetItemCount(); ++index) {
            char text[kTabTextMax + 1] = "";
            TCITEM item{TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
            if (tab->GetItem(index, &item) && std::strstr(text, marked)) {
                SetActivePage(index);
                return true;
            }
        }
    return false;
}

BOOL KPropertySheetEx::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_SYSKEYDOWN && msg->wParam >= 33 && msg->wParam < 256 &&
        SelectTabFor(static_cast<char>(msg->wParam)))
        return TRUE;
    return KPropertySheet::PreTranslateMessage(msg);
}

void KPropertySheetEx::PostNcDestroy() {
    KPropertySheet::PostNcDestroy();
    const bool modeless = m_bModeless != FALSE;
    while (!m_pages.empty()) {
        CPropertyPage* page = m_pages.back();
        if (modeless)
            delete page;
        m_pages.pop_back();
    }
    if (modeless)
        delete this;
}
