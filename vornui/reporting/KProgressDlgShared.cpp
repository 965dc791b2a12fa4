// The process-wide progress dialog that nested pieces of work share.

#include "vornui/reporting/KProgressDlg.h"

KProgressDlg* KProgressDlg::g_pDlg = nullptr;
int KProgressDlg::g_nRef = 0;

int KProgressDlg::CreateShared(CString title, int cancelAllowed, bool counter) {
    if (!g_pDlg) {
        auto* shared = new KProgressDlg(cancelAllowed);
        const int created = counter ? shared->CreateCounter(nullptr) : shared->Create(nullptr);
        if (created) {
            // From here the object goes with its window; before, a window that failed to
            // come up must not take the object with it, since it is deleted here.
            shared->m_bSelfOwned = 1;
            g_pDlg = shared;
        } else {
            delete shared;
        }
        g_nRef = 0;
    }
    if (g_pDlg && !title.IsEmpty() && ::IsWindow(g_pDlg->m_hWnd))
        g_pDlg->SetWindowText(title);
    ++g_nRef;
    return 1;
}

int KProgressDlg::Create(CString title, int cancelAllowed) {
    return CreateShared(title, cancelAllowed, false);
}

int KProgressDlg::CreateCounter(CString title, int cancelAllowed) {
    return CreateShared(title, cancelAllowed, true);
}

int KProgressDlg::SetMessage(CString text) {
    if (!g_pDlg)
        return 0;
    g_pDlg->SetStatus(text);
    return 1;
}

int KProgressDlg::SetProgress(int pos, int maximum) {
    if (!g_pDlg)
        return 0;
    if (maximum > 0)
        g_pDlg->SetRange(0, maximum);
    g_pDlg->SetPos(pos);
    if (!g_pDlg->m_bCounter && g_pDlg->m_nCurrent == 100) {
        g_pDlg->DestroyWindow();
        return 0;
    }
    return IsProgressing();
}

int KProgressDlg::IsProgressing() {
    if (!g_pDlg)
        return 0;
    if (!g_pDlg->IsCancelled())
        return 1;
    if (g_pDlg)
        g_pDlg->DestroyWindow();
    return 0;
}

int KProgressDlg::IsReferenced() {
    return g_nRef > 0 ? 1 : 0;
}

int KProgressDlg::Release() {
    --g_nRef;
    if (g_nRef <= 0 && g_pDlg)
        return g_pDlg->DestroyWindow();
    return 0;
}
