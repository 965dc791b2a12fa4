#pragma once

// A list box whose horizontal scroll extent always fits its widest string.

#include "vornui/platform/ListBox.h"

class VORNUI_API KListBox : public CListBox {
    DECLARE_DYNAMIC(KListBox)
public:
    // The list box's own operations, with the same results; each keeps the extent.
    // ResetContent also forgets the widest string.
    int AddString(const char* text);
    int InsertString(int index, const char* text);
    int DeleteString(unsigned int index);
    void ResetContent();

private:
    // The width the string needs: its text in the list box's font and a margin.
    int Extent(const char* text) const;
    void Widen(const char* text);

    int m_nWidestText = 0;
};
