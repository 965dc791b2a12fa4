#include "vornui/platform/PropertySheetControl.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/ModalLoop.h"
#include "vornui/platform/internal/PropertySheetState.h"

#include <algorithm>
#include <memory>

namespace {

// Margins and buttons in dialog units, as the system's own sheet template has them.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
constexpr WORD kSeparatorId = 0x3026;

const DialogTemplate* TemplateOf(const PROPSHEETPAGE& psp) {
    if (psp.dwFlags & PSP_DLGINDIRECT)
        return psp.pResource;
    return psp.pszTemplate ? LoadDialogTemplate(psp.hInstance, psp.pszTemplate) : nullptr;
}

bool CollectPages(const PROPSHEETHEADER& header, SheetState& state) {
    if (!header.ppsp || header.nPages == 0)
        return false;
    for (UINT index = 0; index < header.nPages; ++index) {
        SheetPage page;
        page.psp = header.ppsp[index];
        page.dialogTemplate = TemplateOf(page.psp);
        if (!page.dialogTemplate)
            return false;
        page.title = (page.psp.dwFlags & PSP_USETITLE) && page.psp.pszTitle
                         ? page.psp.pszTitle
                         : page.dialogTemplate->caption;
        state.pages.push_back(page);
    }
    state.start = std::min<int>(static_cast<int>(header.nStartPage),
                                static_cast<int>(state.pages.size()) - 1);
    if ((header.dwFlags & PSH_USEPSTARTPAGE) && header.pStartPage)
        for (size_t index = 0; index < state.pages.size(); ++index)
            if (state.pages[index].title == header.pStartPage)
                state.start = static_cast<int>(index);
    return true;
}

// The standard buttons a sheet of `flags` has, left to right.
std::vector<DialogItemTemplate> ButtonItems(DWORD flags) {
    const DWORD push = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    std::vector<DialogItemTemplate> items;
    const auto add = [&items](LPCTSTR text, WORD id, DWORD style) {
        items.push_back({"Button", text, id, style, 0, 0, 0, kButtonWidth, kButtonHeight});
    };
    if (flags & (PSH_WIZARD | PSH_WIZARD97)) {
        add("< &Back", ID_WIZBACK, push);
        add("&Next >", ID_WIZNEXT, push | BS_DEFPUSHBUTTON);
        add("Finish", ID_WIZFINISH,
            (flags & PSH_WIZARDHASFINISH) ? (push | WS_DISABLED) : (push & ~WS_VISIBLE));
        add("Cancel", IDCANCEL, push);
    } else {
        add("OK", IDOK, push | BS_DEFPUSHBUTTON);
        add("Cancel", IDCANCEL, push);
        if (!(flags & PSH_NOAPPLYNOW))
            add("&Apply", ID_APPLY_NOW, (push | WS_DISABLED));
    }
    if (flags & PSH_HASHELP)
        add("Help", IDHELP, push);
    return items;
}

struct SheetTemplate {
    std::vector<DialogItemTemplate> items;
    DialogTemplate dialog{};
};

std::unique_ptr<SheetTemplate> MakeSheetTemplate(const PROPSHEETHEADER& header) {
    auto made = std::make_unique<SheetTemplate>();
    made->items.push_back({WC_TABCONTROL, "", AFX_IDC_TAB_CONTROL,
                           WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_MULTILINE, 0, 0, 0, 0,
                           0});
    if (header.dwFlags & (PSH_WIZARD | PSH_WIZARD97))
        made->items.push_back(
            {"Static", "", kSeparatorId, WS_VISIBLE | SS_ETCHEDHORZ, 0, 0, 0, 0, 0});
    for (const DialogItemTemplate& button : ButtonItems(header.dwFlags))
        made->items.push_back(button);
    DialogTemplate& dialog = made->dialog;
    // The system's own sheet template is in the dialog font; pages measure in it too.
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP |
                   DS_SETFONT;
    dialog.fontName = "MS Shell Dlg";
    dialog.pointSize = 8;
    dialog.caption = header.pszCaption ? header.pszCaption : "";
    dialog.items = made->items.data();
    dialog.itemCount = static_cast<WORD>(made->items.size());
    return made;
}

CRect DialogUnits(HWND sheet, int x, int y, int cx, int cy) {
    CRect rect(x, y, x + cx, y + cy);
    MapDialogRect(sheet, &rect);
    return rect;
}

void Place(HWND control, const CRect& rect) {
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Lays the buttons out right-aligned to `right` at `top`; Back and Next touch. Finish
// sits where Next is, or, in a wizard that always has it (PSH_WIZARDHASFINISH), a gap to
// its right. Returns the row's rectangle.
CRect LayOutButtons(HWND sheet, DWORD flags, int right, int top) {
    const CRect button = DialogUnits(sheet, 0, 0, kButtonWidth, kButtonHeight);
    const int gap = DialogUnits(sheet, 0, 0, kButtonGap, 0).Width();
    const WORD order[] = {IDHELP, ID_APPLY_NOW, IDCANCEL, ID_WIZFINISH, ID_WIZBACK, IDOK};
    int x = right;
    for (const WORD id : order) {
        const HWND control = GetDlgItem(sheet, id);
        if (!control)
            continue;
        x -= button.Width();
        Place(control, CRect(CPoint(x, top), button.Size()));
        if (id != ID_WIZFINISH) {
            x -= gap;
            continue;
        }
        if (flags & PSH_WIZARDHASFINISH)
            x -= gap + button.Width();
        if (const HWND next = GetDlgItem(sheet, ID_WIZNEXT))
            Place(next, CRect(CPoint(x, top), button.Size()));
    }
    return CRect(x + gap, top, right, top + button.Height());
}

// The largest page, in the sheet's dialog units turned into pixels.
CSize LargestPage(HWND sheet, const SheetState& state) {
    int cx = 0;
    int cy = 0;
    for (const SheetPage& page : state.pages) {
        cx = std::max<int>(cx, page.dialogTemplate->cx);
        cy = std::max<int>(cy, page.dialogTemplate->cy);
    }
    return DialogUnits(sheet, 0, 0, cx, cy).Size();
}

void LayOutSheet(HWND sheet, SheetState& state) {
    const CSize margin = DialogUnits(sheet, 0, 0, kMargin, kMargin).Size();
    const CSize page = LargestPage(sheet, state);
    const HWND tab = GetDlgItem(sheet, AFX_IDC_TAB_CONTROL);
    int right = 0;
    int buttonsTop = 0;
    if (IsWizardSheet(state)) {
        ShowWindow(tab, SW_HIDE);
        state.pageRect = CRect(CPoint(0, 0), page);
        right = page.cx - margin.cx;
        Place(GetDlgItem(sheet, kSeparatorId),
              CRect(0, page.cy + margin.cy / 2, page.cx, page.cy + margin.cy / 2 + 2));
        buttonsTop = page.cy + margin.cy;
    } else {
        for (size_t index = 0; index < state.pages.size(); ++index) {
            TCITEM item{TCIF_TEXT, 0,  0, const_cast<LPTSTR>(state.pages[index].title.GetString()),
                        0,         -1, 0};
            SendMessage(tab, TCM_INSERTITEM, index, reinterpret_cast<LPARAM>(&item));
        }
        CRect tabRect(CPoint(margin.cx, margin.cy), page);
        Place(tab, CRect(tabRect.left, tabRect.top, tabRect.right + 8, tabRect.bottom));
        SendMessage(tab, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&tabRect));
        tabRect.OffsetRect(margin.cx - tabRect.left, margin.cy - tabRect.top);
        Place(tab, tabRect);
        right = tabRect.right;
        buttonsTop = tabRect.bottom + margin.cy;
    }
    CRect row = LayOutButtons(sheet, state.flags, right, buttonsTop);
    // A sheet narrower than its buttons grows to hold them.
    if (row.left < margin.cx) {
        right += margin.cx - row.left;
        row = LayOutButtons(sheet, state.flags, right, buttonsTop);
    }
    const int bottom = row.bottom + margin.cy;
    CRect window(0, 0, right + margin.cx, bottom);
    AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLong(sheet, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLong(sheet, GWL_EXSTYLE)));
    SetWindowPos(sheet, nullptr, 0, 0, window.Width(), window.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InitialiseSheet(HWND sheet, SheetState& state) {
    LayOutSheet(sheet, state);
    if (IsWizardSheet(state))
        ShowWizardButtons(sheet, state, PSWIZB_BACK | PSWIZB_NEXT);
    else
        SendMessage(GetDlgItem(sheet, AFX_IDC_TAB_CONTROL), TCM_SETCURSEL, state.start, 0);
    ChangeSheetPage(sheet, state, state.start, false);
}

// What PropertySheet hands the new window: its state, until the window takes it.
struct SheetBirth {
    std::unique_ptr<SheetState> state;
};

bool IsButtonClick(WPARAM wParam) {
    return HIWORD(wParam) == BN_CLICKED;
}

INT_PTR SheetCommand(HWND sheet, SheetState& state, WPARAM wParam) {
    if (!IsButtonClick(wParam))
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        PressSheetButton(sheet, state, PSBTN_OK);
        return TRUE;
    case IDCANCEL:
        PressSheetButton(sheet, state, PSBTN_CANCEL);
        return TRUE;
    case ID_APPLY_NOW:
        PressSheetButton(sheet, state, PSBTN_APPLYNOW);
        return TRUE;
    case IDHELP:
        PressSheetButton(sheet, state, PSBTN_HELP);
        return TRUE;
    case ID_WIZBACK:
        PressSheetButton(sheet, state, PSBTN_BACK);
        return TRUE;
    case ID_WIZNEXT:
        PressSheetButton(sheet, state, PSBTN_NEXT);
        return TRUE;
    case ID_WIZFINISH:
        PressSheetButton(sheet, state, PSBTN_FINISH);
        return TRUE;
    default:
        return FALSE;
    }
}

// A tab change: the page being left may refuse it (the result of TCN_SELCHANGING).
INT_PTR TabNotify(HWND sheet, SheetState& state, const NMHDR& header) {
    const HWND tab = GetDlgItem(sheet, AFX_IDC_TAB_CONTROL);
    if (header.hwndFrom != tab)
        return FALSE;
    if (header.code == TCN_SELCHANGING) {
        const bool refused =
            state.active >= 0 && NotifySheetPage(sheet, state.pages[state.active], PSN_KILLACTIVE);
        SetWindowLongPtr(sheet, DWLP_MSGRESULT, refused);
        return TRUE;
    }
    if (header.code == TCN_SELCHANGE) {
        const int wanted = static_cast<int>(SendMessage(tab, TCM_GETCURSEL, 0, 0));
        if (!ChangeSheetPage(sheet, state, wanted, false))
            SendMessage(tab, TCM_SETCURSEL, state.active, 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK SheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // From here on the window owns its state; it lets it go when it is destroyed.
        SheetState* state = reinterpret_cast<SheetBirth*>(lParam)->state.release();
        SetWindowLongPtr(sheet, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
        InitialiseSheet(sheet, *state);
        return TRUE;
    }
    SheetState* state = SheetStateOf(sheet);
    if (!state)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return SheetCommand(sheet, *state, wParam);
    case WM_NOTIFY:
        return TabNotify(sheet, *state, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE:
        // Whoever sized the sheet may have moved its tab control too.
        PlaceActiveSheetPage(sheet, *state);
        return FALSE;
    case WM_NCDESTROY:
        SetWindowLongPtr(sheet, DWLP_USER, 0);
        delete state;
        return FALSE;
    default:
        if (message >= PSM_SETCURSEL && message <= PSM_INDEXTOHWND) {
            SetWindowLongPtr(sheet, DWLP_MSGRESULT,
                             SheetMessage(sheet, *state, message, wParam, lParam));
            return TRUE;
        }
        return FALSE;
    }
}

} // namespace

SheetState* SheetStateOf(HWND sheet) {
    if (!IsWindow(sheet) ||
        reinterpret_cast<DLGPROC>(GetWindowLongPtr(sheet, DWLP_DLGPROC)) != &SheetProc)
        return nullptr;
    return reinterpret_cast<SheetState*>(GetWindowLongPtr(sheet, DWLP_USER));
}

INT_PTR PropertySheet(LPCPROPSHEETHEADER header) {
    SheetBirth birth{std::make_unique<SheetState>()};
    if (!header || !CollectPages(*header, *birth.state))
        return -1;
    birth.state->flags = header->dwFlags;
    std::unique_ptr<SheetTemplate> made = MakeSheetTemplate(*header);
    if ((header->dwFlags & PSH_USECALLBACK) && header->pfnCallback)
        header->pfnCallback(nullptr, PSCB_PRECREATE, reinterpret_cast<LPARAM>(&made->dialog));
    const HWND sheet =
        CreateDialogIndirectParam(header->hInstance, &made->dialog, header->hwndParent, &SheetProc,
                                  reinterpret_cast<LPARAM>(&birth));
    if (!sheet)
        return -1;
    if ((header->dwFlags & PSH_USECALLBACK) && header->pfnCallback)
        header->pfnCallback(sheet, PSCB_INITIALIZED, 0);
    if (header->dwFlags & PSH_MODELESS)
        return reinterpret_cast<INT_PTR>(sheet);
    if (!IsWindowVisible(sheet))
        ShowWindow(sheet, SW_SHOWNORMAL);
    RunModalDialogLoop(
        sheet, [sheet] { return !SheetStateOf(sheet) || SheetStateOf(sheet)->ended; },
        [sheet](MSG* msg) {
            return SendMessage(sheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg)) != 0;
        },
        [sheet] { DestroyWindow(sheet); });
    const INT_PTR result = SheetStateOf(sheet) ? SheetStateOf(sheet)->result : 0;
    if (IsWindow(sheet))
        DestroyWindow(sheet);
    return result;
}
