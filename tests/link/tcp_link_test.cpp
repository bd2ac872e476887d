#include "link/tcp_link.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <time.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <memory>

#include "link/fake_device.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/traffic_log.h"
#include "support/sim_process.h"

namespace vrq {
namespace {

using test::Chunk;
using test::FakeDevice;

double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

struct LinkFixture : ::testing::Test {
    std::unique_ptr<Console> c = makeConsole(Product::Multi);
    RecordingNotifier notes;
    std::unique_ptr<TcpLink> link;
    std::vector<std::string> received;

    void SetUp() override {
        c->notifier = &notes;
        c->app.linkInterface = kLinkTcp;
        c->app.appRunning = true;
        c->app.peerAddress[0] = Octets{127, 0, 0, 1};
        c->app.peerIndex = 0;
        link = std::make_unique<TcpLink>(*c);
        link->setReplyHandler([this](std::string_view b) {
            received.emplace_back(b);
            return ReplyOutcome::Handled;
        });
    }
    void setPort(int port) { setCell(c->settings.netPortNumber, std::to_string(port)); }

    // Client role, connected to `dev` and marked connected as the dialog does.
    void connectTo(FakeDevice& dev) {
        setPort(dev.port());
        QSignalSpy up(link.get(), &TcpLink::connected);
        ASSERT_TRUE(link->connectToPeer());
        ASSERT_TRUE(up.wait(3000));
        c->app.tcpConnected = true;
    }
    // Sends and lets the event loop run until the command has ended.
    void send(std::string_view line) {
        link->writeLine(line);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !link->busy(); }, 10000));
    }
    std::string joined() const {
        std::string all;
        for (const auto& r : received) all += r;
        return all;
    }
};

TEST(TcpLinkText, PortNumberTakesTheLeadingDigits) {
    EXPECT_EQ(TcpLink::portNumber("09004"), 9004);
    EXPECT_EQ(TcpLink::portNumber("12ab"), 12);
    EXPECT_EQ(TcpLink::portNumber("ab"), 0);
    EXPECT_EQ(TcpLink::portNumber(""), 0);
    EXPECT_EQ(TcpLink::portNumber("99999"), -1);  // no such port
    EXPECT_EQ(TcpLink::dottedAddress(Octets{192, 168, 1, 10}), "192.168.1.10");
}

TEST_F(LinkFixture, DefaultHandlerTakesTheSplitErrorOnce) {
    FakeDevice dev([](const std::string& line) {
        if (line == "BAD\r\n") return std::vector<Chunk>{{0, "E"}, {150, "3\r\n"}};
        return std::vector<Chunk>{{0, "GO\r\n"}};
    });
    link = std::make_unique<TcpLink>(*c);  // answers go to the console's own reply handling
    connectTo(dev);

    send("BAD\r\n");
    EXPECT_TRUE(c->reply.replyError);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "Socket Command");

    send("CBS003L10ON\r\n");
    EXPECT_FALSE(c->reply.replyError);
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[1].title, "Success");
    EXPECT_EQ(notes.notices[1].text, "Socket ＯＫ");
}

TEST_F(LinkFixture, JunkBehindAnAnswerIsDroppedNotWaitedFor) {
    FakeDevice dev([](const std::string& line) {
        if (line == "FIRST\r\n") return std::vector<Chunk>{{0, "GO\r\nxx"}};
        return std::vector<Chunk>{{0, "GO\r\n"}};
    });
    link = std::make_unique<TcpLink>(*c);
    link->setAnswerTimeoutMs(2000);
    connectTo(dev);
    QElapsedTimer t;
    t.start();
    send("FIRST\r\n");
    EXPECT_LT(t.elapsed(), 1500);
    EXPECT_FALSE(c->reply.replyError);
    EXPECT_EQ(c->reply.tcpLineState, TcpLineState::Idle);
    send("CBS003L10ON\r\n");  // not glued to the junk
    EXPECT_FALSE(c->reply.replyError);
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[1].text, "Socket ＯＫ");
}

TEST_F(LinkFixture, NotConnectedWarnsAndSendsNothing) {
    FakeDevice dev([](const std::string&) { return std::vector<Chunk>{{0, "GO\r\n"}}; });
    connectTo(dev);
    c->app.tcpConnected = false;
    send("CBS003L10ON\r\n");
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].title, "Error");
    EXPECT_EQ(notes.notices[0].text, "Socket が接続されていません");
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Exclamation);
    QTest::qWait(200);
    EXPECT_TRUE(dev.lines().empty());
    EXPECT_TRUE(received.empty());
}

TEST_F(LinkFixture, SilentDeviceLeavesTheUiThreadFreeUntilTheLimit) {
    EXPECT_EQ(link->answerTimeoutMs(), 3000);
    FakeDevice dev([](const std::string&) { return std::vector<Chunk>{}; });
    connectTo(dev);

    // A timer on this thread must keep firing through the whole wait.
    QElapsedTimer wall, sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
    });
    const double cpu0 = threadCpuSeconds();
    wall.start();
    sinceTick.start();
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.start(10);
    link->setRetries(0);
    link->writeLine("CBS003L10ON\r\n");
    // Bounds far above a loaded machine's jitter, far below the 3 s wait.
    EXPECT_LT(wall.elapsed(), 500) << "the send returned only after waiting";
    EXPECT_TRUE(notes.notices.empty());
    // The program's own event loop (qWaitFor would add sleeps of its own).
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (!notes.notices.empty() || wall.elapsed() > 6000) loop.quit();
    });
    check.start(5);
    loop.exec();
    ASSERT_FALSE(notes.notices.empty());
    const qint64 elapsed = wall.elapsed();
    ticker.stop();
    const double cpu = threadCpuSeconds() - cpu0;

    EXPECT_GE(elapsed, 2900);
    EXPECT_LT(longestGap, 500);
    EXPECT_LT(cpu, 0.2 * static_cast<double>(elapsed) / 1000.0) << "cpu " << cpu << " s";
    EXPECT_TRUE(c->reply.replyError);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "Answer が､きません");
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Exclamation);
}

TEST_F(LinkFixture, CutAnswerIsDroppedAfterTheTimeout) {
    FakeDevice dev([](const std::string&) { return std::vector<Chunk>{{0, "GO"}}; });
    connectTo(dev);
    link->setAnswerTimeoutMs(300);
    c->reply.tcpLineState = TcpLineState::Partial;  // as the reply handler leaves it after "GO" without LF
    send("CBS003L10ON\r\n");
    EXPECT_EQ(joined(), "");  // half a line never reaches the reply handling
    EXPECT_EQ(c->reply.tcpLineState, TcpLineState::Idle);
    EXPECT_TRUE(c->reply.replyError);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "Answer が､きません");
}

TEST_F(LinkFixture, ConnectFailuresShowTheProductBox) {
    c->app.peerAddress[0] = Octets{0, 0, 0, 0};
    setPort(9004);
    EXPECT_FALSE(link->connectToPeer());
    c->app.peerIndex = -1;  // nothing chosen must not index the table
    EXPECT_FALSE(link->connectToPeer());
    ASSERT_EQ(notes.notices.size(), 2u);
    EXPECT_EQ(notes.notices[0].title, "VRQ-700");
    EXPECT_EQ(notes.notices[0].text, "接続できません");
    EXPECT_EQ(notes.notices[0].icon, NoticeIcon::Stop);

    // A refused connection ends as a socket event error.
    int freePort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        freePort = probe.serverPort();
    }
    c->app.peerAddress[0] = Octets{127, 0, 0, 1};
    c->app.peerIndex = 0;
    setPort(freePort);
    EXPECT_TRUE(link->connectToPeer());
    EXPECT_TRUE(QTest::qWaitFor([&] { return notes.notices.size() == 3; }, 3000));
    EXPECT_EQ(notes.notices.back().title, "Error");
    EXPECT_EQ(notes.notices.back().text, "ソケットイベントにエラーが発生しました。");
    EXPECT_EQ(notes.notices.back().icon, NoticeIcon::Stop);
    EXPECT_FALSE(link->clientConnected());
}

TEST_F(LinkFixture, UnansweredConnectEndsAsASocketEventError) {
    QTcpServer peer;
    ASSERT_TRUE(peer.listen(QHostAddress::LocalHost, 0));
    setPort(peer.serverPort());
    ASSERT_TRUE(link->connectToPeer());
    // Qt's own connect timeout, before the attempt completes.
    auto* attempt = link->findChild<QTcpSocket*>();
    ASSERT_NE(attempt, nullptr);
    emit attempt->errorOccurred(QAbstractSocket::SocketTimeoutError);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !notes.notices.empty(); }, 3000));
    QTest::qWait(50);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "ソケットイベントにエラーが発生しました。");
    EXPECT_FALSE(link->clientConnected());
}

TEST(TcpLinkSingle, SocketBoxesCarryTheSingleLineTitle) {
    auto c = makeConsole(Product::Single);
    RecordingNotifier notes;
    c->notifier = &notes;
    c->app.peerIndex = 0;
    setCell(c->settings.netPortNumber, "09004");
    TcpLink link(*c);
    EXPECT_FALSE(link.connectToPeer());
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].title, "VRQ-700S");
}

// A device that leaves while nothing is asked, by closing or by a reset, is
// noticed at once and told once; the next send says there is no connection.
TEST_F(LinkFixture, ADeviceLeavingWhileIdleIsNoticedOnce) {
    for (const bool reset : {false, true}) {
        notes.notices.clear();
        FakeDevice dev([](const std::string&) { return std::vector<Chunk>{{0, "GO\r\n"}}; });
        connectTo(dev);
        QSignalSpy closed(link.get(), &TcpLink::connectionClosed);
        if (reset) {
            // An abortive close: the peer's end sends RST.
            dev.resetOnHangUp();
        }
        dev.hangUp();
        ASSERT_TRUE(closed.wait(3000)) << reset;
        EXPECT_FALSE(c->app.tcpConnected);
        EXPECT_FALSE(link->clientConnected());
        QTest::qWait(50);
        ASSERT_EQ(notes.notices.size(), 1u) << reset;
        EXPECT_EQ(notes.notices[0].text, kPeerLeftText.source);

        link->writeLine("CBS003L10ON\r\n");
        ASSERT_EQ(notes.notices.size(), 2u);
        EXPECT_EQ(notes.notices[1].text, kNotConnectedText.source);
    }
}

// Every line that arrives is a row of its own, answered, dropped or unasked;
// bytes after the last LF wait for the rest of their line.
TEST_F(LinkFixture, EachArrivingLineIsARowOfItsOwn) {
    std::vector<std::string> rows;
    c->traffic = [&](const TrafficEvent& e) {
        rows.push_back(std::string(directionMark(e.direction)) + " " + printable(e.bytes));
    };
    FakeDevice dev([](const std::string& line) {
        if (line == "TWO\r\n") return std::vector<Chunk>{{0, "GO\r\nGO\r\nha"}, {50, "lf\r\nGO\r\n"}};
        return std::vector<Chunk>{{0, "GO\r\n"}};
    });
    connectTo(dev);
    send("TWO\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows.size() >= 5; }, 3000));
    EXPECT_EQ(rows, (std::vector<std::string>{"> TWO\\r\\n", "< GO\\r\\n", "x GO\\r\\n", "x half\\r\\n",
                                              "x GO\\r\\n"}));
}

// ---- server role ----

struct ServerFixture : LinkFixture {
    void SetUp() override {
        LinkFixture::SetUp();
        c->app.tcpRole = kTcpServer;
        c->app.selectedSlot = -1;
        setPort(0);  // any free port
        ASSERT_TRUE(link->listen());
    }
    std::string hostPort() const { return "127.0.0.1:" + std::to_string(link->listenPort()); }
};

TEST_F(ServerFixture, NinetySixDevicesFillTheTableAndTheNextIsLetGo) {
    std::vector<std::unique_ptr<QTcpSocket>> devices;
    // A few at a time: the listen backlog is small.
    for (int i = 0; i < 96; i += 4) {
        for (int k = 0; k < 4; ++k) {
            devices.push_back(std::make_unique<QTcpSocket>());
            devices.back()->connectToHost(QHostAddress::LocalHost, link->listenPort());
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return link->connectedClientCount() == i + 4; }, 5000)) << i;
    }
    EXPECT_TRUE(c->app.clientSlots[0].inUse);
    for (int s = 1; s <= 96; ++s) {
        EXPECT_TRUE(c->app.clientSlots[s].inUse) << s;
        EXPECT_EQ(c->app.clientSlots[s].addressText, "127.0.0.1") << s;
    }

    std::vector<std::string> events;
    c->traffic = [&](const TrafficEvent& e) {
        if (e.direction == TrafficDirection::Event) events.push_back(std::string(e.link) + " " + std::string(e.bytes));
    };
    QTcpSocket extra;
    QSignalSpy gone(&extra, &QTcpSocket::disconnected);
    extra.connectToHost(QHostAddress::LocalHost, link->listenPort());
    ASSERT_TRUE(gone.wait(3000));
    EXPECT_EQ(link->connectedClientCount(), 96);
    EXPECT_TRUE(notes.notices.empty());
    ASSERT_EQ(events.size(), 1u);  // the refusal shows in the monitor, with no slot
    EXPECT_EQ(events[0].substr(0, 10), "127.0.0.1:");
    EXPECT_EQ(events[0].substr(events[0].find(' ') + 1), kRefusedEvent.source);

    link->closeAll();
    EXPECT_EQ(link->connectedClientCount(), 0);
    EXPECT_FALSE(link->isListening());
    EXPECT_TRUE(c->app.clientSlots[0].inUse);
    EXPECT_EQ(c->app.clientSlots[5].addressText, " ");
}

TEST_F(ServerFixture, FirstDeviceLeavingKeepsTheSecondReachable) {
    QSignalSpy changed(link.get(), &TcpLink::clientsChanged);
    auto first = std::make_unique<test::SimProcess>(std::vector<std::string>{"--tcp-connect", hostPort()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return c->app.clientSlots[1].inUse; }, 5000));
    test::SimProcess second({"--tcp-connect", hostPort()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return c->app.clientSlots[2].inUse; }, 5000));

    first.reset();  // the device of slot 1 goes away
    ASSERT_TRUE(QTest::qWaitFor([&] { return !c->app.clientSlots[1].inUse; }, 5000));
    EXPECT_EQ(link->connectedClientCount(), 1);
    EXPECT_EQ(c->app.clientSlots[1].addressText, " ");
    EXPECT_GE(changed.count(), 3);

    c->app.selectedSlot = 2;
    c->app.tcpConnected = true;
    send("CBS003L10ON\r\n");
    EXPECT_EQ(joined(), "GO\r\n");
    EXPECT_TRUE(notes.notices.empty());

    // The chosen device is gone: the send fails, nothing else happens.
    c->app.selectedSlot = 1;
    send("CBS003L10ON\r\n");
    EXPECT_TRUE(c->reply.replyError);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, "Socket 送信");
}

TEST_F(ServerFixture, ListeningTwiceSucceedsOnTheSamePort) {
    const quint16 port = link->listenPort();
    EXPECT_NE(port, 0);
    EXPECT_TRUE(link->listen());
    EXPECT_EQ(link->listenPort(), port);
    EXPECT_TRUE(notes.notices.empty());
}

TEST_F(LinkFixture, ListensOnTheAddressItIsGiven) {
    c->app.tcpRole = kTcpServer;
    setPort(0);
    ASSERT_TRUE(link->listen(QHostAddress(QHostAddress::LocalHost)));
    EXPECT_EQ(link->listenAddress(), QHostAddress(QHostAddress::LocalHost));
    QTcpSocket device;
    device.connectToHost(QHostAddress::LocalHost, link->listenPort());
    EXPECT_TRUE(QTest::qWaitFor([&] { return link->connectedClientCount() == 1; }, 3000));

    // The ini file's address; one that is no address is said and every interface is taken.
    for (const auto& [text, expected] : {std::pair{"127.0.0.1", QHostAddress(QHostAddress::LocalHost)},
                                         std::pair{"300.1.2.3", QHostAddress(QHostAddress::AnyIPv4)}}) {
        TcpLink other(*c);
        c->app.listenAddress = text;
        ASSERT_TRUE(other.listen());
        EXPECT_EQ(other.listenAddress(), expected) << text;
    }
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kBadListenAddressText.source);
}

// A chosen device that leaves is never replaced by the next one to take its
// slot; accepted devices are probed when silent, so a pulled cable frees its slot.
TEST_F(ServerFixture, TheChoiceLeavesWithItsDeviceAndSilentPeersAreProbed) {
    QTemporaryDir dir;
    const std::string record = dir.filePath("newcomer").toStdString();
    std::vector<std::string> events;
    c->traffic = [&](const TrafficEvent& e) {
        if (e.direction == TrafficDirection::Event) events.push_back(std::string(e.link.substr(0, e.link.find(' '))) + " " + std::string(e.bytes));
    };
    auto first = std::make_unique<test::SimProcess>(std::vector<std::string>{"--tcp-connect", hostPort()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return c->app.clientSlots[1].inUse; }, 5000));

    bool probed = false;
    for (QTcpSocket* s : link->findChildren<QTcpSocket*>()) {
        int on = 0, idle = 0;
        socklen_t len = sizeof on;
        const int fd = static_cast<int>(s->socketDescriptor());
        ASSERT_EQ(::getsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, &len), 0);
        ASSERT_EQ(::getsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, &len), 0);
        EXPECT_EQ(on, 1);
        EXPECT_EQ(idle, kKeepAliveIdleS);
        probed = true;
    }
    EXPECT_TRUE(probed);

    c->app.selectedSlot = 1;
    c->app.tcpConnected = true;
    first.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !c->app.clientSlots[1].inUse; }, 5000));
    EXPECT_EQ(c->app.selectedSlot, -1);
    test::SimProcess newcomer({"--tcp-connect", hostPort(), "--record", record});
    ASSERT_TRUE(QTest::qWaitFor([&] { return c->app.clientSlots[1].inUse; }, 5000));  // the same slot
    const std::string slot1 = "ｽﾛｯﾄ1 ";
    EXPECT_EQ(events, (std::vector<std::string>{slot1 + std::string(kConnectedEvent.source), slot1 + std::string(kLeftEvent.source),
                                                 slot1 + std::string(kConnectedEvent.source)}));
    send("CBS003L10ON\r\n");
    EXPECT_TRUE(c->reply.replyError);
    ASSERT_EQ(notes.notices.size(), 1u);
    EXPECT_EQ(notes.notices[0].text, kNoDestinationText.source);
    QTest::qWait(100);
    EXPECT_EQ(QFileInfo(QString::fromStdString(record)).size(), 0);
}

TEST_F(ServerFixture, PortTakenOrImpossibleCannotBind) {
    TcpLink other(*c);
    setPort(link->listenPort());
    EXPECT_FALSE(other.listen());
    setCell(c->settings.netPortNumber, "99999");
    EXPECT_FALSE(other.listen());
    ASSERT_EQ(notes.notices.size(), 2u);
    for (const auto& n : notes.notices) {
        EXPECT_EQ(n.title, "VRQ-700");
        EXPECT_EQ(n.text, "Bindできません");
        EXPECT_EQ(n.icon, NoticeIcon::Stop);
    }
    EXPECT_FALSE(other.isListening());
}

}  // namespace
}  // namespace vrq
