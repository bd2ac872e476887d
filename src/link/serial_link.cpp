#include "link/serial_link.h"

#include "link/device_access.h"
#include "link/ui_language.h"
#include "platform/serial_line.h"
#include "protocol/notifier.h"
#include "protocol/reply_parser.h"
#include "protocol/send_path.h"
#include "protocol/traffic_log.h"

namespace vrq {

namespace {

constexpr int kQueueSize = 2000;
constexpr int kBitsPerByte = 11;  // 8E1 with its start bit
constexpr int kBaud = 38400;

int lineMs(long long bytes) { return static_cast<int>(bytes * kBitsPerByte * 1000 / kBaud) + 1; }

}  // namespace

SerialLink::SerialLink(Console& c, QObject* parent) : QObject(parent), c_(c), session_(c, *this) {
    c_.serialTransport = this;
    connect(&port_, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
    // Line errors are cleared and reading goes on; a pty reports errors for
    // modem lines it does not have, so only a line that is really gone (hung
    // up: its read would fail at once, forever) is closed. Later sends then
    // tell the operator the port is closed.
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::NoError) return;
        if (opening_) {
            // Cleared below, so open() would no longer see why it failed.
            openError_ = e;
            openErrorText_ = port_.errorString();
        }
        port_.clearError();
        const bool maybeGone =
            e == QSerialPort::ResourceError || (e == QSerialPort::ReadError && platform::readErrorMayMeanHangUp());
        if (maybeGone && !closePending_) {
            closePending_ = true;
            // Not from inside the port's own notification.
            QMetaObject::invokeMethod(this, &SerialLink::closeIfHungUp, Qt::QueuedConnection);
        }
    });
}

SerialLink::~SerialLink() {
    if (c_.serialTransport == this) c_.serialTransport = nullptr;
}

QString SerialLink::devicePath() const {
    const int i = c_.app.comPortIndex;
    if (i < 0 || i >= static_cast<int>(c_.app.comDevicePath.size())) return {};
    if (platform::kPortsByComNumber) return QStringLiteral("COM%1").arg(i + 1);
    return QString::fromStdString(c_.app.comDevicePath[static_cast<std::size_t>(i)]);
}

Message SerialLink::fileOpenFailureText(const SerialOpenFailure& f) {
    if (f.permissionDenied)
        return Message(VRQ_TEXT("SerialLink", "Miss! File Open\n%1: %2\n%3"))
            .arg(f.path.toStdString())
            .arg(f.reason.toStdString())
            .arg(permissionHintText(f.group));
    return Message(VRQ_TEXT("SerialLink", "Miss! File Open\n%1: %2"))
        .arg(f.path.toStdString())
        .arg(f.reason.toStdString());
}

void SerialLink::error(const Message& text) {
    if (c_.notifier) showError(*c_.notifier, text);
}

bool SerialLink::open() {
    if (c_.app.linkInterface != kLinkSerial || port_.isOpen()) return isOpen();

    const QString path = devicePath();
    port_.setPortName(path);
    // What the open applies itself must work on every device; parity and the
    // combined flow control follow in one native call below.
    port_.setBaudRate(38400);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    openError_ = QSerialPort::NoError;
    openErrorText_.clear();
    opening_ = true;
    const bool opened = !path.isEmpty() && port_.open(QIODevice::ReadWrite);
    opening_ = false;
    if (!opened) {
        // One notice: the steps after the open have no port to work on, so
        // their failures would only repeat this one.
        SerialOpenFailure f;
        f.path = path.isEmpty() ? QStringLiteral("COM%1").arg(c_.app.comPortIndex + 1) : path;
        f.reason = path.isEmpty() ? render(VRQ_TEXT("SerialLink", "デバイスが割り当てられていません")) : openErrorText_;
        if (f.reason.isEmpty()) f.reason = port_.errorString();
        f.permissionDenied = openError_ == QSerialPort::PermissionError && deviceAccessDenied(path.toStdString());
        if (f.permissionDenied) f.group = deviceGroup(path.toStdString());
        c_.app.serialPortOpen = false;
        if (onOpenFailed)
            onOpenFailed(f);
        else
            error(fileOpenFailureText(f));
        return false;
    }
    // Received bytes are watched by the port itself (no mask to set); reads
    // take what is queued and writes do not wait (no timeouts to set).
    port_.setReadBufferSize(kQueueSize);
    if (!applyLineSettings()) error(VRQ_TEXT("SerialLink", "Miss! Set Comm State"));
    // Reading runs on this thread's event loop.
    c_.app.serialPortOpen = true;
    return true;
}

bool SerialLink::applyLineSettings() {
    // Qt offers hardware or software flow control, not both.
    return platform::applyLineSettings(port_.handle(), kQueueSize);
}

void SerialLink::closeIfHungUp() {
    closePending_ = false;
    if (!port_.isOpen()) return;
    if (!platform::lineHungUp(port_.handle())) return;
    const QString path = devicePath();
    port_.close();
    session_.linkDown();
    // Told once; choosing the serial interface again (or giving the COM
    // entry its device anew) opens it.
    c_.app.serialPortOpen = false;
    error(Message(VRQ_TEXT("SerialLink", "シリアルポート %1 が使えなくなりました。つなぎ直してから、インターフェイスの設定でシリアルを選び直してください。"))
              .arg(path.toStdString()));
}

void SerialLink::writeLine(std::string_view bytes) {
    // The framing is read back from the bytes: "FF" is a broadcast, any other
    // RS-485 prefix the address whose answer counts.
    const bool rs485 = c_.app.serialMode == kRs485 && bytes.size() >= 2;
    const bool broadcast = rs485 && bytes.substr(0, 2) == "FF";
    const int address = rs485 && !broadcast ? (bytes[0] - '0') * 10 + (bytes[1] - '0') : -1;
    session_.submit(bytes, !broadcast, address);
}

void SerialLink::dropLeftovers() {
    // Whatever is unread or half a line now came before this command: kept,
    // it would be read as its answer. Dropped unjudged, as the session
    // already holds the new command.
    std::string junk = assembler_.takePending();
    if (port_.isOpen() && port_.bytesAvailable() > 0) {
        const QByteArray unread = port_.readAll();
        junk.append(unread.constData(), static_cast<std::size_t>(unread.size()));
    }
    // A row per line as it came; what follows the last LF is a row of its own.
    std::string_view rest(junk);
    while (!rest.empty()) {
        const auto lf = rest.find('\n');
        const std::size_t take = lf == std::string_view::npos ? rest.size() : lf + 1;
        report(TrafficDirection::Dropped, rest.substr(0, take), DropReason::Unasked);
        rest.remove_prefix(take);
    }
}

bool SerialLink::send(std::string_view bytes, bool answerDue, int) {
    dropLeftovers();
    // A closed port takes nothing: said at once, not after a silent wait.
    if (!port_.isOpen()) return false;
    // The no-reply count runs from the moment the command is on the wire.
    if (answerDue) {
        c_.reply.replyExpected = true;
        c_.reply.noReplyTicks = 0;
    }
    report(TrafficDirection::Sent, bytes);
    return port_.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) ||
           answerDue;
}

int SerialLink::drainMs() const {
    if (!port_.isOpen()) return 0;
    if (port_.bytesToWrite() > 0) return lineMs(port_.bytesToWrite());
    if (const long long queued = platform::outputQueued(port_.handle()); queued > 0) return lineMs(queued);
    return 0;
}

int SerialLink::quietGapMs() const {
    // As long as the longest line takes at this speed: a device that began
    // its answer at the timeout has finished it by then.
    return lineMs(static_cast<long long>(LineAssembler::kMaxLine));
}

void SerialLink::ended(RequestEnd e) {
    // The session's own timeout (vrqctl): the console's notice for silence.
    if ((e == RequestEnd::NoAnswer || e == RequestEnd::Damaged) && c_.reply.replyExpected) {
        c_.reply.replyExpected = false;
        c_.reply.noReplyTicks = 0;
        error(VRQ_TEXT("SerialLink", "No Connect"));
    }
    if (e != RequestEnd::SendFailed) return;
    if (!port_.isOpen()) {
        // Nothing to wait for; a run stops at its next step instead of
        // telling this for every command.
        c_.reply.replyExpected = false;
        c_.reply.noReplyTicks = 0;
        c_.reply.replyError = true;
        error(kSerialClosedText);
        return;
    }
    error(kSerialSendFailedText);
}

void SerialLink::report(TrafficDirection d, std::string_view bytes, DropReason why) {
    // A damaged answer went through the reply handling, which told `received`.
    if (d == TrafficDirection::Dropped && why != DropReason::Damaged && c_.dropped) c_.dropped(bytes);
    if (!c_.traffic) return;
    const int i = c_.app.comPortIndex;
    const std::string link = "COM" + std::to_string(i + 1) + " " + devicePath().toStdString();
    c_.traffic({d, bytes, link, c_.app.serialMode == kRs485 ? rs485Address(bytes) : -1, why});
}

void SerialLink::onReadyRead() {
    const QByteArray data = port_.readAll();
    if (data.isEmpty()) return;
    session_.heard();
    std::vector<std::string> overlong;
    const auto lines = assembler_.feed(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), &overlong);
    for (const std::string& line : overlong) report(TrafficDirection::Dropped, line, DropReason::TooLong);
    bool answered = false;
    for (const std::string& line : lines) {
        // One command, one answer: what came behind it in the same read
        // came before any next command.
        if (answered) {
            report(TrafficDirection::Dropped, line, DropReason::AfterAnswer);
            continue;
        }
        const RequestSession::Verdict v = session_.judge(line);
        if (!v.take) {
            report(TrafficDirection::Dropped, line, v.reason);
            continue;
        }
        const int ticks = c_.reply.noReplyTicks;
        const auto endedBefore = session_.endedCount();
        const ReplyOutcome o = handleSerialReply(c_, line);
        const bool damaged = o == ReplyOutcome::Malformed;
        report(damaged ? TrafficDirection::Dropped : TrafficDirection::Received, line,
               damaged ? DropReason::Damaged : DropReason::None);
        session_.answerCame(o);
        answered = session_.endedCount() != endedBefore;
        if (!answered) {
            // Still waiting: the no-reply count goes on where it was, so a
            // device sending damaged lines cannot hold the command for ever.
            c_.reply.replyExpected = true;
            c_.reply.noReplyTicks = ticks;
        }
    }
}

}  // namespace vrq
