#pragma once
// One request session per link: commands queue in order, at most one is in
// flight, and its answer, its timeout or the link going down ends it. Nothing
// here waits: the timeout and the drain check are timers.

#include <QObject>
#include <QTimer>
#include <deque>
#include <string>
#include <string_view>

#include "model/console.h"
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

    RequestSession(Console& c, Wire& wire, QObject* parent = nullptr);

    // How long an answer may take; 0 leaves the timeout to the caller
    // (the console's main timer counts it on the serial line).
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }
    int timeoutMs() const { return timeoutMs_; }

    // `target` is fixed when the command is given, not when it goes out: on
    // RS-485 the address its answer must carry, in the server role the slot
    // of its device; -1 for none.
    void submit(std::string_view bytes, bool answerDue, int target = -1);

    bool busy() const { return inFlight_ || !queue_.empty(); }
    bool awaitingAnswer() const { return inFlight_ && current_.answerDue; }

    // False for an RS-485 line that carries another address than the one asked.
    bool belongs(std::string_view line) const;
    // The answer line was handled.
    void answerCame();
    // The caller's timeout for an answer ran out.
    void timedOut();
    // The port or socket is gone: the command in flight and the queue end.
    void linkDown();

private:
    struct Pending {
        std::string bytes;
        bool answerDue = true;
        int target = -1;
    };
    void pump();
    void ranOut();
    void checkDrained();
    void finish(RequestEnd e);

    Console& c_;
    Wire& wire_;
    std::deque<Pending> queue_;
    Pending current_;
    bool inFlight_ = false;
    bool pumping_ = false;
    int lastAddress_ = -1;  // RS-485: the address asked last
    int timeoutMs_ = 0;
    QTimer timeout_;
    QTimer drain_;
};

}  // namespace vrq
