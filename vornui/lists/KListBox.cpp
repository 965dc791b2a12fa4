#include "vornui/lists/KListBox.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WindowDC.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(KListBox, CListBox)

int KListBox::Extent(const char* text) const {
    CClientDC dc(const_cast<KListBox*>(this));
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    const HGDIOBJ old = font ? ::SelectObject(dc.GetSafeHdc(), font) : nullptr;
    const int width = dc.GetTextExtent(text, static_cast<int>(std::strlen(text))).cx;
    if (old)
        ::SelectObject(dc.GetSafeHdc(), old);
    return width + 3 * GetSystemMetrics(SM_CXBORDER);
}

void KListBox::Widen(const char* text) {
    const int extent = Extent(text);
    if (extent > m_nWidestText) {
        m_nWidestText = extent;
        SetHorizontalExtent(extent);
    }
}

int KListBox::AddString(const char* text) {
    const int index = CListBox::AddString(text);
    if (index >= 0 && text)
        Widen(text);
    return index;
}

int KListBox::InsertString(int index, const char* text) {
    const int inserted = CListBox::InsertString(index, text);
    if (inserted >= 0 && text)
        Widen(text);
    return inserted;
}

int KListBox::DeleteString(unsigned int index) {
    const int remaining = CListBox::DeleteString(index);
    m_nWidestText = 0;
    for (int each = 0; each < GetCount(); ++each) {
        CString text;
        GetText(each, text);
        m_nWidestText = std::max(m_nWidestText, Extent(text));
    }
    SetHorizontalExtent(m_nWidestText);
    return remaining;
}

void KListBox::ResetContent() {
    CListBox::ResetContent();
    m_nWidestText = 0;
}
