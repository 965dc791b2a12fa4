// What the person does to a multi-select tree with the mouse and the arrow keys: the
// selection before a press is followed, the click or drag while the button stays down,
// and the selection band drawn over empty space.

#include "vornui/lists/KMultiTree.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/DesktopInput.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowDC.h"

#include <cstdlib>
#include <unordered_set>

namespace {

constexpr UINT_PTR kBandTimer = 1;
constexpr UINT kBandTickMs = 75;
constexpr UINT kShiftOrControl = MK_SHIFT | MK_CONTROL;

bool BeyondDragDistance(CPoint from, CPoint to) {
    return std::abs(to.x - from.x) > GetSystemMetrics(SM_CXDRAG) ||
           std::abs(to.y - from.y) > GetSystemMetrics(SM_CYDRAG);
}

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP;
}

// The message that ended a loop goes on to whoever it was for; a quit goes back to the
// outer loop.
void PassOn(const MSG& msg) {
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
}

} // namespace

void KMultiTree::OnLButtonDown(UINT flags, CPoint point) {
    OnButtonDown(TRUE, flags, point);
}

void KMultiTree::OnRButtonDown(UINT flags, CPoint point) {
    OnButtonDown(FALSE, flags, point);
}

void KMultiTree::OnButtonDown(int left, UINT flags, CPoint point) {
    if (!m_bMultiSelect) {
        Default();
        return;
    }
    UINT hit = 0;
    const HTREEITEM item = HitTest(point, &hit);
    const bool checkBox = left && (hit & TVHT_ONITEMSTATEICON) && (GetStyle() & TVS_CHECKBOXES);
    if (item && ((hit & TVHT_ONITEMBUTTON) || checkBox)) {
        Default();
        return;
    }
    if (!item || !(hit & TVHT_ONITEM)) {
        DoBanding(left, flags, point);
        return;
    }
    DoPreSelection(item, left, flags);
    DoAction(item, left, flags, point);
}

void KMultiTree::DoPreSelection(HTREEITEM item, int left, UINT flags) {
    const bool shift = (flags & MK_SHIFT) != 0;
    const bool control = (flags & MK_CONTROL) != 0;
    if (left && shift) {
        if (!m_hAnchor)
            m_hAnchor = CTreeCtrl::GetSelectedItem();
        SelectRange(m_hAnchor ? m_hAnchor : item, item, !control);
        SetItemState(item, TVIS_FOCUSED, TVIS_FOCUSED);
        return;
    }
    if (left) {
        // Ctrl inverts the item when the button comes up, not now.
        if (!control) {
            if (!IsSelected(item))
                SelectAllIgnore(FALSE, item);
            SetItemState(item, TVIS_SELECTED | TVIS_FOCUSED, TVIS_SELECTED | TVIS_FOCUSED);
        }
        m_hAnchor = nullptr;
        return;
    }
    if (shift)
        return;
    if (control) {
        m_hAnchor = item;
        return;
    }
    if (!IsSelected(item))
        SelectAllIgnore(FALSE, item);
    SetItemState(item, TVIS_SELECTED | TVIS_FOCUSED, TVIS_SELECTED | TVIS_FOCUSED);
}

void KMultiTree::DoAction(HTREEITEM item, int left, UINT flags, CPoint point) {
    SetCapture();
    MSG msg{};
    while (CWnd::GetCapture() == this && GetMessage(&msg, nullptr, 0, 0)) {
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == m_hWnd &&
            BeyondDragDistance(point, CPoint(msg.lParam))) {
            ReleaseCapture();
            SetItemState(item, TVIS_SELECTED | TVIS_FOCUSED, TVIS_SELECTED | TVIS_FOCUSED);
            if (!(GetStyle() & TVS_DISABLEDRAGDROP)) {
                NMTREEVIEW notice{};
                notice.hdr.code = left ? TVN_BEGINDRAG : TVN_BEGINRDRAG;
                notice.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
                notice.itemNew.hItem = item;
                notice.itemNew.state = CTreeCtrl::GetItemState(item, ~0u);
                notice.itemNew.lParam = static_cast<LPARAM>(GetItemData(item));
                notice.ptDrag = point;
                _SendNotify(&notice.hdr);
            }
            return;
        }
        if (IsButtonUp(msg.message)) {
            ReleaseCapture();
            if (left && !(flags & MK_SHIFT)) {
                if (flags & MK_CONTROL) {
                    SetItemState(item, IsSelected(item) ? 0 : TVIS_SELECTED, TVIS_SELECTED);
                } else {
                    SelectAllIgnore(FALSE, item);
                    SetItemState(item, TVIS_SELECTED, TVIS_SELECTED);
                }
                SetItemState(item, TVIS_FOCUSED, TVIS_FOCUSED);
            }
            if (CWnd::GetFocus() != this)
                SetFocus();
            NMHDR click{nullptr, 0, static_cast<UINT>(left ? NM_CLICK : NM_RCLICK)};
            _SendNotify(&click);
            return;
        }
        PassOn(msg);
        if (msg.message == WM_QUIT)
            break;
    }
    if (CWnd::GetCapture() == this)
        ReleaseCapture();
}

void KMultiTree::DoBanding(int left, UINT flags, CPoint point) {
    if (CWnd::GetFocus() != this)
        SetFocus();
    SetCapture();
    CTypedPtrList<CPtrList, HTREEITEM> remembered;
    if (flags & kShiftOrControl)
        GetSelectedList(remembered);
    SetTimer(kBandTimer, kBandTickMs, nullptr);
    // The press is kept where it lies in the scrolled content.
    const int rowHeight = GetItemHeight();
    const CPoint pressed(point.x + GetScrollPos(SB_HORZ),
                         point.y + GetScrollPos(SB_VERT) * rowHeight);
    bool banding = false;
    bool drawn = false;
    CRect band;
    const CSize frame(1, 1);
    CClientDC dc(this);
    MSG msg{};
    bool ended = false;
    while (CWnd::GetCapture() == this && GetMessage(&msg, nullptr, 0, 0)) {
        if (IsButtonUp(msg.message)) {
            ended = true;
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            SelectAll(FALSE);
            ended = true;
            break;
        }
        CPoint pointer(msg.lParam);
        if (msg.message == WM_TIMER && msg.hwnd == m_hWnd && msg.wParam == kBandTimer) {
            CRect client;
            GetClientRect(&client);
            GetCursorPos(&pointer);
            ScreenToClient(&pointer);
            if (client.PtInRect(pointer)) {
                PassOn(msg);
                continue;
            }
        } else if (msg.message != WM_MOUSEMOVE || msg.hwnd != m_hWnd) {
            PassOn(msg);
            continue;
        }
        if (!banding) {
            if (!BeyondDragDistance(point, pointer))
                continue;
            banding = true;
            if (!(flags & kShiftOrControl))
                SelectAll(FALSE);
        }
        if (drawn)
            dc.DrawDragRect(nullptr, frame, &band, frame);
        drawn = false;
        CRect client;
        GetClientRect(&client);
        if (pointer.y < client.top)
            SendMessage(WM_VSCROLL, SB_LINEUP);
        else if (pointer.y >= client.bottom)
            SendMessage(WM_VSCROLL, SB_LINEDOWN);
        if (pointer.x < client.left)
            SendMessage(WM_HSCROLL, SB_LINELEFT);
        else if (pointer.x >= client.right)
            SendMessage(WM_HSCROLL, SB_LINERIGHT);
        const CPoint start(pressed.x - GetScrollPos(SB_HORZ),
                           pressed.y - GetScrollPos(SB_VERT) * rowHeight);
        band = CRect(start, pointer);
        band.NormalizeRect();
        UpdateSelectionForRect(&band, flags, remembered);
        UpdateWindow();
        dc.DrawDragRect(&band, frame, nullptr, frame);
        drawn = true;
    }
    KillTimer(kBandTimer);
    if (CWnd::GetCapture() == this)
        ReleaseCapture();
    if (drawn)
        dc.DrawDragRect(nullptr, frame, &band, frame);
    if (!banding && !(flags & kShiftOrControl))
        SelectAll(FALSE);
    NMHDR click{nullptr, 0, static_cast<UINT>(left ? NM_CLICK : NM_RCLICK)};
    _SendNotify(&click);
    if (ended || msg.message == WM_QUIT)
        PassOn(msg);
}

void KMultiTree::UpdateSelectionForRect(LPCRECT band, UINT flags,
                                        CTypedPtrList<CPtrList, HTREEITEM>& remembered) {
    std::unordered_set<HTREEITEM> wasSelected;
    for (POSITION pos = remembered.GetHeadPosition(); pos;)
        wasSelected.insert(remembered.GetNext(pos));
    SelectionRun run(*this);
    for (HTREEITEM item = Neighbour(nullptr, TVGN_ROOT); item;
         item = Neighbour(item, TVGN_NEXTVISIBLE)) {
        CRect rect;
        GetItemRect(item, &rect, m_nBandingHit);
        CRect common;
        const bool inside = common.IntersectRect(&rect, band) != FALSE;
        const bool known = wasSelected.count(item) != 0;
        if (!inside) {
            run.Set(item, known);
        } else if (!known) {
            run.Set(item, true);
        } else if (flags & MK_CONTROL) {
            run.Set(item, false);
        } else if (flags & MK_SHIFT) {
            // Met by the band, it stays selected whatever the band does next.
            wasSelected.erase(item);
            remembered.RemoveAt(remembered.Find(item));
        }
    }
}

void KMultiTree::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (!m_bMultiSelect || (key != VK_UP && key != VK_DOWN)) {
        CTreeCtrl::OnKeyDown(key, repeat, flags);
        return;
    }
    const HTREEITEM caret = CTreeCtrl::GetSelectedItem();
    if (!m_hAnchor)
        m_hAnchor = caret;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (!shift && !control) {
        m_hAnchor = nullptr;
        SelectAll(FALSE);
        CTreeCtrl::OnKeyDown(key, repeat, flags);
        return;
    }
    CTreeCtrl::OnKeyDown(key, repeat, flags);
    if (!caret)
        return;
    HTREEITEM next = key == VK_DOWN ? GetNextVisibleItem(caret) : GetPrevVisibleItem(caret);
    if (!next)
        next = caret;
    if (shift)
        SelectRange(m_hAnchor, next, TRUE);
    else
        SetItemState(next, TVIS_FOCUSED, TVIS_FOCUSED);
}
