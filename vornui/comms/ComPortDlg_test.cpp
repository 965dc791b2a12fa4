// "Port settings" as a test bench, worked by the scripted user: a serial line (a
// pseudo-terminal named as COM12) with a peer writing flat out, captured, forwarded to the
// raw-data viewer's port and shown; and test connections to real sockets on 127.0.0.1.

#include "tests/LoopbackPeers.h"
#include "tests/PseudoTerminal.h"
#include "tests/TempDir.h"

#include "vornui/comms/PortSelection.h"
#include "vornui/edits/IncludeExclude.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MSComm.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/TimeSource.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/Window.h"
#include "vornui/resources/EditorDialogIds.h"
#include "vornui/resources/PortDialogIds.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        setenv(name, value.c_str(), 1);
    }
    // Without the variable for a while.
    explicit ScopedEnvironment(const char* name) : ScopedEnvironment(name, "") { unsetenv(name); }
    ~ScopedEnvironment() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// Collects every datagram that reaches 127.0.0.1 at `port`, on a thread of its own.
class DatagramListener {
public:
    explicit DatagramListener(unsigned short port) : m_socket(socket(AF_INET, SOCK_DGRAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int size = 4 << 20;
        setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
        m_bound = bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        m_thread = std::thread([this] { Listen(); });
    }
    ~DatagramListener() {
        m_stop = true;
        m_thread.join();
        close(m_socket);
    }
    bool Bound() const { return m_bound; }
    std::string Received() {
        const std::lock_guard lock(m_mutex);
        return m_received;
    }

private:
    void Listen() {
        while (!m_stop) {
            pollfd readable{m_socket, POLLIN, 0};
            if (poll(&readable, 1, 20) <= 0)
                continue;
            char datagram[65536];
            const ssize_t count = recv(m_socket, datagram, sizeof datagram, 0);
            if (count > 0) {
                const std::lock_guard lock(m_mutex);
                m_received.append(datagram, static_cast<size_t>(count));
            }
        }
    }

    int m_socket;
    bool m_bound = false;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::string m_received;
    std::thread m_thread;
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string TextOf(HWND dialog, int id) {
    char text[2048] = "";
    GetWindowText(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

CScriptedUser::Step Look(std::function<void(HWND)> look) {
    return [look](HWND dialog) {
        look(dialog);
        return ModalAction::Acted;
    };
}

// Waits, as a person would, until `done` holds; gives up after ten seconds.
CScriptedUser::Step WaitUntil(std::function<bool(HWND)> done) {
    const auto start = std::make_shared<std::optional<std::chrono::steady_clock::time_point>>();
    return [done, start](HWND dialog) {
        if (!*start)
            *start = std::chrono::steady_clock::now();
        if (done(dialog) || std::chrono::steady_clock::now() - **start > std::chrono::seconds(10))
            return ModalAction::Acted;
        usleep(1000);
        PostMessage(dialog, WM_NULL, 0, 0); // looks again soon
        return ModalAction::Waiting;
    };
}

void WriteScript(const std::string& path, const std::string& body) {
    FILE* file = std::fopen(path.c_str(), "w");
    std::fputs(("#!/bin/sh\n" + body).c_str(), file);
    std::fclose(file);
    chmod(path.c_str(), 0755);
}

// 1 MB of every byte value, ending in printable text so that the display can be read.
std::string PeerBytes() {
    std::string bytes(1 << 20, '\0');
    for (size_t index = 0; index < bytes.size(); ++index)
        bytes[index] = static_cast<char>((index * 7 + index / 256) & 0xFF);
    for (size_t index = bytes.size() - 700; index < bytes.size(); ++index)
        bytes[index] = static_cast<char>('A' + index % 26);
    return bytes;
}

class ComPortBench : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_line.Device().empty());
        SetSerialDeviceScan(false);
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("Serial devices", nullptr, nullptr);
        app->WriteProfileString("Serial devices", "COM12", m_line.Device().c_str());
        app->WriteProfileString("COM select", nullptr, nullptr);
    }
    void TearDown() override {
        AfxGetApp()->WriteProfileString("Serial devices", nullptr, nullptr);
        AfxGetApp()->WriteProfileString("COM select", nullptr, nullptr);
    }

    PseudoTerminal m_line;
    TempDir m_folder;
    CScriptedUser m_user;
};

// The raw-data viewer's port is fixed: the tests that listen there hold it alone (the test
// suite gives this fixture's tests a lock of their own).
class ComPortViewerPort : public ComPortBench {
protected:
    void SetUp() override {
        ComPortBench::SetUp();
        m_viewerPort.emplace(kViewerPort);
        ASSERT_TRUE(m_viewerPort->Bound());
    }

    static constexpr unsigned short kViewerPort = 14886;
    std::optional<DatagramListener> m_viewerPort;
};

} // namespace

TEST_F(ComPortViewerPort, ASerialPeerIsShownCapturedAndForwardedByteForByte) {
    // A folder given with its separator at the end gets no second one.
    const ScopedEnvironment temp("TEMP", m_folder.path().string() + "/");
    const ScopedEnvironment posmarbin("POSMARBIN", m_folder.path().string());
    const ScopedEnvironment path("PATH", m_folder.path().string() + ":" + std::getenv("PATH"));
    const std::string viewerPid = m_folder.file("viewer.pid");
    const std::string opened = m_folder.file("opened.txt");
    // The viewer as "RawMonitor" (found without ".exe"), and the editor the notepad
    // mapping reaches.
    WriteScript(m_folder.file("RawMonitor"), "echo $$ > '" + viewerPid + "'\nexec sleep 30\n");
    WriteScript(m_folder.file("xdg-open"), "echo \"$1\" > '" + opened + "'\n");

    const std::string bytes = PeerBytes();
    CSteppedClock clock;
    std::thread peer;
    PseudoTerminal::Settings settings;
    std::string shown, shownAfterCts, captureButton;
    PortSetUpStructure record{};
    record.nPortType = PORT_COM;
    record.nPort = 12;
    record.nBaud = 9600;
    record.nDataBits = 8;
    record.nStopBits = 1;
    record.cParity = 'N';
    m_user.AnswerNextMessageBox(IDYES); // "Save in"
    m_user.Click(IDC_RAWMONITOR)
        .Then(WaitUntil([&](HWND) { return std::filesystem::exists(viewerPid); }))
        .Click(IDC_CAPTURE)
        .Then(Look([&](HWND dialog) { captureButton = TextOf(dialog, IDC_CAPTURE); }))
        .Choose(IDC_BAUD_LIST, "56000")
        .Click(IDC_PARITY_EVEN)
        .Click(IDC_DATA_BITS_7)
        .Click(IDC_STOP_BITS_2)
        .Then(Look([&](HWND) {
            settings = m_line.LineSettings();
            peer = std::thread([&] { m_line.Write(bytes); });
        }))
        .Then(WaitUntil([&](HWND) { return m_viewerPort->Received().size() >= bytes.size(); }))
        .Then(Look([&](HWND dialog) {
            clock.Advance(101);
            RaiseCommEvent(GetDlgItem(dialog, IDC_MSCOMM), comEvCTS);
        }))
        .Then(Look([&](HWND dialog) { shown = TextOf(dialog, IDC_DISPLAY); }))
        // "Show CTS" off: a CTS change adds nothing.
        .Click(IDC_SHOW_SETTINGS)
        .Choose(IDC_INCLUDED_LIST, "Show CTS")
        .Click(IDC_MOVE_TO_EXCLUDED)
        .Click(IDOK)
        .Then(Look([&](HWND dialog) {
            clock.Advance(101);
            RaiseCommEvent(GetDlgItem(dialog, IDC_MSCOMM), comEvCTS);
            RaiseCommEvent(GetDlgItem(dialog, IDC_MSCOMM), comEvDSR);
        }))
        .Then(Look([&](HWND dialog) { shownAfterCts = TextOf(dialog, IDC_DISPLAY); }))
        .Click(IDC_CAPTURE)
        .Click(IDC_RAWMONITOR)
        .Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    peer.join();

    EXPECT_EQ(record.GetText().str(), "COM12 56000 E72");
    // A pseudo-terminal keeps the rate and stop bits it is given; its driver always makes
    // the character 8 bits without parity.
    EXPECT_EQ(settings.baud, 56000u);
    EXPECT_EQ(settings.stopBits, 2);
    EXPECT_EQ(captureButton, "Stop Capture");

    // The viewer and the capture hold every byte the peer wrote.
    EXPECT_TRUE(m_viewerPort->Received() == bytes) << m_viewerPort->Received().size();
    ASSERT_EQ(m_user.MessageBoxesShown().size(), 1u);
    const std::string captureFile = m_user.MessageBoxesShown()[0].text.str();
    EXPECT_EQ(m_user.MessageBoxesShown()[0].caption, CString("Save in"));
    EXPECT_EQ(std::filesystem::path(captureFile).parent_path(), m_folder.path());
    EXPECT_EQ(captureFile.find("//"), std::string::npos) << captureFile;
    EXPECT_EQ(std::filesystem::path(captureFile).filename().string().substr(0, 8), "VORNCAP_");
    EXPECT_TRUE(TempDir::read(captureFile) == bytes);
    // Stopping the capture opened the file in the editor.
    for (int wait = 0; wait < 5000 && !std::filesystem::exists(opened); ++wait)
        usleep(1000);
    EXPECT_EQ(TempDir::read(opened), captureFile + "\n");

    // The display shows the last 512 characters, then the CTS event; with "Show CTS" off
    // only DSR is added.
    const std::string expected = (bytes + "<CTS>\r\n").substr(bytes.size() + 7 - 512);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(shownAfterCts, (expected + "<DSR>\r\n").substr(7));
    // "Show settings" wrote all 14 flags.
    EXPECT_EQ(AfxGetApp()->GetProfileInt("COM select", "Show CTS", 9), 0u);
    for (const char* key :
         {"Show DSR", "Show CD", "Show Ring", "Show EOF", "Show Break Recv.", "Show IDS Timeout",
          "Show DSR Timeout", "Show Frame error", "Show Overrun error", "Show CD Timeout",
          "Show RX buffer overflow", "Show Parity error", "Show TX buffer full"})
        EXPECT_EQ(AfxGetApp()->GetProfileInt("COM select", key, 9), 1u) << key;

    // The second press ended the viewer.
    const pid_t viewer = std::atoi(TempDir::read(viewerPid).c_str());
    ASSERT_GT(viewer, 0);
    bool ended = false;
    for (int wait = 0; wait < 5000 && !ended; ++wait) {
        ended = kill(viewer, 0) != 0;
        usleep(1000);
    }
    EXPECT_TRUE(ended);
}

namespace {

// The socket client's window id, beyond what a template item's id can hold.
constexpr int kClientWindowId = 133337;

bool Shows(HWND dialog, const std::string& text) {
    return TextOf(dialog, IDC_DISPLAY).find(text) != std::string::npos;
}

PortSetUpStructure Loopback(int kind, unsigned short port) {
    PortSetUpStructure record{};
    record.nPortType = kind;
    record.nPort = port;
    record.IPAddress[0] = 127;
    record.IPAddress[3] = 1;
    return record;
}

std::vector<std::string> BoxTexts(const CScriptedUser& user) {
    std::vector<std::string> texts;
    for (const MessageBoxRequest& box : user.MessageBoxesShown())
        texts.push_back(box.text.str());
    return texts;
}

} // namespace

TEST_F(ComPortBench, ATcpServerThatSendsResetsOrClosesIsShownAndDisconnected) {
    CSteppedClock clock;
    TcpPeer server;
    const std::string port = std::to_string(server.port());
    PortSetUpStructure record = Loopback(PORT_TCP, server.port());
    std::string button, display;
    bool clientFound = false, lowIdFound = true;
    m_user.Click(IDC_CONNECT)
        .Then(Look([&](HWND dialog) {
            ASSERT_TRUE(server.Accept());
            clock.Advance(101);
            server.Send("$GPGGA,123519,4807.038,N\r\n");
            button = TextOf(dialog, IDC_CONNECT);
            clientFound = GetDlgItem(dialog, kClientWindowId) != nullptr;
            lowIdFound = GetDlgItem(dialog, kClientWindowId & 0xFFFF) != nullptr;
        }))
        .Then(WaitUntil([](HWND dialog) { return Shows(dialog, "4807.038"); }))
        .Then(Look([&](HWND dialog) {
            display = TextOf(dialog, IDC_DISPLAY);
            server.Reset(); // the client hears the reset; the dialog goes on
        }))
        .Click(IDC_CONNECT)
        .Then(Look([&](HWND dialog) { button += "|" + TextOf(dialog, IDC_CONNECT); }))
        // Again, to a server that sends and closes: what it sent stays shown.
        .Click(IDC_CONNECT)
        .Then(Look([&](HWND) {
            ASSERT_TRUE(server.Accept());
            clock.Advance(101);
            server.Send("$GPRMC,second\r\n");
            server.Close();
        }))
        .Then(WaitUntil([](HWND dialog) { return Shows(dialog, "$GPRMC,second\r\n\r\n"); }))
        .Click(IDC_CONNECT)
        .Then(Look([&](HWND dialog) { button += "|" + TextOf(dialog, IDC_CONNECT); }))
        .Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(button, "Disconnect|Connect|Connect");
    EXPECT_TRUE(clientFound);
    EXPECT_FALSE(lowIdFound);
    EXPECT_NE(display.find("TCP/IP OK 1  - it may take a while before data arrives\r\n"),
              std::string::npos);
    EXPECT_NE(display.find("$GPGGA,123519,4807.038,N\r\n\r\n"), std::string::npos);
    const std::vector<std::string> openAndClose{"Open 127.0.0.1 Port " + port,
                                                "Close 127.0.0.1 Port " + port};
    std::vector<std::string> twice = openAndClose;
    twice.insert(twice.end(), openAndClose.begin(), openAndClose.end());
    EXPECT_EQ(BoxTexts(m_user), twice);
    EXPECT_EQ(record.GetText().str(), "TCP " + port + " 127.0.0.1");
}

TEST_F(ComPortBench, AClosedPortIsTriedThreeTimesAndReported) {
    ClosedPort closed;
    PortSetUpStructure record = Loopback(PORT_TCP, closed.port());
    std::string button;
    m_user.Click(IDC_CONNECT)
        .Then(Look([&](HWND dialog) { button = TextOf(dialog, IDC_CONNECT); }))
        .Click(IDCANCEL);
    EXPECT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 0);
    EXPECT_EQ(button, "Connect");
    ASSERT_EQ(m_user.MessageBoxesShown().size(), 2u);
    char expected[128];
    std::snprintf(expected, sizeof expected,
                  "Can't connect to Server on IP-address: 127.0.0.1   Socket port: %04d",
                  closed.port());
    EXPECT_EQ(m_user.MessageBoxesShown()[1].text.str(), expected);
    EXPECT_EQ(m_user.MessageBoxesShown()[1].caption, CString("Connection error: 0"));
}

TEST_F(ComPortBench, UdpAndDuvaDatagramsAreShownAndAKindChangeDisconnects) {
    CSteppedClock clock;
    UdpSender sender;
    const unsigned short port = FreeLoopbackPort(true);
    PortSetUpStructure record = Loopback(PORT_UDP, port);
    std::string display, button;
    const auto send = [&](std::string datagram) {
        return Look([&clock, &sender, port, datagram](HWND) {
            clock.Advance(101);
            sender.SendTo(port, datagram);
        });
    };
    m_user.Click(IDC_CONNECT)
        .Then(send("first datagram"))
        .Then(WaitUntil([](HWND dialog) { return Shows(dialog, "first datagram"); }))
        .Click(IDC_KIND_DUVA) // a kind change ends the connection
        .Then(Look([&](HWND dialog) { button = TextOf(dialog, IDC_CONNECT); }))
        .Click(IDC_CONNECT)
        .Then(send("E" + std::string(23, 'h') + "event body"))
        .Then(WaitUntil([](HWND dialog) { return Shows(dialog, "event body"); }))
        .Then(send("R" + std::string(26, 'h') + "record body"))
        .Then(WaitUntil([](HWND dialog) { return Shows(dialog, "record body"); }))
        .Then(send("Eshort"))
        .Then(send("x")) // shorter than 2 bytes: ignored
        .Then(send("Rtail"))
        .Then(WaitUntil([](HWND dialog) { return Shows(dialog, "record body\r\n\r\n\r\n"); }))
        .Then(Look([&](HWND dialog) { display = TextOf(dialog, IDC_DISPLAY); }))
        .Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(button, "Connect");
    const std::string tail = "UDP/IP OK 1 - it may take a while before data arrives\r\n"
                             "event body\r\nrecord body\r\n\r\n\r\n";
    ASSERT_GE(display.size(), tail.size());
    EXPECT_EQ(display.substr(display.size() - tail.size()), tail);
    EXPECT_EQ(record.nPortType, PORT_DUVA);
    EXPECT_EQ(BoxTexts(m_user).size(), 4u); // open, close (kind change), open, close (OK)
}

TEST_F(ComPortBench, ALineGoneAfterListingIsReportedAndNoKeepsTheOldPort) {
    PseudoTerminal other;
    AfxGetApp()->WriteProfileString("Serial devices", "COM3", other.Device().c_str());
    PortSetUpStructure record{};
    record.nPortType = PORT_COM;
    record.nPort = 12;
    record.nBaud = 4800;
    std::string shownPort;
    m_user.AnswerNextMessageBox(IDNO);
    m_user.Then(Look([&](HWND) { other.Close(); }))
        .Choose(IDC_COM_PORT_LIST, "COM3")
        .Then(Look([&](HWND dialog) { shownPort = TextOf(dialog, IDC_COM_PORT_LIST); }))
        .Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(shownPort, "COM12");
    EXPECT_EQ(record.nPort, 12);
    ASSERT_GE(m_user.MessageBoxesShown().size(), 1u);
    const MessageBoxRequest& warning = m_user.MessageBoxesShown()[0];
    EXPECT_EQ(warning.caption, CString("Warning"));
    EXPECT_EQ(warning.type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    EXPECT_EQ(warning.text.str().rfind(
                  "COM3 not detected!\nOutput windows will not be active!\nSelect anyway?"
                  "\nDetails: ",
                  0),
              0u)
        << warning.text.str();
}

TEST_F(ComPortBench, ADeviceThatIsNoSerialLineIsReportedAndNothingIsOpened) {
    const std::string fifo = m_folder.file("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string regular = m_folder.write("regular", "data");
    for (const std::string& device :
         {fifo, regular, m_folder.path().string(), m_folder.file("missing")}) {
        AfxGetApp()->WriteProfileString("Serial devices", "COM5", device.c_str());
        PortSetUpStructure record{};
        record.nPortType = PORT_COM;
        record.nPort = 5;
        record.nBaud = 9600;
        bool open = true;
        CScriptedUser user;
        user.Then(Look([&](HWND dialog) {
                open = CWnd::FromHandle(GetDlgItem(dialog, IDC_MSCOMM)) &&
                       static_cast<CMSComm*>(CWnd::FromHandle(GetDlgItem(dialog, IDC_MSCOMM)))
                           ->GetPortOpen();
            }))
            .Click(IDCANCEL);
        EXPECT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 0);
        EXPECT_FALSE(open) << device;
        ASSERT_EQ(user.MessageBoxesShown().size(), 1u) << device;
        EXPECT_NE(user.MessageBoxesShown()[0].text.Find(device.c_str()), -1)
            << user.MessageBoxesShown()[0].text.str();
    }
}

TEST_F(ComPortViewerPort, UnheardDatagramsAreDroppedQuietlyAndTheViewerOutlivesTheDialog) {
    m_viewerPort.reset(); // nobody listens: each datagram is refused
    const ScopedEnvironment temp("TEMP", m_folder.path().string());
    const ScopedEnvironment posmarbin("POSMARBIN", m_folder.path().string());
    const std::string viewerPid = m_folder.file("viewer.pid");
    WriteScript(m_folder.file("RawMonitor"), "echo $$ > '" + viewerPid + "'\nexec sleep 30\n");

    CSteppedClock clock;
    std::string written, shown;
    PortSetUpStructure record{};
    record.nPortType = PORT_COM;
    record.nPort = 12;
    record.nBaud = 9600;
    m_user.AnswerNextMessageBox(IDYES); // "Save in"
    m_user.Click(IDC_RAWMONITOR)
        .Then(WaitUntil([&](HWND) { return std::filesystem::exists(viewerPid); }))
        .Click(IDC_CAPTURE);
    for (const char* line : {"$GPGGA,1\r\n", "$GPGGA,2\r\n", "$GPGGA,3\r\n"}) {
        m_user
            .Then(Look([&, line](HWND) {
                clock.Advance(101);
                written += line;
                m_line.Write(line);
            }))
            .Then(WaitUntil(
                [&](HWND dialog) { return EndsWith(TextOf(dialog, IDC_DISPLAY), written); }));
    }
    m_user.Then(Look([&](HWND dialog) { shown = TextOf(dialog, IDC_DISPLAY); })).Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);

    // Display and capture went on; nobody was told of the refusals.
    EXPECT_TRUE(EndsWith(shown, written)) << shown;
    ASSERT_EQ(m_user.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(TempDir::read(m_user.MessageBoxesShown()[0].text.str()), written);
    // Closing the dialog left the viewer running.
    const pid_t viewer = std::atoi(TempDir::read(viewerPid).c_str());
    ASSERT_GT(viewer, 0);
    EXPECT_EQ(kill(viewer, 0), 0);
    kill(viewer, SIGKILL);
}

TEST_F(ComPortBench, TheViewerButtonIsHiddenDisabledOrRefusesATooLongCommand) {
    PortSetUpStructure record{};
    bool visible = true, enabled = true;
    const auto lookAtViewerButton = [&](HWND dialog) {
        visible = IsWindowVisible(GetDlgItem(dialog, IDC_RAWMONITOR));
        enabled = IsWindowEnabled(GetDlgItem(dialog, IDC_RAWMONITOR));
    };
    m_user.Then(Look(lookAtViewerButton)).Click(IDCANCEL);
    SelectPort(record, PORT_ALLOW_ALL | PORT_ALLOW_NO_VIEWER, nullptr, "");
    EXPECT_FALSE(visible);
    {
        const ScopedEnvironment noFolder("POSMARBIN");
        m_user.Then(Look(lookAtViewerButton)).Click(IDCANCEL);
        SelectPort(record, PORT_ALLOW_ALL, nullptr, "");
        EXPECT_TRUE(visible);
        EXPECT_FALSE(enabled);
    }

    // 261 characters with "/RawMonitor.exe"; a viewer there would say it ran.
    const std::string folder = m_folder.path().string() + "/" +
                               std::string(261 - 15 - m_folder.path().string().size() - 1, 'b');
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::string ran = m_folder.file("ran");
    WriteScript(folder + "/RawMonitor", "touch '" + ran + "'\n");
    const ScopedEnvironment posmarbin("POSMARBIN", folder);
    const std::string home = m_folder.file("home");
    std::filesystem::create_directories(home + "/log");
    const ScopedEnvironment vornhome("VORNHOME", home);
    m_user.Then(Look(lookAtViewerButton)).Click(IDC_RAWMONITOR).Click(IDCANCEL);
    SelectPort(record, PORT_ALLOW_ALL, nullptr, "");
    EXPECT_TRUE(enabled);
    ASSERT_EQ(m_user.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(m_user.MessageBoxesShown()[0].text,
              CString("The file path is too long. Please choose a shorter file path."));
    EXPECT_EQ(m_user.MessageBoxesShown()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_FALSE(std::filesystem::exists(ran));
    // The message keeps its words; the error log names the command (as far as the log's
    // messages go, 255 characters).
    EXPECT_NE(TempDir::read(home + "/log/error")
                  .find("Raw data viewer path too long: " + folder.substr(0, 200)),
              std::string::npos);

    // One character less is run (nothing is forwarded: no port is open), also with the
    // folder's separator at its end, which the command does not double.
    const std::string shorter = folder.substr(0, folder.size() - 1);
    std::filesystem::rename(folder, shorter);
    const ScopedEnvironment shorterFolder("POSMARBIN", shorter + "/");
    m_user.Click(IDC_RAWMONITOR)
        .Then(WaitUntil([&](HWND) { return std::filesystem::exists(ran); }))
        .Click(IDCANCEL);
    SelectPort(record, PORT_ALLOW_ALL, nullptr, "");
    EXPECT_EQ(m_user.MessageBoxesShown().size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(ran));
}
