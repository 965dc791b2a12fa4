// Guide example: one worker that reports its progress through IProgressIndicator, run
// with the console indicator and with the shared progress dialog, and a message box built
// at run time.
#include "vornui/vornui.h"

#include <cstdio>

// The work: forty records, each reported; it stops when the user cancels.
int ReadRecords(IProgressIndicator& progress) {
    progress.SetRange(0, 40);
    int read = 0;
    for (int record = 1; record <= 40; ++record) {
        progress.SetPos(record);
        if (progress.IsCancelled())
            break;
        ++read;
    }
    return read;
}

int main() {
    CWinApp app("Survey");

    // Batch use: "progress:" lines on standard output, one per changed percentage.
    CProgressStdOut console;
    console.SetRange(0, 4);
    for (int record = 0; record <= 4; ++record)
        console.SetPos(record);

    // The dialog: a person (here a scripted one) presses Cancel; the click waits in the
    // queue until the worker polls IsCancelled, which reports it once.
    KProgressDlg dialog(TRUE);
    dialog.Create(nullptr);
    dialog.SetStatus("Reading records");
    CScriptedUser user;
    user.Click(IDCANCEL).QueueIn(dialog.m_hWnd);
    std::printf("records read before the cancel: %d\n", ReadRecords(dialog));
    dialog.DestroyWindow();

    // The shared dialog: nested work registers as a user and gives progress as p of m;
    // the dialog closes by itself at 100 %.
    KProgressDlg::Create("Gridding", FALSE);
    for (int line = 1; line <= 4; ++line)
        std::printf("line %d of 4: still running %d\n", line, KProgressDlg::SetProgress(line, 4));
    std::printf("shared dialog gone: %s\n", KProgressDlg::g_pDlg ? "no" : "yes");
    KProgressDlg::Release();

    // A message box with the caller's own buttons; Escape gives the escape button.
    CMessageBoxDialog box(nullptr, CString("Replace line_0042.xyz?"), CString("Export"),
                          MB_ICONQUESTION, 0);
    box.AddButton(IDC_ANSWER_YES, IDS_YES, TRUE, FALSE);
    box.AddButton(IDC_ANSWER_YES_TO_ALL, IDS_YES_TO_ALL, FALSE, FALSE);
    box.AddButton(IDC_ANSWER_NO, IDS_NO, FALSE, TRUE);
    user.Press(VK_ESCAPE);
    std::printf("answer: %d (No is %d)\n", static_cast<int>(box.DoModal()), IDC_ANSWER_NO);
    return 0;
}
