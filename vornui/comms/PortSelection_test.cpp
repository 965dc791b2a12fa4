// Choosing a port as a person does: SelectPort and SelectCOMPort run "Port settings", the
// scripted user looks, picks and confirms or cancels.

#include "tests/PseudoTerminal.h"

#include "vornui/comms/PortSelection.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/ComboBoxControl.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/MSComm.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/SerialDevices.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/Window.h"
#include "vornui/resources/PortDialogIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::string TextOf(HWND dialog, int id) {
    char text[1024] = "";
    GetWindowText(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

std::vector<std::string> ComboEntries(HWND dialog, int id) {
    const HWND combo = GetDlgItem(dialog, id);
    std::vector<std::string> entries;
    const int count = static_cast<int>(SendMessage(combo, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char text[64] = "";
        SendMessage(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

bool Checked(HWND dialog, int id) {
    return SendMessage(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id));
}

CScriptedUser::Step Look(std::function<void(HWND)> look) {
    return [look](HWND dialog) {
        look(dialog);
        return ModalAction::Acted;
    };
}

// Serial lines named in the profile as COM3 and COM12, and nothing of the machine's own.
class PortSelection : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_com3.Device().empty());
        ASSERT_FALSE(m_com12.Device().empty());
        SetSerialDeviceScan(false);
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("Serial devices", "COM3", m_com3.Device().c_str());
        app->WriteProfileString("Serial devices", "COM12", m_com12.Device().c_str());
        app->WriteProfileString("COM select", "ComPortSelectLimit", nullptr);
    }
    void TearDown() override {
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("Serial devices", nullptr, nullptr);
        app->WriteProfileString("COM select", nullptr, nullptr);
    }

    static PortSetUpStructure Filled(int kind) {
        PortSetUpStructure record;
        std::memset(&record, 0xA5, sizeof record); // the padding too
        record.nPortType = kind;
        return record;
    }

    PseudoTerminal m_com3;
    PseudoTerminal m_com12;
    CScriptedUser m_user;
};

} // namespace

TEST_F(PortSelection, ASerialRecordIsShownChosenAnewAndStoredOnOk) {
    PortSetUpStructure record = Filled(PORT_COM);
    record.nPort = 12;
    record.nBaud = 19200;
    record.nDataBits = 8;
    record.nStopBits = 1;
    record.cParity = 'e';
    std::string display, port, baud, caption;
    std::vector<std::string> ports;
    bool parityEven = false, eightBits = false, oneStop = false, serialEnabled = false,
         ipEnabled = true, comChecked = false;
    m_user
        .Then(Look([&](HWND dialog) {
            char text[64] = "";
            GetWindowText(dialog, text, sizeof text);
            caption = text;
            display = TextOf(dialog, IDC_DISPLAY);
            ports = ComboEntries(dialog, IDC_COM_PORT_LIST);
            port = TextOf(dialog, IDC_COM_PORT_LIST);
            baud = TextOf(dialog, IDC_BAUD_LIST);
            parityEven = Checked(dialog, IDC_PARITY_EVEN);
            eightBits = Checked(dialog, IDC_DATA_BITS_8);
            oneStop = Checked(dialog, IDC_STOP_BITS_1);
            comChecked = Checked(dialog, IDC_KIND_COM);
            serialEnabled = Enabled(dialog, IDC_BAUD_LIST) && Enabled(dialog, IDC_PARITY_ODD);
            ipEnabled = Enabled(dialog, IDC_IP_ADDRESS) || Enabled(dialog, IDC_CONNECT);
        }))
        .Choose(IDC_COM_PORT_LIST, "COM3")
        .Choose(IDC_BAUD_LIST, "38400")
        .Click(IDC_PARITY_ODD)
        .Click(IDC_DATA_BITS_7)
        .Click(IDC_STOP_BITS_2)
        .Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, "Gyro input"), 1);
    EXPECT_EQ(caption, "Gyro input");
    EXPECT_EQ(display,
              "Listing available ports - note ports opened by Posmar, Sonvar etc will not be "
              "included");
    EXPECT_EQ(ports, (std::vector<std::string>{"COM3", "COM12"}));
    EXPECT_EQ(port, "COM12");
    EXPECT_EQ(baud, "19200");
    EXPECT_TRUE(parityEven);
    EXPECT_TRUE(eightBits);
    EXPECT_TRUE(oneStop);
    EXPECT_TRUE(comChecked);
    EXPECT_TRUE(serialEnabled);
    EXPECT_FALSE(ipEnabled);
    EXPECT_EQ(record.GetText().str(), "COM3 38400 O72");
    // The bytes between the fields stay the caller's.
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&record);
    for (size_t padding = 17; padding < sizeof record; ++padding)
        EXPECT_EQ(bytes[padding], 0xA5u);

    // Without a title the template's caption stays.
    m_user
        .Then(Look([&](HWND dialog) {
            char text[64] = "";
            GetWindowText(dialog, text, sizeof text);
            caption = text;
        }))
        .Click(IDCANCEL);
    SelectPort(record, PORT_ALLOW_ALL, nullptr, "");
    EXPECT_EQ(caption, "Port settings");
}

TEST_F(PortSelection, CancelLeavesEveryByteOfTheRecord) {
    for (const int kind :
         std::initializer_list<int>{PORT_NONE, PORT_COM, PORT_UDP, PORT_TCP, PORT_DUVA, 7}) {
        PortSetUpStructure record = Filled(kind);
        record.nPort = 3;
        const PortSetUpStructure before = record;
        m_user.Click(IDC_KIND_TCP).TypeInto(IDC_IP_PORT, "4001").Click(IDCANCEL);
        EXPECT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, "Cancelled"), 0);
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << kind;
    }
}

TEST_F(PortSelection, AnIpRecordIsEditedAndABadPortNumberKeepsTheDialogOpen) {
    PortSetUpStructure record = Filled(PORT_UDP);
    record.nPort = 5000;
    const BYTE address[4] = {192, 168, 1, 20};
    std::memcpy(record.IPAddress, address, 4);
    std::string shownAddress, shownPort;
    bool local = true, serialEnabled = true, addressEnabled = false, stillOpen = false;
    m_user
        .Then(Look([&](HWND dialog) {
            shownAddress = TextOf(dialog, IDC_IP_ADDRESS);
            shownPort = TextOf(dialog, IDC_IP_PORT);
            local = Checked(dialog, IDC_LOCAL);
            serialEnabled = Enabled(dialog, IDC_COM_PORT_LIST);
            addressEnabled = Enabled(dialog, IDC_IP_ADDRESS);
        }))
        .TypeInto(IDC_IP_PORT, "70000")
        .Click(IDOK)
        .TypeInto(IDC_IP_PORT, "abc")
        .Click(IDOK)
        .Then(Look([&](HWND dialog) { stillOpen = IsWindow(dialog); }))
        .TypeInto(IDC_IP_PORT, "4001")
        .Click(IDC_KIND_TCP)
        .TypeInto(IDC_IP_ADDRESS, "10.1.2.3")
        .Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(shownAddress, "192.168.1.20");
    EXPECT_EQ(shownPort, "5000");
    EXPECT_FALSE(local);
    EXPECT_FALSE(serialEnabled);
    EXPECT_TRUE(addressEnabled);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(m_user.MessageBoxesShown().size(), 2u);
    EXPECT_EQ(record.GetText().str(), "TCP 4001 10.1.2.3");

    // 127.0.0.1 opens with "Local" ticked and the address locked; ticking "Local" on
    // another address makes it 127.0.0.1.
    record.nPortType = PORT_DUVA;
    record.IPAddress[0] = 127;
    record.IPAddress[1] = 0;
    record.IPAddress[2] = 0;
    record.IPAddress[3] = 1;
    m_user
        .Then(Look([&](HWND dialog) {
            local = Checked(dialog, IDC_LOCAL);
            addressEnabled = Enabled(dialog, IDC_IP_ADDRESS);
        }))
        .Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_TRUE(local);
    EXPECT_FALSE(addressEnabled);
    EXPECT_EQ(record.GetText().str(), "DUVA 4001 127.0.0.1");

    record.IPAddress[0] = 10;
    m_user.Click(IDC_LOCAL).Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(record.GetText().str(), "DUVA 4001 127.0.0.1");
}

TEST_F(PortSelection, PortsAreListedInTheKeysOrderUpToTheLimit) {
    PortSetUpStructure record = Filled(PORT_COM);
    record.nPort = 0;
    record.nBaud = 0;
    std::vector<std::string> ports;
    std::string baud;
    const auto look = Look([&](HWND dialog) {
        ports = ComboEntries(dialog, IDC_COM_PORT_LIST);
        baud = TextOf(dialog, IDC_BAUD_LIST);
    });
    // Port 0 becomes the first listed; baud 0 becomes 9600.
    m_user.Then(look).Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(ports, (std::vector<std::string>{"COM3", "COM12"}));
    EXPECT_EQ(baud, "9600");
    EXPECT_EQ(record.nPort, 3);
    EXPECT_EQ(record.nBaud, 9600);

    CWinApp* app = AfxGetApp();
    app->WriteProfileInt("COM select", "ComPortSelectLimit", 8);
    record.nPort = 12; // no longer listed: the first listed one is answered
    m_user.Then(look).Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(ports, std::vector<std::string>{"COM3"});
    EXPECT_EQ(record.nPort, 3);

    app->WriteProfileInt("COM select", "ComPortSelectLimit", 0);
    m_user.Then(look).Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(ports, (std::vector<std::string>{"COM3", "COM12"}));

    // A baud rate outside the table selects nothing and survives OK.
    record.nBaud = 31250;
    m_user.Then(look).Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_EQ(baud, "");
    EXPECT_EQ(record.nBaud, 31250);

    // Nothing listed at all: the port stays as it was.
    app->WriteProfileString("Serial devices", nullptr, nullptr);
    record.nPort = 5;
    m_user.Then(look).Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 1);
    EXPECT_TRUE(ports.empty());
    EXPECT_EQ(record.nPort, 5);
}

TEST_F(PortSelection, OnlyTheAllowedKindsCanBeChosenAndUnknownKindsOpenAsNoPort) {
    PortSetUpStructure record = Filled(9);
    record.nPort = 44;
    bool noneChecked = false;
    std::vector<bool> enabled;
    m_user
        .Then(Look([&](HWND dialog) {
            noneChecked = Checked(dialog, IDC_KIND_NONE);
            for (const int id :
                 {IDC_KIND_NONE, IDC_KIND_COM, IDC_KIND_UDP, IDC_KIND_TCP, IDC_KIND_DUVA})
                enabled.push_back(Enabled(dialog, id));
        }))
        .Click(IDC_KIND_UDP) // not allowed: nothing happens
        .Click(IDOK);
    ASSERT_EQ(SelectPort(record, PORT_ALLOW_NONE | PORT_ALLOW_TCP, nullptr, ""), 1);
    EXPECT_TRUE(noneChecked);
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, true, false}));
    EXPECT_EQ(record.nPortType, PORT_NONE);
    EXPECT_EQ(record.nPort, 44);
}

TEST_F(PortSelection, SelectComPortTakesTheParityAsIndexOrLetter) {
    int port = 12, baud = 4800, parity = 1, dataBits = 7, stopBits = 2;
    std::vector<bool> enabled;
    m_user
        .Then(Look([&](HWND dialog) {
            for (const int id :
                 {IDC_KIND_NONE, IDC_KIND_COM, IDC_KIND_UDP, IDC_KIND_TCP, IDC_KIND_DUVA})
                enabled.push_back(Enabled(dialog, id));
        }))
        .Click(IDC_PARITY_EVEN)
        .Click(IDOK);
    ASSERT_EQ(SelectCOMPort(port, baud, parity, dataBits, stopBits, nullptr), 1);
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(port, 12);
    EXPECT_EQ(baud, 4800);
    EXPECT_EQ(parity, 2);
    EXPECT_EQ(dataBits, 7);
    EXPECT_EQ(stopBits, 2);

    m_user.Choose(IDC_BAUD_LIST, "110").Click(IDCANCEL);
    EXPECT_EQ(SelectCOMPort(port, baud, parity, dataBits, stopBits, nullptr), 0);
    EXPECT_EQ(baud, 4800);

    char letter = 'o';
    bool oddShown = false;
    m_user.Then(Look([&](HWND dialog) { oddShown = Checked(dialog, IDC_PARITY_ODD); }))
        .Click(IDC_DATA_BITS_8)
        .Click(IDOK);
    ASSERT_EQ(SelectCOMPort(port, baud, letter, dataBits, stopBits, nullptr), 1);
    EXPECT_TRUE(oddShown);
    EXPECT_EQ(letter, 'O');
    EXPECT_EQ(dataBits, 8);

    letter = 'x'; // no such parity: none
    m_user.Click(IDOK);
    ASSERT_EQ(SelectCOMPort(port, baud, letter, dataBits, stopBits, nullptr), 1);
    EXPECT_EQ(letter, 'N');
    letter = 'e';
    m_user.Click(IDCANCEL);
    EXPECT_EQ(SelectCOMPort(port, baud, letter, dataBits, stopBits, nullptr), 0);
    EXPECT_EQ(letter, 'e');
}

namespace {

// The serial port control's class taken out of the system for a while, as on a machine
// where the control was never registered.
class MissingSerialControl {
public:
    MissingSerialControl() {
        m_present =
            GetClassInfo(nullptr, MSCOMM_CLASS, &m_class) && UnregisterClass(MSCOMM_CLASS, nullptr);
    }
    ~MissingSerialControl() {
        if (m_present)
            RegisterClass(&m_class);
    }
    MissingSerialControl(const MissingSerialControl&) = delete;
    MissingSerialControl& operator=(const MissingSerialControl&) = delete;

    bool Missing() const { return m_present; }

private:
    WNDCLASS m_class{};
    bool m_present = false;
};

} // namespace

TEST_F(PortSelection, WithoutTheSerialControlTheUserIsToldAndNothingChanges) {
    PortSetUpStructure record = Filled(PORT_COM);
    record.nPort = 3;
    const PortSetUpStructure before = record;
    {
        const MissingSerialControl missing;
        ASSERT_TRUE(missing.Missing());
        EXPECT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 0);
        int port = 3, baud = 4800, parity = 0, dataBits = 8, stopBits = 1;
        EXPECT_EQ(SelectCOMPort(port, baud, parity, dataBits, stopBits, nullptr), 0);
        EXPECT_EQ(baud, 4800);
    }
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    EXPECT_TRUE(m_user.DialogsShown().empty());
    ASSERT_EQ(m_user.MessageBoxesShown().size(), 2u);
    for (const MessageBoxRequest& box : m_user.MessageBoxesShown())
        EXPECT_EQ(box.text.str(), "An error occurred calling windows com library?\n"
                                  "Will now try to register library!");

    // With the control back, the dialog opens again.
    m_user.Click(IDCANCEL);
    EXPECT_EQ(SelectPort(record, PORT_ALLOW_ALL, nullptr, ""), 0);
    EXPECT_EQ(m_user.DialogsShown().size(), 1u);
}
