#include "vornui/comms/PortSelection.h"

#include "vornui/comms/CComPortDlg.h"
#include "vornui/module/VornuiModule.h"
#include "vornui/platform/SystemPrograms.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowStyles.h"

#include <algorithm>
#include <iterator>

namespace {

CWnd* OwnerOr(CWnd* parent) {
    return parent ? parent : AfxGetMainWnd();
}

void CopyIntoDialog(const PortSetUpStructure& record, CComPortDlg& dialog) {
    dialog.m_nPortType = record.nPortType;
    if (record.nPortType == PORT_COM) {
        dialog.m_nComPort = record.nPort;
        dialog.m_nBaudRate = record.nBaud;
        dialog.m_nDataBits = record.nDataBits;
        dialog.m_nStopBits = record.nStopBits;
        dialog.m_nParity = ParityIndexFromLetter(record.cParity);
    } else if (record.nPortType >= PORT_UDP && record.nPortType <= PORT_DUVA) {
        dialog.m_nIPPort = record.nPort;
        std::copy(std::begin(record.IPAddress), std::end(record.IPAddress), dialog.m_IPAddress);
    }
}

// Field by field, so that the bytes between the fields stay the caller's.
void CopyFromDialog(const CComPortDlg& dialog, PortSetUpStructure& record) {
    record.nPortType = dialog.m_nPortType;
    if (dialog.m_nPortType == PORT_COM) {
        record.nPort = dialog.m_nComPort;
        record.nBaud = dialog.m_nBaudRate;
        record.nDataBits = static_cast<int16_t>(dialog.m_nDataBits);
        record.nStopBits = static_cast<int16_t>(dialog.m_nStopBits);
        record.cParity = ParityLetterFromIndex(dialog.m_nParity);
    } else if (dialog.m_nPortType != PORT_NONE) {
        record.nPort = dialog.m_nIPPort;
        std::copy(std::begin(dialog.m_IPAddress), std::end(dialog.m_IPAddress), record.IPAddress);
    }
}

// True when the user confirmed. A dialog that cannot be made at all lacks the serial port
// control: the user is told, and the control's registration is tried once more.
bool Confirmed(CComPortDlg& dialog) {
    const INT_PTR result = dialog.DoModal();
    if (result == -1) {
        AfxMessageBox("An error occurred calling windows com library?\nWill now try to register "
                      "library!");
        WinExec("regsvr32 mscomm32.ocx", SW_HIDE);
    }
    return result == IDOK;
}

} // namespace

int SelectPort(PortSetUpStructure& record, unsigned int allowedKinds, CWnd* parent,
               const CString& title) {
    const KResourceScope libraryResources;
    CComPortDlg dialog(OwnerOr(parent), allowedKinds);
    dialog.m_strTitle = title;
    CopyIntoDialog(record, dialog);
    if (!Confirmed(dialog))
        return 0;
    CopyFromDialog(dialog, record);
    return 1;
}

int SelectCOMPort(int& port, int& baud, int& parity, int& dataBits, int& stopBits, CWnd* parent) {
    const KResourceScope libraryResources;
    CComPortDlg dialog(OwnerOr(parent), PORT_ALLOW_COM);
    dialog.m_nPortType = PORT_COM;
    dialog.m_nComPort = port;
    dialog.m_nBaudRate = baud;
    dialog.m_nParity = parity;
    dialog.m_nDataBits = dataBits;
    dialog.m_nStopBits = stopBits;
    if (!Confirmed(dialog))
        return 0;
    port = dialog.m_nComPort;
    baud = dialog.m_nBaudRate;
    parity = dialog.m_nParity;
    dataBits = dialog.m_nDataBits;
    stopBits = dialog.m_nStopBits;
    return 1;
}

int SelectCOMPort(int& port, int& baud, char& parity, int& dataBits, int& stopBits, CWnd* parent) {
    int index = ParityIndexFromLetter(parity);
    if (!SelectCOMPort(port, baud, index, dataBits, stopBits, parent))
        return 0;
    parity = ParityLetterFromIndex(index);
    return 1;
}
