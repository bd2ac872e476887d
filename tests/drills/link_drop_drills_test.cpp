// Links that go away under a run, and a server role filled to its last slot.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <atomic>
#include <thread>
#include <filesystem>

#include "dialogs/bulk_run_dialogs.h"
#include "drills/drill_support.h"
#include "protocol/send_sequencer.h"
#include "model/product_names.h"
#include "protocol/bulk_runs.h"
#include "link/serial_link.h"
#include "protocol/send_path.h"

namespace vrq::drill {
namespace {

constexpr int kDropLine = 10;

int errorNotices(const Rig& r) {
    int n = 0;
    for (const auto& note : r.notes.notices) n += note.title == "Error" ? 1 : 0;
    return n;
}

class TcpDropDrill : public ::testing::TestWithParam<Setup> {};

// The device hangs up in the middle of a send-all run: one warning, the run
// ends, a server slot is freed, and after a reconnect a run works again.
TEST_P(TcpDropDrill, DeviceHangsUpDuringRun) {
    Rig r(GetParam(), {"--drop-after", std::to_string(kDropLine)});
    ASSERT_TRUE(r.ok);
    const bool server = GetParam().channel == Channel::TcpServer;
    {
        SendAllDialog d(*r.c);
        d.startButton()->click();
        for (int i = 0; i < kDropLine + 10 && d.runActive(); ++i) runTick(d, r, 0, false);
        EXPECT_FALSE(d.runActive());
        EXPECT_FALSE(r.c->reply.runActive);
        QTest::qWait(300);  // queued close events arrive
        EXPECT_EQ(r.received().size(), static_cast<std::size_t>(kDropLine));
        EXPECT_EQ(errorNotices(r), 1);
        EXPECT_EQ(r.notes.notices.size(), 1u);
        if (server) {
            EXPECT_EQ(r.tcp->connectedClientCount(), 0);
            EXPECT_FALSE(r.c->app.clientSlots[1].inUse);
            EXPECT_EQ(r.c->app.clientSlots[1].addressText, " ");
        } else {
            EXPECT_FALSE(r.tcp->clientConnected());
        }
    }

    ASSERT_TRUE(r.reconnect({"--delay-ms", "0"}));
    r.notes.notices.clear();
    const std::size_t before = r.received().size();
    SendAllDialog d(*r.c);
    d.startButton()->click();
    for (int i = 0; i < 3; ++i) runTick(d, r, 0, false);
    QTest::qWait(100);
    EXPECT_GE(r.received().size(), before + 3);
    EXPECT_TRUE(r.notes.notices.empty());
}

INSTANTIATE_TEST_SUITE_P(Drills, TcpDropDrill,
                         ::testing::Values(Setup{Product::Multi, Channel::TcpClient},
                                           Setup{Product::Single, Channel::TcpClient},
                                           Setup{Product::Multi, Channel::TcpServer},
                                           Setup{Product::Single, Channel::TcpServer}),
                         setupName);

double cpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

class SerialVanishDrill : public ::testing::TestWithParam<Product> {};

// The far end of the pseudo-terminal closes during a run: the operator hears
// "No Connect" or that the line vanished (whichever the console notices
// first), the run stops, and the console neither crashes nor spins on the
// dead line.
TEST_P(SerialVanishDrill, LineVanishesDuringRun) {
    Rig r({GetParam(), Channel::Pty}, {"--drop-after", std::to_string(kDropLine)});
    ASSERT_TRUE(r.ok);
    r.c->app.retries = 0;
    const Product p = GetParam();
    const int mainPerTick = sendAllPeriodMs(p) / mainTimerPeriodMs(p);
    SendAllDialog d(*r.c);
    d.startButton()->click();
    for (int i = 0; i < kDropLine + 60 && d.runActive(); ++i) runTick(d, r, mainPerTick, i < kDropLine - 1);

    // Idle on the dead line for a second: the event loop must sleep, not spin.
    const double cpu = cpuSeconds();
    QTest::qWait(1000);
    EXPECT_LT(cpuSeconds() - cpu, 0.5);
    EXPECT_FALSE(d.runActive());
    int vanished = 0, closedNotices = 0;
    for (const auto& n : r.notes.notices) {
        const bool gone = n.text.find("使えなくなりました") != std::string::npos;
        vanished += gone ? 1 : 0;
        const bool stopped = n.text.rfind(unansweredStopText(kUnansweredStop).japanese(), 0) == 0;
        // A command after the port closed says so and stops the run.
        const bool closed = n.text == kSerialClosedText.source;
        closedNotices += closed ? 1 : 0;
        EXPECT_TRUE(gone || n.text == "No Connect" || stopped || closed) << n.text;
    }
    EXPECT_LE(vanished, 1);  // told once at most
    EXPECT_LE(closedNotices, 1);
    EXPECT_GE(r.count("No Connect") + vanished + closedNotices, 1);
}

INSTANTIATE_TEST_SUITE_P(Drills, SerialVanishDrill, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return std::string(info.param == Product::Single ? "Single" : "Multi"); });

int openDescriptors() {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

// Runs events without sleeping between them, so thousands of rounds stay quick.
template <typename Pred>
bool spinUntil(Pred done, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

int connectLoopback(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The server role: devices coming and going thousands of times leave no
// socket or slot behind; 96 devices each take a command; a 97th is let go.
TEST(ServerCapacityDrill, NinetySixDevicesAndThousandsOfConnections) {
    auto c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    c->notifier = &notes;
    c->app.appRunning = true;
    c->app.linkInterface = kLinkTcp;
    c->app.tcpRole = kTcpServer;
    setCell(c->settings.netPortNumber, "0");
    TcpLink link(*c);
    ASSERT_TRUE(link.listen());
    c->app.tcpConnected = true;

    QCoreApplication::processEvents();
    const int fdsBefore = openDescriptors();
    // 3000 connections, 60 open at a time.
    for (int round = 0; round < 50; ++round) {
        std::vector<int> fds;
        for (int i = 0; i < 60; ++i) {
            fds.push_back(connectLoopback(link.listenPort()));
            ASSERT_GE(fds.back(), 0);
            ASSERT_TRUE(spinUntil([&] { return link.connectedClientCount() == i + 1; })) << round;
        }
        for (int fd : fds) ::close(fd);
        ASSERT_TRUE(spinUntil([&] { return link.connectedClientCount() == 0; })) << round;
    }
    QTest::qWait(50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_LE(openDescriptors(), fdsBefore + 2);
    EXPECT_TRUE(notes.notices.empty());

    QTemporaryDir dir;
    const std::string record = dir.filePath("lines.txt").toStdString();
    {
        // The simulator connects 97 times before it says so; accept meanwhile.
        std::optional<test::SimProcess> devices;
        std::atomic<bool> started = false;
        std::thread starter([&] {
            devices.emplace(std::vector<std::string>{"--tcp-connect", "127.0.0.1:" + std::to_string(link.listenPort()),
                                                     "--connections", "97", "--record", record});
            started = true;
        });
        spinUntil([&] { return started.load(); }, 10000);
        starter.join();
        ASSERT_TRUE(spinUntil([&] { return link.connectedClientCount() == kClientSlots - 1; }))
            << link.connectedClientCount() << " " << devices->firstLine();
        QTest::qWait(200);  // the 97th is accepted and let go
        EXPECT_EQ(link.connectedClientCount(), kClientSlots - 1);
        for (int slot = 1; slot < kClientSlots; ++slot) {
            c->app.selectedSlot = slot;
            sendCommand(*c, CommandLine("CBS001L01ON"));
        }
        // Each command goes to the device chosen when it was given.
        ASSERT_TRUE(spinUntil([&] { return !link.busy(); }));
        EXPECT_EQ(notes.notices.size(), 96u);
        for (const auto& n : notes.notices) EXPECT_EQ(n.text, "Socket ＯＫ");
        std::ifstream in(record);
        int lines = 0;
        for (std::string l; std::getline(in, l);) ++lines;
        EXPECT_EQ(lines, 96);
        devices.reset();
    }
    // The devices go: every slot is free again and no socket is left open.
    ASSERT_TRUE(spinUntil([&] { return link.connectedClientCount() == 0; }));
    QTest::qWait(50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_LE(openDescriptors(), fdsBefore + 2);
    for (int slot = 1; slot < kClientSlots; ++slot) EXPECT_FALSE(c->app.clientSlots[slot].inUse) << slot;
}

}  // namespace
}  // namespace vrq::drill
