// What a person types into the file chooser's window: any bytes into the name field, then
// Enter, in a folder of a few files (a carriage return among them presses Enter early).
// Whatever was typed, the chooser ends, and a file that must exist is handed back only when
// it is there and is not a folder.

#include "vornui/platform/ChooserDialogItems.h"
#include "vornui/platform/ChooserWindows.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileChooser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr size_t kLongestTyping = 128;

// The folder the chooser opens in, made once per process and removed at its end.
class SurveyFolder {
public:
    SurveyFolder() : m_path((fs::temp_directory_path() / "vornui-chooser-XXXXXX").string()) {
        if (!mkdtemp(m_path.data()))
            std::abort();
        fs::create_directory(fs::path(m_path) / "lines");
        for (const char* name : {"tide.aft", "notes.txt", "lines/line1.aft"})
            std::ofstream(fs::path(m_path) / name) << "[Template]\n";
        SetChooserWindows(TRUE);
    }
    ~SurveyFolder() {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    SurveyFolder(const SurveyFolder&) = delete;
    SurveyFolder& operator=(const SurveyFolder&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

bool Acceptable(const char* path) {
    std::error_code error;
    return fs::exists(path, error) && !fs::is_directory(path, error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const SurveyFolder survey;
    const std::string& folder = survey.path();
    const std::string typed(reinterpret_cast<const char*>(data), std::min(size, kLongestTyping));
    CScriptedUser user;
    user.TypeInto(edt1, typed.c_str()).Press(VK_RETURN);

    char file[4096] = "";
    OPENFILENAME ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = "Tide files (*.aft)\0*.aft\0All files (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST;
    if (GetOpenFileName(&ofn) && !Acceptable(file))
        std::abort();
    return 0;
}
