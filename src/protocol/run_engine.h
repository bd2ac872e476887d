#pragma once
// The one run engine behind every timer- or answer-paced run, in the
// consoles and in vrqctl: it steps a SendSequencer, keeps one command in
// flight, counts how each step ended and decides when the run is over. The
// owner's timer calls tick() (the period, or at once in fast mode); the
// link's end of each command comes in through requestEnded(). A run is
// finished when the last answer is in, and a success only when every step
// was answered.

#include <functional>

#include "protocol/run_tally.h"
#include "protocol/send_sequencer.h"
#include "protocol/transport.h"

namespace vrq {

class RunEngine {
public:
    struct Plan {
        int steps = 0;
        SendSequencer::Step step;  // sends step i (0-based); false ends the run
        SendSequencer::ErrorCheck check = SendSequencer::ErrorCheck::BeforeStep;
        bool fast = false;  // the next step goes as soon as the previous one ended
        // Commands in a row without an answer that stop a timer-paced run;
        // a fast run stops at the first.
        int unansweredStop = kUnansweredStop;
        std::function<bool()> linkBusy;  // a command is in flight or queued
    };

    enum class End {
        None,        // still running
        Finished,    // every step went out and the last one has ended
        ErrorStop,   // the device refused a command (replyError)
        Refused,     // a step could not be built
        Silent,      // too many commands in a row went unanswered
        Stopped,     // the owner stopped it
    };

    struct Tick {
        bool sent = false;  // a step went out
        int done = 0;       // steps sent so far
        End end = End::None;
        bool again = false;  // fast: tick once more at once
    };

    RunEngine(ReplyState& reply, Plan plan);

    // False when another run is active; nothing changes then.
    bool start();
    Tick tick();
    // How the command of the step sent last ended.
    Tick requestEnded(RequestEnd e);
    void stop();

    bool running() const { return running_; }
    const RunTally& tally() const { return tally_; }
    bool success() const { return ended_ == End::Finished && tally_.complete(); }
    End ended() const { return ended_; }
    int unansweredInARow() const { return unanswered_; }

private:
    Tick conclude(End e, int done);
    bool busy() const { return plan_.linkBusy && plan_.linkBusy(); }

    ReplyState& reply_;
    Plan plan_;
    SendSequencer seq_;
    RunTally tally_;
    bool running_ = false;
    bool awaiting_ = false;   // fast: the next tick waits for the command in flight
    bool finishing_ = false;  // every step went out; the last one is in flight
    int inFlightStep_ = -1;   // the step whose command is in flight
    bool stepping_ = false;   // inside the step: an end that comes now is the step's own
    bool endedInStep_ = false;
    bool silentInStep_ = false;
    int done_ = 0;
    int unanswered_ = 0;
    End ended_ = End::None;
};

}  // namespace vrq
