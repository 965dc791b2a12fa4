#include "vornui/properties/KPropertySheet.h"

#include "vornui/platform/Resources.h"

IMPLEMENT_DYNAMIC(KPropertySheet, KFPropertySheetEx)

KPropertySheet::KPropertySheet() {
    Construct("", nullptr, 0);
}

KPropertySheet::KPropertySheet(unsigned int idCaption, CWnd* parent, unsigned int selectPage)
    : KFPropertySheetEx(idCaption, parent, selectPage) {}

KPropertySheet::KPropertySheet(const char* caption, CWnd* parent, unsigned int selectPage)
    : KFPropertySheetEx(caption, parent, selectPage) {}

void KPropertySheet::ShowIconInTitleBar(unsigned int idIcon) {
    if (idIcon == 0)
        return;
    const LPCTSTR name = MAKEINTRESOURCE(idIcon);
    m_hIcon = ::LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
}

void KPropertySheet::ChangedPage(CPropertyPage* page) {
    if (!IsWizard() || !m_hWnd)
        return;
    const int index = GetPageIndex(page);
    const int last = GetPageCount() - 1;
    DWORD buttons = PSWIZB_BACK | PSWIZB_NEXT;
    if (index == last)
        buttons = last == 0 ? PSWIZB_FINISH : PSWIZB_BACK | PSWIZB_FINISH;
    else if (index == 0)
        buttons = PSWIZB_NEXT;
    PostMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

BOOL KPropertySheet::OnInitDialog() {
    const BOOL result = KFPropertySheetEx::OnInitDialog();
    if (m_hIcon) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    }
    return result;
}
