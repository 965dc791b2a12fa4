#include "vornui/properties/KPropertyCombo.h"

#include "vornui/platform/CMenu.h"
#include "vornui/properties/KPropWnd.h"

#include <algorithm>

namespace {

// Items reserve room for this many; more may be added.
constexpr size_t kReservedItems = 100;
// The ids of the window's range that belong to the active row.
constexpr UINT kRowCommands = 80;
constexpr UINT kFirstMenuEntry = 2; // after the edit and the button

} // namespace

KPropertyCombo::KPropertyCombo(IPropertyHost* host, const char* name, void* data, bool editable)
    : KIconTextButtonProperty(host, name, data, editable) {
    m_itemTexts.reserve(kReservedItems);
    m_itemValues.reserve(kReservedItems);
}

int KPropertyCombo::AddItem(const char* text, int value) {
    m_itemTexts.emplace_back(text);
    m_itemValues.push_back(value);
    return GetItemCount() - 1;
}

int KPropertyCombo::AddItem(const char* text) {
    return AddItem(text, GetItemCount());
}

void KPropertyCombo::AddItems(const CStringArray& texts) {
    for (INT_PTR i = 0; i < texts.GetSize(); ++i)
        AddItem(texts[i]);
}

void KPropertyCombo::AddSeparator() {
    m_separators.push_back(GetItemCount());
}

void KPropertyCombo::RemoveAllItems() {
    m_itemTexts.clear();
    m_itemValues.clear();
    m_separators.clear();
}

CString KPropertyCombo::GetItemText(int index) const {
    return index >= 0 && index < GetItemCount() ? m_itemTexts[static_cast<size_t>(index)]
                                                : CString();
}

int KPropertyCombo::GetItemValue(int index) const {
    return index >= 0 && index < GetItemCount() ? m_itemValues[static_cast<size_t>(index)] : 0;
}

int KPropertyCombo::BoundValue() const {
    if (m_bByte)
        return *static_cast<const unsigned char*>(m_pData);
    return *static_cast<const int*>(m_pData);
}

void KPropertyCombo::Store(int value) {
    if (m_bByte)
        *static_cast<unsigned char*>(m_pData) = static_cast<unsigned char>(value);
    else
        *static_cast<int*>(m_pData) = value;
}

bool KPropertyCombo::Accepted(int value) {
    if (!Accepts(&value))
        return false;
    if (m_pSecondListener)
        m_pSecondListener->AcceptChange(m_pData, nullptr);
    return true;
}

bool KPropertyCombo::OnCommand(KPropWnd* wnd, UINT id, UINT) {
    UINT first = 0;
    UINT last = 0;
    wnd->GetCommandRange(first, last);
    if (id == first + 1) {
        ShowMenu(wnd, first, last);
        return false;
    }
    if (id < first + kFirstMenuEntry || id > last)
        return false;
    const size_t index = id - first - kFirstMenuEntry;
    if (index >= m_itemValues.size())
        return false;
    const int value = m_itemValues[index];
    if (value == BoundValue() || !Accepted(value))
        return false;
    Store(value);
    return true;
}

void KPropertyCombo::ShowMenu(KPropWnd* wnd, UINT first, UINT last) {
    CMenu menu;
    menu.CreatePopupMenu();
    const UINT lastEntry = std::min(last, first + kRowCommands - 1);
    const int bound = BoundValue();
    for (int index = 0; index < GetItemCount(); ++index) {
        if (std::find(m_separators.begin(), m_separators.end(), index) != m_separators.end())
            menu.AppendMenu(MF_SEPARATOR);
        const UINT id = first + kFirstMenuEntry + static_cast<UINT>(index);
        UINT flags = MF_STRING;
        if (m_itemValues[static_cast<size_t>(index)] == bound)
            flags |= MF_CHECKED;
        if (id > lastEntry)
            flags |= MF_GRAYED;
        menu.AppendMenu(flags, id, m_itemTexts[static_cast<size_t>(index)]);
    }
    CRect button = m_rectButton + m_ptOffset;
    wnd->ClientToScreen(&button);
    const CPoint centre = button.CenterPoint();
    menu.TrackPopupMenu(TPM_CENTERALIGN | TPM_VCENTERALIGN | TPM_LEFTBUTTON, centre.x, centre.y,
                        wnd);
}

CString KPropertyCombo::GetTextValue() {
    const int bound = BoundValue();
    const auto item = std::find(m_itemValues.begin(), m_itemValues.end(), bound);
    if (item == m_itemValues.end())
        return "N/A";
    CString text = m_itemTexts[static_cast<size_t>(item - m_itemValues.begin())];
    text.Replace("&&", "&");
    return text;
}

bool KPropertyCombo::SetValueText(const CString& text) {
    for (size_t index = 0; index < m_itemTexts.size(); ++index)
        if (m_itemTexts[index] == text && Accepted(m_itemValues[index])) {
            Store(m_itemValues[index]);
            return true;
        }
    return false;
}
