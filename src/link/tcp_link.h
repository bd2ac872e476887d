#pragma once
// The TCP/IP transport: the console as client of one device, or as server for
// up to 96 devices. Everything runs on the UI thread; socket events arrive as
// signals. Commands go through one request session: one in flight, its answer
// awaited by a timer, never by blocking.

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "link/line_assembler.h"
#include "link/request_session.h"
#include "model/console.h"
#include "model/message.h"
#include "protocol/traffic_log.h"
#include "protocol/transport.h"

class QTcpServer;
class QTcpSocket;

namespace vrq {

inline constexpr Text kSendFailedText = VRQ_TEXT("TcpLink", "Socket 送信");
inline constexpr Text kNoAnswerText = VRQ_TEXT("TcpLink", "Answer が､きません");
inline constexpr Text kCannotConnectText = VRQ_TEXT("TcpLink", "接続できません");
inline constexpr Text kCannotBindText = VRQ_TEXT("TcpLink", "Bindできません");
inline constexpr Text kSocketEventErrorText = VRQ_TEXT("TcpLink", "ソケットイベントにエラーが発生しました。");
inline constexpr Text kNoDestinationText =
    VRQ_TEXT("TcpLink", "送信先の機器が接続を切りました。TCP/IP設定で送信先を選び直してください。");
// Client role: the device closed or reset the connection.
inline constexpr Text kPeerLeftText = VRQ_TEXT("TcpLink", "機器が接続を切りました。もう一度つなぐには「接続」を押してください。");
inline constexpr Text kBadListenAddressText =
    VRQ_TEXT("TcpLink", "listen_address に指定されたアドレスが正しくありません。すべてのアドレスで待ち受けます。");

// How soon a peer that vanished without a word (cable pulled) is found: the
// first probe after a minute of silence, then every 10 s, 6 unanswered.
inline constexpr int kKeepAliveIdleS = 60, kKeepAliveIntervalS = 10, kKeepAliveProbes = 6;

class TcpLink : public QObject, public Transport, private RequestSession::Wire {
    Q_OBJECT
public:
    // Becomes c.tcpTransport, the one sendCommand uses on TCP/IP, and clears
    // the client table.
    explicit TcpLink(Console& c, QObject* parent = nullptr);
    ~TcpLink() override;

    // Client role: starts connecting to peerAddress[peerIndex] at the
    // port of netPortNumber. True when the attempt is under way; `connected`
    // or a notice follows. False (notice shown) when it cannot even start.
    bool connectToPeer();
    // Server role: listens at the port of netPortNumber (0 picks a free port),
    // on the address the ini file names (listenAddress), else on every local
    // IPv4 address. True also when already listening.
    bool listen();
    bool listen(const QHostAddress& address);
    // Server role: a device accepted elsewhere takes the first free slot
    // (made this link's child); the slot, or -1 when the table is full.
    int adopt(QTcpSocket* s);
    // Closes the main socket, the listener and every client; resets the table
    // and clears tcpConnected.
    void closeAll();

    // The TCP/IP case of sendCommand: the bare line to the peer, queued
    // behind the command in flight; its answer arrives later.
    void writeLine(std::string_view line) override;
    bool busy() const override { return session_.busy(); }

    bool isListening() const;
    quint16 listenPort() const;
    QHostAddress listenAddress() const;
    bool clientConnected() const;  // client role: the main socket is up
    int connectedClientCount() const;

    // How long a command may wait for its answer, its write included.
    void setAnswerTimeoutMs(int ms) { session_.setTimeoutMs(ms); }
    int answerTimeoutMs() const { return session_.timeoutMs(); }
    // Where each answer line goes (handleTcpLine unless replaced).
    using ReplyHandler = std::function<ReplyOutcome(std::string_view line)>;
    void setReplyHandler(ReplyHandler h) { replyHandler_ = std::move(h); }
    void setRetries(int n) { session_.setRetries(n); }

    // The leading digits of a port text ("09004" -> 9004, "ab" -> 0); -1 above 65535.
    static int portNumber(std::string_view text);
    // "192.168.1.10" from four octets.
    static std::string dottedAddress(const Octets& o);

signals:
    void connected();         // client: the connection completed
    void connectionClosed();  // client: the device closed the connection (tcpConnected is cleared)
    void clientsChanged();    // server: a device was accepted or went away

private:
    void resetTable();
    void socketFailure(const Message& text);
    void adoptClientSocket(QTcpSocket* s);
    static void keepAlive(QTcpSocket* s);
    void onNewConnections();
    void onSocketError(QTcpSocket* s, int error);
    void onSocketClosed(QTcpSocket* s, bool told = false);
    void onReadyRead(QTcpSocket* s);
    int slotOf(const QTcpSocket* s) const;
    void dropSocket(QTcpSocket* s);
    QTcpSocket* destination(int slot) const;  // server role: that slot; client: the main socket
    void takeLines(QTcpSocket* s, const QByteArray& chunk);
    void report(TrafficDirection d, const QTcpSocket* s, std::string_view bytes, DropReason why = DropReason::None);
    void dropUnread(QTcpSocket* s, DropReason why);
    void dropBytes(QTcpSocket* s, std::string_view bytes, DropReason why);
    void flushJunk(QTcpSocket* s);

    bool send(std::string_view bytes, bool answerDue, int target) override;
    int drainMs() const override { return 0; }
    // No line speed here: long enough for a late answer on a busy network.
    int quietGapMs() const override { return 200; }
    RequestEnd timeoutEnd() const override;
    void ended(RequestEnd e) override;

    Console& c_;
    QPointer<QTcpSocket> main_;
    bool mainEverConnected_ = false;
    QTcpServer* server_ = nullptr;
    std::array<QPointer<QTcpSocket>, kClientSlots> sockets_{};
    ReplyHandler replyHandler_;
    LineAssembler lines_;  // of the socket the command in flight went to
    bool answered_ = false;  // within one read: the answer has come
    RequestSession session_;
    QPointer<QTcpSocket> inFlight_;  // where the command in flight went
    bool closing_ = false;
    bool failureTold_ = false;  // the last command failed with a notice; nothing sent since
    // Dropped bytes of each socket after their last LF, waiting for the rest of the line.
    struct Junk {
        std::string bytes;
        DropReason why = DropReason::None;
    };
    std::map<const QTcpSocket*, Junk> junk_;
};

}  // namespace vrq
