#pragma once

// An owner-drawn push button (BS_OWNERDRAW) that shows one of three pictures from one
// strip, side by side: normal, with the mouse over it, and pressed; it writes "..." over
// the picture and can show a tooltip.

#include "vornui/platform/BitmapButton.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/ToolTipCtrl.h"

class VORNUI_API CHoverButton : public CBitmapButton {
    DECLARE_DYNAMIC(CHoverButton)
public:
    CHoverButton();
    ~CHoverButton() override;

    // The strip the button draws, set by its owner, who keeps it alive: its width and
    // height as 32-bit integers, then the pixels (0x00RRGGBB), row by row from the bottom
    // up, or from the top down when the height is negative.
    const DWORD* m_pImageBlock = nullptr;

    // A bitmap resource as the strip, drawn while no image block is set; the button
    // becomes as large as one of its three pictures. FALSE for a missing bitmap or one
    // narrower than three pixels.
    BOOL LoadBitmap(UINT bitmapId);
    // An empty string resource changes nothing.
    void SetToolTipText(const CString& text, BOOL activate = TRUE);
    void SetToolTipText(UINT textId, BOOL activate = TRUE);
    void ActivateTooltip(BOOL activate = TRUE);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // Asks, once, to hear when the mouse rests over the button and when it leaves.
    void OnMouseMove(UINT flags, CPoint point) override;
    // The mouse rests over the button: the hover picture shows.
    void OnMouseHover(UINT flags, CPoint point) override;
    // The mouse left: the normal picture shows, and the next move asks again.
    void OnMouseLeave() override;
    // Reports the background as erased without painting it.
    BOOL OnEraseBkgnd(CDC* dc) override;

    // The mouse rests over the button.
    BOOL m_bHover = FALSE;
    // Hover and leave notifications have been asked for.
    BOOL m_bTracking = FALSE;
    // The strip LoadBitmap loaded.
    CBitmap mybitmap;
    // One picture of that strip: a third of its width, its height.
    CSize m_ButtonSize;
    // Made on first need; it starts inactive.
    CToolTipCtrl m_ToolTip;

private:
    void InitToolTip();
    void DrawState(CDC& dc, const CRect& client, int state);
};
