#pragma once
// The serial transport (RS-232C or RS-485; the framing lives in the send
// path). The port is opened once per run and closed only when the line hangs
// up. Received bytes arrive on the UI thread, are split into lines and handed
// to the serial reply handler there, so replies need no lock. Commands go
// through one request session: one in flight, the rest queued.

#include <QObject>
#include <QSerialPort>
#include <string>
#include <string_view>

#include "link/line_assembler.h"
#include "link/request_session.h"
#include "model/console.h"
#include "protocol/traffic_log.h"
#include "protocol/transport.h"

namespace vrq {

// A broadcast that could not leave the port (closed, or held back by flow control).
inline constexpr std::string_view kSerialSendFailedText = "シリアルポートへ送信できませんでした。";

class SerialLink : public QObject, public Transport, private RequestSession::Wire {
    Q_OBJECT
public:
    // Registers itself as c.serialTransport for its lifetime, so sendCommand
    // writes here; writes before a successful open are dropped.
    explicit SerialLink(Console& c, QObject* parent = nullptr);
    ~SerialLink() override;

    // Opens and configures the port chosen by comPortIndex. Does nothing on the
    // TCP/IP interface or once serialPortOpen is set (the attempt is made once
    // per run and sets it, as the start of the reader did; isOpen() tells
    // whether the port works). A port that vanished clears it, so the next
    // call opens the device again. Each failed step shows its own error
    // notice. True when the port is open.
    bool open();

    // The framed bytes, queued behind the command in flight; the outcome of
    // the write is not examined (a lost line shows up as the no-reply timeout).
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

    // The notice for a failed open: the bare text, or with the device and the
    // system's reason when the operator lacks permission to use the device,
    // followed by what to do about it.
    static QString fileOpenFailureText(const QString& path, bool permissionDenied, const QString& reason);

private:
    bool send(std::string_view bytes, bool answerDue, int target) override;
    int drainMs() const override;
    int quietGapMs() const override;
    void ended(RequestEnd e) override;
    void dropLeftovers();

    void onReadyRead();
    bool applyLineSettings();
    void error(const QString& text);
    void closeIfHungUp();
    void report(TrafficDirection d, std::string_view bytes, DropReason why = DropReason::None);

    Console& c_;
    QSerialPort port_;
    LineAssembler assembler_;
    RequestSession session_;
    bool closePending_ = false;
};

}  // namespace vrq
