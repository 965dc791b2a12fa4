// The progress and message windows as a survey program shows them: both progress dialogs
// in the middle of a run, the busy notice, and a message box built at run time.

#include "Gallery.h"

#include "vornui/vornui.h"

namespace {

int WritePercentageProgress(const char* path) {
    KProgressDlg progress(1);
    if (!progress.Create(nullptr))
        return 1;
    progress.SetWindowText("Reading sound velocity profiles");
    progress.SetStatus("Line 0042: C:\\Survey\\SVP\\cast_0042.asvp");
    progress.SetRange(0, 240);
    progress.SetPos(101);
    return SaveWindowPicture(progress, path);
}

int WriteCounterProgress(const char* path) {
    KProgressDlg progress(1);
    if (!progress.CreateCounter(nullptr))
        return 1;
    progress.SetStatus("Soundings read");
    progress.SetPos(1234);
    return SaveWindowPicture(progress, path);
}

int WriteMessageWindow(const char* path) {
    CMessageDlg notice;
    if (!notice.Create(nullptr))
        return 1;
    notice.SetMessage("Building the tide series from 3 files, please wait...");
    return SaveWindowPicture(notice, path);
}

int WriteMessageBox(const char* path) {
    CMessageBoxDialog box(nullptr,
                          CString("The file \"line_0042.xyz\" already exists in the export "
                                  "folder. It was written on 6 December 2026 by another "
                                  "survey session. Replace it with the soundings of this run, "
                                  "keep it, or decide the same for every file still to come?"),
                          CString("Export soundings"), MB_ICONQUESTION, 0);
    box.AddButton(IDC_ANSWER_YES, IDS_YES, TRUE, FALSE);
    box.AddButton(IDC_ANSWER_YES_TO_ALL, IDS_YES_TO_ALL, FALSE, FALSE);
    box.AddButton(IDC_ANSWER_NO, IDS_NO, FALSE, TRUE);
    box.AddButton(IDC_ANSWER_NO_TO_ALL, IDS_NO_TO_ALL, FALSE, FALSE);
    int result = 1;
    CScriptedUser user;
    user.Then([&](HWND dialog) {
            result = SaveWindowPicture(*CWnd::FromHandle(dialog), path);
            return ModalAction::Acted;
        })
        .Press(VK_ESCAPE);
    box.DoModal();
    return result;
}

const GalleryPicture kPercentage("progress-percentage.png",
                                 "The progress dialog with a percentage, mid-run",
                                 WritePercentageProgress);
const GalleryPicture kCounter("progress-counter.png", "The progress dialog counting, mid-run",
                              WriteCounterProgress);
const GalleryPicture kMessageWindow("message-window.png", "The busy notice (CMessageDlg)",
                                    WriteMessageWindow);
const GalleryPicture kMessageBox("message-box.png",
                                 "A message box built at run time: a question icon, a long "
                                 "message and four buttons",
                                 WriteMessageBox);

} // namespace
