// Real child processes started from command lines: the probe program reports what it got,
// and a recording xdg-open first on PATH shows what the file manager and editor were
// handed.

#include "tests/ChildWait.h"
#include "tests/TempDir.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/util/StartProgram.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

// The file's content once it is there, waiting at most five seconds.
std::string AwaitFile(const std::string& path) {
    for (int wait = 0; wait < 500 && !std::filesystem::exists(path); ++wait)
        std::this_thread::sleep_for(10ms);
    return std::filesystem::exists(path) ? TempDir::read(path) : "";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Words(const std::string& zeroEnded) {
    std::vector<std::string> words;
    for (size_t at = 0; at < zeroEnded.size();) {
        const size_t end = zeroEnded.find('\0', at);
        words.push_back(zeroEnded.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

// True once process `pid` is gone and reaped (no zombie left), within five seconds.
bool Reaped(pid_t pid) {
    const std::string entry = "/proc/" + std::to_string(pid);
    for (int wait = 0; wait < 500 && std::filesystem::exists(entry); ++wait)
        std::this_thread::sleep_for(10ms);
    return !std::filesystem::exists(entry);
}

// A recording xdg-open first on PATH: it writes its arguments, each ended by a zero byte.
class RecordingOpener {
public:
    RecordingOpener() : m_savedPath(std::getenv("PATH") ? std::getenv("PATH") : "") {
        const std::string script =
            m_dir.write("xdg-open", "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + record() +
                                        ".tmp'\nmv '" + record() + ".tmp' '" + record() + "'\n");
        chmod(script.c_str(), 0755);
        setenv("PATH", (m_dir.path().string() + ":" + m_savedPath).c_str(), 1);
    }
    ~RecordingOpener() { setenv("PATH", m_savedPath.c_str(), 1); }
    std::string record() const { return m_dir.file("opened"); }
    std::vector<std::string> awaitArguments() const {
        const auto words = Words(AwaitFile(record()));
        std::filesystem::remove(record());
        return words;
    }

private:
    TempDir m_dir;
    std::string m_savedPath;
};

std::string Probe() {
    return std::string("\"") + VORNUI_PROCESS_PROBE + "\"";
}

} // namespace

TEST(StartProgram, TheCommandLineReachesTheChildAsItsArgumentsWithOnlyTheStandardDescriptors) {
    TempDir dir;
    const std::string args = dir.file("args");
    EXPECT_EQ(StartWindowsApp((Probe() + " args \"" + args +
                               "\" plain \"two words\" $HOME "
                               R"(a\"q\" "" -x)")
                                  .c_str()),
              S_OK);
    EXPECT_EQ(Words(AwaitFile(args)),
              (std::vector<std::string>{"plain", "two words", "$HOME", "a\"q\"", "", "-x"}));

    // A descriptor the host left inheritable stays the host's.
    const int leaked = open(dir.file("args").c_str(), O_RDONLY);
    ASSERT_GE(leaked, 3);
    const std::string report = dir.file("session");
    EXPECT_EQ(StartWindowsApp((Probe() + " session \"" + report + "\" 0").c_str()), S_OK);
    const auto lines = Lines(AwaitFile(report));
    close(leaked);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()),
              (std::vector<std::string>{"0", "1", "2"}));
    // Started as the host's child, in the host's session; reaped once it ends.
    EXPECT_EQ(lines[1], std::to_string(getsid(0)));
    EXPECT_TRUE(Reaped(std::stoi(lines[0])));
}

TEST(StartProgram, ChildrenAreReapedWithoutTouchingTheHostsOwn) {
    TempDir dir;
    const pid_t own = fork();
    ASSERT_GE(own, 0);
    if (own == 0)
        _exit(7);
    const std::string report = dir.file("session");
    EXPECT_EQ(StartWindowsApp((Probe() + " session \"" + report + "\" 0").c_str()), S_OK);
    const auto lines = Lines(AwaitFile(report));
    ASSERT_GE(lines.size(), 1u);
    EXPECT_TRUE(Reaped(std::stoi(lines[0])));
    int status = 0;
    ASSERT_TRUE(WaitForChild(own, status));
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
}

TEST(StartProgram, FailuresTellTheUserTheSystemsCode) {
    TempDir dir;
    CScriptedUser user;
    EXPECT_EQ(StartWindowsApp("NoSuchProgram.exe /m survey"), E_FAIL);
    const std::string plain = dir.write("notes.txt", "not a program\n");
    EXPECT_EQ(StartWindowsApp(("\"" + plain + "\" x").c_str()), E_FAIL);
    ASSERT_EQ(user.MessageBoxesShown().size(), 2u);
    EXPECT_EQ(user.MessageBoxesShown()[0].text,
              CString("Warning: 'NoSuchProgram.exe /m survey' could not be started or "
                      "found!\nError 2"));
    EXPECT_EQ(user.MessageBoxesShown()[0].type & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_EQ(
        user.MessageBoxesShown()[1].text,
        CString(
            ("Warning: '\"" + plain + "\" x' could not be started or found!\nError 5").c_str()));

    // 2049 characters are refused before anything starts; 2048 are tried.
    const std::string tooLong = "NoSuchProgram " + std::string(2049 - 14, 'x');
    EXPECT_EQ(StartWindowsApp(tooLong.c_str()), E_FAIL);
    ASSERT_EQ(user.MessageBoxesShown().size(), 3u);
    EXPECT_EQ(
        user.MessageBoxesShown()[2].text,
        CString(("The file path is too long. Please choose a shorter file path.\n\n" + tooLong)
                    .c_str()));
    EXPECT_EQ(user.MessageBoxesShown()[2].type & MB_ICONMASK, MB_ICONERROR);
    EXPECT_EQ(StartWindowsApp(tooLong.substr(1).c_str()), E_FAIL);
    ASSERT_EQ(user.MessageBoxesShown().size(), 4u);
    EXPECT_TRUE(user.MessageBoxesShown()[3].text.view().ends_with("Error 2"));

    // The detached start fails silently.
    EXPECT_EQ(StartWinProcessDetached("NoSuchProgram.exe"), E_FAIL);
    EXPECT_EQ(user.MessageBoxesShown().size(), 4u);
}

TEST(StartProgram, ADetachedChildHasASessionOfItsOwnAndOutlivesItsHostsCtrlC) {
    TempDir dir;
    const std::string report = dir.file("session");
    const std::string started = dir.file("started");
    const pid_t host = fork();
    ASSERT_GE(host, 0);
    if (host == 0) {
        // The host: a process group of its own, as a terminal's foreground job has.
        setpgid(0, 0);
        const HRESULT result =
            StartWinProcessDetached((Probe() + " session \"" + report + "\" 500").c_str());
        close(open(started.c_str(), O_CREAT | O_WRONLY, 0644));
        if (result != S_OK)
            _exit(1);
        pause();
        _exit(0);
    }
    setpgid(host, host);
    AwaitFile(started);
    ASSERT_TRUE(std::filesystem::exists(started));
    kill(-host, SIGINT); // Ctrl+C to the host's job
    int status = 0;
    ASSERT_TRUE(WaitForChild(host, status));
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGINT);

    // The child reports after its host is gone.
    const auto lines = Lines(AwaitFile(report));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[1], lines[0]); // leads its own session
    EXPECT_EQ(lines[2], lines[0]);
    EXPECT_EQ(lines[3], "/dev/null");
}

TEST(StartProgram, PathsReachTheFileManagerAndEditorAsOneArgumentOrNotAtAll) {
    RecordingOpener opener;
    TempDir dir;
    const std::string odd = dir.write("it's $HOME & `x`;.txt", "");
    EXPECT_EQ(OpenFileInNotepad(odd.c_str()), S_OK);
    EXPECT_EQ(opener.awaitArguments(), std::vector<std::string>{odd});

    EXPECT_EQ(OpenContainingFolder(odd.c_str()), S_OK);
    EXPECT_EQ(opener.awaitArguments(), std::vector<std::string>{dir.path().string()});

    // A leading '-' would be an option: the same file below the current folder instead.
    EXPECT_EQ(OpenFileInNotepad("-notes.txt"), S_OK);
    EXPECT_EQ(opener.awaitArguments(), std::vector<std::string>{"./-notes.txt"});
    EXPECT_EQ(OpenContainingFolder("-raw/line 1.txt"), S_OK);
    EXPECT_EQ(opener.awaitArguments(), std::vector<std::string>{"./-raw"});

    // A quote cannot pass through the command line unchanged: nothing starts.
    CScriptedUser user;
    EXPECT_EQ(OpenFileInNotepad("/tmp/say \"hi\".txt"), E_FAIL);
    EXPECT_EQ(OpenContainingFolder("/tmp/a\\\"b"), E_FAIL);
    ASSERT_EQ(user.MessageBoxesShown().size(), 2u);
    EXPECT_EQ(user.MessageBoxesShown()[0].text,
              CString("Warning: 'notepad.exe \"/tmp/say \"hi\".txt\"' could not be started or "
                      "found!\nError 123"));
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(std::filesystem::exists(opener.record()));
}
