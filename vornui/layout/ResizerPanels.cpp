#include "vornui/layout/CWndResizer.h"
#include "vornui/layout/ResizerArithmetic.h"
#include "vornui/platform/FrameControls.h"
#include "vornui/platform/Window.h"

#include <algorithm>

using resizer::HeightOf;
using resizer::Saturate;
using resizer::WidthOf;

namespace {

// One axis of an anchored child: where its near and far edges go inside the parent's span.
struct AxisRule {
    bool centre;
    bool nearEdge;
    bool farEdge;
    bool keepFar; // the limits move the near edge
};

struct Span {
    long long nearEdge;
    long long farEdge;
};

Span PlaceOnAxis(const AxisRule& rule, Span parent, long long nearOffset, long long farOffset,
                 long long size, long long lo, long long hi, Span current) {
    Span span = current;
    if (rule.centre) {
        const long long extent = parent.farEdge - parent.nearEdge;
        span.nearEdge = parent.nearEdge + (extent - size) / 2;
        span.farEdge = span.nearEdge + size;
        long long limited = std::max(size, lo);
        if (hi < limited)
            limited = hi;
        if (lo > size || hi < std::max(size, lo)) {
            span.nearEdge = parent.nearEdge + (extent - limited) / 2;
            span.farEdge = span.nearEdge + limited;
        }
    } else if (rule.nearEdge && rule.farEdge) {
        span.nearEdge = parent.nearEdge + nearOffset;
        span.farEdge = parent.farEdge - farOffset;
        long long& moved = rule.keepFar ? span.nearEdge : span.farEdge;
        const long long sign = rule.keepFar ? -1 : 1;
        const long long fixed = rule.keepFar ? span.farEdge : span.nearEdge;
        if (lo > span.farEdge - span.nearEdge)
            moved = fixed + sign * lo;
        if (hi < span.farEdge - span.nearEdge)
            moved = fixed + sign * hi;
    } else if (rule.farEdge) {
        span.farEdge = parent.farEdge - farOffset;
        span.nearEdge = span.farEdge - size;
        if (lo > size)
            span.nearEdge = span.farEdge - lo;
        if (hi < span.farEdge - span.nearEdge)
            span.nearEdge = span.farEdge - hi;
    } else if (rule.nearEdge) {
        span.nearEdge = parent.nearEdge + nearOffset;
        span.farEdge = span.nearEdge + size;
        if (lo > size)
            span.farEdge = span.nearEdge + lo;
        if (hi < std::max(size, lo))
            span.farEdge = span.nearEdge + hi;
    }
    return span;
}

// The rectangle a docked child takes from what is left, and what is left after it.
bool DockInto(UINT dock, CRect& remaining, CRect& child) {
    const int width = Saturate(WidthOf(child));
    const int height = Saturate(HeightOf(child));
    switch (dock) {
    case dockLeft:
        child.SetRect(remaining.left, remaining.top, Saturate(remaining.left + 0LL + width),
                      remaining.bottom);
        break;
    case dockTop:
        child.SetRect(remaining.left, remaining.top, remaining.right,
                      Saturate(remaining.top + 0LL + height));
        break;
    case dockRight:
        child.SetRect(Saturate(remaining.right - 0LL - width), remaining.top, remaining.right,
                      remaining.bottom);
        break;
    case dockBottom:
        child.SetRect(remaining.left, Saturate(remaining.bottom - 0LL - height), remaining.right,
                      remaining.bottom);
        break;
    case dockFill:
        child = remaining;
        return true;
    default:
        return false;
    }
    const CRect before(remaining);
    remaining.SubtractRect(&before, &child);
    return true;
}

} // namespace

CWndResizer::CPanel::CPanel(const CRect* rect) : CRect(*rect) {}

CWndResizer::CPanel::~CPanel() {
    for (CPanel* child : Children)
        delete child;
}

void CWndResizer::CPanel::OnResized() {
    PlaceChildren();
    ResizeChildren();
}

void CWndResizer::CPanel::PlaceChildren() {
    CRect remaining(*this);
    for (CPanel* child : Children) {
        if (child->Dock == dockNone || !DockInto(child->Dock, remaining, *child))
            PlaceByAnchors(*child);
    }
}

void CWndResizer::CPanel::ResizeChildren() {
    for (CPanel* child : Children)
        child->OnResized();
}

void CWndResizer::CPanel::PlaceByAnchors(CPanel& child) const {
    const UINT anchor = child.Anchor;
    const Span horizontal =
        PlaceOnAxis(AxisRule{(anchor & anchorCenterHorz) != 0, (anchor & anchorLeft) != 0,
                             (anchor & anchorRight) != 0, (anchor & anchorKeepRight) != 0},
                    Span{left, right}, child.LeftOffset, child.RightOffset, WidthOf(child),
                    child.MinSize.cx, child.MaxSize.cx, Span{child.left, child.right});
    const Span vertical =
        PlaceOnAxis(AxisRule{(anchor & anchorCenterVert) != 0, (anchor & anchorTop) != 0,
                             (anchor & anchorBottom) != 0, (anchor & anchorKeepBottom) != 0},
                    Span{top, bottom}, child.TopOffset, child.BottomOffset, HeightOf(child),
                    child.MinSize.cy, child.MaxSize.cy, Span{child.top, child.bottom});
    child.SetRect(Saturate(horizontal.nearEdge), Saturate(vertical.nearEdge),
                  Saturate(horizontal.farEdge), Saturate(vertical.farEdge));
}

bool CWndResizer::CPanel::IsSelfOrAncestor(const CPanel* panel) const {
    for (const CPanel* each = this; each; each = each->Parent) {
        if (each == panel)
            return true;
    }
    return false;
}

BOOL CWndResizer::CPanel::AddChild(CPanel* child) {
    if (!child || IsSelfOrAncestor(child))
        return FALSE;
    if (child->Parent && !child->Parent->RemoveChild(child))
        return FALSE;
    child->LeftOffset = Saturate(child->left - 0LL - left);
    child->TopOffset = Saturate(child->top - 0LL - top);
    child->RightOffset = Saturate(right - 0LL - child->right);
    child->BottomOffset = Saturate(bottom - 0LL - child->bottom);
    child->Parent = this;
    Children.push_back(child);
    return TRUE;
}

BOOL CWndResizer::CPanel::RemoveChild(CPanel* child) {
    const auto found = std::find(Children.begin(), Children.end(), child);
    if (found == Children.end())
        return FALSE;
    Children.erase(found);
    child->Parent = nullptr;
    return TRUE;
}

BOOL CWndResizer::CPanel::SetAnchor(UINT anchor) {
    if (!(anchor & (anchorCenterVert | anchorTop | anchorBottom)))
        anchor |= anchorTop;
    if (!(anchor & (anchorCenterHorz | anchorLeft | anchorRight)))
        anchor |= anchorLeft;
    Anchor = anchor;
    return TRUE;
}

BOOL CWndResizer::CPanel::SetMinSize(CSize& size) {
    if (MaxSize.cx < size.cx || MaxSize.cy < size.cy)
        return FALSE;
    MinSize = size;
    return TRUE;
}

BOOL CWndResizer::CPanel::SetMaxSize(CSize& size) {
    if (MinSize.cx > size.cx || MinSize.cy > size.cy)
        return FALSE;
    MaxSize = size;
    return TRUE;
}

CString CWndResizer::CPanel::ToString() {
    CString text;
    text.Format("Name(%s), Type(%s), Anchor(%d), Size(w:%d, h:%d), Area(l:%d, t:%d, r:%d, b:%d), "
                "MinSize(w:%d, h:%d), MaxSize(w:%d, h:%d), Parent(%s), ChildrenCount(%d)",
                Name.GetString(), GetTypeName().GetString(), static_cast<int>(Anchor),
                static_cast<int>(static_cast<unsigned>(right) - static_cast<unsigned>(left)),
                static_cast<int>(static_cast<unsigned>(bottom) - static_cast<unsigned>(top)),
                static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                static_cast<int>(bottom), static_cast<int>(MinSize.cx),
                static_cast<int>(MinSize.cy), static_cast<int>(MaxSize.cx),
                static_cast<int>(MaxSize.cy), Parent ? Parent->Name.GetString() : "NULL",
                static_cast<int>(Children.size()));
    return text;
}

CString CWndResizer::CPanel::GetTypeName() {
    return "CPanel";
}

CWnd* CWndResizer::CPanel::GetHookedWnd() {
    return Parent ? Parent->GetHookedWnd() : nullptr;
}

CWndResizer::CRootPanel::CRootPanel() {
    Name = "_root";
}

CWndResizer::CUIPanel::CUIPanel(const CRect* rect, UINT id) : CPanel(rect), m_uID(id) {
    Name.Format("%d", static_cast<int>(id));
}

CWndResizer::CVisualPanel::CVisualPanel(const CRect* rect) : CPanel(rect), m_rcPrev(*rect) {}

void CWndResizer::CVisualPanel::OnResized() {
    CWnd* hooked = GetHookedWnd();
    if (hooked && hooked->GetSafeHwnd()) {
        ::InvalidateRect(hooked->GetSafeHwnd(), &m_rcPrev, FALSE);
        ::InvalidateRect(hooked->GetSafeHwnd(), this, FALSE);
    }
    m_rcPrev = *this;
}

CWndResizer::CGripperPanel::CGripperPanel(const CRect* rect) : CVisualPanel(rect) {
    Name = "_resizeGrip";
}

CWndResizer::CGripperPanel::~CGripperPanel() {
    if (m_hTheme)
        CloseThemeData(m_hTheme);
}

void CWndResizer::CGripperPanel::Draw(CDC* dc) {
    CWnd* hooked = GetHookedWnd();
    if (!hooked || !hooked->GetSafeHwnd())
        return;
    if (!m_hTheme)
        m_hTheme = OpenThemeData(hooked->GetSafeHwnd(), m_sClassName);
    if (m_hTheme) {
        DrawThemeBackground(m_hTheme, dc->GetSafeHdc(), m_iPartId, m_iStateId, this, nullptr);
        return;
    }
    CRect area(*this);
    DrawFrameControl(dc->GetSafeHdc(), &area, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}
