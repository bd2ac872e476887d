#include "protocol/traffic_log.h"

#include <ctime>

#include "platform/local_time.h"

namespace vrq {

namespace {

std::string escaped(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(bytes.size() + 8);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (ch == '\r') {
            s += "\\r";
        } else if (ch == '\n') {
            s += "\\n";
        } else if (ch == '\\') {
            s += "\\\\";
        } else if (b < 0x20 || b >= 0x7F) {
            s += "\\x";
            s += kHex[b >> 4];
            s += kHex[b & 0xF];
        } else {
            s += ch;
        }
    }
    return s;
}

}  // namespace

std::string printable(std::string_view bytes) { return escaped(bytes); }
std::string printableAscii(std::string_view bytes) { return escaped(bytes); }

const char* directionMark(TrafficDirection d) {
    switch (d) {
        case TrafficDirection::Sent: return ">";
        case TrafficDirection::Received: return "<";
        case TrafficDirection::Dropped: return "x";
        case TrafficDirection::Event: return "!";
    }
    return "?";
}

std::string isoMillis(TrafficClock::time_point at) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count();
    const std::time_t secs = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
    const int milli = static_cast<int>(((ms % 1000) + 1000) % 1000);
    std::tm t{};
    platform::localTime(secs, t);
    char buf[40];
    const std::size_t n = std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &t);
    std::string s(buf, n);
    s += '.';
    s += static_cast<char>('0' + milli / 100);
    s += static_cast<char>('0' + milli / 10 % 10);
    s += static_cast<char>('0' + milli % 10);
    return s;
}

namespace {

std::string eventLogText(std::string_view event) {
    if (event == kConnectedEvent.source) return "connected";
    if (event == kLeftEvent.source) return "connection closed";
    if (event == kRefusedEvent.source) return "turned away: every slot is taken";
    return printable(event);
}

}  // namespace

std::string logLine(TrafficClock::time_point at, TrafficDirection d, std::string_view bytes, DropReason reason,
                    std::string_view device) {
    std::string s = isoMillis(at);
    s += ' ';
    if (!device.empty()) {
        s += device;
        s += ' ';
    }
    s += directionMark(d);
    s += ' ';
    s += d == TrafficDirection::Event ? eventLogText(bytes) : printable(bytes);
    if (d == TrafficDirection::Dropped && reason != DropReason::None) {
        s += "  (";
        s += dropReasonLogText(reason);
        s += ')';
    }
    return s;
}

Message trafficEventText(std::string_view bytes) {
    for (const Text& t : {kConnectedEvent, kLeftEvent, kRefusedEvent})
        if (bytes == t.source) return t;
    return Message::plain(bytes);
}

Text dropReasonText(DropReason r) {
    switch (r) {
        case DropReason::None: break;
        case DropReason::Unasked: return VRQ_TEXT("TrafficLog", "応答を待つコマンドなし");
        case DropReason::OtherAddress: return VRQ_TEXT("TrafficLog", "他のアドレスの応答");
        case DropReason::OtherAnswer: return VRQ_TEXT("TrafficLog", "送ったコマンドの応答ではない");
        case DropReason::Damaged: return VRQ_TEXT("TrafficLog", "壊れた応答");
        case DropReason::QuietGap: return VRQ_TEXT("TrafficLog", "タイムアウト後に届いた応答");
        case DropReason::AfterAnswer: return VRQ_TEXT("TrafficLog", "応答の後に届いた");
        case DropReason::TooLong: return VRQ_TEXT("TrafficLog", "長すぎる行");
    }
    return {};
}

const char* dropReasonLogText(DropReason r) {
    switch (r) {
        case DropReason::None: break;
        case DropReason::Unasked: return "no command awaits an answer";
        case DropReason::OtherAddress: return "another address";
        case DropReason::OtherAnswer: return "not the answer to the command";
        case DropReason::Damaged: return "damaged answer";
        case DropReason::QuietGap: return "late, after a timeout";
        case DropReason::AfterAnswer: return "behind the answer";
        case DropReason::TooLong: return "too long";
    }
    return "";
}

int rs485Address(std::string_view line) {
    if (line.size() < 2) return -1;
    if (line.substr(0, 2) == "FF") return 255;
    if (line[0] < '0' || line[0] > '9' || line[1] < '0' || line[1] > '9') return -1;
    return (line[0] - '0') * 10 + (line[1] - '0');
}

void TrafficLog::add(const TrafficEvent& e, TrafficClock::time_point at) {
    if (entries_.size() >= capacity_) entries_.pop_front();
    TrafficEntry& n = entries_.emplace_back();
    n.at = at;
    n.direction = e.direction;
    n.bytes.assign(e.bytes.substr(0, kMaxBytes));
    n.link.assign(e.link.substr(0, kMaxLinkBytes));
    n.address = e.address;
    n.reason = e.reason;
    ++added_;
}

void TrafficLog::clear() {
    // Swapped out so the memory goes back, not only the count.
    std::deque<TrafficEntry>().swap(entries_);
}

std::string trafficDevice(const TrafficEntry& e) {
    // The link's last word: the device path, or the peer's address and port.
    std::string_view link(e.link);
    if (const auto space = link.rfind(' '); space != std::string_view::npos) link.remove_prefix(space + 1);
    std::string device(link);
    // Named as vrqctl names its devices: ttyUSB0, serial-by-id-x, 192.168.0.5_9004.
    if (device.rfind("/dev/", 0) == 0) {
        device.erase(0, 5);
        for (char& ch : device)
            if (ch == '/') ch = '-';
    } else if (const auto slash = device.rfind('/'); slash != std::string::npos) {
        device.erase(0, slash + 1);
    } else if (const auto colon = device.rfind(':'); colon != std::string::npos) {
        device[colon] = '_';
    }
    for (char& ch : device)
        if (static_cast<unsigned char>(ch) <= 0x20 || static_cast<unsigned char>(ch) >= 0x7F) ch = '_';
    if (e.address == 255) device += "_FF";
    else if (e.address >= 0) device += (e.address < 10 ? "_0" : "_") + std::to_string(e.address);
    return device.empty() ? std::string("-") : device;
}

bool trafficMatches(const TrafficEntry& e, std::string_view filter) {
    if (filter.empty()) return true;
    if (e.link.find(filter) != std::string::npos) return true;
    if (printable(e.bytes).find(filter) != std::string::npos) return true;
    if (e.address >= 0) {
        char digits[4] = {};
        if (e.address == 255) {
            digits[0] = digits[1] = 'F';
        } else {
            digits[0] = static_cast<char>('0' + e.address / 10 % 10);
            digits[1] = static_cast<char>('0' + e.address % 10);
        }
        if (std::string_view(digits, 2).find(filter) != std::string::npos) return true;
    }
    return false;
}

}  // namespace vrq
