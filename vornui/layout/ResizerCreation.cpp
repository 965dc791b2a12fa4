// Making panels: grouping and flow panels over rectangles or controls, control panels that
// hold others, and split containers from two panels.

#include "vornui/layout/CWndResizer.h"

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
