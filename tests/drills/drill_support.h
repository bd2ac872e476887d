#pragma once
// A console wired to a real vrqsim over a pseudo-terminal or loopback TCP, in
// either role, and the pacing of a run the way its timers would pace it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/setting_dialog.h"
#include "link/serial_link.h"
#include "link/tcp_link.h"
#include "model/reset_settings.h"
#include "model/text_cell.h"
#include "protocol/notifier.h"
#include "protocol/reply_parser.h"
#include "protocol/send_path.h"
#include "support/sim_process.h"

namespace vrq::drill {

enum class Channel { Pty, TcpClient, TcpServer };

inline const char* channelName(Channel ch) {
    switch (ch) {
        case Channel::Pty: return "Pty";
        case Channel::TcpClient: return "TcpClient";
        case Channel::TcpServer: return "TcpServer";
    }
    return "?";
}

struct Setup {
    Product product;
    Channel channel;
};

inline std::string setupName(const ::testing::TestParamInfo<Setup>& info) {
    return std::string(info.param.product == Product::Single ? "Single" : "Multi") + channelName(info.param.channel);
}

inline int listenedPort(const test::SimProcess& sim) {
    const auto colon = sim.firstLine().rfind(':');
    return colon == std::string::npos ? 0 : std::atoi(sim.firstLine().c_str() + colon + 1);
}

class Rig {
public:
    Rig(Setup s, std::vector<std::string> faults) : setup_(s), c(makeConsole(s.product)) {
        c->notifier = &notes;
        c->app.appRunning = true;
        record_ = dir_.filePath("lines.txt").toStdString();
        faults_ = std::move(faults);
        if (s.channel == Channel::Pty) {
            startSim({});
            c->app.comDevicePath[0] = sim->ptyPath();
            serial = std::make_unique<SerialLink>(*c);
            ok = !sim->ptyPath().empty() && serial->open();
            return;
        }
        c->app.linkInterface = kLinkTcp;
        tcp = std::make_unique<TcpLink>(*c);
        tcp->setAnswerTimeoutMs(1000);
        if (s.channel == Channel::TcpClient) {
            c->app.tcpRole = kTcpClient;
            startSim({"--tcp-listen", "0"});
            const int port = listenedPort(*sim);
            setCell(c->settings.netPortNumber, std::to_string(port));
            c->app.peerAddress[0] = Octets{127, 0, 0, 1};
            c->app.peerIndex = 0;
            ok = port > 0 && reconnect();
        } else {
            c->app.tcpRole = kTcpServer;
            setCell(c->settings.netPortNumber, "0");
            ok = tcp->listen() && reconnect();
        }
    }

    // Client role: connects the console again. Server role: a new simulator
    // process connects to the console. True when a device is reachable.
    bool reconnect(std::vector<std::string> extra = {}) {
        if (setup_.channel == Channel::TcpClient) {
            QSignalSpy up(tcp.get(), &TcpLink::connected);
            if (!tcp->connectToPeer() || !up.wait(3000)) return false;
            c->app.tcpConnected = true;
            return true;
        }
        if (setup_.channel == Channel::TcpServer) {
            const int before = tcp->connectedClientCount();
            startSim({"--tcp-connect", "127.0.0.1:" + std::to_string(tcp->listenPort())}, std::move(extra));
            if (!QTest::qWaitFor([&] { return tcp->connectedClientCount() > before; }, 3000)) return false;
            for (int i = 1; i < kClientSlots; ++i)
                if (c->app.clientSlots[static_cast<std::size_t>(i)].inUse) c->app.selectedSlot = i;
            c->app.tcpConnected = true;
            return true;
        }
        return false;
    }

    // Stops the simulator process (its pty or connections go with it).
    void killSim() { sim.reset(); }

    // Every line the device received, with its end of line.
    std::vector<std::string> received() const {
        std::ifstream in(record_, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string l; std::getline(in, l);) lines.push_back(l + "\n");
        return lines;
    }

    // Waits until the last command has ended (answered, timed out, link gone).
    bool settle(int ms = 3000) {
        return QTest::qWaitFor([&] { return !linkBusy(*c) && !c->reply.replyExpected; }, ms);
    }

    int count(const std::string& text) const {
        int n = 0;
        for (const auto& note : notes.notices) n += note.text == text ? 1 : 0;
        return n;
    }

    bool serialChannel() const { return setup_.channel == Channel::Pty; }

    Setup setup_;
    std::unique_ptr<Console> c;
    RecordingNotifier notes;
    std::unique_ptr<SerialLink> serial;
    std::unique_ptr<TcpLink> tcp;
    std::optional<test::SimProcess> sim;
    bool ok = false;

private:
    void startSim(std::vector<std::string> where, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = std::move(where);
        if (setup_.product == Product::Single) args.push_back("--single");
        args.insert(args.end(), {"--record", record_});
        const auto& f = extra.empty() ? faults_ : extra;
        args.insert(args.end(), f.begin(), f.end());
        sim.reset();
        sim.emplace(args);
    }

    QTemporaryDir dir_;
    std::string record_;
    std::vector<std::string> faults_;
};

// Runs the event loop as the program does (QTest::qWaitFor sleeps between its
// rounds, which would pace an answer-driven run by its sleeps) until `done`.
// The first title of either program, as the operator typed it.
inline std::string firstTitle(const Console& c) {
    return std::string(c.single() ? cellText(c.settings.singleTitleText[0]) : cellText(c.settings.titleText[0][0]));
}

inline bool runLoopUntil(const std::function<bool()>& done, int ms) {
    QEventLoop loop;
    QTimer check, deadline;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    check.start(20);
    deadline.start(ms);
    loop.exec();
    return done();
}

// One tick of a run as the timers give it: the dialog's step, then the main
// timer's steps that fall between two run ticks, with events in between.
inline void runTick(SettingDialog& d, Rig& r, int mainStepsPerTick, bool waitForAnswer) {
    d.tickRun();
    // TCP/IP answers come within their own timeout; a serial line may stay silent.
    if (waitForAnswer || !r.serialChannel()) r.settle(1500);
    for (int i = 0; i < mainStepsPerTick; ++i) {
        mainTimerStep(*r.c);
        QCoreApplication::processEvents();
    }
    // After a silence the line stays quiet for a while before anything more
    // goes: busy, with no answer expected.
    if (r.serialChannel())
        (void)QTest::qWaitFor([&] { return !linkBusy(*r.c) || r.c->reply.replyExpected; }, 1000);
}

}  // namespace vrq::drill
