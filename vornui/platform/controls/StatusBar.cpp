#include "vornui/platform/StatusBar.h"

#include "vornui/platform/CmdUI.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/Screen.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ControlFont.h"

#include <algorithm>

namespace {

int TextWidth(const CString& text) {
    return text.GetLength() * ControlFontMetrics().averageWidth;
}

// A pane as the update handlers see it: disabling it empties it, SetText fills it in.
class CStatusCmdUI : public CCmdUI {
public:
    explicit CStatusCmdUI(CStatusBar& bar) : m_bar(bar) {}

    void Enable(BOOL on) override {
        m_bEnableChanged = TRUE;
        const int index = static_cast<int>(m_nIndex);
        const UINT style = m_bar.GetPaneStyle(index) & ~SBPS_DISABLED;
        m_bar.SetPaneStyle(index, on ? style : style | SBPS_DISABLED);
    }
    void SetCheck(int check) override {
        const int index = static_cast<int>(m_nIndex);
        const UINT style = m_bar.GetPaneStyle(index) & ~SBPS_POPOUT;
        m_bar.SetPaneStyle(index, check ? style | SBPS_POPOUT : style);
    }
    void SetText(LPCTSTR text) override { m_bar.SetPaneText(static_cast<int>(m_nIndex), text); }

private:
    CStatusBar& m_bar;
};

} // namespace

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
    m_dwStyle = style & CBRS_ALL;
    DWORD windowStyle =
        (style & ~CBRS_ALL) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (parent && (parent->GetStyle() & WS_THICKFRAME))
        windowStyle |= SBARS_SIZEGRIP;
    return CWnd::CreateEx(0, STATUSCLASSNAME, nullptr, windowStyle, CRect(0, 0, 0, 0), parent, id);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
    m_panes.clear();
    for (int index = 0; index < count; ++index) {
        Pane pane{ids[index], SBPS_NORMAL, 0, CString()};
        if (pane.id != ID_SEPARATOR) {
            if (!pane.text.LoadString(pane.id))
                return FALSE;
            pane.width = TextWidth(pane.text);
        }
        m_panes.push_back(pane);
    }
    UpdateParts();
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT id) const {
    for (size_t index = 0; index < m_panes.size(); ++index)
        if (m_panes[index].id == id)
            return static_cast<int>(index);
    return -1;
}

UINT CStatusBar::GetItemID(int index) const {
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].id : 0;
}

void CStatusBar::GetItemRect(int index, LPRECT rect) const {
    SendMessage(SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect));
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
    const Pane& pane = m_panes.at(static_cast<size_t>(index));
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
    Pane& pane = m_panes.at(static_cast<size_t>(index));
    pane.id = id;
    pane.style = style;
    pane.width = width;
    UpdateParts();
}

UINT CStatusBar::GetPaneStyle(int index) const {
    return m_panes.at(static_cast<size_t>(index)).style;
}

void CStatusBar::SetPaneStyle(int index, UINT style) {
    m_panes.at(static_cast<size_t>(index)).style = style;
    UpdateParts();
}

CString CStatusBar::GetPaneText(int index) const {
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].text : CString();
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL) {
    if (index < 0 || index >= GetCount())
        return FALSE;
    m_panes[static_cast<size_t>(index)].text = text;
    return ShowPaneText(static_cast<size_t>(index));
}

// A disabled pane shows no text.
BOOL CStatusBar::ShowPaneText(size_t index) {
    const Pane& pane = m_panes[index];
    const LPCTSTR shown = (pane.style & SBPS_DISABLED) ? "" : pane.text.GetString();
    return static_cast<BOOL>(
        SendMessage(SB_SETTEXT, index | (pane.style & 0xFF00), reinterpret_cast<LPARAM>(shown)));
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL) {
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const int height = ControlFontMetrics().height + 9;
    return CSize(32767, std::max(height, 2 * borders[1]));
}

// The right edges of the panes: each pane its width plus the gap, the stretching pane
// what the others leave of the bar's width.
void CStatusBar::UpdateParts() {
    if (!m_hWnd || m_panes.empty())
        return;
    CRect client;
    GetClientRect(&client);
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    const int gap = borders[2] + 2 * 2;
    int fixed = 0;
    for (const Pane& pane : m_panes)
        if (!(pane.style & SBPS_STRETCH))
            fixed += pane.width + gap;
    std::vector<int> edges;
    int right = borders[0];
    for (const Pane& pane : m_panes) {
        const int width = (pane.style & SBPS_STRETCH)
                              ? std::max(0, client.Width() - fixed - borders[0] - gap)
                              : pane.width;
        right += width + gap;
        edges.push_back(right);
    }
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t index = 0; index < m_panes.size(); ++index)
        ShowPaneText(index);
}

// Panes are never disabled for want of a handler: most only show text.
void CStatusBar::OnUpdateCmdUI(CFrameWnd* target, BOOL) {
    CStatusCmdUI state(*this);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].id;
        state.DoUpdate(target, FALSE);
    }
}

BOOL CStatusBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const BOOL handled = CControlBar::OnWndMsg(message, wParam, lParam, result);
    if (message == WM_SIZE)
        UpdateParts();
    return handled;
}

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)
