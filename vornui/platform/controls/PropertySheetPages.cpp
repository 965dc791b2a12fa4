#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/InputCodes.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/internal/PropertySheetState.h"

#include <algorithm>
#include <cstdio>

namespace {

bool ValidIndex(const SheetState& state, WPARAM index) {
    return index < state.pages.size();
}

HWND TabOf(HWND sheet) {
    return GetDlgItem(sheet, AFX_IDC_TAB_CONTROL);
}

// A page sits in the sheet as a child dialog that the keyboard enters, whatever its
// template says about frames and captions.
bool MakePage(HWND sheet, SheetPage& page) {
    DialogTemplate child = *page.dialogTemplate;
    child.style &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME |
                     WS_VISIBLE | WS_DISABLED | DS_CENTER);
    child.style |= WS_CHILD | DS_CONTROL | DS_3DLOOK;
    child.x = 0;
    child.y = 0;
    if ((page.psp.dwFlags & PSP_USECALLBACK) && page.psp.pfnCallback)
        page.psp.pfnCallback(nullptr, PSPCB_CREATE, &page.psp);
    page.hwnd = CreateDialogIndirectParam(page.psp.hInstance, &child, sheet, page.psp.pfnDlgProc,
                                          reinterpret_cast<LPARAM>(&page.psp));
    return page.hwnd != nullptr;
}

// Where pages sit now: a wizard's where it was made, any other sheet's in its tab control's
// display area, wherever the tab control was moved since.
CRect PageArea(HWND sheet, const SheetState& state) {
    const HWND tab = TabOf(sheet);
    if (IsWizardSheet(state) || !tab)
        return state.pageRect;
    CRect area;
    GetWindowRect(tab, &area);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<LPPOINT>(&area), 2);
    SendMessage(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void EnableApply(HWND sheet, bool enable) {
    if (const HWND apply = GetDlgItem(sheet, ID_APPLY_NOW))
        EnableWindow(apply, enable);
}

// The sheet is done: a modal one ends, a modeless one is left without a current page.
void EndSheet(HWND sheet, SheetState& state, INT_PTR result) {
    state.ended = true;
    state.result = result;
    if (!(state.flags & PSH_MODELESS))
        EndDialog(sheet, result);
}

bool ApplyPages(HWND sheet, SheetState& state, bool closing) {
    if (state.active >= 0 && NotifySheetPage(sheet, state.pages[state.active], PSN_KILLACTIVE))
        return false;
    for (size_t index = 0; index < state.pages.size(); ++index) {
        const LRESULT answer = NotifySheetPage(sheet, state.pages[index], PSN_APPLY, closing);
        if (answer == PSNRET_INVALID)
            ChangeSheetPage(sheet, state, static_cast<int>(index), false);
        if (answer == PSNRET_INVALID || answer == PSNRET_INVALID_NOCHANGEPAGE)
            return false;
    }
    for (SheetPage& page : state.pages)
        page.changed = false;
    EnableApply(sheet, false);
    return true;
}

void CancelSheet(HWND sheet, SheetState& state) {
    if (state.active >= 0 && NotifySheetPage(sheet, state.pages[state.active], PSN_QUERYCANCEL))
        return;
    for (const SheetPage& page : state.pages)
        NotifySheetPage(sheet, page, PSN_RESET);
    EndSheet(sheet, state, 0);
}

// A wizard page's answer to Back or Next: 0 for the neighbour, -1 to stay, or the
// template id of the page to show.
void StepWizard(HWND sheet, SheetState& state, UINT code, int step) {
    if (state.active < 0)
        return;
    const LRESULT answer = NotifySheetPage(sheet, state.pages[state.active], code);
    if (answer == -1)
        return;
    int target = state.active + step;
    if (answer != 0)
        for (size_t index = 0; index < state.pages.size(); ++index)
            if (reinterpret_cast<LRESULT>(state.pages[index].psp.pszTemplate) == answer)
                target = static_cast<int>(index);
    ChangeSheetPage(sheet, state, target, true);
}

void FinishWizard(HWND sheet, SheetState& state) {
    if (state.active >= 0 && NotifySheetPage(sheet, state.pages[state.active], PSN_WIZFINISH))
        return;
    EndSheet(sheet, state, 1);
}

void MarkChanged(HWND sheet, SheetState& state, HWND page, bool changed) {
    for (SheetPage& each : state.pages)
        if (each.hwnd == page)
            each.changed = changed;
    EnableApply(sheet, std::any_of(state.pages.begin(), state.pages.end(),
                                   [](const SheetPage& each) { return each.changed; }));
}

void RemovePage(HWND sheet, SheetState& state, WPARAM index) {
    if (!ValidIndex(state, index))
        return;
    const int removed = static_cast<int>(index);
    if (removed == state.active) {
        state.active = -1;
        const int next =
            removed + 1 < static_cast<int>(state.pages.size()) ? removed + 1 : removed - 1;
        if (next >= 0)
            ChangeSheetPage(sheet, state, next, false);
    }
    if (const HWND page = state.pages[index].hwnd)
        DestroyWindow(page);
    state.pages.erase(state.pages.begin() + removed);
    SendMessage(TabOf(sheet), TCM_DELETEITEM, index, 0);
    if (state.active > removed)
        --state.active;
    SendMessage(TabOf(sheet), TCM_SETCURSEL, state.active, 0);
}

void AddPage(HWND sheet, SheetState& state, const PROPSHEETPAGE* psp) {
    if (!psp)
        return;
    SheetPage page;
    page.psp = *psp;
    page.dialogTemplate = (psp->dwFlags & PSP_DLGINDIRECT)
                              ? psp->pResource
                              : LoadDialogTemplate(psp->hInstance, psp->pszTemplate);
    if (!page.dialogTemplate)
        return;
    page.title = (psp->dwFlags & PSP_USETITLE) && psp->pszTitle ? psp->pszTitle
                                                                : page.dialogTemplate->caption;
    state.pages.push_back(page);
    TCITEM item{TCIF_TEXT, 0,  0, const_cast<LPTSTR>(state.pages.back().title.GetString()),
                0,         -1, 0};
    SendMessage(TabOf(sheet), TCM_INSERTITEM, state.pages.size() - 1,
                reinterpret_cast<LPARAM>(&item));
}

void SetTitle(HWND sheet, WPARAM style, LPCTSTR title) {
    if (!title)
        return;
    if (!(style & PSH_PROPTITLE)) {
        SetWindowText(sheet, title);
        return;
    }
    const CString text = CString("Properties for ") + title;
    SetWindowText(sheet, text);
}

// Ctrl+Tab and Ctrl+Shift+Tab move between the tabs; everything else is the dialog's.
BOOL SheetDialogMessage(HWND sheet, SheetState& state, MSG* msg) {
    if (!msg)
        return FALSE;
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 &&
        !IsWizardSheet(state) && !state.pages.empty() && state.active >= 0) {
        const int count = static_cast<int>(state.pages.size());
        const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
        ChangeSheetPage(sheet, state, (state.active + step) % count, true);
        return TRUE;
    }
    return IsDialogMessage(sheet, msg);
}

LRESULT PageAt(const SheetState& state, WPARAM index) {
    return ValidIndex(state, index) ? reinterpret_cast<LRESULT>(state.pages[index].hwnd) : 0;
}

LRESULT IndexOf(const SheetState& state, HWND page) {
    for (size_t index = 0; index < state.pages.size(); ++index)
        if (state.pages[index].hwnd == page)
            return static_cast<LRESULT>(index);
    return -1;
}

LRESULT QuerySiblings(const SheetState& state, WPARAM wParam, LPARAM lParam) {
    for (const SheetPage& page : state.pages)
        if (page.hwnd)
            if (const LRESULT answer = SendMessage(page.hwnd, PSM_QUERYSIBLINGS, wParam, lParam))
                return answer;
    return 0;
}

} // namespace

LRESULT NotifySheetPage(HWND sheet, const SheetPage& page, UINT code, LPARAM lParam) {
    if (!page.hwnd)
        return 0;
    PSHNOTIFY notify{{sheet, 0, code}, lParam};
    return SendMessage(page.hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

void PlaceSheetPage(HWND sheet, const SheetState& state, HWND page) {
    const CRect area = PageArea(sheet, state);
    SetWindowPos(page, HWND_TOP, area.left, area.top, area.Width(), area.Height(), SWP_NOACTIVATE);
}

void PlaceActiveSheetPage(HWND sheet, const SheetState& state) {
    if (state.active >= 0 && !state.ended)
        PlaceSheetPage(sheet, state, state.pages[state.active].hwnd);
}

bool ChangeSheetPage(HWND sheet, SheetState& state, int index, bool askActive) {
    if (index < 0 || !ValidIndex(state, static_cast<WPARAM>(index)))
        return false;
    if (askActive && state.active >= 0 && index != state.active &&
        NotifySheetPage(sheet, state.pages[state.active], PSN_KILLACTIVE))
        return false;
    SheetPage& page = state.pages[index];
    if (!page.hwnd && !MakePage(sheet, page))
        return false;
    PlaceSheetPage(sheet, state, page.hwnd);
    // The page's tab is the current one while the page is told it is active.
    SendMessage(TabOf(sheet), TCM_SETCURSEL, index, 0);
    if (NotifySheetPage(sheet, page, PSN_SETACTIVE) == -1) {
        SendMessage(TabOf(sheet), TCM_SETCURSEL, state.active, 0);
        return false;
    }
    const int previous = state.active;
    state.active = index;
    ShowWindow(page.hwnd, SW_SHOW);
    if (previous >= 0 && previous != index)
        ShowWindow(state.pages[previous].hwnd, SW_HIDE);
    return true;
}

void PressSheetButton(HWND sheet, SheetState& state, int button) {
    switch (button) {
    case PSBTN_OK:
        if (ApplyPages(sheet, state, true))
            EndSheet(sheet, state, 1);
        break;
    case PSBTN_APPLYNOW:
        ApplyPages(sheet, state, false);
        break;
    case PSBTN_CANCEL:
        CancelSheet(sheet, state);
        break;
    case PSBTN_HELP:
        if (state.active >= 0)
            NotifySheetPage(sheet, state.pages[state.active], PSN_HELP);
        break;
    case PSBTN_BACK:
        StepWizard(sheet, state, PSN_WIZBACK, -1);
        break;
    case PSBTN_NEXT:
        StepWizard(sheet, state, PSN_WIZNEXT, 1);
        break;
    case PSBTN_FINISH:
        FinishWizard(sheet, state);
        break;
    default:
        break;
    }
}

// Finish takes Next's place when asked for, unless the wizard always has it
// (PSH_WIZARDHASFINISH): then both show, each enabled by its own flag.
void ShowWizardButtons(HWND sheet, SheetState& state, DWORD buttons) {
    state.wizardButtons = buttons;
    const bool hasFinish = (state.flags & PSH_WIZARDHASFINISH) != 0;
    const bool finish = (buttons & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH)) != 0;
    if (const HWND back = GetDlgItem(sheet, ID_WIZBACK))
        EnableWindow(back, (buttons & PSWIZB_BACK) != 0);
    if (const HWND next = GetDlgItem(sheet, ID_WIZNEXT)) {
        EnableWindow(next, (buttons & PSWIZB_NEXT) != 0);
        ShowWindow(next, finish && !hasFinish ? SW_HIDE : SW_SHOW);
    }
    if (const HWND finishButton = GetDlgItem(sheet, ID_WIZFINISH)) {
        EnableWindow(finishButton, (buttons & PSWIZB_FINISH) != 0);
        ShowWindow(finishButton, finish || hasFinish ? SW_SHOW : SW_HIDE);
    }
    const bool finishIsDefault = (buttons & PSWIZB_FINISH) || (finish && !hasFinish);
    SendMessage(sheet, DM_SETDEFID, finishIsDefault ? ID_WIZFINISH : ID_WIZNEXT, 0);
}

LRESULT SheetMessage(HWND sheet, SheetState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case PSM_SETCURSEL:
        return ChangeSheetPage(sheet, state, static_cast<int>(wParam), true);
    case PSM_REMOVEPAGE:
        RemovePage(sheet, state, wParam);
        return 0;
    case PSM_ADDPAGE:
        AddPage(sheet, state, reinterpret_cast<const PROPSHEETPAGE*>(lParam));
        return TRUE;
    case PSM_CHANGED:
    case PSM_UNCHANGED:
        MarkChanged(sheet, state, reinterpret_cast<HWND>(wParam), message == PSM_CHANGED);
        return 0;
    case PSM_CANCELTOCLOSE:
        EnableWindow(GetDlgItem(sheet, IDCANCEL), FALSE);
        SetWindowText(GetDlgItem(sheet, IDOK), "Close");
        return 0;
    case PSM_QUERYSIBLINGS:
        return QuerySiblings(state, wParam, lParam);
    case PSM_APPLY:
        return ApplyPages(sheet, state, false);
    case PSM_SETTITLE:
        SetTitle(sheet, wParam, reinterpret_cast<LPCTSTR>(lParam));
        return 0;
    case PSM_SETWIZBUTTONS:
        ShowWizardButtons(sheet, state, static_cast<DWORD>(lParam));
        return 0;
    case PSM_PRESSBUTTON:
        PressSheetButton(sheet, state, static_cast<int>(wParam));
        return 0;
    case PSM_SETFINISHTEXT:
        if (const HWND finish = GetDlgItem(sheet, ID_WIZFINISH); finish && lParam) {
            SetWindowText(finish, reinterpret_cast<LPCTSTR>(lParam));
            ShowWizardButtons(sheet, state, PSWIZB_FINISH);
        }
        return 0;
    case PSM_GETTABCONTROL:
        return reinterpret_cast<LRESULT>(TabOf(sheet));
    case PSM_ISDIALOGMESSAGE:
        return SheetDialogMessage(sheet, state, reinterpret_cast<MSG*>(lParam));
    case PSM_GETCURRENTPAGEHWND:
        return state.active >= 0 && !state.ended
                   ? reinterpret_cast<LRESULT>(state.pages[state.active].hwnd)
                   : 0;
    case PSM_HWNDTOINDEX:
        return IndexOf(state, reinterpret_cast<HWND>(wParam));
    case PSM_INDEXTOHWND:
        return PageAt(state, wParam);
    default:
        return 0;
    }
}
