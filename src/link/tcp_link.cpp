#include "link/tcp_link.h"

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include "model/field_text.h"
#include "model/product_names.h"
#include "model/text_cell.h"
#include "platform/tcp_keepalive.h"
#include "protocol/notifier.h"
#include "protocol/reply_parser.h"
#include "protocol/send_path.h"

namespace vrq {

namespace {

constexpr int kFirstClientSlot = 1;
constexpr int kListenBacklog = 5;
constexpr int kAnswerTimeoutMs = 3000;
const char* const kFreeSlotText = " ";

}  // namespace

TcpLink::TcpLink(Console& c, QObject* parent)
    : QObject(parent),
      c_(c),
      replyHandler_([&c](std::string_view line) { return handleTcpLine(c, line); }),
      session_(c, *this) {
    session_.setTimeoutMs(kAnswerTimeoutMs);
    resetTable();
    c_.tcpTransport = this;
}

TcpLink::~TcpLink() {
    if (c_.tcpTransport == this) c_.tcpTransport = nullptr;
    // Children are deleted by QObject; only make sure no signal reaches us meanwhile.
    for (auto& s : sockets_)
        if (s) s->disconnect(this);
    if (main_) main_->disconnect(this);
}

int TcpLink::portNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 65535) return -1;
    }
    return static_cast<int>(value);
}

std::string TcpLink::dottedAddress(const Octets& o) {
    return std::to_string(o[0]) + "." + std::to_string(o[1]) + "." + std::to_string(o[2]) + "." +
           std::to_string(o[3]);
}

void TcpLink::resetTable() {
    for (ClientSlot& slot : c_.app.clientSlots) {
        slot.inUse = false;
        slot.addressText = kFreeSlotText;
        slot.port = 0;
    }
    c_.app.clientSlots[0].inUse = true;  // slot 0 is never handed out
}

void TcpLink::socketFailure(const Message& text) {
    if (c_.notifier) c_.notifier->notify(Message::plain(productTitle(c_.product)), text, NoticeIcon::Stop, true);
}

bool TcpLink::isListening() const { return server_ && server_->isListening(); }

quint16 TcpLink::listenPort() const { return isListening() ? server_->serverPort() : 0; }
QHostAddress TcpLink::listenAddress() const { return isListening() ? server_->serverAddress() : QHostAddress(); }

bool TcpLink::clientConnected() const { return main_ && main_->state() == QAbstractSocket::ConnectedState; }

int TcpLink::connectedClientCount() const {
    int n = 0;
    for (int i = kFirstClientSlot; i < kClientSlots; ++i) n += c_.app.clientSlots[i].inUse ? 1 : 0;
    return n;
}

// ---- client role ----

bool TcpLink::connectToPeer() {
    // A pending or dead attempt is replaced, never left behind.
    if (main_) dropSocket(main_);
    failureTold_ = false;

    const int index = c_.app.peerIndex;
    const int port = portNumber(cellText(c_.settings.netPortNumber));
    if (index < 0 || index >= kMaxPeers || port <= 0) {
        socketFailure(kCannotConnectText);
        return false;
    }
    const Octets& peer = c_.app.peerAddress[static_cast<std::size_t>(index)];
    if (peer == Octets{}) {
        // 0.0.0.0 names no device (Linux would quietly reach this host instead).
        socketFailure(kCannotConnectText);
        return false;
    }

    auto* s = new QTcpSocket(this);
    main_ = s;
    mainEverConnected_ = false;
    adoptClientSocket(s);
    connect(s, &QTcpSocket::connected, this, [this, s] {
        if (s != main_) return;
        mainEverConnected_ = true;
        emit connected();
    });
    s->connectToHost(QHostAddress(QString::fromStdString(dottedAddress(peer))), static_cast<quint16>(port));
    return true;
}

// Error and close events are queued: they must not delete the socket under
// the signal that reports them.
void TcpLink::adoptClientSocket(QTcpSocket* s) {
    connect(s, &QTcpSocket::readyRead, this, [this, s] { onReadyRead(s); });
    connect(
        s, &QTcpSocket::errorOccurred, s, [this, s](QAbstractSocket::SocketError e) { onSocketError(s, e); },
        Qt::QueuedConnection);
    connect(s, &QTcpSocket::disconnected, s, [this, s] { onSocketClosed(s); }, Qt::QueuedConnection);
}

// ---- server role ----

bool TcpLink::listen() {
    const std::string& text = c_.app.listenAddress;
    if (text.empty()) return listen(QHostAddress(QHostAddress::AnyIPv4));
    const auto octets = parseIpv4Address(text);
    if (!octets) {
        // Said once per attempt; listening everywhere is what the operator had before the key.
        if (c_.notifier) showWarning(*c_.notifier, kBadListenAddressText);
        return listen(QHostAddress(QHostAddress::AnyIPv4));
    }
    return listen(QHostAddress(QString::fromStdString(dottedAddress(*octets))));
}

bool TcpLink::listen(const QHostAddress& address) {
    if (isListening()) return true;

    const int port = portNumber(cellText(c_.settings.netPortNumber));
    if (port < 0) {
        socketFailure(kCannotBindText);
        return false;
    }
    if (!server_) {
        server_ = new QTcpServer(this);
        server_->setListenBacklogSize(kListenBacklog);
        connect(server_, &QTcpServer::newConnection, this, &TcpLink::onNewConnections);
        connect(server_, &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError e) {
            socketFailure(Message(VRQ_TEXT("TcpLink", "WINSOCK.DLLの accept() からのエラー。[%1]")).arg(static_cast<int>(e)));
        });
    }
    if (server_->listen(address, static_cast<quint16>(port))) return true;

    const auto e = server_->serverError();
    const bool bindFailure = e == QAbstractSocket::AddressInUseError || e == QAbstractSocket::SocketAccessError ||
                             e == QAbstractSocket::SocketAddressNotAvailableError;
    if (bindFailure) {
        socketFailure(kCannotBindText);
    } else {
        socketFailure(Message(VRQ_TEXT("TcpLink", "WINSOCK.DLLの listen() からのエラー。[%1]")).arg(static_cast<int>(e)));
    }
    return false;
}

void TcpLink::onNewConnections() {
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket* s = server_->nextPendingConnection();
        if (!s) break;
        if (adopt(s) < 0) {
            // Table full: the device is accepted and let go at once, without a notice.
            report(TrafficDirection::Event, s, kRefusedEvent.source);
            s->abort();
            s->deleteLater();
        }
    }
}

int TcpLink::adopt(QTcpSocket* s) {
    int free = -1;
    for (int i = kFirstClientSlot; i < kClientSlots; ++i) {
        if (!c_.app.clientSlots[i].inUse) {
            free = i;
            break;
        }
    }
    if (free < 0) return -1;
    s->setParent(this);
    bool v4 = false;
    const quint32 raw = s->peerAddress().toIPv4Address(&v4);
    ClientSlot& slot = c_.app.clientSlots[static_cast<std::size_t>(free)];
    slot.inUse = true;
    slot.addressText = v4 ? QHostAddress(raw).toString().toStdString() : s->peerAddress().toString().toStdString();
    slot.port = s->peerPort();
    slot.since = std::chrono::system_clock::now();
    sockets_[static_cast<std::size_t>(free)] = s;
    adoptClientSocket(s);
    keepAlive(s);
    report(TrafficDirection::Event, s, kConnectedEvent.source);
    emit clientsChanged();
    return free;
}

void TcpLink::keepAlive(QTcpSocket* s) {
    s->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    platform::setKeepAliveTiming(s->socketDescriptor(), kKeepAliveIdleS, kKeepAliveIntervalS, kKeepAliveProbes);
}

// ---- events of connected sockets ----

int TcpLink::slotOf(const QTcpSocket* s) const {
    if (!s) return -1;
    for (int i = kFirstClientSlot; i < kClientSlots; ++i)
        if (sockets_[static_cast<std::size_t>(i)] == s) return i;
    return -1;
}

void TcpLink::onSocketError(QTcpSocket* s, int error) {
    if (error == QAbstractSocket::RemoteHostClosedError) return;  // the close event follows
    if (s == main_ && !mainEverConnected_) {
        // A refused, unreachable or unanswered peer ends the attempt as a socket event error.
        dropSocket(s);
        if (c_.notifier) showError(*c_.notifier, kSocketEventErrorText);
        return;
    }
    // Not ours to report: the session's own timer tells about a missing answer.
    if (error == QAbstractSocket::SocketTimeoutError) return;
    if (s != main_ && slotOf(s) < 0) return;  // already closed by us
    if (c_.notifier) showError(*c_.notifier, kSocketEventErrorText);
    onSocketClosed(s, true);
}

void TcpLink::onSocketClosed(QTcpSocket* s, bool told) {
    if (s && s == main_) {
        // Noticed even while idle: the dialog shows it disconnected and the
        // next send says so, instead of a failed send much later.
        dropSocket(s);
        const bool wasConnected = c_.app.tcpConnected;
        c_.app.tcpConnected = false;
        // Told once: a command that just failed on this connection already said so.
        if (wasConnected && !told && !failureTold_ && c_.notifier) showWarning(*c_.notifier, kPeerLeftText);
        emit connectionClosed();
        return;
    }
    const int slot = slotOf(s);
    if (slot < 0) return;
    report(TrafficDirection::Event, s, kLeftEvent.source);
    dropSocket(s);
    emit clientsChanged();
}

void TcpLink::onReadyRead(QTcpSocket* s) {
    if (!s) return;
    // Bytes from any other device, or with no command in flight, answer nothing.
    if (s != inFlight_ || !session_.busy()) {
        dropUnread(s, DropReason::Unasked);
        return;
    }
    session_.heard();
    answered_ = false;
    while (s->bytesAvailable() > 0 && !answered_) takeLines(s, s->read(kLineBufferSize - 1));
    // One command, one answer: what came behind it came before any next command.
    if (answered_) {
        dropBytes(s, lines_.takePending(), DropReason::AfterAnswer);
        dropUnread(s, DropReason::AfterAnswer);
    }
}

void TcpLink::takeLines(QTcpSocket* s, const QByteArray& chunk) {
    std::vector<std::string> overlong;
    const auto lines = lines_.feed(std::string_view(chunk.constData(), static_cast<std::size_t>(chunk.size())), &overlong);
    for (const std::string& l : overlong) report(TrafficDirection::Dropped, s, l, DropReason::TooLong);
    for (std::string line : lines) {
        if (answered_) {
            report(TrafficDirection::Dropped, s, line, DropReason::AfterAnswer);
            continue;
        }
        // NUL has no place in a reply line.
        std::erase(line, '\0');
        const RequestSession::Verdict v = session_.judge(line);
        if (!v.take) {
            report(TrafficDirection::Dropped, s, line, v.reason);
            continue;
        }
        const auto endedBefore = session_.endedCount();
        const ReplyOutcome o = replyHandler_ ? replyHandler_(line) : ReplyOutcome::Unknown;
        const bool damaged = o == ReplyOutcome::Malformed;
        report(damaged ? TrafficDirection::Dropped : TrafficDirection::Received, s, line,
               damaged ? DropReason::Damaged : DropReason::None);
        session_.answerCame(o);
        answered_ = session_.endedCount() != endedBefore;
    }
}

void TcpLink::dropSocket(QTcpSocket* s) {
    if (!s) return;
    flushJunk(s);
    junk_.erase(s);
    const int slot = slotOf(s);
    if (slot >= 0) {
        // The chosen device is gone: the next device to take its slot must be
        // chosen anew, never sent what was meant for the one that left.
        if (c_.app.selectedSlot == slot) c_.app.selectedSlot = -1;
        sockets_[static_cast<std::size_t>(slot)] = nullptr;
        ClientSlot& entry = c_.app.clientSlots[static_cast<std::size_t>(slot)];
        entry.inUse = false;
        entry.addressText = kFreeSlotText;
        entry.port = 0;
    }
    if (s == main_) main_ = nullptr;
    if (s == inFlight_) session_.linkDown();
    s->disconnect(this);
    s->disconnect(s);
    s->abort();
    s->deleteLater();
}

void TcpLink::closeAll() {
    closing_ = true;  // the operator hangs up: a command in flight ends quietly
    session_.linkDown();
    closing_ = false;
    if (main_) dropSocket(main_);
    const bool hadClients = connectedClientCount() > 0;
    for (int i = kFirstClientSlot; i < kClientSlots; ++i)
        if (sockets_[static_cast<std::size_t>(i)]) dropSocket(sockets_[static_cast<std::size_t>(i)]);
    if (server_) server_->close();
    resetTable();
    c_.app.tcpConnected = false;
    if (hadClients) emit clientsChanged();
}

// ---- sending ----

QTcpSocket* TcpLink::destination(int slot) const {
    if (c_.app.tcpRole == kTcpServer) {
        if (slot < kFirstClientSlot || slot >= kClientSlots) return nullptr;
        return sockets_[static_cast<std::size_t>(slot)];
    }
    return main_;
}

void TcpLink::writeLine(std::string_view line) {
    if (!isLinked(c_)) {
        if (c_.notifier) showWarning(*c_.notifier, kNotConnectedText);
        return;
    }
    if (c_.app.tcpRole == kTcpServer && c_.app.selectedSlot < kFirstClientSlot) {
        c_.reply.replyError = true;  // a failed send: a run stops at its next step
        if (c_.notifier) showWarning(*c_.notifier, kNoDestinationText);
        return;
    }
    // The device chosen now, even if the command waits behind another.
    session_.submit(line, true, c_.app.tcpRole == kTcpServer ? c_.app.selectedSlot : 0);
}

bool TcpLink::send(std::string_view line, bool, int target) {
    QTcpSocket* s = destination(target);
    if (!s || s->state() != QAbstractSocket::ConnectedState) return false;
    // Bytes still queued from earlier belong to no command of ours; a line
    // they began ends here, as the answer to this command starts afresh.
    dropBytes(s, lines_.takePending(), DropReason::Unasked);
    dropUnread(s, DropReason::Unasked);
    flushJunk(s);
    const auto size = static_cast<qint64>(line.size());
    report(TrafficDirection::Sent, s, line);
    if (s->write(line.data(), size) != size) return false;
    inFlight_ = s;
    failureTold_ = false;
    return true;
}

RequestEnd TcpLink::timeoutEnd() const {
    // A line that never left (the peer stopped reading) is a failed send.
    return inFlight_ && inFlight_->bytesToWrite() > 0 ? RequestEnd::SendFailed : RequestEnd::NoAnswer;
}

void TcpLink::ended(RequestEnd e) {
    inFlight_ = nullptr;
    if (e == RequestEnd::Answered || e == RequestEnd::Refused) return;
    // A cut answer must not be glued to the next one.
    c_.reply.tcpLineState = TcpLineState::Idle;
    c_.reply.tcpLine.clear();
    c_.reply.replyError = true;
    if (closing_ || !c_.notifier) return;
    failureTold_ = true;
    showWarning(*c_.notifier, e == RequestEnd::SendFailed ? kSendFailedText : kNoAnswerText);
}

void TcpLink::dropUnread(QTcpSocket* s, DropReason why) {
    const QByteArray junk = s->readAll();
    dropBytes(s, std::string_view(junk.constData(), static_cast<std::size_t>(junk.size())), why);
}

void TcpLink::dropBytes(QTcpSocket* s, std::string_view bytes, DropReason why) {
    if (bytes.empty()) return;
    // One row per line as it arrived: the bytes after the last LF wait for
    // the rest of their line (bounded like any line).
    Junk& j = junk_[s];
    if (j.bytes.empty()) j.why = why;
    while (!bytes.empty()) {
        const auto lf = bytes.find('\n');
        const std::size_t take = lf == std::string_view::npos ? bytes.size() : lf + 1;
        j.bytes.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (lf != std::string_view::npos || j.bytes.size() >= LineAssembler::kMaxLine) {
            report(TrafficDirection::Dropped, s, j.bytes, j.why);
            j.bytes.clear();
            j.why = why;
        }
    }
}

void TcpLink::flushJunk(QTcpSocket* s) {
    const auto at = junk_.find(s);
    if (at == junk_.end() || at->second.bytes.empty()) return;
    const Junk j = std::move(at->second);
    at->second.bytes.clear();
    report(TrafficDirection::Dropped, s, j.bytes, j.why);
}

void TcpLink::report(TrafficDirection d, const QTcpSocket* s, std::string_view bytes, DropReason why) {
    if (bytes.empty()) return;
    // A damaged answer went through the reply handling, which told `received`.
    if (d == TrafficDirection::Dropped && why != DropReason::Damaged && c_.dropped) c_.dropped(bytes);
    if (!c_.traffic) return;
    std::string link;
    const int slot = slotOf(s);
    if (slot >= 0) {
        // From the table: a socket that closed no longer knows its peer.
        const ClientSlot& entry = c_.app.clientSlots[static_cast<std::size_t>(slot)];
        link = "ｽﾛｯﾄ" + std::to_string(slot) + " " + entry.addressText + ":" + std::to_string(entry.port);
    } else if (s) {
        bool v4 = false;
        const quint32 raw = s->peerAddress().toIPv4Address(&v4);
        link += (v4 ? QHostAddress(raw).toString() : s->peerAddress().toString()).toStdString() + ":" +
                std::to_string(s->peerPort());
    }
    c_.traffic({d, bytes, link, -1, why});
}


}  // namespace vrq
