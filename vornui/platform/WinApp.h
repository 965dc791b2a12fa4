#pragma once

// The application object and its profile. The profile is an INI file whose path the host
// sets with SetProfileFile; until it sets one, the profile lives in memory. A host that
// creates no application object gets a default one named after the program.

#include "vornui/platform/CString.h"
#include "vornui/platform/CmdTarget.h"
#include "vornui/platform/Collections.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"
#include "vornui/platform/Icons.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/WinTypes.h"

#include <memory>

class ApplicationProfile;
class CDocTemplate;

#define HELP_CONTEXT 0x0001L

class VORNUI_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // Every AfxMessageBox goes through here; the caption is the application's name.
    virtual int DoMessageBox(LPCTSTR prompt, UINT type, UINT promptId);
    // What the application does while it has no message: the first time (`count` 0) the
    // control bars of the main window are brought up to date (WM_IDLEUPDATECMDUI). TRUE
    // while it wants more idle time.
    virtual BOOL OnIdle(LONG count);

    // Opens the application's help (m_pszHelpFilePath) with the desktop's handler for it;
    // nothing when the application has no help file. `data` is the help context.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    // Takes `docTemplate` (made with new) into the application's list of templates.
    void AddDocTemplate(CDocTemplate* docTemplate);
    // Walks the templates: null when there is none; GetNextDocTemplate moves `pos` on.
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    // The icon resource `id`, found through the resource chain; null when there is none.
    HICON LoadIcon(UINT id) const;

    // The INI file that holds the profile; null keeps it in memory (and forgets the file).
    void SetProfileFile(LPCTSTR path);

    CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultText = nullptr);
    UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue);
    // Hands out a copy in `*data`, allocated with new[]; the caller deletes it with delete[].
    BOOL GetProfileBinary(LPCTSTR section, LPCTSTR entry, LPBYTE* data, UINT* bytes);
    BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);
    BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);
    BOOL WriteProfileBinary(LPCTSTR section, LPCTSTR entry, LPBYTE data, UINT bytes);

    LPCTSTR m_pszAppName;
    LPCTSTR m_pszExeName;
    LPCTSTR m_pszProfileName;            // null while the profile is in memory
    LPCTSTR m_pszHelpFilePath = nullptr; // the host's help file, null for none
    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr; // the main window; the host sets it

private:
    CString m_strAppName;
    CString m_strExeName;
    CString m_strProfileName;
    std::unique_ptr<ApplicationProfile> m_profile;
    CTypedPtrList<CPtrList, CDocTemplate*> m_templates; // owned
};

// The host's application object, or the default one when the host made none.
VORNUI_API CWinApp* AfxGetApp();
VORNUI_API LPCTSTR AfxGetAppName();
// The application's main window (m_pMainWnd), null when there is none.
VORNUI_API CWnd* AfxGetMainWnd();

// The framework's message box: the application's name as caption, and a warning or
// question icon when the type names none.
VORNUI_API int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The same with string resource `promptId`, found through the resource chain.
VORNUI_API int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));
