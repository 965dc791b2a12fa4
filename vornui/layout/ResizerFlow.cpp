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
    if (m_nFlowDirection == 3)
        FlowInRows();
    else
        FlowInColumns();
    ResizeChildren();
}

void CWndResizer::CFlowLayoutPanel::FlowInRows() {
    long long x = left;
    long long y = top;
    long long rowHeight = 0;
    for (size_t i = 0; i < Children.size(); ++i) {
        CPanel& child = *Children[i];
        const long long width = WidthOf(child);
        if (i > 0 && x + width > right) {
            x = left;
            y += m_nItemSpacingY + rowHeight;
            rowHeight = 0;
        }
        MoveTo(child, x, y);
        x += width + m_nItemSpacingX;
        rowHeight = std::max(rowHeight, HeightOf(child));
    }
}

void CWndResizer::CFlowLayoutPanel::FlowInColumns() {
    long long x = left;
    long long y = top;
    long long columnWidth = 0;
    for (size_t i = 0; i < Children.size(); ++i) {
        CPanel& child = *Children[i];
        const long long height = HeightOf(child);
        if (i > 0 && y + height > bottom) {
            y = top;
            x += m_nItemSpacingX + columnWidth;
            columnWidth = 0;
        }
        MoveTo(child, x, y);
        y += height + m_nItemSpacingY;
        columnWidth = std::max(columnWidth, WidthOf(child));
    }
}
