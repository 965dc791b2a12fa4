#include "vornui/platform/MessageBox.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/Window.h"
#include "vornui/properties/KPropertyIOPort.h"
#include "vornui/properties/PropertyPane_test.h"
#include "vornui/resources/PortDialogIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Writes down the text of each port it is asked to accept.
class PortHost : public LoggingHost {
public:
    using LoggingHost::LoggingHost;
    bool AcceptChange(void* data, const void* proposed) override {
        proposedTexts.push_back(static_cast<const PortSetUpStructure*>(proposed)->GetText().str());
        return LoggingHost::AcceptChange(data, proposed);
    }
    std::vector<std::string> proposedTexts;
};

class PortRow : public testing::Test {
protected:
    PortRow() {
        SetSerialDeviceScan(false);
        std::memset(&m_port, 0, sizeof m_port);
        m_port.nPortType = PORT_COM;
        m_port.nPort = 1;
        m_port.nBaud = 9600;
        m_port.nDataBits = 8;
        m_port.nStopBits = 1;
        m_port.cParity = 'N';
        m_pane.wnd.AddProperty(&m_row);
    }
    ~PortRow() override { SetSerialDeviceScan(true); }

    // Presses the row's button and, in "Port settings", chooses UDP 5000 192.168.1.20 and
    // leaves with `button`.
    void ChooseUdpPort(int button) {
        m_user.ClickAt(m_pane.At(m_row, 10))
            .ClickAt(m_pane.Button(m_row))
            .Then([this](HWND dialog) {
                m_dialogOwner = ::GetWindow(dialog, GW_OWNER);
                return ModalAction::Acted;
            })
            .Click(IDC_KIND_UDP)
            .TypeInto(IDC_IP_PORT, "5000")
            .TypeInto(IDC_IP_ADDRESS, "192.168.1.20")
            .Click(button);
        ASSERT_TRUE(m_pane.Act(m_user));
    }

    std::vector<std::string> m_log;
    PortHost m_host{"host", m_log};
    PortSetUpStructure m_port;
    KPropertyIOPort m_row{&m_host, "Gyro", &m_port, FALSE};
    PropertyPane m_pane{m_log};
    CScriptedUser m_user;
    HWND m_dialogOwner = nullptr;
};

} // namespace

TEST_F(PortRow, TheChosenPortIsStoredOnceTheHostAcceptsTheCopy) {
    EXPECT_EQ(m_row.GetValueText(), "COM1 9600 N81");
    ChooseUdpPort(IDOK);
    ASSERT_EQ(m_user.DialogsShown().size(), 1u);
    EXPECT_EQ(m_user.DialogsShown()[0], "Port settings");
    EXPECT_EQ(m_dialogOwner, m_pane.wnd.m_hWnd);
    EXPECT_EQ(m_host.proposedTexts, std::vector<std::string>{"UDP 5000 192.168.1.20"});
    EXPECT_EQ(m_port.GetText(), "UDP 5000 192.168.1.20");
    EXPECT_EQ(m_row.GetValueText(), "UDP 5000 192.168.1.20");
    EXPECT_EQ(m_log, (std::vector<std::string>{"host accept", "host changed", "callback"}));
}

TEST_F(PortRow, ARefusingHostOrCancelLeavesTheRecord) {
    PortSetUpStructure before;
    std::memcpy(&before, &m_port, sizeof before);
    m_host.accepts = false;
    ChooseUdpPort(IDOK);
    EXPECT_EQ(m_host.proposedTexts, std::vector<std::string>{"UDP 5000 192.168.1.20"});
    EXPECT_EQ(std::memcmp(&before, &m_port, sizeof before), 0);
    EXPECT_EQ(m_row.GetValueText(), "COM1 9600 N81");

    m_log.clear();
    m_host.accepts = true;
    ChooseUdpPort(IDCANCEL);
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(std::memcmp(&before, &m_port, sizeof before), 0);
}

TEST_F(PortRow, TheDialogOffersEveryKindAndLeavesOutTheViewerOnlyWhenTheRowSaysSo) {
    PortSetUpStructure echoPort = m_port;
    KPropertyIOPort echo(&m_host, "Echo", &echoPort, TRUE);
    m_pane.wnd.AddProperty(&echo);
    struct Seen {
        bool viewer = false;
        int kindsOffered = 0;
    };
    const auto look = [](Seen& seen) {
        return [&seen](HWND dialog) {
            seen.viewer = ::IsWindowVisible(::GetDlgItem(dialog, IDC_RAWMONITOR));
            for (int kind :
                 {IDC_KIND_NONE, IDC_KIND_COM, IDC_KIND_UDP, IDC_KIND_TCP, IDC_KIND_DUVA})
                seen.kindsOffered += ::IsWindowEnabled(::GetDlgItem(dialog, kind)) ? 1 : 0;
            return ModalAction::Acted;
        };
    };
    Seen gyro;
    Seen echoSeen;
    m_user.ClickAt(m_pane.At(m_row, 10))
        .ClickAt(m_pane.Button(m_row))
        .Then(look(gyro))
        .Click(IDCANCEL)
        .ClickAt(m_pane.At(echo, 10))
        .ClickAt(m_pane.Button(echo))
        .Then(look(echoSeen))
        .Click(IDCANCEL);
    ASSERT_TRUE(m_pane.Act(m_user));
    EXPECT_EQ(m_user.DialogsShown().size(), 2u);
    EXPECT_TRUE(gyro.viewer);
    EXPECT_EQ(gyro.kindsOffered, 5);
    EXPECT_FALSE(echoSeen.viewer);
    EXPECT_EQ(echoSeen.kindsOffered, 5);
    EXPECT_TRUE(m_log.empty());
    m_pane.wnd.RemoveAllProperties(); // the echo row goes before the window
}
