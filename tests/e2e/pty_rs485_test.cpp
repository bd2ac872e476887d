// The console's framing against the simulated device over a real pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "model/reset_settings.h"
#include "protocol/send_path.h"
#include "protocol/transport.h"
#include "support/sim_process.h"

namespace vrq {
namespace {

// A raw pty client standing in for the serial link.
class PtyTransport : public Transport {
public:
    explicit PtyTransport(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        if (fd_ >= 0) {
            termios t{};
            ::tcgetattr(fd_, &t);
            ::cfmakeraw(&t);
            ::tcsetattr(fd_, TCSANOW, &t);
        }
    }
    ~PtyTransport() override {
        if (fd_ >= 0) ::close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    void writeLine(std::string_view b) override { ASSERT_EQ(::write(fd_, b.data(), b.size()), ssize_t(b.size())); }
    // The next answer line with its CR LF, or empty after `ms` without one.
    std::string readLine(int ms) {
        std::string line;
        while (true) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, ms) <= 0) return line.empty() ? line : line;
            char ch;
            if (::read(fd_, &ch, 1) != 1) return line;
            line.push_back(ch);
            if (ch == '\n') return line;
        }
    }

private:
    int fd_ = -1;
};

TEST(PtyEndToEndTest, Rs485AddressedCommandIsAnsweredAndBroadcastIsSilent) {
    test::SimProcess sim({"--rs485", "05"});
    ASSERT_FALSE(sim.ptyPath().empty()) << sim.firstLine();
    PtyTransport port(sim.ptyPath());
    ASSERT_TRUE(port.ok());

    auto c = makeConsole(Product::Multi);
    c->serialTransport = &port;
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;

    CommandLine on("CBS003L10ON");
    sendCommand(*c, on);
    EXPECT_EQ(c->reply.replyExpected, 1);
    EXPECT_EQ(port.readLine(3000), "05GO\r\n");

    sendCommand(*c, CommandLine("RCBS003"));
    EXPECT_EQ(port.readLine(3000), "05CBS003FFFFFFFFFN\r\n");

    c->app.slaveAddressIndex = kBroadcastAddress;
    sendCommand(*c, CommandLine("CBS004FFFFFFFFFN"));
    EXPECT_EQ(c->reply.replyExpected, 0);
    EXPECT_EQ(port.readLine(300), "");  // a broadcast is never answered

    c->app.slaveAddressIndex = 5;
    sendCommand(*c, CommandLine("RCBS004"));
    EXPECT_EQ(port.readLine(3000), "05CBS004FFFFFFFFFN\r\n");
}

}  // namespace
}  // namespace vrq
