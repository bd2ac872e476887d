#include "ctl/device_link.h"

#include <QHostAddress>
#include <algorithm>
#include <cstdio>
#include <ostream>

#include "ctl/device_run.h"
#include "ctl/run_io.h"
#include "link/device_access.h"
#include "link/serial_link.h"
#include "link/tcp_link.h"
#include "link/ui_language.h"
#include "model/console.h"
#include "model/text_cell.h"

namespace vrq::ctl {

namespace {

std::string openFailureText(const SerialOpenFailure& f) {
    const std::string path = f.path.toStdString(), reason = f.reason.toStdString();
    if (!f.permissionDenied)
        return renderUtf8(Message(VRQ_TEXT("Ctl", "シリアルデバイス %1 を開けませんでした（%2）。")).arg(path).arg(reason));
    // What to do about it is the consoles' own hint.
    return renderUtf8(Message(VRQ_TEXT("Ctl", "シリアルデバイス %1 を開けませんでした（%2）。%3"))
                          .arg(path)
                          .arg(reason)
                          .arg(permissionHintText(f.group)));
}

}  // namespace

DeviceLink::DeviceLink(Console& c, const Device& d, const Options& o, QTcpSocket* accepted, StderrNotifier& notes,
                       std::ostream& err)
    : c_(c), d_(d), o_(o), accepted_(accepted), notes_(notes), err_(err) {
    deadline_.setSingleShot(true);
}

DeviceLink::~DeviceLink() = default;

int DeviceLink::open(std::function<void()> up, std::function<void(const Message&)> failed) {
    up_ = std::move(up);
    failed_ = std::move(failed);
    return d_.link == LinkKind::Serial ? openSerial() : openTcp();
}

int DeviceLink::usage(const Message& why) {
    err_ << "vrqctl: " << renderUtf8(why) << "\n";
    return kExitUsage;
}

int DeviceLink::openSerial() {
    AppState& a = c_.app;
    a.linkInterface = kLinkSerial;
    a.comPortIndex = 0;
    a.comDevicePath[0] = d_.serialPath;
    a.serialMode = d_.rs485 >= 0 ? kRs485 : kRs232c;
    a.slaveAddressIndex = d_.rs485 >= 0 ? d_.rs485 : 0;
    serial_ = std::make_unique<SerialLink>(c_);
    // One line in our own words instead of the console's notice.
    std::string why;
    serial_->onOpenFailed = [&why](const SerialOpenFailure& f) { why = openFailureText(f); };
    const bool opened = serial_->open();
    serial_->onOpenFailed = nullptr;
    if (!opened) return usage(Message::plain(why));
    serial_->session().setTimeoutMs(o_.timeoutMs);
    serial_->session().setRetries(o_.retries);
    QTimer::singleShot(0, &deadline_, [this] { up_(); });
    return kExitOk;
}

int DeviceLink::openTcp() {
    AppState& a = c_.app;
    a.linkInterface = kLinkTcp;
    char port[8];
    std::snprintf(port, sizeof port, "%05d", d_.port);
    setCell(c_.settings.netPortNumber, port);
    tcp_ = std::make_unique<TcpLink>(c_);
    tcp_->setAnswerTimeoutMs(o_.timeoutMs);
    tcp_->setRetries(o_.retries);
    QObject::connect(&deadline_, &QTimer::timeout, [this] { failed_(failure()); });
    if (accepted_) {
        // The fleet's listener took the connection; this link only talks over it.
        a.tcpRole = kTcpServer;
        a.selectedSlot = tcp_->adopt(accepted_);
        if (a.selectedSlot < 0) return usage(VRQ_TEXT("Ctl", "機器をつなぐ空きがありません。"));
        QTimer::singleShot(0, &deadline_, [this] { tcpUp(); });
        return kExitOk;
    }
    if (d_.link == LinkKind::Tcp) {
        a.tcpRole = kTcpClient;
        if (!parseIpv4(d_.host, a.peerAddress[0])) return usage(Message(kIpv4Text).arg("--tcp"));
        a.peerIndex = 0;
        QObject::connect(tcp_.get(), &TcpLink::connected, [this] { tcpUp(); });
        notes_.onError = [this] {
            if (!c_.app.tcpConnected) failed_(failure());
        };
        if (!tcp_->connectToPeer()) {
            failed_(failure());
            return kExitRefused;
        }
        deadline_.start(o_.timeoutMs);
        return kExitOk;
    }
    a.tcpRole = kTcpServer;
    QHostAddress bindTo(QHostAddress::AnyIPv4);
    if (!d_.host.empty()) {
        Octets at{};
        if (!parseIpv4(d_.host, at)) return usage(Message(kIpv4Text).arg("--listen"));
        bindTo = QHostAddress(QString::fromStdString(TcpLink::dottedAddress(at)));
    }
    if (!tcp_->listen(bindTo)) {
        err_ << "vrqctl: " << renderUtf8(Message(kCannotListenText).arg(d_.port)) << "\n";
        return kExitRefused;
    }
    err_ << "vrqctl: " << renderUtf8(Message(kListeningText).arg(static_cast<int>(tcp_->listenPort()))) << "\n";
    QObject::connect(tcp_.get(), &TcpLink::clientsChanged, [this] {
        if (c_.app.tcpConnected) return;
        for (int slot = 1; slot < kClientSlots; ++slot) {
            if (c_.app.clientSlots[static_cast<std::size_t>(slot)].inUse) {
                c_.app.selectedSlot = slot;
                tcpUp();
                return;
            }
        }
    });
    deadline_.start(o_.waitS > 0 ? o_.waitS * 1000 : std::max(o_.timeoutMs, 30000));
    return kExitOk;
}

void DeviceLink::tcpUp() {
    deadline_.stop();
    notes_.onError = nullptr;
    c_.app.tcpConnected = true;
    up_();
}

Message DeviceLink::failure() const {
    if (d_.link == LinkKind::Listen) return VRQ_TEXT("Ctl", "機器が接続してきませんでした。");
    return Message(VRQ_TEXT("Ctl", "%1:%2 に接続できませんでした。")).arg(d_.host).arg(d_.port);
}

}  // namespace vrq::ctl
