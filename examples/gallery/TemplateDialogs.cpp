// The three template selection dialogs on the demo's template store and data files, each
// pictured by the scripted user while it is open and then cancelled.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <string>

namespace {

std::string DataFile(const char* name) {
    return std::string(VORNUI_DEMO_DATA) + "/" + name;
}

// A step that pictures the dialog open at the time.
CScriptedUser::Step Picture(const char* path, int& result) {
    return [path, &result](HWND dialog) {
        result = SaveWindowPicture(*CWnd::FromHandle(dialog), path);
        return ModalAction::Acted;
    };
}

int WriteTideDialog(const char* path, const std::string& dataFile) {
    CScriptedUser user;
    int result = 1;
    user.Then(Picture(path, result)).Click(IDCANCEL);
    CTideDialogTemplate dialog;
    dialog.m_strFileName = dataFile.c_str();
    dialog.m_strTemplateName = "Harbour gauge (cm)";
    dialog.DoModal();
    return result;
}

int WriteTidePreview(const char* path) {
    return WriteTideDialog(path, DataFile("tide_2024-03-15.txt"));
}

int WriteTideWithoutFile(const char* path) {
    return WriteTideDialog(path, "");
}

int WriteCtdDialog(const char* path) {
    CScriptedUser user;
    int result = 1;
    user.Then(Picture(path, result)).Click(IDCANCEL);
    CCTDDialogTemplate dialog;
    dialog.m_strFileName = DataFile("ctd_cast_2024-03-15.csv").c_str();
    dialog.m_strTemplateName = "Cast without velocity";
    dialog.DoModal();
    return result;
}

int WriteSoundVelocityDialog(const char* path) {
    CScriptedUser user;
    int result = 1;
    user.Choose(IDC_SVP_TEMPLATE_LIST, "Probe profile").Then(Picture(path, result)).Click(IDCANCEL);
    CTemplateSelectDlg dialog;
    dialog.m_strDataFile = DataFile("svp_2024-03-15.txt").c_str();
    dialog.DoModal();
    return result;
}

const GalleryPicture kTidePicture("tide-template.png",
                                  "\"Choose Tide Template...\" previewing a day of tide",
                                  WriteTidePreview);
const GalleryPicture kTideWithoutFilePicture(
    "tide-template-no-file.png",
    "\"Choose Tide Template...\" without a data file: the template controls are disabled",
    WriteTideWithoutFile);
const GalleryPicture kCtdPicture("ctd-template.png",
                                 "\"Choose CTD Template...\" with a record the template leaves "
                                 "unread",
                                 WriteCtdDialog);
const GalleryPicture kSoundVelocityPicture("svp-template.png",
                                           "\"Select template\" previewing a sound-velocity "
                                           "profile",
                                           WriteSoundVelocityDialog);

} // namespace
