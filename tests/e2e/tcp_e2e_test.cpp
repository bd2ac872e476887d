// The console's TCP/IP link against simulated devices on loopback.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "link/tcp_link.h"
#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/send_path.h"
#include "support/sim_process.h"

namespace vrq {
namespace {

int listenedPort(const test::SimProcess& sim) {
    const auto colon = sim.firstLine().rfind(':');
    return colon == std::string::npos ? 0 : std::atoi(sim.firstLine().c_str() + colon + 1);
}

TEST(TcpEndToEnd, ClientRoleTalksToEitherOfTwoSimulators) {
    test::SimProcess first({"--tcp-listen", "0"});
    test::SimProcess second({"--tcp-listen", "0"});
    const int ports[2] = {listenedPort(first), listenedPort(second)};
    ASSERT_GT(ports[0], 0) << first.firstLine();
    ASSERT_GT(ports[1], 0) << second.firstLine();
    ASSERT_NE(ports[0], ports[1]);

    auto c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    c->notifier = &notes;
    c->app.linkInterface = kLinkTcp;
    c->app.appRunning = true;
    c->app.peerAddress[0] = Octets{127, 0, 0, 1};
    c->app.peerIndex = 0;
    TcpLink link(*c);
    ASSERT_EQ(c->tcpTransport, &link);

    for (int port : ports) {
        setCell(c->settings.netPortNumber, std::to_string(port));
        QSignalSpy up(&link, &TcpLink::connected);
        ASSERT_TRUE(link.connectToPeer());
        ASSERT_TRUE(up.wait(3000));
        c->app.tcpConnected = true;

        notes.notices.clear();
        sendCommand(*c, CommandLine("CBS003L10ON"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !link.busy(); }, 3000));
        ASSERT_EQ(notes.notices.size(), 1u);
        EXPECT_EQ(notes.notices[0].text, "Socket ＯＫ");

        // The read-back answer lands in the model.
        c->settings.lineBlink[2][9] = 0;
        sendCommand(*c, CommandLine("RCBS003"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !link.busy(); }, 3000));
        EXPECT_EQ(c->settings.lineBlink[2][9], 1);
        EXPECT_FALSE(c->reply.replyError);

        link.closeAll();
        EXPECT_FALSE(c->app.tcpConnected);
    }
}

}  // namespace
}  // namespace vrq
