#pragma once
// One request session per link: commands queue in order, at most one is in
// flight, and its answer, its timeout or the link going down ends it. Only a
// line that answers the command in flight ends it: an acknowledgement or a
// refusal for a set command, its own row for a read request. A command left
// without its answer is asked again (once by default), and after a timeout the
// line must be quiet for a while before anything more goes, so a late answer
// is never taken for the next command's. Nothing here waits: the timeout, the
// quiet gap and the drain check are timers.

#include <QObject>
#include <QTimer>
#include <deque>
#include <string>
#include <string_view>

#include "model/console.h"
#include "protocol/answer_match.h"
#include "protocol/traffic_log.h"
#include "protocol/transport.h"

namespace vrq {

class RequestSession : public QObject {
    Q_OBJECT
public:
    // What the link under the session does with the bytes.
    class Wire {
    public:
        virtual ~Wire() = default;
        // Hands the bytes to the port or socket; false when they cannot go.
        // `target` is what the command was submitted with.
        virtual bool send(std::string_view bytes, bool answerDue, int target) = 0;
        // 0 once everything written has left; else a wait before looking again.
        virtual int drainMs() const = 0;
        // How long the line must be quiet after a timeout before more goes.
        virtual int quietGapMs() const = 0;
        // What a command that ran out of time counts as.
        virtual RequestEnd timeoutEnd() const { return RequestEnd::NoAnswer; }
        // Told before anyone else, so the link's notices and flags come first.
        virtual void ended(RequestEnd) {}
    };

    // How long a broadcast may take to leave the port when the session has no
    // timeout of its own (a line held back by flow control).
    static constexpr int kDrainLimitMs = 5000;

    // Commands that may wait behind the one in flight: a run queues one, a
    // script may queue one for each of the server role's 96 devices.
    static constexpr std::size_t kMaxQueued = 128;


    // A peer that never falls quiet cannot hold the line for ever: the gap
    // ends after this many gaps' time whatever arrives.
    static constexpr int kQuietGapLimit = 10;

    RequestSession(Console& c, Wire& wire, QObject* parent = nullptr);

    // How long an answer may take; 0 leaves the timeout to the caller
    // (the console's main timer counts it on the serial line).
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }
    int timeoutMs() const { return timeoutMs_; }
    // Times a command without its answer is sent again; until set, the
    // console's own setting (the ini file's).
    void setRetries(int n);
    int retries() const { return retries_ >= 0 ? retries_ : c_.app.retries; }

    // `target` is fixed when the command is given, not when it goes out: on
    // RS-485 the address its answer must carry, in the server role the slot
    // of its device; -1 for none.
    void submit(std::string_view bytes, bool answerDue, int target = -1);

    // A command is in flight (its quiet gap included) or queued.
    bool busy() const { return inFlight_ || !queue_.empty(); }
    bool awaitingAnswer() const { return inFlight_ && current_.answerDue && !settling_; }
    // Commands ended so far: a change tells that a line ended one.
    unsigned long long endedCount() const { return endedCount_; }
    // 1 for the first sending of the command in flight, 2 for its repeat ...
    int attempt() const { return attempt_; }

    // What an arriving line (as received, RS-485 address included) is to the
    // command in flight: its answer to hand to the reply handling, or a line
    // to drop, with the reason.
    struct Verdict {
        bool take = false;
        DropReason reason = DropReason::None;
    };
    Verdict judge(std::string_view line);
    // The line judge() took was handled. A read-back that the handling found
    // damaged is not the answer: the command waits on.
    void answerCame(ReplyOutcome outcome);
    // Bytes arrived; during a quiet gap the gap starts over.
    void heard();
    // The caller's timeout for an answer ran out. True when the command gave
    // up; false when it will be asked again.
    bool timedOut();
    // The port or socket is gone: the command in flight and the queue end.
    void linkDown();

private:
    struct Pending {
        std::string bytes;
        bool answerDue = true;
        int target = -1;
        ExpectedAnswer expected;
    };
    void pump();
    void transmit();
    void ranOut();
    bool missed();
    void settled();
    void checkDrained();
    void finish(RequestEnd e);
    std::string_view withoutAddress(std::string_view line) const;

    Console& c_;
    Wire& wire_;
    std::deque<Pending> queue_;
    Pending current_;
    bool inFlight_ = false;
    bool pumping_ = false;
    int lastAddress_ = -1;  // RS-485: the address asked last
    int timeoutMs_ = 0;
    int retries_ = -1;
    int attempt_ = 0;
    unsigned long long endedCount_ = 0;
    bool spoiled_ = false;         // a damaged or foreign line came for the command in flight
    AnswerFit lastFit_ = AnswerFit::NotItsAnswer;
    bool settling_ = false;        // in the quiet gap after a timeout
    RequestEnd settledEnd_ = RequestEnd::NoAnswer;  // what the command ends as when it gives up
    bool repeatAfterGap_ = false;
    QTimer timeout_;
    QTimer drain_;
    QTimer gap_;
    QTimer gapLimit_;
};

}  // namespace vrq
