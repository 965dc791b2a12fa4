#include "vornui/properties/KPropWnd.h"

#include "vornui/platform/InputCodes.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowDC.h"

#include <algorithm>

namespace {

constexpr UINT kFirstCommand = 600;
constexpr UINT kLastCommand = 700;
// Ids of the range from this offset on belong to the second command handler.
constexpr UINT kRowCommands = 80;
constexpr int kNameMargin = 4;
constexpr int kWheelLines = 3;
constexpr COLORREF kDarkening = 0x505050;
const CSize kLeastContent(100, 100);

} // namespace

KPropWnd::KPropWnd() {
    m_font.CreateFont(14, 0, 0, 0, 500, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
    LoadColors();
}

KPropWnd::~KPropWnd() {
    DestroyWindow();
}

BOOL KPropWnd::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::CreateEx(0, nullptr, "", style | WS_VSCROLL | WS_HSCROLL, rect, parent, id);
}

void KPropWnd::LoadColors() {
    m_crFace = ::GetSysColor(COLOR_BTNFACE);
    m_crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_crDarkFace = m_crFace - kDarkening;
    m_penShadow.DeleteObject();
    m_penShadow.CreatePen(PS_SOLID, 1, m_crShadow);
    m_penDarkFace.DeleteObject();
    m_penDarkFace.CreatePen(PS_SOLID, 1, m_crDarkFace);
}

int KPropWnd::AddProperty(KProperty* row) {
    m_rows.push_back(row);
    row->OnAdded(this);
    Refresh();
    return GetPropertyCount() - 1;
}

void KPropWnd::RemoveAllProperties() {
    ActivateProperty(nullptr);
    for (KProperty* row : m_rows)
        row->OnRemoved(this);
    m_rows.clear();
    m_pHighlighted = nullptr;
    m_pSecondHandler = nullptr;
    Refresh();
}

KProperty* KPropWnd::GetProperty(int index) const {
    return index >= 0 && index < GetPropertyCount() ? m_rows[static_cast<size_t>(index)] : nullptr;
}

void KPropWnd::Refresh() {
    m_bLayoutValid = false;
    if (m_hWnd) {
        LayOut();
        Invalidate();
    }
}

void KPropWnd::ActivateProperty(KProperty* row) {
    if (row == m_pActive)
        return;
    if (KProperty* previous = m_pActive) {
        CommitEdit();
        // Storing the edit may have ended it already.
        if (m_pActive == previous) {
            m_pActive = nullptr;
            previous->Deactivate();
        }
    }
    if (row && m_hWnd) {
        LayOut();
        m_pActive = row;
        row->Activate(this);
    }
    if (m_hWnd)
        Invalidate();
}

void KPropWnd::SetHighlightedProperty(KProperty* row) {
    m_pHighlighted = row;
    if (m_hWnd)
        Invalidate();
}

void KPropWnd::GetCommandRange(UINT& first, UINT& last) const {
    first = kFirstCommand;
    last = kLastCommand;
}

bool KPropWnd::RouteCommand(KProperty* row, UINT id, UINT code) {
    if (!row || !row->OnCommand(this, id, code))
        return false;
    Announce(row);
    return true;
}

void KPropWnd::Announce(KProperty* row) {
    if (IPropertyHost* host = row->GetHost())
        host->OnValueChanged(row->GetData());
    if (IPropertyHost* listener = row->GetSecondListener())
        listener->OnValueChanged(row->GetData());
    if (m_onChange)
        m_onChange(row);
    Refresh();
}

BOOL KPropWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    UINT first = 0;
    UINT last = 0;
    GetCommandRange(first, last);
    if (id < first || id > last)
        return CWnd::OnCommand(wParam, lParam);
    if (id < first + kRowCommands)
        RouteCommand(m_pActive, id, code);
    else
        RouteCommand(m_pSecondHandler, id - kRowCommands, code);
    return TRUE;
}

void KPropWnd::CommitEdit() {
    UINT first = 0;
    UINT last = 0;
    GetCommandRange(first, last);
    CWnd* edit = GetDlgItem(static_cast<int>(first));
    if (!m_pActive || !edit)
        return;
    CString typed;
    edit->GetWindowText(typed);
    if (typed != m_pActive->GetValueText() && m_pActive->SetValueText(typed))
        Announce(m_pActive);
}

void KPropWnd::EndEdit(HWND edit) {
    UINT first = 0;
    UINT last = 0;
    GetCommandRange(first, last);
    CWnd* current = GetDlgItem(static_cast<int>(first));
    if (m_pActive && current && current->m_hWnd == edit)
        ActivateProperty(nullptr);
}

LRESULT KPropWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kEndEditMessage) {
        EndEdit(reinterpret_cast<HWND>(lParam));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

int KPropWnd::OnCreate(LPCREATESTRUCT create) {
    if (CWnd::OnCreate(create) == -1)
        return -1;
    m_bLayoutValid = false;
    LayOut();
    return 0;
}

void KPropWnd::OnDestroy() {
    ActivateProperty(nullptr);
    CWnd::OnDestroy();
}

void KPropWnd::OnSysColorChange() {
    LoadColors();
    Invalidate();
}

CSize KPropWnd::GetContentSize() {
    return CSize(std::max(m_content.cx, kLeastContent.cx),
                 std::max(m_content.cy, kLeastContent.cy));
}

// Rows are stacked in content coordinates: names from 0 to the name column's width, the
// values after it, as wide as the widest value or the window.
void KPropWnd::LayOut() {
    if (m_bLayoutValid || !m_hWnd)
        return;
    m_bLayoutValid = true;
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(&m_font);
    int names = 0;
    int values = 0;
    int top = 0;
    m_placed.clear();
    for (KProperty* row : m_rows) {
        if (!row->IsVisible())
            continue;
        const int height = row->GetHeight(&dc);
        m_placed.push_back({row, top, top + height});
        top += height;
        names = std::max(names, static_cast<int>(dc.GetTextExtent(row->GetName()).cx));
        values = std::max(values, row->GetWidth(&dc));
    }
    dc.SelectObject(oldFont);
    m_nNameWidth = names + 2 * kNameMargin;
    m_content = CSize(m_nNameWidth + values, top);
    if (!m_placed.empty())
        m_nLineStep = m_placed.front().bottom - m_placed.front().top;
    CRect client;
    GetClientRect(&client);
    const int right = std::max(static_cast<int>(m_content.cx), static_cast<int>(client.right));
    for (const Placed& placed : m_placed)
        placed.row->SetRect(CRect(m_nNameWidth, placed.top, right, placed.bottom));
    UpdateScrollBars();
}

// A bar whose page covers the content goes away, which resizes the client area and lays
// the rows out again (OnSize) before the other bar is set.
void KPropWnd::UpdateScrollBars() {
    const CSize content = GetContentSize();
    SetScrollExtent(SB_VERT, content.cy);
    SetScrollExtent(SB_HORZ, content.cx);
}

void KPropWnd::SetScrollExtent(int bar, int extent) {
    CRect client;
    GetClientRect(&client);
    const int page = bar == SB_VERT ? client.Height() : client.Width();
    SCROLLINFO info{
        sizeof info, SIF_RANGE | SIF_PAGE, 0, extent - 1, static_cast<UINT>(page), 0, 0};
    SetScrollInfo(bar, &info);
}

CPoint KPropWnd::ScrollOffset() const {
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

void KPropWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    m_bLayoutValid = false;
    LayOut();
    Invalidate();
}

BOOL KPropWnd::OnEraseBkgnd(CDC*) {
    return TRUE; // painting covers the whole client area
}

void KPropWnd::OnPaint() {
    CPaintDC dc(this);
    LayOut();
    CRect client;
    GetClientRect(&client);
    const CPoint scroll = ScrollOffset();
    dc.SetViewportOrg(-scroll.x, -scroll.y);
    CFont* oldFont = dc.SelectObject(&m_font);
    CRect visible = client + scroll;
    const auto first =
        std::upper_bound(m_placed.begin(), m_placed.end(), visible.top,
                         [](int y, const Placed& placed) { return y < placed.bottom; });
    for (auto placed = first; placed != m_placed.end() && placed->top < visible.bottom; ++placed) {
        PaintNames(dc, *placed, visible.right);
        if (placed->row == m_pHighlighted)
            placed->row->DrawHighlighted(&dc, this);
        else
            placed->row->Draw(&dc, this);
    }
    const int rowsEnd = std::max(m_placed.empty() ? 0 : m_placed.back().bottom, visible.top);
    if (rowsEnd < visible.bottom)
        dc.FillSolidRect(CRect(visible.left, rowsEnd, visible.right, visible.bottom), m_crFace);
    dc.SelectObject(oldFont);
}

void KPropWnd::PaintNames(CDC& dc, const Placed& placed, int right) {
    const CRect name(0, placed.top, m_nNameWidth, placed.bottom);
    dc.FillSolidRect(&name, placed.row->GetColor(this));
    CString text = placed.row->GetName();
    CRect textRect(name.left + kNameMargin, name.top, name.right - kNameMargin, name.bottom);
    FitTextToWidth(&dc, text, textRect.Width());
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &textRect, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    dc.SetBkMode(oldMode);
    CPen* oldPen = dc.SelectObject(&m_penDarkFace);
    dc.MoveTo(name.right - 1, name.top);
    dc.LineTo(name.right - 1, name.bottom);
    dc.SelectObject(&m_penShadow);
    dc.MoveTo(0, name.bottom - 1);
    dc.LineTo(right, name.bottom - 1);
    dc.SelectObject(oldPen);
}

void KPropWnd::ScrollTo(int bar, int pos) {
    const int before = GetScrollPos(bar);
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(bar, &info);
    if (GetScrollPos(bar) == before)
        return;
    Invalidate();
    if (m_pActive)
        m_pActive->OnScrolled(this);
}

void KPropWnd::ScrollBy(int bar, UINT code, int line) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, &info);
    const int page = static_cast<int>(info.nPage);
    switch (code) {
    case SB_LINEUP:
        ScrollTo(bar, info.nPos - line);
        break;
    case SB_LINEDOWN:
        ScrollTo(bar, info.nPos + line);
        break;
    case SB_PAGEUP:
        ScrollTo(bar, info.nPos - page);
        break;
    case SB_PAGEDOWN:
        ScrollTo(bar, info.nPos + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(bar, info.nTrackPos);
        break;
    case SB_TOP:
        ScrollTo(bar, info.nMin);
        break;
    case SB_BOTTOM:
        ScrollTo(bar, info.nMax);
        break;
    default:
        break;
    }
}

void KPropWnd::OnVScroll(UINT code, UINT, CWnd*) {
    ScrollBy(SB_VERT, code, m_nLineStep);
}

void KPropWnd::OnHScroll(UINT code, UINT, CWnd*) {
    ScrollBy(SB_HORZ, code, m_nLineStep);
}

BOOL KPropWnd::OnMouseWheel(UINT flags, short delta, CPoint point) {
    CPoint content = point;
    ScreenToClient(&content);
    content += ScrollOffset();
    if (m_pActive && m_pActive->OnMouseWheel(this, flags, delta, content)) {
        Announce(m_pActive);
        return TRUE;
    }
    ScrollTo(SB_VERT, GetScrollPos(SB_VERT) - delta * kWheelLines * m_nLineStep / WHEEL_DELTA);
    return TRUE;
}

KProperty* KPropWnd::RowAt(CPoint client, CPoint& content) {
    LayOut();
    content = client + ScrollOffset();
    const auto placed = std::upper_bound(m_placed.begin(), m_placed.end(), content.y,
                                         [](int y, const Placed& each) { return y < each.bottom; });
    return placed != m_placed.end() && placed->top <= content.y ? placed->row : nullptr;
}

void KPropWnd::OnLButtonDown(UINT flags, CPoint point) {
    CWnd::OnLButtonDown(flags, point);
    CPoint content;
    KProperty* row = RowAt(point, content);
    if (row && !row->CanActivate())
        row = nullptr;
    ActivateProperty(row);
    // A row that put no edit or button under the focus leaves it with the window.
    if (!GetFocus() || !IsChild(GetFocus()))
        SetFocus();
    if (HandPressToButton(flags, point))
        return;
    if (row && row->OnLButtonDown(this, content))
        Announce(row);
}

// The press that activated a row is the row button's when the button window now lies under
// it: the button then acts on the release, as pressed buttons do, rather than the row on
// the press (a menu opened on the press would take the release for a choice).
bool KPropWnd::HandPressToButton(UINT flags, CPoint point) {
    UINT first = 0;
    UINT last = 0;
    GetCommandRange(first, last);
    CWnd* button = GetDlgItem(static_cast<int>(first + 1));
    if (!button || ChildWindowFromPoint(point) != button)
        return false;
    CPoint local = point;
    MapWindowPoints(button, &local, 1);
    button->SendMessage(WM_LBUTTONDOWN, flags, MAKELPARAM(local.x, local.y));
    return true;
}

// The second press of a double click: a press like any other for a row not yet active.
void KPropWnd::OnLButtonDblClk(UINT flags, CPoint point) {
    CPoint content;
    KProperty* row = RowAt(point, content);
    if (!row || row != m_pActive) {
        OnLButtonDown(flags, point);
        return;
    }
    CWnd::OnLButtonDblClk(flags, point);
    if (row->OnLButtonDblClk(this, content))
        Announce(row);
}

void KPropWnd::OnRButtonDown(UINT flags, CPoint point) {
    CWnd::OnRButtonDown(flags, point);
    CPoint content;
    if (KProperty* row = RowAt(point, content); row && row->OnRButtonDown(this, content))
        Announce(row);
}

void KPropWnd::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (m_pActive && m_pActive->OnKeyDown(this, key))
        return;
    if (key == VK_UP)
        ActivateNeighbour(-1);
    else if (key == VK_DOWN)
        ActivateNeighbour(1);
    else
        CWnd::OnKeyDown(key, repeat, flags);
}

void KPropWnd::ActivateNeighbour(int step) {
    LayOut();
    if (m_placed.empty())
        return;
    const auto current = std::find_if(m_placed.begin(), m_placed.end(),
                                      [this](const Placed& each) { return each.row == m_pActive; });
    const int at = current == m_placed.end() ? (step > 0 ? -1 : static_cast<int>(m_placed.size()))
                                             : static_cast<int>(current - m_placed.begin());
    const int next = std::clamp(at + step, 0, static_cast<int>(m_placed.size()) - 1);
    const Placed& target = m_placed[static_cast<size_t>(next)];
    CRect client;
    GetClientRect(&client);
    const int top = GetScrollPos(SB_VERT);
    if (target.top < top)
        ScrollTo(SB_VERT, target.top);
    else if (target.bottom > top + client.Height())
        ScrollTo(SB_VERT, target.bottom - client.Height());
    if (target.row->CanActivate())
        ActivateProperty(target.row);
    if (!GetFocus() || !IsChild(GetFocus()))
        SetFocus();
}

void KPropWnd::OnChar(UINT ch, UINT repeat, UINT flags) {
    if (m_pActive && m_pActive->OnChar(this, ch))
        Announce(m_pActive);
    else
        CWnd::OnChar(ch, repeat, flags);
}

UINT KPropWnd::OnGetDlgCode() {
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}
