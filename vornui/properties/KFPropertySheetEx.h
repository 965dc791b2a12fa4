#pragma once

// A property sheet the user can resize. It takes the font of its first page's template
// and refits itself and every page to it, keeps the active page filling the space between
// the tabs and the buttons when the user drags its frame (never smaller than it started),
// and anchors its buttons to the bottom right corner with a CWndResizer.

#include "vornui/layout/CWndResizer.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/PropertySheet.h"

// The message posted after Apply, Back, Next and a tab change, to place the page again
// once the sheet has done its work.
inline constexpr UINT kResizePageMessage = 0x8001;

// A resizable property sheet; see the file's comment.
class VORNUI_API KFPropertySheetEx : public CPropertySheet {
    DECLARE_DYNAMIC(KFPropertySheetEx)
public:
    // The caption (a string id or the text), the parent and the page shown first.
    explicit KFPropertySheetEx(unsigned int idCaption, CWnd* parent = nullptr,
                               unsigned int selectPage = 0);
    explicit KFPropertySheetEx(const char* caption, CWnd* parent = nullptr,
                               unsigned int selectPage = 0);

    // Runs the sheet with a thick frame.
    INT_PTR DoModal() override;
    // Whether ResizePropPages runs now.
    bool IsResizingPropPages() const;
    // Refits the sheet and its pages to the page font and places the active page; TRUE.
    virtual BOOL ResizePropPages();

    BOOL OnInitDialog() override;

protected:
    KFPropertySheetEx();

    // Gives every page the sheet's help flag, then takes the first page's template font.
    void BuildPropPageArray() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    // Places the active page after the sheet changed it.
    LRESULT OnResizePage(WPARAM wParam, LPARAM lParam);
    // The dialog template `page` is made from; null when it has none.
    static const DialogTemplate* GetPageTemplate(const CPropertyPage& page);

    // Sets the resizing flag for as long as it lives.
    class CResizingPages {
    public:
        explicit CResizingPages(KFPropertySheetEx& sheet);
        ~CResizingPages();
        CResizingPages(const CResizingPages&) = delete;
        CResizingPages& operator=(const CResizingPages&) = delete;

    private:
        KFPropertySheetEx& m_sheet;
        bool m_bWas;
    };

    // Where the active page sits, client coordinates.
    RECT m_rctPage{};
    CFont m_fntPage;
    bool m_bPageFont = false;
    bool m_bResizingPages = false;
    CWndResizer m_resizer;
    RECT m_rcInitialPage{};
    RECT m_rcInitialClient{};

private:
    // Gives `wnd` and its children `font`, scaling their sizes by the fonts' metrics.
    static void ChangeDialogFont(CWnd* wnd, CFont* font);
    // The page rectangle from the tabs (or, for a wizard, above the Back button).
    CRect PageArea();
    void PlaceActivePage();
    void SetUpResizer();
    static int CALLBACK ResizableSheetCallback(HWND hwnd, UINT message, LPARAM lParam);
    CRect m_rcInitialTab;
};
