#pragma once

// A toolbar whose pictures come from 24-bit bitmaps in which magenta, RGB(255, 0, 255), is
// transparent, with separate pictures for the hot and the disabled buttons, and whose
// buttons may open a menu from a drop-down arrow.

#include "vornui/platform/Export.h"
#include "vornui/platform/ImageList.h"
#include "vornui/platform/ToolBar.h"

#include <array>
#include <vector>

class VORNUI_API CTrueColorToolBar : public CToolBar {
    DECLARE_DYNAMIC(CTrueColorToolBar)
public:
    CTrueColorToolBar();
    ~CTrueColorToolBar() override;

    // Each bitmap holds one picture per `buttonWidth` pixels, in the order of the buttons.
    // A hot or disabled id of 0 leaves that set unchanged; FALSE as soon as a set cannot
    // be made.
    BOOL LoadTrueColorToolBar(int buttonWidth, UINT normalBitmapId, UINT hotBitmapId = 0,
                              UINT disabledBitmapId = 0);
    // Gives button `buttonId` a drop-down arrow. Menu id 0 opens, below the button, the
    // sixth submenu of the first menu of the main window's menu bar, whose commands go to
    // `parent`.
    void AddDropDownButton(CWnd* parent, UINT buttonId, UINT menuId);

protected:
    // A button whose arrow opens a menu.
    struct stDropDownInfo {
        // The button's command id.
        UINT uButtonID;
        // 0 for the main menu bar's submenu; any other id opens nothing.
        UINT uMenuID;
        // The window that receives the menu's commands.
        CWnd* pParent;
    };

    // Hands TBN_DROPDOWN to OnToolbarDropDown.
    BOOL OnReflectedNotify(NMHDR* header, LRESULT* result) override;
    // Opens the menu of the first entry for the button whose arrow was pressed.
    void OnToolbarDropDown(NMHDR* header, LRESULT* result);

    // The toolbar draws drop-down arrows (from the first drop-down button on).
    BOOL m_bDropDown = FALSE;
    // The drop-down entries, in the order added.
    std::vector<stDropDownInfo> m_lstDropDownButton;

private:
    BOOL SetTrueColorToolBar(UINT toolbarMessage, UINT bitmapId, int buttonWidth);

    // The toolbar control only borrows its image lists: they live here.
    std::array<CImageList, 3> m_imageLists;
};
