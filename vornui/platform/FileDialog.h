#pragma once

// The framework's file chooser around GetOpenFileName and GetSaveFileName. Filters come
// in the framework's form, "Text (*.txt)|*.txt|All files (*.*)|*.*||".

#include "vornui/platform/CString.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/FileChooser.h"

#include <vector>

class VORNUI_API CFileDialog : public CDialog {
public:
    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr,
                         LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCTSTR filter = nullptr, CWnd* parent = nullptr, DWORD size = 0,
                         BOOL vistaStyle = TRUE);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose, IDCANCEL otherwise.
    INT_PTR DoModal() override;

    CString GetPathName() const;   // the first file chosen, with its folder
    CString GetFileName() const;   // its name
    CString GetFileExt() const;    // its extension, without the dot
    CString GetFileTitle() const;  // its name without the extension
    CString GetFolderPath() const; // the folder of the files chosen
    // Walking the files of a multiple choice.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& position) const;

    OPENFILENAME m_ofn;
    BOOL m_bOpenFileDialog;

private:
    std::vector<CString> ChosenPaths() const;

    CString m_strFilter; // with its separators turned into zero bytes
    CString m_strDefExt;
    std::vector<char> m_fileBuffer;
    std::vector<char> m_titleBuffer;
};
