#include "vornui/layout/TrueColorToolBar.h"

#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/CMenu.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/WinApp.h"

namespace {

constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr int kFirstMenu = 0;
constexpr int kDropDownSubMenu = 5;

// The image list slot of each toolbar message.
size_t SlotOf(UINT toolbarMessage) {
    switch (toolbarMessage) {
    case TB_SETHOTIMAGELIST:
        return 1;
    case TB_SETDISABLEDIMAGELIST:
        return 2;
    default:
        return 0;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CTrueColorToolBar, CToolBar)

CTrueColorToolBar::CTrueColorToolBar() = default;

// The image lists go only after the window that draws them.
CTrueColorToolBar::~CTrueColorToolBar() {
    DestroyWindow();
}

BOOL CTrueColorToolBar::LoadTrueColorToolBar(int buttonWidth, UINT normalBitmapId, UINT hotBitmapId,
                                             UINT disabledBitmapId) {
    if (!SetTrueColorToolBar(TB_SETIMAGELIST, normalBitmapId, buttonWidth))
        return FALSE;
    if (hotBitmapId && !SetTrueColorToolBar(TB_SETHOTIMAGELIST, hotBitmapId, buttonWidth))
        return FALSE;
    if (disabledBitmapId &&
        !SetTrueColorToolBar(TB_SETDISABLEDIMAGELIST, disabledBitmapId, buttonWidth))
        return FALSE;
    return TRUE;
}

BOOL CTrueColorToolBar::SetTrueColorToolBar(UINT toolbarMessage, UINT bitmapId, int buttonWidth) {
    if (!m_hWnd || buttonWidth <= 0)
        return FALSE;
    CBitmap bitmap;
    if (!bitmap.Attach(static_cast<HBITMAP>(LoadImage(AfxGetResourceHandle(),
                                                      MAKEINTRESOURCE(bitmapId), IMAGE_BITMAP, 0, 0,
                                                      LR_CREATEDIBSECTION | LR_DEFAULTSIZE))))
        return FALSE;
    BITMAP size{};
    if (!bitmap.GetBitmap(&size) || size.bmWidth / buttonWidth == 0)
        return FALSE;
    CImageList images;
    if (!images.Create(buttonWidth, size.bmHeight, ILC_COLOR24 | ILC_MASK,
                       size.bmWidth / buttonWidth, 0) ||
        images.Add(&bitmap, kTransparent) < 0)
        return FALSE;
    SendMessage(toolbarMessage, 0, reinterpret_cast<LPARAM>(images.m_hImageList));
    CImageList& kept = m_imageLists[SlotOf(toolbarMessage)];
    kept.DeleteImageList();
    kept.Attach(images.Detach());
    return TRUE;
}

void CTrueColorToolBar::AddDropDownButton(CWnd* parent, UINT buttonId, UINT menuId) {
    const int index = CommandToIndex(buttonId);
    if (index < 0)
        return;
    if (!m_bDropDown) {
        SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        m_bDropDown = TRUE;
    }
    SetButtonStyle(index, GetButtonStyle(index) | TBSTYLE_DROPDOWN);
    m_lstDropDownButton.push_back(stDropDownInfo{buttonId, menuId, parent});
}

BOOL CTrueColorToolBar::OnReflectedNotify(NMHDR* header, LRESULT* result) {
    if (header->code != TBN_DROPDOWN)
        return CToolBar::OnReflectedNotify(header, result);
    OnToolbarDropDown(header, result);
    return TRUE;
}

void CTrueColorToolBar::OnToolbarDropDown(NMHDR* header, LRESULT* result) {
    *result = TBDDRET_DEFAULT;
    const auto* notice = reinterpret_cast<const NMTOOLBAR*>(header);
    const stDropDownInfo* entry = nullptr;
    for (const stDropDownInfo& candidate : m_lstDropDownButton)
        if (candidate.uButtonID == static_cast<UINT>(notice->iItem)) {
            entry = &candidate;
            break;
        }
    if (!entry)
        return;
    CRect button;
    SendMessage(TB_GETRECT, static_cast<WPARAM>(notice->iItem), reinterpret_cast<LPARAM>(&button));
    ClientToScreen(&button);
    const CWnd* main = AfxGetMainWnd();
    const CMenu* menuBar = main ? main->GetMenu() : nullptr;
    if (!menuBar || entry->uMenuID != 0)
        return;
    const CMenu* first = menuBar->GetSubMenu(kFirstMenu);
    CMenu* popup = first ? first->GetSubMenu(kDropDownSubMenu) : nullptr;
    if (!popup)
        return;
    TPMPARAMS exclude{sizeof(TPMPARAMS), button};
    popup->TrackPopupMenuEx(TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, button.left,
                            button.bottom, entry->pParent, &exclude);
}
