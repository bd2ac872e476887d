#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QValidator>
#include <memory>

#include "dialogs/client_server_dialog.h"
#include "dialogs/interface_dialog.h"
#include "dialogs/serial_settings_dialog.h"
#include "dialogs/setting_dialog.h"
#include "dialogs/tcp_client_dialog.h"
#include "dialogs/tcp_server_dialog.h"
#include "link/fake_device.h"
#include "link/serial_link.h"
#include "link/tcp_link.h"
#include "model/app_config.h"
#include "model/field_text.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/run_target.h"

namespace vrq {
namespace {

class ConnectionDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        c->app.configPath = (dir.path() + "/vrq700.ini").toStdString();
        c->notifier = &notes;
        c->app.linkInterface = kLinkTcp;
        c->app.appRunning = true;
        c->app.peerIndex = 0;
    }
    std::string ini(const char* key) { return readAppConfigValue(c->app.configPath, c->product, key, "<none>", 20); }
    QString iniText() {
        QFile f(QString::fromStdString(c->app.configPath));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // The server refuses port 0 ("any"): a port free right now stands in.
    static std::string freePort() {
        QTcpServer probe;
        return probe.listen(QHostAddress::LocalHost) ? std::to_string(probe.serverPort()) : "09004";
    }
    void doubleClick(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        ASSERT_NE(item, nullptr);
        emit list->itemDoubleClicked(item);
    }

    QTemporaryDir dir;
    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    TcpLink link{*c};
};

// ---- interface, serial port, role ----

TEST_F(ConnectionDialogs, SerialChosenTwiceOpensThePortOnce) {
    int opened = 0;
    InterfaceDialog d(*c, [&] {
        ++opened;
        c->app.serialPortOpen = true;
    });
    EXPECT_EQ(d.windowTitle(), "インターフェイスの設定");
    EXPECT_EQ(d.interfaceCombo()->currentIndex(), 1);
    d.interfaceCombo()->setCurrentIndex(0);
    EXPECT_EQ(c->app.linkInterface, kLinkSerial);
    EXPECT_EQ(ini("Interface"), "0");
    d.interfaceCombo()->setCurrentIndex(1);
    EXPECT_EQ(ini("Interface"), "1");
    EXPECT_EQ(opened, 1);  // choosing TCP/IP opens nothing
    d.interfaceCombo()->setCurrentIndex(0);
    EXPECT_EQ(opened, 1);
}

// A port that failed at start-up opens once it can: when serial is chosen
// again (already the choice) or its COM entry is given a working device.
TEST_F(ConnectionDialogs, AFailedStartUpPortOpensWhenSerialIsChosenAgain) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const std::string pty = ::ptsname(master);
    c->app.linkInterface = kLinkSerial;
    c->app.comPortIndex = 1;
    c->app.comDevicePath[1] = "/nonexistent/tty";
    auto serial = std::make_unique<SerialLink>(*c);
    EXPECT_FALSE(serial->open());
    ASSERT_EQ(notes.notices.size(), 1u);

    c->app.comDevicePath[1] = pty;
    {
        InterfaceDialog d(*c, [&] { serial->open(); });
        ASSERT_EQ(d.interfaceCombo()->currentIndex(), kLinkSerial);
        emit d.interfaceCombo()->activated(kLinkSerial);
        EXPECT_TRUE(serial->isOpen());
        EXPECT_TRUE(c->app.serialPortOpen);
    }
    {
        // Taken again while open: nothing happens.
        InterfaceDialog d(*c, [&] { ADD_FAILURE() << "opened twice"; });
        emit d.interfaceCombo()->activated(kLinkSerial);
    }

    serial = std::make_unique<SerialLink>(*c);  // as at the next start, the port not yet open
    c->app.serialPortOpen = false;
    c->app.comDevicePath[1] = "/nonexistent/tty";
    SerialSettingsDialog d(*c, nullptr, nullptr, [&] { serial->open(); });
    d.portCombo()->setCurrentIndex(1);
    d.pathEdit()->setText(QString::fromStdString(pty));
    d.assignButton()->click();
    EXPECT_TRUE(serial->isOpen());
    EXPECT_EQ(notes.notices.size(), 1u);
    ::close(master);
}

TEST_F(ConnectionDialogs, ChoicesLockWhileConnectedButTheSerialDialogStaysUsable) {
    c->app.tcpConnected = true;
    InterfaceDialog iface(*c, [] {});
    ClientServerDialog role(*c);
    SerialSettingsDialog serial(*c);
    EXPECT_FALSE(iface.interfaceCombo()->isEnabled());
    EXPECT_EQ(iface.interfaceCombo()->currentIndex(), -1);
    EXPECT_FALSE(role.roleCombo()->isEnabled());
    EXPECT_EQ(role.roleCombo()->currentIndex(), -1);
    EXPECT_TRUE(serial.portCombo()->isEnabled());
    EXPECT_TRUE(serial.modeCombo()->isEnabled());
    EXPECT_EQ(c->app.linkInterface, kLinkTcp);  // showing no selection changes nothing
    EXPECT_EQ(ini("Interface"), "<none>");
}

TEST_F(ConnectionDialogs, SerialAndRoleChoicesAreWrittenAtOnce) {
    SerialSettingsDialog serial(*c);
    EXPECT_EQ(serial.windowTitle(), "RS-232C/485の設定");
    EXPECT_EQ(serial.portCombo()->itemText(1), "COM 2");
    serial.portCombo()->setCurrentIndex(2);
    serial.modeCombo()->setCurrentIndex(1);
    EXPECT_EQ(c->app.comPortIndex, 2);
    EXPECT_EQ(c->app.serialMode, kRs485);
    EXPECT_EQ(ini("com_port"), "2");
    EXPECT_EQ(ini("rs_control"), "1");
#ifndef Q_OS_WIN
    EXPECT_EQ(serial.devicePathLabel()->text(), "/dev/ttyS2");
    EXPECT_EQ(serial.portCombo()->itemData(5, Qt::ToolTipRole).toString(), "/dev/ttyS5");
#endif

    ClientServerDialog role(*c);
    EXPECT_EQ(role.windowTitle(), "クライアント/サーバー");
    role.roleCombo()->setCurrentIndex(1);
    role.reject();  // the close box keeps the choice
    EXPECT_EQ(c->app.tcpRole, kTcpServer);
    EXPECT_EQ(ini("ClientServer"), "1");
}

TEST_F(ConnectionDialogs, DestinationStaysWhileARunIsActive) {
    c->reply.runActive = true;
    c->app.linkInterface = kLinkSerial;
    InterfaceDialog iface(*c, [] {});
    ClientServerDialog role(*c);
    SerialSettingsDialog serial(*c);
    for (QComboBox* box : {iface.interfaceCombo(), role.roleCombo(), serial.portCombo(), serial.modeCombo()})
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    // A change that gets through anyway is put back and not written.
    iface.interfaceCombo()->setCurrentIndex(1);
    role.roleCombo()->setCurrentIndex(1);
    serial.modeCombo()->setCurrentIndex(1);
    EXPECT_EQ(iface.interfaceCombo()->currentIndex(), 0);
    EXPECT_EQ(serial.modeCombo()->currentIndex(), 0);
    EXPECT_EQ(c->app.linkInterface, kLinkSerial);
    EXPECT_EQ(c->app.tcpRole, kTcpClient);
    EXPECT_EQ(c->app.serialMode, kRs232c);
    EXPECT_EQ(iniText(), "");

    c->app.tcpRole = kTcpServer;
    c->app.selectedSlot = 2;
    TcpServerDialog server(*c, link);
    server.chooseRow(0);
    EXPECT_EQ(c->app.selectedSlot, 2);
    ASSERT_EQ(notes.notices.size(), 4u);
    for (const auto& n : notes.notices) EXPECT_EQ(n.text, kTargetFixedText.source);

    c->reply.runActive = false;
    SerialSettingsDialog after(*c);
    EXPECT_TRUE(after.modeCombo()->isEnabled());
}

// ---- TCP/IP client ----

TEST(PeerListText, PlainDottedAddresses) {
    EXPECT_EQ(peerListText(Octets{192, 168, 1, 10}), "192.168.1.10");
    EXPECT_EQ(peerListText(Octets{127, 0, 0, 1}), "127.0.0.1");
}

TEST_F(ConnectionDialogs, MalformedHostAddressesAreRefusedWithAWord) {
    TcpClientDialog d(*c, link);
    for (const char* text : {"300.1.2.3", "1.2.3", "", "1.2.3.4.", "1..2.3"}) {
        notes.notices.clear();
        d.addressEdit()->setText(text);
        d.addButton()->click();
        EXPECT_EQ(d.hostList()->count(), 0) << text;
        ASSERT_EQ(notes.notices.size(), 1u) << text;
        EXPECT_EQ(notes.notices[0].text, kAddressRefusedText.source);
        // Left as typed, to be put right, also when the focus moves on.
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(d.addressEdit(), &out);
        EXPECT_EQ(d.addressEdit()->text(), QString(text));
    }
    EXPECT_EQ(c->app.peerListCount, 0);
    EXPECT_EQ(ini("list_count"), "<none>");
    QString typed = QString::fromUtf8("１９２．１６８．１．２");
    int at = 0;
    EXPECT_EQ(d.addressEdit()->validator()->validate(typed, at), QValidator::Acceptable);
    d.addressEdit()->setText(typed);
    d.addButton()->click();
    ASSERT_EQ(d.hostList()->count(), 1);
    EXPECT_EQ(d.hostList()->item(0)->text(), "192.168.1.2");
}

TEST_F(ConnectionDialogs, AddThreeRemoveFirstRewritesTheMovedEntries) {
    TcpClientDialog d(*c, link);
    for (const char* a : {"10.0.0.1", "10.0.0.2", "10.0.0.3"}) {
        d.addressEdit()->setText(a);
        d.addButton()->click();
    }
    EXPECT_EQ(ini("list_count"), "3");
    EXPECT_EQ(d.hostList()->count(), 3);
    EXPECT_EQ(d.hostList()->item(2)->text(), "10.0.0.3");

    d.hostList()->setCurrentRow(0);
    d.removeButton()->click();
    EXPECT_EQ(c->app.peerListCount, 2);
    EXPECT_EQ(ini("list_count"), "2");
    EXPECT_EQ(ini("ip00_3"), "2");
    EXPECT_EQ(ini("ip01_3"), "3");
    EXPECT_EQ(ini("ip02_3"), "3");  // the former last entry stays in the file
    ASSERT_EQ(d.hostList()->count(), 2);
    EXPECT_EQ(d.hostList()->item(0)->text(), "10.0.0.2");

    // Nothing is selected after a removal: a second press removes nothing.
    d.removeButton()->click();
    EXPECT_EQ(c->app.peerListCount, 2);
    EXPECT_EQ(d.hostList()->count(), 2);
    EXPECT_EQ(ini("list_count"), "2");
}

TEST_F(ConnectionDialogs, RemovingBelowTheChosenEntryKeepsTheIndex) {
    TcpClientDialog d(*c, link);
    for (const char* a : {"10.0.0.1", "10.0.0.2", "10.0.0.3"}) {
        d.addressEdit()->setText(a);
        d.addButton()->click();
    }
    doubleClick(d.hostList(), 2);
    EXPECT_EQ(c->app.peerIndex, 2);
    EXPECT_EQ(ini("select_number"), "2");
    EXPECT_EQ(d.addressEdit()->text(), "10.0.0.3");

    d.hostList()->setCurrentRow(0);
    d.removeButton()->click();
    EXPECT_EQ(c->app.peerIndex, 2);  // now past the end of the list, still inside the table
}

TEST_F(ConnectionDialogs, FullListAndNoSelectionTouchNothing) {
    c->app.peerListCount = kMaxPeers;
    {
        TcpClientDialog d(*c, link);
        EXPECT_EQ(d.hostList()->count(), kMaxPeers);
        d.addressEdit()->setText("10.0.0.1");
        d.addButton()->click();
        EXPECT_EQ(c->app.peerListCount, kMaxPeers);
        ASSERT_EQ(notes.notices.size(), 1u);
        EXPECT_EQ(notes.notices[0].text, kPeerListFullText.source);
        d.hostList()->setCurrentRow(-1);
        d.removeButton()->click();
        EXPECT_EQ(c->app.peerListCount, kMaxPeers);
        EXPECT_EQ(d.hostList()->count(), kMaxPeers);
        EXPECT_FALSE(iniText().contains("list_count"));
    }
    c->app.peerListCount = 0;
    TcpClientDialog empty(*c, link);
    empty.removeButton()->click();
    empty.chooseRow(0);  // no rows: nothing to choose
    EXPECT_EQ(c->app.peerListCount, 0);
    EXPECT_EQ(ini("select_number"), "<none>");
}

TEST_F(ConnectionDialogs, PortFieldTakesFiveCharactersAndIsWrittenOnClose) {
    {
        TcpClientDialog d(*c, link);
        EXPECT_EQ(d.portEdit()->text(), "09004");
        d.reject();
        EXPECT_EQ(ini("p_port_number"), "09004");  // written even when unchanged
    }
    TcpClientDialog d(*c, link);
    d.portEdit()->clear();
    QTest::keyClicks(d.portEdit(), "123456");
    EXPECT_EQ(d.portEdit()->text(), "12345");
    EXPECT_EQ(cellText(c->settings.netPortNumber), "12345");
    d.portEdit()->clear();
    QTest::keyClicks(d.portEdit(), "ab");
    EXPECT_EQ(cellText(c->settings.netPortNumber), "ab");
    EXPECT_EQ(TcpLink::portNumber(cellText(c->settings.netPortNumber)), 0);
    d.connectButton()->click();  // not a port: refused before any attempt
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kPortRefusedText.source);
    // Nor is it kept by "設定": the dialog stays open with the message.
    d.show();
    for (const char* text : {"ab", "0", "99999"}) {
        notes.notices.clear();
        d.portEdit()->setText(text);
        d.accept();
        EXPECT_TRUE(d.isVisible()) << text;
        ASSERT_EQ(notes.notices.size(), 1u) << text;
        EXPECT_EQ(notes.notices[0].text, kPortRefusedText.source);
        EXPECT_EQ(ini("p_port_number"), "09004") << text;
    }
    // Closed without "設定", the port is the one it was.
    d.reject();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(cellText(c->settings.netPortNumber), "09004");
    d.portEdit()->setText("9005");
    d.accept();
    EXPECT_EQ(ini("p_port_number"), "9005");
}

TEST_F(ConnectionDialogs, ServerListensOnlyOnAChosenPort) {
    c->app.tcpRole = kTcpServer;
    TcpServerDialog d(*c, link);
    for (const char* text : {"abc", "", "0", "70000"}) {
        notes.notices.clear();
        d.portEdit()->setText(text);
        d.connectButton()->click();
        EXPECT_FALSE(link.isListening()) << text;
        ASSERT_EQ(notes.notices.size(), 1u) << text;
        EXPECT_EQ(notes.notices[0].text, kPortRefusedText.source);
    }
}

TEST_F(ConnectionDialogs, EmptyListConnectsToNothingAndSaysSo) {
    TcpClientDialog d(*c, link);
    EXPECT_TRUE(d.addressEdit()->text().isEmpty());
    EXPECT_EQ(d.hostList()->count(), 0);
    d.connectButton()->click();
    EXPECT_FALSE(c->app.tcpConnected);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].title, "VRQ-700");
    EXPECT_EQ(notes.notices[0].text, "接続できません");
}

TEST_F(ConnectionDialogs, ConnectAndDisconnectThroughTheDialog) {
    test::FakeDevice dev([](const std::string&) { return std::vector<test::Chunk>{{0, "GO\r\n"}}; });
    c->app.peerAddress[0] = Octets{127, 0, 0, 1};
    c->app.peerListCount = 1;
    setCell(c->settings.netPortNumber, std::to_string(dev.port()));
    TcpClientDialog d(*c, link);
    EXPECT_EQ(d.windowTitle(), "TCP/IPの設定(Client)");
    EXPECT_EQ(d.addressEdit()->text(), "127.0.0.1");
    EXPECT_TRUE(d.connectButton()->isEnabled());
    EXPECT_FALSE(d.disconnectButton()->isEnabled());

    d.connectButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return c->app.tcpConnected; }, 3000));
    EXPECT_FALSE(d.connectButton()->isEnabled());
    EXPECT_TRUE(d.disconnectButton()->isEnabled());
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].title, "Success");
    EXPECT_EQ(notes.notices[0].text, "Socket 接続 OK");

    d.disconnectButton()->click();
    EXPECT_FALSE(c->app.tcpConnected);
    EXPECT_FALSE(link.clientConnected());
    EXPECT_TRUE(d.connectButton()->isEnabled());
    EXPECT_EQ(notes.notices.back().text, "Socket 切断 OK");
}

TEST_F(ConnectionDialogs, CaptionNamesAPeerOnlyWhenThereIsOne) {
    EXPECT_EQ(SettingDialog::peerText(*c), "");  // selection 0 of an empty list
    c->app.peerListCount = 1;
    EXPECT_EQ(SettingDialog::peerText(*c), "");  // an unset entry, 0.0.0.0
    c->app.peerAddress[0] = Octets{10, 0, 0, 1};
    EXPECT_EQ(SettingDialog::peerText(*c), "10.0.0.1");
    c->app.tcpRole = kTcpServer;
    c->app.selectedSlot = 3;
    c->app.clientSlots[3].addressText = " ";
    EXPECT_EQ(SettingDialog::peerText(*c), "");  // a free slot
}

// ---- TCP/IP server ----

TEST_F(ConnectionDialogs, ServerListFollowsTheDevicesAndChoosesBySlot) {
    c->app.tcpRole = kTcpServer;
    c->app.selectedSlot = -1;
    const std::string port = freePort();
    setCell(c->settings.netPortNumber, port);
    TcpServerDialog d(*c, link);
    EXPECT_EQ(d.windowTitle(), "TCP/IPの設定(Server)");
    EXPECT_TRUE(d.connectButton()->isEnabled());
    EXPECT_FALSE(d.disconnectButton()->isEnabled());

    d.connectButton()->click();
    ASSERT_TRUE(link.isListening());
    EXPECT_FALSE(d.connectButton()->isEnabled());
    EXPECT_TRUE(d.disconnectButton()->isEnabled());

    auto first = std::make_unique<QTcpSocket>();
    QTcpSocket second;
    first->connectToHost(QHostAddress::LocalHost, link.listenPort());
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.clientList()->count() == 1; }, 3000));
    second.connectToHost(QHostAddress::LocalHost, link.listenPort());
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.clientList()->count() == 2; }, 3000));

    // Two devices of one host: told apart by their ports.
    const QString firstPeer = QStringLiteral("127.0.0.1:%1").arg(first->localPort());
    const QString secondPeer = QStringLiteral("127.0.0.1:%1").arg(second.localPort());
    EXPECT_TRUE(d.clientList()->item(0)->text().startsWith(firstPeer + " "));
    EXPECT_TRUE(d.clientList()->item(1)->text().startsWith(secondPeer + " "));
    EXPECT_TRUE(d.clientList()->item(1)->text().endsWith(QStringLiteral("接続中")));

    first.reset();  // the device of slot 1 leaves
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.clientList()->count() == 1; }, 3000));
    EXPECT_EQ(d.rowSlots(), std::vector<int>{2});
    EXPECT_TRUE(d.clientList()->item(0)->text().startsWith(secondPeer));

    // One click chooses.
    emit d.clientList()->itemClicked(d.clientList()->item(0));
    EXPECT_EQ(c->app.selectedSlot, 2);
    EXPECT_TRUE(c->app.tcpConnected);
    EXPECT_EQ(d.transmissionEdit()->text(), secondPeer);
    EXPECT_TRUE(d.clientList()->item(0)->text().endsWith(QStringLiteral("送信先")));

    d.disconnectButton()->click();
    EXPECT_FALSE(link.isListening());
    EXPECT_EQ(d.clientList()->count(), 0);
    EXPECT_EQ(c->app.selectedSlot, -1);
    EXPECT_FALSE(c->app.tcpConnected);
    EXPECT_TRUE(d.transmissionEdit()->text().trimmed().isEmpty());
    EXPECT_TRUE(d.connectButton()->isEnabled());
    EXPECT_FALSE(d.disconnectButton()->isEnabled());

    d.reject();
    EXPECT_EQ(ini("p_port_number"), port);
}

TEST_F(ConnectionDialogs, ServerStaysStoppableAfterItsLastDeviceLeft) {
    c->app.tcpRole = kTcpServer;
    setCell(c->settings.netPortNumber, freePort());
    TcpServerDialog d(*c, link);
    d.connectButton()->click();
    {
        QTcpSocket dev;
        dev.connectToHost(QHostAddress::LocalHost, link.listenPort());
        ASSERT_TRUE(QTest::qWaitFor([&] { return d.clientList()->count() == 1; }, 3000));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.clientList()->count() == 0; }, 3000));
    EXPECT_TRUE(d.disconnectButton()->isEnabled());
    EXPECT_FALSE(d.connectButton()->isEnabled());
}

}  // namespace
}  // namespace vrq
