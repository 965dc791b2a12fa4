#pragma once

// The framework's bitmap button: an owner-drawn button that shows one of up to four
// bitmaps, for its up, down (selected), focused and disabled looks.

#include "vornui/platform/Button.h"
#include "vornui/platform/CGdiObject.h"

class VORNUI_API CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
public:
    // Bitmaps of the resource chain; the up look is needed, the others are optional.
    BOOL LoadBitmaps(LPCTSTR up, LPCTSTR down = nullptr, LPCTSTR focus = nullptr,
                     LPCTSTR disabled = nullptr);
    BOOL LoadBitmaps(UINT up, UINT down = 0, UINT focus = 0, UINT disabled = 0);
    // Makes the button as large as its up bitmap.
    void SizeToContent();
    // Takes over dialog item `id` of `parent` and loads the bitmaps named after its text
    // with "U", "D", "F" and "X" appended.
    BOOL AutoLoad(UINT id, CWnd* parent);

    void DrawItem(LPDRAWITEMSTRUCT item) override;

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};
