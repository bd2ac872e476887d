#include "link/request_session.h"

#include <algorithm>

#include "protocol/codecs.h"

namespace vrq {

RequestSession::RequestSession(Console& c, Wire& wire, QObject* parent) : QObject(parent), c_(c), wire_(wire) {
    timeout_.setSingleShot(true);
    // A coarse timer may fire 5 % early: the answer limit is a promise.
    timeout_.setTimerType(Qt::PreciseTimer);
    connect(&timeout_, &QTimer::timeout, this, &RequestSession::ranOut);
    drain_.setSingleShot(true);
    connect(&drain_, &QTimer::timeout, this, &RequestSession::checkDrained);
    gap_.setSingleShot(true);
    connect(&gap_, &QTimer::timeout, this, &RequestSession::settled);
    gapLimit_.setSingleShot(true);
    connect(&gapLimit_, &QTimer::timeout, this, &RequestSession::settled);
}

void RequestSession::setRetries(int n) { retries_ = std::clamp(n, 0, kMaxRetries); }

std::string_view RequestSession::withoutAddress(std::string_view line) const {
    if (c_.app.linkInterface == kLinkSerial && c_.app.serialMode == kRs485)
        line.remove_prefix(std::min<std::size_t>(2, line.size()));
    return line;
}

void RequestSession::submit(std::string_view bytes, bool answerDue, int target) {
    if (queue_.size() >= kMaxQueued) {
        // Nobody paces commands this far ahead; the newest is refused.
        wire_.ended(RequestEnd::SendFailed);
        return;
    }
    queue_.push_back({std::string(bytes), answerDue, target, expectedAnswer(withoutAddress(bytes))});
    if (!inFlight_) pump();
}

void RequestSession::pump() {
    if (pumping_) return;  // a failed send ends inside the loop below
    pumping_ = true;
    while (!inFlight_ && !queue_.empty()) {
        current_ = std::move(queue_.front());
        queue_.pop_front();
        inFlight_ = true;
        attempt_ = 0;
        spoiled_ = false;
        if (current_.target >= 0) lastAddress_ = current_.target;
        transmit();
    }
    pumping_ = false;
}

void RequestSession::transmit() {
    ++attempt_;
    if (!wire_.send(current_.bytes, current_.answerDue, current_.target)) {
        finish(RequestEnd::SendFailed);
        return;
    }
    if (current_.answerDue) {
        if (timeoutMs_ > 0) timeout_.start(timeoutMs_);
    } else {
        // Complete once the bytes left, never from inside the send itself.
        timeout_.start(timeoutMs_ > 0 ? timeoutMs_ : kDrainLimitMs);
        drain_.start(0);
    }
}

void RequestSession::checkDrained() {
    if (!inFlight_ || current_.answerDue) return;
    const int ms = wire_.drainMs();
    if (ms > 0) {
        drain_.start(ms);
        return;
    }
    finish(RequestEnd::Delivered);
}

RequestSession::Verdict RequestSession::judge(std::string_view line) {
    if (c_.app.linkInterface == kLinkSerial && c_.app.serialMode == kRs485) {
        const int asked = inFlight_ && current_.target >= 0 ? current_.target : lastAddress_;
        char digits[2];
        putDecimal2(digits, asked < 0 ? 0 : asked);
        if (asked < 0 || line.size() < 2 || line[0] != digits[0] || line[1] != digits[1])
            return {false, DropReason::OtherAddress};
    }
    if (settling_) {
        heard();
        return {false, DropReason::QuietGap};
    }
    if (!awaitingAnswer()) return {false, DropReason::Unasked};
    std::string_view body = withoutAddress(line);
    // The device's lines end at their first NUL.
    if (const auto nul = body.find('\0'); nul != std::string_view::npos) body = body.substr(0, nul);
    const bool tcp = c_.app.linkInterface != kLinkSerial;
    lastFit_ = fitAnswer(c_.product, current_.expected, body, tcp ? ReplyChannel::Tcp : ReplyChannel::Serial);
    if (lastFit_ == AnswerFit::NotItsAnswer) {
        spoiled_ = true;
        return {false, DropReason::OtherAnswer};
    }
    return {true, DropReason::None};
}

void RequestSession::answerCame(ReplyOutcome outcome) {
    if (!awaitingAnswer()) return;
    if (lastFit_ == AnswerFit::ReadBack && outcome == ReplyOutcome::Malformed) {
        spoiled_ = true;  // its own row, but nothing of it could be stored
        return;
    }
    finish(lastFit_ == AnswerFit::Refused ? RequestEnd::Refused : RequestEnd::Answered);
}

void RequestSession::heard() {
    if (settling_) gap_.start(wire_.quietGapMs());
}

bool RequestSession::timedOut() { return awaitingAnswer() ? missed() : false; }

void RequestSession::ranOut() {
    if (!inFlight_ || settling_) return;
    // A broadcast that never left the port was not delivered.
    if (!current_.answerDue) {
        finish(RequestEnd::SendFailed);
        return;
    }
    missed();
}

bool RequestSession::missed() {
    timeout_.stop();
    // Set commands are idempotent, so asking again is safe.
    repeatAfterGap_ = attempt_ <= retries();
    const RequestEnd e = wire_.timeoutEnd();
    settledEnd_ = e == RequestEnd::NoAnswer && spoiled_ ? RequestEnd::Damaged : e;
    if (settledEnd_ == RequestEnd::SendFailed) repeatAfterGap_ = false;  // the peer does not even read
    settling_ = true;
    const int gap = wire_.quietGapMs();
    gap_.start(gap);
    gapLimit_.start(gap * kQuietGapLimit);
    return !repeatAfterGap_;
}

void RequestSession::settled() {
    if (!settling_) return;
    settling_ = false;
    gap_.stop();
    gapLimit_.stop();
    if (!inFlight_) return;
    if (repeatAfterGap_) {
        transmit();
        return;
    }
    finish(settledEnd_);
}

void RequestSession::linkDown() {
    queue_.clear();
    settling_ = false;
    gap_.stop();
    gapLimit_.stop();
    if (inFlight_) finish(RequestEnd::LinkDown);
}

void RequestSession::finish(RequestEnd e) {
    timeout_.stop();
    drain_.stop();
    inFlight_ = false;
    ++endedCount_;
    wire_.ended(e);
    if (c_.requestEnded) c_.requestEnded(e);
    pump();
}

}  // namespace vrq
