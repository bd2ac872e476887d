#include "ctl/ctl_runner.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <functional>
#include <ostream>

#include "link/serial_link.h"
#include "link/tcp_link.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "model/text_cell.h"
#include "protocol/bulk_runs.h"
#include "protocol/device_commands.h"
#include "protocol/notifier.h"
#include "protocol/send_path.h"
#include "protocol/send_sequencer.h"
#include "protocol/title_encode.h"
#include "protocol/transport.h"

namespace vrq::ctl {

namespace {

// Notices become stderr lines; errors are counted for the exit status.
class StderrNotifier : public Notifier {
public:
    explicit StderrNotifier(std::ostream& err) : err_(err) {}
    void notify(std::string_view title, std::string_view text, NoticeIcon icon, bool) override {
        err_ << "vrqctl: " << title << ": " << text << "\n";
        if (icon == NoticeIcon::Stop || icon == NoticeIcon::Exclamation) ++errors;
    }
    bool ask(std::string_view, std::string_view text) override {
        err_ << "vrqctl: " << text << " (no)\n";
        return false;
    }
    int errors = 0;

private:
    std::ostream& err_;
};

std::string printable(std::string_view bytes) {
    std::string s;
    for (char ch : bytes) {
        if (ch == '\r')
            s += "\\r";
        else if (ch == '\n')
            s += "\\n";
        else
            s += ch;
    }
    return s;
}

class Log {
public:
    explicit Log(const std::string& path) {
        if (!path.empty()) file_.open(path, std::ios::app | std::ios::binary);
    }
    bool ok(const std::string& path) const { return path.empty() || file_.is_open(); }
    void line(const char* dir, std::string_view bytes) {
        if (!file_.is_open()) return;
        file_ << QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toStdString() << ' ' << dir << ' '
              << printable(bytes) << '\n';
        file_.flush();
    }

private:
    std::ofstream file_;
};

// Forwards to the real link and logs what goes out.
class LoggingTransport : public Transport {
public:
    LoggingTransport(Transport* inner, Log& log) : inner_(inner), log_(log) {}
    void writeLine(std::string_view bytes) override {
        log_.line(">", bytes);
        if (inner_) inner_->writeLine(bytes);
    }

private:
    Transport* inner_;
    Log& log_;
};

// Runs the event loop until `done` or `ms` have passed; true when done.
bool waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // keeps the loop from sleeping past the deadline
    wake.start(10);
    while (!done()) {
        if (clock.elapsed() >= ms) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

bool parseIpv4(const std::string& host, Octets& out) {
    if (host == "localhost") {
        out = {127, 0, 0, 1};
        return true;
    }
    int parts = 0, value = -1;
    for (std::size_t i = 0; i <= host.size(); ++i) {
        const char ch = i < host.size() ? host[i] : '.';
        if (ch == '.') {
            if (value < 0 || value > 255 || parts >= 4) return false;
            out[static_cast<std::size_t>(parts++)] = static_cast<std::uint8_t>(value);
            value = -1;
        } else if (ch >= '0' && ch <= '9') {
            value = (value < 0 ? 0 : value * 10) + (ch - '0');
            if (value > 255) return false;
        } else {
            return false;
        }
    }
    return parts == 4;
}

class Runner {
public:
    Runner(const Options& o, std::ostream& out, std::ostream& err)
        : o_(o), out_(out), err_(err), c_(makeConsole(o.product)), notes_(err), log_(o.logPath) {
        c_->notifier = &notes_;
        c_->app.appRunning = 1;  // the TCP/IP answer wait runs only while the program runs
        c_->received = [this](std::string_view bytes) {
            log_.line("<", bytes);
            received_ += bytes;
        };
    }

    int run() {
        if (!log_.ok(o_.logPath)) return usage("cannot open the log file " + o_.logPath);
        if (o_.action == Action::SendAll)
            if (const FileResult r = SettingsFile::load(*c_, o_.argument); !r)
                return usage("cannot read the settings document " + o_.argument + ": " + fileProblemReason(r));
        if (const int rc = connect(); rc != kExitOk) return rc;
        switch (o_.action) {
            case Action::Send: return sendOne();
            case Action::SendAll: return sendAll();
            case Action::ReadAll: return readAll();
            case Action::Help: break;
        }
        return kExitOk;
    }

private:
    int usage(const std::string& why) {
        err_ << "vrqctl: " << why << "\n";
        return kExitUsage;
    }
    int refused(const std::string& why) {
        err_ << "vrqctl: " << why << "\n";
        return kExitRefused;
    }

    int connect() {
        AppState& a = c_->app;
        if (o_.link == LinkKind::Serial) {
            a.linkInterface = kLinkSerial;
            a.comPortIndex = 0;
            a.comDevicePath[0] = o_.serialPath;
            a.serialMode = o_.rs485 >= 0 ? kRs485 : kRs232c;
            a.slaveAddressIndex = o_.rs485 >= 0 ? o_.rs485 : 0;
            serial_ = std::make_unique<SerialLink>(*c_);
            if (!serial_->open()) return usage("cannot open the serial device " + o_.serialPath);
            logging_ = std::make_unique<LoggingTransport>(c_->serialTransport, log_);
            c_->serialTransport = logging_.get();
            return kExitOk;
        }
        a.linkInterface = kLinkTcp;
        char port[8];
        std::snprintf(port, sizeof port, "%05d", o_.port);
        setCell(c_->settings.netPortNumber, port);
        tcp_ = std::make_unique<TcpLink>(*c_);
        tcp_->setAnswerTimeoutMs(o_.timeoutMs);
        if (o_.link == LinkKind::Tcp) {
            a.tcpRole = kTcpClient;
            if (!parseIpv4(o_.host, a.peerAddress[0])) return usage("--tcp needs a dotted IPv4 address");
            a.peerSelectIndex = 0;
            bool up = false;
            QObject::connect(tcp_.get(), &TcpLink::connected, [&up] { up = true; });
            if (!tcp_->connectToPeer() || !waitFor([&] { return up || notes_.errors > 0; }, o_.timeoutMs) || !up)
                return refused("cannot connect to " + o_.host + ":" + std::to_string(o_.port));
        } else {
            a.tcpRole = kTcpServer;
            QHostAddress bindTo(QHostAddress::AnyIPv4);
            if (!o_.host.empty()) {
                Octets at{};
                if (!parseIpv4(o_.host, at)) return usage("--listen needs a dotted IPv4 address");
                bindTo = QHostAddress(QString::fromStdString(TcpLink::dottedAddress(at)));
            }
            if (!tcp_->listen(bindTo)) return refused("cannot listen on port " + std::to_string(o_.port));
            err_ << "vrqctl: listening on port " << tcp_->listenPort() << "\n";
            if (!waitFor([&] { return tcp_->connectedClientCount() > 0; }, std::max(o_.timeoutMs, 30000)))
                return refused("no device connected");
            for (int slot = 1; slot < kClientSlots; ++slot) {
                if (a.clientSlots[static_cast<std::size_t>(slot)].inUse) {
                    a.peerSelectIndex = slot;
                    break;
                }
            }
        }
        a.tcpConnected = 1;
        logging_ = std::make_unique<LoggingTransport>(c_->tcpTransport, log_);
        c_->tcpTransport = logging_.get();
        return kExitOk;
    }

    // Sends one line; with `wait`, returns once its answer has arrived (or the
    // timeout passed: false).
    bool send(const CommandLine& line, bool wait) {
        sendCommand(*c_, line);
        if (!wait || c_->app.linkInterface == kLinkTcp) return true;  // TCP/IP waits inside the send
        if (!c_->reply.replyExpected) return true;                    // a broadcast is never answered
        if (waitFor([&] { return c_->reply.replyExpected == 0; }, o_.timeoutMs)) return true;
        c_->reply.replyExpected = 0;
        showError(notes_, "No Connect");
        return false;
    }

    int sendOne() {
        if (o_.argument.size() + 2 > CommandLine::kMaxLength) return usage("the line is too long");
        const bool broadcast = o_.link == LinkKind::Serial && o_.rs485 == kBroadcastAddress;
        const int before = notes_.errors;
        const bool answered = send(CommandLine(o_.argument), true);
        std::size_t start = 0;
        for (std::size_t lf = received_.find('\n'); lf != std::string::npos; lf = received_.find('\n', start)) {
            std::string_view l(received_.data() + start, lf - start);
            if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
            out_ << l << "\n";
            start = lf + 1;
        }
        if (broadcast) return kExitOk;
        if (!answered || received_.empty()) return refused("no answer");
        return notes_.errors > before || c_->reply.replyError ? kExitRefused : kExitOk;
    }

    void progress(const std::string& what, const std::string& percent, bool last) {
        static const bool tty = ::isatty(2) != 0;
        if (tty) {
            err_ << "\r" << what << percent << "%" << (last ? "\n" : "") << std::flush;
        } else if (percent.substr(0, 3) != lastShown_ || last) {
            lastShown_ = percent.substr(0, 3);
            err_ << what << percent << "%\n";
        }
    }

    // Paces `steps` through the shared run counter, as the dialogs do.
    int runSteps(const std::string& what, int steps, int periodMs, const std::function<bool(int step)>& step,
                 const std::function<std::string(int done)>& percent) {
        SendSequencer run(c_->reply, steps, [&](int index) { return step(index + 1); },
                          SendSequencer::ErrorCheck::BeforeStep);
        run.start();
        while (run.running()) {
            const SendSequencer::Tick t = run.tick();
            if (t.sent) {
                const bool last = t.end == SendSequencer::End::Finished;
                progress(what + " ", last ? std::string(" 100") : percent(t.done), last);
            }
            if (t.end == SendSequencer::End::ErrorStop) return refused(what + " stopped: the device refused a command");
            if (t.end == SendSequencer::End::Refused) return refused(what + " stopped");
            if (t.end == SendSequencer::End::Finished) break;
            if (!o_.paced) waitFor([] { return false; }, o_.periodMs >= 0 ? o_.periodMs : periodMs);
        }
        // The last answer may still be on its way.
        if (c_->reply.replyExpected && !waitFor([&] { return c_->reply.replyExpected == 0; }, o_.timeoutMs))
            return refused("no answer to the last command");
        if (c_->reply.replyError) return refused(what + ": the device refused the last command");
        return kExitOk;
    }

    bool linkedStep() {
        if (isLinked(*c_)) return true;
        showWarning(notes_, kNotConnectedText);
        return false;
    }

    int sendAll() {
        const Product p = c_->product;
        auto step = [&](int s) {
            if (!linkedStep()) return false;
            const SendAllStep built = buildSendAllStep(c_->settings, p, s);
            if (built.problem == SendAllStep::Problem::TitleRefused) {
                showWarning(notes_, kJisRefusedText);
                return false;
            }
            if (built.problem == SendAllStep::Problem::HoldTimeTooShort) {
                showError(notes_, kHoldTimeTooShortText);
                return true;
            }
            return send(*built.line, o_.paced) || !o_.paced;
        };
        return runSteps("send-all", sendAllStepCount(p), sendAllPeriodMs(p), step,
                        [p](int done) { return sendAllPercentText(p, done); });
    }

    int readAll() {
        const Product p = c_->product;
        auto step = [&](int s) { return linkedStep() && send(readAllRequest(p, s), o_.paced); };
        const int rc = runSteps("read-all", readAllStepCount(p), readAllPeriodMs(p), step,
                                [p](int done) { return readAllPercentText(p, done); });
        if (rc != kExitOk) return rc;
        if (const FileResult r = SettingsFile::save(*c_, o_.argument); !r)
            return usage("cannot write the settings document " + o_.argument + ": " + fileProblemReason(r));
        return kExitOk;
    }

    const Options& o_;
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<Console> c_;
    StderrNotifier notes_;
    Log log_;
    std::unique_ptr<SerialLink> serial_;
    std::unique_ptr<TcpLink> tcp_;
    std::unique_ptr<LoggingTransport> logging_;
    std::string received_;
    std::string lastShown_;
};

}  // namespace

int runCtl(const Options& o, std::ostream& out, std::ostream& err) {
    if (o.action == Action::Help) {
        out << kUsage;
        return kExitOk;
    }
    Runner r(o, out, err);
    return r.run();
}

}  // namespace vrq::ctl
