// The file and folder validators in a real dialog, on real files in a temporary folder,
// answered by the scripted user.

#include "tests/TempDir.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/EditControl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/util/FileValidation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sys/stat.h>

namespace {

constexpr int kName = 100;

constexpr DialogItemTemplate kItems[] = {
    {"Edit", "", kName, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 7, 7, 180, 12},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 80, 25, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 137, 25, 50, 14},
};

constexpr DialogTemplate kChoose{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                 0,
                                 0,
                                 0,
                                 194,
                                 46,
                                 "Output",
                                 "MS Shell Dlg",
                                 8,
                                 kItems,
                                 static_cast<WORD>(std::size(kItems))};

enum class Kind { File, Path };

class OutputDialog : public CDialog {
public:
    OutputDialog(Kind kind, const char* flags) : m_kind(kind), m_flags(flags) {}
    CString m_name;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (m_kind == Kind::File) {
            DDX_File(pDX, kName, m_name);
            DDV_ValidFile(pDX, m_name, m_flags);
        } else {
            DDX_Path(pDX, kName, m_name);
            DDV_ValidPath(pDX, m_name, m_flags);
        }
    }

private:
    const Kind m_kind;
    const char* m_flags;
};

struct Outcome {
    INT_PTR result;
    std::vector<MessageBoxRequest> boxes;
    CString name;
    int focus;
};

// Types `name`, presses OK and, when the dialog stays open, notes the focus and cancels.
Outcome Validate(Kind kind, const std::string& name, const char* flags, int answer = IDNO) {
    OutputDialog dialog(kind, flags);
    EXPECT_TRUE(dialog.InitModalIndirect(&kChoose));
    CScriptedUser user;
    user.AnswerNextMessageBox(answer);
    int focus = 0;
    user.TypeInto(kName, name.c_str()).Click(IDOK).Then([&focus](HWND) {
        focus = GetDlgCtrlID(GetFocus());
        return ModalAction::Acted;
    });
    user.Click(IDCANCEL);
    const INT_PTR result = dialog.DoModal();
    return Outcome{result, user.MessageBoxesShown(), dialog.m_name, focus};
}

std::string Quoted(const std::string& text, const char* rest) {
    return "\"" + text + "\"" + rest;
}

} // namespace

TEST(FileValidation, FileNamesAreCheckedByTheirFlags) {
    TempDir dir;
    const std::string existing = dir.write("depths.txt", "1.0\n");
    const std::string locked = dir.write("locked.txt", "2.0\n");
    chmod(locked.c_str(), 0444);
    std::filesystem::create_directory(dir.path() / "sealed");
    chmod(dir.file("sealed").c_str(), 0555);

    // Valid names end the dialog, the name read back exactly as typed.
    Outcome ok = Validate(Kind::File, existing, "rw");
    EXPECT_EQ(ok.result, IDOK);
    EXPECT_TRUE(ok.boxes.empty());
    EXPECT_EQ(ok.name, CString(existing.c_str()));
    EXPECT_EQ(Validate(Kind::File, dir.file("new.txt"), "w").result, IDOK);
    EXPECT_EQ(Validate(Kind::File, dir.file("new.txt"), "").result, IDOK);
    EXPECT_EQ(Validate(Kind::File, "/nowhere/at/all.txt", "x").result, IDOK);
    EXPECT_EQ(Validate(Kind::File, locked, "R").result, IDOK);

    const auto failsWith = [](const Outcome& outcome, const std::string& text) {
        EXPECT_EQ(outcome.result, IDCANCEL);
        ASSERT_EQ(outcome.boxes.size(), 1u);
        EXPECT_EQ(outcome.boxes[0].text, CString(text.c_str()));
        EXPECT_EQ(outcome.boxes[0].type & MB_ICONMASK, MB_ICONERROR);
        EXPECT_EQ(outcome.focus, kName);
    };
    failsWith(Validate(Kind::File, "", "r"), "Please enter a valid file");
    failsWith(Validate(Kind::File, locked, "W"), Quoted(locked, " is readonly"));
    failsWith(Validate(Kind::File, dir.file("gone.txt"), "rw"),
              Quoted(dir.file("gone.txt"), " does not exist"));
    failsWith(Validate(Kind::File, "bare.txt", "w"),
              Quoted("bare.txt", " does not contain a valid path"));
    failsWith(Validate(Kind::File, dir.file("missing/x.txt"), "w"),
              Quoted(dir.file("missing/x.txt"), " does not contain a valid path"));
    // A read-only folder is named by its own name.
    failsWith(Validate(Kind::File, dir.file("sealed/x.txt"), "w"),
              Quoted("sealed", " is readonly"));
    chmod(dir.file("sealed").c_str(), 0755);
}

TEST(FileValidation, FoldersAreCheckedAndOfferedToBeCreated) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "sealed");
    chmod(dir.file("sealed").c_str(), 0555);
    const std::string fresh = dir.file("fresh");

    EXPECT_EQ(Validate(Kind::Path, dir.path().string(), "rw").result, IDOK);
    EXPECT_EQ(Validate(Kind::Path, dir.file("absent"), "w").result, IDOK);

    Outcome empty = Validate(Kind::Path, "", "c");
    ASSERT_EQ(empty.boxes.size(), 1u);
    EXPECT_EQ(empty.boxes[0].text, CString("Please enter a valid path"));

    // "rc": the folder must exist; creating it is never offered.
    Outcome mustExist = Validate(Kind::Path, fresh, "rc");
    EXPECT_EQ(mustExist.result, IDCANCEL);
    ASSERT_EQ(mustExist.boxes.size(), 1u);
    EXPECT_EQ(mustExist.boxes[0].text, CString(Quoted(fresh, " is not a valid path").c_str()));
    EXPECT_FALSE(std::filesystem::exists(fresh));

    // The user says no: no further word, the dialog stays open, nothing is created.
    const std::string question =
        "The folder: " + Quoted(fresh, " does not exist.\n Do you want to create it?");
    Outcome declined = Validate(Kind::Path, fresh, "c", IDNO);
    EXPECT_EQ(declined.result, IDCANCEL);
    ASSERT_EQ(declined.boxes.size(), 1u);
    EXPECT_EQ(declined.boxes[0].text, CString(question.c_str()));
    EXPECT_EQ(declined.boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_FALSE(std::filesystem::exists(fresh));

    // Yes creates it and the dialog ends.
    Outcome accepted = Validate(Kind::Path, fresh, "c", IDYES);
    EXPECT_EQ(accepted.result, IDOK);
    EXPECT_TRUE(std::filesystem::is_directory(fresh));

    // One level only: a folder two levels down cannot be made.
    Outcome deep = Validate(Kind::Path, dir.file("a/b"), "c", IDYES);
    EXPECT_EQ(deep.result, IDCANCEL);
    ASSERT_EQ(deep.boxes.size(), 2u);
    EXPECT_EQ(deep.boxes[1].text, CString("Failed Creating Folder"));

    Outcome sealed = Validate(Kind::Path, dir.file("sealed"), "w");
    ASSERT_EQ(sealed.boxes.size(), 1u);
    EXPECT_EQ(sealed.boxes[0].text, CString(Quoted(dir.file("sealed"), " is readonly").c_str()));
    chmod(dir.file("sealed").c_str(), 0755);
}
