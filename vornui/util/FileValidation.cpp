#include "vornui/util/FileValidation.h"

#include "vornui/platform/FileSystem.h"
#include "vornui/platform/ShellFileInfo.h"
#include "vornui/platform/WinApp.h"

namespace {

struct Flags {
    bool mustExist = false;
    bool writable = false;
    bool create = false;
};

Flags FlagsOf(LPCTSTR flags) {
    CString letters(flags);
    letters.MakeLower();
    return Flags{letters.Find('r') >= 0, letters.Find('w') >= 0, letters.Find('c') >= 0};
}

[[noreturn]] void FailWith(CDataExchange* pDX, const CString& message) {
    AfxMessageBox(message, MB_ICONERROR);
    pDX->Fail();
}

[[noreturn]] void FailAbout(CDataExchange* pDX, const char* format, const CString& name) {
    CString message;
    message.Format(format, name.GetString());
    FailWith(pDX, message);
}

bool IsReadOnly(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Drive and folder of a file name, with the separator that ends them.
CString FolderPart(const CString& file) {
    const size_t separator = file.view().find_last_of("/\\");
    return separator == std::string_view::npos ? CString()
                                               : file.Left(static_cast<int>(separator) + 1);
}

// The folder's own name, as the shell shows it.
CString DisplayName(CString folder) {
    if (folder.GetLength() > 1)
        folder.TrimRight("/\\");
    SHFILEINFO info{};
    SHGetFileInfo(folder, 0, &info, sizeof info, SHGFI_DISPLAYNAME);
    return info.szDisplayName;
}

bool NothingToDo(const CDataExchange* pDX, LPCTSTR flags) {
    return !pDX->m_bSaveAndValidate || !flags || !*flags;
}

} // namespace

void DDX_File(CDataExchange* pDX, int nIDC, CString& value) {
    DDX_Text(pDX, nIDC, value);
}

void DDX_Path(CDataExchange* pDX, int nIDC, CString& value) {
    DDX_Text(pDX, nIDC, value);
}

void DDV_ValidFile(CDataExchange* pDX, const CString& file, LPCTSTR flags) {
    if (NothingToDo(pDX, flags))
        return;
    const Flags wanted = FlagsOf(flags);
    if (file.IsEmpty())
        FailWith(pDX, "Please enter a valid file");
    const DWORD attributes = GetFileAttributes(file);
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (wanted.writable && IsReadOnly(attributes))
            FailAbout(pDX, "\"%s\" is readonly", file);
        return;
    }
    if (wanted.mustExist)
        FailAbout(pDX, "\"%s\" does not exist", file);
    if (!wanted.writable)
        return;
    const CString folder = FolderPart(file);
    const DWORD folderAttributes =
        folder.IsEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributes(folder);
    if (folderAttributes == INVALID_FILE_ATTRIBUTES)
        FailAbout(pDX, "\"%s\" does not contain a valid path", file);
    if (IsReadOnly(folderAttributes))
        FailAbout(pDX, "\"%s\" is readonly", DisplayName(folder));
}

void DDV_ValidPath(CDataExchange* pDX, const CString& path, LPCTSTR flags) {
    if (NothingToDo(pDX, flags))
        return;
    const Flags wanted = FlagsOf(flags);
    if (path.IsEmpty())
        FailWith(pDX, "Please enter a valid path");
    const DWORD attributes = GetFileAttributes(path);
    const bool exists =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (exists) {
        if (wanted.writable && IsReadOnly(attributes))
            FailAbout(pDX, "\"%s\" is readonly", path);
        return;
    }
    if (wanted.mustExist)
        FailAbout(pDX, "\"%s\" is not a valid path", path);
    if (!wanted.create)
        return;
    CString question;
    question.Format("The folder: \"%s\" does not exist.\n Do you want to create it?",
                    path.GetString());
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        pDX->Fail();
    if (!CreateDirectory(path, nullptr))
        FailWith(pDX, "Failed Creating Folder");
}
