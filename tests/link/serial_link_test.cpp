// The serial link over real pseudo-terminals: line settings, opening once,
// the open failure notices, and answers of the simulated device landing in
// the model through the line assembler and the reply handler.

#include "link/serial_link.h"
#include "protocol/traffic_log.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <cerrno>
#include <cstring>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "link/device_access.h"
#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "model/product_names.h"
#include "protocol/notifier.h"
#include "protocol/reply_parser.h"
#include "protocol/send_path.h"
#include "support/sim_process.h"

namespace vrq {
namespace {

// A bare pseudo-terminal whose far end the test writes to directly.
class Pty {
public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) path_ = ::ptsname(master_);
    }
    ~Pty() {
        if (master_ >= 0) ::close(master_);
    }
    const std::string& path() const { return path_; }
    void write(std::string_view bytes) { ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size())); }
    // What the console wrote, waiting up to `ms` for it.
    std::string read(int ms) {
        std::string out;
        (void)QTest::qWaitFor([&] {
            char buf[256];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) out.append(buf, static_cast<std::size_t>(n));
            return !out.empty() && out.back() == '\n';
        }, ms);
        return out;
    }
    // The settings of the console's end.
    termios slaveSettings() const {
        termios t{};
        ::tcgetattr(master_, &t);
        return t;
    }
    void nonBlocking() { ::fcntl(master_, F_SETFL, O_NONBLOCK); }

private:
    int master_ = -1;
    std::string path_;
};

struct SerialLinkTest : ::testing::Test {
    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    RecordingNotifier notes;

    void SetUp() override {
        c->notifier = &notes;
        c->app.appRunning = true;
    }
    void useDevice(const std::string& path, int index = 3) {
        c->app.comPortIndex = index;
        c->app.comDevicePath[static_cast<std::size_t>(index)] = path;
    }
    bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 3000); }
};

TEST_F(SerialLinkTest, OpensTheMappedDeviceWithTheLineSettings) {
    Pty pty;
    ASSERT_FALSE(pty.path().empty());
    useDevice(pty.path(), 5);
    SerialLink link(*c);
    EXPECT_EQ(c->serialTransport, &link);
    EXPECT_EQ(link.devicePath(), QString::fromStdString(pty.path()));
    ASSERT_TRUE(link.open());
    EXPECT_TRUE(notes.notices.empty()) << notes.notices[0].text;
    EXPECT_TRUE(c->app.serialPortOpen);

    const termios t = pty.slaveSettings();
    EXPECT_EQ(::cfgetospeed(&t), speed_t(B38400));
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(t.c_cflag & CSTOPB, 0u);
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
    EXPECT_NE(t.c_iflag & IXON, 0u);
    EXPECT_NE(t.c_iflag & IXOFF, 0u);
    EXPECT_EQ(t.c_iflag & INPCK, 0u);
    EXPECT_EQ(t.c_cc[VSTART], 0x11);
    EXPECT_EQ(t.c_cc[VSTOP], 0x13);
}

TEST_F(SerialLinkTest, OpensOncePerRunAndNotOnTcp) {
    Pty pty;
    // The run script points COM1 at a link to the simulator's pty.
    const std::string alias = "/tmp/vrq_serial_link_test_" + std::to_string(::getpid());
    ASSERT_EQ(::symlink(pty.path().c_str(), alias.c_str()), 0);
    useDevice(alias);
    SerialLink link(*c);
    c->app.linkInterface = kLinkTcp;
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(c->app.serialPortOpen);
    c->app.linkInterface = kLinkSerial;  // the operator picks the serial interface later
    EXPECT_TRUE(link.open());
    useDevice("/nonexistent/tty");
    EXPECT_TRUE(link.open());  // no second open
    EXPECT_TRUE(notes.notices.empty());
    ::unlink(alias.c_str());
}

// One notice per failed open, naming the device and the reason; the next
// open tries again; a command on the closed port says so at once.
TEST_F(SerialLinkTest, AFailedOpenIsOneNoticeAndSendsSayThePortIsClosed) {
    useDevice("/nonexistent/tty");
    SerialLink link(*c);
    EXPECT_FALSE(link.open());
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].title, "Error");
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Stop);
    EXPECT_EQ(notes.notices[0].text, "Miss! File Open\n/nonexistent/tty: " + std::string(std::strerror(ENOENT)));
    EXPECT_FALSE(c->app.serialPortOpen);
    EXPECT_FALSE(link.open());
    EXPECT_EQ(notes.notices.size(), 2u);

    std::vector<RequestEnd> ends;
    c->requestEnded = [&](RequestEnd e) { ends.push_back(e); };
    sendCommand(*c, CommandLine("RVN"));
    EXPECT_FALSE(c->reply.replyExpected);  // no "No Connect" to wait for
    EXPECT_TRUE(c->reply.replyError);
    EXPECT_EQ(ends, std::vector<RequestEnd>{RequestEnd::SendFailed});
    ASSERT_EQ(notes.notices.size(), 3u);
    EXPECT_EQ(notes.notices[2].text, kSerialClosedText.source);

    Pty pty;
    useDevice(pty.path());
    EXPECT_TRUE(link.open());
    EXPECT_TRUE(c->app.serialPortOpen);
    EXPECT_EQ(notes.notices.size(), 3u);
}

// Run as root, the check drops to "nobody" in a child run of this test: root
// opens any device, so only an unprivileged account sees the refusal.
TEST_F(SerialLinkTest, APermissionRefusalNamesTheDeviceTheReasonAndTheGroup) {
    SerialOpenFailure f{"/dev/ttyS0", "Permission denied", true, "dialout"};
    EXPECT_EQ(SerialLink::fileOpenFailureText(f).japanese(),
              "Miss! File Open\n/dev/ttyS0: Permission denied\n" + permissionHintText("dialout").japanese());

    if (const char* denied = std::getenv("VRQ_TEST_DENIED_DEVICE")) {
        useDevice(denied);
        SerialLink link(*c);
        EXPECT_FALSE(link.open());
        ASSERT_EQ(notes.notices.size(), 1u);
        f = {QString::fromUtf8(denied), QString::fromUtf8(std::strerror(EACCES)), true, deviceGroup(denied)};
        EXPECT_EQ(notes.notices[0].text, SerialLink::fileOpenFailureText(f).japanese());
        EXPECT_NE(notes.notices[0].text.find("「" + f.group + "」"), std::string::npos);
        return;
    }
    Pty pty;
    ASSERT_FALSE(pty.path().empty());
    if (::geteuid() != 0) {
        // Our own device with no permission left is refused just the same.
        ASSERT_EQ(::chmod(pty.path().c_str(), 0), 0);
        useDevice(pty.path());
        SerialLink link(*c);
        EXPECT_FALSE(link.open());
        ASSERT_EQ(notes.notices.size(), 1u);
        EXPECT_NE(notes.notices[0].text.find(deviceGroup(pty.path())), std::string::npos) << notes.notices[0].text;
        return;
    }
    if (QStandardPaths::findExecutable("setpriv").isEmpty()) GTEST_SKIP() << "no setpriv to drop to nobody";
    const group* dialout = ::getgrnam("dialout");
    ASSERT_EQ(::chown(pty.path().c_str(), 0, dialout ? dialout->gr_gid : 20), 0);
    ASSERT_EQ(::chmod(pty.path().c_str(), 0660), 0);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VRQ_TEST_DENIED_DEVICE", QString::fromStdString(pty.path()));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", QCoreApplication::applicationFilePath(),
                            "--gtest_filter=SerialLinkTest.APermissionRefusalNamesTheDeviceTheReasonAndTheGroup"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

TEST_F(SerialLinkTest, RepliesAreSplitAtEveryLineFeedAndJoinedAcrossReads) {
    Pty pty;
    useDevice(pty.path());
    SerialLink link(*c);
    ASSERT_TRUE(link.open());
    pty.nonBlocking();

    sendCommand(*c, CommandLine("CBS001L01ON"));
    EXPECT_EQ(pty.read(3000), "CBS001L01ON\r\n");
    EXPECT_TRUE(c->reply.replyExpected);
    pty.write("G");
    QTest::qWait(50);
    EXPECT_TRUE(c->reply.replyExpected);  // half a line is no answer
    // What follows the answer in the same read came before any next command.
    pty.write("O\r\nCBS002NNNNNNNNNN\r\n");
    ASSERT_TRUE(waitFor([&] { return c->reply.successPending; }));
    EXPECT_FALSE(c->reply.replyExpected);
    EXPECT_EQ(c->settings.lineBlink[1][9], 0);

    sendCommand(*c, CommandLine("RCBS002"));
    EXPECT_EQ(pty.read(3000), "RCBS002\r\n");
    pty.write("CBS002NNNNN");
    QTest::qWait(50);
    pty.write("NNNNN\r\n");
    ASSERT_TRUE(waitFor([&] { return c->settings.lineBlink[1][9] == 1; }));

    // An over-long line is no answer; the refusal behind it is.
    sendCommand(*c, CommandLine("CBS001L01ON"));
    EXPECT_EQ(pty.read(3000), "CBS001L01ON\r\n");
    pty.write(std::string(1500, 'X') + "GO\r\nE3\r\n");
    ASSERT_TRUE(waitFor([&] { return !notes.notices.empty(); }));
    EXPECT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "Command Error");
    // A stray line before the run's next tick answers nothing and clears nothing.
    EXPECT_TRUE(c->reply.replyError);
    pty.write("XYZ\r\n");
    QTest::qWait(50);
    EXPECT_TRUE(c->reply.replyError);
}

TEST_F(SerialLinkTest, ReadRequestsToTheSimulatorLandInTheModel) {
    test::SimProcess sim({});
    ASSERT_FALSE(sim.ptyPath().empty()) << sim.firstLine();
    useDevice(sim.ptyPath());
    SerialLink link(*c);
    ASSERT_TRUE(link.open());

    sendCommand(*c, CommandLine("CBS003L10ON"));
    ASSERT_TRUE(waitFor([&] { return c->reply.successPending; }));
    sendCommand(*c, CommandLine("RCBS003"));
    ASSERT_TRUE(waitFor([&] { return c->settings.lineBlink[2][9] == 1; }));
    EXPECT_EQ(c->settings.lineBlink[2][8], 0);

    sendCommand(*c, CommandLine("POSPAS"));
    ASSERT_TRUE(waitFor([&] { return !c->reply.replyExpected; }));
    sendCommand(*c, CommandLine("RPOSP"));
    ASSERT_TRUE(waitFor([&] { return c->settings.powerOnPage == kPowerOnPas; }));
    EXPECT_FALSE(c->reply.replyError);
    EXPECT_TRUE(notes.notices.empty());
}

TEST_F(SerialLinkTest, Rs485AnswersLoseTheirAddress) {
    test::SimProcess sim({"--rs485", "05"});
    ASSERT_FALSE(sim.ptyPath().empty()) << sim.firstLine();
    useDevice(sim.ptyPath());
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;
    SerialLink link(*c);
    ASSERT_TRUE(link.open());

    c->reply.runActive = true;  // as during a read-all run
    c->reply.runStep = 0;
    sendCommand(*c, CommandLine("RVN"));
    ASSERT_TRUE(waitFor([&] { return cellText(c->settings.deviceVersion) == "1.05"; }));
    EXPECT_TRUE(c->reply.successPending);  // the version answer always closes with "Success"

    sendCommand(*c, CommandLine("XYZ"));
    ASSERT_TRUE(waitFor([&] { return c->reply.replyError; }));
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "Command Error");
}

// One command in flight: the next waits for the answer. On RS-485 only the
// address that was asked may answer; a broadcast ends once its bytes are out.
TEST_F(SerialLinkTest, OneCommandInFlightAndOnlyTheAskedAddressAnswers) {
    Pty pty;
    useDevice(pty.path());
    c->app.serialMode = kRs485;
    c->app.slaveAddressIndex = 5;
    SerialLink link(*c);
    ASSERT_TRUE(link.open());
    pty.nonBlocking();
    std::vector<std::string> dropped;
    std::vector<RequestEnd> ends;
    c->dropped = [&](std::string_view b) { dropped.emplace_back(b); };
    c->requestEnded = [&](RequestEnd e) { ends.push_back(e); };
    TrafficLog traffic;
    c->traffic = [&](const TrafficEvent& e) { traffic.add(e); };
    setCell(c->settings.deviceVersion, "");

    sendCommand(*c, CommandLine("RVN"));
    sendCommand(*c, CommandLine("RCFZ"));
    EXPECT_EQ(pty.read(3000), "05RVN\r\n");
    EXPECT_EQ(pty.read(100), "");  // the second waits

    pty.write("06VN9.99\r\n");
    ASSERT_TRUE(waitFor([&] { return dropped.size() == 1; }));
    EXPECT_EQ(dropped[0], "06VN9.99\r\n");
    EXPECT_TRUE(cellText(c->settings.deviceVersion).empty());
    EXPECT_TRUE(c->reply.replyExpected);
    EXPECT_TRUE(ends.empty());

    pty.write("05VN1.05\r\n");
    EXPECT_EQ(pty.read(3000), "05RCFZ\r\n");
    EXPECT_EQ(cellText(c->settings.deviceVersion), "1.05");
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0], RequestEnd::Answered);
    EXPECT_TRUE(c->reply.replyExpected);  // now for the second command

    // The main timer's no-reply count ends the silent one (asked once only
    // here); after the quiet gap the broadcast goes.
    link.session().setRetries(0);
    c->app.slaveAddressIndex = kBroadcastAddress;
    sendCommand(*c, CommandLine("CFZON"));
    for (int i = 0; i <= noReplyTickLimit(c->product) + 1; ++i) mainTimerStep(*c);
    EXPECT_EQ(pty.read(3000), "FFCFZON\r\n");
    ASSERT_TRUE(waitFor([&] { return !link.busy(); }));
    EXPECT_EQ(ends, (std::vector<RequestEnd>{RequestEnd::Answered, RequestEnd::NoAnswer, RequestEnd::Delivered}));
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[0].text, "Success");  // for the version answer
    EXPECT_EQ(notes.notices[1].text, "No Connect");

    // The monitor saw every line, with its link and address; the foreign
    // answer is marked as dropped.
    ASSERT_EQ(traffic.size(), 5u);
    const auto seen = [&](std::size_t i) {
        const TrafficEntry& e = traffic.at(i);
        return std::string(directionMark(e.direction)) + " " + std::to_string(e.address) + " " + e.bytes;
    };
    EXPECT_EQ(seen(0), "> 5 05RVN\r\n");
    EXPECT_EQ(seen(1), "x 6 06VN9.99\r\n");
    EXPECT_EQ(seen(2), "< 5 05VN1.05\r\n");
    EXPECT_EQ(seen(3), "> 5 05RCFZ\r\n");
    EXPECT_EQ(seen(4), "> 255 FFCFZON\r\n");
    EXPECT_EQ(traffic.at(0).link, "COM" + std::to_string(c->app.comPortIndex + 1) + " " + pty.path());
}


// An adapter pulled out: the port closes, the operator is told once, and
// choosing the serial line again opens the device that came back.
TEST_F(SerialLinkTest, AVanishedPortIsToldOnceAndOpensAgain) {
    const std::string alias = "/tmp/vrq_vanish_test_" + std::to_string(::getpid());
    auto sim = std::make_unique<test::SimProcess>(std::vector<std::string>{"--link", alias});
    useDevice(alias);
    SerialLink link(*c);
    ASSERT_TRUE(link.open());
    sim.reset();
    ASSERT_TRUE(waitFor([&] { return !link.isOpen(); }));
    QTest::qWait(200);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_NE(notes.notices[0].text.find(alias), std::string::npos) << notes.notices[0].text;
    EXPECT_FALSE(c->app.serialPortOpen);

    test::SimProcess again({"--link", alias});
    ASSERT_TRUE(link.open());
    setCell(c->settings.deviceVersion, "");
    sendCommand(*c, CommandLine("RVN"));
    ASSERT_TRUE(waitFor([&] { return cellText(c->settings.deviceVersion) == "1.05"; }));
    EXPECT_EQ(notes.notices.size(), 1u);
}

}  // namespace
}  // namespace vrq
