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
    const CPanel* panel = FindPanel(panelName);
    if (!panel)
        return FALSE;
    anchor = panel->Anchor;
    return TRUE;
}

BOOL CWndResizer::GetAnchor(UINT uID, UINT& anchor) {
    return GetAnchor(ControlName(uID), anchor);
}

BOOL CWndResizer::SetDock(LPCTSTR panelName, UINT dock) {
    CPanel* panel = FindPanel(panelName);
    if (!panel)
        return FALSE;
    panel->Dock = dock;
    return TRUE;
}

BOOL CWndResizer::SetDock(UINT uID, UINT dock) {
    CPanel* panel = FindOrCreateUIPanel(uID);
    if (!panel)
        return FALSE;
    panel->Dock = dock;
    return TRUE;
}

BOOL CWndResizer::GetDock(LPCTSTR panelName, UINT& dock) {
    const CPanel* panel = FindPanel(panelName);
    if (!panel)
        return FALSE;
    dock = panel->Dock;
    return TRUE;
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
    const CPanel* panel = FindPanel(panelName);
    if (!panel)
        return FALSE;
    size = panel->MinSize;
    return TRUE;
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
    const CPanel* panel = FindPanel(panelName);
    if (!panel)
        return FALSE;
    size = panel->MaxSize;
    return TRUE;
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

BOOL CWndResizer::CreatePanel(UINT uID) {
    if (FindPanel(uID))
        return FALSE;
    CUIPanel* panel = CreateUIPanel(uID);
    if (!panel)
        return FALSE;
    panel->m_bOle = 1;
    m_pRootPanel.AddChild(panel);
    return TRUE;
}

bool CWndResizer::IsFreeName(LPCTSTR name) {
    return name && *name && !FindPanel(name);
}

BOOL CWndResizer::CreatePanel(LPCTSTR panelName, const CRect* rect) {
    if (!rect || !IsFreeName(panelName))
        return FALSE;
    return AdoptGroupPanel(new CPanel(rect), panelName, nullptr, FALSE);
}

BOOL CWndResizer::CreateFlowLayoutPanel(LPCTSTR panelName, const CRect* rect) {
    if (!rect || !IsFreeName(panelName))
        return FALSE;
    return AdoptGroupPanel(new CFlowLayoutPanel(rect), panelName, nullptr, FALSE);
}

bool CWndResizer::UnionOfControls(const CUIntArray& ids, CRect& rect) const {
    rect.SetRectEmpty();
    for (INT_PTR i = 0; i < ids.GetSize(); ++i) {
        CRect control;
        if (!ControlRect(ids[i], control))
            return false;
        rect.UnionRect(&rect, &control);
    }
    return true;
}

BOOL CWndResizer::CreatePanel(LPCTSTR panelName, CUIntArray* ids, BOOL setAsChildren) {
    CRect rect;
    if (!ids || !IsFreeName(panelName) || !UnionOfControls(*ids, rect))
        return FALSE;
    return AdoptGroupPanel(new CPanel(&rect), panelName, ids, setAsChildren);
}

BOOL CWndResizer::CreateFlowLayoutPanel(LPCTSTR panelName, CUIntArray* ids, BOOL setAsChildren) {
    CRect rect;
    if (!ids || !IsFreeName(panelName) || !UnionOfControls(*ids, rect))
        return FALSE;
    return AdoptGroupPanel(new CFlowLayoutPanel(&rect), panelName, ids, setAsChildren);
}

// Names a new grouping panel and attaches it to the root (which owns it from then on) and,
// when asked, the listed controls' new panels to it; a control that has a panel already
// undoes the whole group.
BOOL CWndResizer::AdoptGroupPanel(CPanel* panel, LPCTSTR name, CUIntArray* ids,
                                  BOOL setAsChildren) {
    panel->Name = name;
    m_pRootPanel.AddChild(panel);
    if (!setAsChildren)
        return TRUE;
    for (INT_PTR i = 0; i < ids->GetSize(); ++i) {
        if (FindPanel((*ids)[i])) {
            m_pRootPanel.RemoveChild(panel);
            delete panel;
            return FALSE;
        }
        panel->AddChild(CreateUIPanel((*ids)[i]));
    }
    return TRUE;
}

BOOL CWndResizer::CreateSplitContainer(LPCTSTR splitContainerName, LPCTSTR firstPanelName,
                                       LPCTSTR secondPanelName) {
    return CreateSplitContainer(splitContainerName, FindPanel(firstPanelName),
                                FindPanel(secondPanelName));
}

BOOL CWndResizer::CreateSplitContainer(LPCTSTR splitContainerName, UINT firstID, UINT secondID) {
    return CreateSplitContainer(splitContainerName, FindOrCreateUIPanel(firstID),
                                FindOrCreateUIPanel(secondID));
}

BOOL CWndResizer::CreateSplitContainer(LPCTSTR splitContainerName, LPCTSTR firstPanelName,
                                       UINT secondID) {
    return CreateSplitContainer(splitContainerName, FindPanel(firstPanelName),
                                FindOrCreateUIPanel(secondID));
}

BOOL CWndResizer::CreateSplitContainer(LPCTSTR splitContainerName, UINT firstID,
                                       LPCTSTR secondPanelName) {
    return CreateSplitContainer(splitContainerName, FindOrCreateUIPanel(firstID),
                                FindPanel(secondPanelName));
}

BOOL CWndResizer::CreateSplitContainer(LPCTSTR splitContainerName, CPanel* first, CPanel* second) {
    if (!IsFreeName(splitContainerName) || !first || !second || first == second)
        return FALSE;
    if (dynamic_cast<CSplitPanel*>(first) || dynamic_cast<CSplitPanel*>(second))
        return FALSE;
    CRect overlap;
    if (overlap.IntersectRect(first, second))
        return FALSE;
    int orientation;
    if (first->right < second->left)
        orientation = splitLeftRight;
    else if (first->bottom < second->top)
        orientation = splitTopBottom;
    else
        return FALSE;
    CPanel* firstParent = first->Parent;
    if (!firstParent || !second->Parent || !firstParent->RemoveChild(first))
        return FALSE;
    if (!second->Parent->RemoveChild(second)) {
        firstParent->AddChild(first);
        return FALSE;
    }
    auto* container = new CSplitContainer(new CSplitPanel(first), new CSplitPanel(second),
                                          orientation); // owned by the root from here
    container->Name = splitContainerName;
    m_pRootPanel.AddChild(container);
    return TRUE;
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
    const CSplitContainer* container = Find<CSplitContainer>(splitContainerName);
    if (!container)
        return FALSE;
    position = static_cast<UINT>(container->GetSplitterPosition());
    return TRUE;
}

BOOL CWndResizer::SetFixedPanel(LPCTSTR splitContainerName, short panel) {
    CSplitContainer* container = Find<CSplitContainer>(splitContainerName);
    if (!container)
        return FALSE;
    container->m_FixedPanel = panel;
    return TRUE;
}

BOOL CWndResizer::GetFixedPanel(LPCTSTR splitContainerName, short& panel) {
    const CSplitContainer* container = Find<CSplitContainer>(splitContainerName);
    if (!container)
        return FALSE;
    panel = container->m_FixedPanel;
    return TRUE;
}

BOOL CWndResizer::SetIsSplitterFixed(LPCTSTR splitContainerName, BOOL fixed) {
    CSplitContainer* container = Find<CSplitContainer>(splitContainerName);
    if (!container)
        return FALSE;
    container->m_IsSplitterFixed = fixed;
    return TRUE;
}

BOOL CWndResizer::GetIsSplitterFixed(LPCTSTR splitContainerName, BOOL& fixed) {
    const CSplitContainer* container = Find<CSplitContainer>(splitContainerName);
    if (!container)
        return FALSE;
    fixed = container->m_IsSplitterFixed;
    return TRUE;
}

BOOL CWndResizer::SetShowSplitterGrip(LPCTSTR splitContainerName, BOOL show) {
    CSplitContainer* container = Find<CSplitContainer>(splitContainerName);
    if (!container)
        return FALSE;
    container->GetSplitterPanel()->m_pGrippePanel->m_bVisible = show;
    return TRUE;
}

BOOL CWndResizer::GetShowSplitterGrip(LPCTSTR splitContainerName, BOOL& show) {
    const CSplitContainer* container = Find<CSplitContainer>(splitContainerName);
    if (!container)
        return FALSE;
    show = container->GetSplitterPanel()->m_pGrippePanel->m_bVisible;
    return TRUE;
}

BOOL CWndResizer::SetFlowDirection(LPCTSTR flowPanelName, short direction) {
    CFlowLayoutPanel* panel = Find<CFlowLayoutPanel>(flowPanelName);
    if (!panel)
        return FALSE;
    panel->m_nFlowDirection = direction == flowLeftToRight ? 3 : 4;
    return TRUE;
}

BOOL CWndResizer::GetFlowDirection(LPCTSTR flowPanelName, short& direction) {
    const CFlowLayoutPanel* panel = Find<CFlowLayoutPanel>(flowPanelName);
    if (!panel)
        return FALSE;
    direction = panel->m_nFlowDirection == 3 ? flowLeftToRight : flowTopToBottom;
    return TRUE;
}

BOOL CWndResizer::SetFlowItemSpacingX(LPCTSTR flowPanelName, int spacing) {
    CFlowLayoutPanel* panel = Find<CFlowLayoutPanel>(flowPanelName);
    if (!panel)
        return FALSE;
    panel->m_nItemSpacingX = spacing;
    return TRUE;
}

BOOL CWndResizer::GetFlowItemSpacingX(LPCTSTR flowPanelName, int& spacing) {
    const CFlowLayoutPanel* panel = Find<CFlowLayoutPanel>(flowPanelName);
    if (!panel)
        return FALSE;
    spacing = panel->m_nItemSpacingX;
    return TRUE;
}

BOOL CWndResizer::SetFlowItemSpacingY(LPCTSTR flowPanelName, int spacing) {
    CFlowLayoutPanel* panel = Find<CFlowLayoutPanel>(flowPanelName);
    if (!panel)
        return FALSE;
    panel->m_nItemSpacingY = spacing;
    return TRUE;
}

BOOL CWndResizer::GetFlowItemSpacingY(LPCTSTR flowPanelName, int& spacing) {
    const CFlowLayoutPanel* panel = Find<CFlowLayoutPanel>(flowPanelName);
    if (!panel)
        return FALSE;
    spacing = panel->m_nItemSpacingY;
    return TRUE;
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
