#include "vornui/platform/WinApp.h"

#include "vornui/platform/ControlBar.h"
#include "vornui/platform/DocTemplate.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/ProfileFile.h"
#include "vornui/platform/internal/IniDocument.h"
#include "vornui/platform/internal/ProfileText.h"

#include <atomic>
#include <vector>

// The profile of an application while it has no file.
class ApplicationProfile {
public:
    IniDocument m_memory;
};

namespace {

std::atomic<CWinApp*> g_app{nullptr};

CString ProgramName() {
    char path[MAX_PATH];
    GetModuleFileName(nullptr, path, sizeof path);
    CString name(path);
    name = name.Mid(name.ReverseFind('/') + 1);
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

// Binary values are stored as text, two letters per byte: 'A' plus the low half, then 'A'
// plus the high half, as the framework does.
CString EncodeBinary(const BYTE* data, UINT bytes) {
    CString text;
    char* out = text.GetBufferSetLength(static_cast<int>(bytes * 2));
    for (UINT i = 0; i < bytes; ++i) {
        out[i * 2] = static_cast<char>('A' + (data[i] & 0x0F));
        out[i * 2 + 1] = static_cast<char>('A' + (data[i] >> 4));
    }
    return text;
}

bool DecodeBinary(const CString& text, std::vector<BYTE>& data) {
    if (text.IsEmpty() || text.GetLength() % 2 != 0)
        return false;
    data.resize(static_cast<size_t>(text.GetLength() / 2));
    for (size_t i = 0; i < data.size(); ++i) {
        const int low = text[i * 2] - 'A';
        const int high = text[i * 2 + 1] - 'A';
        if (low < 0 || low > 15 || high < 0 || high > 15)
            return false;
        data[i] = static_cast<BYTE>((high << 4) | low);
    }
    return true;
}

} // namespace

CWinApp::CWinApp(LPCTSTR appName)
    : m_strAppName(appName ? CString(appName) : ProgramName()), m_strExeName(ProgramName()),
      m_profile(std::make_unique<ApplicationProfile>()) {
    m_pszAppName = m_strAppName;
    m_pszExeName = m_strExeName;
    m_pszProfileName = nullptr;
    m_hInstance = AfxGetInstanceHandle();
    g_app.store(this);
}

CWinApp::~CWinApp() {
    CWinApp* self = this;
    g_app.compare_exchange_strong(self, nullptr);
    while (!m_templates.IsEmpty())
        delete m_templates.RemoveHead();
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
    if (docTemplate)
        m_templates.AddTail(docTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
    return m_templates.GetHeadPosition();
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const {
    return m_templates.GetNext(pos);
}

HICON CWinApp::LoadIcon(UINT id) const {
    return ::LoadIcon(AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_GROUP_ICON),
                      MAKEINTRESOURCE(id));
}

int CWinApp::DoMessageBox(LPCTSTR prompt, UINT type, UINT) {
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            type |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            type |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    return MessageBox(nullptr, prompt, m_pszAppName, type);
}

BOOL CWinApp::OnIdle(LONG count) {
    if (count <= 0 && m_pMainWnd && m_pMainWnd->m_hWnd && m_pMainWnd->IsWindowVisible())
        m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    return count < 1;
}

void CWinApp::SetProfileFile(LPCTSTR path) {
    m_strProfileName = path ? path : "";
    m_pszProfileName = path ? m_strProfileName.GetString() : nullptr;
}

CString CWinApp::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultText) {
    char value[4096];
    if (m_pszProfileName)
        GetPrivateProfileString(section, entry, defaultText, value, sizeof value, m_pszProfileName);
    else
        CopyProfileString(m_profile->m_memory, section, entry, defaultText, value, sizeof value);
    return CString(value);
}

UINT CWinApp::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) {
    if (m_pszProfileName)
        return GetPrivateProfileInt(section, entry, defaultValue, m_pszProfileName);
    return ProfileInt(m_profile->m_memory, section, entry, defaultValue);
}

BOOL CWinApp::GetProfileBinary(LPCTSTR section, LPCTSTR entry, LPBYTE* data, UINT* bytes) {
    if (!data || !bytes)
        return FALSE;
    *data = nullptr;
    *bytes = 0;
    std::vector<BYTE> decoded;
    if (!DecodeBinary(GetProfileString(section, entry), decoded))
        return FALSE;
    *data = new BYTE[decoded.size()]; // handed to the caller, who owns it
    std::copy(decoded.begin(), decoded.end(), *data);
    *bytes = static_cast<UINT>(decoded.size());
    return TRUE;
}

BOOL CWinApp::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
    if (m_pszProfileName)
        return WritePrivateProfileString(section, entry, value, m_pszProfileName);
    if (!section)
        return FALSE;
    ApplyProfileWrite(m_profile->m_memory, section, entry, value);
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value) {
    CString text;
    text.Format("%d", value);
    return WriteProfileString(section, entry, text);
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR section, LPCTSTR entry, LPBYTE data, UINT bytes) {
    if (!data && bytes > 0)
        return FALSE;
    return WriteProfileString(section, entry, EncodeBinary(data, bytes));
}

CWinApp* AfxGetApp() {
    if (CWinApp* app = g_app.load())
        return app;
    // Constructed once and kept for the process; it registers itself as the application.
    static CWinApp* const defaultApp = new CWinApp();
    return g_app.load() ? g_app.load() : defaultApp;
}

LPCTSTR AfxGetAppName() {
    return AfxGetApp()->m_pszAppName;
}

CWnd* AfxGetMainWnd() {
    return AfxGetApp()->m_pMainWnd;
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT helpId) {
    return AfxGetApp()->DoMessageBox(text, type, helpId);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
    CString text;
    text.LoadString(promptId);
    return AfxMessageBox(text, type, helpId == static_cast<UINT>(-1) ? promptId : helpId);
}

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)
