#include "vornui/properties/KPropertyIOPort.h"

#include "vornui/comms/PortSelection.h"
#include "vornui/properties/KPropWnd.h"

KPropertyIOPort::KPropertyIOPort(IPropertyHost* host, const char* name, PortSetUpStructure* port,
                                 BOOL hideViewer)
    : KIconTextButtonProperty(host, name, port, true), m_bHideViewer(hideViewer) {}

bool KPropertyIOPort::OnCommand(KPropWnd* wnd, UINT id, UINT) {
    UINT first = 0;
    UINT last = 0;
    wnd->GetCommandRange(first, last);
    if (id != first + 1)
        return false;
    auto& bound = *static_cast<PortSetUpStructure*>(m_pData);
    PortSetUpStructure copy = bound;
    const unsigned int kinds =
        m_bHideViewer ? PORT_ALLOW_ALL | PORT_ALLOW_NO_VIEWER : PORT_ALLOW_ALL;
    if (!SelectPort(copy, kinds, wnd, "") || !Accepts(&copy))
        return false;
    bound = copy;
    return true;
}

CString KPropertyIOPort::GetTextValue() {
    return static_cast<const PortSetUpStructure*>(m_pData)->GetText();
}
