#pragma once
// What went over the wire, one line at a time: the bounded record behind the
// traffic monitor and the line format shared with `vrqctl --log`.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "model/message.h"

namespace vrq {

// Event: something happened to the link itself (a device connected, left,
// was refused); its bytes are a description, not wire bytes.
enum class TrafficDirection { Sent, Received, Dropped, Event };

// Why a received line was dropped.
enum class DropReason {
    None,
    Unasked,       // no command awaits an answer
    OtherAddress,  // RS-485: the answer of another address
    OtherAnswer,   // well formed, but not the answer to the command in flight
    Damaged,       // the row asked for, cut short or with bad fields
    QuietGap,      // late: the line was to be quiet after a timeout
    AfterAnswer,   // behind the answer, in the same receive
    TooLong,       // longer than any line of the protocol
};
// The reason as the traffic monitor shows it (an operator text) and as the
// log file writes it.
Text dropReasonText(DropReason r);
const char* dropReasonLogText(DropReason r);

// One line as a link reports it; the views are only valid during the call.
struct TrafficEvent {
    TrafficDirection direction = TrafficDirection::Sent;
    std::string_view bytes;
    std::string_view link;  // "COM1 /dev/ttyUSB0", "192.168.0.5:5000", "ｽﾛｯﾄ3 192.168.0.7"
    int address = -1;       // RS-485 address, 255 for a broadcast, -1 without one
    DropReason reason = DropReason::None;
};

using TrafficClock = std::chrono::system_clock;

struct TrafficEntry {
    TrafficClock::time_point at;
    TrafficDirection direction = TrafficDirection::Sent;
    std::string bytes;
    std::string link;
    int address = -1;
    DropReason reason = DropReason::None;
};

// CR and LF as \r and \n, the backslash as \\, every other byte outside
// printable ASCII (control bytes, DEL, 0x80 and up) as \xHH: plain ASCII in
// which every escape reads one way.
std::string printable(std::string_view bytes);
// The same; the name says it is safe for a terminal.
std::string printableAscii(std::string_view bytes);

// The mark of a direction in the log: ">" sent, "<" received, "x" dropped,
// "!" an event of the link.
const char* directionMark(TrafficDirection d);

// Local time, ISO 8601 with milliseconds, no zone: 2026-12-08T23:05:01.123
std::string isoMillis(TrafficClock::time_point at);

// What the traffic monitor shows when a device comes, goes or is turned away.
// A link reports the source text as the event's bytes; the monitor shows it
// translated (trafficEventText), a log file in fixed English words.
inline constexpr Text kConnectedEvent = VRQ_TEXT("TrafficLog", "接続しました");
inline constexpr Text kLeftEvent = VRQ_TEXT("TrafficLog", "接続が切れました");
inline constexpr Text kRefusedEvent = VRQ_TEXT("TrafficLog", "接続数が上限のため切断しました");
// The event an entry's bytes name, for the screen; bytes that name none are
// shown as they are.
Message trafficEventText(std::string_view bytes);

// One line of the log file, without its newline: "<time> <mark> <bytes>",
// and for a dropped line with a known reason "  (<reason>)" after the bytes.
// With several devices in one file, each line names its device after the
// time: "<time> <device> <mark> <bytes>". The link's own events are
// written in English words, as the rest of a log file.
std::string logLine(TrafficClock::time_point at, TrafficDirection d, std::string_view bytes,
                    DropReason reason = DropReason::None, std::string_view device = {});
inline std::string logLine(const TrafficEntry& e, std::string_view device = {}) {
    return logLine(e.at, e.direction, e.bytes, e.reason, device);
}
// The device of an entry as a log line names it, as vrqctl names devices: the
// serial device (ttyUSB0) with "_NN" for an RS-485 address, or the peer's
// address and port (192.168.0.5_9004); no spaces.
std::string trafficDevice(const TrafficEntry& e);

// The two digits in front of an RS-485 line, or -1 when it has none.
int rs485Address(std::string_view line);

// The last `capacity` lines; older ones fall off. Each line keeps at most
// kMaxBytes of its bytes (longer than any line of the protocol) and
// kMaxLinkBytes of its link, so the whole record has a bound.
class TrafficLog {
public:
    static constexpr std::size_t kDefaultCapacity = 10000;
    static constexpr std::size_t kMaxBytes = 2048;
    static constexpr std::size_t kMaxLinkBytes = 256;

    explicit TrafficLog(std::size_t capacity = kDefaultCapacity) : capacity_(capacity ? capacity : 1) {}

    void add(const TrafficEvent& e, TrafficClock::time_point at = TrafficClock::now());
    void clear();

    std::size_t size() const { return entries_.size(); }
    std::size_t capacity() const { return capacity_; }
    const TrafficEntry& at(std::size_t i) const { return entries_[i]; }  // oldest first
    // Lines ever added, so a view can tell how many are new since it looked.
    std::uint64_t added() const { return added_; }
    std::uint64_t firstNumber() const { return added_ - entries_.size(); }

private:
    std::size_t capacity_;
    std::deque<TrafficEntry> entries_;
    std::uint64_t added_ = 0;
};

// Case-sensitive text search over what a line shows: link, address and bytes
// as printed. An empty filter passes everything.
bool trafficMatches(const TrafficEntry& e, std::string_view filter);

}  // namespace vrq
