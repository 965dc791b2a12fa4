#include "vornui/platform/BitmapButton.h"

#include "vornui/platform/Blits.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/Images.h"

namespace {

// Replaces the bitmap held by `target` with resource `name` of the chain; TRUE when there
// is no name or the bitmap was found.
BOOL LoadInto(CBitmap& target, LPCTSTR name) {
    target.DeleteObject();
    if (!name)
        return TRUE;
    return target.Attach(LoadBitmap(AfxFindResourceHandle(name, RT_BITMAP), name));
}

LPCTSTR IdName(UINT id) {
    return id ? MAKEINTRESOURCE(id) : nullptr;
}

} // namespace

BOOL CBitmapButton::LoadBitmaps(LPCTSTR up, LPCTSTR down, LPCTSTR focus, LPCTSTR disabled) {
    const BOOL loaded = up && LoadInto(m_bitmap, up);
    const BOOL others = LoadInto(m_bitmapSel, down) & LoadInto(m_bitmapFocus, focus) &
                        LoadInto(m_bitmapDisabled, disabled);
    return loaded && others;
}

BOOL CBitmapButton::LoadBitmaps(UINT up, UINT down, UINT focus, UINT disabled) {
    return LoadBitmaps(IdName(up), IdName(down), IdName(focus), IdName(disabled));
}

void CBitmapButton::SizeToContent() {
    BITMAP size{};
    if (!m_bitmap.GetSafeHandle() || !m_bitmap.GetBitmap(&size))
        return;
    SetWindowPos(nullptr, 0, 0, size.bmWidth, size.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CBitmapButton::AutoLoad(UINT id, CWnd* parent) {
    if (!SubclassDlgItem(id, parent))
        return FALSE;
    CString name;
    GetWindowText(name);
    if (name.IsEmpty())
        return FALSE;
    const auto look = [&](const char* suffix) { return name + suffix; };
    const BOOL loaded = LoadInto(m_bitmap, look("U")) && LoadInto(m_bitmapSel, look("D"));
    // The focused and disabled looks may be missing.
    LoadInto(m_bitmapFocus, look("F"));
    LoadInto(m_bitmapDisabled, look("X"));
    if (loaded)
        SizeToContent();
    return loaded;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT item) {
    CBitmap* look = &m_bitmap;
    if ((item->itemState & ODS_SELECTED) && m_bitmapSel.GetSafeHandle())
        look = &m_bitmapSel;
    else if ((item->itemState & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle())
        look = &m_bitmapFocus;
    else if ((item->itemState & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle())
        look = &m_bitmapDisabled;
    BITMAP size{};
    if (!look->GetSafeHandle() || !look->GetBitmap(&size))
        return;
    const HDC source = CreateCompatibleDC(item->hDC);
    const HGDIOBJ old = SelectObject(source, *look);
    const CRect area(item->rcItem);
    BitBlt(item->hDC, area.left, area.top, area.Width(), area.Height(), source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)
