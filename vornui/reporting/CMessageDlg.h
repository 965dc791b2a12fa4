#pragma once

// A small modeless window with one line of text, for "busy" notices that worker code
// updates while it runs. Its owner is disabled while it is up. Enter does nothing;
// Escape and the close box hide it through the dialog's usual cancel, after which the
// worker's calls stay harmless.

#include "vornui/platform/CString.h"
#include "vornui/platform/Dialog.h"
#include "vornui/reporting/IMessageReporter.h"

class VORNUI_API CMessageDlg : public CDialog, public IMessageReporter {
public:
    CMessageDlg();
    // `placementName`, when not empty, is the profile section that remembers the position.
    explicit CMessageDlg(CString placementName);
    ~CMessageDlg() override;
    CMessageDlg(const CMessageDlg&) = delete;
    CMessageDlg& operator=(const CMessageDlg&) = delete;

    // The window "Message"; the owner is the safe owner of `parent`. 0 on failure.
    int Create(CWnd* parent) override;
    // Gives the owner back and destroys the window.
    int DestroyWindow() override;
    void SetMessage(const char* text) override;
    // Nothing: Enter does not close the window.
    void OnOK() override;
    // Handles every message waiting in the thread's queue; host callbacks may run inside.
    void PumpMessages() override;

protected:
    // Enables the owner again if this window disabled it.
    void ReEnableParent();
    // Puts the window where it was last time, when it has a placement name.
    BOOL OnInitDialog() override;

    CString m_strPlacement;    // profile section of the remembered position, or empty
    int m_bParentDisabled = 0; // 1 while the owner is disabled by this window

private:
    // The framework's creation from any template, kept out of reach: the window is made
    // from its own template (Create(CWnd*)).
    BOOL Create(UINT idTemplate, CWnd* parent) override;

    HWND m_hOwner = nullptr; // the owner disabled while the window is up
};
