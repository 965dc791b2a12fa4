#include "vornui/templates/TemplateEditor.h"

#include "vornui/log/VornErr.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/WinApp.h"
#include "vornui/templates/AsciiTemplate.h"

#include <cstring>

namespace {

constexpr const char* kSource = "templates/TemplateEditor";

// The tide and CTD modules have editor command lines of their own form.
bool HasOwnCommandLine(const char* module) {
    return module &&
           (std::strcmp(module, "TERRAL_TIDE") == 0 || std::strcmp(module, "TERRAL_CTD") == 0);
}

bool Exists(const CString& path) {
    return GetFileAttributes(path) != INVALID_FILE_ATTRIBUTES;
}

// A new module folder starts with the meta template the suite ships, when it names one.
bool SeedMetaTemplate(const CString& moduleFolder) {
    char home[MAX_PATH];
    const DWORD length = GetEnvironmentVariable("VORNHOME", home, sizeof home);
    if (length == 0 || length >= sizeof home)
        return true;
    const std::string source = JoinPath(home, "Data/_meta_.aft");
    const std::string target = JoinPath(moduleFolder.GetString(), "_meta_.aft");
    if (CopyFile(source.c_str(), target.c_str(), FALSE))
        return true;
    VornErrAt(kSource, __LINE__, VORNERR_LOG_MESSAGE, "Couldn't copy %s to %s", source.c_str(),
              target.c_str());
    return false;
}

} // namespace

CString FormatNewTemplateCommand(const char* module, const char* exampleFile) {
    CString command;
    if (HasOwnCommandLine(module))
        command.Format("FormatWizard.exe /m %s /e  \"%s\"", module, exampleFile);
    else
        command.Format("FormatWizard /m \"%s\" /e \"%s\"", module, exampleFile);
    return command;
}

CString FormatEditTemplateCommand(const char* module, const char* exampleFile,
                                  const char* templateName) {
    CString command;
    if (HasOwnCommandLine(module))
        command.Format("FormatWizard.exe /m %s /e \"%s\" /t \"%s\"", module, exampleFile,
                       templateName);
    else
        command.Format("FormatWizard /m \"%s\" /e \"%s\" /t \"%s\"", module, exampleFile,
                       templateName);
    return command;
}

bool PrepareSvpTemplateStore() {
    const CString root = GetAsciiTemplateRoot();
    if (!Exists(root)) {
        CString question;
        question.Format("Needed template folder '%s' doen't exist!?\nCreate the folder?",
                        root.GetString());
        if (AfxMessageBox(question, MB_OKCANCEL) != IDOK)
            return false;
        CreateDirectory(root, nullptr);
    }
    const CString moduleFolder = JoinPath(root.GetString(), "Terral_SVP").c_str();
    if (Exists(moduleFolder))
        return true;
    if (!CreateDirectory(moduleFolder, nullptr)) {
        VornErrAt(kSource, __LINE__, VORNERR_LOG_MESSAGE, "Couldn't create %s",
                  moduleFolder.GetString());
        AfxMessageBox("Couldn't create ascii template folder!?");
        return false;
    }
    if (!SeedMetaTemplate(moduleFolder)) {
        AfxMessageBox("Couldn't find/copy meta ascii template file!?");
        return false;
    }
    return true;
}
