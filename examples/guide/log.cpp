// Guide example: where the error file and the trace file go, and how a host turns the
// trace on.
#include "vornui/vornui.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

// Prints a log file, with the parts that change from run to run (clock, user) elided.
void PrintFile(const fs::path& path, const fs::path& home) {
    std::printf("%s:\n", fs::relative(path, home).c_str());
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Date         : ", 0) == 0 || line.rfind("User         : ", 0) == 0)
            line = line.substr(0, 15) + "...";
        else if (line.size() > 9 && line[2] == ':' && line[5] == ':' && line[8] == '|')
            line = "hh:mm:ss" + line.substr(8);
        std::printf("  %s\n", line.c_str());
    }
}

int main() {
    // The suite's home: the error file goes to $VORNHOME/log/error, the trace file into
    // the first "log" folder of the current folder or of the folders listed in VORNHOME.
    char pattern[] = "/tmp/vornui-guide-XXXXXX";
    const fs::path home = mkdtemp(pattern);
    fs::create_directory(home / "log");
    setenv("VORNHOME", home.c_str(), 1);

    // A level-0 report is written to the error file only. A report names the C runtime's
    // error number when one is set, and clears it.
    errno = 0;
    if (std::fopen("no_such_tide.txt", "r") == nullptr)
        VornErrAt("survey/TideImport", 120, VORNERR_LOG_MESSAGE,
                  g_lpszVornErrMsg[VORNMSG_OPEN_FILE], "no_such_tide.txt");

    // From level 1 on the report is also shown to the user. A test installs a scripted
    // user to see the box; without one, the headless desktop presses OK and says so on
    // standard error.
    {
        CScriptedUser user;
        VornErrAt("survey/TideImport", 131, VORNERR_WARNING, "%d lines skipped", 2);
        for (const MessageBoxRequest& box : user.MessageBoxesShown())
            std::printf("message box \"%s\" shown\n", box.caption.GetString());
    }

    // The trace is off until the host sets a level.
    VornLogAt("survey/TideImport", 140, 1, "not written: the trace is off");
    VornSetTraceLevel(1);
    VornLogAt("survey/TideImport", 142, 1, "7 samples loaded");
    VornLogAt("survey/TideImport", 143, 2, "level 2 has no source position");
    VornLogAt("survey/TideImport", 144, 3, "level 3 needs trace level 2");

    PrintFile(home / "log" / "error", home);
    PrintFile(VornTraceFilePath(), home);
    fs::remove_all(home);
    return 0;
}
