#pragma once
// The single send entry: routes a command line to the active transport.

#include <string>
#include <string_view>

#include "model/console.h"
#include "model/message.h"
#include "protocol/command_line.h"

namespace vrq {

inline constexpr Text kNotConnectedText = VRQ_TEXT("TcpLink", "Socket が接続されていません");

// The bytes the serial line carries for `line`, and whether an answer is due.
struct SerialFrame {
    std::string bytes;
    bool replyExpected;
};
SerialFrame frameSerial(std::string_view line, int serialMode, int slaveAddressIndex);

void writeSerialCommand(Console& c, const CommandLine& line);
void sendCommand(Console& c, const CommandLine& line);
bool isLinked(const Console& c);
// A command is in flight or queued on the link that sendCommand uses now.
bool linkBusy(const Console& c);

// True when `ext` (four characters) is present in `name`, looking at the
// windows from the end towards the second character.
bool hasExtension(std::string_view name, std::string_view ext);

}  // namespace vrq
