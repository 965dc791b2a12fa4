// The "Port settings" dialog's serial side: the serial control opened on the chosen port,
// its settings, and what it reports.

#include "vornui/comms/CComPortDlg.h"
#include "vornui/comms/SerialEventFlags.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/resources/PortDialogIds.h"

#include <algorithm>
#include <cstdio>

namespace {

// The most received characters one event puts into the capture.
constexpr int kCaptureChunk = 100;

void Report(COleDispatchException* error) {
    error->ReportError();
    error->Delete();
}

} // namespace

CString CComPortDlg::SerialSettings() const {
    return SerialSettingsText(m_nBaudRate, ParityLetterFromIndex(m_nParity), m_nDataBits,
                              m_nStopBits);
}

void CComPortDlg::OpenSerialPort() {
    ReadSerialChoices();
    try {
        m_Comm.SetCommPort(static_cast<short>(m_nComPort));
        m_Comm.SetSettings(SerialSettings());
        m_Comm.SetInputMode(comInputModeText);
        m_Comm.SetInputLen(0);
        m_Comm.SetRThreshold(1);
        m_Comm.SetPortOpen(TRUE);
    } catch (COleDispatchException* error) {
        Report(error);
    }
}

void CComPortDlg::CloseSerialPort() {
    if (!m_Comm.GetPortOpen())
        return;
    try {
        m_Comm.SetPortOpen(FALSE);
    } catch (COleDispatchException* error) {
        Report(error);
    }
}

void CComPortDlg::OnPortChosen() {
    CloseSerialPort();
    ReadSerialChoices();
    try {
        m_Comm.SetCommPort(static_cast<short>(m_nComPort));
    } catch (COleDispatchException* error) {
        CString question;
        question.Format("COM%d not detected!\nOutput windows will not be active!\nSelect anyway?",
                        m_nComPort);
        if (!error->m_strDescription.IsEmpty())
            question.AppendFormat("\nDetails: %s", error->m_strDescription.GetString());
        error->Delete();
        if (::MessageBox(m_hWnd, question, "Warning", MB_YESNO | MB_ICONEXCLAMATION) == IDNO) {
            m_nComPort = m_Comm.GetCommPort();
            CString current;
            current.Format("COM%d", m_nComPort);
            m_PortList.SelectString(-1, current);
        }
    }
    try {
        m_Comm.SetSettings(SerialSettings());
        m_Comm.SetPortOpen(TRUE);
    } catch (COleDispatchException* error) {
        Report(error);
    }
}

void CComPortDlg::OnSerialSettingChanged() {
    ReadSerialChoices();
    try {
        m_Comm.SetSettings(SerialSettings());
    } catch (COleDispatchException* error) {
        Report(error);
    }
}

void CComPortDlg::OnComm() {
    const short event = m_Comm.GetCommEvent();
    if (event == comEvReceive) {
        ReceiveSerialData();
        return;
    }
    for (int flag = 0; flag < kShowFlagCount; ++flag) {
        if (g_SerialEventFlags[flag].event == event && m_bShow[flag])
            AddToDisplay(g_SerialEventFlags[flag].text, Path::Serial);
    }
}

void CComPortDlg::ReceiveSerialData() {
    const int count = m_Comm.GetInBufferCount();
    const CString text = m_Comm.GetInput();
    const int length = std::min(count, text.GetLength());
    if (m_CaptureFile)
        std::fwrite(text.GetString(), 1, static_cast<size_t>(std::min(length, kCaptureChunk)),
                    m_CaptureFile.get());
    Forward(text.GetString(), m_CaptureFile ? std::min(length, kCaptureChunk) : length);
    AddToDisplay(text, Path::Serial);
}
