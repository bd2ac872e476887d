#pragma once
// Where sendCommand writes: the serial port, the TCP/IP link or a test recorder.

#include <string_view>

namespace vrq {

// How a command in flight ended.
enum class RequestEnd {
    Answered,   // its answer line came
    Refused,    // the device answered with an error code, "MENU" or "GN"
    Delivered,  // no answer was due (a broadcast) and its bytes left the port
    NoAnswer,   // the answer did not come in time
    Damaged,    // what came was damaged or the answer to something else
    SendFailed, // the bytes could not be written
    LinkDown,   // the link went away while it was in flight
};

class Transport {
public:
    virtual ~Transport() = default;
    // Serial: the framed bytes. TCP/IP: the bare line; the link checks its
    // connection itself. The command queues behind the one in flight.
    virtual void writeLine(std::string_view bytes) = 0;
    // A command is in flight or queued.
    virtual bool busy() const { return false; }
    // The main timer's no-reply count ran out for the command in flight.
    // True when the command gave up; false when it is asked again.
    virtual bool answerTimedOut() { return true; }
};

}  // namespace vrq
