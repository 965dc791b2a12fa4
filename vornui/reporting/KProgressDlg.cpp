#include "vornui/reporting/KProgressDlg.h"

#include "vornui/layout/RememberDlgPos.h"
#include "vornui/module/VornuiModule.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/WinApp.h"
#include "vornui/reporting/ModelessDialogSupport.h"
#include "vornui/resources/ReportingIds.h"
#include "vornui/resources/ResourceIds.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

// The percentage of `pos` in lower..upper, truncated; what is not exactly 100 wraps at 100
// (150 shows 50), and what is negative or has no range shows 0.
int PercentageOf(long long pos, int lower, int upper) {
    const double percent =
        (static_cast<double>(pos) - lower) * 100.0 / (static_cast<double>(upper) - lower);
    if (!(percent > 0) || std::isinf(percent))
        return 0;
    // Positions lie within 2^33 of the bounds, so the whole part fits 64 bits with room.
    const long long whole = static_cast<long long>(percent);
    return whole == 100 ? 100 : static_cast<int>(whole % 100);
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool FitsShort(int value) {
    return value >= SHRT_MIN && value <= SHRT_MAX;
}

} // namespace

KProgressDlg::KProgressDlg(int cancelAllowed)
    : IProgressIndicator(cancelAllowed), m_bCancelAllowed(cancelAllowed) {}

KProgressDlg::KProgressDlg(int cancelAllowed, unsigned int titleId, CString placementName)
    : IProgressIndicator(cancelAllowed, titleId), m_nTitleId(titleId),
      m_bCancelAllowed(cancelAllowed), m_strPlacement(placementName) {}

KProgressDlg::~KProgressDlg() {
    m_bSelfOwned = 0; // being deleted already: the window's end must not delete it again
    if (g_pDlg == this) {
        g_pDlg = nullptr;
        g_nRef = 0;
    }
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

int KProgressDlg::Create(CWnd* parent) {
    return CreateFromTemplate(IDD_PROGRESS, parent);
}

int KProgressDlg::CreateCounter(CWnd* parent) {
    return CreateFromTemplate(IDD_PROGRESS_COUNTER, parent);
}

int KProgressDlg::CreateFromTemplate(UINT templateId, CWnd* parent) {
    m_pParentWnd = DisableSafeOwner(parent, m_hOwner, m_bParentDisabled);
    if (templateId == IDD_PROGRESS_COUNTER)
        m_bCounter = 1;
    BOOL created;
    {
        KResourceScope libraryResources;
        created = CDialog::Create(templateId, m_pParentWnd);
    }
    if (!created) {
        ReEnableParent();
        return 0;
    }
    ShowWindow(SW_SHOW);
    return 1;
}

void KProgressDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PROGRESS_BAR, m_Progress);
}

BOOL KProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CWnd* cancel = GetDlgItem(IDCANCEL))
        cancel->EnableWindow(m_bCancelAllowed != 0);
    // The bar takes 16-bit bounds here, as it always has; bounds beyond them go whole.
    if (FitsShort(m_nLower) && FitsShort(m_nUpper))
        m_Progress.SetRange(static_cast<short>(m_nLower), static_cast<short>(m_nUpper));
    else
        m_Progress.SetRange32(std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    m_Progress.SetStep(m_nStep);
    m_Progress.SetPos(m_nLower);
    m_shownValue.reset();

    CString caption;
    if (m_nTitleId != 0) {
        const HINSTANCE previous = AfxGetResourceHandle();
        AfxSetResourceHandle(AfxGetInstanceHandle());
        caption.LoadString(m_nTitleId);
        AfxSetResourceHandle(previous);
    } else {
        caption = LoadVornuiString(IDS_PROCESSING);
    }
    SetWindowText(caption);

    if (!m_strPlacement.IsEmpty())
        RememberDlgPos().CombinePreviousAndCurrent(m_strPlacement, this);
    return TRUE;
}

int KProgressDlg::DestroyWindow() {
    if (g_pDlg == this) {
        g_pDlg = nullptr;
        g_nRef = 0;
    }
    if (!::IsWindow(m_hWnd))
        return 0;
    if (!m_strPlacement.IsEmpty())
        RememberDlgPos().SaveWindowPosition(m_strPlacement, this);
    ReEnableParent();
    return CDialog::DestroyWindow(); // a self-owned dialog is gone after this
}

void KProgressDlg::ReEnableParent() {
    ReEnableOwner(m_hOwner, m_bParentDisabled);
}

void KProgressDlg::PumpMessages() {
    if (m_hWnd) // detached when the window went
        PumpDialogMessages(m_hWnd, PumpEnd::QueueEmptyOrDialogGone);
}

int KProgressDlg::IsCancelled() {
    if (m_bCancelRequested) {
        m_bCancelRequested = 0;
        return 1;
    }
    PumpMessages(); // may delete a self-owned dialog: nothing of it is touched after
    return 0;
}

void KProgressDlg::SetStatus(const char* text) {
    if (::IsWindow(m_hWnd))
        SetDlgItemText(IDC_STATUS_TEXT, text);
}

void KProgressDlg::SetRange(int lower, int upper) {
    if (lower == m_nLower && upper == m_nUpper)
        return; // the bar has them already, from initialisation or the last call
    m_nLower = lower;
    m_nUpper = upper;
    m_shownValue.reset();
    if (HasBar())
        m_Progress.SetRange32(std::min(lower, upper), std::max(lower, upper));
}

bool KProgressDlg::HasBar() const {
    // Both are detached from their objects when their windows go (the bar with the dialog,
    // or alone), so the handles say it without asking the window manager.
    return m_hWnd && m_Progress.m_hWnd;
}

int KProgressDlg::SetPos(int pos) {
    if (!HasBar())
        return -1;
    UpdateValueText(pos);
    long long barPos = pos;
    if (m_nLower > m_nUpper) // reversed: the bar fills as the position goes down
        barPos = std::max(0LL, static_cast<long long>(m_nLower) + m_nUpper - pos);
    return m_Progress.SetPos(ClampToInt(barPos));
}

int KProgressDlg::SetStep(int step) {
    if (!HasBar())
        return -1;
    m_nStep = step;
    return m_Progress.SetStep(step);
}

int KProgressDlg::StepIt() {
    if (!HasBar())
        return -1;
    const int previous = m_Progress.StepIt();
    UpdateValueText(static_cast<long long>(previous) + m_Progress.GetStep());
    return previous;
}

int KProgressDlg::OffsetPos(int distance) {
    if (!HasBar())
        return -1;
    const int previous = m_Progress.OffsetPos(distance);
    UpdateValueText(static_cast<long long>(previous) + distance);
    return previous;
}

void KProgressDlg::UpdateValueText(long long pos) {
    const long long value = m_bCounter ? pos : PercentageOf(pos, m_nLower, m_nUpper);
    m_nCurrent = ClampToInt(value);
    if (m_shownValue == value)
        return; // the same text: nothing to compare or repaint
    m_shownValue = value;
    char text[32];
    if (m_bCounter)
        std::snprintf(text, sizeof text, "%lld", value);
    else
        std::snprintf(text, sizeof text, "%d%c", static_cast<int>(value), '%');
    CString current;
    GetDlgItemText(IDC_PROGRESS_VALUE, current);
    if (current.Compare(text) != 0) // setting the same text would make the static flicker
        SetDlgItemText(IDC_PROGRESS_VALUE, text);
}

void KProgressDlg::OnCancel() {
    if (!m_bCancelAllowed)
        return;
    m_bCancelRequested = 1;
    if (m_bSelfOwned) {
        CDialog::OnCancel();
        DestroyWindow(); // deletes this
    }
}

void KProgressDlg::PostNcDestroy() {
    CDialog::PostNcDestroy();
    if (m_bSelfOwned)
        delete this;
}

BOOL KProgressDlg::Create(UINT idTemplate, CWnd* parent) {
    return CDialog::Create(idTemplate, parent);
}
