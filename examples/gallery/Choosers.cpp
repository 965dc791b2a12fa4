// The windows of the file and folder choosers, as a person at a real display sees them,
// on a survey folder made for the picture.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kSurveys = "/tmp/vorn/gallery";
const fs::path kSurvey = kSurveys / "Survey 2026";

// The survey folders while they live: lines and tide folders and a few data files.
class SurveyFolder {
public:
    SurveyFolder() {
        for (const char* folder : {"Lines", "Tide", "Sound velocity"})
            fs::create_directories(kSurvey / folder);
        fs::create_directories(kSurveys / "Survey 2025" / "Lines");
        Write("Harbour entrance.aft", 1800);
        Write("Tide gauge north.aft", 950);
        Write("Tide gauge south.aft", 4200);
        Write("svp_2024-03-15.txt", 12000);
    }
    ~SurveyFolder() {
        std::error_code error;
        fs::remove_all(kSurveys, error);
    }
    SurveyFolder(const SurveyFolder&) = delete;
    SurveyFolder& operator=(const SurveyFolder&) = delete;

private:
    static void Write(const char* name, size_t size) {
        std::ofstream(kSurvey / name) << std::string(size, '#');
    }
};

// Runs `choose` with the chooser shown as a window; the person looks at it, the picture is
// taken, and the chooser is cancelled.
int PictureOfChooser(const char* path, const std::function<void()>& choose) {
    const SurveyFolder survey;
    const BOOL previous = SetChooserWindows(TRUE);
    int written = 1;
    CScriptedUser user;
    user.Then([&](HWND dialog) {
        written = SaveWindowPicture(*CWnd::FromHandle(dialog), path);
        return ModalAction::Nothing;
    });
    choose();
    SetChooserWindows(previous);
    return written;
}

int WriteFileChooser(const char* path) {
    return PictureOfChooser(path, [] {
        CFileDialog dialog(TRUE, "aft", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                           "Tide files (*.aft)|*.aft|All files (*.*)|*.*||");
        const std::string folder = kSurvey.string();
        dialog.m_ofn.lpstrInitialDir = folder.c_str();
        dialog.DoModal();
    });
}

int SelectLines(HWND browser, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED) {
        const std::string lines = (kSurvey / "Lines").string();
        SendMessage(browser, BFFM_SETSELECTION, TRUE, reinterpret_cast<LPARAM>(lines.c_str()));
    }
    return 0;
}

int WriteFolderChooser(const char* path) {
    return PictureOfChooser(path, [] {
        PIDLIST_ABSOLUTE root = ILCreateFromPath(kSurveys.string().c_str());
        BROWSEINFO info{nullptr,
                        root,
                        nullptr,
                        "Choose the folder of the survey lines",
                        BIF_RETURNONLYFSDIRS,
                        SelectLines,
                        0,
                        0};
        CoTaskMemFree(SHBrowseForFolder(&info));
        CoTaskMemFree(root);
    });
}

const GalleryPicture kFileChooser("file-chooser.png",
                                  "the file chooser's window (`CFileDialog` on a real display): "
                                  "the folder, its folders first and the files of the chosen "
                                  "filter with their icons and sizes, the name and the filters",
                                  WriteFileChooser);
const GalleryPicture kFolderChooser("folder-chooser.png",
                                    "the folder chooser's window (`SHBrowseForFolder` on a real "
                                    "display): the tree opened down to the folder the caller "
                                    "selected",
                                    WriteFolderChooser);

} // namespace
