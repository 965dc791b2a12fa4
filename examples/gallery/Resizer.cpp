// A dialog made resizable by the window resizer (CWndResizer): its controls anchored, its
// size grip drawn in the desktop's style and in the classic one, its corner dragged by the
// scripted user; and a split whose splitter shows its dotted grip.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <iterator>

namespace {

enum : WORD { IDC_SOUNDINGS = 1001, IDC_COMMENT, IDC_OPTIONS, IDC_TIDE, IDC_LINES = 1101, IDC_LOG };

constexpr DialogItemTemplate kSurveyItems[] = {
    {"ListBox", "", IDC_SOUNDINGS, WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 0, 7, 7, 130,
     80},
    {"Edit", "Line 12, second pass", IDC_COMMENT, WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0, 7, 92,
     130, 12},
    {"Button", "Corrections", IDC_OPTIONS, WS_VISIBLE | BS_GROUPBOX, 0, 143, 7, 62, 60},
    {"Button", "Apply &tide", IDC_TIDE, WS_VISIBLE | BS_AUTOCHECKBOX, 0, 149, 20, 52, 10},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 149, 74, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON, 0, 149, 92, 50, 14},
};

constexpr DialogTemplate kSurvey{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                     WS_VISIBLE,
                                 0,
                                 20,
                                 20,
                                 212,
                                 112,
                                 "Soundings",
                                 "MS Shell Dlg",
                                 8,
                                 kSurveyItems,
                                 static_cast<WORD>(std::size(kSurveyItems))};

constexpr DialogItemTemplate kSplitItems[] = {
    {"ListBox", "", IDC_LINES, WS_VISIBLE | WS_BORDER | LBS_NOTIFY, 0, 7, 7, 80, 100},
    {"Edit", "", IDC_LOG, WS_VISIBLE | WS_BORDER | ES_MULTILINE, 0, 93, 7, 120, 100},
};

constexpr DialogTemplate kSplit{DS_SETFONT | WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE,
                                0,
                                20,
                                20,
                                220,
                                114,
                                "Lines and log",
                                "MS Shell Dlg",
                                8,
                                kSplitItems,
                                static_cast<WORD>(std::size(kSplitItems))};

// The survey dialog, hooked and anchored, grown by `dx`, `dy` with the mouse.
int WriteSurvey(const char* path, int dx, int dy, BOOL visualStyles) {
    SetVisualStylesEnabled(visualStyles);
    CDialog dialog;
    if (!dialog.CreateIndirect(&kSurvey))
        return 1;
    for (const char* line : {"0001  12:00:01  21.25 m", "0002  12:00:02  21.50 m",
                             "0003  12:00:03  21.75 m", "0004  12:00:04  22.00 m"})
        dialog.SendDlgItemMessage(IDC_SOUNDINGS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    CWndResizer resizer;
    resizer.Hook(&dialog);
    CRect client;
    dialog.GetClientRect(&client);
    CSize minimum = client.Size();
    resizer.SetMinimumSize("_root", minimum);
    resizer.SetAnchor(IDC_SOUNDINGS, anchorLeft | anchorTop | anchorRight | anchorBottom);
    resizer.SetAnchor(IDC_COMMENT, anchorLeft | anchorRight | anchorBottom);
    resizer.SetAnchor(IDC_OPTIONS, anchorTop | anchorRight);
    resizer.SetAnchor(IDC_TIDE, anchorTop | anchorRight);
    resizer.SetAnchor(IDOK, anchorRight | anchorBottom);
    resizer.SetAnchor(IDCANCEL, anchorRight | anchorBottom);
    resizer.SetShowResizeGrip(TRUE);
    resizer.InvokeOnResized();
    if (dx || dy) {
        CScriptedUser user;
        user.DragFrame(HTBOTTOMRIGHT, dx, dy);
        user.ActIn(dialog.m_hWnd);
    }
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    SetVisualStylesEnabled(TRUE);
    return result;
}

int WriteSmall(const char* path) {
    return WriteSurvey(path, 0, 0, TRUE);
}

int WriteLarge(const char* path) {
    return WriteSurvey(path, 160, 90, TRUE);
}

int WriteClassic(const char* path) {
    return WriteSurvey(path, 160, 90, FALSE);
}

// A list and a log side by side, split; the splitter dragged to the right.
int WriteSplit(const char* path) {
    CDialog dialog;
    if (!dialog.CreateIndirect(&kSplit))
        return 1;
    for (const char* line : {"Line 10", "Line 11", "Line 12", "Line 13"})
        dialog.SendDlgItemMessage(IDC_LINES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    dialog.SetDlgItemText(IDC_LOG, "Line 12 logged at 12:04:31");
    CWndResizer resizer;
    resizer.Hook(&dialog);
    resizer.CreateSplitContainer("split", IDC_LINES, IDC_LOG);
    resizer.SetAnchor("split", anchorLeft | anchorTop | anchorRight | anchorBottom);
    resizer.SetShowSplitterGrip("split", TRUE);
    UINT position = 0;
    resizer.GetSplitterPosition("split", position);
    resizer.SetSplitterPosition("split", position + 40);
    resizer.SetShowResizeGrip(TRUE);
    resizer.InvokeOnResized();
    CScriptedUser user;
    user.DragFrame(HTBOTTOMRIGHT, 60, 20);
    user.ActIn(dialog.m_hWnd);
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    return result;
}

const GalleryPicture kSmall("resizer-small.png",
                            "a dialog made resizable by `CWndResizer`, at its designed size",
                            WriteSmall);
const GalleryPicture kLarge("resizer-large.png",
                            "the same dialog with its corner dragged by the scripted user: the "
                            "controls follow their anchors; the size grip in the desktop's style",
                            WriteLarge);
const GalleryPicture kClassic("resizer-classic.png",
                              "and with visual styles off: the classic size grip", WriteClassic);
const GalleryPicture kSplitPicture("resizer-split.png",
                                   "a split container between a list and a log, its splitter "
                                   "moved, with its dotted grip",
                                   WriteSplit);

} // namespace
