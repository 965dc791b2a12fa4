#include "vornui/layout/CWndResizer.h"
#include "vornui/layout/ResizerArithmetic.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemSettings.h"

using resizer::HeightOf;
using resizer::Saturate;
using resizer::Truncate;
using resizer::WidthOf;

namespace {

constexpr UINT kAllEdges = anchorLeft | anchorTop | anchorRight | anchorBottom;

// The grip's rectangle, centred in the splitter: a short strip across the splitter's length.
CRect GripRect(const CRect& splitter, int orientation) {
    const CSize size = orientation == splitTopBottom ? CSize(12, 3) : CSize(3, 12);
    const int left = Saturate(splitter.left + (WidthOf(splitter) - size.cx) / 2);
    const int top = Saturate(splitter.top + (HeightOf(splitter) - size.cy) / 2);
    return CRect(left, top, Saturate(left + 0LL + size.cx), Saturate(top + 0LL + size.cy));
}

} // namespace

CWndResizer::CSplitPanel::CSplitPanel(CPanel* wrapped)
    : CPanel(wrapped), m_pOriginalPanel(wrapped) {
    Name = wrapped->Name;
    MinSize = wrapped->MinSize;
    MaxSize = wrapped->MaxSize;
    wrapped->Anchor = kAllEdges;
    wrapped->LeftOffset = wrapped->TopOffset = wrapped->RightOffset = wrapped->BottomOffset = 0;
    wrapped->Name.Empty();
    wrapped->Parent = this;
    Children.push_back(wrapped);
}

BOOL CWndResizer::CSplitPanel::AddChild(CPanel* child) {
    return m_pOriginalPanel->AddChild(child);
}

BOOL CWndResizer::CSplitPanel::RemoveChild(CPanel* child) {
    return m_pOriginalPanel->RemoveChild(child);
}

BOOL CWndResizer::CSplitPanel::SetAnchor(UINT) {
    return FALSE;
}

CWndResizer::CSplitterGripperPanel::CSplitterGripperPanel(int orientation)
    : m_OrientationType(orientation) {}

// A row (or column) of 2 x 2 dots: light ones, then the shadow one pixel up and left.
void CWndResizer::CSplitterGripperPanel::Draw(CDC* dc) {
    CPen light(PS_SOLID, 1, RGB(255, 255, 255));
    CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* previous = dc->SelectObject(&light);
    const bool row = m_OrientationType == splitTopBottom;
    for (int pass = 0; pass < 2; ++pass) {
        const long long shift = pass == 0 ? 1 : 0;
        long long x = left + shift;
        long long y = top + shift;
        while (row ? x + 2 <= right : y + 2 <= bottom) {
            dc->Rectangle(Saturate(x), Saturate(y), Saturate(x + 2), Saturate(y + 2));
            (row ? x : y) += 4;
        }
        dc->SelectObject(&shadow);
    }
    dc->SelectObject(previous);
}

CWndResizer::CSpitterPanel::CSpitterPanel(const CRect* rect, int orientation)
    : CPanel(rect), m_OrientationType(orientation) {
    const CRect grip = GripRect(*rect, orientation);
    m_pGrippePanel = new CSplitterGripperPanel(orientation); // owned as the only child
    m_pGrippePanel->SetRect(grip.left, grip.top, grip.right, grip.bottom);
    m_pGrippePanel->m_rcPrev = grip;
    m_pGrippePanel->Anchor = anchorCenterHorz | anchorCenterVert;
    m_pGrippePanel->MinSize = CSize(2, 2);
    AddChild(m_pGrippePanel);
}

CWndResizer::CSplitContainer::CSplitContainer(CSplitPanel* first, CSplitPanel* second,
                                              int orientation)
    : m_Orientation(orientation), m_pPanel1(first), m_pPanel2(second) {
    UnionRect(first, second);
    CRect gap;
    if (orientation == splitLeftRight) {
        gap.SetRect(first->right, top, second->left, bottom);
        m_nSplitterSize = gap.Width();
        first->Anchor = anchorLeft | anchorTop | anchorBottom;
        second->Anchor = anchorTop | anchorRight | anchorBottom;
    } else {
        gap.SetRect(left, first->bottom, right, second->top);
        m_nSplitterSize = gap.Height();
        first->Anchor = anchorLeft | anchorTop | anchorRight;
        second->Anchor = anchorLeft | anchorRight | anchorBottom;
    }
    m_pSplitter = new CSpitterPanel(&gap, orientation);
    CPanel::AddChild(first);
    CPanel::AddChild(m_pSplitter);
    CPanel::AddChild(second);
    UpdateRatio();
}

BOOL CWndResizer::CSplitContainer::AddChild(CPanel* child) {
    if (Children.size() >= 3)
        return FALSE;
    return CPanel::AddChild(child);
}

BOOL CWndResizer::CSplitContainer::RemoveChild(CPanel*) {
    return FALSE;
}

int CWndResizer::CSplitContainer::GetSplitterPosition() const {
    return m_Orientation == splitLeftRight ? m_pPanel1->right : m_pPanel1->bottom;
}

void CWndResizer::CSplitContainer::SetSplitterPosition(int position) {
    const short fixed = m_FixedPanel;
    m_FixedPanel = fixedNone;
    const int secondEdge = Saturate(position + 0LL + m_nSplitterSize);
    if (m_Orientation == splitLeftRight) {
        m_pPanel1->right = position;
        m_pPanel2->left = secondEdge;
    } else {
        m_pPanel1->bottom = position;
        m_pPanel2->top = secondEdge;
    }
    UpdateRatio();
    OnResized();
    UpdateRatio();
    m_FixedPanel = fixed;
}

// Keeps the last ratio when the container has no extent to divide.
void CWndResizer::CSplitContainer::UpdateRatio() {
    const bool across = m_Orientation == splitLeftRight;
    const long long extent = across ? WidthOf(*this) : HeightOf(*this);
    if (extent == 0)
        return;
    const long long first = across ? WidthOf(*m_pPanel1) : HeightOf(*m_pPanel1);
    m_nRatio = static_cast<double>(first) / static_cast<double>(extent);
}

void CWndResizer::CSplitContainer::OnResized() {
    PlaceChildren();
    const bool across = m_Orientation == splitLeftRight;
    const long long extent = across ? WidthOf(*this) : HeightOf(*this);
    if (extent < (across ? MinSize.cx : MinSize.cy)) {
        ResizeChildren();
        return;
    }
    if (m_FixedPanel == fixedSecond) {
        LONG& firstFar = across ? m_pPanel1->right : m_pPanel1->bottom;
        const LONG firstNear = across ? m_pPanel1->left : m_pPanel1->top;
        LONG& secondNear = across ? m_pPanel2->left : m_pPanel2->top;
        const long long minimum = across ? m_pPanel1->MinSize.cx : m_pPanel1->MinSize.cy;
        firstFar = Saturate(secondNear - 0LL - m_nSplitterSize);
        if (firstFar - 0LL - firstNear < minimum) {
            firstFar = Saturate(firstNear + minimum);
            secondNear = Saturate(firstFar + 0LL + m_nSplitterSize);
        }
    } else {
        if (m_FixedPanel != fixedFirst)
            PlaceFirstEdge();
        PlaceSecondEdge();
    }
    PlaceSplitter();
    m_pPanel1->OnResized();
    m_pPanel2->OnResized();
    m_pSplitter->OnResized();
}

// The first panel takes its share of the container, but at least its minimum.
void CWndResizer::CSplitContainer::PlaceFirstEdge() {
    const bool across = m_Orientation == splitLeftRight;
    const long long extent = across ? WidthOf(*this) : HeightOf(*this);
    LONG& firstFar = across ? m_pPanel1->right : m_pPanel1->bottom;
    const LONG firstNear = across ? m_pPanel1->left : m_pPanel1->top;
    const long long minimum = across ? m_pPanel1->MinSize.cx : m_pPanel1->MinSize.cy;
    firstFar = Truncate(static_cast<double>(extent) * m_nRatio + firstNear);
    if (firstFar - 0LL - firstNear < minimum)
        firstFar = Saturate(firstNear + minimum);
}

// The second panel starts after the splitter; when that leaves it below its minimum, it
// pushes the splitter back.
void CWndResizer::CSplitContainer::PlaceSecondEdge() {
    const bool across = m_Orientation == splitLeftRight;
    LONG& firstFar = across ? m_pPanel1->right : m_pPanel1->bottom;
    LONG& secondNear = across ? m_pPanel2->left : m_pPanel2->top;
    const LONG secondFar = across ? m_pPanel2->right : m_pPanel2->bottom;
    const long long minimum = across ? m_pPanel2->MinSize.cx : m_pPanel2->MinSize.cy;
    secondNear = Saturate(firstFar + 0LL + m_nSplitterSize);
    if (secondFar - 0LL - secondNear < minimum) {
        secondNear = Saturate(secondFar - minimum);
        firstFar = Saturate(secondNear - 0LL - m_nSplitterSize);
    }
}

void CWndResizer::CSplitContainer::PlaceSplitter() {
    if (m_Orientation == splitLeftRight)
        m_pSplitter->SetRect(m_pPanel1->right, top, m_pPanel2->left, bottom);
    else
        m_pSplitter->SetRect(left, m_pPanel1->bottom, right, m_pPanel2->top);
}
