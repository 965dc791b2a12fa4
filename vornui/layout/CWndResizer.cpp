#include "vornui/layout/CWndResizer.h"

#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/WindowPosition.h"

namespace {

CString ControlName(UINT uID) {
    CString name;
    name.Format("%d", static_cast<int>(uID));
    return name;
}

CWndResizer::CPanel* FindIn(CWndResizer::CPanel* panel, const char* name) {
    if (!panel->Name.IsEmpty() && panel->Name.CompareNoCase(name) == 0)
        return panel;
    for (CWndResizer::CPanel* child : panel->Children) {
        if (CWndResizer::CPanel* found = FindIn(child, name))
            return found;
    }
    return nullptr;
}

void AppendDebugInfo(CWndResizer::CPanel* panel, const CString& indent, CString& text) {
    text += "\n";
    text += indent;
    text += panel->ToString();
    for (CWndResizer::CPanel* child : panel->Children)
        AppendDebugInfo(child, indent + "  ", text);
}

} // namespace

CWndResizer::CWndResizer() = default;

CWndResizer::~CWndResizer() {
    Unhook();
}

CWndResizer::CPanel* CWndResizer::FindPanel(LPCTSTR name) {
    if (!name || !*name)
        return nullptr;
    return FindIn(&m_pRootPanel, name);
}

CWndResizer::CPanel* CWndResizer::FindPanel(UINT uID) {
    return FindPanel(ControlName(uID));
}

template <class T>
T* CWndResizer::Find(LPCTSTR name) {
    return dynamic_cast<T*>(FindPanel(name));
}

template <class T, class Use>
BOOL CWndResizer::WithPanel(LPCTSTR name, const Use& use) {
    T* panel = Find<T>(name);
    if (!panel)
        return FALSE;
    use(*panel);
    return TRUE;
}

bool CWndResizer::ControlRect(UINT uID, CRect& rect) const {
    if (!m_pHookedWnd)
        return false;
    const HWND control = ::GetDlgItem(m_pHookedWnd->GetSafeHwnd(), static_cast<int>(uID));
    if (!control)
        return false;
    ::GetWindowRect(control, &rect);
    m_pHookedWnd->ScreenToClient(&rect);
    return true;
}

CWndResizer::CUIPanel* CWndResizer::CreateUIPanel(UINT uID) {
    CRect rect;
    if (!ControlRect(uID, rect))
        return nullptr;
    return new CUIPanel(&rect, uID);
}

CWndResizer::CPanel* CWndResizer::FindOrCreateUIPanel(UINT uID) {
    if (CPanel* found = FindPanel(uID))
        return found;
    CUIPanel* created = CreateUIPanel(uID);
    if (created)
        m_pRootPanel.AddChild(created);
    return created;
}

BOOL CWndResizer::SetAnchor(LPCTSTR panelName, UINT anchor) {
    CPanel* panel = FindPanel(panelName);
    return panel ? panel->SetAnchor(anchor) : FALSE;
}

BOOL CWndResizer::SetAnchor(UINT uID, UINT anchor) {
    CPanel* panel = FindOrCreateUIPanel(uID);
    return panel ? panel->SetAnchor(anchor) : FALSE;
}

BOOL CWndResizer::GetAnchor(LPCTSTR panelName, UINT& anchor) {
    return WithPanel<CPanel>(panelName, [&](CPanel& panel) { anchor = panel.Anchor; });
}

BOOL CWndResizer::GetAnchor(UINT uID, UINT& anchor) {
    return GetAnchor(ControlName(uID), anchor);
}

BOOL CWndResizer::SetDock(LPCTSTR panelName, UINT dock) {
    return WithPanel<CPanel>(panelName, [&](CPanel& panel) { panel.Dock = dock; });
}

BOOL CWndResizer::SetDock(UINT uID, UINT dock) {
    CPanel* panel = FindOrCreateUIPanel(uID);
    if (!panel)
        return FALSE;
    panel->Dock = dock;
    return TRUE;
}

BOOL CWndResizer::GetDock(LPCTSTR panelName, UINT& dock) {
    return WithPanel<CPanel>(panelName, [&](CPanel& panel) { dock = panel.Dock; });
}

BOOL CWndResizer::GetDock(UINT uID, UINT& dock) {
    return GetDock(ControlName(uID), dock);
}

BOOL CWndResizer::AdjustForDpi(CSize& size) {
    if (!m_pHookedWnd)
        return FALSE;
    CClientDC dc(m_pHookedWnd);
    const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
    size.cx = MulDiv(size.cx, dpi, 96);
    size.cy = MulDiv(size.cy, dpi, 96);
    return TRUE;
}

BOOL CWndResizer::SetMinimumSize(LPCTSTR panelName, CSize& size, bool scale) {
    CPanel* panel = FindPanel(panelName);
    if (!panel || (scale && !AdjustForDpi(size)))
        return FALSE;
    return panel->SetMinSize(size);
}

BOOL CWndResizer::SetMinimumSize(UINT uID, CSize& size, bool scale) {
    CPanel* panel = FindOrCreateUIPanel(uID);
    if (!panel || (scale && !AdjustForDpi(size)))
        return FALSE;
    return panel->SetMinSize(size);
}

BOOL CWndResizer::GetMinimumSize(LPCTSTR panelName, CSize& size) {
    return WithPanel<CPanel>(panelName, [&](CPanel& panel) { size = panel.MinSize; });
}

BOOL CWndResizer::GetMinimumSize(UINT uID, CSize& size) {
    return GetMinimumSize(ControlName(uID), size);
}

BOOL CWndResizer::SetMaximumSize(LPCTSTR panelName, CSize& size, bool scale) {
    CPanel* panel = FindPanel(panelName);
    if (!panel || (scale && !AdjustForDpi(size)))
        return FALSE;
    return panel->SetMaxSize(size);
}

BOOL CWndResizer::SetMaximumSize(UINT uID, CSize& size, bool scale) {
    return SetMaximumSize(ControlName(uID), size, scale);
}

BOOL CWndResizer::GetMaximumSize(LPCTSTR panelName, CSize& size) {
    return WithPanel<CPanel>(panelName, [&](CPanel& panel) { size = panel.MaxSize; });
}

BOOL CWndResizer::GetMaximumSize(UINT uID, CSize& size) {
    return GetMaximumSize(ControlName(uID), size);
}

BOOL CWndResizer::SetParent(CPanel* child, CPanel* parent) {
    if (!child || !parent)
        return FALSE;
    return parent->AddChild(child);
}

BOOL CWndResizer::SetParent(LPCTSTR panelName, LPCTSTR parentName) {
    return SetParent(FindPanel(panelName), FindPanel(parentName));
}

BOOL CWndResizer::SetParent(UINT uID, LPCTSTR parentName) {
    return SetParent(FindOrCreateUIPanel(uID), FindPanel(parentName));
}

BOOL CWndResizer::SetParent(LPCTSTR panelName, UINT uParentID) {
    return SetParent(FindPanel(panelName), FindOrCreateUIPanel(uParentID));
}

BOOL CWndResizer::SetParent(UINT uID, UINT uParentID) {
    return SetParent(FindOrCreateUIPanel(uID), FindOrCreateUIPanel(uParentID));
}

BOOL CWndResizer::GetParent(LPCTSTR panelName, CString& parentName) {
    const CPanel* panel = FindPanel(panelName);
    if (!panel || !panel->Parent)
        return FALSE;
    parentName = panel->Parent->Name;
    return TRUE;
}

BOOL CWndResizer::GetParent(UINT uID, CString& parentName) {
    return GetParent(ControlName(uID), parentName);
}

BOOL CWndResizer::SetSplitterPosition(LPCTSTR splitContainerName, UINT position) {
    CSplitContainer* container = Find<CSplitContainer>(splitContainerName);
    if (!container)
        return FALSE;
    container->SetSplitterPosition(static_cast<int>(position));
    ResizeUI(container);
    return TRUE;
}

BOOL CWndResizer::GetSplitterPosition(LPCTSTR splitContainerName, UINT& position) {
    return WithPanel<CSplitContainer>(splitContainerName, [&](CSplitContainer& container) {
        position = static_cast<UINT>(container.GetSplitterPosition());
    });
}

BOOL CWndResizer::SetFixedPanel(LPCTSTR splitContainerName, short panel) {
    return WithPanel<CSplitContainer>(
        splitContainerName, [&](CSplitContainer& container) { container.m_FixedPanel = panel; });
}

BOOL CWndResizer::GetFixedPanel(LPCTSTR splitContainerName, short& panel) {
    return WithPanel<CSplitContainer>(
        splitContainerName, [&](CSplitContainer& container) { panel = container.m_FixedPanel; });
}

BOOL CWndResizer::SetIsSplitterFixed(LPCTSTR splitContainerName, BOOL fixed) {
    return WithPanel<CSplitContainer>(splitContainerName, [&](CSplitContainer& container) {
        container.m_IsSplitterFixed = fixed;
    });
}

BOOL CWndResizer::GetIsSplitterFixed(LPCTSTR splitContainerName, BOOL& fixed) {
    return WithPanel<CSplitContainer>(splitContainerName, [&](CSplitContainer& container) {
        fixed = container.m_IsSplitterFixed;
    });
}

BOOL CWndResizer::SetShowSplitterGrip(LPCTSTR splitContainerName, BOOL show) {
    return WithPanel<CSplitContainer>(splitContainerName, [&](CSplitContainer& container) {
        container.GetSplitterPanel()->m_pGrippePanel->m_bVisible = show;
    });
}

BOOL CWndResizer::GetShowSplitterGrip(LPCTSTR splitContainerName, BOOL& show) {
    return WithPanel<CSplitContainer>(splitContainerName, [&](CSplitContainer& container) {
        show = container.GetSplitterPanel()->m_pGrippePanel->m_bVisible;
    });
}

BOOL CWndResizer::SetFlowDirection(LPCTSTR flowPanelName, short direction) {
    return WithPanel<CFlowLayoutPanel>(flowPanelName, [&](CFlowLayoutPanel& panel) {
        panel.m_nFlowDirection = direction == flowLeftToRight ? 3 : 4;
    });
}

BOOL CWndResizer::GetFlowDirection(LPCTSTR flowPanelName, short& direction) {
    return WithPanel<CFlowLayoutPanel>(flowPanelName, [&](CFlowLayoutPanel& panel) {
        direction = panel.m_nFlowDirection == 3 ? flowLeftToRight : flowTopToBottom;
    });
}

BOOL CWndResizer::SetFlowItemSpacingX(LPCTSTR flowPanelName, int spacing) {
    return WithPanel<CFlowLayoutPanel>(
        flowPanelName, [&](CFlowLayoutPanel& panel) { panel.m_nItemSpacingX = spacing; });
}

BOOL CWndResizer::GetFlowItemSpacingX(LPCTSTR flowPanelName, int& spacing) {
    return WithPanel<CFlowLayoutPanel>(
        flowPanelName, [&](CFlowLayoutPanel& panel) { spacing = panel.m_nItemSpacingX; });
}

BOOL CWndResizer::SetFlowItemSpacingY(LPCTSTR flowPanelName, int spacing) {
    return WithPanel<CFlowLayoutPanel>(
        flowPanelName, [&](CFlowLayoutPanel& panel) { panel.m_nItemSpacingY = spacing; });
}

BOOL CWndResizer::GetFlowItemSpacingY(LPCTSTR flowPanelName, int& spacing) {
    return WithPanel<CFlowLayoutPanel>(
        flowPanelName, [&](CFlowLayoutPanel& panel) { spacing = panel.m_nItemSpacingY; });
}

CWndResizer::CGripperPanel* CWndResizer::Gripper() {
    return m_pHookedWnd ? Find<CGripperPanel>("_resizeGrip") : nullptr;
}

BOOL CWndResizer::SetShowResizeGrip(BOOL show) {
    CGripperPanel* grip = Gripper();
    if (!grip)
        return FALSE;
    if (grip->m_bVisible != show)
        m_pHookedWnd->Invalidate(TRUE);
    grip->m_bVisible = show;
    return TRUE;
}

BOOL CWndResizer::GetShowResizeGrip() {
    const CGripperPanel* grip = Gripper();
    return grip ? grip->m_bVisible : FALSE;
}

BOOL CWndResizer::AttachPropCtrl(KPropCtrlBase* propCtrl, CWnd* referenceWnd) {
    m_pPropCtrl = propCtrl;
    m_pPropCtrlReference = referenceWnd;
    return TRUE;
}

CString CWndResizer::GetDebugInfo() {
    CString text;
    AppendDebugInfo(&m_pRootPanel, "", text);
    return text;
}
