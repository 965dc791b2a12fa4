#pragma once

// A row bound to an instrument port (PortSetUpStructure): it shows the port's text form,
// and its "..." button opens "Port settings" on a copy of the record. What the user
// confirms there is stored only when the host accepts it (AcceptChange is handed the
// copy). The row is always editable, as far as the host allows.
//
//   PortSetUpStructure m_gyroPort;                 // the host's record
//   KPropertyIOPort gyro(&host, "Gyro", &m_gyroPort, FALSE);
//   pane.AddProperty(&gyro);

#include "vornui/comms/PortSetUpStructure.h"
#include "vornui/properties/KIconTextButtonProperty.h"

class VORNUI_API KPropertyIOPort : public KIconTextButtonProperty {
public:
    // With `hideViewer` the dialog leaves out its raw-data viewer button.
    KPropertyIOPort(IPropertyHost* host, const char* name, PortSetUpStructure* port,
                    BOOL hideViewer);

    // The row button runs the port dialog; true when a new port was stored.
    bool OnCommand(KPropWnd* wnd, UINT id, UINT code) override;
    // The port's text form, such as "COM1 9600 N81" or "UDP 5000 192.168.1.20".
    CString GetTextValue() override;
    bool HasButton() override { return true; }

private:
    BOOL m_bHideViewer;
};
