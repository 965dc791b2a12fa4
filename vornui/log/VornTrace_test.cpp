#include "tests/TempDir.h"

#include "vornui/log/VornTrace.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Mutex.h"
#include "vornui/platform/ProcessIdentity.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using ::testing::ElementsAre;
using ::testing::MatchesRegex;

namespace {

constexpr char kClock[] = "[0-9]{2}:[0-9]{2}:[0-9]{2}\\|";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Clocked(const std::string& rest) {
    return kClock + rest;
}

// Each test starts with the log's defaults, VORNHOME at a fresh folder and a current
// folder without a "log" in it.
class VornTrace : public ::testing::Test {
protected:
    void SetUp() override {
        char previous[MAX_PATH];
        GetCurrentDirectory(MAX_PATH, previous);
        m_previousFolder = previous;
        std::filesystem::create_directories(m_root.path() / "home/log");
        std::filesystem::create_directories(m_root.path() / "work");
        SetEnvironmentVariable("VORNHOME", Home().c_str());
        SetCurrentDirectory(m_root.file("work").c_str());
        VornSetTraceSearchVariable("VORNHOME");
        VornSetTraceLevel(0);
        VornSetTraceFileName(nullptr);
        VornSetTraceLock(nullptr);
    }
    void TearDown() override {
        VornTraceFileClose();
        if (HANDLE lock = VornSetTraceLock(nullptr))
            CloseHandle(lock);
        VornSetTraceLevel(0);
        SetCurrentDirectory(m_previousFolder.c_str());
        SetEnvironmentVariable("VORNHOME", nullptr);
    }
    std::string Home() const { return m_root.file("home"); }
    std::string TraceFile() const { return m_root.file("home/log/vorntrace.log"); }
    std::vector<std::string> TraceLines() const { return Lines(TempDir::read(TraceFile())); }

    TempDir m_root;
    std::string m_previousFolder;
};

} // namespace

TEST_F(VornTrace, IsOffUntilTheHostSetsALevel) {
    VORNLOG(0, "nothing");
    VORNLOG(2, "nothing");
    EXPECT_FALSE(std::filesystem::exists(TraceFile()));
}

TEST_F(VornTrace, EntryFormsFollowTheLevel) {
    VornSetTraceLevel(1);
    VornLogSource("vornsocket/SocketClient", 77);
    VORNLOG(1, "READ FAIL");
    VORNLOG(2, "timed %d", 5);
    VORNLOG(3, "only from trace level 2");
    VORNLOG(4, "never");
    VORNLOG(0, "block");
    VornSetTraceLevel(2);
    VORNLOG(3, "bare");

    EXPECT_THAT(TraceLines(),
                ElementsAre(MatchesRegex(Clocked("vornsocket/SocketClient@77\\|READ FAIL")),
                            MatchesRegex(Clocked("timed 5")), "##TRACE:: VornCtrl CComPortDlg",
                            "Info : block",
                            "File : \"vornsocket/SocketClient\" at line 77 in thread 0",
                            MatchesRegex("Time : [A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] "
                                         "[0-9:]{8} [0-9]{4}"),
                            "bare"));
}

TEST_F(VornTrace, KeepsErrnoAndTheLastErrorAndCutsLongText) {
    VornSetTraceLevel(2);
    errno = EPIPE;
    SetLastError(10054);
    VORNLOG(3, "%s", std::string(2000, 'x').c_str());
    EXPECT_EQ(errno, EPIPE);
    EXPECT_EQ(GetLastError(), 10054u);
    EXPECT_THAT(TraceLines(), ElementsAre(std::string(1023, 'x')));
}

TEST_F(VornTrace, TheLockRecordsTheThreadThatTookIt) {
    VornSetTraceLevel(1);
    VornSetTraceLock(CreateMutex(nullptr, FALSE, "VornTraceTest"));
    VornLogAt("vornsocket/VornSOCKET", 12, 1, "locked");
    const std::string thread = std::to_string(GetCurrentThreadId());
    EXPECT_THAT(
        TraceLines(),
        ElementsAre(MatchesRegex(Clocked(" *" + thread + "\\|vornsocket/VornSOCKET@12\\|locked"))));
}

TEST_F(VornTrace, LockWaitsAreBoundedAndAbandonedLocksAreTaken) {
    VornSetTraceLevel(1);
    const HANDLE lock = CreateMutex(nullptr, FALSE, nullptr);
    VornSetTraceLock(lock);
    EXPECT_FALSE(CVornTraceLock(3).IsHeld()); // level-3 traces wait only from trace level 2

    DWORD tracer = 0;
    std::thread([&] {
        CVornTraceLock guard(1);
        EXPECT_TRUE(guard.IsHeld());
        tracer = GetCurrentThreadId();
    }).join();

    std::thread([&] { EXPECT_EQ(WaitForSingleObject(lock, 0), WAIT_OBJECT_0); }).join();
    CVornTraceLock taken(1); // abandoned by the thread that ended: held, thread not recorded
    EXPECT_TRUE(taken.IsHeld());
    VornLogSource("here", 1);
    VORNLOG(1, "after abandon");
    EXPECT_THAT(TraceLines(), ElementsAre(MatchesRegex(Clocked(" *" + std::to_string(tracer) +
                                                               "\\|here@1\\|after abandon"))));

    std::thread([] {
        CVornTraceLock busy(1);
        EXPECT_FALSE(busy.IsHeld());
        VornSetTraceLevel(2);
        EXPECT_FALSE(CVornTraceLock(3).IsHeld());
    }).join();
    taken.Release();
    EXPECT_FALSE(taken.IsHeld());
    std::thread([] { EXPECT_TRUE(CVornTraceLock(3).IsHeld()); }).join();
}

TEST_F(VornTrace, WithoutALogFolderTheFileIsMadeHereWithAComplaint) {
    SetEnvironmentVariable("VORNHOME", m_root.file("work").c_str());
    VornSetTraceLevel(1);
    EXPECT_STREQ(VornTraceFilePath(), "vorntrace.log");
    VORNLOG(2, "first");
    EXPECT_THAT(Lines(TempDir::read(m_root.file("work/vorntrace.log"))),
                ElementsAre(MatchesRegex(Clocked(">>>> VORNLOG\\(\\): no/bad defined \\$VORNHOME "
                                                 "environment variable!!! <<<<")),
                            MatchesRegex(Clocked("first"))));
}

TEST_F(VornTrace, PathResolutionSearchesHereThenTheListedFolders) {
    const std::string listed = m_root.file("missing") + ";;" + Home() + "/";
    SetEnvironmentVariable("VORNHOME", listed.c_str());
    EXPECT_EQ(VornTraceFilePath(), Home() + "/log/vorntrace.log");

    VornSetTraceFileName("comms.log");
    EXPECT_EQ(VornTraceFilePath(), Home() + "/log/comms.log");
    VornSetTraceFileName("C:comms.log");
    EXPECT_STREQ(VornTraceFilePath(), "C:comms.log");
    VornSetTraceFileName("\\\\server\\share\\comms.log");
    EXPECT_STREQ(VornTraceFilePath(), "\\\\server\\share\\comms.log");
    VornSetTraceFileName("/var/tmp/comms.log");
    EXPECT_STREQ(VornTraceFilePath(), "/var/tmp/comms.log");

    VornSetTraceFileName(nullptr);
    std::filesystem::create_directory("log");
    EXPECT_STREQ(VornTraceFilePath(), "log/vorntrace.log");
}

TEST_F(VornTrace, SearchVariableIsTakenOnlyWhenItHoldsSomething) {
    SetEnvironmentVariable("VORN_TRACE_TEST_EMPTY", "");
    EXPECT_FALSE(VornSetTraceSearchVariable("VORN_TRACE_TEST_UNSET"));
    EXPECT_FALSE(VornSetTraceSearchVariable("VORN_TRACE_TEST_EMPTY"));
    EXPECT_FALSE(VornSetTraceSearchVariable(nullptr));
    std::filesystem::create_directories(m_root.path() / "other/log");
    SetEnvironmentVariable("VORN_TRACE_TEST_FOLDERS", m_root.file("other").c_str());
    EXPECT_TRUE(VornSetTraceSearchVariable("VORN_TRACE_TEST_FOLDERS"));
    EXPECT_EQ(VornTraceFilePath(), m_root.file("other") + "/log/vorntrace.log");
}

TEST_F(VornTrace, KeptOpenFileTruncatesAppendsAndResets) {
    m_root.write("home/log/vorntrace.log", "earlier run\n");
    VornSetTraceLevel(2);
    ASSERT_TRUE(VornTraceFileOpen(TRUE));
    VORNLOG(3, "one");
    EXPECT_TRUE(VornTraceFileOpen(TRUE)); // already open: nothing happens
    VORNLOG(3, "two");
    EXPECT_THAT(TraceLines(), ElementsAre("one", "two"));

    ASSERT_TRUE(VornTraceFileReset());
    VORNLOG(3, "three");
    VornTraceFileClose();
    VORNLOG(3, "four");
    EXPECT_THAT(TraceLines(), ElementsAre("three", "four"));
}
