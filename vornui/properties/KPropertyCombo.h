#pragma once

// A row that offers a choice from a list: its "..." button opens a menu of the items, the
// bound value's item checked, and picking another one stores that item's value, after the
// host (and then the second listener, asked with no value) heard of it. The row is bound
// to an int, or to one byte (read unsigned) when SetByteValue says so.
//
//   KPropertyCombo parity(&host, "Parity", &m_parity, true);
//   parity.AddItem("None", 'N');
//   parity.AddItem("Odd", 'O');
//   parity.AddSeparator();
//   parity.AddItem("Even", 'E');
//
// Menu entries take the ids of the window's range from its first id + 2 on, in item
// order. An entry whose id would leave the active row's part of the range (from the 79th
// item on with the default range: its id would belong to the second command handler, or
// lie outside the range) is shown disabled, so that a click never reaches the wrong
// handler; the item itself stays, and SetValueText still finds it.

#include "vornui/platform/Collections.h"
#include "vornui/properties/KIconTextButtonProperty.h"

#include <vector>

class VORNUI_API KPropertyCombo : public KIconTextButtonProperty {
public:
    // `data` is an int, or one byte after SetByteValue(true); the row starts without items.
    KPropertyCombo(IPropertyHost* host, const char* name, void* data, bool editable);

    // Appends an item; returns its index.
    int AddItem(const char* text, int value);
    // Appends an item whose value is its index.
    int AddItem(const char* text);
    // Appends an item per text, valued by index.
    void AddItems(const CStringArray& texts);
    // Shows a separator line before the next item added.
    void AddSeparator();
    // Removes every item and separator.
    void RemoveAllItems();
    int GetItemCount() const { return static_cast<int>(m_itemTexts.size()); }
    CString GetItemText(int index) const;
    int GetItemValue(int index) const;
    // Whether the bound variable is one unsigned byte instead of an int.
    void SetByteValue(bool byteValue) { m_bByte = byteValue; }

    // The row button opens the menu; a menu entry stores its item's value.
    bool OnCommand(KPropWnd* wnd, UINT id, UINT code) override;
    // The text of the bound value's item ("&&" shown as "&"), "N/A" for none.
    CString GetTextValue() override;
    // Stores the value of the first item of exactly this text that the host accepts.
    bool SetValueText(const CString& text) override;
    bool HasButton() override { return true; }

private:
    int BoundValue() const;
    void Store(int value);
    // Whether the host accepts `value`; then the second listener is asked.
    bool Accepted(int value);
    void ShowMenu(KPropWnd* wnd, UINT first, UINT last);

    std::vector<CString> m_itemTexts;
    std::vector<int> m_itemValues;
    std::vector<int> m_separators; // item indexes a separator comes before
    bool m_bByte = false;
};
