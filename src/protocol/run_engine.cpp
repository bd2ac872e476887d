#include "protocol/run_engine.h"

#include <utility>

namespace vrq {

RunEngine::RunEngine(ReplyState& reply, Plan plan)
    : reply_(reply), plan_(std::move(plan)), seq_(reply, plan_.steps, plan_.step, plan_.check), tally_(plan_.steps) {}

bool RunEngine::start() {
    if (!seq_.start()) return false;
    running_ = true;
    return true;
}

RunEngine::Tick RunEngine::conclude(End e, int done) {
    seq_.stop();
    running_ = false;
    awaiting_ = finishing_ = false;
    ended_ = e;
    Tick t;
    t.done = done;
    t.end = e;
    return t;
}

void RunEngine::stop() {
    if (running_) conclude(End::Stopped, done_);
}

RunEngine::Tick RunEngine::tick() {
    Tick t;
    t.done = done_;
    if (!running_ || finishing_) return t;
    // One command in flight: a tick before its end waits for the next one.
    if (busy()) {
        awaiting_ = plan_.fast;
        return t;
    }
    awaiting_ = false;
    // A command may end inside its own step (a send that fails at once).
    inFlightStep_ = reply_.runStep;
    stepping_ = true;
    endedInStep_ = silentInStep_ = false;
    const SendSequencer::Tick s = seq_.tick();
    stepping_ = false;
    if (s.sent) {
        done_ = s.done;
        t.sent = true;
        t.done = s.done;
        // A step that put nothing on the line (a setting it may not send)
        // is not done; one whose command went out ends with that command.
        if (endedInStep_ || !busy()) inFlightStep_ = -1;
    } else {
        inFlightStep_ = -1;
    }
    if (silentInStep_) return conclude(End::Silent, t.done);
    switch (s.end) {
        case SendSequencer::End::None: break;
        case SendSequencer::End::Finished:
            if (inFlightStep_ >= 0) {
                finishing_ = true;  // the last answer is still to come
                return t;
            }
            return {true, s.done, conclude(End::Finished, s.done).end, false};
        case SendSequencer::End::ErrorStop: return conclude(End::ErrorStop, t.done);
        case SendSequencer::End::Refused: return conclude(End::Refused, t.done);
    }
    if (!seq_.running()) return conclude(End::Stopped, t.done);  // someone else ended it
    if (plan_.fast) {
        if (inFlightStep_ >= 0)
            awaiting_ = true;
        else
            t.again = true;  // nothing went out (or nothing waits for it): on at once
    }
    return t;
}

RunEngine::Tick RunEngine::requestEnded(RequestEnd e) {
    Tick t;
    t.done = done_;
    if (!running_ || inFlightStep_ < 0) return t;
    const StepOutcome o = stepOutcomeOf(e);
    tally_.record(inFlightStep_, o);
    inFlightStep_ = -1;
    bool silent = false;
    if (o == StepOutcome::Unanswered || o == StepOutcome::Damaged)
        silent = ++unanswered_ >= (plan_.fast ? 1 : plan_.unansweredStop);
    else
        unanswered_ = 0;
    if (stepping_) {
        endedInStep_ = true;
        silentInStep_ = silent;
        return t;
    }
    if (silent) return conclude(End::Silent, done_);
    if (finishing_) return conclude(reply_.replyError ? End::ErrorStop : End::Finished, done_);
    if (awaiting_) {
        awaiting_ = false;
        t.again = true;
    }
    return t;
}

}  // namespace vrq
