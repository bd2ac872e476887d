// The console's framing against the simulated device over a real pseudo-terminal.

#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "protocol/send_path.h"
#include "protocol/transport.h"
#include "support/pty_port.h"
#include "support/sim_process.h"

namespace vrq {
namespace {

TEST(PtyEndToEndTest, Rs485AddressedCommandIsAnsweredAndBroadcastIsSilent) {
    test::SimProcess sim({"--rs485", "05"});
    ASSERT_FALSE(sim.ptyPath().empty()) << sim.firstLine();
    test::PtyPort port(sim.ptyPath());
    ASSERT_TRUE(port.ok());

    auto c = makeConsole(Product::Multi);
    c->serialTransport = &port;
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;

    CommandLine on("CBS003L10ON");
    sendCommand(*c, on);
    EXPECT_TRUE(c->reply.replyExpected);
    EXPECT_EQ(port.readLine(3000), "05GO\r\n");

    sendCommand(*c, CommandLine("RCBS003"));
    EXPECT_EQ(port.readLine(3000), "05CBS003FFFFFFFFFN\r\n");

    c->app.slaveAddressIndex = kBroadcastAddress;
    sendCommand(*c, CommandLine("CBS004FFFFFFFFFN"));
    EXPECT_FALSE(c->reply.replyExpected);
    EXPECT_EQ(port.readLine(300), "");  // a broadcast is never answered

    c->app.slaveAddressIndex = 5;
    sendCommand(*c, CommandLine("RCBS004"));
    EXPECT_EQ(port.readLine(3000), "05CBS004FFFFFFFFFN\r\n");
}

}  // namespace
}  // namespace vrq
