#pragma once
// The link one device's run talks over: a serial line, a connection to the
// device, or a device that connects to us. Opening it waits on events only;
// the run starts when the link is up.

#include <functional>
#include <iosfwd>
#include <memory>

#include <QTimer>

#include "ctl/ctl_options.h"
#include "model/message.h"

class QTcpSocket;

namespace vrq {
struct Console;
class SerialLink;
class TcpLink;
}  // namespace vrq

namespace vrq::ctl {

class StderrNotifier;

class DeviceLink {
public:
    DeviceLink(Console& c, const Device& d, const Options& o, QTcpSocket* accepted, StderrNotifier& notes,
               std::ostream& err);
    ~DeviceLink();

    // kExitOk when opening is under way: `up` follows, or `failed` with the
    // reason. Otherwise the exit status, its reason already on `err`.
    int open(std::function<void()> up, std::function<void(const Message&)> failed);
    // Nothing more is waited for (the run has ended).
    void stop() { deadline_.stop(); }

private:
    int openSerial();
    int openTcp();
    void tcpUp();
    Message failure() const;
    int usage(const Message& why);

    Console& c_;
    const Device& d_;
    const Options& o_;
    QTcpSocket* accepted_;
    StderrNotifier& notes_;
    std::ostream& err_;
    std::function<void()> up_;
    std::function<void(const Message&)> failed_;
    std::unique_ptr<SerialLink> serial_;
    std::unique_ptr<TcpLink> tcp_;
    QTimer deadline_;
};

}  // namespace vrq::ctl
