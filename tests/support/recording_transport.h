#pragma once
// A transport that keeps every line written to it, in order.

#include <string>
#include <string_view>
#include <vector>

#include "protocol/transport.h"

namespace vrq {

struct RecordingTransport : Transport {
    void writeLine(std::string_view bytes) override { lines.emplace_back(bytes); }
    std::vector<std::string> lines;
};

}  // namespace vrq
