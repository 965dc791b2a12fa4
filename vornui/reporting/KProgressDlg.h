#pragma once

// A modeless progress dialog: a bar, a percentage (or a raw count), a status line and an
// optional Cancel button. While it is up its owner is disabled, as under a modal dialog;
// the worker keeps the window alive by polling IsCancelled, which lets the user interface
// catch up.
//
// The static functions drive one process-wide shared instance, so that nested pieces of
// work can share one dialog: each user calls Create (or CreateCounter) once, then
// SetMessage / SetProgress / IsProgressing, then Release once. The window goes when the
// last user releases it, when the user cancels, or when SetProgress shows exactly 100%.

#include "vornui/platform/CString.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/ProgressCtrl.h"
#include "vornui/reporting/IProgressIndicator.h"

#include <optional>

class VORNUI_API KProgressDlg : public CDialog, public IProgressIndicator {
public:
    // `cancelAllowed` enables the Cancel button (and Escape); the caption is "Processing".
    explicit KProgressDlg(int cancelAllowed);
    // `titleId` is a string of the host application (0: the library's "Processing");
    // `placementName`, when not empty, is the profile section that remembers the position.
    KProgressDlg(int cancelAllowed, unsigned int titleId, CString placementName);
    ~KProgressDlg() override;
    KProgressDlg(const KProgressDlg&) = delete;
    KProgressDlg& operator=(const KProgressDlg&) = delete;

    // The percentage dialog; the owner is the safe owner of `parent`.
    int Create(CWnd* parent) override;
    // The counter dialog, which shows the raw position and never closes by itself.
    int CreateCounter(CWnd* parent);
    // Gives the owner back and destroys the window: 0 when there was none. On the shared
    // instance it also ends the sharing.
    int DestroyWindow() override;
    // 1 once after the user cancelled; otherwise lets the user interface catch up and
    // returns 0. Host callbacks may run inside it.
    int IsCancelled() override;
    void SetStatus(const char* text) override;
    // The bounds may be reversed (lower > upper); the bar gets them in order.
    void SetRange(int lower, int upper) override;
    // -1 without a window or bar; otherwise the bar's previous position.
    int SetPos(int pos) override;
    int SetStep(int step);
    int StepIt();
    int OffsetPos(int distance);

    // The percentage (or count) shown last.
    int CurrentProgressPos() const { return m_nCurrent; }
    int IsACounter() const { return m_bCounter; }

    // The shared instance. Create and CreateCounter always return 1; a title that is not
    // empty becomes the caption; the cancel flag of later users is ignored.
    static int Create(CString title, int cancelAllowed);
    static int CreateCounter(CString title, int cancelAllowed);
    static int SetMessage(CString text);
    // Shows position `pos` of `maximum` and returns IsProgressing(), or 0 when the
    // percentage reaches exactly 100 and the dialog closes. The range set for maximum > 0
    // is 0..maximum, so that a user sees pos of maximum move (25 of 100 shows 25%).
    static int SetProgress(int pos, int maximum);
    // 1 while the shared dialog runs; 0 without one, or when the user cancelled (the
    // dialog is then closed).
    static int IsProgressing();
    static int IsReferenced();
    // One user fewer; the last one closes the dialog.
    static int Release();

    static KProgressDlg* g_pDlg; // the shared instance, null when there is none
    static int g_nRef;           // its number of users

protected:
    // Handles every message waiting in the thread's queue; returns when it is empty or
    // the window is gone (a message may have destroyed the dialog and its object).
    void PumpMessages();
    // Enables the owner again if this dialog disabled it.
    void ReEnableParent();

    // The window's life: the bar is bound to item 20104; initialisation sends the range,
    // step and caption; Cancel is refused, recorded, or (shared instance) ends the dialog;
    // the shared instance deletes itself when its window is gone.
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void PostNcDestroy() override;

    CProgressCtrl m_Progress;    // the bar, item 20104
    unsigned int m_nTitleId = 0; // caption string of the host; 0: "Processing"
    int m_nLower = 0;            // logical start of the range
    int m_nUpper = 100;          // logical end; may be below the start
    int m_nStep = 5;             // what StepIt adds
    int m_bParentDisabled = 0;   // 1 while the owner is disabled by this dialog
    int m_bCounter = 0;          // 1: a raw count instead of a percentage
    int m_bCancelAllowed;        // the Cancel button and Escape work
    int m_bCancelRequested = 0;  // set by Cancel, cleared when IsCancelled reports it
    int m_nCurrent = 0;          // the percentage (or count) shown last
    int m_bSelfOwned = 0;        // 1 for the shared instance, which deletes itself
    CString m_strPlacement;      // profile section of the remembered position, or empty

private:
    // The framework's creation from any template, kept out of reach: the window is made
    // from its own template (Create(CWnd*)).
    BOOL Create(UINT idTemplate, CWnd* parent) override;

    int CreateFromTemplate(UINT templateId, CWnd* parent);
    static int CreateShared(CString title, int cancelAllowed, bool counter);
    bool HasBar() const;
    void UpdateValueText(long long pos);

    HWND m_hOwner = nullptr;               // the owner disabled while the dialog is up
    std::optional<long long> m_shownValue; // the value whose text the dialog shows
};
