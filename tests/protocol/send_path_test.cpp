#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "protocol/notifier.h"
#include "protocol/send_path.h"
#include "protocol/transport.h"
#include "support/recording_transport.h"

namespace vrq {
namespace {

class SendPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        c = makeConsole(Product::Multi);
        c->serialTransport = &serial;
        c->tcpTransport = &tcp;
    }
    std::unique_ptr<Console> c;
    RecordingTransport serial, tcp;
    CommandLine line{"CBS003L10ON"};
};

TEST_F(SendPathTest, Rs485PrefixesTheAddressAndExpectsAReply) {
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 31;
    sendCommand(*c, line);
    ASSERT_EQ(serial.lines.size(), 1u);
    EXPECT_EQ(serial.lines[0], "31CBS003L10ON\r\n");
    EXPECT_TRUE(c->reply.replyExpected);

    c->app.slaveAddressIndex = 5;
    sendCommand(*c, line);
    EXPECT_EQ(serial.lines[1], "05CBS003L10ON\r\n");
}

TEST_F(SendPathTest, BroadcastGoesOutWithFfAndExpectsNoReply) {
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = kBroadcastAddress;
    c->reply.replyExpected = true;
    sendCommand(*c, line);
    EXPECT_EQ(serial.lines.at(0), "FFCBS003L10ON\r\n");
    EXPECT_FALSE(c->reply.replyExpected);
}

TEST_F(SendPathTest, Rs232cIgnoresTheAddress) {
    c->app.serialMode = kRs232c;
    c->app.slaveAddressIndex = kBroadcastAddress;
    sendCommand(*c, line);
    EXPECT_EQ(serial.lines.at(0), "CBS003L10ON\r\n");
    EXPECT_TRUE(c->reply.replyExpected);
}

TEST_F(SendPathTest, TcpNeverPrefixesAndLeavesTheSerialFlagAlone) {
    c->app.linkInterface = kLinkTcp;
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;
    sendCommand(*c, line);
    EXPECT_TRUE(serial.lines.empty());
    EXPECT_EQ(tcp.lines.at(0), "CBS003L10ON\r\n");
    EXPECT_FALSE(c->reply.replyExpected);
}

TEST_F(SendPathTest, IsLinkedOnSerialAlwaysOnTcpFollowsTheConnection) {
    c->app.serialPortOpen = false;  // a port that failed to open still counts
    EXPECT_TRUE(isLinked(*c));
    c->app.linkInterface = kLinkTcp;
    EXPECT_FALSE(isLinked(*c));
    c->app.tcpConnected = true;
    EXPECT_TRUE(isLinked(*c));
}

TEST(HasExtensionTest, LooksFromTheEndButNeverAtTheFirstCharacter) {
    EXPECT_TRUE(hasExtension("x.dat", ".dat"));
    EXPECT_FALSE(hasExtension(".dat", ".dat"));
    EXPECT_TRUE(hasExtension("x.dat.txt", ".dat"));
    EXPECT_TRUE(hasExtension("a.dat.bak", ".dat"));
    EXPECT_FALSE(hasExtension("report", ".dat"));
    EXPECT_FALSE(hasExtension("", ".dat"));
    EXPECT_FALSE(hasExtension("x.da", ".dat"));
}

TEST(NotifierTest, NoticesCarryTheirTitlesAndIcons) {
    RecordingNotifier n;
    showSuccess(n, Message::plain("Success"));
    showError(n, Message::plain("No Connect"));
    showWarning(n, kNotConnectedText);
    ASSERT_EQ(n.notices.size(), 3u);
    EXPECT_EQ(n.notices[0].title, "Success");
    EXPECT_EQ(n.notices[0].icon, NoticeIcon::None);
    EXPECT_EQ(n.notices[1].title, "Error");
    EXPECT_EQ(n.notices[1].icon, NoticeIcon::Stop);
    EXPECT_EQ(n.notices[2].title, "Error");
    EXPECT_EQ(n.notices[2].icon, NoticeIcon::Exclamation);
    EXPECT_EQ(n.notices[2].text, "Socket が接続されていません");
}

}  // namespace
}  // namespace vrq
