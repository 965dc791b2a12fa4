#include "vornui/edits/EditSequence.h"

#include "vornui/edits/EditString.h"
#include "vornui/module/VornuiModule.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/resources/EditorDialogIds.h"

CEditSequence::CEditSequence(CWnd* pParent) : CDialog(IDD_EDIT_SEQUENCE, pParent) {}

// clang-format off
BEGIN_MESSAGE_MAP(CEditSequence, CDialog)
    ON_BN_CLICKED(IDC_SEQUENCE_EDIT, &ThisClass::OnEdit)
    ON_BN_CLICKED(IDC_SEQUENCE_DELETE, &ThisClass::OnDelete)
    ON_BN_CLICKED(IDC_SEQUENCE_COPY, &ThisClass::OnCopy)
    ON_BN_CLICKED(IDC_SEQUENCE_NEW, &ThisClass::OnNew)
    ON_BN_CLICKED(IDC_SEQUENCE_UP, &ThisClass::OnUp)
    ON_BN_CLICKED(IDC_SEQUENCE_DOWN, &ThisClass::OnDown)
END_MESSAGE_MAP()
// clang-format on

void CEditSequence::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEQUENCE_LIST, m_List);
}

BOOL CEditSequence::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const CString& entry : m_Sequence)
        m_List.AddString(entry);
    if (m_List.GetCount() > 0)
        m_List.SetCurSel(0);
    return TRUE;
}

void CEditSequence::OnOK() {
    m_Sequence.RemoveAll();
    CString entry;
    for (int index = 0; index < m_List.GetCount(); ++index) {
        m_List.GetText(index, entry);
        m_Sequence.Add(entry);
    }
    CDialog::OnOK();
}

bool CEditSequence::AskForString(CString& value) {
    CEditString editor(this);
    editor.m_strValue = value;
    if (editor.DoModal() != IDOK)
        return false;
    value = editor.m_strValue;
    return true;
}

void CEditSequence::OnNew() {
    CString value = "Enter string";
    if (AskForString(value))
        m_List.SetCurSel(m_List.AddString(value));
}

void CEditSequence::OnEdit() {
    const int selected = m_List.GetCurSel();
    if (selected < 0)
        return;
    CString value;
    m_List.GetText(selected, value);
    if (!AskForString(value))
        return;
    m_List.DeleteString(static_cast<UINT>(selected));
    m_List.InsertString(selected, value);
    m_List.SetCurSel(selected);
}

void CEditSequence::OnCopy() {
    const int selected = m_List.GetCurSel();
    if (selected < 0)
        return;
    CString value;
    m_List.GetText(selected, value);
    m_List.SetCurSel(m_List.AddString(value + "***"));
}

void CEditSequence::OnDelete() {
    const int selected = m_List.GetCurSel();
    if (selected < 0)
        return;
    m_List.DeleteString(static_cast<UINT>(selected));
    m_List.SetCurSel(-1);
}

void CEditSequence::OnUp() {
    SwapWithSelected(m_List.GetCurSel() - 1);
}

void CEditSequence::OnDown() {
    const int selected = m_List.GetCurSel();
    SwapWithSelected(selected < 0 ? -1 : selected + 1);
}

// The selected entry trades places with entry `other` and stays selected.
void CEditSequence::SwapWithSelected(int other) {
    const int selected = m_List.GetCurSel();
    if (selected < 0 || other < 0 || other >= m_List.GetCount())
        return;
    CString moving;
    m_List.GetText(selected, moving);
    m_List.DeleteString(static_cast<UINT>(selected));
    m_List.InsertString(other, moving);
    m_List.SetCurSel(other);
}

int EditSequence(CStringArray* sequence, CWnd* parent) {
    if (!sequence)
        return 0;
    const KResourceScope libraryResources;
    CEditSequence dialog(parent);
    dialog.m_Sequence.Copy(*sequence);
    if (dialog.DoModal() != IDOK)
        return 0;
    sequence->Copy(dialog.m_Sequence);
    return 1;
}
