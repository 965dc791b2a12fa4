#include "vornui/edits/IncludeExclude.h"

#include "vornui/module/VornuiModule.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/resources/EditorDialogIds.h"

namespace {

constexpr int kIconSide = 16;

HANDLE LoadArrow(WORD id) {
    const LPCTSTR name = MAKEINTRESOURCE(id);
    return LoadImage(AfxFindResourceHandle(name, RT_GROUP_ICON), name, IMAGE_ICON, kIconSide,
                     kIconSide, LR_SHARED);
}

void Fill(CListBox& list, const CStringList& names) {
    for (POSITION position = names.GetHeadPosition(); position;)
        list.AddString(names.GetNext(position));
}

void Read(const CListBox& list, CStringList& names) {
    names.RemoveAll();
    CString name;
    for (int index = 0; index < list.GetCount(); ++index) {
        list.GetText(index, name);
        names.AddTail(name);
    }
}

} // namespace

CIncludeExclude::CIncludeExclude(CWnd* pParent) : CDialog(IDD_INCLUDE_EXCLUDE, pParent) {}

// clang-format off
BEGIN_MESSAGE_MAP(CIncludeExclude, CDialog)
    ON_BN_CLICKED(IDC_MOVE_TO_INCLUDED, &ThisClass::OnMoveToIncluded)
    ON_BN_CLICKED(IDC_MOVE_TO_EXCLUDED, &ThisClass::OnMoveToExcluded)
    ON_CONTROL(LBN_DBLCLK, IDC_EXCLUDED_LIST, &ThisClass::OnMoveToIncluded)
    ON_CONTROL(LBN_DBLCLK, IDC_INCLUDED_LIST, &ThisClass::OnMoveToExcluded)
END_MESSAGE_MAP()
// clang-format on

void CIncludeExclude::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXCLUDED_LIST, m_ExcludedList);
    DDX_Control(pDX, IDC_INCLUDED_LIST, m_IncludedList);
    DDX_Control(pDX, IDC_MOVE_TO_INCLUDED, m_ToIncluded);
    DDX_Control(pDX, IDC_MOVE_TO_EXCLUDED, m_ToExcluded);
}

BOOL CIncludeExclude::OnInitDialog() {
    CDialog::OnInitDialog();
    m_ToIncluded.SetIcon(LoadArrow(IDI_MOVE_TO_INCLUDED));
    m_ToExcluded.SetIcon(LoadArrow(IDI_MOVE_TO_EXCLUDED));
    m_Selected.resize(static_cast<size_t>(m_Excluded.GetCount() + m_Included.GetCount()));
    Fill(m_ExcludedList, m_Excluded);
    Fill(m_IncludedList, m_Included);
    return TRUE;
}

void CIncludeExclude::OnOK() {
    Read(m_ExcludedList, m_Excluded);
    Read(m_IncludedList, m_Included);
    CDialog::OnOK();
}

void CIncludeExclude::OnMoveToIncluded() {
    Move(m_ExcludedList, m_IncludedList);
}

void CIncludeExclude::OnMoveToExcluded() {
    Move(m_IncludedList, m_ExcludedList);
}

// The selected names go across, the last first; the entry now at the first moved place
// (or the last entry) is selected afterwards.
void CIncludeExclude::Move(CListBox& source, CListBox& destination) {
    const int count = source.GetSelItems(static_cast<int>(m_Selected.size()), m_Selected.data());
    if (count <= 0)
        return;
    CString name;
    for (int each = count - 1; each >= 0; --each) {
        source.GetText(m_Selected[each], name);
        source.DeleteString(static_cast<UINT>(m_Selected[each]));
        destination.AddString(name);
    }
    const int remaining = source.GetCount();
    if (remaining > 0)
        source.SetSel(m_Selected[0] < remaining ? m_Selected[0] : remaining - 1);
}

int IncludeExclude(CStringList* excluded, CStringList* included, CWnd* parent) {
    if (!excluded || !included)
        return 0;
    const KResourceScope libraryResources;
    CIncludeExclude dialog(parent);
    dialog.m_Excluded.AddTail(excluded);
    dialog.m_Included.AddTail(included);
    if (dialog.DoModal() != IDOK)
        return 0;
    excluded->RemoveAll();
    excluded->AddTail(&dialog.m_Excluded);
    included->RemoveAll();
    included->AddTail(&dialog.m_Included);
    return 1;
}
