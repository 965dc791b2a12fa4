// The "Port settings" dialog's display, its capture file and its choice of serial events.

#include "vornui/comms/CComPortDlg.h"
#include "vornui/comms/SerialEventFlags.h"
#include "vornui/edits/IncludeExclude.h"
#include "vornui/module/VornuiModule.h"
#include "vornui/platform/CTime.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MultimediaTimer.h"
#include "vornui/platform/WinApp.h"
#include "vornui/resources/PortDialogIds.h"
#include "vornui/util/StartProgram.h"

namespace {

constexpr DWORD kRefreshInterval = 100;
constexpr int kShownCharacters = 512;

// A new capture file in the TEMP folder, named after the time.
CString CaptureFileName() {
    char folder[MAX_PATH] = {};
    GetTempPath(MAX_PATH, folder);
    const CString stamp = CTime::GetCurrentTime().Format("%Y%m%d%H%M%S");
    return JoinPath(folder, "VORNCAP_" + stamp.str() + ".txt").c_str();
}

CString LibraryString(UINT id) {
    const KResourceScope libraryResources;
    CString text;
    text.LoadString(id);
    return text;
}

} // namespace

// What came in is kept; the box shows its last 512 characters, at most once per 100 ms on
// each path.
void CComPortDlg::AddToDisplay(const CString& text, Path path) {
    m_strDisplay += text;
    const size_t clock = path == Path::Serial ? 0 : 1;
    const DWORD now = timeGetTime();
    if (m_bRefreshed[clock] && now - m_dwLastRefresh[clock] <= kRefreshInterval)
        return;
    m_bRefreshed[clock] = true;
    m_dwLastRefresh[clock] = now;
    if (m_strDisplay.GetLength() > kShownCharacters)
        m_strDisplay = m_strDisplay.Right(kShownCharacters);
    m_Display.SetWindowText(m_strDisplay);
    const int end = m_Display.GetWindowTextLength();
    m_Display.SetSel(end, end);
    m_Display.SendMessage(EM_SCROLLCARET);
}

void CComPortDlg::OnCapture() {
    if (m_CaptureFile)
        StopCapture();
    else
        StartCapture();
}

void CComPortDlg::StartCapture() {
    const CString name = CaptureFileName();
    if (::MessageBox(m_hWnd, name, "Save in", MB_YESNO) != IDYES)
        return;
    m_CaptureFile.reset(std::fopen(name, "wb"));
    if (!m_CaptureFile) {
        ::MessageBox(m_hWnd, "Can't write to object file: " + name, "File error",
                     MB_OK | MB_ICONERROR);
        return;
    }
    m_strCaptureFile = name;
    try {
        m_Comm.SetOutBufferCount(0);
    } catch (COleDispatchException* error) {
        error->Delete();
    }
    SetDlgItemText(IDC_CAPTURE, "Stop Capture");
}

void CComPortDlg::StopCapture() {
    SetDlgItemText(IDC_CAPTURE, "Capture");
    m_CaptureFile.reset();
    OpenFileInNotepad(m_strCaptureFile);
}

void CComPortDlg::OnShowSettings() {
    CStringList excluded, included;
    for (int flag = 0; flag < kShowFlagCount; ++flag)
        (m_bShow[flag] ? included : excluded)
            .AddTail(LibraryString(g_SerialEventFlags[flag].nameId));
    if (!IncludeExclude(&excluded, &included, this))
        return;
    CWinApp* app = AfxGetApp();
    for (int flag = 0; flag < kShowFlagCount; ++flag) {
        const SerialEventFlag& shown = g_SerialEventFlags[flag];
        m_bShow[flag] = included.Find(LibraryString(shown.nameId)) != nullptr;
        if (app)
            app->WriteProfileInt("COM select", shown.profileKey, m_bShow[flag]);
    }
}
