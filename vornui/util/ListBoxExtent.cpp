#include "vornui/util/ListBoxExtent.h"

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/WindowPaint.h"

#include <algorithm>

namespace {

// The window's DC with the window's font selected, both given back at the end.
class FontDC {
public:
    explicit FontDC(HWND hwnd) : m_hWnd(hwnd), m_hDC(GetDC(hwnd)) {
        const auto font = reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0));
        if (m_hDC && font)
            m_hOldFont = SelectObject(m_hDC, font);
    }
    ~FontDC() {
        if (!m_hDC)
            return;
        if (m_hOldFont)
            SelectObject(m_hDC, m_hOldFont);
        ReleaseDC(m_hWnd, m_hDC);
    }
    FontDC(const FontDC&) = delete;
    FontDC& operator=(const FontDC&) = delete;

    HDC Handle() const { return m_hDC; }
    int Width(const CString& text) const {
        SIZE size{};
        GetTextExtentPoint32(m_hDC, text.GetString(), text.GetLength(), &size);
        return size.cx;
    }
    int AverageCharWidth() const {
        TEXTMETRIC metrics{};
        GetTextMetrics(m_hDC, &metrics);
        return std::max<int>(1, metrics.tmAveCharWidth);
    }

private:
    HWND m_hWnd;
    HDC m_hDC;
    HGDIOBJ m_hOldFont = nullptr;
};

int TabbedWidth(const FontDC& dc, const CString& text, int tabWidth) {
    const int lastTab = text.ReverseFind('\t');
    int tabs = 0;
    for (int at = 0; at <= lastTab; ++at)
        tabs += text[at] == '\t';
    return tabs * tabWidth + dc.Width(text.Mid(lastTab + 1));
}

} // namespace

HRESULT SetHorizontalLBExtent(CListBox* listBox, const int* tabStop) {
    if (!listBox || !::IsWindow(listBox->GetSafeHwnd()))
        return E_FAIL;
    const FontDC dc(listBox->GetSafeHwnd());
    if (!dc.Handle())
        return E_OUTOFMEMORY;
    int tabWidth = 0;
    if (tabStop) {
        listBox->SetTabStops(*tabStop);
        tabWidth = LOWORD(GetDialogBaseUnits()) * *tabStop / dc.AverageCharWidth();
    }
    int widest = 0;
    CString entry;
    for (int index = 0; index < listBox->GetCount(); ++index) {
        listBox->GetText(index, entry);
        widest =
            std::max(widest, tabStop ? TabbedWidth(dc, entry, tabWidth) : dc.Width(entry + "x"));
    }
    listBox->SetHorizontalExtent(widest);
    return S_OK;
}
