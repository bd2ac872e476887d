#pragma once
// The serial transport (RS-232C or RS-485; the framing lives in the send
// path). The port is opened once per run and closed only when the line hangs
// up. Received bytes arrive on the UI thread, are split into lines and handed
// to the serial reply handler there, so replies need no lock. Commands go
// through one request session: one in flight, the rest queued.

#include <QObject>
#include <QSerialPort>
#include <functional>
#include <string>
#include <string_view>

#include "link/line_assembler.h"
#include "link/request_session.h"
#include "model/console.h"
#include "model/message.h"
#include "protocol/traffic_log.h"
#include "protocol/transport.h"

namespace vrq {

// A broadcast that could not leave the port (closed, or held back by flow control).
inline constexpr Text kSerialSendFailedText = VRQ_TEXT("SerialLink", "シリアルポートへ送信できませんでした。");
// A command given while the port is closed: nothing was sent.
inline constexpr Text kSerialClosedText =
    VRQ_TEXT("SerialLink", "シリアルポートが開いていないため送信できません。インターフェイスの設定でシリアルを選ぶと開き直します。");

// Why the port did not open: the device, the system's reason, and for a
// refused permission the group that owns the device (empty when unknown).
struct SerialOpenFailure {
    QString path;
    QString reason;  // the system's words, or ours in the operator's language
    bool permissionDenied = false;
    std::string group;
};

class SerialLink : public QObject, public Transport, private RequestSession::Wire {
    Q_OBJECT
public:
    // Registers itself as c.serialTransport for its lifetime, so sendCommand
    // writes here; writes before a successful open are dropped.
    explicit SerialLink(Console& c, QObject* parent = nullptr);
    ~SerialLink() override;

    // Opens and configures the port chosen by comPortIndex. Does nothing on the
    // TCP/IP interface or while the port is open; serialPortOpen is set only
    // by an open that worked, so a port that failed or vanished is tried
    // again by the next call. A failed open is one notice naming the device
    // and the reason (or goes to onOpenFailed when set); a line that opened
    // but refused its settings says so. True when the port is open.
    bool open();
    // Replaces the notice of a failed open (vrqctl words it itself).
    std::function<void(const SerialOpenFailure&)> onOpenFailed;

    // The framed bytes, queued behind the command in flight; the outcome of
    // the write is not examined (a lost line shows up as the no-reply timeout).
    // On a closed port nothing goes and the operator is told so at once.
    void writeLine(std::string_view bytes) override;
    bool busy() const override { return session_.busy(); }
    bool answerTimedOut() override { return session_.timedOut(); }

    // Without a timeout of its own the session waits for the main timer's
    // no-reply count (the console); vrqctl gives it one.
    RequestSession& session() { return session_; }

    bool isOpen() const { return port_.isOpen(); }
    // The device the current comPortIndex names: "COM1".."COM6" on Windows,
    // comDevicePath elsewhere; empty for an index outside 0..5.
    QString devicePath() const;

    // The notice for a failed open: "Miss! File Open", then the device and the
    // system's reason, and for a refused permission what to do about it.
    static Message fileOpenFailureText(const SerialOpenFailure& f);

private:
    bool send(std::string_view bytes, bool answerDue, int target) override;
    int drainMs() const override;
    int quietGapMs() const override;
    void ended(RequestEnd e) override;
    void dropLeftovers();

    void onReadyRead();
    bool applyLineSettings();
    void error(const Message& text);
    void closeIfHungUp();
    void report(TrafficDirection d, std::string_view bytes, DropReason why = DropReason::None);

    Console& c_;
    QSerialPort port_;
    LineAssembler assembler_;
    RequestSession session_;
    bool closePending_ = false;
    // The port's own error during open(), kept before the error is cleared.
    bool opening_ = false;
    QSerialPort::SerialPortError openError_ = QSerialPort::NoError;
    QString openErrorText_;
};

}  // namespace vrq
