#pragma once

// The framework's dialog: made from a template resource, modal (DoModal, with its nested
// loop) or modeless (Create). OnInitDialog loads the members into the controls
// (UpdateData(FALSE)); OK saves and validates them (UpdateData(TRUE)) and ends the dialog
// only when that succeeds; Cancel ends it at once.

#include "vornui/platform/DialogManager.h"
#include "vornui/platform/DialogTemplate.h"
#include "vornui/platform/Wnd.h"

class VORNUI_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    using CWnd::Create;
    CDialog();
    explicit CDialog(UINT idTemplate, CWnd* parent = nullptr);
    explicit CDialog(LPCTSTR templateName, CWnd* parent = nullptr);

    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT idTemplate, CWnd* parent = nullptr);
    BOOL Create(LPCTSTR templateName, CWnd* parent = nullptr);
    BOOL CreateIndirect(const DialogTemplate* dialogTemplate, CWnd* parent = nullptr);
    // DoModal then runs this template instead of a resource.
    BOOL InitModalIndirect(const DialogTemplate* dialogTemplate, CWnd* parent = nullptr);

    void EndDialog(int result);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT rect) const;

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    CWnd* m_pParentWnd = nullptr;
    const DialogTemplate* m_lpDialogTemplate = nullptr;

private:
    BOOL CreateFromTemplate(const DialogTemplate* dialogTemplate, HWND parent);
    const DialogTemplate* FindTemplate() const;
    HWND ModalParent() const;

    bool m_bContinueModal = false;
    int m_nModalResult = -1;
};
