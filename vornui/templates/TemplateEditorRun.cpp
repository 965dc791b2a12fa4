#include "vornui/templates/TemplateEditorRun.h"

#include "vornui/log/VornErr.h"
#include "vornui/log/VornTrace.h"
#include "vornui/module/VornuiModule.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Process.h"
#include "vornui/platform/WinApp.h"
#include "vornui/resources/ResourceIds.h"

#include <string>

namespace {

constexpr const char* kSource = "templates/TemplateEditorRun";
constexpr int kMaxCommandLine = 260;
constexpr DWORD kPollMilliseconds = 100;

void WaitUntilEnded(HANDLE process) {
    while (WaitForSingleObject(process, kPollMilliseconds) == WAIT_TIMEOUT) {
    }
    DWORD exitCode = 0;
    if (GetExitCodeProcess(process, &exitCode) && exitCode != 0)
        VornLogAt(kSource, __LINE__, 1, "The template editor ended with code %lu",
                  static_cast<unsigned long>(exitCode));
}

} // namespace

void RunTemplateEditorAndWait(const CString& commandLine) {
    if (commandLine.GetLength() > kMaxCommandLine) {
        VornErrAt(kSource, __LINE__, VORNERR_LOG_MESSAGE, "Template editor command too long: %s",
                  commandLine.GetString());
        AfxMessageBox(LoadVornuiString(IDS_FILE_PATH_TOO_LONG), MB_ICONERROR);
        return;
    }
    std::string line = commandLine.str();
    STARTUPINFO startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcess(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started)) {
        CString message;
        message.Format("An error occurred executing commandline:\n\n%s", commandLine.GetString());
        AfxMessageBox(message);
        return;
    }
    CloseHandle(started.hThread);
    WaitUntilEnded(started.hProcess);
    CloseHandle(started.hProcess);
}
