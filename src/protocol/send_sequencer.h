#pragma once
// A timer-paced run that sends one step per tick. Every run in the program
// claims the one shared runActive flag and keeps its step in runStep, so two
// runs can never overlap; the owner's timer calls tick() and shows what it reports.

#include <functional>
#include <string>

#include "model/app_state.h"
#include "model/message.h"

namespace vrq {

class SendSequencer {
public:
    // When the run looks at replyError: after sending the tick's step (the
    // per-line runs send the page and then stop), or before it (the title and
    // schedule runs stop without sending and keep their progress).
    enum class ErrorCheck { AfterStep, BeforeStep };

    enum class End {
        None,       // still running (or idle, when nothing was sent)
        Finished,   // the last step went out
        ErrorStop,  // replyError ended the run (and was cleared)
        Refused,    // the step could not be built; nothing was sent
    };

    struct Tick {
        bool sent = false;  // a step went out this tick
        int step = -1;      // 0-based index of the step sent
        int done = 0;       // steps sent so far in this run
        End end = End::None;
    };

    // `step` builds and sends step i (0-based); it returns false when the
    // step cannot be built, which ends the run.
    using Step = std::function<bool(int)>;

    SendSequencer(ReplyState& reply, int steps, Step step, ErrorCheck check = ErrorCheck::AfterStep);

    // False when any run of the program is active; then nothing changes.
    bool start();
    Tick tick();
    // Ends this run at once (a dialog closing mid-run).
    void stop();

    bool running() const { return running_; }
    int steps() const { return steps_; }

private:
    void finish();

    ReplyState& reply_;
    int steps_;
    Step step_;
    ErrorCheck check_;
    bool running_ = false;
};

// A run in the specified pacing stops once this many commands in a row went
// unanswered, instead of sending the rest into silence.
inline constexpr int kUnansweredStop = 3;
Message unansweredStopText(int commands);

// "12:34" or "1:02:03" for a duration in seconds.
std::string durationText(long long seconds);

// Percentage of a per-line or per-page run after `done` of `total` steps,
// integer division: page 1 of 512 reads "0", page 512 reads "100".
std::string runPercentText(int done, int total);

// The title run's " 00.0": two digits and one decimal of done*100/total,
// truncated, behind a leading blank (" 00.1" after page 1 of 512).
std::string titlePercentText(int done, int total);

}  // namespace vrq
