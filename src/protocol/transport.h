#pragma once
// Where sendCommand writes: the serial port, the TCP/IP link or a test recorder.

#include <string_view>

namespace vrq {

class Transport {
public:
    virtual ~Transport() = default;
    // Serial: the framed bytes, written as one write. TCP/IP: the bare line;
    // the link checks its connection and waits for the answer itself.
    virtual void writeLine(std::string_view bytes) = 0;
};

}  // namespace vrq
