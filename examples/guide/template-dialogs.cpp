// Guide example: the tide template dialog run by a host, with a scripted user in the
// place of the person, then the chosen template used to load the tide; and the
// sound-velocity dialog on a module that has no templates yet.
#include "vornui/vornui.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

// What the person sees in the dialog: the status line and the preview's first rows.
void ShowPreview(HWND dialog, const char* when) {
    char status[128] = "";
    GetDlgItemText(dialog, IDC_TEMPLATE_STATUS, status, sizeof status);
    const HWND preview = GetDlgItem(dialog, IDC_TEMPLATE_PREVIEW);
    const auto rows = SendMessage(preview, LVM_GETITEMCOUNT, 0, 0);
    std::printf("%s: %ld rows, status \"%s\"\n", when, static_cast<long>(rows), status);
    for (int row = 0; row < rows && row < 2; ++row) {
        char time[32] = "", level[32] = "";
        LVITEM item{};
        item.pszText = time;
        item.cchTextMax = sizeof time;
        SendMessage(preview, LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = level;
        SendMessage(preview, LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
        std::printf("  %s  %s\n", time, level);
    }
}

CScriptedUser::Step Look(const char* when) {
    return [when](HWND dialog) {
        ShowPreview(dialog, when);
        return ModalAction::Acted;
    };
}

int main() {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1); // the tide file's clock
    tzset();

    // The person looks at the preview, tries the other template, goes back and presses OK.
    CScriptedUser user;
    user.Then(Look("opened"))
        .Choose(IDC_TEMPLATE_LIST, "ISO date")
        .Then(Look("ISO date"))
        .Choose(IDC_TEMPLATE_LIST, "Date and time")
        .Click(IDOK);

    CTideDialogTemplate dialog;
    dialog.m_strFileName = "tide_columns.txt";
    dialog.m_strTemplateName = "date and time"; // preselected whatever its case
    if (dialog.DoModal() != IDOK)
        return 1;
    CString path;
    dialog.GetAbsoluteTemplatePath(path);
    const size_t root = std::strlen(GetAsciiTemplateRoot());
    std::printf("chosen: \"%s\", file <root>/%s\n", dialog.m_strTemplateName.GetString(),
                path.GetString() + root);

    CTideHandler tide;
    std::printf("%d samples loaded\n",
                tide.LoadTide(dialog.m_strTemplateName, dialog.m_strFileName));

    // No sound-velocity template yet: the list asks for a first one, and choosing that
    // line chooses nothing.
    char shown[64] = "";
    user.Choose(IDC_SVP_TEMPLATE_LIST, "[Empty, click new template]")
        .Then([&shown](HWND svp) {
            const HWND list = GetDlgItem(svp, IDC_SVP_TEMPLATE_LIST);
            SendMessage(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(shown));
            return ModalAction::Acted;
        })
        .Click(IDOK);
    CTemplateSelectDlg svp;
    svp.m_strDataFile = "profile.txt";
    svp.DoModal();
    std::printf("sound velocity: list shows \"%s\", template \"%s\"\n", shown,
                svp.GetTemplateName().GetString());
    return 0;
}
