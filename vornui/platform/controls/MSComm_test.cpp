// The serial port control on a pseudo-terminal, as a program uses it: opened and closed
// again and again (each time with its modem lines' watch, which a pseudo-terminal refuses),
// receiving, and passing on the events its driver stand-in raises, in order.

#include "tests/PseudoTerminal.h"
#include "tests/TestWindowClass.h"

#include "vornui/platform/MSComm.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/WinApp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr short kPort = 7;
constexpr UINT kCommId = 14113;

// What the control told its parent: each event, and the characters received.
struct Heard {
    std::vector<short> events;
    std::string received;
};
Heard* g_heard = nullptr;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == MSCOMMN_ONCOMM && g_heard) {
        auto* comm = static_cast<CMSComm*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
        g_heard->events.push_back(comm->GetCommEvent());
        if (comm->GetCommEvent() == comEvReceive)
            g_heard->received += comm->GetInput().str();
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// Dispatches the thread's messages until `done` holds; false after five seconds.
bool PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

size_t ThreadsOfThisProcess() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<size_t>(std::distance(begin(tasks), end(tasks)));
}

class MSCommOnAPseudoTerminal : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_line.Device().empty());
        SetSerialDeviceScan(false);
        AfxGetApp()->WriteProfileString("Serial devices", "COM7", m_line.Device().c_str());
        m_parent.CreateEx(0, TestWindowClass("MSCommParent", ParentProc), "", WS_POPUP, 0, 0, 10,
                          10, nullptr, nullptr);
        g_heard = &m_heard;
    }
    void TearDown() override {
        g_heard = nullptr;
        m_parent.DestroyWindow();
        AfxGetApp()->WriteProfileString("Serial devices", nullptr, nullptr);
    }

    void Create(CMSComm& comm) {
        ASSERT_TRUE(comm.Create(nullptr, WS_CHILD, CRect(0, 0, 1, 1), &m_parent, kCommId));
        comm.SetCommPort(kPort);
        comm.SetRThreshold(1);
    }

    // Opens the port, has the peer write `bytes` and waits until they are received.
    bool OpenAndReceive(CMSComm& comm, const std::string& bytes) {
        comm.SetPortOpen(TRUE);
        const size_t before = m_heard.received.size();
        m_line.Write(bytes);
        return PumpUntil([&] { return m_heard.received.size() >= before + bytes.size(); });
    }

    PseudoTerminal m_line;
    CWnd m_parent;
    Heard m_heard;
};

} // namespace

TEST_F(MSCommOnAPseudoTerminal, OpensAndClosesAgainAndAgainWithoutLeavingAThread) {
    CMSComm comm;
    Create(comm);
    ASSERT_TRUE(OpenAndReceive(comm, "first"));
    comm.SetPortOpen(FALSE);
    const size_t threads = ThreadsOfThisProcess();
    std::string expected = "first";
    for (int round = 0; round < 50; ++round) {
        const std::string bytes = "round " + std::to_string(round) + ";";
        ASSERT_TRUE(OpenAndReceive(comm, bytes)) << round;
        EXPECT_TRUE(comm.GetPortOpen());
        comm.SetPortOpen(FALSE);
        EXPECT_FALSE(comm.GetPortOpen());
        expected += bytes;
    }
    EXPECT_EQ(m_heard.received, expected);
    EXPECT_EQ(ThreadsOfThisProcess(), threads);

    // While the port is open its watch has asked the driver, been refused and ended.
    ASSERT_TRUE(OpenAndReceive(comm, "open"));
    EXPECT_TRUE(PumpUntil([&] { return ThreadsOfThisProcess() == threads; }));
    comm.SetPortOpen(FALSE);

    // A control destroyed with its port open ends its watch too.
    {
        CMSComm open;
        Create(open);
        ASSERT_TRUE(OpenAndReceive(open, "last"));
    }
    EXPECT_EQ(ThreadsOfThisProcess(), threads);
}

TEST_F(MSCommOnAPseudoTerminal, EventsFedThroughTheStandInArriveInOrderAmongTheData) {
    CMSComm comm;
    Create(comm);
    ASSERT_TRUE(OpenAndReceive(comm, "before"));
    const std::vector<short> fed = {
        comEvCTS,      comEvDSR,       comEvCD,          comEvRing,      comEvEOF,
        comEventBreak, comEventCTSTO,  comEventDSRTO,    comEventFrame,  comEventOverrun,
        comEventCDTO,  comEventRxOver, comEventRxParity, comEventTxFull, comEvCTS};
    for (const short event : fed)
        ASSERT_TRUE(RaiseCommEvent(comm.GetSafeHwnd(), event));
    const size_t heardBefore = m_heard.events.size();
    ASSERT_TRUE(PumpUntil([&] { return m_heard.events.size() >= heardBefore + fed.size(); }));
    m_line.Write("after");
    ASSERT_TRUE(PumpUntil([&] { return m_heard.received == "beforeafter"; }));

    const std::vector<short> raised(m_heard.events.begin() + static_cast<long>(heardBefore),
                                    m_heard.events.begin() +
                                        static_cast<long>(heardBefore + fed.size()));
    EXPECT_EQ(raised, fed);
    EXPECT_EQ(m_heard.events.front(), comEvReceive);
    EXPECT_EQ(m_heard.events.back(), comEvReceive);
    comm.SetPortOpen(FALSE);
}
