#include "ctl/fleet.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>

#include "ctl/device_run.h"
#include "ctl/fleet_report.h"
#include "ctl/run_io.h"
#include "model/console.h"
#include "link/ui_language.h"
#include "model/settings_file.h"
#include "platform/terminal.h"
#include "protocol/send_changes.h"

namespace vrq::ctl {

namespace {

using Clock = std::chrono::steady_clock;

// The last notice a device's run wrote, without the program's name.
std::string lastNotice(const std::string& notes) {
    std::string_view s(notes);
    while (!s.empty() && s.back() == '\n') s.remove_suffix(1);
    s = s.substr(s.rfind('\n') == std::string_view::npos ? 0 : s.rfind('\n') + 1);
    if (s.substr(0, 8) == "vrqctl: ") s.remove_prefix(8);
    return std::string(s);
}

const char* actionName(Action a) {
    switch (a) {
        case Action::SendAll: return "send-all";
        case Action::ReadAll: return "read-all";
        case Action::Verify: return "verify";
        case Action::SendChanges: return "send-changes";
        default: return "send";
    }
}

class Fleet {
public:
    Fleet(const Options& o, std::ostream& out, std::ostream& err)
        : o_(o), out_(out), err_(err), tty_(platform::standardErrorIsTerminal()) {
        redraw_.setInterval(250);
        QObject::connect(&redraw_, &QTimer::timeout, [this] { drawTable(); });
        waitEnd_.setSingleShot(true);
        QObject::connect(&waitEnd_, &QTimer::timeout, [this] { stopWaiting(); });
    }

    int run() {
        if (const int rc = prepare(); rc != kExitOk) return rc;
        if (tty_) redraw_.start();
        if (devicesOf(o_).front().link == LinkKind::Listen) {
            if (!listen()) return kExitRefused;
        } else {
            for (const Device& d : devicesOf(o_)) addRow(d, laneOf(d));
            for (std::size_t lane = 0; lane < lanes_.size(); ++lane) startNext(lane);
        }
        if (!allDone()) loop_.exec();
        redraw_.stop();
        if (tty_) drawTable();
        printSummary(o_, rows_, out_);
        for (const DeviceRow& r : rows_)
            if (r.rc == kExitUsage) return kExitUsage;
        for (const DeviceRow& r : rows_)
            if (r.rc != kExitOk) return kExitRefused;
        return kExitOk;
    }

private:
    int usage(const Message& why) {
        err_ << "vrqctl: " << renderUtf8(why) << "\n";
        return kExitUsage;
    }

    // The document is read once, and a folder for read-all made, before any link opens.
    int prepare() {
        if (o_.action == Action::SendChanges) {
            base_ = makeConsole(o_.product);
            if (const FileResult r = SettingsFile::load(*base_, o_.basePath); !r)
                return usage(Message(kCannotReadText).arg(o_.basePath).arg(fileProblemReason(r)));
        }
        if (o_.action == Action::SendAll || o_.action == Action::Verify || o_.action == Action::SendChanges) {
            document_ = makeConsole(o_.product);
            if (const FileResult r = SettingsFile::load(*document_, o_.argument); !r)
                return usage(Message(kCannotReadText).arg(o_.argument).arg(fileProblemReason(r)));
            if (o_.action == Action::Verify) {
                // What send-all put on the wire, as the consoles show a document
                // when they open it: an out-of-range value went out corrected.
                settingsAsReadBack(document_->settings, o_.product);
            } else {
                tellCorrected(*document_, o_.argument, err_);
            }
        }
        std::vector<std::string> names;
        for (const Device& d : devicesOf(o_)) {
            names.push_back(deviceName(d));
            if (std::count(names.begin(), names.end(), names.back()) > 1)
                return usage(Message(VRQ_TEXT("Ctl", "2台の機器が同じ名前 %1 になります。")).arg(names.back()));
        }
        if (o_.action == Action::ReadAll) {
            std::error_code e;
            std::filesystem::create_directories(o_.argument, e);
            if (!std::filesystem::is_directory(o_.argument, e))
                return usage(Message(VRQ_TEXT("Ctl", "複数の機器の read-all にはフォルダを指定してください（%1）。"))
                                 .arg(o_.argument));
            // Found out now, not after every device was read.
            const auto probe = std::filesystem::path(o_.argument) /
                               (".vrqctl-probe-" + std::to_string(QCoreApplication::applicationPid()));
            const bool writable = std::ofstream(probe).good();
            std::filesystem::remove(probe, e);
            if (!writable)
                return usage(Message(VRQ_TEXT("Ctl", "フォルダ %1 に書き込めませんでした。")).arg(o_.argument));
        }
        return kExitOk;
    }

    // Serial devices on one path share the bus; every other device has a lane of its own.
    std::size_t laneOf(const Device& d) {
        if (d.link == LinkKind::Serial) {
            const auto [at, added] = busLanes_.try_emplace(d.serialPath, lanes_.size());
            if (added) lanes_.emplace_back();
            return at->second;
        }
        lanes_.emplace_back();
        return lanes_.size() - 1;
    }

    std::size_t addRow(const Device& d, std::size_t lane, std::string name = {}) {
        DeviceRow r;
        r.name = name.empty() ? deviceName(d) : std::move(name);
        if (o_.action == Action::ReadAll) r.file = (std::filesystem::path(o_.argument) / (r.name + ".dat")).string();
        rows_.push_back(std::move(r));
        devices_.push_back(d);
        runs_.emplace_back();
        notes_.push_back(std::make_unique<std::ostringstream>());
        started_.emplace_back();
        laneOfRow_.push_back(lane);
        lanes_[lane].rows.push_back(rows_.size() - 1);
        return rows_.size() - 1;
    }

    // The next device of a lane; when it has ended, the one after it.
    void startNext(std::size_t lane) {
        Lane& l = lanes_[lane];
        if (l.next < l.rows.size())
            startRow(l.rows[l.next++], nullptr);
        else if (allDone())
            loop_.exit(0);
    }

    void startRow(std::size_t i, QTcpSocket* accepted) {
        started_[i] = Clock::now();
        const DeviceJob job{devices_[i], rows_[i].file, document_.get(), accepted,
                            manyDevices(o_) ? rows_[i].name : std::string(), base_.get()};
        runs_[i] = std::make_unique<DeviceRun>(o_, job, out_, *notes_[i]);
        runs_[i]->onFinished = [this, i](int rc) { ended(i, rc); };
        runs_[i]->onProgress = [this, i](const std::string& percent, bool last) { progress(i, percent, last); };
        const int rc = runs_[i]->start();
        if (rc != kExitOk) ended(i, rc);
    }

    void ended(std::size_t i, int rc) {
        DeviceRow& r = rows_[i];
        if (r.rc >= 0) return;
        r.rc = rc;
        r.seconds = std::chrono::duration<double>(Clock::now() - started_[i]).count();
        if (runs_[i]) r.diff = runs_[i]->differences();
        if (rc != kExitOk) r.reason = lastNotice(notes_[i]->str());
        if (!tty_) {
            err_ << r.name << ": " << resultText(o_, r);
            if (!r.reason.empty() && r.diff.total == 0) err_ << ": " << r.reason;
            err_ << "\n";
        }
        // The run is still on the stack: its link (a serial port the next
        // slave needs) goes once the event loop has unwound.
        QTimer::singleShot(0, &redraw_, [this, i] {
            runs_[i].reset();
            startNext(laneOfRow_[i]);
        });
    }

    void progress(std::size_t i, const std::string& percent, bool last) {
        DeviceRow& r = rows_[i];
        // Plain lines every ten per cent: dozens of devices share the screen.
        const bool shown = !r.percent.empty() && r.percent.substr(0, 1) == percent.substr(0, 1) && !last;
        r.percent = percent;
        if (tty_ || shown) return;
        err_ << r.name << ": " << actionName(o_.action) << " " << percent << "%\n";
    }

    void drawTable() {
        std::ostringstream s;
        if (drawn_ > 0) s << "\x1b[" << drawn_ << "A";
        for (const DeviceRow& r : rows_) {
            s << "\r\x1b[K" << r.name << "  " << (r.rc < 0 ? actionName(o_.action) : resultText(o_, r));
            if (r.rc < 0 && !r.percent.empty()) s << " " << r.percent << "%";
            if (!r.reason.empty()) s << "  " << r.reason;
            s << "\n";
        }
        drawn_ = rows_.size();
        err_ << s.str() << std::flush;
    }

    bool allDone() const {
        if (waiting_) return false;
        for (const DeviceRow& r : rows_)
            if (r.rc < 0) return false;
        return true;
    }

    // ---- server role: devices join as they connect ----

    bool listen() {
        const Device d = devicesOf(o_).front();
        QHostAddress bindTo(QHostAddress::AnyIPv4);
        if (!d.host.empty() && !bindTo.setAddress(QString::fromStdString(d.host))) {
            err_ << "vrqctl: " << renderUtf8(Message(kIpv4Text).arg("--listen")) << "\n";
            return false;
        }
        server_ = std::make_unique<QTcpServer>();
        server_->setMaxPendingConnections(kClientSlots);
        if (!server_->listen(bindTo, static_cast<quint16>(d.port))) {
            err_ << "vrqctl: " << renderUtf8(Message(kCannotListenText).arg(d.port)) << "\n";
            return false;
        }
        err_ << "vrqctl: " << renderUtf8(Message(kListeningText).arg(static_cast<int>(server_->serverPort()))) << "\n";
        QObject::connect(server_.get(), &QTcpServer::newConnection, [this] { accept(); });
        waiting_ = true;
        waitEnd_.start((o_.waitS > 0 ? o_.waitS : 30) * 1000);
        return true;
    }

    void accept() {
        while (server_ && server_->hasPendingConnections()) {
            QTcpSocket* s = server_->nextPendingConnection();
            if (!s) break;
            if (accepted_ >= o_.listenDevices) {
                s->abort();
                s->deleteLater();
                continue;
            }
            ++accepted_;
            bool v4 = false;
            const quint32 raw = s->peerAddress().toIPv4Address(&v4);
            Device d = devicesOf(o_).front();
            d.host = (v4 ? QHostAddress(raw) : s->peerAddress()).toString().toStdString();
            d.port = s->peerPort();
            // Named by the address, which stays from run to run (the port is
            // the system's pick); devices sharing an address by their order of arrival.
            const int seen = ++arrivals_[d.host];
            const std::string name = seen == 1 ? d.host : d.host + "_" + std::to_string(seen);
            const std::size_t lane = lanes_.size();
            lanes_.emplace_back();
            const std::size_t i = addRow(d, lane, name);
            lanes_[lane].next = 1;
            startRow(i, s);
        }
        if (accepted_ >= o_.listenDevices) stopWaiting();
    }

    void stopWaiting() {
        if (!waiting_) return;
        waiting_ = false;
        waitEnd_.stop();
        server_->close();
        for (int k = accepted_; k < o_.listenDevices; ++k) {
            DeviceRow r;
            r.name = "(device " + std::to_string(k + 1) + ")";
            r.rc = kExitRefused;
            r.reason = renderUtf8(VRQ_TEXT("Ctl", "接続してきませんでした。"));
            rows_.push_back(std::move(r));
        }
        if (allDone()) loop_.exit(0);
    }

    struct Lane {
        std::vector<std::size_t> rows;
        std::size_t next = 0;
    };

    const Options& o_;
    std::ostream& out_;
    std::ostream& err_;
    const bool tty_;
    std::unique_ptr<Console> document_;
    std::unique_ptr<Console> base_;  // send-changes
    std::vector<DeviceRow> rows_;
    std::vector<Device> devices_;
    std::vector<std::unique_ptr<std::ostringstream>> notes_;  // outlive the runs that write them
    std::vector<std::unique_ptr<DeviceRun>> runs_;
    std::vector<Clock::time_point> started_;
    std::vector<std::size_t> laneOfRow_;
    std::vector<Lane> lanes_;
    std::map<std::string, std::size_t> busLanes_;
    std::unique_ptr<QTcpServer> server_;
    int accepted_ = 0;
    std::map<std::string, int> arrivals_;  // devices accepted from each address
    bool waiting_ = false;
    std::size_t drawn_ = 0;
    QEventLoop loop_;
    QTimer redraw_;
    QTimer waitEnd_;
};

}  // namespace

int runFleet(const Options& o, std::ostream& out, std::ostream& err) {
    Fleet f(o, out, err);
    return f.run();
}

}  // namespace vrq::ctl
