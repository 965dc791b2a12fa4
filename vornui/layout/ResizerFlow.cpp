#include "vornui/layout/CWndResizer.h"
#include "vornui/layout/ResizerArithmetic.h"

#include <algorithm>

using resizer::HeightOf;
using resizer::Saturate;
using resizer::WidthOf;

namespace {

// Moves `child` to (x, y), keeping its size.
void MoveTo(CRect& child, long long x, long long y) {
    const long long width = WidthOf(child);
    const long long height = HeightOf(child);
    child.SetRect(Saturate(x), Saturate(y), Saturate(x + width), Saturate(y + height));
}

} // namespace

CWndResizer::CFlowLayoutPanel::CFlowLayoutPanel(const CRect* rect) : CPanel(rect) {}

void CWndResizer::CFlowLayoutPanel::OnResized() {
    Flow(m_nFlowDirection == 3);
    ResizeChildren();
}

// Children line up along one axis and wrap to a new line, which follows the last one on
// the other axis, when the next child would pass the panel's far edge.
void CWndResizer::CFlowLayoutPanel::Flow(bool inRows) {
    const long long lineStart = inRows ? left : top;
    const long long lineEnd = inRows ? right : bottom;
    const long long spacingAlong = inRows ? m_nItemSpacingX : m_nItemSpacingY;
    const long long spacingAcross = inRows ? m_nItemSpacingY : m_nItemSpacingX;
    long long along = lineStart;
    long long across = inRows ? top : left;
    long long lineDepth = 0;
    for (size_t i = 0; i < Children.size(); ++i) {
        CPanel& child = *Children[i];
        const long long length = inRows ? WidthOf(child) : HeightOf(child);
        if (i > 0 && along + length > lineEnd) {
            along = lineStart;
            across += spacingAcross + lineDepth;
            lineDepth = 0;
        }
        if (inRows)
            MoveTo(child, along, across);
        else
            MoveTo(child, across, along);
        along += length + spacingAlong;
        lineDepth = std::max(lineDepth, inRows ? HeightOf(child) : WidthOf(child));
    }
}
