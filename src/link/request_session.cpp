#include "link/request_session.h"

#include "protocol/codecs.h"

namespace vrq {

RequestSession::RequestSession(Console& c, Wire& wire, QObject* parent) : QObject(parent), c_(c), wire_(wire) {
    timeout_.setSingleShot(true);
    // A coarse timer may fire 5 % early: the answer limit is a promise.
    timeout_.setTimerType(Qt::PreciseTimer);
    connect(&timeout_, &QTimer::timeout, this, &RequestSession::ranOut);
    drain_.setSingleShot(true);
    connect(&drain_, &QTimer::timeout, this, &RequestSession::checkDrained);
}

void RequestSession::submit(std::string_view bytes, bool answerDue, int target) {
    if (queue_.size() >= kMaxQueued) {
        // Nobody paces commands this far ahead; the newest is refused.
        wire_.ended(RequestEnd::SendFailed);
        return;
    }
    queue_.push_back({std::string(bytes), answerDue, target});
    if (!inFlight_) pump();
}

void RequestSession::pump() {
    if (pumping_) return;  // a failed send ends inside the loop below
    pumping_ = true;
    while (!inFlight_ && !queue_.empty()) {
        current_ = std::move(queue_.front());
        queue_.pop_front();
        inFlight_ = true;
        if (current_.target >= 0) lastAddress_ = current_.target;
        if (!wire_.send(current_.bytes, current_.answerDue, current_.target)) {
            finish(RequestEnd::SendFailed);
            continue;
        }
        if (current_.answerDue) {
            if (timeoutMs_ > 0) timeout_.start(timeoutMs_);
        } else {
            // Complete once the bytes left, never from inside the send itself.
            timeout_.start(timeoutMs_ > 0 ? timeoutMs_ : kDrainLimitMs);
            drain_.start(0);
        }
    }
    pumping_ = false;
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

bool RequestSession::belongs(std::string_view line) const {
    if (c_.app.linkInterface != kLinkSerial || c_.app.serialMode != kRs485) return true;
    const int asked = inFlight_ && current_.target >= 0 ? current_.target : lastAddress_;
    if (asked < 0 || line.size() < 2) return false;
    char digits[2];
    putDecimal2(digits, asked);
    return line[0] == digits[0] && line[1] == digits[1];
}

void RequestSession::answerCame() {
    if (awaitingAnswer()) finish(RequestEnd::Answered);
}

void RequestSession::timedOut() {
    if (awaitingAnswer()) finish(wire_.timeoutEnd());
}

void RequestSession::ranOut() {
    if (!inFlight_) return;
    // A broadcast that never left the port was not delivered.
    finish(current_.answerDue ? wire_.timeoutEnd() : RequestEnd::SendFailed);
}

void RequestSession::linkDown() {
    queue_.clear();
    if (inFlight_) finish(RequestEnd::LinkDown);
}

void RequestSession::finish(RequestEnd e) {
    timeout_.stop();
    drain_.stop();
    inFlight_ = false;
    wire_.ended(e);
    if (c_.requestEnded) c_.requestEnded(e);
    pump();
}

}  // namespace vrq
