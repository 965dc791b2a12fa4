#include "vornui/layout/KLayoutMgr.h"

using PaneHolder = KLayoutMgr::PaneHolder;
using CPaneBase = KLayoutMgr::CPaneBase;
using CPane = KLayoutMgr::CPane;

PaneHolder::~PaneHolder() {
    delete m_pPane;
}

void PaneHolder::Release() {
    if (m_nRefCount.fetch_sub(1) - 1 <= 0)
        delete this;
}

// A raw node gets a holder of its own; the handle owns the node from here on.
CPaneBase::CPaneBase(PaneBase* pPane) : m_pPaneHolder(pPane ? new PaneHolder(pPane) : nullptr) {}

CPaneBase::CPaneBase(const CPaneBase& other) : m_pPaneHolder(other.m_pPaneHolder) {
    if (m_pPaneHolder)
        m_pPaneHolder->AddRef();
}

CPaneBase& CPaneBase::operator=(const CPaneBase& other) {
    if (other.m_pPaneHolder)
        other.m_pPaneHolder->AddRef(); // first, so that self-assignment keeps the node
    if (m_pPaneHolder)
        m_pPaneHolder->Release();
    m_pPaneHolder = other.m_pPaneHolder;
    return *this;
}

CPaneBase& CPaneBase::operator=(PaneBase* pPane) {
    return *this = CPaneBase(pPane);
}

CPaneBase::~CPaneBase() {
    if (m_pPaneHolder)
        m_pPaneHolder->Release();
}

KLayoutMgr::Pane* CPane::GetPane() const {
    return static_cast<Pane*>(GetPaneBase());
}

CPane CPane::operator<<(const CPaneBase& item) const {
    GetPane()->addPane(item);
    return *this;
}

CPane CPane::operator<<(const CPane& subPane) const {
    GetPane()->addPane(subPane, subPane->modeResize(), subPane->getSizeSecondary());
    return *this;
}
