#include "vornui/util/StartProgram.h"

#include "vornui/module/VornuiModule.h"
#include "vornui/platform/CString.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Process.h"
#include "vornui/platform/SystemPrograms.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/resources/ResourceIds.h"

#include <string>
#include <vector>

namespace {

constexpr int kMaxCommandLine = 2048;

bool Start(const CString& commandLine, DWORD creationFlags, STARTUPINFO& startup) {
    std::string line = commandLine.str();
    PROCESS_INFORMATION started{};
    if (!CreateProcess(nullptr, line.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                       nullptr, &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

void TellNotStarted(const CString& commandLine, DWORD error) {
    CString message;
    message.Format("Warning: '%s' could not be started or found!\nError %lu",
                   commandLine.GetString(), static_cast<unsigned long>(error));
    AfxMessageBox(message, MB_ICONINFORMATION);
}

// The line made from `pattern` must give the program `path` as the argument it was meant
// to be; a path that the line's quoting would change is refused, not passed altered.
HRESULT StartWithPath(const char* pattern, const char* argumentPrefix, LPCTSTR path) {
    CString commandLine;
    commandLine.Format(pattern, path ? path : "");
    const std::vector<std::string> words = SplitCommandLine(commandLine.view());
    if (words.size() != 2 || words[1] != std::string(argumentPrefix) + (path ? path : "")) {
        TellNotStarted(commandLine, ERROR_INVALID_NAME);
        return E_FAIL;
    }
    return StartWindowsApp(commandLine);
}

} // namespace

HRESULT StartWindowsApp(LPCTSTR commandLine) {
    const CString line(commandLine);
    if (line.GetLength() > kMaxCommandLine) {
        AfxMessageBox(LoadVornuiString(IDS_FILE_PATH_TOO_LONG) + "\n\n" + line, MB_ICONERROR);
        return E_FAIL;
    }
    STARTUPINFO startup{};
    startup.cb = sizeof startup;
    if (!Start(line, 0, startup)) {
        TellNotStarted(line, GetLastError());
        return E_FAIL;
    }
    return S_OK;
}

HRESULT StartWinProcessDetached(LPCTSTR commandLine) {
    char title[] = "Running console program";
    STARTUPINFO startup{};
    startup.cb = sizeof startup;
    startup.lpTitle = title;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    return Start(CString(commandLine), CREATE_NEW_CONSOLE, startup) ? S_OK : E_FAIL;
}

HRESULT OpenContainingFolder(LPCTSTR path) {
    return StartWithPath("explorer /select,\"%s\"", "/select,", path);
}

HRESULT OpenFileInNotepad(LPCTSTR path) {
    return StartWithPath("notepad.exe \"%s\"", "", path);
}
