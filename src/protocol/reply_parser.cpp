#include "protocol/reply_parser.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <string>

#include "model/product_names.h"
#include "protocol/notifier.h"
#include "protocol/reply_dispatch.h"
#include "protocol/transport.h"

namespace vrq {

namespace {

constexpr std::size_t kMaxLine = kLineBufferSize - 1;  // the device's line buffer keeps one byte for its end

// A line ends at its first NUL, as the device's text lines always have.
std::string_view untilNul(std::string_view s) {
    const auto nul = s.find('\0');
    return nul == std::string_view::npos ? s : s.substr(0, nul);
}

}  // namespace

ReplyOutcome handleSerialReply(Console& c, std::string_view line) {
    assert(std::this_thread::get_id() == c.uiThread && "replies reach the model on the UI thread only");
    if (c.received) c.received(line);
    c.reply.noReplyTicks = 0;
    c.reply.replyExpected = false;
    line = untilNul(line);
    // On RS-485 every answer starts with the device's address; nothing checks it.
    if (c.app.serialMode == kRs485) line.remove_prefix(std::min<std::size_t>(2, line.size()));
    line = line.substr(0, kMaxLine);
    c.reply.replyError = false;
    const ReplyOutcome o = dispatchReply(c, line, ReplyChannel::Serial);
    c.reply.glyphReplyPending = false;
    return o;
}

ReplyOutcome handleTcpLine(Console& c, std::string_view line) {
    assert(std::this_thread::get_id() == c.uiThread && "replies reach the model on the UI thread only");
    if (c.received) c.received(line);
    c.reply.replyError = false;
    const ReplyOutcome o = dispatchReply(c, line.substr(0, kMaxLine), ReplyChannel::Tcp);
    c.reply.glyphReplyPending = false;
    return o;
}

void handleTcpReply(Console& c, std::string_view received) {
    assert(std::this_thread::get_id() == c.uiThread && "replies reach the model on the UI thread only");
    if (c.received) c.received(received);
    ReplyState& r = c.reply;
    std::string& buf = r.tcpLine;
    if (r.tcpLineState == TcpLineState::Idle) buf.clear();
    for (const char ch : received) {
        // NUL has no place in a reply line and would end the buffered text.
        if (ch == '\0') continue;
        if (r.tcpLineState == TcpLineState::Discarding) {
            // The rest of an over-long line, up to its LF, is dropped with it.
            if (ch == '\n') r.tcpLineState = TcpLineState::Idle;
            continue;
        }
        if (ch != '\n' && buf.size() + 1 >= kMaxLine) {
            buf.clear();
            r.tcpLineState = TcpLineState::Discarding;
            continue;
        }
        buf += ch;
        r.tcpLineState = TcpLineState::Partial;
        if (ch != '\n') continue;

        // Every LF ends a line, so two answers in one receive are two lines.
        const std::string line = std::move(buf);
        buf.clear();
        r.tcpLineState = TcpLineState::Idle;
        r.replyError = false;
        dispatchReply(c, line, ReplyChannel::Tcp);
        r.glyphReplyPending = false;
    }
}

void mainTimerStep(Console& c) {
    ReplyState& r = c.reply;
    // Both flags are cleared before the notice: ticks go on while it is open.
    if (r.replyExpected) {
        const int before = r.noReplyTicks++;
        if (before > noReplyTickLimit(c.product)) {
            r.replyExpected = false;
            r.noReplyTicks = 0;
            // The command in flight ends, so the next one may go, or is asked
            // again: only a command that gave up is told.
            const bool gaveUp = !c.serialTransport || c.serialTransport->answerTimedOut();
            if (gaveUp && c.notifier) showError(*c.notifier, VRQ_TEXT("Replies", "No Connect"));
        }
    }
    if (r.successPending) {
        r.successPending = false;
        if (c.notifier) showSuccess(*c.notifier, VRQ_TEXT("Replies", "Success"));
    }
}

}  // namespace vrq
